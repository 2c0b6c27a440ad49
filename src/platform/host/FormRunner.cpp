#include "FormRunner.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"
#include "platform/host/Compositor.h"
#include "platform/host/FormReader.h"
#include "platform/host/FormSite.h"
#include "platform/host/FormWriter.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowGeometry.h"

namespace host {

namespace {

// The shift keys stay down for the length of one mouse message, as they were when it was sent.
class HeldShiftKeys {
public:
    explicit HeldShiftKeys(int shift) { Hold(shift); }
    ~HeldShiftKeys() { Hold(0); }
    HeldShiftKeys(const HeldShiftKeys&) = delete;
    HeldShiftKeys& operator=(const HeldShiftKeys&) = delete;

private:
    static void Hold(int shift) {
        user::SetKeyDown(user::VK_SHIFT, shift & 1);
        user::SetKeyDown(user::VK_CONTROL, shift & 2);
        user::SetKeyDown(user::VK_MENU, shift & 4);
    }
};

user::WPARAM button_flags(int buttons) {
    return (buttons & 1 ? user::MK_LBUTTON : 0) | (buttons & 2 ? user::MK_RBUTTON : 0) |
           (buttons & 4 ? user::MK_MBUTTON : 0);
}

user::UINT button_message(FormRunner::MouseMessage message, int button) {
    const bool down = message == FormRunner::MouseMessage::Down;
    if (button == 2) return down ? user::WM_RBUTTONDOWN : user::WM_RBUTTONUP;
    if (button == 4) return down ? user::WM_MBUTTONDOWN : user::WM_MBUTTONUP;
    return down ? user::WM_LBUTTONDOWN : user::WM_LBUTTONUP;
}

} // namespace

FormRunner::~FormRunner() {
    // The control goes before its form, which destroys the windows.
    m_holder.reset();
    m_form.reset();
}

void FormRunner::Replace(std::shared_ptr<Form> form) {
    // The driven control goes before the form it stands on.
    m_holder.reset();
    m_form = std::move(form);
    m_form->SetEventSink([this](ActiveXHolder& source, std::string_view event, std::span<EventArg> args) {
        OnEvent(source, event, args);
    });
}

void FormRunner::Load(const std::string& path, const FormOptions& options, std::string_view type_name,
                      const std::string& control_name) {
    m_load_stop.reset();
    try {
        Replace(LoadForm(path, options));
    } catch (FormLoadError& e) {
        if (!e.form) throw;
        Replace(std::move(e.form));
        m_load_stop = std::move(e);
    }
    PickDriven(type_name, control_name);
    PaintPending();
}

void FormRunner::Adopt(std::shared_ptr<Form> form, std::string_view type_name,
                       const std::string& control_name) {
    m_load_stop.reset();
    Replace(std::move(form));
    PickDriven(type_name, control_name);
    PaintPending();
}

void FormRunner::PickDriven(std::string_view type_name, const std::string& control_name) {
    for (const auto& holder : m_form->ActiveXControls()) {
        const bool wanted = control_name.empty() ? rt::EqualsText(holder->TypeName(), type_name)
                                                 : rt::EqualsText(holder->KeyName(), control_name);
        if (wanted) {
            m_holder = holder;
            break;
        }
    }
    if (!control_name.empty() && !m_holder && !m_load_stop)
        throw FormFileError(m_form->path(), 0, "the form has no control named " + control_name);
}

void FormRunner::CreateForm(int32_t width, int32_t height, const FormOptions& options) {
    if (width < 0 || height < 0) rt::raise_error(rt::kErrInvalidPropertyValue, "Form");
    Replace(Form::CreateNew("Form1", options));
    m_form->ResizeClient(width, height);
    PaintPending();
}

void FormRunner::AddControl(std::string_view type_name, const std::string& name, const gdi::RECT& bounds) {
    const FormProperties& p = m_form->properties();
    auto units = [&](int32_t pixels, Axis axis) {
        return p.ScaleLength(pixels, vbPixels, p.ScaleMode(), axis);
    };
    m_holder = m_form->AddActiveXControl(
        std::string(type_name), name, nullptr, units(bounds.left, Axis::X), units(bounds.top, Axis::Y),
        units(bounds.right - bounds.left, Axis::X), units(bounds.bottom - bounds.top, Axis::Y));
    PaintPending();
}

void FormRunner::Drive(std::string_view key_name) {
    for (const auto& holder : m_form->ActiveXControls())
        if (rt::EqualsText(holder->KeyName(), key_name)) {
            m_holder = holder;
            return;
        }
    rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "There is no control " + std::string(key_name));
}

ActiveXHolder& FormRunner::driven() const {
    if (!m_holder) rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "The form has no control to drive");
    return *m_holder;
}

void FormRunner::OnEvent(ActiveXHolder& source, std::string_view event, std::span<EventArg> args) {
    const bool driven = &source == m_holder.get();
    if (!driven && !m_observer) return;
    if (driven && m_handler) m_handler(event, args);
    RecordedEvent e{std::string(event), {}};
    for (const EventArg& a : args)
        e.args.emplace_back(std::string(a.name), a.value);
    if (m_observer) m_observer(source, e);
    if (driven) m_events.push_back(std::move(e));
}

std::vector<FormRunner::RecordedEvent> FormRunner::TakeEvents() {
    std::vector<RecordedEvent> taken;
    taken.swap(m_events);
    return taken;
}

void FormRunner::SendMouse(MouseMessage message, gdi::POINT at, int buttons, int shift) {
    HeldShiftKeys held(shift);
    const user::WPARAM keys = (shift & 1 ? user::MK_SHIFT : 0) | (shift & 2 ? user::MK_CONTROL : 0);
    switch (message) {
    case MouseMessage::Down:
        user::SendMouseInput(m_form->hwnd(), button_message(message, buttons), at.x, at.y,
                             keys | button_flags(buttons));
        break;
    case MouseMessage::Up:
        user::SendMouseInput(m_form->hwnd(), button_message(message, buttons), at.x, at.y, keys);
        break;
    case MouseMessage::Move:
        user::SendMouseInput(m_form->hwnd(), user::WM_MOUSEMOVE, at.x, at.y, keys | button_flags(buttons));
        break;
    case MouseMessage::DoubleClick:
        user::SendMouseInput(m_form->hwnd(), user::WM_LBUTTONDBLCLK, at.x, at.y, keys | user::MK_LBUTTON);
        break;
    }
    PaintPending();
}

bool FormRunner::SendKey(user::UINT vk, int shift) {
    const uint32_t modifiers = (shift & 1 ? user::kShiftMask : 0) | (shift & 2 ? user::kCtrlMask : 0) |
                               (shift & 4 ? user::kAltMask : 0);
    bool delivered = true;
    if (vk == user::VK_TAB && !(modifiers & (user::kCtrlMask | user::kAltMask))) {
        // The form keeps the Tab key to itself and moves the focus; the key's release reaches the
        // window that got it.
        if (shift & 1) user::SendKeyInput(user::WM_KEYDOWN, user::VK_SHIFT);
        m_form->TabToNextControl(shift & 1);
        user::SendKeyInput(user::WM_KEYUP, user::VK_TAB);
        if (shift & 1) user::SendKeyInput(user::WM_KEYUP, user::VK_SHIFT);
    } else {
        delivered = static_cast<bool>(user::SendKeyStroke(vk, modifiers));
    }
    PaintPending();
    return delivered;
}

bool FormRunner::SendAccessKey(char key) {
    const bool handled = m_form->HandleAccessKey(key);
    PaintPending();
    return handled;
}

void FormRunner::Focus() {
    user::SetFocus(driven().hwnd());
    PaintPending();
}

void FormRunner::Blur() {
    user::SetFocus(m_form->hwnd());
    PaintPending();
}

void FormRunner::ResizeControl(int32_t width, int32_t height) {
    ActiveXHolder& holder = driven();
    holder.Move(holder.Left(), holder.Top(), ToUnits(width, true), ToUnits(height, false));
    PaintPending();
}

void FormRunner::ResizeForm(int32_t width, int32_t height) {
    m_form->ResizeClient(width, height);
    PaintPending();
}

void FormRunner::InvalidateControl() {
    user::InvalidateRect(driven().hwnd(), nullptr, true);
    PaintPending();
}

void FormRunner::PaintPending() {
    user::PumpMessages();
}

gdi::POINT FormRunner::ControlToForm(gdi::POINT point) const {
    user::MapWindowPoints(driven().hwnd(), m_form->hwnd(), &point, 1);
    return point;
}

double FormRunner::ToUnits(int32_t pixels, bool horizontal) const {
    ActiveXHolder& holder = driven();
    const int16_t scale = holder.CoordinateScaleMode();
    return horizontal ? holder.site().ScaleX(pixels, vbPixels, scale)
                      : holder.site().ScaleY(pixels, vbPixels, scale);
}

gdi::HBITMAP FormRunner::Snapshot(bool control_only) const {
    return CompositeToBitmap(control_only ? driven().hwnd() : m_form->hwnd());
}

void FormRunner::Save(const std::string& path) const {
    SaveForm(*m_form, path);
}

} // namespace host
