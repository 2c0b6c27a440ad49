#include "FormWriter.h"

#include "platform/automation/Dispatch.h"
#include "platform/host/FormFonts.h"

#include <filesystem>

namespace host {

FormDocument FormToDocument(const Form& form, const std::string& path) {
    std::string folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
    const FormProperties& properties = form.properties();
    FormDocument doc;
    doc.style = form.file_style();
    doc.root.type = "Form";
    doc.root.name = form.Name();
    // The font stands before the client area's position, where the platform's forms keep it.
    bool font_written = false;
    for (const auto& e : properties.entries()) {
        if (!font_written && rt::member_name_equals(e.name, "ClientLeft")) {
            doc.root.items.emplace_back(FontToGroup("Font", *properties.Font()));
            font_written = true;
        }
        doc.root.items.emplace_back(FormProperty{e.name, e.value, 0});
    }
    if (!font_written) doc.root.items.emplace_back(FontToGroup("Font", *properties.Font()));
    for (const auto& c : form.controls())
        doc.root.children.push_back(c->ToNode(folder));
    return doc;
}

void SaveForm(const Form& form, const std::string& path) {
    WriteFormFile(path, FormatForm(FormToDocument(form, path)));
}

} // namespace host
