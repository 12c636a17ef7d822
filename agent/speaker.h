#pragma once

namespace parlavo {

// Whose words a line is. Every dialogue is between a woman and a man, and the bird reads their parts in two
// clearly different voices, a higher and a lower one, with a balloon of each one's colour; anything else it says
// in its own plain voice and balloon.
enum class Speaker { Bird, Woman, Man };

} // namespace parlavo
