#include "Scoring.h"

#include "modEnneagram.h"

#include <cmath>
#include <cstddef>

namespace modEnneagram {

std::int16_t roundHalfEven(double value)
{
    // nearbyint follows the default rounding mode, round-to-nearest-even.
    return static_cast<std::int16_t>(std::nearbyint(value));
}

namespace {

const std::string& nameOf(PersonalityType type)
{
    static const std::string none;
    const auto index = static_cast<std::size_t>(type - 1);
    return index < typeNames.size() ? typeNames[index] : none;
}

} // namespace

WingOutcome ScoreTest()
{
    TestState& s = testState;
    s.typeScores.fill(0.0);

    const auto count = static_cast<std::size_t>(s.questionCount > 0 ? s.questionCount : 0);
    for (std::size_t p = 0; p < count && p < s.testQuestions.size() && p < s.givenAnswers.size();
         ++p) {
        const auto bankIndex = static_cast<std::size_t>(s.testQuestions[p]);
        if (bankIndex >= answerKeys.size())
            continue;
        double& score = s.typeScores[static_cast<std::size_t>(
            typeOfBankIndex(static_cast<int>(bankIndex)) - 1)];
        const std::string& answer = s.givenAnswers[p];
        if (answer == answerKeys[bankIndex])
            score += 1.0;
        else if (answer == answerMayBe)
            score += 0.5;
    }

    // The running best is held rounded, so a later type can take over from an earlier one
    // that scored half a point more (4.5 is held as 4, and a later 4.0 reaches it). A tie
    // goes to the later type.
    PersonalityType dominant = 1;
    std::int16_t best = roundHalfEven(s.typeScores[0]);
    for (PersonalityType t = 2; t <= typeCount; ++t) {
        const double score = s.typeScores[static_cast<std::size_t>(t - 1)];
        if (best > score)
            continue;
        best = roundHalfEven(score);
        dominant = t;
    }
    s.dominantScore = best;
    s.dominantName = nameOf(dominant);

    const PersonalityType left = typeBefore(dominant);
    const PersonalityType right = typeAfter(dominant);
    s.leftWingName = nameOf(left);
    s.rightWingName = nameOf(right);
    s.leftWingScore = roundHalfEven(s.typeScores[static_cast<std::size_t>(left - 1)]);
    s.rightWingScore = roundHalfEven(s.typeScores[static_cast<std::size_t>(right - 1)]);

    if (s.leftWingScore > s.rightWingScore)
        return WingOutcome::Left;
    if (s.leftWingScore < s.rightWingScore)
        return WingOutcome::Right;
    return WingOutcome::Balanced;
}

} // namespace modEnneagram
