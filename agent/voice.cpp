#include "agent/voice.h"

namespace parlavo {

QString voiceNameForLanguage(int languageId) {
    switch (languageId) {
    case 3082: // Spanish, modern sort
    case 1034: // Spanish, traditional sort
        return QStringLiteral("es");
    case 2058:
        return QStringLiteral("es-419");
    case 1033:
        return QStringLiteral("en-us");
    case 2057:
        return QStringLiteral("en");
    default:
        return {};
    }
}

} // namespace parlavo
