#include "Studio.h"

#include "pages/Fields.h"
#include "platform/automation/Ansi.h"
#include "platform/user/OleColor.h"

#include <cstdio>

// The property-page frame in design mode: the pages as buttons along its top, the shown page's
// fields where the page places them, OK, Cancel and Apply. What a field does runs between frames,
// as a page's events may open the platform's dialogs.
namespace studio {

namespace {

namespace pg = vntab::pages;

constexpr float kFrameWidth = 400, kFrameHeight = 400;
constexpr float kPageTop = 58; // below the title and the page buttons

// A label without its access-key marker.
std::string shown_label(const std::string& label) {
    std::string text;
    for (size_t i = 0; i < label.size(); ++i)
        if (label[i] != '&' || (i + 1 < label.size() && label[i + 1] == '&' && ++i)) text += label[i];
    return rt::utf8_from_ansi(text);
}

ImU32 imgui_colour(int32_t ole_color) {
    const gdi::COLORREF c = user::TranslateOleColor(ole_color);
    return IM_COL32(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, 255);
}

} // namespace

void Studio::DrawPages() {
    if (m_pages.is_open() && m_pages_generation != m_document.generation()) m_pages.Close();
    if (!m_pages.is_open()) return;
    // Over the lower right of the form, leaving its headers in view; a window of its own, so opaque.
    ImGui::SetNextWindowPos(ImVec2(76, float(kMenuHeight) + 210), ImGuiCond_Appearing);
    ImGui::SetNextWindowSize(ImVec2(kFrameWidth, kFrameHeight));
    ImVec4 background = ImGui::GetStyleColorVec4(ImGuiCol_PopupBg);
    background.w = 1.0f;
    ImGui::PushStyleColor(ImGuiCol_WindowBg, background);
    bool open = true;
    const std::string title = "Property Pages - " + m_pages.control() + "###pages";
    if (ImGui::Begin(title.c_str(), &open,
                     ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse |
                         ImGuiWindowFlags_NoSavedSettings)) {
        for (size_t i = 0; i < m_pages.pages().size(); ++i) {
            if (i) ImGui::SameLine(0, 2);
            const bool shown = i == m_pages.shown();
            if (shown) ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetColorU32(ImGuiCol_ButtonActive));
            if (ImGui::Button(m_pages.pages()[i]->caption().c_str())) m_pages.Show(i);
            if (shown) ImGui::PopStyleColor();
        }
        DrawPageFields(m_pages.page());
        ImGui::SetCursorPos(ImVec2(kFrameWidth - 3 * 72 - 8, kFrameHeight - 32));
        PagesButton("OK", true, true);
        ImGui::SameLine();
        PagesButton("Cancel", false, true);
        ImGui::SameLine();
        ImGui::BeginDisabled(!m_pages.Changed());
        PagesButton("Apply", true, false);
        ImGui::EndDisabled();
    }
    ImGui::End();
    ImGui::PopStyleColor();
    if (!open) Later([this] { m_pages.Close(); });
}

void Studio::PagesButton(const char* label, bool apply, bool close) {
    if (!ImGui::Button(label, ImVec2(68, 0))) return;
    Later([this, apply, close] {
        if (!apply) {
            m_pages.Close();
            return;
        }
        DesignAction([&] { return close ? m_pages.Ok() || true : m_pages.Apply() || true; },
                     "applying the property pages");
    });
}

void Studio::LaterOnField(const std::string& name, std::function<void(pg::Field&)> action) {
    Later([this, name, action = std::move(action)] {
        if (!m_pages.is_open() || m_pages_generation != m_document.generation()) return;
        if (pg::Field* field = m_pages.page().FindField(name))
            DesignAction([&] { return action(*field), false; }, "editing the property page");
    });
}

void Studio::DrawPageFields(pg::PropertyPage& page) {
    const ImVec2 origin(8, kPageTop);
    auto at = [&](int x, int y) { ImGui::SetCursorPos(ImVec2(origin.x + float(x), origin.y + float(y))); };
    for (pg::Field* field : page.fields()) {
        const gdi::RECT& r = field->place.bounds;
        const gdi::RECT& lr = field->place.label_bounds;
        const float width = float(r.right - r.left);
        ImGui::PushID(field->name().c_str());
        if (!field->label().empty() && field->kind() != pg::FieldKind::Check &&
            field->kind() != pg::FieldKind::Button) {
            at(lr.left, lr.top + 3);
            ImGui::TextUnformatted(shown_label(field->label()).c_str());
        }
        at(r.left, r.top);
        ImGui::BeginDisabled(!field->enabled);
        ImGui::SetNextItemWidth(width);
        switch (field->kind()) {
        case pg::FieldKind::Text: {
            auto& text = static_cast<pg::TextField&>(*field);
            char buffer[256];
            std::snprintf(buffer, sizeof buffer, "%s", rt::utf8_from_ansi(text.text()).c_str());
            ImGui::PushStyleColor(ImGuiCol_Text, text.fore_color ? imgui_colour(text.fore_color)
                                                                 : ImGui::GetColorU32(ImGuiCol_Text));
            if (ImGui::InputText("##text", buffer, sizeof buffer))
                LaterOnField(text.name(), [value = rt::ansi_from_utf8(buffer)](pg::Field& f) {
                    static_cast<pg::TextField&>(f).SetText(value);
                });
            ImGui::PopStyleColor();
            break;
        }
        case pg::FieldKind::List: {
            auto& list = static_cast<pg::ListField&>(*field);
            if (ImGui::BeginCombo("##list", rt::utf8_from_ansi(list.text()).c_str())) {
                for (int32_t i = 0; i < list.list_count(); ++i)
                    if (ImGui::Selectable(rt::utf8_from_ansi(list.items()[size_t(i)]).c_str(),
                                          i == list.list_index()))
                        Later([this, &list, i] {
                            DesignAction([&] { return list.Choose(i), false; }, "choosing");
                        });
                ImGui::EndCombo();
            }
            break;
        }
        case pg::FieldKind::Check: {
            auto& check = static_cast<pg::CheckField&>(*field);
            bool checked = check.checked();
            if (ImGui::Checkbox(shown_label(check.label()).c_str(), &checked))
                LaterOnField(check.name(), [checked](pg::Field& f) {
                    static_cast<pg::CheckField&>(f).SetChecked(checked);
                });
            break;
        }
        case pg::FieldKind::Picture: {
            auto& picture = static_cast<pg::PictureField&>(*field);
            ImGui::TextDisabled(picture.picture() ? "(picture)" : "(none)");
            break;
        }
        case pg::FieldKind::ColorBox: {
            const ImVec2 a = ImGui::GetCursorScreenPos();
            ImGui::GetWindowDrawList()->AddRectFilled(
                a, ImVec2(a.x + width, a.y + float(r.bottom - r.top)),
                imgui_colour(static_cast<pg::ColorBoxField&>(*field).fill_color));
            ImGui::Dummy(ImVec2(width, float(r.bottom - r.top)));
            break;
        }
        case pg::FieldKind::Button: {
            auto& button = static_cast<pg::ButtonField&>(*field);
            if (ImGui::Button(shown_label(button.label()).c_str(), ImVec2(width, 0)))
                LaterOnField(button.name(), [](pg::Field& f) { static_cast<pg::ButtonField&>(f).Press(); });
            break;
        }
        }
        ImGui::EndDisabled();
        ImGui::PopID();
    }
}

} // namespace studio
