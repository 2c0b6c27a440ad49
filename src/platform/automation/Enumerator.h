#pragma once

#include "platform/automation/Dispatch.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace rt {

// The dispatch identifier of a collection's enumerator member (DISPID_NEWENUM).
constexpr int32_t kDispIdNewEnum = -4;

// What a collection's NewEnum hands out and For Each walks: the collection's items as they were
// when it was made, one at a time. A collection changed while it is walked does not change the
// walk. Late bound: Next (the next item, Empty past the end), Skip(count), Reset and Clone.
class Enumerator final : public Dispatch {
public:
    explicit Enumerator(std::vector<Variant> items) : m_items(std::move(items)) {}

    // The next item, or nothing once every item has been handed out.
    std::optional<Variant> Next();
    // The same for late-bound callers: Empty once every item has been handed out.
    Variant NextOrEmpty();
    // Passes over up to `count` items; false when fewer were left.
    bool Skip(int32_t count);
    void Reset() { m_next = 0; }
    // A second walk over the same items, starting where this one stands.
    std::shared_ptr<Enumerator> Clone() const;

    std::string TypeName() const override { return "IEnumVARIANT"; }
    using Dispatch::Call;
    Variant Call(std::string_view name, std::span<const Variant> args) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

private:
    std::vector<Variant> m_items;
    size_t m_next = 0;
};

} // namespace rt
