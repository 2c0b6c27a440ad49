#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/host/PropertyBag.h"
#include "tabs/TabsOwner.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace vntab {

class VNTab;

// The ordered, 1-based tabs of one VNTabCtl. Every tab's Index equals its position after each
// public operation; keys are unique once trimmed and compared without regard to case. While adding,
// the collection keeps the control's access-key string in step with the captions, and it tells the
// control about every addition, change and removal as it happens.
class VNTabs final : public rt::Dispatch {
public:
    static std::shared_ptr<VNTabs> Create() { return std::make_shared<VNTabs>(); }

    // Index: a position 1 to Count + 1 (or a key naming one) to insert at, else the tab is appended.
    // Key: set on the new tab. Caption: the text, else "Tab &" followed by the number of tabs plus 1.
    // A failure leaves the tabs and the access-key string as they were and raises the error again
    // with help context 638.
    std::shared_ptr<VNTab> Add(const rt::OptionalVariant& index = std::nullopt,
                               const rt::OptionalVariant& key = std::nullopt,
                               const rt::OptionalVariant& caption = std::nullopt);
    // Drops every tab and raises one TabRemoved with no tab.
    void Clear();
    // Removes the tab at a position (or with a key), renumbers the rest and raises TabRemoved.
    void Remove(const rt::Variant& index);
    int16_t Count() const;
    // The tab at a position, or with exactly this key; error 0x8004041D "Index out of bounds."
    std::shared_ptr<VNTab> Item(const rt::Variant& index) const;
    // The tab at a position from 1 to Count, for callers that have checked it.
    const std::shared_ptr<VNTab>& at(int32_t position) const {
        return m_tabs[static_cast<size_t>(position - 1)];
    }
    const std::vector<std::shared_ptr<VNTab>>& tabs() const { return m_tabs; }

    // Used inside the control only.
    std::shared_ptr<TabsOwner> ParentControl() const { return m_parent_control.lock(); }
    void SetParentControl(std::weak_ptr<TabsOwner> control) { m_parent_control = std::move(control); }
    // Raises TabChanged, except while a tab is being added.
    void NotifyTabChanged(const std::shared_ptr<VNTab>& tab, std::string property);
    // Whether some tab has the key, both trimmed, ignoring case; never for an empty key.
    bool KeyExists(const rt::Variant& key) const;
    // Called by a tab whose key has just changed from `old_key`; a tab no longer in the collection
    // is ignored.
    void OnKeyChanged(const VNTab& tab, const rt::Variant& old_key);
    // A number (or numeric string) is a position; anything else is looked up as a key.
    int32_t ResolveIndex(const rt::Variant& index) const;
    // The position of the first tab whose key equals this one exactly; 0 when none does.
    int32_t IndexOfKey(const rt::Variant& key) const;
    void Renumber();

    // Persistence in the container's property bag: the tab count, each tab's settings and the
    // records of the controls placed on it. LoadTabs adds the tabs it reads, appending each tab's
    // access-key character to `access_keys` as it goes, so a load stopped by an error has kept the
    // characters of the tabs read so far.
    void SaveTabs(host::PropertyBag& bag) const;
    void LoadTabs(host::PropertyBag& bag, std::string& access_keys);
    // Attaches every saved control record to the contained control of the same name; false at the
    // first record that finds none (the records after it stay unattached).
    // While the program runs, a bound control's TabStop is cleared: the control manages it from now.
    bool BindControls(std::span<const std::shared_ptr<rt::Dispatch>> contained) const;
    // The records binding left without a control, in tab and record order: the key each was saved
    // under ("Tab2Control1Name"), the control it names, and whether that control is among
    // `contained` (it is left out only because binding stopped at an earlier record).
    struct UnboundRecord {
        std::string saved_key;
        std::string control;
        bool control_exists = false;
    };
    std::vector<UnboundRecord> UnboundRecords(std::span<const std::shared_ptr<rt::Dispatch>> contained) const;

    std::string TypeName() const override { return "VNTabs"; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    using rt::Dispatch::Call;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

private:
    std::shared_ptr<VNTab> insert_new_tab(const rt::OptionalVariant& index, const rt::OptionalVariant& key,
                                          const rt::OptionalVariant& caption);
    void check_position(int32_t position, int32_t last) const;
    bool holds(const VNTab& tab) const;
    void count_key(const rt::Variant& key, int32_t change);

    std::vector<std::shared_ptr<VNTab>> m_tabs;
    // How many tabs hold each key, by the key as KeyExists compares it (trimmed, upper case); empty
    // keys are not counted. Adding a tab checks its key against all the others, and a form can hold
    // tens of thousands of tabs.
    std::unordered_map<std::string, int32_t> m_key_counts;
    bool m_adding = false;
    std::weak_ptr<TabsOwner> m_parent_control;
};

} // namespace vntab
