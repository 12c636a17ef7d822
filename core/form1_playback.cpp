// TEMPORARY: replaced by the lessons work.
#include "core/form1.h"
namespace parlavo {
void Form1::NextSentence() {}
void Form1::Form1_Timer5_Timer() {}
} // namespace parlavo
