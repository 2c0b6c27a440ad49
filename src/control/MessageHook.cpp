#include "control/VNTabCtl.h"

#include "contained/ControlBounds.h"
#include "hook/VNMessages.h"
#include "hook/VNMsgHook.h"
#include "layout/HitTest.h"
#include "platform/user/Messages.h"

// The control watches four messages of its own window. While the form is designed the designer
// keeps the mouse from the control, so the hook is what lets a press on a header switch tabs and
// keeps double-clicks on the headers from the designer. At all times the creation and destruction
// of child windows (contained controls) keep the active tab's page in step.
namespace vntab {

namespace {

// The watched messages, in the order they are registered.
struct Watched {
    int32_t value;
    const char* text;
};
constexpr Watched kWatched[] = {
    {static_cast<int32_t>(user::WM_PARENTNOTIFY), "WM_PARENTNOTIFY"},
    {static_cast<int32_t>(user::WM_LBUTTONDOWN), "WM_LBUTTONDOWN"},
    {static_cast<int32_t>(user::WM_LBUTTONDBLCLK), "WM_LBUTTONDBLCLK"},
    {static_cast<int32_t>(user::WM_ERASEBKGND), "WM_ERASEBKGND"},
};

// The low byte of WM_PARENTNOTIFY's code: a child window made or destroyed. A child's left-button
// press (0x201) has the creation's low byte and counts as one.
constexpr int32_t kChildCreated = 1;
constexpr int32_t kChildDestroyed = 2;

// The client point a mouse message carries, as the hook reads it: 15 bits a coordinate.
float x_of(int32_t lparam) {
    return static_cast<float>(lparam & 0x7FFF);
}
float y_of(int32_t lparam) {
    return static_cast<float>((lparam / 0x10000) & 0x7FFF);
}

// The designer's press is 28 pixels square on a control that cannot tell its size.
constexpr double kFallbackControlPixels = 28;

} // namespace

void VNTabCtl::CreateMessageHook() {
    m_msg_hook = hook::VNMsgHook::Create();
    auto window = m_msg_hook->Windows()->Add(std::nullopt, std::nullopt, std::nullopt, rt::Variant(hWnd()));
    for (const Watched& watched : kWatched)
        window->Messages()->Add(std::nullopt, std::nullopt, rt::Variant(watched.value),
                                rt::Variant(watched.text));
    // The hook reaches a control that still exists, and keeps it alive while it handles a message.
    std::weak_ptr<VNTabCtl> weak = WeakSelf();
    m_msg_hook->Message = [weak](int32_t, int32_t msg, int32_t wparam, int32_t lparam,
                                 bool& process_default_proc) {
        if (auto self = weak.lock()) self->OnHookMessage(msg, wparam, lparam, process_default_proc);
    };
}

// Every watched message goes on to the window's own procedure afterwards, except a designer's
// double-click on the headers.
void VNTabCtl::OnHookMessage(int32_t msg, int32_t wparam, int32_t lparam, bool& process_default_proc) {
    // A destroyed child is forgotten one message later, once its destruction has finished.
    if (m_last_hook_message == static_cast<int32_t>(user::WM_PARENTNOTIFY) &&
        m_parent_notice == kChildDestroyed)
        SyncActiveTabControls();
    m_parent_notice = 0;
    switch (static_cast<user::UINT>(msg)) {
    case user::WM_LBUTTONDOWN:
        if (!UserMode() && !PressOnContainedControl(x_of(lparam), y_of(lparam)))
            HitTest(1, 0, x_of(lparam), y_of(lparam));
        break;
    case user::WM_LBUTTONDBLCLK:
        if (!UserMode() && OnHeaderSide(m_state, x_of(lparam), y_of(lparam), false))
            process_default_proc = false;
        break;
    case user::WM_ERASEBKGND:
        if (lparam != 0) SyncActiveTabControls();
        break;
    case user::WM_PARENTNOTIFY:
        m_parent_notice = hook::VNMsgHook::LoByte(wparam);
        if (m_parent_notice == kChildCreated) SyncActiveTabControls();
        break;
    default:
        break;
    }
    m_last_hook_message = msg;
}

bool VNTabCtl::PressOnContainedControl(float x, float y) const {
    if (UserMode() || CountContainedControls() == 0) return false;
    if (!OnHeaderSide(m_state, x, y, true) || !PointOnAnyHeader(*this, x, y)) return false;
    const double cx = FromPixelsX(x), cy = FromPixelsY(y);
    const double fallback_width = FromPixelsX(kFallbackControlPixels);
    const double fallback_height = FromPixelsY(kFallbackControlPixels);
    for (const auto& control : ContainedControls())
        if (control && ControlCoversPoint(*control, cx, cy, fallback_width, fallback_height)) return true;
    return false;
}

} // namespace vntab
