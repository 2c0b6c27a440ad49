#pragma once

#include <imgui.h>

#include <string>

namespace studio {

// A window that keeps the rest of the studio waiting until the person answers it. Its content is
// drawn once a frame inside an ImGui modal popup; Enter and Escape reach only the topmost one.
class ModalWindow {
public:
    explicit ModalWindow(std::string title) : m_title(std::move(title)) {}
    virtual ~ModalWindow() = default;
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

    const std::string& title() const { return m_title; }
    // Draws the content; `topmost` says whether the keyboard is this window's.
    virtual void DrawContent(bool topmost) = 0;
    // The close box, or the application closing: the answer a cancel gives.
    virtual void Cancel() { Finish(); }
    // Whether the window has a close box (a message box with Yes and No but no Cancel has none).
    virtual bool Closable() const { return true; }
    bool finished() const { return m_finished; }

protected:
    void Finish() { m_finished = true; }
    // Whether a key went down this frame (Enter, Escape ...), for the topmost window only.
    static bool Pressed(ImGuiKey key, bool topmost) {
        return topmost && ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), false);
    }

private:
    std::string m_title;
    bool m_finished = false;
};

} // namespace studio
