#pragma once

#include "contained/ControlsOwner.h"
#include "platform/automation/Dispatch.h"
#include "platform/gdi/Handles.h"
#include "platform/user/OleColor.h"
#include "tabs/AccessKey.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vntab {

class VNControls;
class VNTabs;

// One tab of a VNTabCtl: its caption with an optional access key, its colours and picture, a key
// unique within its collection, free data (Tag) and the records of the controls placed on it.
// Tabs are made only by VNTabs::Add. Every settable property but Tag tells the owning collection
// about the change by name, which the control turns into a repaint.
class VNTab final : public rt::Dispatch, public OwningTab {
public:
    static std::shared_ptr<VNTab> Create();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);
    int32_t BackColor() const { return m_back_color; }
    void SetBackColor(int32_t color);
    int32_t Color3DDKShadow() const { return m_color_3d_dk_shadow; }
    void SetColor3DDKShadow(int32_t color);
    int32_t Color3DHighlight() const { return m_color_3d_highlight; }
    void SetColor3DHighlight(int32_t color);
    int32_t Color3DShadow() const { return m_color_3d_shadow; }
    void SetColor3DShadow(int32_t color);
    int32_t ForeColor() const { return m_fore_color; }
    void SetForeColor(int32_t color);
    int32_t Index() const override { return m_index; }
    const rt::Variant& Key() const { return m_key; }
    // Error 50001 "Key already exists." when any tab of the collection, this one included, has the
    // key (trimmed, ignoring case); the old key stays.
    void SetKey(const rt::Variant& key);
    const std::shared_ptr<rt::Dispatch>& Picture() const { return m_picture; }
    // Nothing clears the picture; a bitmap (Type 1) or icon (Type 3) is kept; any other picture is
    // ignored and the old one stays.
    void SetPicture(std::shared_ptr<rt::Dispatch> picture);
    const rt::Variant& Tag() const { return m_tag; }
    void SetTag(rt::Variant tag) { m_tag = std::move(tag); }
    const std::shared_ptr<VNControls>& Controls() const { return m_controls; }

    // Used inside the control only.
    uint8_t AccessKey() const { return m_access_key; }
    void SetIndex(int32_t index) { m_index = index; }
    // The owning collection; nothing once the collection is gone.
    std::shared_ptr<VNTabs> Parent() const { return m_parent.lock(); }
    void SetParent(std::weak_ptr<VNTabs> parent) { m_parent = std::move(parent); }
    // The header rectangle the layout computed, in client pixels; empty until the first layout.
    const gdi::RECT& TabRect() const { return m_tab_rect; }
    void SetTabRect(const gdi::RECT& rect) { m_tab_rect = rect; }

    std::string TypeName() const override { return "VNTab"; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) override;
    using rt::Dispatch::Call;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

private:
    void Notify(const char* property);

    uint8_t m_access_key = kNoAccessKey;
    std::string m_caption;
    int32_t m_back_color = user::kOleButtonFace;
    int32_t m_color_3d_dk_shadow = user::kOle3DDarkShadow;
    int32_t m_color_3d_highlight = user::kOle3DHighlight;
    int32_t m_color_3d_shadow = user::kOleButtonShadow;
    int32_t m_fore_color = user::kOleButtonText;
    std::shared_ptr<rt::Dispatch> m_picture;
    rt::Variant m_tag;
    rt::Variant m_key;
    // Not counted: the collection owns its tabs, and a tab the program keeps must not keep the
    // collection (and through it every other tab) alive in a cycle.
    std::weak_ptr<VNTabs> m_parent;
    int32_t m_index = 0;
    gdi::RECT m_tab_rect;
    std::shared_ptr<VNControls> m_controls;
};

} // namespace vntab
