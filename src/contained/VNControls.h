#pragma once

#include "contained/ControlsOwner.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/Enumerator.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vntab {

class VNControl;

// The records of the host controls placed on one tab, in the order they were added, each known by
// its Key (Name, or Name(Index) for an array member).
class VNControls final : public rt::Dispatch {
public:
    static std::shared_ptr<VNControls> Create() { return std::make_shared<VNControls>(); }

    int16_t Count() const;
    // A position 1 to Count, or a key (exact match); error 0x8004041D "Index out of bounds."
    std::shared_ptr<VNControl> Item(const rt::Variant& index) const;
    // The records in order, as NewEnum hands them out.
    const std::vector<std::shared_ptr<VNControl>>& records() const { return m_records; }
    // An enumerator over the records as they are now (hidden in the type library; For Each uses it).
    std::shared_ptr<rt::Enumerator> NewEnum() const;

    // Events of the collection, for whoever listens. CtlRemoved passes no record after Clear.
    std::function<void(const std::shared_ptr<VNControl>&, std::string& property)> CtlChanged;
    std::function<void(const std::shared_ptr<VNControl>&)> CtlRemoved;

    // Used inside the control only. Add appends a record; a key already present raises 50001
    // "Key already exists." (callers look keys up first).
    std::shared_ptr<VNControl> Add(std::string name, int16_t index, std::weak_ptr<ControlsOwner> owner);
    // A position or a key; the ordered collection's error 9 for a position outside 1 to Count.
    void Remove(const rt::Variant& index_or_key);
    void Clear();
    // Whether some record's key, trimmed, equals the key ignoring case; never for an empty key.
    bool KeyExists(std::string_view key) const;
    // The position of the record with exactly this key, 0 when none has it.
    int32_t IndexOfKey(std::string_view key) const;
    // The tab the page belongs to; nothing once the tab is gone.
    std::shared_ptr<OwningTab> Parent() const { return m_parent.lock(); }
    void SetParent(std::weak_ptr<OwningTab> tab) { m_parent = std::move(tab); }
    // Raises CtlChanged, except while a record is being added.
    void NotifyCtlChanged(const std::shared_ptr<VNControl>& record, std::string property);

    std::string TypeName() const override { return "VNControls"; }
    rt::Variant Get(std::string_view name) override;
    using rt::Dispatch::Call;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

private:
    int32_t resolve(const rt::Variant& index) const;
    void renumber();

    std::vector<std::shared_ptr<VNControl>> m_records;
    std::weak_ptr<OwningTab> m_parent;
    bool m_adding = false;
};

} // namespace vntab
