#include "control/VNTabCtl.h"

#include "platform/automation/AutomationError.h"

// The control's automation interface: the properties of its one table, in interface order, then
// its methods. Values arrive as variants and are coerced to the property's type before the typed
// set runs.
namespace vntab {

using rt::Variant;

namespace {

using T = VNTabCtl;
using M = rt::Member<T>;

Variant done() {
    return Variant();
}

const M kMethods[] = {
    M{"RepaintControl", 0x60030071, nullptr, nullptr, nullptr,
      [](T& c, std::span<const Variant>) {
          c.RepaintControl();
          return done();
      }},
    M{"Refresh", 0x60030075, nullptr, nullptr, nullptr,
      [](T& c, std::span<const Variant>) {
          c.Refresh();
          return done();
      }},
    M{"OleDrag", 0x6003FE67, nullptr, nullptr, nullptr,
      [](T& c, std::span<const Variant>) {
          c.OleDrag();
          return done();
      }},
    // The standard about-box identifier.
    M{"ShowAboutBox", -552, nullptr, nullptr, nullptr,
      [](T& c, std::span<const Variant>) {
          c.ShowAboutBox();
          return done();
      }},
};

const rt::MemberTable<T>& members() {
    static const rt::MemberTable<T> table = [] {
        std::vector<M> all;
        // A saved key the program never sees has no accessors, and no member.
        for (const ControlProperty& property : VNTabCtl::Properties())
            if (property.member.get || property.member.let || property.member.set)
                all.push_back(property.member);
        all.insert(all.end(), std::begin(kMethods), std::end(kMethods));
        return rt::MemberTable<T>(std::move(all));
    }();
    return table;
}

} // namespace

Variant VNTabCtl::Get(std::string_view name) {
    return members().get(*this, name);
}
void VNTabCtl::Let(std::string_view name, const Variant& value) {
    members().let(*this, name, value);
}
void VNTabCtl::Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) {
    members().set(*this, name, object);
}
Variant VNTabCtl::Call(std::string_view name, std::span<const Variant> args) {
    return members().call(*this, name, args);
}
std::optional<int32_t> VNTabCtl::DispId(std::string_view name) const {
    return members().dispid(name);
}

std::vector<std::string_view> VNTabCtl::PropertyNames() {
    std::vector<std::string_view> names;
    for (const auto& m : members().members())
        if (m.get) names.push_back(m.name);
    return names;
}

} // namespace vntab
