#include "web_questions.h"

#include <cstdlib>
#include <emscripten/emscripten.h>
#include <memory>

// The page's dialogs are the methods of the view object the page gave the engine as
// Module.pageView; a text answer comes back as a string the engine frees, or 0 when the
// user cancelled. (Script, which clang-format would take for C++.)
// clang-format off
EM_ASYNC_JS(int, payvantaAskYesNo, (const char* question), {
    return (await Module['pageView'].askYesNo(UTF8ToString(question))) ? 1 : 0;
});

// A question answered with a text: the view's method of that name, asked with the text.
EM_ASYNC_JS(char*, payvantaAskForText, (const char* method, const char* text), {
    const answer = await Module['pageView'][UTF8ToString(method)](UTF8ToString(text));
    if (answer === null || answer === undefined) {
        return 0;
    }
    const size = lengthBytesUTF8(answer) + 1;
    const copy = _malloc(size);
    stringToUTF8(answer, copy, size);
    return copy;
});
// clang-format on

namespace {

std::optional<std::string> askForText(const char* method, std::string_view text) {
    char* answer = payvantaAskForText(method, std::string(text).c_str());
    if (answer == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<char, decltype(&std::free)> owned(answer, &std::free);
    return std::string(answer);
}

} // namespace

namespace payvanta::web {

bool askYesNo(std::string_view question) {
    return payvantaAskYesNo(std::string(question).c_str()) != 0;
}

std::optional<std::string> askText(std::string_view prompt) {
    return askForText("askText", prompt);
}

std::optional<std::string> chooseProjectFile() {
    return askForText("chooseProjectFile", "");
}

} // namespace payvanta::web
