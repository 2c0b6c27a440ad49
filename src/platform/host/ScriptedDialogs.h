#pragma once

#include "platform/automation/Variant.h"
#include "platform/user/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace host {

// A dialog provider that answers from a script instead of asking a person: tests and the command
// line queue answers, and each box or dialog shown takes the first queued answer that fits it: a
// button for a message box, a path for an open-file dialog, a colour for a colour dialog, and a
// plain cancel (QueueCancel) for whichever of the three comes first. A message box with no answer
// that fits is answered OK (the first button) and noted, a file or colour dialog is cancelled, an
// about box is closed with OK. A host with a person at a real window hands the unanswered ones to its
// own provider instead. Every box and dialog shown is recorded.
class ScriptedDialogs final : public user::DialogProvider {
public:
    struct Shown {
        std::string text, title; // as UTF-8
        uint32_t style = 0;
        int answer = 0;
        bool answered_by_default = false;
    };
    // A dialog other than a message box, in the order shown.
    struct Dialog {
        std::string kind;  // "file", "color" or "about"
        std::string title; // as UTF-8; empty for the colour dialog, which has none of its own
        std::string text;  // the about box's product and version, one a line, as UTF-8
        // The path chosen (ANSI), the colour chosen (a Long COLORREF) or the button that closed
        // the about box (an Integer); Empty when a file or colour dialog was cancelled.
        rt::Variant answer;
    };

    // The provider that asks a person what no queued answer says (nullptr: the defaults above).
    void AskWhenUnanswered(user::DialogProvider* person) { m_person = person; }
    // The button of the next message box.
    void QueueAnswer(int button) { m_answers.push_back({Fits::MessageBox, button, {}, {}}); }
    // The path (ANSI) the next open-file dialog returns; nothing cancels it.
    void QueueFile(std::optional<std::string> path) {
        m_answers.push_back({Fits::File, 0, std::move(path), {}});
    }
    // The colour the next colour dialog returns; nothing cancels it.
    void QueueColor(std::optional<gdi::COLORREF> color) { m_answers.push_back({Fits::Color, 0, {}, color}); }
    // Cancels the next message box, open-file or colour dialog, whichever is shown first.
    void QueueCancel() { m_answers.push_back({Fits::Any, user::IDCANCEL, {}, {}}); }
    const std::vector<Shown>& shown() const { return m_shown; }
    const std::vector<Dialog>& dialogs() const { return m_dialogs; }
    void ClearShown() {
        m_shown.clear();
        m_dialogs.clear();
    }

    int MessageBox(user::HWND owner, std::string_view text, std::string_view caption, uint32_t type) override;
    std::optional<std::string> OpenFileName(user::HWND owner, std::string_view filter, std::string_view title,
                                            std::string_view initial_name) override;
    std::optional<gdi::COLORREF> ChooseColor(user::HWND owner, gdi::COLORREF initial) override;
    int AboutBox(user::HWND owner, std::string_view title, std::string_view product,
                 std::string_view version) override;

private:
    enum class Fits { MessageBox, File, Color, Any };
    struct Answer {
        Fits fits;
        int button;
        std::optional<std::string> path;
        std::optional<gdi::COLORREF> color;
    };
    // Takes the first queued answer for a dialog of this kind out of the queue.
    std::optional<Answer> Take(Fits kind);

    std::deque<Answer> m_answers;
    std::vector<Shown> m_shown;
    std::vector<Dialog> m_dialogs;
    user::DialogProvider* m_person = nullptr;
};

// Installs a provider for the lifetime of a scope and restores the previous one.
class ScopedDialogProvider {
public:
    explicit ScopedDialogProvider(user::DialogProvider& p) : m_previous(user::SetDialogProvider(&p)) {}
    ~ScopedDialogProvider() { user::SetDialogProvider(m_previous); }
    ScopedDialogProvider(const ScopedDialogProvider&) = delete;
    ScopedDialogProvider& operator=(const ScopedDialogProvider&) = delete;

private:
    user::DialogProvider* m_previous;
};

} // namespace host
