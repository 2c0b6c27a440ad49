#include "Studio.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/Input.h"
#include "platform/user/SysColors.h"

namespace studio {

void Studio::DrawUi() {
    int width = 0, height = 0;
    m_window.Size(width, height);
    DrawMenus();
    if (m_document.has_form()) {
        m_texture.Draw(0, float(kMenuHeight), m_zoom);
        if (m_mode == Mode::Design) DrawSelection();
    } else {
        ImGui::GetBackgroundDrawList()->AddText(ImVec2(16, float(kMenuHeight) + 16),
                                                ImGui::GetColorU32(ImGuiCol_Text),
                                                "File > Open... (Ctrl+O) opens a form.");
    }
    if (m_mode == Mode::Design && m_document.has_form()) {
        DrawDesignPanel(width, height);
        DrawPages();
    } else {
        DrawLogPanel(width, kMenuHeight, height - kStatusHeight);
    }
    DrawStatusBar(width, height);
}

void Studio::DrawMenus() {
    if (!ImGui::BeginMainMenuBar()) return;
    const bool has_form = m_document.has_form();
    if (ImGui::BeginMenu("File")) {
        if (ImGui::MenuItem("New", "Ctrl+N")) Later([this] { NewForm(); });
        if (ImGui::MenuItem("Open...", "Ctrl+O")) Later([this] { OpenWithDialog(); });
        if (ImGui::MenuItem("Save", "Ctrl+S", false, has_form)) Later([this] { Save(); });
        if (ImGui::MenuItem("Save As...", "Ctrl+Shift+S", false, has_form))
            Later([this] { SaveAsWithDialog(); });
        ImGui::Separator();
        if (ImGui::MenuItem("Save Dump...", nullptr, false, has_form))
            Later([this] { SaveDumpWithDialog(); });
        ImGui::Separator();
        if (ImGui::MenuItem("Quit", "Ctrl+Q")) RequestQuit();
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("View")) {
        if (ImGui::BeginMenu("Zoom")) {
            for (int zoom = 1; zoom <= 3; ++zoom)
                if (ImGui::MenuItem((std::to_string(zoom) + "x").c_str(), nullptr, m_zoom == zoom))
                    Later([this, zoom] { SetZoom(zoom); });
            ImGui::EndMenu();
        }
        if (ImGui::BeginMenu("DPI")) {
            for (int dpi : {96, 120, 144, 192})
                if (ImGui::MenuItem(std::to_string(dpi).c_str(), nullptr, gdi::LogicalDpi() == dpi))
                    Later([this, dpi] { SetDpi(dpi); });
            ImGui::EndMenu();
        }
        if (ImGui::BeginMenu("Colour Scheme")) {
            const auto schemes = user::SysColorSchemes();
            for (size_t i = 0; i < schemes.size(); ++i)
                if (ImGui::MenuItem(schemes[i].name, nullptr, m_scheme == i))
                    Later([this, i] { SetScheme(i); });
            ImGui::EndMenu();
        }
        ImGui::Separator();
        ImGui::MenuItem("Tab Controls Follow the Form", nullptr, &m_follow_form);
        if (ImGui::MenuItem("Clear Event Log")) m_log.Clear();
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("Mode")) {
        if (ImGui::MenuItem("Run", "F5", m_mode == Mode::Run)) Later([this] { SetMode(Mode::Run); });
        if (ImGui::MenuItem("Design", "F6", m_mode == Mode::Design)) Later([this] { SetMode(Mode::Design); });
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("Control")) {
        host::ActiveXHolder* holder = has_form ? m_document.session().holder() : nullptr;
        const std::string name = holder ? holder->KeyName() : "the tab control";
        if (ImGui::MenuItem(("About " + name + "...").c_str(), nullptr, false, holder != nullptr))
            Later([this] {
                if (host::ActiveXHolder* h = m_document.session().holder())
                    Guard([&] { h->Call("ShowAboutBox", {}); }, "ShowAboutBox");
            });
        if (ImGui::MenuItem(("Refresh " + name).c_str(), nullptr, false, holder != nullptr))
            Later([this] {
                if (host::ActiveXHolder* h = m_document.session().holder())
                    Guard([&] { h->Call("Refresh", {}); }, "Refresh");
            });
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("Help")) {
        if (ImGui::MenuItem("About vntab-studio..."))
            Later([this] { m_dialogs.AboutBox({}, "About vntab-studio", "vntab-studio", "Version 1.0.1"); });
        ImGui::EndMenu();
    }
    ImGui::EndMainMenuBar();
}

void Studio::DrawLogPanel(int width, int top, int bottom) {
    ImGui::SetNextWindowPos(ImVec2(float(width - kLogWidth), float(top)));
    ImGui::SetNextWindowSize(ImVec2(float(kLogWidth), float(bottom - top)));
    if (ImGui::Begin("Event log", nullptr, kPanelFlags)) m_log.Draw();
    ImGui::End();
}

void Studio::DrawStatusBar(int width, int height) {
    ImGui::SetNextWindowPos(ImVec2(0, float(height - kStatusHeight)));
    ImGui::SetNextWindowSize(ImVec2(float(width), float(kStatusHeight)));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(6, 3));
    if (ImGui::Begin("##status", nullptr, kPanelFlags | ImGuiWindowFlags_NoDecoration)) {
        const FormViewport view = Viewport();
        if (m_document.has_form() && view.Contains(m_pointer_x, m_pointer_y)) {
            const gdi::POINT at = view.ToForm(m_pointer_x, m_pointer_y);
            ImGui::Text("form %d, %d", at.x, at.y);
        } else {
            ImGui::TextUnformatted("form -");
        }
        ImGui::SameLine(110);
        if (m_document.has_form()) {
            std::string focus = m_document.FocusedControl();
            if (focus.empty()) focus = user::GetFocus() ? m_document.form().Name() : "nothing";
            ImGui::Text("%dx%d  focus: %s", view.width, view.height, focus.c_str());
            ImGui::SameLine();
        }
        ImGui::TextDisabled("| zoom %dx | %d DPI | %s | %s mode%s", m_zoom, gdi::LogicalDpi(),
                            user::SysColorSchemes()[m_scheme].name, m_mode == Mode::Design ? "design" : "run",
                            m_document.has_form() && m_document.MaybeModified() ? " | modified" : "");
    }
    ImGui::End();
    ImGui::PopStyleVar();
}

} // namespace studio
