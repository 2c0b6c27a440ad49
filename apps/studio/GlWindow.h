#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <SDL.h>
#include <imgui.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace studio {

// The studio's desktop window: SDL with an OpenGL 3 context (Mesa renders it in software where
// there is no GPU) and Dear ImGui on it through its SDL2 and OpenGL 3 backends.
class GlWindow {
public:
    struct Picture {
        int width = 0, height = 0;
        std::vector<uint32_t> pixels; // 0x00RRGGBB, rows top-down
    };

    // Opens the window; nullopt, with the reason in `error`, when SDL or OpenGL cannot.
    static std::optional<GlWindow> Open(const std::string& title, int width, int height, bool vsync,
                                        std::string& error);
    GlWindow(GlWindow&& other) noexcept;
    GlWindow& operator=(GlWindow&&) = delete;
    ~GlWindow();

    SDL_Window* sdl() const { return m_window; }
    Uint32 id() const { return SDL_GetWindowID(m_window); }
    void Size(int& width, int& height) const { SDL_GetWindowSize(m_window, &width, &height); }
    void SetTitle(const std::string& title) { SDL_SetWindowTitle(m_window, title.c_str()); }

    // The backends' part of starting a frame (the caller may adjust ImGui's input, then calls
    // ImGui::NewFrame); EndFrame renders the frame, copies the window's pixels into `capture` when
    // asked, and shows it.
    void BeginFrame();
    void EndFrame(Picture* capture = nullptr);
    // ImGui's windows get their background from the window's clear colour instead of drawing it:
    // for a layout of windows side by side that never overlap.
    void OpaqueWindowsFromClear();

private:
    GlWindow(SDL_Window* window, SDL_GLContext context) : m_window(window), m_context(context) {}

    SDL_Window* m_window = nullptr;
    SDL_GLContext m_context = nullptr;
    ImVec4 m_window_background{0.5f, 0.5f, 0.5f, 1.0f};
};

// The form's picture as a texture, copied into the window with nearest-neighbour sampling so that
// every form pixel is a sharp square at any zoom. The form's windows are put together into one GDI bitmap
// kept from frame to frame; both it and the texture grow in steps, so that a window being resized does not
// reallocate them every frame.
class FormTexture {
public:
    FormTexture() = default;
    ~FormTexture();
    FormTexture(const FormTexture&) = delete;
    FormTexture& operator=(const FormTexture&) = delete;

    // Puts the window tree of `form` together and copies it into the texture.
    void Update(user::HWND form);
    // Draws it under the studio's windows with its top-left at a window point.
    void Draw(float x, float y, int zoom);
    // Gives the GDI objects back (they are made again when needed), so that a count of the live
    // objects sees only the form's.
    void ReleaseBitmap();
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    void Upload(const uint32_t* pixels, int stride);
    void CopyToWindow() const;

    gdi::HDC m_dc{};
    gdi::HBITMAP m_bitmap{};
    gdi::HGDIOBJ m_old_bitmap{};
    int m_bitmap_w = 0, m_bitmap_h = 0;
    unsigned m_texture = 0, m_framebuffer = 0;
    int m_capacity_w = 0, m_capacity_h = 0;
    int m_width = 0, m_height = 0;
    int m_x = 0, m_y = 0, m_zoom = 1; // where the last frame draws it
};

} // namespace studio
