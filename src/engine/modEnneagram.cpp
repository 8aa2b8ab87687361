#include "modEnneagram.h"

#include "BuiltinContent.h"

namespace modEnneagram {

std::vector<std::string> questionTexts;
std::vector<std::string> answerKeys;
std::vector<std::string> typeNames;
std::vector<std::string> typeDescriptions;

TestState testState;

void LoadContent()
{
    questionTexts.assign(builtin::questions.size(), std::string());
    answerKeys.assign(builtin::questions.size(), std::string());
    for (std::size_t b = 0; b < builtin::questions.size(); ++b)
        questionTexts[b] = builtin::questions[b].text;
    for (std::size_t b = 0; b < builtin::questions.size(); ++b)
        answerKeys[b] = builtin::questions[b].key;

    typeNames.assign(builtin::names.begin(), builtin::names.end());

    typeDescriptions.assign(builtin::descriptions.size(), std::string());
    for (std::size_t t = 0; t < builtin::descriptions.size(); ++t) {
        const builtin::Description& d = builtin::descriptions[t];
        std::string text;
        for (std::size_t p = 0; p < d.paragraphCount; ++p) {
            if (p > 0)
                text += "\r\n\r\n";
            text += d.paragraphs[p];
        }
        typeDescriptions[t] = std::move(text);
    }
}

int typeIndexOfName(std::string_view name)
{
    for (std::size_t i = 0; i < typeNames.size(); ++i) {
        if (typeNames[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace modEnneagram
