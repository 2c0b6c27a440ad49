#pragma once

#include "layout/TabCtlState.h"

#include <cstdint>
#include <memory>

namespace host {
class ControlSite;
}
namespace text {
class CRenderText;
}

namespace vntab {

class VNTabs;

// What the layout, drawing and input code see of a tab control: its state, its tabs, its
// container and its caption renderer, and nothing else. The layout writes its results into the
// state (RowCount, RowCapacity, PanelEdge) and the tabs (TabRect); the drawing reads them back and
// records where it drew the focus rectangle. The control implements this view over itself, so
// these functions take the control wherever it is at hand.
class ControlView {
public:
    virtual ~ControlView() = default;

    virtual const TabCtlState& State() const = 0;
    virtual TabCtlState& State() = 0;
    virtual const std::shared_ptr<VNTabs>& Tabs() const = 0;
    virtual int16_t TabCount() const = 0;
    // The container: client size, units, window and device context.
    virtual host::ControlSite& Site() const = 0;
    // The one caption renderer: every header's caption is drawn and measured through it.
    virtual text::CRenderText& Renderer() const = 0;
};

} // namespace vntab
