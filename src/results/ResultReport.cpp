#include "ResultReport.h"

#include "modEnneagram.h"

using namespace modEnneagram;

namespace {

const std::string crlf2 = "\r\n\r\n";

// The description in the slot of the type whose name matches exactly.
std::string descriptionOf(const std::string& name)
{
    const int index = typeIndexOfName(name);
    if (index < 0 || static_cast<std::size_t>(index) >= typeDescriptions.size())
        return {};
    return typeDescriptions[static_cast<std::size_t>(index)];
}

} // namespace

ResultReport ComposeReport(WingOutcome wing)
{
    TestState& s = testState;
    s.typeHeading = "Your personality type is " + s.dominantName;
    s.typeText = descriptionOf(s.dominantName);
    s.wingIntro = "The WING PERSONALITY is the personality type that is on either side of the "
                  "generated personality and greatly influences the personality of the person.";
    switch (wing) {
    case WingOutcome::Left:
        s.wingHeading = "Your Wing is " + s.leftWingName;
        s.wingText = descriptionOf(s.leftWingName);
        break;
    case WingOutcome::Right:
        s.wingHeading = "Your Wing is " + s.rightWingName;
        s.wingText = descriptionOf(s.rightWingName);
        break;
    case WingOutcome::Balanced:
        s.wingHeading = "Your Wing is Balanced";
        s.balancedLeftName = s.leftWingName;
        s.balancedLeftText = descriptionOf(s.leftWingName);
        s.balancedRightName = s.rightWingName;
        s.balancedRightText = descriptionOf(s.rightWingName);
        s.wingText = s.balancedLeftName + crlf2 + s.balancedLeftText + crlf2 + s.balancedRightName +
                     crlf2 + s.balancedRightText + crlf2;
        break;
    }

    return {{
        {s.typeHeading + crlf2, darkGreen, true},
        {s.typeText + crlf2, black, false},
        {s.wingHeading + crlf2, darkGreen, true},
        {s.wingIntro + crlf2, darkBlue, true},
        {s.wingText + crlf2, black, false},
    }};
}
