#include "contained/LateBound.h"
#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/user/OleColor.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

// The tabs in the container's property bag. Keys carry the tab's position i (and a record's
// position j) in decimal: "TabCaption3", "Tab2CtlCount", "Tab2Control1Name".
namespace vntab {

using rt::Variant;

namespace {

std::string tab_key(const char* name, int32_t i) {
    return name + std::to_string(i);
}
std::string count_key(int32_t i) {
    return "Tab" + std::to_string(i) + "CtlCount";
}
std::string record_key(int32_t i, int32_t j, const char* name) {
    return "Tab" + std::to_string(i) + "Control" + std::to_string(j) + name;
}

void save_records(host::PropertyBag& bag, int32_t i, const VNControls& page) {
    int32_t j = 0;
    for (const auto& record : page.records()) {
        ++j;
        // A record's name is always written: without it the record could not be found again.
        bag.Store(record_key(i, j, "Name"), Variant(record->Name()));
        bag.WriteProperty(record_key(i, j, "Index"), Variant(rt::to16(record->Index())),
                          Variant(int16_t(-1)));
        bag.WriteProperty(record_key(i, j, "TabStop"), Variant(record->TabStop()), Variant(true));
    }
    // Written even when 0, so a reader sees that the tab was saved with no controls.
    bag.Store(count_key(i), Variant(page.Count()));
}

// A record the page refuses (error 50001 for a key it already holds) is reported at the record's
// name, or at the tab's count when the name is missing: a count larger than the names saved makes
// records with no name, which share the empty key.
[[noreturn]] void refuse_record(const host::PropertyBag& bag, int32_t i, int32_t j, int16_t count,
                                const rt::AutomationError& error) {
    const std::string name_key = record_key(i, j, "Name");
    if (bag.Contains(name_key) || error.number != rt::kErrKeyAlreadyExists)
        throw rt::AutomationError(error.number, bag.Contains(name_key) ? name_key : count_key(i),
                                  error.description, error.help_context);
    int32_t named = 0, first_unnamed = 0;
    for (int32_t k = 1; k <= count; ++k) {
        if (bag.Contains(record_key(i, k, "Name")))
            ++named;
        else if (first_unnamed == 0)
            first_unnamed = k;
    }
    // The named records first: the count is what is wrong. Otherwise a name is missing.
    const std::string remedy = named < first_unnamed ? "set " + count_key(i) + " to " + std::to_string(named)
                                                     : "give " + record_key(i, first_unnamed, "Name") +
                                                           " and the other records a name";
    throw rt::AutomationError(error.number, count_key(i),
                              error.description + " (" + count_key(i) + " is " + std::to_string(count) +
                                  ", but only " + std::to_string(named) + " of those records " +
                                  (named == 1 ? "has" : "have") +
                                  " a name, and records without one share the empty key: " + remedy + ")",
                              error.help_context);
}

void load_records(host::PropertyBag& bag, int32_t i, VNControls& page,
                  const std::weak_ptr<ControlsOwner>& owner) {
    int16_t count = rt::CInt(bag.ReadProperty(count_key(i), Variant(int16_t(0))));
    for (int32_t j = 1; j <= count; ++j) {
        std::string name = rt::CStr(bag.ReadProperty(record_key(i, j, "Name"), Variant(std::string())));
        int16_t index = rt::CInt(bag.ReadProperty(record_key(i, j, "Index"), Variant(int16_t(-1))));
        std::shared_ptr<VNControl> record;
        try {
            record = page.Add(std::move(name), index, owner);
        } catch (const rt::AutomationError& e) {
            refuse_record(bag, i, j, count, e);
        }
        record->StoreTabStop(rt::CBool(bag.ReadProperty(record_key(i, j, "TabStop"), Variant(true))));
    }
}

// The contained control whose Name (and Index) make `key`, or null.
std::shared_ptr<rt::Dispatch> control_with_key(const std::string& key,
                                               std::span<const std::shared_ptr<rt::Dispatch>> contained) {
    for (const auto& control : contained) {
        if (!control) continue;
        if (auto found = ContainedControlKey(*control); found && *found == key) return control;
    }
    return nullptr;
}

} // namespace

void VNTabs::SaveTabs(host::PropertyBag& bag) const {
    bag.WriteProperty("NumTabs", Variant(Count()), Variant(int16_t(0)));
    for (const auto& tab : m_tabs) {
        int32_t i = tab->Index();
        bag.WriteProperty(tab_key("TabBackColor", i), Variant(tab->BackColor()),
                          Variant(user::kOleButtonFace));
        bag.WriteProperty(tab_key("TabCaption", i), Variant(tab->Caption()), Variant(std::string()));
        bag.WriteProperty(tab_key("TabColor3DDKShadow", i), Variant(tab->Color3DDKShadow()),
                          Variant(user::kOle3DDarkShadow));
        bag.WriteProperty(tab_key("TabColor3DHighlight", i), Variant(tab->Color3DHighlight()),
                          Variant(user::kOle3DHighlight));
        bag.WriteProperty(tab_key("TabColor3DShadow", i), Variant(tab->Color3DShadow()),
                          Variant(user::kOleButtonShadow));
        bag.WriteProperty(tab_key("TabForeColor", i), Variant(tab->ForeColor()),
                          Variant(user::kOleButtonText));
        bag.WriteProperty(tab_key("TabKey", i), Variant(rt::CStr(tab->Key())), Variant(std::string()));
        bag.WriteProperty(tab_key("TabPicture", i), Variant(tab->Picture()), Variant::Nothing());
        save_records(bag, i, *tab->Controls());
    }
}

void VNTabs::LoadTabs(host::PropertyBag& bag, std::string& access_keys) {
    std::weak_ptr<ControlsOwner> owner = ParentControl();
    int32_t count = rt::CLng(bag.ReadProperty("NumTabs", Variant(int32_t(0))));
    for (int32_t i = 1; i <= count; ++i) {
        auto tab = Add();
        tab->SetCaption(rt::CStr(bag.ReadProperty(tab_key("TabCaption", i), Variant(std::string()))));
        access_keys += static_cast<char>(tab->AccessKey());
        tab->SetIndex(i);
        tab->SetBackColor(
            rt::CLng(bag.ReadProperty(tab_key("TabBackColor", i), Variant(user::kOleButtonFace))));
        tab->SetColor3DDKShadow(
            rt::CLng(bag.ReadProperty(tab_key("TabColor3DDKShadow", i), Variant(user::kOle3DDarkShadow))));
        tab->SetColor3DHighlight(
            rt::CLng(bag.ReadProperty(tab_key("TabColor3DHighlight", i), Variant(user::kOle3DHighlight))));
        tab->SetColor3DShadow(
            rt::CLng(bag.ReadProperty(tab_key("TabColor3DShadow", i), Variant(user::kOleButtonShadow))));
        tab->SetForeColor(
            rt::CLng(bag.ReadProperty(tab_key("TabForeColor", i), Variant(user::kOleButtonText))));
        tab->SetKey(bag.ReadProperty(tab_key("TabKey", i), Variant(std::string())));
        Variant picture = bag.ReadProperty(tab_key("TabPicture", i), Variant::Nothing());
        tab->SetPicture(rt::CObj(picture));
        load_records(bag, i, *tab->Controls(), owner);
    }
}

bool VNTabs::BindControls(std::span<const std::shared_ptr<rt::Dispatch>> contained) const {
    if (contained.empty()) return true;
    auto owner = ParentControl();
    bool user_mode = owner && owner->UserMode();
    for (const auto& tab : m_tabs) {
        for (const auto& record : tab->Controls()->records()) {
            std::shared_ptr<rt::Dispatch> found = control_with_key(record->Key(), contained);
            if (!found) return false;
            if (user_mode) TryLet(*found, "TabStop", Variant(false));
            record->SetControl(found);
        }
    }
    return true;
}

std::vector<VNTabs::UnboundRecord>
VNTabs::UnboundRecords(std::span<const std::shared_ptr<rt::Dispatch>> contained) const {
    std::vector<UnboundRecord> unbound;
    for (const auto& tab : m_tabs) {
        int32_t j = 0;
        for (const auto& record : tab->Controls()->records()) {
            ++j;
            if (record->Control()) continue;
            unbound.push_back({record_key(tab->Index(), j, "Name"), record->Key(),
                               control_with_key(record->Key(), contained) != nullptr});
        }
    }
    return unbound;
}

} // namespace vntab
