#include "Form.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormFile.h"
#include "platform/host/FormWindows.h"
#include "platform/user/WindowGeometry.h"

#include <filesystem>
#include <map>

namespace host {

using rt::Variant;

static std::map<std::string, ControlFactory>& factories() {
    static thread_local std::map<std::string, ControlFactory> map;
    return map;
}

void RegisterControlType(std::string type_name, ControlFactory factory) {
    factories()[rt::UCase(type_name)] = std::move(factory);
}

const ControlFactory* FindControlFactory(std::string_view type_name) {
    auto it = factories().find(rt::UCase(UnqualifiedTypeName(type_name)));
    return it == factories().end() ? nullptr : &it->second;
}

Form::Form(std::string name, const FormOptions& options, FormProperties properties, const std::string& path,
           FormFileStyle style)
    : m_name(std::move(name)), m_options(options), m_properties(std::move(properties)), m_path(path),
      m_file_style(std::move(style)) {
    if (!path.empty())
        m_folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
}

Form::~Form() {
    // The controls go first, last loaded first, while everything of the form they may still use
    // is alive; each hosted control is terminated by its holder, then its window goes.
    while (!m_controls.empty())
        m_controls.pop_back();
    DestroyControlWindow(m_hwnd);
}

std::shared_ptr<Form> Form::CreateNew(std::string name, const FormOptions& options) {
    return Create(std::move(name), options, FormProperties(), "", FormFileStyle());
}

std::shared_ptr<Form> Form::Create(std::string name, const FormOptions& options, FormProperties properties,
                                   const std::string& path, FormFileStyle style) {
    auto form = std::shared_ptr<Form>(
        new Form(std::move(name), options, std::move(properties), path, std::move(style)));
    form->m_hwnd = CreateFormWindow(*form);
    return form;
}

void Form::NoteLoadError(std::string control, int line, rt::AutomationError error) {
    std::string message =
        Located(m_path, line, control + ": error " + std::to_string(error.number) + ": " + error.description);
    m_load_errors.push_back(LoadError{std::move(control), std::move(error), std::move(message)});
}

void Form::Attach(std::shared_ptr<FormControl> control) {
    if (FormControl* container = control->container())
        container->AddChild(std::move(control));
    else
        m_controls.push_back(std::move(control));
}

std::shared_ptr<ActiveXHolder> Form::AddActiveXControl(const std::string& type_name, const std::string& name,
                                                       FormControl* container, double left, double top,
                                                       double width, double height) {
    if (FindControl(name))
        rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "A control named " + name + " already exists");
    auto holder = std::make_shared<ActiveXHolder>(*this, container, type_name, name, 0);
    holder->Move(left, top, width, height);
    holder->CreateControl();
    Attach(holder);
    // A new control gets its defaults, then its size, as the platform's containers do.
    holder->control().InitProperties();
    holder->control().Resize();
    return holder;
}

std::shared_ptr<HostControl> Form::AddHostControl(const std::string& kind_name, const std::string& name,
                                                  FormControl* container, double left, double top,
                                                  double width, double height) {
    const ControlKind* kind = FindControlKind(kind_name);
    if (!kind) rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "There is no control kind " + kind_name);
    if (FindControl(name))
        rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "A control named " + name + " already exists");
    if (container && !container->IsContainer())
        rt::raise_error(rt::kErrInvalidProcedureCall, "Form",
                        container->KeyName() + " cannot hold other controls");
    auto control = std::make_shared<HostControl>(*this, container, *kind, name, 0);
    auto set = [&](std::string_view property, const Variant& value) {
        if (kind->Find(property)) control->LoadProperty(FormProperty{std::string(property), value, 0});
    };
    if (kind->positioned) {
        set("Left", Variant(left));
        set("Top", Variant(top));
        set("Width", Variant(width));
        set("Height", Variant(height));
    } else { // a line across the box
        set("X1", Variant(left));
        set("Y1", Variant(top));
        set("X2", Variant(left + width));
        set("Y2", Variant(top));
    }
    set("Caption", Variant(name));
    set("Text", Variant(name));
    Attach(control);
    control->Realize();
    return control;
}

void Form::RemoveControl(std::string_view key_name) {
    auto control = FindControl(key_name);
    if (!control)
        rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "There is no control " + std::string(key_name));
    control->UpdatePlacement(); // the area it covered needs painting
    if (FormControl* container = control->container())
        container->RemoveChild(control.get());
    else
        std::erase(m_controls, control);
}

void Form::ResizeClient(int32_t width, int32_t height) {
    if (width < 0 || height < 0) rt::raise_error(rt::kErrInvalidPropertyValue);
    auto twips = [](int32_t pixels, Axis axis) {
        return Variant(static_cast<int32_t>(
            rt::round_even(ConvertLength(pixels, vbPixels, vbTwips, axis, gdi::LogicalDpi()))));
    };
    m_properties.Let("ClientWidth", twips(width, Axis::X));
    m_properties.Let("ClientHeight", twips(height, Axis::Y));
    user::MoveWindow(m_hwnd, 0, 0, width, height, true);
}

Variant Form::Get(std::string_view name) {
    if (rt::member_name_equals(name, "Name")) return Variant(m_name);
    return m_properties.Get(name);
}

void Form::Let(std::string_view name, const Variant& value) {
    m_properties.Let(name, value);
}

void Form::Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) {
    m_properties.Set(name, object);
}

std::vector<std::shared_ptr<FormControl>> Form::AllControls() const {
    std::vector<std::shared_ptr<FormControl>> out;
    std::vector<std::shared_ptr<FormControl>> stack(m_controls.rbegin(), m_controls.rend());
    while (!stack.empty()) {
        auto c = stack.back();
        stack.pop_back();
        out.push_back(c);
        for (auto it = c->children().rbegin(); it != c->children().rend(); ++it)
            stack.push_back(*it);
    }
    return out;
}

std::shared_ptr<FormControl> Form::FindControl(std::string_view key_name) const {
    for (const auto& c : AllControls())
        if (rt::EqualsText(c->KeyName(), key_name)) return c;
    return nullptr;
}

std::vector<std::shared_ptr<ActiveXHolder>> Form::ActiveXControls() const {
    std::vector<std::shared_ptr<ActiveXHolder>> out;
    for (const auto& c : AllControls())
        if (auto h = std::dynamic_pointer_cast<ActiveXHolder>(c)) out.push_back(h);
    return out;
}

bool Form::HandleAccessKey(char key) {
    for (const auto& holder : ActiveXControls()) {
        const std::string& keys = holder->access_keys;
        for (char k : keys) {
            if (k == '&' || rt::StrCompText(std::string(1, k), std::string(1, key)) != 0) continue;
            // Alt+f finds "&File": the control hears of the key as it registered it, whatever the case
            // it was typed in.
            holder->control().AccessKeyPress(static_cast<int16_t>(static_cast<unsigned char>(k)));
            return true;
        }
    }
    return false;
}

void Form::RaiseEvent(ActiveXHolder& source, std::string_view event, std::span<EventArg> args) {
    if (m_events) m_events(source, event, args);
}

} // namespace host
