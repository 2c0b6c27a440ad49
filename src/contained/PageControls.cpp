#include "contained/PageControls.h"

#include "contained/LateBound.h"
#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vntab {

using rt::Variant;

namespace {

bool type_is_one_of(const rt::Dispatch& control, std::span<const std::string_view> names) {
    std::string type = control.TypeName();
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view n) { return rt::EqualsText(type, n); });
}

void move_by(rt::Dispatch& control, double delta) {
    if (KindOf(control) == ContainedKind::Line) {
        TryShift(control, "X1", delta);
        TryShift(control, "X2", delta);
    } else {
        TryShift(control, "Left", delta);
    }
}

// Whether a contained control stands in view: hidden ones are far to the left.
bool in_view(rt::Dispatch& control) {
    auto at_least_zero = [&](std::string_view name) {
        auto v = TryGet(control, name);
        if (!v) return false;
        try {
            return rt::CDbl(*v) >= 0.0;
        } catch (const rt::AutomationError&) {
            return false;
        }
    };
    if (KindOf(control) == ContainedKind::Line) return at_least_zero("X1") && at_least_zero("X2");
    return at_least_zero("Left");
}

int16_t array_index(rt::Dispatch& control) {
    auto index = TryGet(control, "Index");
    if (!index) return -1;
    try {
        return rt::CInt(*index);
    } catch (const rt::AutomationError&) {
        return -1;
    }
}

} // namespace

ContainedKind KindOf(const rt::Dispatch& control) {
    static constexpr std::array<std::string_view, 5> windowless{"Timer", "Shape", "Label", "Frame", "Image"};
    if (rt::EqualsText(control.TypeName(), "Line")) return ContainedKind::Line;
    if (type_is_one_of(control, windowless)) return ContainedKind::Windowless;
    return ContainedKind::Windowed;
}

bool PaintsOnControlSurface(const rt::Dispatch& control) {
    static constexpr std::array<std::string_view, 4> graphical{"Image", "Shape", "Label", "Line"};
    return type_is_one_of(control, graphical);
}

void HidePageControls(const VNControls& page, bool user_mode) {
    for (const auto& record : page.records()) {
        auto control = record->Control();
        if (!control) continue;
        move_by(*control, -kHiddenOffset);
        if (!user_mode || KindOf(*control) != ContainedKind::Windowed) continue;
        // At design time tab stops are the designer's; at run time the record keeps the setting.
        auto tab_stop = TryGet(*control, "TabStop");
        if (!tab_stop) continue;
        try {
            record->StoreTabStop(rt::CBool(*tab_stop));
        } catch (const rt::AutomationError&) {
            continue;
        }
        TryLet(*control, "TabStop", Variant(false));
    }
}

void ShowPageControls(const VNControls& page, bool user_mode) {
    for (const auto& record : page.records()) {
        auto control = record->Control();
        if (!control) continue;
        move_by(*control, kHiddenOffset);
        if (KindOf(*control) != ContainedKind::Windowed) {
            TryCall(*control, "Refresh");
        } else if (user_mode) {
            TryLet(*control, "TabStop", Variant(record->TabStop()));
            TryCall(*control, "Refresh");
        }
    }
}

void RefreshSurfaceControls(const VNControls& page) {
    for (const auto& record : page.records()) {
        auto control = record->Control();
        if (control && PaintsOnControlSurface(*control)) TryCall(*control, "Refresh");
    }
}

void AdoptAndForget(VNControls& page, std::span<const std::shared_ptr<rt::Dispatch>> contained,
                    const std::weak_ptr<ControlsOwner>& owner) {
    std::vector<std::string> keys;
    for (const auto& control : contained) {
        if (!control) continue;
        auto key = ContainedControlKey(*control);
        if (!key) continue;
        keys.push_back(*key);
        if (!in_view(*control)) continue;
        int32_t position = page.IndexOfKey(*key);
        if (position == 0) {
            std::string name = rt::CStr(control->Get("Name"));
            page.Add(std::move(name), array_index(*control), owner)->SetControl(control);
        } else if (auto record = page.records()[static_cast<size_t>(position - 1)]; !record->Control()) {
            record->SetControl(control);
        }
    }
    for (int32_t position = page.Count(); position >= 1; --position) {
        const auto& record = page.records()[static_cast<size_t>(position - 1)];
        if (std::find(keys.begin(), keys.end(), record->Key()) == keys.end()) page.Remove(Variant(position));
    }
}

void MoveControlRecord(VNControls& from, int32_t position, VNControls& to,
                       const std::weak_ptr<ControlsOwner>& owner) {
    auto record = from.Item(Variant(position));
    std::string name = record->Name();
    int16_t index = rt::to16(record->Index());
    if (to.IndexOfKey(RecordKey(name, index)) == 0) {
        auto moved = to.Add(std::move(name), index, owner);
        moved->SetControl(record->Control());
        moved->StoreTabStop(record->TabStop());
    }
    from.Remove(Variant(position));
}

} // namespace vntab
