// Prints the two headings a comprehensive test must report when every one of its 180
// questions gets the same answer. The whole bank is asked, so the outcome does not depend on
// the order the questions come in. The scores are worked out here from the key table alone,
// by the rules the program documents (a matching answer is a point, "May Be" half a point;
// the running best is held rounded half to even and a tie goes to the later type; the wing
// is the neighbour on the ring with the higher rounded score, or "Balanced").
//
// Usage: quarvel_e2e_expected Yes|No|"May Be"
#include "modEnneagram.h"

#include <cmath>
#include <cstdio>
#include <string>

using namespace modEnneagram;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s Yes|No|\"May Be\"\n", argv[0]);
        return 2;
    }
    const std::string answer = argv[1];
    if (answer != answerYes && answer != answerNo && answer != answerMayBe) {
        std::fprintf(stderr, "not an answer: %s\n", answer.c_str());
        return 2;
    }
    LoadContent();

    double scores[typeCount] = {};
    for (int b = 0; b < bankSize; ++b) {
        const int t = b / questionsPerType;
        if (answer == answerMayBe)
            scores[t] += 0.5;
        else if (answerKeys[std::size_t(b)] == answer)
            scores[t] += 1.0;
    }
    // Ties at exactly .5 go to the even neighbour.
    const auto rounded = [](double v) {
        const double f = std::floor(v);
        if (v - f != 0.5)
            return int(std::lround(v));
        return int(f) % 2 == 0 ? int(f) : int(f) + 1;
    };

    int dominant = 0;
    int best = rounded(scores[0]);
    for (int t = 1; t < typeCount; ++t) {
        if (scores[t] >= best) {
            best = rounded(scores[t]);
            dominant = t;
        }
    }
    const int left = (dominant + typeCount - 1) % typeCount;
    const int right = (dominant + 1) % typeCount;
    const int leftScore = rounded(scores[left]);
    const int rightScore = rounded(scores[right]);

    std::printf("Your personality type is %s\n", typeNames[std::size_t(dominant)].c_str());
    if (leftScore == rightScore)
        std::printf("Your Wing is Balanced\n");
    else
        std::printf("Your Wing is %s\n",
                    typeNames[std::size_t(leftScore > rightScore ? left : right)].c_str());
    return 0;
}
