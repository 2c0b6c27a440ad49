#include "FormControl.h"

#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/ControlPainter.h"
#include "platform/host/Form.h"
#include "platform/host/FormFonts.h"
#include "platform/host/FormWindows.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"
#include "platform/user/Rects.h"
#include "platform/user/Window.h"

namespace host {

using rt::Variant;

constexpr int32_t kErrNotAnArray = 343;
constexpr int32_t kErrReadOnlyAtRunTime = 382;

FormControl::FormControl(Form& form, FormControl* container, std::string name, int line)
    : m_form(form), m_container(container), m_name(std::move(name)), m_line(line) {}

std::string FormControl::KeyName() const {
    if (!m_index) return m_name;
    return m_name + "(" + std::to_string(*m_index) + ")";
}

bool FormControl::RemoveChild(const FormControl* child) {
    return std::erase_if(m_children, [&](const auto& c) { return c.get() == child; }) > 0;
}

int16_t FormControl::CoordinateScaleMode() const {
    for (const FormControl* c = m_container; c; c = c->container())
        if (std::optional<int16_t> mode = c->OwnScaleMode()) return *mode;
    return m_form.properties().ScaleMode();
}

int32_t FormControl::ToPixels(double length, Axis axis) const {
    double pixels = m_form.properties().ScaleLength(length, CoordinateScaleMode(), vbPixels, axis);
    return static_cast<int32_t>(rt::round_even(pixels));
}

user::HWND FormControl::ContainerWindow() const {
    return m_container ? m_container->hwnd() : m_form.hwnd();
}

std::optional<Variant> FormControl::GetCommon(std::string_view member) const {
    if (rt::member_name_equals(member, "Name")) return Variant(m_name);
    if (rt::member_name_equals(member, "Index")) {
        if (!m_index) rt::raise_error(kErrNotAnArray, "", "Object not an array");
        return Variant(*m_index);
    }
    return std::nullopt;
}

void FormControl::AppendChildren(FormNode& node, const std::string& folder) const {
    for (const auto& child : m_children)
        node.children.push_back(child->ToNode(folder));
}

HostControl::HostControl(Form& form, FormControl* container, const ControlKind& kind, std::string name,
                         int line)
    : FormControl(form, container, std::move(name), line), m_kind(kind) {}

HostControl::~HostControl() {
    DestroyControlWindow(hwnd());
}

void HostControl::LoadGroup(const FormPropertyGroup& group) {
    if (rt::member_name_equals(group.name, "Font")) m_font = FontFromGroup(group, form().path());
    m_groups.push_back(group);
}

std::shared_ptr<rt::StdFont> HostControl::TextFont() const {
    return m_font ? m_font : form().properties().Font();
}

std::optional<int16_t> HostControl::OwnScaleMode() const {
    if (!m_kind.has_scale) return std::nullopt;
    return rt::CInt(m_values.Get(*m_kind.Find("ScaleMode")));
}

bool HostControl::Visible() const {
    const PropertyDefault* p = m_kind.Find("Visible");
    return !p || rt::CBool(m_values.Get(*p));
}

void HostControl::Realize() {
    if (m_kind.windowed) SetWindow(CreateControlWindow(*this, ContainerWindow(), false));
    UpdatePlacement();
}

void HostControl::UpdatePlacement() {
    gdi::RECT r = PixelBounds();
    if (hwnd()) {
        user::MoveWindow(hwnd(), r.left, r.top, r.right - r.left, r.bottom - r.top, true);
        user::ShowWindow(hwnd(), Visible() ? user::SW_SHOWNA : user::SW_HIDE);
        user::InvalidateRect(hwnd(), nullptr, true);
        return;
    }
    // A windowless control paints on its container: the places it left and takes need painting.
    if (user::HWND container = ContainerWindow()) {
        for (gdi::RECT area : {m_painted_at, r}) {
            user::InflateRect(&area, 1, 1);
            user::InvalidateRect(container, &area, true);
        }
    }
}

void HostControl::PaintOn(gdi::HDC hdc) const {
    if (!Visible()) return;
    gdi::RECT r = PixelBounds();
    if (hwnd()) {
        user::OffsetRect(&r, -r.left, -r.top); // a window paints its own surface from (0, 0)
    } else {
        const_cast<HostControl*>(this)->m_painted_at = r;
    }
    PaintControl(*this, hdc, r);
}

Variant HostControl::Get(std::string_view name) {
    if (auto common = GetCommon(name)) return *common;
    return GetValue(name);
}

Variant HostControl::GetValue(std::string_view name) const {
    const PropertyDefault* p = m_kind.Find(name);
    if (!p) rt::raise_member_not_found();
    return m_values.Get(*p);
}

void HostControl::Let(std::string_view name, const Variant& value) {
    if (rt::member_name_equals(name, "Name") || rt::member_name_equals(name, "Index"))
        rt::raise_error(kErrReadOnlyAtRunTime, "", "'" + std::string(name) + "' property is read-only");
    const PropertyDefault* p = m_kind.Find(name);
    if (!p) rt::raise_member_not_found();
    m_values.SetLike(*p, value);
    UpdatePlacement();
}

double HostControl::GetNumber(std::string_view name) const {
    return rt::CDbl(GetValue(name));
}

Variant HostControl::Call(std::string_view name, std::span<const Variant> args) {
    if (rt::member_name_equals(name, "Move") && m_kind.positioned) {
        Let("Left", rt::required_arg(args, 0));
        if (args.size() > 1 && !args[1].is_empty()) Let("Top", args[1]);
        if (m_kind.sized) {
            if (args.size() > 2 && !args[2].is_empty()) Let("Width", args[2]);
            if (args.size() > 3 && !args[3].is_empty()) Let("Height", args[3]);
        }
        return {};
    }
    if (rt::member_name_equals(name, "Refresh") && m_kind.paints) {
        CountRefresh();
        // A windowed control repaints its window; a windowless one draws itself on its container
        // now, over whatever the container drew last.
        if (hwnd()) {
            user::InvalidateRect(hwnd(), nullptr, true);
            user::UpdateWindow(hwnd());
        } else if (user::HWND container = ContainerWindow()) {
            PaintOn(user::GetDC(container));
        }
        return {};
    }
    if (rt::member_name_equals(name, "SetFocus") && m_kind.windowed) {
        user::SetFocus(hwnd());
        return {};
    }
    if (args.empty()) return Get(name);
    rt::raise_member_not_found();
}

gdi::RECT HostControl::PixelBounds() const {
    if (!m_kind.positioned) { // a line: the box its two ends span, both ends inside
        double x1 = GetNumber("X1"), x2 = GetNumber("X2"), y1 = GetNumber("Y1"), y2 = GetNumber("Y2");
        return {ToPixels(std::min(x1, x2), Axis::X), ToPixels(std::min(y1, y2), Axis::Y),
                ToPixels(std::max(x1, x2), Axis::X) + 1, ToPixels(std::max(y1, y2), Axis::Y) + 1};
    }
    gdi::RECT r{0, 0, 0, 0};
    if (m_kind.sized)
        r = {0, 0, ToPixels(GetNumber("Width"), Axis::X), ToPixels(GetNumber("Height"), Axis::Y)};
    user::OffsetRect(&r, ToPixels(GetNumber("Left"), Axis::X), ToPixels(GetNumber("Top"), Axis::Y));
    return r;
}

bool HostControl::LoadProperty(const FormProperty& property) {
    return m_values.Load(m_kind.properties, property);
}

FormNode HostControl::ToNode(const std::string& folder) const {
    FormNode node;
    node.type = std::string(m_kind.name);
    node.name = Name();
    if (ArrayIndex()) node.items.emplace_back(FormProperty{"Index", Variant(*ArrayIndex()), 0});
    for (const auto& e : m_values.entries())
        node.items.emplace_back(FormProperty{e.name, e.value, 0});
    for (const auto& g : m_groups)
        node.items.emplace_back(g);
    AppendChildren(node, folder);
    return node;
}

} // namespace host
