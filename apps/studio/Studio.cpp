#include "Studio.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/MessageQueue.h"

#include <backends/imgui_impl_sdl.h>

#include <fstream>
#include <iostream>
#include <sstream>

namespace studio {

namespace {

// The index of an SDL mouse button in ImGui's buttons (left, right, middle), -1 for others.
int imgui_button(uint8_t button) {
    return button == SDL_BUTTON_LEFT     ? 0
           : button == SDL_BUTTON_RIGHT  ? 1
           : button == SDL_BUTTON_MIDDLE ? 2
                                         : -1;
}

bool is_mouse_event(const SDL_Event& e) {
    return e.type == SDL_MOUSEMOTION || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP ||
           e.type == SDL_MOUSEWHEEL;
}

Uint32 mouse_which(const SDL_Event& e) {
    return e.type == SDL_MOUSEMOTION  ? e.motion.which
           : e.type == SDL_MOUSEWHEEL ? e.wheel.which
                                      : e.button.which;
}

} // namespace

Studio::Studio(const Options& options, GlWindow& window)
    : m_options(options), m_window(window), m_dialogs([this] { Frame(true); }),
      m_document(
          [this](host::ActiveXHolder& source, const driver::Session::RecordedEvent& event) {
              m_log.AddEvent(source.KeyName(), event);
          },
          &m_dialogs),
      m_zoom(options.zoom) {
    // Keep ImGui's menu bar exactly kMenuHeight high, whatever the font.
    ImGuiStyle& style = ImGui::GetStyle();
    const ImFontAtlas& fonts = *ImGui::GetIO().Fonts;
    const float font_size = fonts.ConfigData.empty() ? 13.0f : fonts.ConfigData[0].SizePixels;
    style.FramePadding.y = (float(kMenuHeight) - font_size) / 2;
    style.WindowRounding = 0;
    // The menu bar, the log and the status bar stand side by side with the form: nothing overlaps.
    m_window.OpaqueWindowsFromClear();
}

Studio::~Studio() = default;

int Studio::Run() {
    std::vector<driver::ScriptStep> steps;
    if (!m_options.script.empty()) {
        std::ifstream in(m_options.script, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!in) {
            std::cerr << "vntab-studio: cannot read the script " << m_options.script << "\n";
            return 2;
        }
        try {
            steps = driver::ParseScript(text.str(), m_options.script, kDesignVerbs);
        } catch (const driver::ScriptError& e) {
            std::cerr << "vntab-studio: " << e.what() << "\n";
            return 2;
        }
    }
    if (!m_options.log.empty() && !m_log.Echo(m_options.log)) {
        std::cerr << "vntab-studio: cannot write the log " << m_options.log << "\n";
        return 2;
    }
    gdi::SetLogicalDpi(m_options.dpi);
    if (!m_options.form.empty() && !OpenForm(m_options.form) && !m_options.script.empty()) return 2;
    if (m_options.width) SDL_SetWindowSize(m_window.sdl(), m_options.width, m_options.height);
    if (m_options.measure_frames) return MeasureResize();
    if (!m_options.script.empty()) m_replay.emplace(std::move(steps));
    while (!m_quit)
        Frame(false);
    return m_status;
}

void Studio::Frame(bool nested) {
    const bool idle = !m_replay && !m_measuring && m_later.empty() && !m_quit_requested && !m_form_changed &&
                      m_busy_frames == 0;
    if (idle) SDL_WaitEventTimeout(nullptr, 250);
    m_busy_frames = std::max(0, m_busy_frames - 1);
    ReplayScript(nested);
    PollEvents(nested);
    if (!nested) {
        while (!m_later.empty()) {
            auto commands = std::move(m_later);
            m_later.clear();
            for (auto& command : commands)
                command();
        }
        if (m_quit_requested) {
            m_quit_requested = false;
            m_quit = MaySetFormAside();
        }
        FollowWindowSize();
        PumpForm();
        LogDialogs();
    }
    UpdateTexture();
    UpdateTitle();

    m_window.BeginFrame();
    ApplyScriptedPointer();
    ImGui::NewFrame();
    DrawUi();
    m_dialogs.Draw();
    const bool capture = !nested && ScriptOver();
    GlWindow::Picture picture;
    m_window.EndFrame(capture ? &picture : nullptr);
    if (capture) FinishScript(picture);
}

void Studio::PollEvents(bool nested) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        m_busy_frames = 3; // ImGui settles over a few frames after input
        HandleEvent(event, nested);
    }
}

void Studio::HandleEvent(const SDL_Event& event, bool nested) {
    if (is_mouse_event(event)) {
        // In a scripted run the script is the only mouse.
        if (m_replay && mouse_which(event) != kScriptedMouse) return;
        if (event.type == SDL_MOUSEMOTION) {
            m_pointer_x = event.motion.x;
            m_pointer_y = event.motion.y;
        }
        if (m_replay) {
            m_scripted.x = event.type == SDL_MOUSEMOTION ? event.motion.x : event.button.x;
            m_scripted.y = event.type == SDL_MOUSEMOTION ? event.motion.y : event.button.y;
            if (event.type != SDL_MOUSEMOTION)
                if (const int b = imgui_button(event.button.button); b >= 0) {
                    m_scripted.down[b] = event.type == SDL_MOUSEBUTTONDOWN;
                    m_scripted.pressed[b] |= m_scripted.down[b];
                }
        }
    }
    ImGui_ImplSDL2_ProcessEvent(&event);
    switch (event.type) {
    case SDL_QUIT:
        if (nested) m_dialogs.CloseAll();
        RequestQuit();
        return;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            if (nested) m_dialogs.CloseAll();
            RequestQuit();
        } else if (!nested && m_document.has_form() &&
                   (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                    event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)) {
            Guard([&] { m_input.WindowFocus(event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED); }, "focus");
            m_form_changed = true;
        }
        return;
    case SDL_KEYDOWN:
        if (!nested && Shortcut(event.key)) return;
        break;
    default:
        break;
    }
    // While a modal window waits the form hears nothing; in design mode the designer has the mouse.
    if (nested || !m_document.has_form() || m_mode != Mode::Run) {
        m_input.Released(event);
        if (!nested && m_document.has_form() && m_mode == Mode::Design) DesignInput(event);
        return;
    }
    InputRouter::Access access;
    access.mouse = !ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
    access.keyboard = access.mouse && !ImGui::GetIO().WantTextInput;
    Guard([&] { m_form_changed |= m_input.Deliver(event, m_document.form(), Viewport(), access); }, "input");
}

bool Studio::Shortcut(const SDL_KeyboardEvent& key) {
    const bool ctrl = key.keysym.mod & KMOD_CTRL, shift = key.keysym.mod & KMOD_SHIFT;
    if ((key.keysym.sym == SDLK_F5 || key.keysym.sym == SDLK_F6) && !key.repeat && !key.keysym.mod) {
        Later([this, design = key.keysym.sym == SDLK_F6] { SetMode(design ? Mode::Design : Mode::Run); });
        return true;
    }
    if (!ctrl || (key.keysym.mod & KMOD_ALT) || key.repeat) return false;
    switch (key.keysym.sym) {
    case SDLK_n:
        Later([this] { NewForm(); });
        return true;
    case SDLK_o:
        Later([this] { OpenWithDialog(); });
        return true;
    case SDLK_s:
        Later([this, shift] { shift ? SaveAsWithDialog() : Save(); });
        return true;
    case SDLK_q:
        RequestQuit();
        return true;

    default:
        return false;
    }
}

void Studio::ApplyScriptedPointer() {
    if (!m_replay) return;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = ImVec2(float(m_scripted.x), float(m_scripted.y));
    for (int b = 0; b < 3; ++b) {
        io.MouseDown[b] = m_scripted.down[b] || m_scripted.pressed[b];
        m_scripted.pressed[b] = false;
    }
}

FormViewport Studio::Viewport() const {
    FormViewport view;
    view.x = 0;
    view.y = kMenuHeight;
    view.zoom = m_zoom;
    if (m_document.has_form()) {
        view.width = m_document.form().properties().ClientPixelWidth();
        view.height = m_document.form().properties().ClientPixelHeight();
    }
    return view;
}

void Studio::PumpForm() {
    if (!m_document.has_form()) return;
    Guard([&] { m_form_changed |= user::PumpMessages() > 0; }, "painting");
}

void Studio::UpdateTexture() {
    if (!m_form_changed || !m_document.has_form()) return;
    m_form_changed = false;
    m_texture.Update(m_document.form().hwnd());
}

void Studio::LogDialogs() {
    if (!m_document.has_form()) return;
    const host::ScriptedDialogs& dialogs = m_document.session().dialogs();
    for (; m_boxes_logged < dialogs.shown().size(); ++m_boxes_logged) {
        const auto& box = dialogs.shown()[m_boxes_logged];
        m_log.Add(EventLog::Kind::Dialog, "message box \"" + box.text + "\" (" + box.title + ") answered " +
                                              std::to_string(box.answer));
    }
    for (; m_dialogs_logged < dialogs.dialogs().size(); ++m_dialogs_logged) {
        const auto& dialog = dialogs.dialogs()[m_dialogs_logged];
        m_log.Add(EventLog::Kind::Dialog,
                  dialog.kind + " dialog \"" + dialog.title + "\" answered " + FormatValue(dialog.answer));
    }
}

void Studio::Guard(const std::function<void()>& call, const char* what) {
    try {
        call();
    } catch (const rt::AutomationError& e) {
        std::string text = std::string(what) + ": error " + std::to_string(e.number) + ": " + e.description;
        if (!e.source.empty()) text += " (" + e.source + ")";
        m_log.Add(EventLog::Kind::Error, text);
        if (m_replay) {
            std::cerr << "vntab-studio: " << text << "\n";
            m_status = 1;
            m_replay->Stop();
        }
        m_form_changed = true; // the form may have drawn part of a change
    }
}

} // namespace studio
