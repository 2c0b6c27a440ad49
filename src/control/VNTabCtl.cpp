#include "control/VNTabCtl.h"

#include "platform/automation/Ansi.h"
#include "platform/user/Window.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace vntab {

std::shared_ptr<VNTabCtl> VNTabCtl::Create(host::ControlSite& site) {
    auto control = std::make_shared<VNTabCtl>(site);
    control->Initialize();
    return control;
}

VNTabCtl::VNTabCtl(host::ControlSite& site) : m_site(site) {}

std::weak_ptr<VNTabCtl> VNTabCtl::WeakSelf() {
    return std::static_pointer_cast<VNTabCtl>(shared_from_this());
}

void VNTabCtl::Initialize() {
    m_tabs = VNTabs::Create();
    m_tabs->SetParentControl(WeakSelf());
    // Painting the panel must never paint over the controls placed on it.
    user::HWND window = m_site.hWnd();
    int32_t style = user::GetWindowLongA(window, user::GWL_STYLE);
    user::SetWindowLongA(window, user::GWL_STYLE, style | static_cast<int32_t>(user::WS_CLIPCHILDREN));
    m_state.FocusRectDrawn = false;
    m_state.HasFocus = false;
    m_state.NewInstance = false;
    // The control's own font is the one its device context holds between drawing steps; captions
    // are drawn in TabCaptionFont.
    auto font = m_site.Font();
    auto own = font ? font->Clone() : std::make_shared<rt::StdFont>();
    own->SetName("Times New Roman");
    m_site.SetFont(own);
    CreateMessageHook();
}

void VNTabCtl::Terminate() {
    // A collection the program still holds no longer reaches a control that is gone.
    m_tabs->SetParentControl({});
    // The window gets its own procedure back.
    m_msg_hook.reset();
}

void VNTabCtl::RepaintControl() {
    ++m_redraws.repaints;
    gdi::RECT old_panel = GetPanelClientRect();
    int16_t old_rows = m_state.RowCount;
    DrawControl();
    // A row more or less moves the panel: controls on it keep their place relative to the panel.
    int16_t rows = m_state.RowCount;
    if (rows != old_rows && rows != 0 && old_rows != 0)
        ShiftContainedControls(old_panel, GetPanelClientRect());
}

void VNTabCtl::OleDrag() {
    m_site.OLEDrag();
}

bool VNTabCtl::UserMode() const {
    return m_site.AmbientUserMode();
}
std::string VNTabCtl::AccessKeys() const {
    return m_site.AccessKeys();
}
void VNTabCtl::SetAccessKeys(std::string keys) {
    m_site.SetAccessKeys(std::move(keys));
}

void VNTabCtl::OnTabAdded(const std::shared_ptr<VNTab>&) {
    if (!m_state.Loading) RepaintControl();
}

void VNTabCtl::OnTabChanged(const std::shared_ptr<VNTab>& tab, std::string& property) {
    if (m_state.Loading) return;
    if (property == "Caption") {
        // A tab that was removed but is still held by the program no longer owns a slot.
        int32_t index = tab->Index();
        if (index < 1 || index > TabCount() || m_tabs->at(index) != tab) return;
        std::string keys = AccessKeys();
        if (static_cast<int32_t>(keys.size()) < index)
            keys.resize(static_cast<size_t>(index), char(kNoAccessKey));
        keys[static_cast<size_t>(index - 1)] = static_cast<char>(tab->AccessKey());
        SetAccessKeys(std::move(keys));
        RepaintControl();
        return;
    }
    static constexpr const char* kRepainting[] = {"BackColor",        "ForeColor",     "Color3DDKShadow",
                                                  "Color3DHighlight", "Color3DShadow", "Picture"};
    for (const char* name : kRepainting)
        if (property == name) {
            RepaintControl();
            return;
        }
}

void VNTabCtl::OnTabRemoved(const std::shared_ptr<VNTab>&) {
    // Removing tabs changes nothing by itself: whoever removes them repaints when done.
}

} // namespace vntab
