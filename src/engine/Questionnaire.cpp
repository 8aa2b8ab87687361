#include "Questionnaire.h"

#include "modEnneagram.h"
#include "modRandomize.h"

#include <cstddef>

namespace modEnneagram {

TestLengthInfo lengthInfo(TestLength length)
{
    switch (length) {
    case TestLength::Quick:
        return {54, 7};
    case TestLength::InDepth:
        return {90, 11};
    case TestLength::Comprehensive:
        break;
    }
    return {static_cast<std::int16_t>(bankSize), questionsPerType};
}

QuestionView currentQuestion()
{
    const TestState& s = testState;
    QuestionView view;
    view.positionLine = "Question " + std::to_string(s.currentPosition + 1) + " Of " +
                        std::to_string(s.questionCount);
    const auto position = static_cast<std::size_t>(s.currentPosition);
    if (position < s.testQuestions.size()) {
        const auto bankIndex = static_cast<std::size_t>(s.testQuestions[position]);
        if (bankIndex < questionTexts.size())
            view.questionText = questionTexts[bankIndex];
    }
    return view;
}

QuestionView StartTest(TestLength length)
{
    TestState& s = testState;
    modRandomize::randomOrder.clear();
    s.testQuestions.clear();
    s.typeTally.fill(0);
    s.givenAnswers.clear();
    s.typeScores.fill(0.0);

    modRandomize::RandomOrder(bankSize);
    s.currentPosition = 0;
    s.questionCount = 0;

    const TestLengthInfo info = lengthInfo(length);
    s.questionCount = info.questionCount;
    const auto count = static_cast<std::size_t>(info.questionCount);
    s.testQuestions.assign(count, 0);
    s.givenAnswers.assign(count, std::string());
    if (length == TestLength::Comprehensive) {
        // The whole bank in the random order; the tally is not needed and stays 0.
        s.testQuestions = modRandomize::randomOrder;
    } else {
        std::size_t taken = 0;
        for (const std::int32_t bankIndex : modRandomize::randomOrder) {
            if (taken == count)
                break;
            auto& tally = s.typeTally[static_cast<std::size_t>(typeOfBankIndex(bankIndex) - 1)];
            if (tally < info.maxPerType) {
                s.testQuestions[taken++] = bankIndex;
                ++tally;
            }
        }
    }

    LoadContent();
    return currentQuestion();
}

NextOutcome NextQuestion(std::optional<std::string_view> selectedCaption)
{
    TestState& s = testState;
    s.typeScores.fill(0.0);

    const auto position = static_cast<std::size_t>(s.currentPosition);
    // Without a test there is nowhere to record an answer, which the screen treats like
    // a missing answer rather than writing past the end of the list.
    if (!selectedCaption || position >= s.givenAnswers.size()) {
        return {NextResult::Unanswered,
                "Question No. " + std::to_string(s.currentPosition + 1) + " is Unanswered",
                {}};
    }
    s.givenAnswers[position] = std::string(*selectedCaption);

    if (s.currentPosition == s.questionCount - 1)
        return {NextResult::Finished, {}, {}};

    ++s.currentPosition;
    return {NextResult::Moved, {}, currentQuestion()};
}

std::optional<QuestionView> PreviousQuestion()
{
    TestState& s = testState;
    if (s.currentPosition <= 0)
        return std::nullopt;
    --s.currentPosition;
    return currentQuestion();
}

} // namespace modEnneagram
