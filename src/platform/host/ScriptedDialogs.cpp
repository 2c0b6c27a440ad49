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

int ScriptedDialogs::MessageBox(user::HWND owner, std::string_view text, std::string_view caption,
                                uint32_t type) {
    Shown shown{rt::utf8_from_ansi(text), rt::utf8_from_ansi(caption), type, user::IDOK, true};
    if (std::optional<Answer> answer = Take(Fits::MessageBox)) {
        shown.answer = answer->button;
        shown.answered_by_default = false;
    } else if (m_person) {
        shown.answer = m_person->MessageBox(owner, text, caption, type);
        shown.answered_by_default = false;
    }
    m_shown.push_back(shown);
    return shown.answer;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(user::HWND owner, std::string_view filter,
                                                         std::string_view title,
                                                         std::string_view initial_name) {
    std::optional<std::string> answer;
    if (std::optional<Answer> queued = Take(Fits::File))
        answer = std::move(queued->path);
    else if (m_person)
        answer = m_person->OpenFileName(owner, filter, title, initial_name);
    m_dialogs.push_back(
        Dialog{"file", rt::utf8_from_ansi(title), "", answer ? rt::Variant(*answer) : rt::Variant()});
    return answer;
}

std::optional<gdi::COLORREF> ScriptedDialogs::ChooseColor(user::HWND owner, gdi::COLORREF initial) {
    std::optional<gdi::COLORREF> answer;
    if (std::optional<Answer> queued = Take(Fits::Color))
        answer = queued->color;
    else if (m_person)
        answer = m_person->ChooseColor(owner, initial);
    m_dialogs.push_back(
        Dialog{"color", "", "", answer ? rt::Variant(static_cast<int32_t>(*answer)) : rt::Variant()});
    return answer;
}

int ScriptedDialogs::AboutBox(user::HWND owner, std::string_view title, std::string_view product,
                              std::string_view version) {
    const int answer = m_person ? m_person->AboutBox(owner, title, product, version) : user::IDOK;
    std::string text = rt::utf8_from_ansi(product) + "\n" + rt::utf8_from_ansi(version);
    m_dialogs.push_back(Dialog{"about", rt::utf8_from_ansi(title), std::move(text),
                               rt::Variant(static_cast<int16_t>(answer))});
    return answer;
}

} // namespace host
