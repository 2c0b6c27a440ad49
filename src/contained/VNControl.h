#pragma once

#include "contained/ControlsOwner.h"
#include "platform/automation/Dispatch.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vntab {

class VNControls;

// A record's key: the name alone, or Name(Index) for a control-array member (Index 0 or more).
std::string RecordKey(const std::string& name, int16_t index);

// How far (in container units) the controls of an inactive tab stand to the left of their place.
constexpr double kHiddenOffset = 75000.0;

// The record of one host control placed on a tab: the control's name and array index (its key in
// the tab's Controls), the tab-stop setting to give it whenever its tab is shown, and the control
// itself. Left hides the out-of-view offset, so callers always see where the control stands when
// its tab is shown.
class VNControl final : public rt::Dispatch {
public:
    VNControl(std::string name, int16_t index, std::weak_ptr<ControlsOwner> owner);

    // The control's live Name, else the name the record was made with.
    std::string Name() const;
    // The control's live Index, else the stored one (-1 for a control outside an array).
    int32_t Index() const;
    void SetIndex(int32_t index);
    // Name alone, or Name(Index) for an array member: fixed when the record is made.
    const std::string& Key() const { return m_key; }
    // Container units; error 91 when no control is attached.
    double Left() const;
    void SetLeft(double left);
    rt::Variant Top() const { return attached()->Get("Top"); }
    void SetTop(const rt::Variant& v) { attached()->Let("Top", v); }
    rt::Variant Width() const { return attached()->Get("Width"); }
    void SetWidth(const rt::Variant& v) { attached()->Let("Width", v); }
    rt::Variant Height() const { return attached()->Get("Height"); }
    void SetHeight(const rt::Variant& v) { attached()->Let("Height", v); }
    bool TabStop() const { return m_tab_stop; }
    // Stored; given to the control at once only when its tab is the active one.
    void SetTabStop(bool tab_stop);

    // Used inside the control only.
    // Keeps a tab-stop setting without giving it to the control (the control's own was just read).
    void StoreTabStop(bool tab_stop) { m_tab_stop = tab_stop; }
    int16_t Position() const { return m_position; }
    void SetPosition(int16_t position) { m_position = position; }
    std::shared_ptr<VNControls> Parent() const { return m_parent.lock(); }
    void SetParent(std::weak_ptr<VNControls> parent) { m_parent = std::move(parent); }
    std::shared_ptr<ControlsOwner> Owner() const { return m_owner.lock(); }
    // The attached control, or nothing (none attached, or the design-time holder failed).
    std::shared_ptr<rt::Dispatch> Control() const;
    // While the program runs the record keeps the control itself; while the form is designed it
    // keeps it in a design-time holder and takes the control's own TabStop as the one to restore.
    void SetControl(const std::shared_ptr<rt::Dispatch>& control);
    // Whether the record's tab is the one showing (true when the record has no tab or owner).
    bool OnActiveTab() const;

    std::string TypeName() const override { return "VNControl"; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

private:
    std::shared_ptr<rt::Dispatch> attached() const;

    std::string m_name;
    int16_t m_index;
    std::string m_key;
    bool m_tab_stop = true;
    int16_t m_position = 0;
    std::weak_ptr<VNControls> m_parent;
    std::weak_ptr<ControlsOwner> m_owner;
    std::shared_ptr<rt::Dispatch> m_control;
    std::shared_ptr<rt::Dispatch> m_holder;
};

} // namespace vntab
