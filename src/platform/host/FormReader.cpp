#include "FormReader.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/FormFonts.h"
#include "platform/host/FormSite.h"

#include <filesystem>
#include <optional>

namespace host {

using rt::Variant;

namespace {

std::string where(const std::string& file, int line) {
    return file + (line > 0 ? ":" + std::to_string(line) : std::string());
}

// The block of the form itself: its properties and its font. A key a form does not have is kept
// with a warning.
FormProperties read_form_properties(const FormNode& root, const std::string& path,
                                    std::vector<std::string>& warnings) {
    FormProperties properties;
    for (const FormItem& item : root.items) {
        if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
            if (!rt::member_name_equals(g->name, "Font"))
                throw FormFileError(path, g->line, "expected BeginProperty Font in a form, not " + g->name);
            properties.SetFont(FontFromGroup(*g, path));
            continue;
        }
        const auto& p = std::get<FormProperty>(item);
        bool known;
        try {
            known = properties.Load(p);
        } catch (const rt::AutomationError& e) {
            throw FormFileError(path, p.line, p.key + ": " + e.description);
        }
        if (!known)
            warnings.push_back(where(path, p.line) + ": a form has no property " + p.key +
                               "; it is kept as it is");
    }
    int16_t mode = properties.ScaleMode();
    if (mode < 0 || mode > 7) throw FormFileError(path, root.line, "expected a form ScaleMode from 0 to 7");
    return properties;
}

// The controls of one block and of the blocks inside it, made for one form.
class ControlReader {
public:
    explicit ControlReader(Form& form) : m_form(form), m_path(form.path()) {}

    void ReadChildren(const FormNode& node, FormControl* container) {
        for (const FormNode& child : node.children) {
            std::shared_ptr<FormControl> control = read_control(child, container);
            if (m_form.FindControl(control->KeyName()))
                throw FormFileError(m_path, child.line,
                                    "a control named " + control->KeyName() + " already exists");
            m_form.Attach(control);
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
        if (const ControlKind* kind = FindControlKind(node.type))
            return read_host_control(node, *kind, container, index, label);
        if (!FindControlFactory(node.type))
            throw FormFileError(m_path, node.line, "expected a known control type, not " + node.type);
        return read_hosted_control(node, container, index, label);
    }

    std::optional<int16_t> read_index(const FormNode& node) const {
        const FormProperty* p = FindProperty(node.items, "Index");
        if (!p) return std::nullopt;
        int16_t index;
        try {
            index = rt::CInt(p->value);
        } catch (const rt::AutomationError& e) {
            throw FormFileError(m_path, p->line, node.name + ".Index: " + e.description);
        }
        if (index < 0) throw FormFileError(m_path, p->line, "expected an Index of 0 or more");
        return index;
    }

    std::shared_ptr<HostControl> read_host_control(const FormNode& node, const ControlKind& kind,
                                                   FormControl* container, std::optional<int16_t> index,
                                                   const std::string& label) {
        auto control = std::make_shared<HostControl>(m_form, container, kind, node.name, node.line);
        control->SetArrayIndex(index);
        for (const FormItem& item : node.items) {
            if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
                control->LoadGroup(*g);
                continue;
            }
            const auto& p = std::get<FormProperty>(item);
            if (rt::member_name_equals(p.key, "Index")) continue;
            bool known;
            try {
                known = control->LoadProperty(p);
            } catch (const rt::AutomationError& e) {
                throw FormFileError(m_path, p.line, label + "." + p.key + ": " + e.description);
            }
            if (!known)
                m_form.Warn(where(m_path, p.line) + ": a " + std::string(kind.name) + " has no property " +
                            p.key + "; it is kept as it is");
        }
        control->Realize();
        return control;
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
            const PropertyBag::Entry* entry = e.source.empty() ? nullptr : bag.Find(e.source);
            if (entry)
                throw FormFileError(m_path, entry->line, label + "." + entry->name + ": " + e.description);
            throw FormFileError(m_path, node.line,
                                label + ": error " + std::to_string(e.number) + ": " + e.description);
        }
        // The file is read; sizing the control runs it. What it raises now is the running control's
        // error, not the file's.
        try {
            holder->control().Resize();
        } catch (const rt::AutomationError& e) {
            m_form.NoteLoadError(label, e);
        }
        for (const auto& e : bag.entries())
            if (!e.read)
                m_form.Warn(where(m_path, e.line) + ": " + label + " did not read " + e.name +
                            "; it is kept as it is");
        return holder;
    }

    // The extender keys go to the holder; every other key, and fonts, to the control's bag, where a
    // picture is still its path until the control asks for an object.
    void fill_bag(const FormNode& node, ActiveXHolder& holder, const std::string& label) {
        PropertyBag& bag = holder.loaded_bag();
        for (const FormItem& item : node.items) {
            if (const auto* g = std::get_if<FormPropertyGroup>(&item)) {
                bag.Store(g->name, Variant(FontFromGroup(*g, m_path)), g->line);
                continue;
            }
            const auto& p = std::get<FormProperty>(item);
            if (rt::member_name_equals(p.key, "Index")) continue;
            if (!ActiveXHolder::IsExtenderKey(p.key)) {
                bag.Store(p.key, p.value, p.line);
                continue;
            }
            try {
                holder.LoadExtenderProperty(p);
            } catch (const rt::AutomationError& e) {
                throw FormFileError(m_path, p.line, label + "." + p.key + ": " + e.description);
            }
        }
        std::string folder = m_form.folder();
        bag.SetPictureResolver([folder](const std::string& stored) {
            std::filesystem::path file(rt::utf8_from_ansi(stored));
            if (file.is_relative()) file = std::filesystem::path(folder) / file;
            return Variant(LoadPictureFile(file.string()));
        });
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
    std::vector<std::string> warnings;
    FormProperties properties = read_form_properties(root, path, warnings);
    auto form = Form::Create(root.name, options, std::move(properties), path);
    for (std::string& w : warnings)
        form->Warn(std::move(w));
    ControlReader(*form).ReadChildren(root, nullptr);
    return form;
}

} // namespace host
