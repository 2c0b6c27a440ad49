#pragma once

#include "ModalWindow.h"

#include "platform/user/Dialogs.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace studio {

// The platform's message boxes, about boxes, open-file and colour dialogs as the studio's modal
// windows, and the studio's own questions and file dialogs. A call waits for the answer as the
// platform's modal loops do: it runs the studio's frames (input and drawing, these windows on top)
// until the person closes the window.
class ModalDialogs final : public user::DialogProvider {
public:
    // `run_frame` polls the input and draws one frame of the studio, calling Draw among it.
    explicit ModalDialogs(std::function<void()> run_frame) : m_run_frame(std::move(run_frame)) {}

    int MessageBox(user::HWND owner, std::string_view text, std::string_view caption, uint32_t type) override;
    std::optional<std::string> OpenFileName(user::HWND owner, std::string_view filter, std::string_view title,
                                            std::string_view initial_name) override;
    std::optional<gdi::COLORREF> ChooseColor(user::HWND owner, gdi::COLORREF initial) override;
    int AboutBox(user::HWND owner, std::string_view title, std::string_view product,
                 std::string_view version) override;

    // The studio's own dialogs, with UTF-8 text and paths. The filter is "Forms (*.frm)|*.frm|...".
    int Ask(const std::string& text, const std::string& caption, uint32_t type);
    std::optional<std::string> ChooseFile(bool save, const std::string& title, const std::string& filter,
                                          const std::string& initial_path);

    // Draws the open windows, each inside the one below it; once a frame.
    void Draw();
    bool open() const { return !m_open.empty(); }
    // The application is closing: every open window closes as its close box would, and windows
    // asked for from now on close at once.
    void CloseAll() { m_closing = true; }

private:
    void Run(ModalWindow& window);
    void DrawFrom(size_t level);

    struct Level {
        ModalWindow* window;
        bool popup_open; // ImGui holds the window's popup open
    };

    std::function<void()> m_run_frame;
    std::vector<Level> m_open;
    bool m_closing = false;
    // Kept from one colour dialog to the next; white at first, as the platform's start.
    std::array<gdi::COLORREF, 16> m_custom_colours = white_colours();
    static std::array<gdi::COLORREF, 16> white_colours() {
        std::array<gdi::COLORREF, 16> colours;
        colours.fill(0xFFFFFF);
        return colours;
    }
};

} // namespace studio
