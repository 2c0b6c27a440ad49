#include "FormReader.h"

#include "platform/automation/Ansi.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormFonts.h"
#include "platform/host/FormSite.h"

#include <filesystem>
#include <optional>

namespace host {

using rt::Variant;

FormLoadError::FormLoadError(const std::string& file_, const FormValueError& stop,
                             std::shared_ptr<Form> form_)
    : FormFileError(file_, stop.line, stop.what()), error(stop.error), form(std::move(form_)) {}

namespace {

// Reads a value into an object: an error the runtime raises stops the load at the value's line.
template <class Read>
auto reading(int line, const std::string& subject, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const rt::AutomationError& e) {
        throw FormValueError(line, subject, e);
    }
}

// A font group of a control: its errors named after the control.
std::shared_ptr<rt::StdFont> font_of(const FormPropertyGroup& group, const std::string& path,
                                     const std::string& label) {
    try {
        return FontFromGroup(group, path);
    } catch (const FormValueError& e) {
        throw FormValueError(e.line, label + "." + e.subject, e.error);
    }
}

std::string out_of_range(const std::string& value, const std::string& accepted) {
    return value + " is out of range (" + accepted + "); it is kept as it is";
}

// A form's client area is drawn on a surface: each side must give 1 to kMaxBitmapSide pixels at the
// display's logical DPI, and both together at most kMaxBitmapPixels.
void check_client_area(const FormProperties& properties, const FormNode& root, const std::string& path,
                       std::vector<std::string>& warnings) {
    const auto warn = [&](std::string_view key, const std::string& problem) {
        const PropertyList::Entry* entry = nullptr;
        for (const auto& e : properties.entries())
            if (rt::member_name_equals(e.name, key)) entry = &e;
        const std::string value = entry ? rt::CStr(entry->value) : std::string("its default");
        warnings.push_back(Located(path, entry ? entry->line : root.line,
                                   std::string(key) + ": " + value + " is out of range: " + problem +
                                       "; it is kept as it is"));
    };
    const std::string dpi = " at " + std::to_string(gdi::LogicalDpi()) + " DPI";
    const std::string sides =
        ", and a form is 1 to " + std::to_string(gdi::kMaxBitmapSide) + " pixels a side";
    const int32_t width = properties.ClientPixelWidth(), height = properties.ClientPixelHeight();
    bool sides_fit = true;
    for (auto [key, pixels, extent] :
         {std::tuple{"ClientWidth", width, "wide"}, {"ClientHeight", height, "high"}}) {
        if (pixels >= 1 && pixels <= gdi::kMaxBitmapSide) continue;
        sides_fit = false;
        warn(key, "the form would be " + std::to_string(pixels) + " pixels " + extent + dpi + sides);
    }
    if (sides_fit && int64_t(width) * height > gdi::kMaxBitmapPixels)
        warn("ClientHeight", "the form would be " + std::to_string(width) + " x " + std::to_string(height) +
                                 " pixels" + dpi + ", more than the " +
                                 std::to_string(gdi::kMaxBitmapPixels) + " pixels a form can have");
}

// The block of the form itself: its properties and its font. A key a form does not have is kept
// with a warning. Reading stops at a value the form refuses, which `stop` then holds.
FormProperties read_form_properties(const FormNode& root, const std::string& path,
                                    std::vector<std::string>& warnings, std::optional<FormValueError>& stop) {
    FormProperties properties;
    try {
        for (const FormItem& item : root.items) {
            if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
                if (!rt::member_name_equals(g->name, "Font"))
                    throw FormFileError(path, g->line,
                                        "expected BeginProperty Font in a form, not " + g->name);
                properties.SetFont(FontFromGroup(*g, path));
                continue;
            }
            const auto& p = std::get<FormProperty>(item);
            if (!reading(p.line, p.key, [&] { return properties.Load(p); }))
                warnings.push_back(
                    Located(path, p.line, "a form has no property " + p.key + "; it is kept as it is"));
        }
    } catch (const FormValueError& e) {
        stop = e;
    }
    int16_t mode = properties.ScaleMode();
    if (mode < 0 || mode > 7) throw FormFileError(path, root.line, "expected a form ScaleMode from 0 to 7");
    if (!stop) check_client_area(properties, root, path, warnings);
    return properties;
}

// The controls of one block and of the blocks inside it, made for one form. A value a control
// refuses stops the reading with FormValueError, the control placed on the form with what it read.
class ControlReader {
public:
    explicit ControlReader(Form& form) : m_form(form), m_path(form.path()) {}

    void ReadChildren(const FormNode& node, FormControl* container) {
        for (const FormNode& child : node.children) {
            std::shared_ptr<FormControl> control = read_control(child, container);
            if (child.children.empty()) continue;
            if (!control->IsContainer())
                throw FormFileError(m_path, child.line,
                                    "a " + control->TypeName() + " cannot hold other controls");
            ReadChildren(child, control.get());
        }
    }

private:
    std::shared_ptr<FormControl> read_control(const FormNode& node, FormControl* container) {
        std::optional<int16_t> index = read_index(node);
        std::string label = node.name + (index ? "(" + std::to_string(*index) + ")" : "");
        const ControlKind* kind = FindControlKind(node.type);
        if (!kind && !FindControlFactory(node.type))
            throw FormFileError(m_path, node.line, "expected a known control type, not " + node.type);
        if (m_form.FindControl(label))
            throw FormFileError(m_path, node.line, "a control named " + label + " already exists");
        if (kind) return read_host_control(node, *kind, container, index, label);
        return read_hosted_control(node, container, index, label);
    }

    std::optional<int16_t> read_index(const FormNode& node) const {
        const FormProperty* p = FindProperty(node.items, "Index");
        if (!p) return std::nullopt;
        int16_t index = reading(p->line, node.name + ".Index", [&] { return rt::CInt(p->value); });
        if (index < 0) throw FormFileError(m_path, p->line, "expected an Index of 0 or more");
        return index;
    }

    std::shared_ptr<HostControl> read_host_control(const FormNode& node, const ControlKind& kind,
                                                   FormControl* container, std::optional<int16_t> index,
                                                   const std::string& label) {
        auto control = std::make_shared<HostControl>(m_form, container, kind, node.name, node.line);
        control->SetArrayIndex(index);
        const auto place = [&] {
            control->Realize();
            m_form.Attach(control);
        };
        try {
            load_host_properties(node, *control, label);
        } catch (const FormValueError&) {
            place();
            throw;
        }
        place();
        if (kind.sized) warn_negative_sizes(node, label);
        return control;
    }

    void load_host_properties(const FormNode& node, HostControl& control, const std::string& label) {
        for (const FormItem& item : node.items) {
            if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
                try {
                    control.LoadGroup(*g);
                } catch (const FormValueError& e) {
                    throw FormValueError(e.line, label + "." + e.subject, e.error);
                }
                continue;
            }
            const auto& p = std::get<FormProperty>(item);
            if (rt::member_name_equals(p.key, "Index")) continue;
            if (!reading(p.line, label + "." + p.key, [&] { return control.LoadProperty(p); }))
                m_form.Warn(Located(m_path, p.line,
                                    "a " + control.TypeName() + " has no property " + p.key +
                                        "; it is kept as it is"));
        }
    }

    std::shared_ptr<ActiveXHolder> read_hosted_control(const FormNode& node, FormControl* container,
                                                       std::optional<int16_t> index,
                                                       const std::string& label) {
        auto holder = std::make_shared<ActiveXHolder>(
            m_form, container, std::string(UnqualifiedTypeName(node.type)), node.name, node.line);
        holder->SetArrayIndex(index);
        fill_bag(node, *holder, label);
        PropertyBag& bag = holder->loaded_bag();
        try {
            holder->CreateControl();
            holder->control().ReadProperties(bag);
        } catch (const rt::AutomationError& e) {
            // The control shows what it read before the error.
            if (holder->has_control()) m_form.Attach(holder);
            const PropertyBag::Entry* entry = e.source.empty() ? nullptr : bag.Find(e.source);
            if (entry) throw FormValueError(entry->line, label + "." + entry->name, e);
            throw FormValueError(node.line, label, e);
        }
        // The file is read; sizing the control runs it. What it raises now is the running control's
        // error, not the file's: the form loads and the error is noted.
        try {
            holder->control().Resize();
        } catch (const rt::AutomationError& e) {
            m_form.NoteLoadError(label, node.line, e);
        }
        m_form.Attach(holder);
        for (const auto& e : bag.entries())
            if (!e.read)
                m_form.Warn(
                    Located(m_path, e.line, label + " did not read " + e.name + "; it is kept as it is"));
        warn_negative_sizes(node, label);
        return holder;
    }

    // The extender keys go to the holder; every other key, and fonts, to the control's bag, where a
    // picture is still its path until the control asks for an object.
    void fill_bag(const FormNode& node, ActiveXHolder& holder, const std::string& label) {
        PropertyBag& bag = holder.loaded_bag();
        for (const FormItem& item : node.items) {
            if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
                bag.Store(g->name, Variant(font_of(*g, m_path, label)), g->line);
                continue;
            }
            const auto& p = std::get<FormProperty>(item);
            if (rt::member_name_equals(p.key, "Index")) continue;
            if (!ActiveXHolder::IsExtenderKey(p.key)) {
                bag.Store(p.key, p.value, p.line);
                continue;
            }
            reading(p.line, label + "." + p.key, [&] { holder.LoadExtenderProperty(p); });
        }
        std::string folder = m_form.folder();
        bag.SetPictureResolver([folder](const std::string& stored) {
            std::filesystem::path file(rt::utf8_from_ansi(stored));
            if (file.is_relative()) file = std::filesystem::path(folder) / file;
            return Variant(LoadPictureFile(file.string()));
        });
    }

    // A size below 0 is kept as it is (the control is then drawn with no area), with a warning.
    void warn_negative_sizes(const FormNode& node, const std::string& label) {
        for (const char* key : {"Width", "Height"}) {
            const FormProperty* p = FindProperty(node.items, key);
            if (p && p->value.is_number_type() && rt::CDbl(p->value) < 0)
                m_form.Warn(
                    Located(m_path, p->line,
                            label + "." + p->key + ": " + out_of_range(rt::CStr(p->value), "0 or more")));
        }
    }

    Form& m_form;
    const std::string& m_path;
};

} // namespace

std::shared_ptr<Form> LoadForm(const std::string& path, const FormOptions& options) {
    return FormFromDocument(ReadFormFile(path), path, options);
}

std::shared_ptr<Form> FormFromDocument(const FormDocument& document, const std::string& path,
                                       const FormOptions& options) {
    const FormNode& root = document.root;
    if (!rt::member_name_equals(UnqualifiedTypeName(root.type), "Form"))
        throw FormFileError(path, root.line, "expected Begin Form, not Begin " + root.type);
    std::vector<std::string> warnings = document.warnings;
    std::optional<FormValueError> stop;
    FormProperties properties = read_form_properties(root, path, warnings, stop);
    auto form = Form::Create(root.name, options, std::move(properties), path, document.style);
    for (std::string& w : warnings)
        form->Warn(std::move(w));
    try {
        if (stop) throw *stop;
        ControlReader(*form).ReadChildren(root, nullptr);
    } catch (const FormValueError& e) {
        form->MarkIncomplete();
        throw FormLoadError(path, e, form);
    }
    return form;
}

} // namespace host
