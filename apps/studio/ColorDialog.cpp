#include "ColorDialog.h"

#include "platform/gdi/Gdi.h"

#include <string>

namespace studio {

namespace {

// Six rows of eight, from the reds through the greys, as the platform's colour dialog lays them out.
constexpr gdi::COLORREF kBasic[48] = {
    0x8080FF, 0x80FFFF, 0x80FF80, 0x40FF80, 0xFFFF80, 0xFF8000, 0xC080FF, 0xFF80FF, 0x0000FF, 0x00FFFF,
    0x00FF80, 0x40FF00, 0xFFFF00, 0xC08000, 0xC08080, 0xFF00FF, 0x404080, 0x4080FF, 0x00FF00, 0x808000,
    0x804000, 0xFF8080, 0x400080, 0x8000FF, 0x000080, 0x0080FF, 0x008000, 0x408000, 0xFF0000, 0xA00000,
    0x800080, 0xFF0080, 0x000040, 0x004080, 0x004000, 0x404000, 0x800000, 0x400000, 0x400040, 0x800040,
    0x000000, 0x008080, 0x408080, 0x808080, 0x808040, 0xC0C0C0, 0x408040, 0xFFFFFF,
};

ImVec4 to_vec(gdi::COLORREF c) {
    return ImVec4(float(gdi::GetRValue(c)) / 255, float(gdi::GetGValue(c)) / 255,
                  float(gdi::GetBValue(c)) / 255, 1);
}

uint8_t channel(float v) {
    return static_cast<uint8_t>(v <= 0 ? 0 : v >= 1 ? 255 : v * 255.0f + 0.5f);
}

} // namespace

ColorDialog::ColorDialog(gdi::COLORREF initial, std::array<gdi::COLORREF, 16>& custom)
    : ModalWindow("Color"), m_custom(custom) {
    const ImVec4 v = to_vec(initial);
    m_rgb[0] = v.x;
    m_rgb[1] = v.y;
    m_rgb[2] = v.z;
}

bool ColorDialog::Swatch(const char* id, gdi::COLORREF colour) {
    const bool chosen = ImGui::ColorButton(id, to_vec(colour), ImGuiColorEditFlags_NoTooltip, ImVec2(22, 18));
    if (chosen) {
        const ImVec4 v = to_vec(colour);
        m_rgb[0] = v.x;
        m_rgb[1] = v.y;
        m_rgb[2] = v.z;
    }
    return chosen;
}

void ColorDialog::DrawContent(bool topmost) {
    ImGui::BeginGroup();
    ImGui::TextUnformatted("Basic colors:");
    for (int i = 0; i < 48; ++i) {
        if (i % 8) ImGui::SameLine();
        Swatch(("##basic" + std::to_string(i)).c_str(), kBasic[i]);
    }
    ImGui::Spacing();
    ImGui::TextUnformatted("Custom colors:");
    for (size_t i = 0; i < m_custom.size(); ++i) {
        if (i % 8) ImGui::SameLine();
        Swatch(("##custom" + std::to_string(i)).c_str(), m_custom[i]);
    }
    ImGui::EndGroup();
    ImGui::SameLine();
    ImGui::BeginGroup();
    ImGui::SetNextItemWidth(220);
    ImGui::ColorPicker3("##picker", m_rgb,
                        ImGuiColorEditFlags_NoSidePreview | ImGuiColorEditFlags_DisplayRGB);
    const gdi::COLORREF current = gdi::RGB(channel(m_rgb[0]), channel(m_rgb[1]), channel(m_rgb[2]));
    if (ImGui::Button("Add to Custom Colors")) {
        m_custom[m_next_custom] = current;
        m_next_custom = (m_next_custom + 1) % m_custom.size();
    }
    ImGui::EndGroup();
    ImGui::Separator();
    if (ImGui::Button("OK", ImVec2(80, 0)) || Pressed(ImGuiKey_Enter, topmost)) {
        m_answer = current;
        Finish();
    }
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(80, 0)) || Pressed(ImGuiKey_Escape, topmost)) Cancel();
}

} // namespace studio
