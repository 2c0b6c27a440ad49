#include "control/VNTabCtl.h"

#include "platform/automation/AutomationError.h"
#include "tabs/VNTabs.h"

// The control's automation interface: every property and method by name, with the dispatch
// identifiers of its type library (the four standard ones negative), in interface order. Values
// arrive as variants and are coerced to the property's type before the typed set runs.
namespace vntab {

using rt::Variant;

namespace {

using T = VNTabCtl;
using M = rt::Member<T>;
using Obj = std::shared_ptr<rt::Dispatch>;

std::shared_ptr<rt::StdFont> font_of(const Obj& object) {
    if (!object) return nullptr;
    auto font = std::dynamic_pointer_cast<rt::StdFont>(object);
    if (!font) rt::raise_error(rt::kErrTypeMismatch, "VNTabCtl");
    return font;
}

Variant done() {
    return Variant();
}

const rt::MemberTable<T>& members() {
    static const rt::MemberTable<T> table({
        M{"BackColor", 0x68030021, [](T& c) { return Variant(c.BackColor()); },
          [](T& c, const Variant& v) { c.SetBackColor(rt::CLng(v)); }},
        M{"Enabled", 0x68030020, [](T& c) { return Variant(c.Enabled()); },
          [](T& c, const Variant& v) { c.SetEnabled(rt::CBool(v)); }},
        M{"FocusRectStyle", 0x6803001F, [](T& c) { return Variant(c.FocusRectStyle()); },
          [](T& c, const Variant& v) { c.SetFocusRectStyle(rt::CLng(v)); }},
        M{"hwnd", 0x6803001E, [](T& c) { return Variant(c.hWnd()); }},
        M{"Orientation", 0x6803001D, [](T& c) { return Variant(c.Orientation()); },
          [](T& c, const Variant& v) { c.SetOrientation(rt::CLng(v)); }},
        M{"TabPictureAlign", 0x6803001C, [](T& c) { return Variant(c.TabPictureAlign()); },
          [](T& c, const Variant& v) { c.SetTabPictureAlign(rt::CLng(v)); }},
        M{"TabRows", 0x6803001B, [](T& c) { return Variant(c.TabRows()); },
          [](T& c, const Variant& v) { c.SetTabRows(rt::CInt(v)); }},
        M{"Tab3DAppearance", -504, [](T& c) { return Variant(c.Tab3DAppearance()); },
          [](T& c, const Variant& v) { c.SetTab3DAppearance(rt::CLng(v)); }},
        M{"TabActive", 0x6803001A, [](T& c) { return Variant(c.TabActive()); },
          [](T& c, const Variant& v) { c.SetTabActive(rt::CInt(v)); }},
        M{"TabActiveBevel", 0x68030019, [](T& c) { return Variant(c.TabActiveBevel()); },
          [](T& c, const Variant& v) { c.SetTabActiveBevel(rt::CInt(v)); }},
        M{"TabActiveBold", 0x68030018, [](T& c) { return Variant(c.TabActiveBold()); },
          [](T& c, const Variant& v) { c.SetTabActiveBold(rt::CBool(v)); }},
        M{"TabActiveInflate", 0x68030017, [](T& c) { return Variant(c.TabActiveInflate()); },
          [](T& c, const Variant& v) { c.SetTabActiveInflate(rt::CSng(v)); }},
        M{"TabBackColor", -501, [](T& c) { return Variant(c.TabBackColor()); },
          [](T& c, const Variant& v) { c.SetTabBackColor(rt::CLng(v)); }},
        M{"TabCaption", -518, [](T& c) { return Variant(c.TabCaption()); },
          [](T& c, const Variant& v) { c.SetTabCaption(rt::CStr(v)); }},
        M{"TabCaptionAlign", 0x68030016, [](T& c) { return Variant(c.TabCaptionAlign()); },
          [](T& c, const Variant& v) { c.SetTabCaptionAlign(rt::CLng(v)); }},
        M{"TabCaptionFont", 0x68030015, [](T& c) { return Variant(c.TabCaptionFont()); }, nullptr,
          [](T& c, const Obj& o) { c.SetTabCaptionFont(font_of(o)); }},
        M{"TabColor3DDKShadow", 0x68030014, [](T& c) { return Variant(c.TabColor3DDKShadow()); },
          [](T& c, const Variant& v) { c.SetTabColor3DDKShadow(rt::CLng(v)); }},
        M{"TabColor3DHighlight", 0x68030013, [](T& c) { return Variant(c.TabColor3DHighlight()); },
          [](T& c, const Variant& v) { c.SetTabColor3DHighlight(rt::CLng(v)); }},
        M{"TabColor3DShadow", 0x68030012, [](T& c) { return Variant(c.TabColor3DShadow()); },
          [](T& c, const Variant& v) { c.SetTabColor3DShadow(rt::CLng(v)); }},
        M{"TabCount", 0x68030011, [](T& c) { return Variant(c.TabCount()); },
          [](T& c, const Variant& v) { c.SetTabCount(rt::CInt(v)); }},
        M{"TabForeColor", 0x68030010, [](T& c) { return Variant(c.TabForeColor()); },
          [](T& c, const Variant& v) { c.SetTabForeColor(rt::CLng(v)); }},
        M{"TabPicture", 0x6803000F, [](T& c) { return Variant(c.TabPicture()); }, nullptr,
          [](T& c, const Obj& o) { c.SetTabPicture(o); }},
        M{"TabStyleHeight", 0x6803000E, [](T& c) { return Variant(c.TabStyleHeight()); },
          [](T& c, const Variant& v) { c.SetTabStyleHeight(rt::CInt(v)); }},
        M{"TabStyleWidth", 0x6803000D, [](T& c) { return Variant(c.TabStyleWidth()); },
          [](T& c, const Variant& v) { c.SetTabStyleWidth(rt::CInt(v)); }},
        M{"TabHeight", 0x6803000C, [](T& c) { return Variant(c.TabHeight()); },
          [](T& c, const Variant& v) { c.SetTabHeight(rt::CLng(v)); }},
        M{"TabJustification", 0x6803000B, [](T& c) { return Variant(c.TabJustification()); },
          [](T& c, const Variant& v) { c.SetTabJustification(rt::CLng(v)); }},
        M{"TabRowOffset", 0x6803000A, [](T& c) { return Variant(c.TabRowOffset()); },
          [](T& c, const Variant& v) { c.SetTabRowOffset(rt::CSng(v)); }},
        M{"TabRowSeparation", 0x68030009, [](T& c) { return Variant(c.TabRowSeparation()); },
          [](T& c, const Variant& v) { c.SetTabRowSeparation(rt::CInt(v)); }},
        M{"Tabs", 0x68030008, [](T& c) { return Variant(c.Tabs()); }},
        M{"TabSeparation", 0x68030007, [](T& c) { return Variant(c.TabSeparation()); },
          [](T& c, const Variant& v) { c.SetTabSeparation(rt::CInt(v)); }},
        M{"TabsPerRow", 0x68030006, [](T& c) { return Variant(c.TabsPerRow()); },
          [](T& c, const Variant& v) { c.SetTabsPerRow(rt::CInt(v)); }},
        M{"TabStyle", 0x68030005, [](T& c) { return Variant(c.TabStyle()); },
          [](T& c, const Variant& v) { c.SetTabStyle(rt::CLng(v)); }},
        M{"TabWidth", 0x68030004, [](T& c) { return Variant(c.TabWidth()); },
          [](T& c, const Variant& v) { c.SetTabWidth(rt::CLng(v)); }},
        M{"Tag", 0x68030003, [](T& c) { return c.Tag(); }, [](T& c, const Variant& v) { c.SetTag(v); },
          [](T& c, const Obj& o) { c.SetTag(Variant(o)); }},
        M{"OLEDropMode", 0x6803FE0C, [](T& c) { return Variant(c.OLEDropMode()); },
          [](T& c, const Variant& v) { c.SetOLEDropMode(rt::CLng(v)); }},
        M{"RepaintControl", 0x60030071, nullptr, nullptr, nullptr, [](T& c, std::span<const Variant>) {
              c.RepaintControl();
              return done();
          }},
        M{"Refresh", 0x60030075, nullptr, nullptr, nullptr, [](T& c, std::span<const Variant>) {
              c.Refresh();
              return done();
          }},
        M{"OleDrag", 0x6003FE67, nullptr, nullptr, nullptr, [](T& c, std::span<const Variant>) {
              c.OleDrag();
              return done();
          }},
    });
    return table;
}

} // namespace

Variant VNTabCtl::Get(std::string_view name) {
    return members().get(*this, name);
}
void VNTabCtl::Let(std::string_view name, const Variant& value) {
    members().let(*this, name, value);
}
void VNTabCtl::Set(std::string_view name, const Obj& object) {
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
