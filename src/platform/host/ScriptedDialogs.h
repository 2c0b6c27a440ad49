#pragma once

#include "platform/automation/Variant.h"
#include "platform/user/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace host {

// A dialog provider that answers from a script instead of asking a person: tests and the command
// line queue answers; a message box with no answer queued is answered OK (the first button) and
// noted, a file or colour dialog with no answer queued is cancelled, an about box is closed with OK.
// Every box and dialog shown is recorded.
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

    void QueueAnswer(int button) { m_answers.push_back(button); }
    void QueueFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }
    void QueueColor(std::optional<gdi::COLORREF> color) { m_colors.push_back(color); }
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
    std::deque<int> m_answers;
    std::deque<std::optional<std::string>> m_files;
    std::deque<std::optional<gdi::COLORREF>> m_colors;
    std::vector<Shown> m_shown;
    std::vector<Dialog> m_dialogs;
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
