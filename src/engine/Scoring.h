// Turning the recorded answers into nine type scores, the dominant type and its wing.
//
// A matching answer earns its type a full point and "May Be" half a point, so scores are
// multiples of 0.5. Wherever a score becomes a whole number it is rounded half to even.
#pragma once

#include <cstdint>

namespace modEnneagram {

enum class WingOutcome
{
    Left,
    Right,
    Balanced
};

// Round to the nearest whole number, a value exactly halfway going to the even neighbour.
std::int16_t roundHalfEven(double value);

// Scores testState and fills typeScores, dominantScore, dominantName and the wing fields.
WingOutcome ScoreTest();

} // namespace modEnneagram
