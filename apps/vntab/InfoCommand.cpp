#include "Commands.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/host/Form.h"

#include <cstdio>
#include <iostream>

namespace vntab_cli {

namespace {

std::string show(const std::string& key, const rt::Variant& v) {
    if (v.is_string()) return "\"" + rt::utf8_from_ansi(v.as_string()) + "\"";
    if (v.is_object()) {
        if (auto font = std::dynamic_pointer_cast<rt::StdFont>(v.as_object()))
            return "font " + font->Name() + " " + rt::format_number(font->Size(), 7) + (font->Bold() ? " bold" : "") +
                   (font->Italic() ? " italic" : "");
        return v.is_nothing() ? "Nothing" : v.as_object()->TypeName();
    }
    bool colour = rt::UCase(key).find("COLOR") != std::string::npos;
    if ((v.type() == rt::VarType::Long || v.type() == rt::VarType::Integer) && colour) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<uint32_t>(rt::CLng(v)));
        return buf;
    }
    return rt::CStr(v);
}

void print_control(const host::FormControl& c, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    auto r = c.PixelBounds();
    std::cout << indent << c.TypeName() << " " << c.KeyName() << "  at " << r.left << "," << r.top;
    if (r.width || r.height) std::cout << "  size " << r.width << "x" << r.height;
    std::cout << " px\n";
    if (auto* holder = dynamic_cast<const host::ActiveXHolder*>(&c)) {
        auto& bag = const_cast<host::ActiveXHolder*>(holder)->loaded_bag();
        if (bag.entries().empty()) std::cout << indent << "  (no stored keys: every property at its default)\n";
        for (const auto& e : bag.entries()) std::cout << indent << "  " << e.name << " = " << show(e.name, e.value) << "\n";
    }
    for (const auto& child : c.children()) print_control(*child, depth + 1);
}

} // namespace

int InfoCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        Complain("usage: vntab info FORM.frm");
        return 2;
    }
    std::shared_ptr<host::Form> form;
    try {
        form = host::Form::Load(args[0], host::FormOptions{});
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return e.line > 0 ? 1 : 2;
    }
    for (const auto& w : form->warnings()) Complain("warning: " + w);
    auto font = form->FormFont();
    std::cout << "Form " << form->Name() << "  \"" << rt::utf8_from_ansi(form->Caption()) << "\"\n"
              << "  ScaleMode " << form->ScaleMode() << ", client " << form->ClientPixelWidth() << "x"
              << form->ClientPixelHeight() << " px at " << form->Dpi() << " DPI, font " << font->Name() << " "
              << rt::format_number(font->Size(), 7) << "\n";
    for (const auto& c : form->controls()) print_control(*c, 1);
    return 0;
}

} // namespace vntab_cli
