#include "control/ControlProperty.h"
#include "control/VNTabCtl.h"

#include "hook/VNMsgHook.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Literal.h"
#include "tabs/VNTabs.h"

#include <algorithm>
#include <vector>

// The control's design in the container's property bag, from its properties table. Lengths are
// saved in pixels, as stored. The keys are read and written each in its own fixed order; a key
// equal to its default is left out by the bag, and reading a missing key gives that default back.
namespace vntab {

using rt::Variant;

namespace {

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without deduction from aggregate initialisation.
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

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

// The saved properties, ordered by their place as read or as written.
std::vector<const ControlProperty*> saved_in_order(int8_t BagOrder::*place) {
    std::vector<const ControlProperty*> saved;
    for (const ControlProperty& property : VNTabCtl::Properties())
        if (property.saved) saved.push_back(&property);
    std::sort(saved.begin(), saved.end(), [place](const ControlProperty* a, const ControlProperty* b) {
        return a->saved->at.*place < b->saved->at.*place;
    });
    return saved;
}

const std::vector<const ControlProperty*>& reading_order() {
    static const auto order = saved_in_order(&BagOrder::read);
    return order;
}
const std::vector<const ControlProperty*>& writing_order() {
    static const auto order = saved_in_order(&BagOrder::write);
    return order;
}

// The default of a number or boolean key, typed as the bag keeps the key.
Variant default_of(const SavedKey& key) {
    switch (key.type) {
    case BagType::Integer:
        return Variant(static_cast<int16_t>(key.default_value));
    case BagType::Boolean:
        return Variant(key.default_value != 0);
    default:
        return Variant(key.default_value);
    }
}

// A field's value as the bag keeps it. A length kept in 32 bits must fit the 16-bit key (error 6).
Variant bag_value(const TabCtlState& s, const SavedKey& key) {
    return std::visit(Overloaded{
                          [&](int16_t TabCtlState::*f) { return Variant(s.*f); },
                          [&](int32_t TabCtlState::*f) {
                              return key.type == BagType::Integer ? Variant(rt::to16(s.*f)) : Variant(s.*f);
                          },
                          [&](bool TabCtlState::*f) { return Variant(s.*f); },
                          [&](std::shared_ptr<rt::StdFont> TabCtlState::*f) { return Variant(s.*f); },
                      },
                      key.field);
}

// Stores a value in its field, converted to the key's type as the runtime converts it (error 13 or 6
// when it does not convert) and otherwise unchecked.
void store(TabCtlState& s, const SavedKey& key, const Variant& value) {
    std::visit(Overloaded{
                   [&](int16_t TabCtlState::*f) { s.*f = rt::CInt(value); },
                   [&](int32_t TabCtlState::*f) {
                       s.*f = key.type == BagType::Integer ? rt::CInt(value) : rt::CLng(value);
                   },
                   [&](bool TabCtlState::*f) { s.*f = rt::CBool(value); },
                   [&](std::shared_ptr<rt::StdFont> TabCtlState::*f) { s.*f = as_font(value); },
               },
               key.field);
}

void apply(VNTabCtl& ctl, const ControlProperty& property, Apply how, const Variant& value) {
    switch (how) {
    case Apply::Store:
        store(ctl.State(), *property.saved, value);
        break;
    case Apply::Let:
        property.member.let(ctl, value);
        break;
    case Apply::Skip:
        break;
    }
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

// Every key's default, in the order the keys are read. The caption font starts as a copy of the
// font of the form the control is placed on.
void VNTabCtl::InitProperties() {
    m_tabs->Add();
    m_state.TabActive = 1; // not saved: every control starts on its first tab
    for (const ControlProperty* property : reading_order()) {
        const SavedKey& key = *property->saved;
        const Variant value = key.type == BagType::Font ? font_copy(m_site.ParentFont()) : default_of(key);
        apply(*this, *property, key.on_init, value);
    }
    // A new control has no saved records waiting for their controls.
    m_state.Bound = true;
    m_state.NewInstance = true;
    m_state.RotationWarned = false;
    m_msg_hook->SetSubclass(true);
}

// A missing caption font reads as a copy of the container's ambient font.
void VNTabCtl::ReadProperties(host::PropertyBag& bag) {
    m_msg_hook->SetSubclass(true);
    for (const ControlProperty* property : reading_order()) {
        const SavedKey& key = *property->saved;
        const Variant fallback =
            key.type == BagType::Font ? font_copy(m_site.AmbientFont()) : default_of(key);
        apply(*this, *property, key.on_read, bag.ReadProperty(property->Key(), fallback));
        if (key.after_read) (this->*key.after_read)();
    }
    TabCtlState& s = m_state;

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
    ReportRefusedValues(bag);
}

// Values are read as they are saved, unchecked; the container hears of each saved value that the
// property's set would refuse, so that a form holding one says so.
void VNTabCtl::ReportRefusedValues(const host::PropertyBag& bag) {
    for (const ControlProperty* property : reading_order()) {
        const SavedKey& key = *property->saved;
        if (!key.refused || !bag.Contains(property->Key())) continue;
        const int32_t stored = rt::CLng(bag_value(m_state, key));
        const std::optional<std::string> accepted = key.refused(*this, stored);
        if (!accepted) continue;
        // Colours as a form file writes them.
        const bool colour = property->Key().find("Color") != std::string_view::npos;
        const std::string shown =
            colour ? rt::LongHexLiteral(static_cast<uint32_t>(stored)) : std::to_string(stored);
        m_site.ReportSavedValue(property->Key(),
                                shown + " is out of range (" + *accepted + "); it is kept as it is");
    }
}

// The caption font is left out while it has the settings of the form's font.
void VNTabCtl::WriteProperties(host::PropertyBag& bag) {
    for (const ControlProperty* property : writing_order()) {
        const SavedKey& key = *property->saved;
        const Variant fallback = key.type == BagType::Font ? Variant(m_site.ParentFont()) : default_of(key);
        bag.WriteProperty(property->Key(), bag_value(m_state, key), fallback);
    }

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
