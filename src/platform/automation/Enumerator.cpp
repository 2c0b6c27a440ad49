#include "Enumerator.h"

#include "AutomationError.h"

#include <algorithm>

namespace rt {

namespace {

const MemberTable<Enumerator>& members() {
    using M = Member<Enumerator>;
    static const MemberTable<Enumerator> table({
        M{"Next", 1, nullptr, nullptr, nullptr,
          [](Enumerator& e, std::span<const Variant>) { return e.NextOrEmpty(); }},
        M{"Skip", 2, nullptr, nullptr, nullptr,
          [](Enumerator& e, std::span<const Variant> a) {
              return Variant(e.Skip(CLng(required_arg(a, 0))));
          }},
        M{"Reset", 3, nullptr, nullptr, nullptr,
          [](Enumerator& e, std::span<const Variant>) {
              e.Reset();
              return Variant();
          }},
        M{"Clone", 4, nullptr, nullptr, nullptr,
          [](Enumerator& e, std::span<const Variant>) { return Variant(e.Clone()); }},
    });
    return table;
}

} // namespace

std::optional<Variant> Enumerator::Next() {
    if (m_next >= m_items.size()) return std::nullopt;
    return NextOrEmpty();
}

Variant Enumerator::NextOrEmpty() {
    if (m_next >= m_items.size()) return Variant();
    return m_items[m_next++];
}

bool Enumerator::Skip(int32_t count) {
    if (count < 0) raise_error(kErrInvalidProcedureCall);
    const size_t left = m_items.size() - m_next;
    const size_t skipped = std::min(left, static_cast<size_t>(count));
    m_next += skipped;
    return skipped == static_cast<size_t>(count);
}

std::shared_ptr<Enumerator> Enumerator::Clone() const {
    auto copy = std::make_shared<Enumerator>(m_items);
    copy->m_next = m_next;
    return copy;
}

Variant Enumerator::Call(std::string_view name, std::span<const Variant> args) {
    return members().call(*this, name, args);
}

std::optional<int32_t> Enumerator::DispId(std::string_view name) const {
    return members().dispid(name);
}

} // namespace rt
