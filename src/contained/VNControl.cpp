#include "contained/VNControl.h"

#include "contained/DesignHolder.h"
#include "contained/LateBound.h"
#include "contained/VNControls.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"

namespace vntab {

using rt::Variant;

namespace {

constexpr int32_t kErrObjectNotSet = 91;

const rt::MemberTable<VNControl>& members() {
    using M = rt::Member<VNControl>;
    static const rt::MemberTable<VNControl> table({
        M{"Index", 1, [](VNControl& c) { return Variant(c.Index()); },
          [](VNControl& c, const Variant& v) { c.SetIndex(rt::CLng(v)); }},
        M{"Left", 2, [](VNControl& c) { return Variant(rt::csng(c.Left())); },
          [](VNControl& c, const Variant& v) { c.SetLeft(rt::CDbl(v)); }},
        M{"Top", 3, [](VNControl& c) { return c.Top(); },
          [](VNControl& c, const Variant& v) { c.SetTop(v); }},
        M{"Width", 4, [](VNControl& c) { return c.Width(); },
          [](VNControl& c, const Variant& v) { c.SetWidth(v); }},
        M{"Height", 5, [](VNControl& c) { return c.Height(); },
          [](VNControl& c, const Variant& v) { c.SetHeight(v); }},
        M{"TabStop", 6, [](VNControl& c) { return Variant(c.TabStop()); },
          [](VNControl& c, const Variant& v) { c.SetTabStop(rt::CBool(v)); }},
    });
    return table;
}

} // namespace

std::string RecordKey(const std::string& name, int16_t index) {
    if (index < 0) return name;
    return name + "(" + std::to_string(index) + ")";
}

VNControl::VNControl(std::string name, int16_t index, std::weak_ptr<ControlsOwner> owner)
    : m_name(std::move(name)), m_index(index), m_key(RecordKey(m_name, index)), m_owner(std::move(owner)) {}

std::string VNControl::Name() const {
    if (auto control = Control())
        if (auto name = TryGet(*control, "Name")) {
            try {
                return rt::CStr(*name);
            } catch (const rt::AutomationError&) {
                // A Name that is no text: keep the one the record was made with.
            }
        }
    return m_name;
}

int32_t VNControl::Index() const {
    if (auto control = Control())
        if (auto index = TryGet(*control, "Index")) {
            try {
                return rt::CLng(*index);
            } catch (const rt::AutomationError&) {
                // Not a number: the stored index stands.
            }
        }
    return m_index;
}

void VNControl::SetIndex(int32_t index) {
    m_index = rt::to16(index);
}

std::shared_ptr<rt::Dispatch> VNControl::attached() const {
    auto control = Control();
    if (!control)
        rt::raise_error(kErrObjectNotSet, "VNControl", "Object variable or With block variable not set");
    return control;
}

double VNControl::Left() const {
    double left = rt::CDbl(attached()->Get("Left"));
    return OnActiveTab() ? left : left + kHiddenOffset;
}

void VNControl::SetLeft(double left) {
    if (!OnActiveTab()) left -= kHiddenOffset;
    attached()->Let("Left", Variant(rt::csng(left)));
}

void VNControl::SetTabStop(bool tab_stop) {
    m_tab_stop = tab_stop;
    if (!OnActiveTab()) return;
    if (auto control = Control()) TryLet(*control, "TabStop", Variant(tab_stop));
}

std::shared_ptr<rt::Dispatch> VNControl::Control() const {
    if (!m_holder) return m_control;
    try {
        auto held = m_holder->Call("get_control");
        return held.is_object() ? held.as_object() : nullptr;
    } catch (const rt::AutomationError&) {
        return nullptr;
    }
}

void VNControl::SetControl(const std::shared_ptr<rt::Dispatch>& control) {
    auto owner = Owner();
    if (!owner || owner->UserMode()) {
        m_holder.reset();
        m_control = control;
        return;
    }
    m_control.reset();
    m_holder = CreateObject(kDesignHolderProgId);
    m_holder->Call("put_control", {Variant(control)});
    if (!control) return;
    if (auto tab_stop = TryGet(*control, "TabStop")) {
        try {
            m_tab_stop = rt::CBool(*tab_stop);
        } catch (const rt::AutomationError&) {
            // Not a boolean: the record keeps its own setting.
        }
    }
}

bool VNControl::OnActiveTab() const {
    auto parent = Parent();
    auto tab = parent ? parent->Parent() : nullptr;
    auto owner = Owner();
    if (!tab || !owner) return true;
    return tab->Index() == owner->TabActive();
}

Variant VNControl::Get(std::string_view name) {
    return members().get(*this, name);
}
void VNControl::Let(std::string_view name, const Variant& value) {
    members().let(*this, name, value);
}
std::optional<int32_t> VNControl::DispId(std::string_view name) const {
    return members().dispid(name);
}

} // namespace vntab
