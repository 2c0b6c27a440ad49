#include "ActiveXHolder.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/FileBacked.h"
#include "platform/host/Form.h"
#include "platform/host/FormFonts.h"
#include "platform/host/FormSite.h"
#include "platform/host/FormWindows.h"
#include "platform/user/Paint.h"
#include "platform/user/Rects.h"
#include "platform/user/Window.h"

#include <filesystem>

namespace host {

using rt::Variant;

namespace {

const std::vector<PropertyDefault>& extender_keys() {
    static const std::vector<PropertyDefault> keys = {
        {"Left", Variant(0.0f)},           {"Top", Variant(0.0f)},
        {"Width", Variant(0.0f)},          {"Height", Variant(0.0f)},
        {"TabIndex", Variant(int16_t{0})}, {"TabStop", Variant(true)},
        {"Visible", Variant(true)},
    };
    return keys;
}

const PropertyDefault* find_extender(std::string_view name) {
    return FindPropertyDefault(extender_keys(), name);
}

// A path as a form in `folder` stores it: relative to the folder when it lies below it.
std::string relative_path(const std::string& path, const std::string& folder) {
    namespace fs = std::filesystem;
    if (folder.empty()) return path;
    std::error_code ec;
    fs::path rel = fs::relative(fs::path(path), fs::path(folder), ec);
    if (ec || rel.empty()) return path;
    return rel.generic_string();
}

} // namespace

ActiveXHolder::ActiveXHolder(Form& form, FormControl* container, std::string type_name, std::string name,
                             int line)
    : FormControl(form, container, std::move(name), line), m_type(std::move(type_name)),
      m_site(std::make_unique<FormSite>(*this)) {
    if (auto ambient = form.properties().Font()) font = ambient->Clone();
}

ActiveXHolder::~ActiveXHolder() {
    if (m_control) m_control->Terminate();
    DestroyControlWindow(hwnd());
}

bool ActiveXHolder::IsExtenderKey(std::string_view key) {
    return find_extender(key) != nullptr || rt::member_name_equals(key, "Index");
}

void ActiveXHolder::LoadExtenderProperty(const FormProperty& property) {
    m_extender.Load(extender_keys(), property);
}

void ActiveXHolder::CreateControl() {
    const ControlFactory* factory = FindControlFactory(m_type);
    if (!factory)
        rt::raise_error(rt::kErrObjectDoesNotSupport, m_type,
                        "No control of type " + m_type + " is registered");
    if (!hwnd()) {
        SetWindow(CreateControlWindow(*this, ContainerWindow(), true));
        m_site->AttachWindow(hwnd(), user::GetDC(hwnd()));
    }
    m_control = (*factory)(*m_site);
    UpdatePlacement();
}

double ActiveXHolder::Left() const {
    return rt::CDbl(m_extender.Get("Left", Variant(0.0f)));
}
double ActiveXHolder::Top() const {
    return rt::CDbl(m_extender.Get("Top", Variant(0.0f)));
}
double ActiveXHolder::Width() const {
    return rt::CDbl(m_extender.Get("Width", Variant(0.0f)));
}
double ActiveXHolder::Height() const {
    return rt::CDbl(m_extender.Get("Height", Variant(0.0f)));
}

void ActiveXHolder::SetWidth(double width) {
    m_extender.Set("Width", Variant(rt::csng(width)));
    SizeChanged();
}

void ActiveXHolder::SetHeight(double height) {
    m_extender.Set("Height", Variant(rt::csng(height)));
    SizeChanged();
}

void ActiveXHolder::Move(double left, double top, std::optional<double> width, std::optional<double> height) {
    m_extender.Set("Left", Variant(rt::csng(left)));
    m_extender.Set("Top", Variant(rt::csng(top)));
    if (width) m_extender.Set("Width", Variant(rt::csng(*width)));
    if (height) m_extender.Set("Height", Variant(rt::csng(*height)));
    SizeChanged();
}

void ActiveXHolder::SizeChanged() {
    // The window tells the control through WM_SIZE; without a window the container tells it here.
    if (hwnd())
        UpdatePlacement();
    else if (m_control)
        m_control->Resize();
}

bool ActiveXHolder::Visible() const {
    return rt::CBool(m_extender.Get("Visible", Variant(true)));
}

void ActiveXHolder::UpdatePlacement() {
    if (!hwnd()) return;
    gdi::RECT r = PixelBounds();
    user::MoveWindow(hwnd(), r.left, r.top, r.right - r.left, r.bottom - r.top, true);
    user::ShowWindow(hwnd(), Visible() ? user::SW_SHOWNA : user::SW_HIDE);
}

gdi::RECT ActiveXHolder::PixelBounds() const {
    gdi::RECT r{0, 0, ToPixels(Width(), Axis::X), ToPixels(Height(), Axis::Y)};
    user::OffsetRect(&r, ToPixels(Left(), Axis::X), ToPixels(Top(), Axis::Y));
    return r;
}

Variant ActiveXHolder::Get(std::string_view name) {
    if (auto common = GetCommon(name)) return *common;
    if (const PropertyDefault* k = find_extender(name)) return m_extender.Get(*k);
    if (rt::member_name_equals(name, "Object")) return Variant(object());
    return object()->Get(name);
}

void ActiveXHolder::Let(std::string_view name, const Variant& value) {
    if (const PropertyDefault* k = find_extender(name)) {
        Variant v = rt::CoerceLike(value, k->default_value);
        if (k->name == "Width") return SetWidth(rt::CDbl(v));
        if (k->name == "Height") return SetHeight(rt::CDbl(v));
        m_extender.Set(k->name, std::move(v));
        UpdatePlacement();
        return;
    }
    object()->Let(name, value);
}

void ActiveXHolder::Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& value) {
    object()->Set(name, value);
}

Variant ActiveXHolder::Call(std::string_view name, std::span<const Variant> args) {
    if (rt::member_name_equals(name, "Move")) {
        auto opt = [&](size_t i) -> std::optional<double> {
            if (i < args.size() && !args[i].is_empty()) return rt::CDbl(args[i]);
            return std::nullopt;
        };
        Move(rt::CDbl(rt::required_arg(args, 0)), opt(1).value_or(Top()), opt(2), opt(3));
        return {};
    }
    if (args.empty() && (find_extender(name) || rt::member_name_equals(name, "Name") ||
                         rt::member_name_equals(name, "Index")))
        return Get(name);
    return object()->Call(name, args);
}

FormNode ActiveXHolder::ToNode(const std::string& folder) const {
    FormNode node;
    node.type = m_type;
    node.name = Name();
    if (ArrayIndex()) node.items.emplace_back(FormProperty{"Index", Variant(*ArrayIndex()), 0});
    for (const auto& e : m_extender.entries())
        node.items.emplace_back(FormProperty{e.name, e.value, 0});

    // The control writes its properties first: writing may move the controls placed on it (a tab
    // control saves every page's controls in their hidden place), and the children are saved after.
    PropertyBag bag;
    m_control->WriteProperties(bag);
    for (const auto& e : m_loaded_bag.entries())
        if (!e.read && !bag.Contains(e.name)) bag.Store(e.name, e.value);
    for (const auto& e : bag.entries()) {
        if (!e.value.is_object()) {
            node.items.emplace_back(FormProperty{e.name, e.value, 0});
            continue;
        }
        const auto& object = e.value.as_object();
        if (auto stored_font = std::dynamic_pointer_cast<rt::StdFont>(object)) {
            node.items.emplace_back(FontToGroup(e.name, *stored_font));
        } else if (auto file = std::dynamic_pointer_cast<rt::FileBacked>(object)) {
            std::string path = relative_path(file->SourcePath(), folder);
            node.items.emplace_back(FormProperty{e.name, Variant(rt::ansi_from_utf8(path)), 0});
        } else if (object) {
            throw FormFileError("", 0,
                                KeyName() + "." + e.name + " holds an object that a form file cannot store");
        }
    }
    AppendChildren(node, folder);
    return node;
}

} // namespace host
