#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/host/PropertyBag.h"

#include <cstdint>
#include <memory>

namespace host {

// What a container calls on a control it hosts: the persistence calls, painting and resizing, and
// the input events it turns window messages into. The control raises its own events back through
// its site. Every entry has an empty default so that a control handles what it needs.
class ActiveXControl {
public:
    virtual ~ActiveXControl() = default;

    // The automation object the host program sees (properties and methods by name).
    virtual std::shared_ptr<rt::Dispatch> Object() = 0;

    virtual void InitProperties() {}
    virtual void ReadProperties(PropertyBag&) {}
    virtual void WriteProperties(PropertyBag&) {}
    virtual void Paint() {}
    virtual void Resize() {}
    // Called once before the container lets the control go; the control releases what it holds.
    virtual void Terminate() {}

    // Input, in the container's order. Button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl,
    // 4 Alt; x and y in the control's client pixels. By-reference arguments may be changed.
    virtual void MouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseUp(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(int16_t& /*key_code*/, int16_t /*shift*/) {}
    virtual void KeyPress(int16_t& /*key_ascii*/) {}
    virtual void KeyUp(int16_t& /*key_code*/, int16_t /*shift*/) {}
    virtual void AccessKeyPress(int16_t /*key_ascii*/) {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}

    // OLE drag and drop, as the container reports a drag that starts from the control or passes
    // over it. `data` is the container's data object, effects are drop-effect bits (1 copy, 2 move),
    // `state` says where the drag is (0 entering, 1 leaving, 2 over). Every argument is by
    // reference, as the host program's handlers receive it.
    using DataObject = std::shared_ptr<rt::Dispatch>;
    virtual void OLECompleteDrag(int32_t& /*effect*/) {}
    virtual void OLEDragDrop(DataObject& /*data*/, int32_t& /*effect*/, int16_t& /*button*/,
                             int16_t& /*shift*/, float& /*x*/, float& /*y*/) {}
    virtual void OLEDragOver(DataObject& /*data*/, int32_t& /*effect*/, int16_t& /*button*/,
                             int16_t& /*shift*/, float& /*x*/, float& /*y*/, int16_t& /*state*/) {}
    virtual void OLEGiveFeedback(int32_t& /*effect*/, bool& /*default_cursors*/) {}
    virtual void OLESetData(DataObject& /*data*/, int16_t& /*data_format*/) {}
    virtual void OLEStartDrag(DataObject& /*data*/, int32_t& /*allowed_effects*/) {}
};

} // namespace host
