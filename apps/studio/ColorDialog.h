#pragma once

#include "ModalWindow.h"

#include "platform/gdi/Handles.h"

#include <array>
#include <optional>

namespace studio {

// The colour dialog: the basic colours, sixteen custom colours kept from one dialog to the next,
// and a picker for any colour. Answers a COLORREF (0x00BBGGRR).
class ColorDialog final : public ModalWindow {
public:
    ColorDialog(gdi::COLORREF initial, std::array<gdi::COLORREF, 16>& custom);

    const std::optional<gdi::COLORREF>& answer() const { return m_answer; }
    void DrawContent(bool topmost) override;

private:
    bool Swatch(const char* id, gdi::COLORREF colour);

    float m_rgb[3];
    std::array<gdi::COLORREF, 16>& m_custom;
    size_t m_next_custom = 0;
    std::optional<gdi::COLORREF> m_answer;
};

} // namespace studio
