#include "control/VNTabCtl.h"
#include "layout/Constants.h"

#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/user/OleColor.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

// The control's design in the container's property bag. Lengths are saved in pixels, as stored.
// Keys are written and read in one fixed order; a key equal to its default is left out by the bag,
// and reading a missing key gives that default back.
namespace vntab {

using rt::Variant;

namespace {

Variant integer(int32_t value) {
    return Variant(rt::to16(value));
}
Variant integer_default(int16_t value) {
    return Variant(value);
}
Variant long_default(int32_t value) {
    return Variant(value);
}

// A font of the program's own: the control changes its caption font's settings without touching
// the form's font, and a change is not mistaken for the default when saved.
Variant font_copy(const std::shared_ptr<rt::StdFont>& font) {
    if (!font) return Variant::Nothing();
    return Variant(font->Clone());
}

std::shared_ptr<rt::StdFont> as_font(const Variant& value) {
    auto object = rt::CObj(value);
    if (!object) return nullptr;
    auto font = std::dynamic_pointer_cast<rt::StdFont>(object);
    if (!font) rt::raise_error(rt::kErrTypeMismatch, "TabCaptionFont");
    return font;
}

} // namespace

bool VNTabCtl::ContainedControlsAvailable() const {
    try {
        m_site.ContainedControls();
        return true;
    } catch (const rt::AutomationError&) {
        return false;
    }
}

void VNTabCtl::InitProperties() {
    m_tabs->Add();
    m_state.BackColor = user::kOleButtonFace;
    m_state.Enabled = true;
    m_state.FocusRectStyle = vnFocusRectNone;
    m_state.Orientation = vnOrientationTop;
    SetTab3DAppearance(vn3DAuto);
    m_state.TabActive = 1;
    m_state.TabActiveBevel = 2;
    m_state.TabActiveBold = false;
    m_state.TabActiveInflate = 2;
    m_state.TabCaptionAlign = vnTextMiddleCenter;
    auto form_font = m_site.ParentFont();
    m_state.TabCaptionFont = form_font ? form_font->Clone() : nullptr;
    m_state.TabStyleHeight = 0;
    m_state.TabStyleWidth = 0;
    m_state.TabHeight = 20;
    m_state.TabJustification = vnJustifiedNone;
    m_state.TabRowOffset = 10;
    m_state.TabRows = 0;
    SetTabRowSeparation(0);
    m_state.TabsPerRow = 0;
    m_state.TabStyle = vnTabNormal;
    m_state.TabWidth = 50;
    // A new control has no saved records waiting for their controls.
    m_state.Bound = true;
    m_state.NewInstance = true;
    m_state.RotationWarned = false;
}

void VNTabCtl::ReadProperties(host::PropertyBag& bag) {
    auto read = [&bag](std::string_view name, const Variant& default_value) {
        return bag.ReadProperty(name, default_value);
    };
    TabCtlState& s = m_state;
    s.BackColor = rt::CLng(read("BackColor", long_default(user::kOleButtonFace)));
    s.Enabled = rt::CBool(read("Enabled", Variant(true)));
    if (UserMode()) m_site.SetEnabled(s.Enabled);
    s.FocusRectStyle = rt::CLng(read("FocusRectStyle", long_default(0)));
    s.Orientation = rt::CLng(read("OrientationConstants", long_default(0)));
    // Through the property: the look actually drawn follows from it.
    SetTab3DAppearance(rt::CLng(read("Tab3DAppearance", long_default(0))));
    s.TabActiveBevel = rt::CInt(read("TabActiveBevel", integer_default(2)));
    s.TabActiveBold = rt::CBool(read("TabActiveBold", Variant(false)));
    s.TabActiveInflate = rt::CInt(read("TabActiveInflate", integer_default(2)));
    s.TabCaptionAlign = rt::CLng(read("TabCaptionAlign", long_default(vnTextMiddleCenter)));
    s.TabCaptionFont = as_font(read("TabCaptionFont", font_copy(m_site.AmbientFont())));
    s.TabStyleHeight = rt::CInt(read("TabStyleHeight", integer_default(0)));
    s.TabStyleWidth = rt::CInt(read("TabStyleWidth", integer_default(0)));
    s.TabHeight = rt::CInt(read("TabHeight", integer_default(20)));
    s.TabJustification = rt::CLng(read("TabJustification", long_default(0)));
    s.TabPictureAlign = rt::CLng(read("TabPictureAlign", long_default(0)));
    s.TabRowOffset = rt::CInt(read("TabRowOffset", integer_default(10)));
    s.TabRows = rt::CInt(read("TabRows", integer_default(0)));
    s.TabRowSeparation = rt::CInt(read("TabRowSeparation", integer_default(0)));
    s.TabSeparation = rt::CInt(read("TabSeparation", integer_default(0)));
    s.TabsPerRow = rt::CInt(read("TabsPerRow", integer_default(0)));
    s.TabStyle = rt::CLng(read("TabStyle", long_default(0)));
    s.TabWidth = rt::CInt(read("TabWidth", integer_default(50)));
    s.DrawTabRowSeparation = rt::CInt(read("DrawTabRowSeparation", integer_default(0)));

    // The tabs announce themselves as they are read; the loading flag keeps those announcements
    // from repainting or rewriting the access keys, which are written once at the end. A load
    // stopped by an error (a duplicate key) keeps the tabs read before it, with their access keys.
    s.TabActive = 1;
    s.Loading = true;
    std::string keys;
    auto finish = [&] {
        SetAccessKeys(keys);
        s.Loading = false;
        ApplyDrawTabRowSeparation();
    };
    try {
        m_tabs->LoadTabs(bag, keys);
    } catch (const rt::AutomationError&) {
        finish();
        throw;
    }
    finish();
}

void VNTabCtl::WriteProperties(host::PropertyBag& bag) {
    const TabCtlState& s = m_state;
    bag.WriteProperty("BackColor", Variant(s.BackColor), long_default(user::kOleButtonFace));
    bag.WriteProperty("Enabled", Variant(s.Enabled), Variant(true));
    bag.WriteProperty("FocusRectStyle", Variant(s.FocusRectStyle), long_default(0));
    bag.WriteProperty("OrientationConstants", Variant(s.Orientation), long_default(0));
    bag.WriteProperty("Tab3DAppearance", Variant(s.Tab3DAppearance), long_default(0));
    bag.WriteProperty("TabActiveBevel", Variant(s.TabActiveBevel), integer_default(2));
    bag.WriteProperty("TabActiveBold", Variant(s.TabActiveBold), Variant(false));
    bag.WriteProperty("TabActiveInflate", Variant(s.TabActiveInflate), integer_default(2));
    bag.WriteProperty("TabCaptionFont", Variant(s.TabCaptionFont), Variant(m_site.ParentFont()));
    bag.WriteProperty("TabCaptionAlign", Variant(s.TabCaptionAlign), long_default(vnTextMiddleCenter));
    bag.WriteProperty("TabStyleHeight", Variant(s.TabStyleHeight), integer_default(0));
    bag.WriteProperty("TabStyleWidth", Variant(s.TabStyleWidth), integer_default(0));
    bag.WriteProperty("TabHeight", integer(s.TabHeight), integer_default(20));
    bag.WriteProperty("TabJustification", Variant(s.TabJustification), long_default(0));
    bag.WriteProperty("TabPictureAlign", Variant(s.TabPictureAlign), long_default(0));
    bag.WriteProperty("TabRowOffset", integer(s.TabRowOffset), integer_default(10));
    bag.WriteProperty("TabRows", Variant(s.TabRows), integer_default(0));
    bag.WriteProperty("TabRowSeparation", integer(s.TabRowSeparation), integer_default(0));
    bag.WriteProperty("TabSeparation", Variant(s.TabSeparation), integer_default(0));
    bag.WriteProperty("TabsPerRow", Variant(s.TabsPerRow), integer_default(0));
    bag.WriteProperty("TabStyle", Variant(s.TabStyle), long_default(0));
    bag.WriteProperty("TabWidth", integer(s.TabWidth), integer_default(50));
    bag.WriteProperty("DrawTabRowSeparation", Variant(s.DrawTabRowSeparation), integer_default(0));

    // The container saves every contained control where it stands: all of them go out of view, so
    // that each is saved in its hidden place. Painting waits until the tabs are next rearranged.
    if (m_state.Bound && ContainedControlsAvailable()) {
        try {
            SyncActiveTabControls();
        } catch (const rt::AutomationError&) {
            // The records are saved as they stand.
        }
        try {
            HideTabControls();
        } catch (const rt::AutomationError&) {
            // A control that cannot move is saved where it is.
        }
        m_state.Bound = false;
        m_state.Busy = true;
    }
    m_tabs->SaveTabs(bag);
}

} // namespace vntab
