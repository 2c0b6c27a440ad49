#include "tabs/VNTab.h"

#include "contained/VNControls.h"
#include "platform/automation/AutomationError.h"
#include "tabs/VNTabs.h"

#include <utility>

namespace vntab {

using rt::Variant;

namespace {

// Picture types as the picture object reports them.
constexpr int16_t kPicTypeBitmap = 1;
constexpr int16_t kPicTypeIcon = 3;

const rt::MemberTable<VNTab>& members() {
    using M = rt::Member<VNTab>;
    static const rt::MemberTable<VNTab> table({
        M{"Caption", 1, [](VNTab& t) { return Variant(t.Caption()); },
          [](VNTab& t, const Variant& v) { t.SetCaption(rt::CStr(v)); }},
        M{"BackColor", 2, [](VNTab& t) { return Variant(t.BackColor()); },
          [](VNTab& t, const Variant& v) { t.SetBackColor(rt::CLng(v)); }},
        M{"Color3DDKShadow", 3, [](VNTab& t) { return Variant(t.Color3DDKShadow()); },
          [](VNTab& t, const Variant& v) { t.SetColor3DDKShadow(rt::CLng(v)); }},
        M{"Color3DHighlight", 4, [](VNTab& t) { return Variant(t.Color3DHighlight()); },
          [](VNTab& t, const Variant& v) { t.SetColor3DHighlight(rt::CLng(v)); }},
        M{"Color3DShadow", 5, [](VNTab& t) { return Variant(t.Color3DShadow()); },
          [](VNTab& t, const Variant& v) { t.SetColor3DShadow(rt::CLng(v)); }},
        M{"ForeColor", 6, [](VNTab& t) { return Variant(t.ForeColor()); },
          [](VNTab& t, const Variant& v) { t.SetForeColor(rt::CLng(v)); }},
        M{"Index", 7, [](VNTab& t) { return Variant(t.Index()); }},
        M{"Key", 8, [](VNTab& t) { return t.Key(); }, [](VNTab& t, const Variant& v) { t.SetKey(v); }},
        M{"Picture", 9, [](VNTab& t) { return Variant(t.Picture()); }, nullptr,
          [](VNTab& t, const std::shared_ptr<rt::Dispatch>& p) { t.SetPicture(p); }},
        M{"Tag", 10, [](VNTab& t) { return t.Tag(); }, [](VNTab& t, const Variant& v) { t.SetTag(v); }},
        M{"Controls", 11, [](VNTab& t) { return Variant(t.Controls()); }},
    });
    return table;
}

} // namespace

std::shared_ptr<VNTab> VNTab::Create() {
    auto tab = std::make_shared<VNTab>();
    tab->m_controls = VNControls::Create();
    tab->m_controls->SetParent(tab);
    return tab;
}

void VNTab::Notify(const char* property) {
    if (auto parent = Parent())
        parent->NotifyTabChanged(std::static_pointer_cast<VNTab>(shared_from_this()), property);
}

void VNTab::SetCaption(std::string caption) {
    m_caption = std::move(caption);
    m_access_key = AccessKeyOf(m_caption);
    Notify("Caption");
}

void VNTab::SetBackColor(int32_t color) {
    m_back_color = color;
    Notify("BackColor");
}

void VNTab::SetColor3DDKShadow(int32_t color) {
    m_color_3d_dk_shadow = color;
    Notify("Color3DDKShadow");
}

void VNTab::SetColor3DHighlight(int32_t color) {
    m_color_3d_highlight = color;
    Notify("Color3DHighlight");
}

void VNTab::SetColor3DShadow(int32_t color) {
    m_color_3d_shadow = color;
    Notify("Color3DShadow");
}

void VNTab::SetForeColor(int32_t color) {
    m_fore_color = color;
    Notify("ForeColor");
}

void VNTab::SetKey(const Variant& key) {
    const auto parent = Parent();
    if (parent && parent->KeyExists(key)) rt::raise_error(rt::kErrKeyAlreadyExists, "VNTab");
    const Variant old_key = std::exchange(m_key, key);
    if (parent) parent->OnKeyChanged(*this, old_key);
    Notify("Key");
}

void VNTab::SetPicture(std::shared_ptr<rt::Dispatch> picture) {
    if (picture) {
        int16_t type = rt::CInt(picture->Get("Type"));
        if (type != kPicTypeBitmap && type != kPicTypeIcon) return;
    }
    m_picture = std::move(picture);
    Notify("Picture");
}

Variant VNTab::Get(std::string_view name) {
    return members().get(*this, name);
}
void VNTab::Let(std::string_view name, const Variant& value) {
    members().let(*this, name, value);
}
void VNTab::Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) {
    members().set(*this, name, object);
}
Variant VNTab::Call(std::string_view name, std::span<const Variant> args) {
    return members().call(*this, name, args);
}
std::optional<int32_t> VNTab::DispId(std::string_view name) const {
    return members().dispid(name);
}

} // namespace vntab
