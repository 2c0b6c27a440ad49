#include "ScriptedDialogs.h"

#include "platform/automation/Ansi.h"

namespace host {

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::Take(Fits kind) {
    for (auto it = m_answers.begin(); it != m_answers.end(); ++it)
        if (it->fits == kind || it->fits == Fits::Any) {
            Answer answer = std::move(*it);
            m_answers.erase(it);
            return answer;
        }
    return std::nullopt;
}

int ScriptedDialogs::MessageBox(user::HWND, std::string_view text, std::string_view caption, uint32_t type) {
    Shown shown{rt::utf8_from_ansi(text), rt::utf8_from_ansi(caption), type, user::IDOK, true};
    if (std::optional<Answer> answer = Take(Fits::MessageBox)) {
        shown.answer = answer->button;
        shown.answered_by_default = false;
    }
    m_shown.push_back(shown);
    return shown.answer;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(user::HWND, std::string_view, std::string_view title,
                                                         std::string_view) {
    std::optional<std::string> answer;
    if (std::optional<Answer> queued = Take(Fits::File)) answer = std::move(queued->path);
    m_dialogs.push_back(
        Dialog{"file", rt::utf8_from_ansi(title), "", answer ? rt::Variant(*answer) : rt::Variant()});
    return answer;
}

std::optional<gdi::COLORREF> ScriptedDialogs::ChooseColor(user::HWND, gdi::COLORREF) {
    std::optional<gdi::COLORREF> answer;
    if (std::optional<Answer> queued = Take(Fits::Color)) answer = queued->color;
    m_dialogs.push_back(
        Dialog{"color", "", "", answer ? rt::Variant(static_cast<int32_t>(*answer)) : rt::Variant()});
    return answer;
}

int ScriptedDialogs::AboutBox(user::HWND, std::string_view title, std::string_view product,
                              std::string_view version) {
    std::string text = rt::utf8_from_ansi(product) + "\n" + rt::utf8_from_ansi(version);
    m_dialogs.push_back(
        Dialog{"about", rt::utf8_from_ansi(title), std::move(text), rt::Variant(int16_t{user::IDOK})});
    return user::IDOK;
}

} // namespace host
