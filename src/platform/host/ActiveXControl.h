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
};

} // namespace host
