// The texts compiled into the program: the question bank with its keys and the
// paragraphs of the nine type descriptions. LoadContent copies them into the tables.
#pragma once

#include "modEnneagram.h"

#include <array>
#include <string_view>

namespace modEnneagram::builtin {

struct Question
{
    std::string_view text;
    std::string_view key;
};

inline constexpr std::size_t maxParagraphs = 4;

struct Description
{
    std::array<std::string_view, maxParagraphs> paragraphs;
    std::size_t paragraphCount;
};

extern const std::array<Question, bankSize> questions;
extern const std::array<std::string_view, typeCount> names;
extern const std::array<Description, typeCount> descriptions;

} // namespace modEnneagram::builtin
