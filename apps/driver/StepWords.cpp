#include "driver/Script.h"

#include "platform/automation/AutomationError.h"
#include "platform/user/Messages.h"

#include <cctype>

namespace driver {

void FailStep(const std::string& what) {
    rt::raise_error(rt::kErrInvalidProcedureCall, "vntab", what);
}

int32_t WholeWord(const std::string& word) {
    if (!rt::IsNumericText(word)) FailStep("expected a number, not " + word);
    return rt::CLng(rt::Variant(rt::Val(word)));
}

user::UINT StepKey(const ScriptStep& step) {
    static const std::pair<const char*, user::UINT> names[] = {
        {"left", user::VK_LEFT},     {"right", user::VK_RIGHT}, {"up", user::VK_UP},
        {"down", user::VK_DOWN},     {"tab", user::VK_TAB},     {"enter", user::VK_RETURN},
        {"escape", user::VK_ESCAPE}, {"space", user::VK_SPACE},
    };
    std::string name = step.words[0];
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& [n, code] : names)
        if (name == n) return code;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<user::UINT>(std::toupper(static_cast<unsigned char>(name[0])));
    if (!step.quoted[0] && rt::IsNumericText(step.words[0]))
        if (const int32_t code = WholeWord(step.words[0]); code > 0 && code < 256)
            return static_cast<user::UINT>(code);
    FailStep("expected a key name (Left, Right, Up, Down, Tab, Enter, Escape, Space, a letter or a digit) or "
             "a code");
}

int32_t StepButton(const ScriptStep& step) {
    const int32_t button = step.verb != "key" && step.words.size() > 2 ? WholeWord(step.words[2]) : 1;
    if (button != 1 && button != 2 && button != 4) FailStep("expected button 1, 2 or 4");
    return button;
}

int32_t StepShift(const ScriptStep& step) {
    const size_t at = step.verb == "key" ? 1 : 3;
    return step.words.size() > at ? WholeWord(step.words[at]) : 0;
}

} // namespace driver
