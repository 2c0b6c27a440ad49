#include "Form.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormSite.h"
#include "platform/host/FormWindows.h"
#include "platform/host/GdiFont.h"
#include "platform/user/OleColor.h"
#include "platform/user/Window.h"

#include <filesystem>
#include <map>

namespace host {

using rt::Variant;

// ---------------------------------------------------------------------------------------------
// The registry of hosted control types

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

// ---------------------------------------------------------------------------------------------
// Fonts in form files

FormPropertyGroup FontToGroup(std::string_view name, const rt::StdFont& font) {
    FormPropertyGroup g;
    g.name = std::string(name);
    g.items = {FormProperty{"Name", Variant(font.Name()), 0},
               FormProperty{"Size", Variant(font.Size()), 0},
               FormProperty{"Charset", Variant(font.Charset()), 0},
               FormProperty{"Weight", Variant(font.Weight()), 0},
               FormProperty{"Underline", Variant(font.Underline()), 0},
               FormProperty{"Italic", Variant(font.Italic()), 0},
               FormProperty{"Strikethrough", Variant(font.Strikethrough()), 0}};
    return g;
}

std::shared_ptr<rt::StdFont> FontFromGroup(const FormPropertyGroup& group, const std::string& file) {
    auto font = std::make_shared<rt::StdFont>();
    for (const FormItem& item : group.items) {
        const auto* p = std::get_if<FormProperty>(&item);
        if (!p) throw FormFileError(file, std::get<FormPropertyGroup>(item).line, "expected a font property");
        try {
            if (!font->DispId(p->key))
                throw FormFileError(file, p->line,
                                    "expected a font property (Name, Size, Charset, Weight, "
                                    "Underline, Italic, Strikethrough), not " +
                                        p->key);
            font->Let(p->key, p->value);
        } catch (const rt::AutomationError& e) {
            throw FormFileError(file, p->line, group.name + "." + p->key + ": " + e.description);
        }
    }
    return font;
}

// ---------------------------------------------------------------------------------------------
// The form's own properties

namespace {

const std::vector<PropertyDefault>& form_keys() {
    static const std::vector<PropertyDefault> keys = {
        {"Caption", Variant("")},
        {"BackColor", Variant(user::kOleButtonFace)},
        {"ScaleMode", Variant(int16_t{1})},
        {"ScaleLeft", Variant(0.0f)},
        {"ScaleTop", Variant(0.0f)},
        {"ScaleWidth", Variant(0.0f)},
        {"ScaleHeight", Variant(0.0f)},
        {"ClientLeft", Variant(int32_t{0})},
        {"ClientTop", Variant(int32_t{0})},
        {"ClientWidth", Variant(int32_t{4680})},
        {"ClientHeight", Variant(int32_t{3195})},
    };
    return keys;
}

const PropertyDefault* find_form_key(std::string_view name) {
    return FindPropertyDefault(form_keys(), name);
}

std::string where(const std::string& file, int line) {
    return file + (line > 0 ? ":" + std::to_string(line) : std::string());
}

} // namespace

Form::Form(std::string name, const FormOptions& options)
    : m_name(std::move(name)), m_options(options), m_font(std::make_shared<rt::StdFont>()) {}

Form::~Form() {
    // The controls go first, last loaded first, while everything of the form they may still use
    // is alive; each hosted control is terminated by its holder, then its window goes.
    while (!m_controls.empty())
        m_controls.pop_back();
    DestroyControlWindow(m_hwnd);
}

std::shared_ptr<Form> Form::CreateNew(std::string name, const FormOptions& options) {
    auto form = std::shared_ptr<Form>(new Form(std::move(name), options));
    form->m_hwnd = CreateFormWindow(*form);
    return form;
}

std::shared_ptr<Form> Form::Load(const std::string& path, const FormOptions& options) {
    return FromDocument(ReadFormFile(path), path, options);
}

std::shared_ptr<Form> Form::FromDocument(const FormDocument& doc, const std::string& path,
                                         const FormOptions& options) {
    const FormNode& root = doc.root;
    if (!rt::member_name_equals(UnqualifiedTypeName(root.type), "Form"))
        throw FormFileError(path, root.line, "expected Begin Form, not Begin " + root.type);
    auto form = std::shared_ptr<Form>(new Form(root.name, options));
    form->m_path = path;
    form->m_folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
    for (const FormItem& item : root.items) {
        if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
            if (!rt::member_name_equals(g->name, "Font"))
                throw FormFileError(path, g->line, "expected BeginProperty Font in a form, not " + g->name);
            form->m_font = FontFromGroup(*g, path);
            continue;
        }
        const auto& p = std::get<FormProperty>(item);
        bool known;
        try {
            known = form->m_values.Load(form_keys(), p);
        } catch (const rt::AutomationError& e) {
            throw FormFileError(path, p.line, p.key + ": " + e.description);
        }
        if (!known)
            form->Warn(where(path, p.line) + ": a form has no property " + p.key + "; it is kept as it is");
    }
    int16_t mode = form->ScaleMode();
    if (mode < 0 || mode > 7) throw FormFileError(path, root.line, "expected a form ScaleMode from 0 to 7");
    form->m_hwnd = CreateFormWindow(*form);
    form->LoadChildren(root, nullptr);
    return form;
}

void Form::LoadChildren(const FormNode& node, FormControl* container) {
    for (const FormNode& child : node.children) {
        auto control = LoadControl(child, container);
        if (FindControl(control->KeyName()))
            throw FormFileError(m_path, child.line,
                                "a control named " + control->KeyName() + " already exists");
        if (container)
            container->AddChild(control);
        else
            m_controls.push_back(control);
        if (!child.children.empty()) {
            if (!control->IsContainer())
                throw FormFileError(m_path, child.line,
                                    "a " + control->TypeName() + " cannot hold other controls");
            LoadChildren(child, control.get());
        }
    }
}

std::shared_ptr<FormControl> Form::LoadControl(const FormNode& node, FormControl* container) {
    std::optional<int16_t> index;
    if (const FormProperty* p = FindProperty(node.items, "Index")) {
        try {
            index = rt::CInt(p->value);
        } catch (const rt::AutomationError& e) {
            throw FormFileError(m_path, p->line, node.name + ".Index: " + e.description);
        }
        if (*index < 0) throw FormFileError(m_path, p->line, "expected an Index of 0 or more");
    }
    const std::string label = node.name + (index ? "(" + std::to_string(*index) + ")" : "");

    if (const ControlKind* kind = FindControlKind(node.type)) {
        auto control = std::make_shared<HostControl>(*this, container, *kind, node.name, node.line);
        control->SetArrayIndex(index);
        for (const FormItem& item : node.items) {
            if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
                control->LoadGroup(*g);
                continue;
            }
            const auto& p = std::get<FormProperty>(item);
            if (rt::member_name_equals(p.key, "Index")) continue;
            try {
                control->LoadProperty(p);
            } catch (const rt::AutomationError& e) {
                throw FormFileError(m_path, p.line, label + "." + p.key + ": " + e.description);
            }
            if (!kind->Find(p.key))
                Warn(where(m_path, p.line) + ": a " + std::string(kind->name) + " has no property " + p.key +
                     "; it is kept as it is");
        }
        if (kind->windowed)
            control->SetWindow(CreateControlWindow(*control, control->ContainerWindow(), false));
        control->UpdatePlacement();
        return control;
    }

    if (!FindControlFactory(node.type))
        throw FormFileError(m_path, node.line, "expected a known control type, not " + node.type);
    auto holder = std::make_shared<ActiveXHolder>(
        *this, container, std::string(UnqualifiedTypeName(node.type)), node.name, node.line);
    holder->SetArrayIndex(index);
    PropertyBag& bag = holder->loaded_bag();
    for (const FormItem& item : node.items) {
        if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
            bag.Store(g->name, Variant(FontFromGroup(*g, m_path)), g->line);
            continue;
        }
        const auto& p = std::get<FormProperty>(item);
        if (rt::member_name_equals(p.key, "Index")) continue;
        if (ActiveXHolder::IsExtenderKey(p.key)) {
            try {
                holder->LoadExtenderProperty(p);
            } catch (const rt::AutomationError& e) {
                throw FormFileError(m_path, p.line, label + "." + p.key + ": " + e.description);
            }
            continue;
        }
        bag.Store(p.key, p.value, p.line);
    }
    std::string folder = m_folder;
    bag.SetPictureResolver([folder](const std::string& stored) {
        std::filesystem::path file(rt::utf8_from_ansi(stored));
        if (file.is_relative()) file = std::filesystem::path(folder) / file;
        return Variant(LoadPictureFile(file.string()));
    });
    try {
        holder->CreateControl();
        holder->control().ReadProperties(bag);
        holder->control().Resize();
    } catch (const rt::AutomationError& e) {
        const PropertyBag::Entry* entry = e.source.empty() ? nullptr : bag.Find(e.source);
        if (entry) throw FormFileError(m_path, entry->line, label + "." + entry->name + ": " + e.description);
        throw FormFileError(m_path, node.line,
                            label + ": error " + std::to_string(e.number) + ": " + e.description);
    }
    for (const auto& e : bag.entries())
        if (!e.read)
            Warn(where(m_path, e.line) + ": " + label + " did not read " + e.name + "; it is kept as it is");
    return holder;
}

std::shared_ptr<ActiveXHolder> Form::AddActiveXControl(const std::string& type_name, const std::string& name,
                                                       FormControl* container, double left, double top,
                                                       double width, double height) {
    if (FindControl(name))
        rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "A control named " + name + " already exists");
    auto holder = std::make_shared<ActiveXHolder>(*this, container, type_name, name, 0);
    holder->Move(left, top, width, height);
    holder->CreateControl();
    if (container)
        container->AddChild(holder);
    else
        m_controls.push_back(holder);
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
    if (container)
        container->AddChild(control);
    else
        m_controls.push_back(control);
    if (kind->windowed) control->SetWindow(CreateControlWindow(*control, control->ContainerWindow(), false));
    control->UpdatePlacement();
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

// ---------------------------------------------------------------------------------------------
// Saving

FormDocument Form::ToDocument(const std::string& path) const {
    std::string folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
    FormDocument doc;
    doc.root.type = "Form";
    doc.root.name = m_name;
    bool font_written = false;
    for (const auto& e : m_values.entries()) {
        if (!font_written && rt::member_name_equals(e.name, "ClientLeft")) {
            doc.root.items.emplace_back(FontToGroup("Font", *m_font));
            font_written = true;
        }
        doc.root.items.emplace_back(FormProperty{e.name, e.value, 0});
    }
    if (!font_written) doc.root.items.emplace_back(FontToGroup("Font", *m_font));
    for (const auto& c : m_controls)
        doc.root.children.push_back(c->ToNode(folder));
    return doc;
}

void Form::Save(const std::string& path) const {
    WriteFormFile(path, FormatForm(ToDocument(path)));
}

// ---------------------------------------------------------------------------------------------
// Properties

std::string Form::Caption() const {
    return rt::CStr(m_values.Get("Caption", Variant("")));
}
int16_t Form::ScaleMode() const {
    return rt::CInt(m_values.Get("ScaleMode", Variant(int16_t{1})));
}
int Form::Dpi() const {
    return gdi::LogicalDpi();
}

int32_t Form::ClientPixelWidth() const {
    double twips = rt::CDbl(m_values.Get("ClientWidth", Variant(int32_t{4680})));
    return static_cast<int32_t>(rt::round_even(ConvertLength(twips, 1, 3, Axis::X, Dpi())));
}

int32_t Form::ClientPixelHeight() const {
    double twips = rt::CDbl(m_values.Get("ClientHeight", Variant(int32_t{3195})));
    return static_cast<int32_t>(rt::round_even(ConvertLength(twips, 1, 3, Axis::Y, Dpi())));
}

UserScale Form::FormUserScale() const {
    UserScale s;
    s.left = rt::CDbl(m_values.Get("ScaleLeft", Variant(0.0f)));
    s.top = rt::CDbl(m_values.Get("ScaleTop", Variant(0.0f)));
    s.width = rt::CDbl(m_values.Get("ScaleWidth", Variant(0.0f)));
    s.height = rt::CDbl(m_values.Get("ScaleHeight", Variant(0.0f)));
    s.pixel_width = ClientPixelWidth();
    s.pixel_height = ClientPixelHeight();
    return s;
}

double Form::ScaleLength(double value, int16_t from, int16_t to, Axis axis) const {
    UserScale user = FormUserScale();
    return ConvertLength(value, from, to, axis, Dpi(), &user);
}

Variant Form::Get(std::string_view name) {
    if (rt::member_name_equals(name, "Name")) return Variant(m_name);
    if (rt::member_name_equals(name, "Font")) return Variant(m_font);
    int16_t mode = ScaleMode();
    if (mode != 0) { // outside the user scale the scale size is the client area in the scale's units
        if (rt::member_name_equals(name, "ScaleWidth"))
            return Variant(rt::csng(ScaleLength(ClientPixelWidth(), 3, mode, Axis::X)));
        if (rt::member_name_equals(name, "ScaleHeight"))
            return Variant(rt::csng(ScaleLength(ClientPixelHeight(), 3, mode, Axis::Y)));
        if (rt::member_name_equals(name, "ScaleLeft") || rt::member_name_equals(name, "ScaleTop"))
            return Variant(0.0f);
    }
    const PropertyDefault* k = find_form_key(name);
    if (!k) rt::raise_member_not_found();
    return m_values.Get(*k);
}

void Form::Let(std::string_view name, const Variant& value) {
    const PropertyDefault* k = find_form_key(name);
    if (!k) rt::raise_member_not_found();
    Variant v = rt::CoerceLike(value, k->default_value);
    if (k->name == "ScaleMode") {
        int16_t mode = v.as_integer();
        if (mode < 0 || mode > 7) rt::raise_error(rt::kErrInvalidPropertyValue);
        if (mode != 0)
            for (auto key : {"ScaleLeft", "ScaleTop", "ScaleWidth", "ScaleHeight"})
                m_values.Remove(key);
    }
    if (k->name == "ScaleLeft" || k->name == "ScaleTop" || k->name == "ScaleWidth" ||
        k->name == "ScaleHeight") {
        // Setting any part of the scale switches the form to a user scale, as on the platform.
        if (ScaleMode() != 0) {
            int16_t old = ScaleMode();
            m_values.Set("ScaleWidth", Variant(rt::csng(ScaleLength(ClientPixelWidth(), 3, old, Axis::X))));
            m_values.Set("ScaleHeight", Variant(rt::csng(ScaleLength(ClientPixelHeight(), 3, old, Axis::Y))));
            m_values.Set("ScaleMode", Variant(int16_t{0}));
        }
    }
    m_values.Set(k->name, std::move(v));
}

void Form::Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) {
    if (!rt::member_name_equals(name, "Font")) rt::raise_member_not_found();
    auto font = std::dynamic_pointer_cast<rt::StdFont>(object);
    if (!font) rt::raise_error(rt::kErrTypeMismatch);
    m_font = font;
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

gdi::COLORREF Form::BackgroundColor() const {
    return user::TranslateOleColor(rt::CLng(m_values.Get("BackColor", Variant(user::kOleButtonFace))));
}

bool Form::HandleAccessKey(char key) {
    for (const auto& holder : ActiveXControls()) {
        const std::string& keys = holder->access_keys;
        for (char k : keys) {
            if (k == '&' || rt::StrCompText(std::string(1, k), std::string(1, key)) != 0) continue;
            holder->control().AccessKeyPress(static_cast<int16_t>(static_cast<unsigned char>(key)));
            return true;
        }
    }
    return false;
}

void Form::RaiseEvent(ActiveXHolder& source, std::string_view event, std::span<EventArg> args) {
    if (m_events) m_events(source, event, args);
}

} // namespace host
