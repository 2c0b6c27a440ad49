#pragma once

#include <cstdint>

namespace vntab::pages {

// The colour dialog, made for one use.
class CColorCommonDialog {
public:
    // The colour the last successful ChooseNewColor brought back (a COLORREF); unchanged otherwise.
    int32_t Color() const { return m_color; }

    // Shows the dialog owned by a window, for any colour; true when the user confirmed one.
    bool ChooseNewColor(int32_t hwndOwner);

private:
    int32_t m_color = 0;
};

} // namespace vntab::pages
