#pragma once

#include "contained/ControlsOwner.h"
#include "platform/automation/Dispatch.h"

#include <memory>
#include <span>

// Showing one tab's page of contained controls and hiding it again. A hidden control stands
// kHiddenOffset container units to the left of its place (a Line: both of its X ends), so the
// panel shows exactly the active tab's controls; at run time a hidden windowed control also loses
// its tab stop, so the Tab key skips it, and gets back the setting its record keeps when shown.
// Every access to a contained control ignores the errors of controls that lack the property.
namespace vntab {

class VNControls;

// How the page logic treats a contained control, by the type name its object reports.
enum class ContainedKind {
    Line,       // moved by X1 and X2
    Windowless, // Timer, Shape, Label, Frame, Image: moved by Left, no tab stop
    Windowed,   // everything else: moved by Left, tab stop handled at run time
};
ContainedKind KindOf(const rt::Dispatch& control);
// Image, Shape, Label and Line paint on the tab control's own surface.
bool PaintsOnControlSurface(const rt::Dispatch& control);

void HidePageControls(const VNControls& page, bool user_mode);
void ShowPageControls(const VNControls& page, bool user_mode);
// Refreshes the page's controls that paint on the control's surface, which a redraw covered.
void RefreshSurfaceControls(const VNControls& page);

// Design-time bookkeeping of the active page: every contained control in view belongs to the
// active tab (the others' are hidden), so one without a record there gets one; a record whose
// control is no longer contained is removed. A record found without its control gets it again.
void AdoptAndForget(VNControls& page, std::span<const std::shared_ptr<rt::Dispatch>> contained,
                    const std::weak_ptr<ControlsOwner>& owner);

// Moves the record at `position` of one page, with its control and tab-stop setting, to the end of
// another page. When the target already lists the control, the old record is only dropped.
void MoveControlRecord(VNControls& from, int32_t position, VNControls& to,
                       const std::weak_ptr<ControlsOwner>& owner);

} // namespace vntab
