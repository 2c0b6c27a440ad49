#pragma once

#include "platform/user/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace host {

// A dialog provider that answers from a script instead of asking a person: tests and the command
// line queue answers; a message box with no answer queued is answered OK (the first button) and
// noted, a file or colour dialog with no answer queued is cancelled. Every box shown is recorded.
class ScriptedDialogs final : public user::DialogProvider {
public:
    struct Shown {
        std::string text, title; // as UTF-8
        uint32_t style = 0;
        int answer = 0;
        bool answered_by_default = false;
    };

    void QueueAnswer(int button) { m_answers.push_back(button); }
    void QueueFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }
    void QueueColor(std::optional<gdi::COLORREF> color) { m_colors.push_back(color); }
    const std::vector<Shown>& shown() const { return m_shown; }
    void ClearShown() { m_shown.clear(); }

    int MessageBox(user::HWND owner, std::string_view text, std::string_view caption, uint32_t type) override;
    std::optional<std::string> OpenFileName(user::HWND owner, std::string_view filter, std::string_view title,
                                            std::string_view initial_name) override;
    std::optional<gdi::COLORREF> ChooseColor(user::HWND owner, gdi::COLORREF initial) override;

private:
    std::deque<int> m_answers;
    std::deque<std::optional<std::string>> m_files;
    std::deque<std::optional<gdi::COLORREF>> m_colors;
    std::vector<Shown> m_shown;
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
