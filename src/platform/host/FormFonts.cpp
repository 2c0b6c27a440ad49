#include "FormFonts.h"

#include "platform/automation/AutomationError.h"

namespace host {

using rt::Variant;

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
            throw FormValueError(p->line, group.name + "." + p->key, e);
        }
    }
    return font;
}

} // namespace host
