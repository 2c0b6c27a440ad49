#include "ScriptedDialogs.h"

#include "platform/automation/Ansi.h"

namespace host {

int ScriptedDialogs::MessageBox(user::HWND, std::string_view text, std::string_view caption, uint32_t type) {
    Shown shown{rt::utf8_from_ansi(text), rt::utf8_from_ansi(caption), type, user::IDOK, true};
    if (!m_answers.empty()) {
        shown.answer = m_answers.front();
        shown.answered_by_default = false;
        m_answers.pop_front();
    }
    m_shown.push_back(shown);
    return shown.answer;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(user::HWND, std::string_view, std::string_view,
                                                         std::string_view) {
    if (m_files.empty()) return std::nullopt;
    auto answer = m_files.front();
    m_files.pop_front();
    return answer;
}

std::optional<gdi::COLORREF> ScriptedDialogs::ChooseColor(user::HWND, gdi::COLORREF) {
    if (m_colors.empty()) return std::nullopt;
    auto answer = m_colors.front();
    m_colors.pop_front();
    return answer;
}

} // namespace host
