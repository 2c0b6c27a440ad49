#include "control/ControlProperty.h"
#include "control/VNTabCtl.h"

#include "layout/Constants.h"
#include "platform/automation/AutomationError.h"
#include "platform/user/OleColor.h"
#include "tabs/VNTabs.h"

// The control's properties, one row each, in the order of its automation interface: the name and
// dispatch identifier of the type library (the four standard ones negative), the typed accessors
// that values arriving as variants are coerced for, and the key the container saves the property
// under. Lengths are saved in pixels, as stored. InitProperties, ReadProperties, WriteProperties
// and the automation member table all work from this one table.
namespace vntab {

SavedKey SavedKey::Named(std::string_view name) const {
    SavedKey copy = *this;
    copy.key = name;
    return copy;
}
SavedKey SavedKey::ReadBy(Apply apply) const {
    SavedKey copy = *this;
    copy.on_read = apply;
    return copy;
}
SavedKey SavedKey::InitBy(Apply apply) const {
    SavedKey copy = *this;
    copy.on_init = apply;
    return copy;
}
SavedKey SavedKey::AfterRead(void (VNTabCtl::*step)()) const {
    SavedKey copy = *this;
    copy.after_read = step;
    return copy;
}

SavedKey SavedKey::Accepting(std::optional<std::string> (*check)(const VNTabCtl&, int32_t)) const {
    SavedKey copy = *this;
    copy.refused = check;
    return copy;
}

SavedKey Integer(int16_t TabCtlState::*field, int16_t default_value, BagOrder at) {
    return {BagType::Integer, field, default_value, at};
}
SavedKey Integer(int32_t TabCtlState::*field, int16_t default_value, BagOrder at) {
    return {BagType::Integer, field, default_value, at};
}
SavedKey Long(int32_t TabCtlState::*field, int32_t default_value, BagOrder at) {
    return {BagType::Long, field, default_value, at};
}
SavedKey Boolean(bool TabCtlState::*field, bool default_value, BagOrder at) {
    return {BagType::Boolean, field, default_value ? 1 : 0, at};
}
SavedKey Font(std::shared_ptr<rt::StdFont> TabCtlState::*field, BagOrder at) {
    return {BagType::Font, field, 0, at};
}

namespace {

using rt::Variant;
using S = TabCtlState;
using T = VNTabCtl;
using Obj = std::shared_ptr<rt::Dispatch>;
using P = ControlProperty;

// The values each set accepts, for values read from a saved form as they are: the same bounds as
// the sets in Properties.cpp check (a test holds the two together), lengths in stored pixels.
template <int32_t Low, int32_t High>
std::optional<std::string> within(const VNTabCtl&, int32_t stored) {
    if (stored >= Low && stored <= High) return std::nullopt;
    return std::to_string(Low) + " to " + std::to_string(High);
}
template <int32_t Low>
std::optional<std::string> at_least(const VNTabCtl&, int32_t stored) {
    if (stored >= Low) return std::nullopt;
    return std::to_string(Low) + " or more";
}
std::optional<std::string> ole_color(const VNTabCtl&, int32_t stored) {
    if ((static_cast<uint32_t>(stored) & 0x7F000000u) == 0) return std::nullopt;
    return "an RGB colour &H00BBGGRR& or a system colour &H800000nn&";
}
std::optional<std::string> rows_of_tabs(const VNTabCtl& c, int32_t stored) {
    if (stored >= 0 && stored <= c.TabCount()) return std::nullopt;
    return "0 to " + std::to_string(c.TabCount()) + ", the number of tabs";
}
std::optional<std::string> style_height(const VNTabCtl& c, int32_t stored) {
    if (stored >= 0 && stored <= c.State().TabHeight) return std::nullopt;
    return "0 to " + std::to_string(c.State().TabHeight) + ", the TabHeight";
}
std::optional<std::string> style_width(const VNTabCtl& c, int32_t stored) {
    if (stored >= 0 && stored <= c.State().TabWidth / 2.0) return std::nullopt;
    return "0 to " + std::to_string(c.State().TabWidth / 2) + ", half the TabWidth";
}

std::shared_ptr<rt::StdFont> font_of(const Obj& object) {
    if (!object) return nullptr;
    auto font = std::dynamic_pointer_cast<rt::StdFont>(object);
    if (!font) rt::raise_error(rt::kErrTypeMismatch, "VNTabCtl");
    return font;
}

} // namespace

std::span<const ControlProperty> VNTabCtl::Properties() {
    static const ControlProperty table[] = {
        P{{"BackColor", 0x68030021, [](T& c) { return Variant(c.BackColor()); },
           [](T& c, const Variant& v) { c.SetBackColor(rt::CLng(v)); }},
          Long(&S::BackColor, user::kOleButtonFace, {1, 1}).Accepting(ole_color)},
        P{{"Enabled", 0x68030020, [](T& c) { return Variant(c.Enabled()); },
           [](T& c, const Variant& v) { c.SetEnabled(rt::CBool(v)); }},
          Boolean(&S::Enabled, true, {2, 2}).AfterRead(&VNTabCtl::EnableWindowAtRunTime)},
        P{{"FocusRectStyle", 0x6803001F, [](T& c) { return Variant(c.FocusRectStyle()); },
           [](T& c, const Variant& v) { c.SetFocusRectStyle(rt::CLng(v)); }},
          Long(&S::FocusRectStyle, vnFocusRectNone, {3, 3})
              .Accepting(within<vnFocusRectNone, vnFocusRectText>)},
        P{{"hwnd", 0x6803001E, [](T& c) { return Variant(c.hWnd()); }}},
        // Saved under the name of its enumeration, which is also what its set reports.
        P{{"Orientation", 0x6803001D, [](T& c) { return Variant(c.Orientation()); },
           [](T& c, const Variant& v) { c.SetOrientation(rt::CLng(v)); }},
          Long(&S::Orientation, vnOrientationTop, {4, 4})
              .Named("OrientationConstants")
              .Accepting(within<vnOrientationTop, vnOrientationLeft>)},
        P{{"TabPictureAlign", 0x6803001C, [](T& c) { return Variant(c.TabPictureAlign()); },
           [](T& c, const Variant& v) { c.SetTabPictureAlign(rt::CLng(v)); }},
          Long(&S::TabPictureAlign, vnPictTopLeft, {15, 15})
              .Accepting(within<vnPictTopLeft, vnPictBelowText>)},
        P{{"TabRows", 0x6803001B, [](T& c) { return Variant(c.TabRows()); },
           [](T& c, const Variant& v) { c.SetTabRows(rt::CInt(v)); }},
          Integer(&S::TabRows, 0, {17, 17}).Accepting(rows_of_tabs)},
        // Always through its set: the look actually drawn follows from it.
        P{{"Tab3DAppearance", -504, [](T& c) { return Variant(c.Tab3DAppearance()); },
           [](T& c, const Variant& v) { c.SetTab3DAppearance(rt::CLng(v)); }},
          Long(&S::Tab3DAppearance, vn3DAuto, {5, 5}).ReadBy(Apply::Let).InitBy(Apply::Let)},
        P{{"TabActive", 0x6803001A, [](T& c) { return Variant(c.TabActive()); },
           [](T& c, const Variant& v) { c.SetTabActive(rt::CInt(v)); }}},
        P{{"TabActiveBevel", 0x68030019, [](T& c) { return Variant(c.TabActiveBevel()); },
           [](T& c, const Variant& v) { c.SetTabActiveBevel(rt::CInt(v)); }},
          Integer(&S::TabActiveBevel, 2, {6, 6}).Accepting(at_least<0>)},
        P{{"TabActiveBold", 0x68030018, [](T& c) { return Variant(c.TabActiveBold()); },
           [](T& c, const Variant& v) { c.SetTabActiveBold(rt::CBool(v)); }},
          Boolean(&S::TabActiveBold, false, {7, 7})},
        P{{"TabActiveInflate", 0x68030017, [](T& c) { return Variant(c.TabActiveInflate()); },
           [](T& c, const Variant& v) { c.SetTabActiveInflate(rt::CSng(v)); }},
          Integer(&S::TabActiveInflate, 2, {8, 8}).Accepting(at_least<0>)},
        P{{"TabBackColor", -501, [](T& c) { return Variant(c.TabBackColor()); },
           [](T& c, const Variant& v) { c.SetTabBackColor(rt::CLng(v)); }}},
        P{{"TabCaption", -518, [](T& c) { return Variant(c.TabCaption()); },
           [](T& c, const Variant& v) { c.SetTabCaption(rt::CStr(v)); }}},
        P{{"TabCaptionAlign", 0x68030016, [](T& c) { return Variant(c.TabCaptionAlign()); },
           [](T& c, const Variant& v) { c.SetTabCaptionAlign(rt::CLng(v)); }},
          Long(&S::TabCaptionAlign, vnTextMiddleCenter, {9, 10})
              .Accepting(within<vnTextTopLeft, vnTextBottomCenter>)},
        // Saved forms keep the font before its alignment, though it is read after it.
        P{{"TabCaptionFont", 0x68030015, [](T& c) { return Variant(c.TabCaptionFont()); }, nullptr,
           [](T& c, const Obj& o) { c.SetTabCaptionFont(font_of(o)); }},
          Font(&S::TabCaptionFont, {10, 9})},
        P{{"TabColor3DDKShadow", 0x68030014, [](T& c) { return Variant(c.TabColor3DDKShadow()); },
           [](T& c, const Variant& v) { c.SetTabColor3DDKShadow(rt::CLng(v)); }}},
        P{{"TabColor3DHighlight", 0x68030013, [](T& c) { return Variant(c.TabColor3DHighlight()); },
           [](T& c, const Variant& v) { c.SetTabColor3DHighlight(rt::CLng(v)); }}},
        P{{"TabColor3DShadow", 0x68030012, [](T& c) { return Variant(c.TabColor3DShadow()); },
           [](T& c, const Variant& v) { c.SetTabColor3DShadow(rt::CLng(v)); }}},
        P{{"TabCount", 0x68030011, [](T& c) { return Variant(c.TabCount()); },
           [](T& c, const Variant& v) { c.SetTabCount(rt::CInt(v)); }}},
        P{{"TabForeColor", 0x68030010, [](T& c) { return Variant(c.TabForeColor()); },
           [](T& c, const Variant& v) { c.SetTabForeColor(rt::CLng(v)); }}},
        P{{"TabPicture", 0x6803000F, [](T& c) { return Variant(c.TabPicture()); }, nullptr,
           [](T& c, const Obj& o) { c.SetTabPicture(o); }}},
        P{{"TabStyleHeight", 0x6803000E, [](T& c) { return Variant(c.TabStyleHeight()); },
           [](T& c, const Variant& v) { c.SetTabStyleHeight(rt::CInt(v)); }},
          Integer(&S::TabStyleHeight, 0, {11, 11}).Accepting(style_height)},
        P{{"TabStyleWidth", 0x6803000D, [](T& c) { return Variant(c.TabStyleWidth()); },
           [](T& c, const Variant& v) { c.SetTabStyleWidth(rt::CInt(v)); }},
          Integer(&S::TabStyleWidth, 0, {12, 12}).Accepting(style_width)},
        P{{"TabHeight", 0x6803000C, [](T& c) { return Variant(c.TabHeight()); },
           [](T& c, const Variant& v) { c.SetTabHeight(rt::CLng(v)); }},
          Integer(&S::TabHeight, 20, {13, 13}).Accepting(at_least<0>)},
        P{{"TabJustification", 0x6803000B, [](T& c) { return Variant(c.TabJustification()); },
           [](T& c, const Variant& v) { c.SetTabJustification(rt::CLng(v)); }},
          Long(&S::TabJustification, vnJustifiedNone, {14, 14})
              .Accepting(within<vnJustifiedNone, vnJustifiedByCaption>)},
        P{{"TabRowOffset", 0x6803000A, [](T& c) { return Variant(c.TabRowOffset()); },
           [](T& c, const Variant& v) { c.SetTabRowOffset(rt::CSng(v)); }},
          Integer(&S::TabRowOffset, 10, {16, 16}).Accepting(at_least<0>)},
        // A new control sets it through its set, which also computes the row distance drawn.
        P{{"TabRowSeparation", 0x68030009, [](T& c) { return Variant(c.TabRowSeparation()); },
           [](T& c, const Variant& v) { c.SetTabRowSeparation(rt::CInt(v)); }},
          Integer(&S::TabRowSeparation, 0, {18, 18}).InitBy(Apply::Let).Accepting(at_least<0>)},
        P{{"Tabs", 0x68030008, [](T& c) { return Variant(c.Tabs()); }}},
        P{{"TabSeparation", 0x68030007, [](T& c) { return Variant(c.TabSeparation()); },
           [](T& c, const Variant& v) { c.SetTabSeparation(rt::CInt(v)); }},
          Integer(&S::TabSeparation, 0, {19, 19}).Accepting(at_least<0>)},
        P{{"TabsPerRow", 0x68030006, [](T& c) { return Variant(c.TabsPerRow()); },
           [](T& c, const Variant& v) { c.SetTabsPerRow(rt::CInt(v)); }},
          Integer(&S::TabsPerRow, 0, {20, 20}).Accepting(at_least<0>)},
        P{{"TabStyle", 0x68030005, [](T& c) { return Variant(c.TabStyle()); },
           [](T& c, const Variant& v) { c.SetTabStyle(rt::CLng(v)); }},
          Long(&S::TabStyle, vnTabNormal, {21, 21}).Accepting(within<vnTabNormal, vnTabSquare>)},
        P{{"TabWidth", 0x68030004, [](T& c) { return Variant(c.TabWidth()); },
           [](T& c, const Variant& v) { c.SetTabWidth(rt::CLng(v)); }},
          Integer(&S::TabWidth, 50, {22, 22}).Accepting(at_least<0>)},
        P{{"Tag", 0x68030003, [](T& c) { return c.Tag(); }, [](T& c, const Variant& v) { c.SetTag(v); },
           [](T& c, const Obj& o) { c.SetTag(Variant(o)); }}},
        P{{"OLEDropMode", 0x6803FE0C, [](T& c) { return Variant(c.OLEDropMode()); },
           [](T& c, const Variant& v) { c.SetOLEDropMode(rt::CLng(v)); }}},
        // Not a property of the interface: the row distance drawn is saved, and computed again from
        // TabRowSeparation and TabHeight once the keys are read.
        P{{"DrawTabRowSeparation"}, Integer(&S::DrawTabRowSeparation, 0, {23, 23}).InitBy(Apply::Skip)},
    };
    return table;
}

} // namespace vntab
