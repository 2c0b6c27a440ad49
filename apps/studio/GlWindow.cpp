#include "GlWindow.h"

#include <GL/gl.h>
#include <backends/imgui_impl_opengl3.h>
#include <backends/imgui_impl_sdl.h>
#include <imgui.h>

#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/user/WindowGeometry.h"

#include <algorithm>
#include <filesystem>

namespace studio {

namespace {

// A proportional face where the system has one; ImGui's own bitmap font otherwise.
void load_font() {
    ImGuiIO& io = ImGui::GetIO();
    const char* face = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    std::error_code error;
    if (std::filesystem::exists(face, error)) {
        ImFontConfig config;
        config.OversampleH = 2;
        io.Fonts->AddFontFromFileTTF(face, 13.0f, &config, io.Fonts->GetGlyphRangesDefault());
    }
}

// Opens SDL's video, a window and its OpenGL 3.2 context; false, with the reason in `error`, after
// closing what it opened.
bool open_window(const std::string& title, int width, int height, SDL_Window*& window, SDL_GLContext& context,
                 std::string& error) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot start SDL: ") + SDL_GetError();
        return false;
    }
    // Without a display SDL falls back to a driver that draws nowhere, and the studio would run
    // unseen until killed. That driver is kept only for whoever names it in SDL_VIDEODRIVER.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
        error = "no display to open a window on (DISPLAY is not set or cannot be reached; "
                "without one, run through xvfb-run)";
        SDL_Quit();
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // Nothing is drawn in depth: a window without a depth buffer is cheaper to resize.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (!window) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        SDL_Quit();
        return false;
    }
    context = SDL_GL_CreateContext(window);
    if (!context) {
        error = std::string("cannot create an OpenGL 3.2 context: ") + SDL_GetError();
        SDL_DestroyWindow(window);
        SDL_Quit();
        return false;
    }
    return true;
}

} // namespace

std::optional<GlWindow> GlWindow::Open(const std::string& title, int width, int height, bool vsync,
                                       std::string& error) {
    // On X11 the context comes through EGL rather than GLX. Where the X server offers shared memory,
    // Mesa's software GLX path gives a window being resized a new shared-memory segment for its back
    // buffer every frame (made, mapped, its pages cleared, handed to the server, unmapped); its EGL
    // path makes none. On a GPU both are the driver's ordinary paths. Where EGL cannot open the
    // window it is opened again through GLX. The SDL_VIDEO_X11_FORCE_EGL environment variable still
    // decides when it is set.
    SDL_SetHint(SDL_HINT_VIDEO_X11_FORCE_EGL, "1");
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    if (!open_window(title, width, height, window, context, error)) {
        SDL_SetHint(SDL_HINT_VIDEO_X11_FORCE_EGL, "0");
        std::string glx_error;
        if (!open_window(title, width, height, window, context, glx_error)) {
            if (glx_error != error) error += "; through GLX: " + glx_error;
            return std::nullopt;
        }
        error.clear();
    }
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_SetSwapInterval(vsync ? 1 : 0);

    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr; // the layout is fixed; nothing to remember between runs
    ImGui::StyleColorsLight();
    load_font();
    ImGui_ImplSDL2_InitForOpenGL(window, context);
    ImGui_ImplOpenGL3_Init("#version 150");
    return GlWindow(window, context);
}

GlWindow::GlWindow(GlWindow&& other) noexcept : m_window(other.m_window), m_context(other.m_context) {
    other.m_window = nullptr;
    other.m_context = nullptr;
}

GlWindow::~GlWindow() {
    if (!m_window) return;
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    SDL_GL_DeleteContext(m_context);
    SDL_DestroyWindow(m_window);
    SDL_Quit();
}

void GlWindow::BeginFrame() {
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
}

void GlWindow::OpaqueWindowsFromClear() {
    ImVec4& background = ImGui::GetStyle().Colors[ImGuiCol_WindowBg];
    m_window_background = background;
    background.w = 0.0f;
}

void GlWindow::EndFrame(Picture* capture) {
    ImGui::Render();
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(m_window, &width, &height);
    glViewport(0, 0, width, height);
    // The windows' background is the clear colour: a software renderer fills it far faster than it
    // blends ImGui's background rectangles (which are transparent, see OpaqueWindowsFromClear).
    const ImVec4 back = m_window_background;
    glClearColor(back.x, back.y, back.z, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    if (capture) {
        // OpenGL's rows go bottom-up; the picture's go top-down.
        std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        capture->width = width;
        capture->height = height;
        capture->pixels.resize(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = &rgba[(size_t(height - 1 - y) * size_t(width) + size_t(x)) * 4];
                capture->pixels[size_t(y) * size_t(width) + size_t(x)] =
                    uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
            }
    }
    SDL_GL_SwapWindow(m_window);
}

// The OpenGL 3 entry points the form's copy needs, which the library does not export by name.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC gen = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC remove = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bind = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC attach = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blit = nullptr;
};

static const FramebufferCalls& framebuffer_calls() {
    static const FramebufferCalls calls = [] {
        FramebufferCalls c;
        c.gen = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(SDL_GL_GetProcAddress("glGenFramebuffers"));
        c.remove =
            reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(SDL_GL_GetProcAddress("glDeleteFramebuffers"));
        c.bind = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBindFramebuffer"));
        c.attach =
            reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(SDL_GL_GetProcAddress("glFramebufferTexture2D"));
        c.blit = reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBlitFramebuffer"));
        return c;
    }();
    return calls;
}

FormTexture::~FormTexture() {
    ReleaseBitmap();
    if (m_texture) {
        framebuffer_calls().remove(1, &m_framebuffer);
        glDeleteTextures(1, &m_texture);
    }
}

void FormTexture::ReleaseBitmap() {
    if (!m_dc) return;
    gdi::SelectObject(m_dc, m_old_bitmap);
    gdi::DeleteDC(m_dc);
    gdi::DeleteObject(m_bitmap);
    m_dc = {};
    m_bitmap = {};
    m_bitmap_w = m_bitmap_h = 0;
}

void FormTexture::Update(user::HWND form) {
    gdi::RECT client{};
    if (!user::GetClientRect(form, &client) || client.right <= 0 || client.bottom <= 0) return;
    m_width = client.right;
    m_height = client.bottom;
    if (m_width > m_bitmap_w || m_height > m_bitmap_h) {
        ReleaseBitmap();
        m_bitmap_w = m_width + 256;
        m_bitmap_h = m_height + 256;
        m_bitmap = gdi::CreateBitmap32(m_bitmap_w, m_bitmap_h, nullptr);
        m_dc = gdi::CreateCompatibleDC({});
        m_old_bitmap = gdi::SelectObject(m_dc, m_bitmap);
    }
    host::CompositeWindow(form, m_dc, 0, 0);
    const gdi::SurfaceView view = gdi::LockBitmap(m_bitmap);
    Upload(view.pixels, view.stride);
}

void FormTexture::Upload(const uint32_t* pixels, int stride) {
    const FramebufferCalls& gl = framebuffer_calls();
    if (!m_texture) {
        glGenTextures(1, &m_texture);
        gl.gen(1, &m_framebuffer);
    }
    glBindTexture(GL_TEXTURE_2D, m_texture);
    if (m_width > m_capacity_w || m_height > m_capacity_h) {
        m_capacity_w = std::max(m_width, m_capacity_w) + 256;
        m_capacity_h = std::max(m_height, m_capacity_h) + 256;
        // An unsized format lets the driver keep the surface's byte order (B, G, R, X), so that
        // uploading needs no conversion.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_capacity_w, m_capacity_h, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     nullptr);
        gl.bind(GL_READ_FRAMEBUFFER, m_framebuffer);
        gl.attach(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_texture, 0);
        gl.bind(GL_READ_FRAMEBUFFER, 0);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, stride);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, m_width, m_height, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

void FormTexture::Draw(float x, float y, int zoom) {
    if (!m_texture || !m_width || !m_height) return;
    m_x = int(x);
    m_y = int(y);
    m_zoom = zoom;
    // Copied into the window under the studio's own windows, as ImGui renders its background.
    ImDrawList* list = ImGui::GetBackgroundDrawList();
    list->AddCallback(
        [](const ImDrawList*, const ImDrawCmd* command) {
            static_cast<const FormTexture*>(command->UserCallbackData)->CopyToWindow();
        },
        this);
    list->AddCallback(ImDrawCallback_ResetRenderState, nullptr);
}

void FormTexture::CopyToWindow() const {
    const FramebufferCalls& gl = framebuffer_calls();
    const ImGuiIO& io = ImGui::GetIO();
    const int window_height = int(io.DisplaySize.y * io.DisplayFramebufferScale.y);
    const int top = window_height - m_y; // OpenGL counts rows from the bottom
    glDisable(GL_SCISSOR_TEST);          // the copy would be clipped to the last ImGui command's rectangle
    gl.bind(GL_READ_FRAMEBUFFER, m_framebuffer);
    // The texture holds the form's rows top first, so the copy turns it the right way up (which
    // Mesa's software renderer does faster than a straight copy into the window).
    gl.blit(0, 0, m_width, m_height, m_x, top, m_x + m_width * m_zoom, top - m_height * m_zoom,
            GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl.bind(GL_READ_FRAMEBUFFER, 0);
}

} // namespace studio
