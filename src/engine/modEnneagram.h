// The questionnaire's built-in content and the one record of the test in progress.
//
// The 180 questions come in blocks of twenty per personality type, in type order, so a
// question's type follows from its bank index alone. Answers are kept as the captions the
// user picked ("Yes", "No", "May Be"), never as indices; "" means not answered yet.
// Everything here is shared, module-level data that the handlers read and write directly,
// just as the windows of the program do.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace modEnneagram {

inline constexpr int typeCount = 9;
inline constexpr int questionsPerType = 20;
inline constexpr int bankSize = typeCount * questionsPerType;

inline constexpr std::string_view answerYes = "Yes";
inline constexpr std::string_view answerNo = "No";
inline constexpr std::string_view answerMayBe = "May Be";
// The captions in the order the question screen offers them.
inline constexpr std::array<std::string_view, 3> answerCaptions{answerYes, answerNo, answerMayBe};

// A personality type is 1..9; per-type tables are indexed by type - 1.
using PersonalityType = int;

// Type (1..9) of a bank index (0..179).
constexpr PersonalityType typeOfBankIndex(int bankIndex)
{
    return bankIndex / questionsPerType + 1;
}

// The types stand on a ring: 9 comes before 1 and 1 after 9.
constexpr PersonalityType typeBefore(PersonalityType type)
{
    return type == 1 ? typeCount : type - 1;
}
constexpr PersonalityType typeAfter(PersonalityType type)
{
    return type == typeCount ? 1 : type + 1;
}

// The content tables; empty until LoadContent() first runs.
extern std::vector<std::string> questionTexts;    // by bank index
extern std::vector<std::string> answerKeys;       // by bank index: "Yes" or "No"
extern std::vector<std::string> typeNames;        // by type - 1
extern std::vector<std::string> typeDescriptions; // by type - 1, paragraphs joined by CR LF CR LF

// Fills the four content tables; running it again writes the same values.
void LoadContent();

struct TestState
{
    // The test in progress.
    std::int16_t questionCount = 0;
    std::vector<std::int32_t> testQuestions; // bank index at each position
    std::array<std::int32_t, typeCount> typeTally{};
    std::int16_t currentPosition = 0;
    std::vector<std::string> givenAnswers; // caption at each position, "" when none
    std::array<double, typeCount> typeScores{};

    // The last result; a new start leaves these alone until the next test is finished.
    std::int16_t dominantScore = 0;
    std::int16_t leftWingScore = 0;
    std::int16_t rightWingScore = 0;
    std::string dominantName;
    std::string leftWingName;
    std::string rightWingName;
    std::string typeHeading;
    std::string typeText;
    std::string wingHeading;
    std::string wingText;
    std::string wingIntro;
    std::string balancedLeftName;
    std::string balancedRightName;
    std::string balancedLeftText;
    std::string balancedRightText;
};

extern TestState testState;

// Index (0..8) of a type name in typeNames, or -1 when no name matches exactly.
int typeIndexOfName(std::string_view name);

} // namespace modEnneagram
