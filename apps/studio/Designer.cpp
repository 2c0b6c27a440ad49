#include "Designer.h"

#include "platform/host/ActiveXHolder.h"
#include "platform/host/Form.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/WindowGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace studio {

namespace {

// A control without a rectangle of its own (a line, a timer) cannot be picked or drawn by area.
bool has_area(const host::FormControl& control) {
    auto* built_in = dynamic_cast<const host::HostControl*>(&control);
    return !built_in || (built_in->kind().positioned && built_in->kind().sized);
}

bool in_view(const host::FormControl& control) {
    if (auto* built_in = dynamic_cast<const host::HostControl*>(&control)) return built_in->Visible();
    if (auto* holder = dynamic_cast<const host::ActiveXHolder*>(&control)) return holder->Visible();
    return true;
}

bool contains(const gdi::RECT& r, gdi::POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

gdi::RECT normalized(gdi::POINT a, gdi::POINT b) {
    return gdi::RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// The scale a container's contents measure in: its own (a picture box), else its coordinates'.
int16_t contents_scale(const host::Form& form, const host::FormControl* container) {
    if (!container) return form.properties().ScaleMode();
    return container->OwnScaleMode().value_or(container->CoordinateScaleMode());
}

} // namespace

gdi::RECT Designer::FormBounds(const host::Form& form, const host::FormControl& control) {
    const gdi::RECT r = control.PixelBounds();
    gdi::POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    user::MapWindowPoints(control.ContainerWindow(), form.hwnd(), corners, 2);
    return gdi::RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

host::FormControl* Designer::ControlAt(const host::Form& form, gdi::POINT at) {
    // Containers come before what they hold, so the last control under the point is the topmost.
    host::FormControl* found = nullptr;
    for (const auto& control : form.AllControls())
        if (has_area(*control) && in_view(*control) && contains(FormBounds(form, *control), at))
            found = control.get();
    return found;
}

gdi::RECT Designer::GripRect(const gdi::RECT& b, Grip grip) {
    const int xs[3] = {b.left, (b.left + b.right) / 2, b.right - 1};
    const int ys[3] = {b.top, (b.top + b.bottom) / 2, b.bottom - 1};
    static const int column[] = {0, 0, 1, 2, 2, 2, 1, 0, 0};
    static const int row[] = {0, 0, 0, 0, 1, 2, 2, 2, 1};
    const int i = static_cast<int>(grip);
    const int x = xs[column[i]], y = ys[row[i]], h = kGripSize / 2;
    return gdi::RECT{x - h, y - h, x - h + kGripSize, y - h + kGripSize};
}

Designer::Grip Designer::GripAt(const host::Form& form, gdi::POINT at) const {
    if (m_selected.empty()) return Grip::None;
    auto control = form.FindControl(m_selected);
    if (!control || !has_area(*control)) return Grip::None;
    const gdi::RECT bounds = FormBounds(form, *control);
    for (int g = static_cast<int>(Grip::TopLeft); g <= static_cast<int>(Grip::Left); ++g)
        if (contains(GripRect(bounds, static_cast<Grip>(g)), at)) return static_cast<Grip>(g);
    return Grip::None;
}

void Designer::Press(host::Form& form, gdi::POINT at) {
    m_start = m_now = at;
    m_forwarded = false;
    if (!m_tool.empty()) {
        m_drag = Action::Draw;
        return;
    }
    if (const Grip grip = GripAt(form, at); grip != Grip::None) {
        m_drag = Action::Resize;
        m_grip = grip;
        m_original = FormBounds(form, *form.FindControl(m_selected));
        return;
    }
    host::FormControl* hit = ControlAt(form, at);
    m_selected = hit ? hit->KeyName() : "";
    m_drag = hit ? Action::Pending : Action::None;
    if (!hit) return;
    m_original = FormBounds(form, *hit);
    if (dynamic_cast<host::ActiveXHolder*>(hit)) {
        // The designer keeps the mouse, but the control's message hook sees the press on its window:
        // on a header it switches tabs.
        user::SendMouseInput(form.hwnd(), user::WM_LBUTTONDOWN, at.x, at.y, user::MK_LBUTTON);
        m_forwarded = true;
        user::PumpMessages();
    }
}

void Designer::Drag(host::Form& form, gdi::POINT at) {
    m_now = at;
    const int dx = at.x - m_start.x, dy = at.y - m_start.y;
    if (m_drag == Action::Pending && (std::abs(dx) > kDragThreshold || std::abs(dy) > kDragThreshold))
        m_drag = Action::Move;
    if (m_drag == Action::Move) {
        Place(form, gdi::RECT{m_original.left + dx, m_original.top + dy, m_original.right + dx,
                              m_original.bottom + dy});
    } else if (m_drag == Action::Resize) {
        gdi::RECT r = m_original;
        if (m_grip == Grip::TopLeft || m_grip == Grip::Left || m_grip == Grip::BottomLeft)
            r.left = std::min(r.left + dx, r.right - 1);
        if (m_grip == Grip::TopRight || m_grip == Grip::Right || m_grip == Grip::BottomRight)
            r.right = std::max(r.right + dx, r.left + 1);
        if (m_grip == Grip::TopLeft || m_grip == Grip::Top || m_grip == Grip::TopRight)
            r.top = std::min(r.top + dy, r.bottom - 1);
        if (m_grip == Grip::BottomLeft || m_grip == Grip::Bottom || m_grip == Grip::BottomRight)
            r.bottom = std::max(r.bottom + dy, r.top + 1);
        Place(form, r);
    }
}

bool Designer::Release(host::Form& form, gdi::POINT at) {
    Drag(form, at);
    const Action action = m_drag;
    m_drag = Action::None;
    if (m_forwarded) {
        user::SendMouseInput(form.hwnd(), user::WM_LBUTTONUP, m_start.x, m_start.y, 0);
        m_forwarded = false;
    }
    if (action == Action::Draw) {
        gdi::RECT rect = normalized(m_start, at);
        // A click without a drag draws the control at its usual size.
        if (rect.right - rect.left <= kDragThreshold && rect.bottom - rect.top <= kDragThreshold)
            rect = gdi::RECT{m_start.x, m_start.y, m_start.x + 100, m_start.y + 24};
        const std::string kind = m_tool;
        m_tool.clear();
        Draw(form, kind, rect);
        return true;
    }
    if (action != Action::Move && action != Action::Resize) return false;
    auto control = form.FindControl(m_selected);
    const gdi::RECT now = control ? FormBounds(form, *control) : m_original;
    return now.left != m_original.left || now.top != m_original.top || now.right != m_original.right ||
           now.bottom != m_original.bottom;
}

std::optional<gdi::RECT> Designer::Rubber() const {
    if (m_drag != Action::Draw) return std::nullopt;
    return normalized(m_start, m_now);
}

bool Designer::DeleteSelected(host::Form& form) {
    if (m_selected.empty()) return false;
    form.RemoveControl(m_selected);
    m_selected.clear();
    return true;
}

std::string Designer::Draw(host::Form& form, const std::string& kind, gdi::RECT rect) {
    host::FormControl* container = ControlAt(form, gdi::POINT{rect.left, rect.top});
    while (container && !container->IsContainer())
        container = container->container();
    gdi::POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    user::MapWindowPoints(form.hwnd(), container ? container->hwnd() : form.hwnd(), corners, 2);
    const int16_t scale = contents_scale(form, container);
    auto units = [&](int32_t pixels, host::Axis axis) {
        return form.properties().ScaleLength(pixels, host::vbPixels, scale, axis);
    };
    std::string name;
    for (int n = 1; name.empty() || form.FindControl(name); ++n)
        name = kind + std::to_string(n);
    const double left = units(corners[0].x, host::Axis::X), top = units(corners[0].y, host::Axis::Y);
    const double width = units(corners[1].x - corners[0].x, host::Axis::X);
    const double height = units(corners[1].y - corners[0].y, host::Axis::Y);
    // A registered ActiveX control (the tab control) starts with its defaults; a built-in kind
    // as a designer drops one.
    if (host::FindControlFactory(kind))
        form.AddActiveXControl(kind, name, container, left, top, width, height);
    else
        form.AddHostControl(kind, name, container, left, top, width, height);
    m_selected = name;
    return name;
}

void Designer::Place(host::Form& form, const gdi::RECT& rect) const {
    auto control = form.FindControl(m_selected);
    if (!control || !has_area(*control)) return;
    gdi::POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    user::MapWindowPoints(form.hwnd(), control->ContainerWindow(), corners, 2);
    const int16_t scale = control->CoordinateScaleMode();
    auto let = [&](const char* property, int32_t pixels, host::Axis axis) {
        control->Let(property,
                     rt::Variant(form.properties().ScaleLength(pixels, host::vbPixels, scale, axis)));
    };
    let("Left", corners[0].x, host::Axis::X);
    let("Top", corners[0].y, host::Axis::Y);
    let("Width", corners[1].x - corners[0].x, host::Axis::X);
    let("Height", corners[1].y - corners[0].y, host::Axis::Y);
}

} // namespace studio
