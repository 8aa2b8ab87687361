// The result document: five styled blocks naming the dominant type and its wing, with
// their descriptions. Composed as plain data from the scoring, so it needs no window.
#pragma once

#include "Scoring.h"

#include <array>
#include <cstdint>
#include <string>

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb darkGreen{0, 128, 0};
inline constexpr Rgb darkBlue{0, 0, 128};

struct StyledBlock
{
    std::string text;
    Rgb colour;
    bool bold = false;
};

using ResultReport = std::array<StyledBlock, 5>;

// Writes the heading, text and wing fields of modEnneagram::testState for the given wing
// outcome, and returns the report built from them.
ResultReport ComposeReport(modEnneagram::WingOutcome wing);
