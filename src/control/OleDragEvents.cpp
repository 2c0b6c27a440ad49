#include "control/ByRefEvent.h"
#include "control/VNTabCtl.h"

// The control takes no part in OLE drag and drop itself: the container's drag events reach the host
// program unchanged, and what its handlers leave in the arguments goes back to the container.
namespace vntab {

void VNTabCtl::OLECompleteDrag(int32_t& effect) {
    RaiseByRef(m_site, "OLECompleteDrag", Ref("Effect", effect));
}

void VNTabCtl::OLEDragDrop(DataObject& data, int32_t& effect, int16_t& button, int16_t& shift, float& x,
                           float& y) {
    RaiseByRef(m_site, "OLEDragDrop", Ref("Data", data), Ref("Effect", effect), Ref("Button", button),
               Ref("Shift", shift), Ref("x", x), Ref("y", y));
}

void VNTabCtl::OLEDragOver(DataObject& data, int32_t& effect, int16_t& button, int16_t& shift, float& x,
                           float& y, int16_t& state) {
    RaiseByRef(m_site, "OLEDragOver", Ref("Data", data), Ref("Effect", effect), Ref("Button", button),
               Ref("Shift", shift), Ref("x", x), Ref("y", y), Ref("State", state));
}

void VNTabCtl::OLEGiveFeedback(int32_t& effect, bool& default_cursors) {
    RaiseByRef(m_site, "OLEGiveFeedback", Ref("Effect", effect), Ref("DefaultCursors", default_cursors));
}

void VNTabCtl::OLESetData(DataObject& data, int16_t& data_format) {
    RaiseByRef(m_site, "OLESetData", Ref("Data", data), Ref("DataFormat", data_format));
}

void VNTabCtl::OLEStartDrag(DataObject& data, int32_t& allowed_effects) {
    RaiseByRef(m_site, "OLEStartDrag", Ref("Data", data), Ref("AllowedEffects", allowed_effects));
}

} // namespace vntab
