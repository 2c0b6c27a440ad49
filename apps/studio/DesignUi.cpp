#include "Studio.h"

#include "PropertyList.h"

#include "control/VNTabCtl.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/ControlKinds.h"
#include "platform/user/Messages.h"

#include <iostream>

// Design mode: the toolbox, the property list, the selection drawn over the form, and the
// designer's hand on the form's mouse.
namespace studio {

namespace {

constexpr ImU32 kSelectionColour = IM_COL32(0, 0, 128, 255);

// The tab control a property-page frame opens on, when the object is one.
host::ActiveXHolder* tab_control(host::Form& form, const std::string& name) {
    auto holder = std::dynamic_pointer_cast<host::ActiveXHolder>(form.FindControl(name));
    return holder && dynamic_cast<vntab::VNTabCtl*>(holder->object().get()) ? holder.get() : nullptr;
}

} // namespace

void Studio::SetMode(Mode mode) {
    if (mode == m_mode) return;
    m_pages.Close();
    m_mode = mode;
    m_designer.SetTool("");
    Guard([&] { m_document.SetDesignMode(mode == Mode::Design); }, "changing the mode");
    m_input.Forget();
    m_log.Add(EventLog::Kind::Note, mode == Mode::Design ? "design mode" : "run mode");
    FitWindowToForm();
    m_form_changed = true;
}

void Studio::DesignAction(const std::function<bool()>& action, const char* what) {
    try {
        if (action()) m_document.NoteChange();
    } catch (const rt::AutomationError& e) {
        const std::string text =
            std::string(what) + ": error " + std::to_string(e.number) + ": " + e.description;
        m_log.Add(EventLog::Kind::Error, text);
        if (m_replay) {
            std::cerr << "vntab-studio: " << text << "\n";
            m_status = 1;
            m_replay->Stop();
        } else {
            m_dialogs.MessageBox({}, e.description.empty() ? text : e.description, "vntab-studio",
                                 user::MB_OK | user::MB_ICONEXCLAMATION);
        }
    }
    m_form_changed = true;
}

void Studio::DesignInput(const SDL_Event& event) {
    const FormViewport view = Viewport();
    host::Form& form = m_document.form();
    const bool left = (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) &&
                      event.button.button == SDL_BUTTON_LEFT;
    if (left && event.type == SDL_MOUSEBUTTONDOWN) {
        if (ImGui::GetIO().WantCaptureMouse || !view.Contains(event.button.x, event.button.y)) return;
        const gdi::POINT at = view.ToForm(event.button.x, event.button.y);
        DesignAction([&] { return m_designer.Press(form, at), false; }, "selecting");
    } else if (event.type == SDL_MOUSEMOTION && m_designer.dragging()) {
        const gdi::POINT at = view.ToForm(event.motion.x, event.motion.y);
        DesignAction([&] { return m_designer.Drag(form, at), false; }, "moving");
    } else if (left && m_designer.dragging()) {
        const gdi::POINT at = view.ToForm(event.button.x, event.button.y);
        DesignAction([&] { return m_designer.Release(form, at); }, "designing");
    } else if (event.type == SDL_KEYDOWN && !ImGui::GetIO().WantTextInput) {
        if (event.key.keysym.sym == SDLK_DELETE)
            DesignAction([&] { return m_designer.DeleteSelected(form); }, "deleting");
        else if (event.key.keysym.sym == SDLK_ESCAPE)
            m_designer.SetTool("");
    }
}

void Studio::DrawDesignPanel(int width, int height) {
    const int top = kMenuHeight, bottom = height - kStatusHeight;
    const int split = top + (bottom - top) * 5 / 8;
    ImGui::SetNextWindowPos(ImVec2(float(width - kLogWidth), float(top)));
    ImGui::SetNextWindowSize(ImVec2(float(kLogWidth), float(split - top)));
    if (ImGui::Begin("Designer", nullptr, kPanelFlags)) {
        DrawToolbox();
        ImGui::Separator();
        DrawPropertyList();
    }
    ImGui::End();
    DrawLogPanel(width, split, bottom);
}

void Studio::DrawToolbox() {
    auto tool = [&](const char* label, const std::string& kind) {
        const bool chosen = m_designer.tool() == kind;
        if (chosen) ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetColorU32(ImGuiCol_ButtonActive));
        if (ImGui::Button(label, ImVec2(80, 0))) m_designer.SetTool(kind);
        if (chosen) ImGui::PopStyleColor();
    };
    tool("Pointer", "");
    ImGui::SameLine();
    tool("VNTabCtl", "VNTabCtl");
    int column = 2;
    for (const host::ControlKind& kind : host::ControlKinds()) {
        if (column++ % 4) ImGui::SameLine();
        tool(std::string(kind.name).c_str(), std::string(kind.name));
    }
}

void Studio::DrawPropertyList() {
    host::Form& form = m_document.form();
    const std::string& selected = m_designer.selected();
    if (!selected.empty() && !form.FindControl(selected)) m_designer.Select("");
    const std::string shown = m_designer.selected().empty() ? form.Name() : m_designer.selected();
    ImGui::SetNextItemWidth(160);
    if (ImGui::BeginCombo("##object", shown.c_str())) {
        if (ImGui::Selectable(form.Name().c_str(), m_designer.selected().empty())) m_designer.Select("");
        for (const auto& control : form.AllControls())
            if (ImGui::Selectable(control->KeyName().c_str(), control->KeyName() == m_designer.selected()))
                m_designer.Select(control->KeyName());
        ImGui::EndCombo();
    }
    ImGui::SameLine();
    ImGui::BeginDisabled(!tab_control(form, m_designer.selected()));
    if (ImGui::Button("Property Pages...")) Later([this] { OpenPages(); });
    ImGui::EndDisabled();
    ImGui::SameLine();
    ImGui::BeginDisabled(m_designer.selected().empty());
    if (ImGui::Button("Delete"))
        Later([this] {
            DesignAction([this] { return m_designer.DeleteSelected(m_document.form()); }, "deleting");
        });
    ImGui::EndDisabled();

    if (!ImGui::BeginTable("properties", 2,
                           ImGuiTableFlags_RowBg | ImGuiTableFlags_BordersInnerV | ImGuiTableFlags_ScrollY |
                               ImGuiTableFlags_Resizable))
        return;
    ImGui::TableSetupColumn("Property", ImGuiTableColumnFlags_WidthFixed, 130);
    ImGui::TableSetupColumn("Value");
    std::vector<PropertyList::Row> rows;
    Guard([&] { rows = PropertyList::Read(form, m_designer.selected()); }, "reading properties");
    for (const PropertyList::Row& row : rows) {
        ImGui::TableNextRow();
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(row.name.c_str());
        ImGui::TableNextColumn();
        ImGui::PushID(row.name.c_str());
        if (m_edited_property == row.name) {
            char text[512];
            snprintf(text, sizeof text, "%s", m_property_text.c_str());
            ImGui::SetNextItemWidth(-1);
            if (m_focus_edit) ImGui::SetKeyboardFocusHere();
            m_focus_edit = false;
            if (ImGui::InputText("##value", text, sizeof text, ImGuiInputTextFlags_EnterReturnsTrue)) {
                Later([this, name = row.name, value = std::string(text)] {
                    DesignAction(
                        [&] {
                            PropertyList::Write(m_document.form(), m_designer.selected(), name, value);
                            return true;
                        },
                        ("setting " + name).c_str());
                });
                m_edited_property.clear();
            } else {
                m_property_text = text;
                // Escape, or a click elsewhere, leaves the value as it was.
                if (ImGui::IsItemDeactivated()) m_edited_property.clear();
            }
        } else {
            if (!row.readable) ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(160, 0, 0, 255));
            if (ImGui::Selectable(row.text.c_str())) {
                m_edited_property = row.name;
                m_property_text = row.text;
                m_focus_edit = true;
            }
            if (!row.readable) ImGui::PopStyleColor();
        }
        ImGui::PopID();
    }
    ImGui::EndTable();
}

void Studio::DrawSelection() const {
    const FormViewport view = Viewport();
    ImDrawList* draw = ImGui::GetBackgroundDrawList();
    auto window_rect = [&](const gdi::RECT& r, ImVec2& a, ImVec2& b) {
        a = ImVec2(float(view.x + r.left * view.zoom), float(view.y + r.top * view.zoom));
        b = ImVec2(float(view.x + r.right * view.zoom), float(view.y + r.bottom * view.zoom));
    };
    ImVec2 a, b;
    if (auto rubber = m_designer.Rubber()) {
        window_rect(*rubber, a, b);
        draw->AddRect(a, b, IM_COL32(0, 0, 0, 255));
    }
    auto control =
        m_designer.selected().empty() ? nullptr : m_document.form().FindControl(m_designer.selected());
    if (!control) return;
    const gdi::RECT bounds = Designer::FormBounds(m_document.form(), *control);
    window_rect(bounds, a, b);
    draw->AddRect(a, b, kSelectionColour);
    for (int g = int(Designer::Grip::TopLeft); g <= int(Designer::Grip::Left); ++g) {
        window_rect(Designer::GripRect(bounds, Designer::Grip(g)), a, b);
        draw->AddRectFilled(a, b, kSelectionColour);
    }
}

void Studio::OpenPages() {
    host::ActiveXHolder* holder = tab_control(m_document.form(), m_designer.selected());
    if (!holder) holder = m_document.session().holder();
    if (!holder) return;
    DesignAction([&] { return m_pages.Open(m_document.form(), *holder), false; },
                 "opening the property pages");
    m_pages_generation = m_document.generation();
}

} // namespace studio
