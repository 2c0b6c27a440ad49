#pragma once

#include "platform/automation/StdFont.h"
#include "platform/automation/Variant.h"
#include "platform/gdi/Handles.h"

#include <cstdint>
#include <memory>

namespace vntab {

// Everything a ControlView remembers, as plain fields that the layout, drawing and input code read
// directly. Property fields come first, in the control's declaration order; lengths are pixels
// (the properties convert from and to the container's units). Everything starts at zero: the
// defaults are given by InitProperties or read from the property bag, and a zero TabWidth tells
// the redraw that neither has happened yet.
struct TabCtlState {
    int32_t BackColor = 0; // OLE colour
    bool Enabled = false;
    int32_t FocusRectStyle = 0;
    int32_t Orientation = 0;
    int32_t Tab3DAppearance = 0;
    int16_t TabActive = 0; // 1-based
    int16_t TabActiveBevel = 0;
    bool TabActiveBold = false;
    int16_t TabActiveInflate = 0;
    int32_t TabCaptionAlign = 0;
    std::shared_ptr<rt::StdFont> TabCaptionFont;
    int16_t TabStyleHeight = 0;
    int16_t TabStyleWidth = 0;
    int32_t TabHeight = 0;
    int32_t TabJustification = 0;
    int32_t TabPictureAlign = 0;
    int32_t TabRowOffset = 0;
    int16_t TabRows = 0;          // 0: not fixed
    int32_t TabRowSeparation = 0; // 0: automatic
    int16_t TabSeparation = 0;
    int16_t TabsPerRow = 0; // 0: not fixed
    int32_t TabStyle = 0;
    int32_t TabWidth = 0;
    rt::Variant Tag;
    // The 3D look actually drawn: 1 the Windows 95 look, 2 the Windows look.
    int32_t DrawTab3DAppearance = 0;
    // The distance between rows actually used: TabRowSeparation, or TabHeight - 2 when that is 0.
    int16_t DrawTabRowSeparation = 0;

    // Results of the last layout.
    int16_t RowCount = 0;
    int16_t RowCapacity = 0;
    float PanelEdge = 0.0f; // x of the panel edge for right and left tabs, y for top and bottom

    // Set while the tabs are read from the property bag: tab events neither repaint nor touch the
    // access keys.
    bool Loading = false;
    // Set while tabs or contained controls are rearranged in bulk: no redraw happens.
    bool Busy = false;
    // Set once the saved control records are attached to the container's controls.
    bool Bound = false;
    // Set once the warning about a caption font that cannot turn has been shown.
    bool RotationWarned = false;
    // Set for a control newly placed on a form (never for one loaded from a saved form): only then
    // do contained controls follow the panel when the number of rows changes.
    bool NewInstance = false;
    bool HasFocus = false;
    bool FocusRectDrawn = false;
    // Where the focus rectangle around the active caption was last drawn, client pixels.
    gdi::RECT FocusRect;
    // The tab the last successful hit test chose: Empty until the first one, then an Integer that
    // is kept between presses and compared with TabActive when the switch is carried out.
    rt::Variant PendingTab;
    // A press chose a tab while the control lacked the focus: the switch waits for the next
    // GotFocus, MouseUp or Click.
    bool TabChangePending = false;
};

} // namespace vntab
