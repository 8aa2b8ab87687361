// Composing a test and moving through it.
//
// These operations work on modEnneagram::testState and tell the screens what to show;
// they never touch a widget. The screen passes in the caption of the answer the user has
// selected (or nothing) and turns the outcome into captions and message boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace modEnneagram {

enum class TestLength
{
    Quick,
    InDepth,
    Comprehensive
};

struct TestLengthInfo
{
    std::int16_t questionCount;
    std::int32_t maxPerType;
};
TestLengthInfo lengthInfo(TestLength length);

// What the question screen shows for the current position.
struct QuestionView
{
    std::string positionLine; // "Question 3 Of 54"
    std::string questionText;
};

// The view of testState.currentPosition (empty texts before any test).
QuestionView currentQuestion();

// Clears the test, draws a new random order, takes questions up to the per-type cap until
// the test has its length, and loads the content. The last result stays in place.
QuestionView StartTest(TestLength length);

enum class NextResult
{
    Unanswered, // no answer selected: show message, change nothing else
    Moved,      // answer recorded, clear the selection, show view
    Finished,   // answer recorded on the last position, clear the selection, finish the test
};

struct NextOutcome
{
    NextResult result;
    std::string message; // for Unanswered: "Question No. 3 is Unanswered"
    QuestionView view;   // for Moved
};

// The Next action. selectedCaption is the caption of the selected answer, if any.
NextOutcome NextQuestion(std::optional<std::string_view> selectedCaption);

// The Back action: the view of the previous question, or nothing on the first position.
std::optional<QuestionView> PreviousQuestion();

} // namespace modEnneagram
