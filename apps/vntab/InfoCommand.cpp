#include "Arguments.h"
#include "Commands.h"
#include "driver/Dump.h"
#include "driver/Session.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"

#include <cstdio>
#include <iostream>

namespace vntab_cli {

using driver::Session;

using nlohmann::json;

namespace {

std::string show(const std::string& key, const rt::Variant& v) {
    if (v.is_string()) return "\"" + rt::utf8_from_ansi(v.as_string()) + "\"";
    if (v.is_object()) {
        if (auto font = std::dynamic_pointer_cast<rt::StdFont>(v.as_object()))
            return "font " + font->Name() + " " + rt::format_number(font->Size(), 7) +
                   (font->Bold() ? " bold" : "") + (font->Italic() ? " italic" : "");
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

// A dumped value on one line: numbers and strings as they are, colours in hexadecimal.
std::string show(const std::string& key, const json& v) {
    bool colour = key.find("Color") != std::string::npos;
    if (colour && v.is_number_integer()) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<uint32_t>(v.get<int64_t>()));
        return buf;
    }
    if (v.is_object() && v.contains("Name"))
        return "font " + v["Name"].get<std::string>() + " " + v["Size"].dump() +
               (v["Bold"].get<bool>() ? " bold" : "");
    return v.dump();
}

void print_tab_control(host::ActiveXHolder& holder, const std::string& indent) {
    std::cout << indent << "stored keys:";
    if (holder.loaded_bag().entries().empty()) std::cout << " none (every property at its default)";
    std::cout << "\n";
    for (const auto& e : holder.loaded_bag().entries())
        std::cout << indent << "  " << e.name << " = " << show(e.name, e.value) << "\n";
    json d = driver::DumpControl(holder);
    std::cout << indent << "properties (container units):\n";
    for (const auto& [name, value] : d["properties"].items())
        std::cout << indent << "  " << name << " = " << show(name, value) << "\n";
    const json& layout = d["layout"];
    std::cout << indent << "layout: " << layout["RowCount"] << " row(s) of up to " << layout["RowCapacity"]
              << ", panel edge " << layout["PanelEdge"] << ", row distance " << layout["DrawTabRowSeparation"]
              << ", 3D look " << layout["DrawTab3DAppearance"] << "\n";
    for (const json& t : layout["tabs"]) {
        const json& r = t["TabRect"];
        std::cout << indent << "  tab " << t["Index"] << " " << t["Caption"] << " row " << t["Row"] << " at ("
                  << r[0] << ", " << r[1] << ", " << r[2] << ", " << r[3] << ")";
        if (!t["Key"].is_null() && t["Key"] != "") std::cout << " key " << t["Key"];
        std::cout << "\n";
    }
    for (const json& c : d["controls"])
        std::cout << indent << "  " << c["kind"].get<std::string>() << " " << c["name"].get<std::string>()
                  << " on tab " << c["tab"] << (c["visible"].get<bool>() ? ", in view" : ", hidden") << "\n";
}

void print_control(host::FormControl& c, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    const gdi::RECT r = c.PixelBounds();
    const int32_t width = r.right - r.left, height = r.bottom - r.top;
    std::cout << indent << c.TypeName() << " " << c.KeyName() << "  at " << r.left << "," << r.top;
    if (width || height) std::cout << "  size " << width << "x" << height;
    std::cout << " px\n";
    if (auto* holder = dynamic_cast<host::ActiveXHolder*>(&c)) print_tab_control(*holder, indent + "  ");
    for (const auto& child : c.children())
        print_control(*child, depth + 1);
}

} // namespace

int InfoCommand(const std::vector<std::string>& args) {
    std::string path;
    try {
        Arguments in(args);
        while (!in.done())
            in.form(in.take(), path);
        if (path.empty()) throw UsageError("no form given: name the .frm file to describe");
    } catch (const UsageError& e) {
        return ComplainAboutUsage(e, Usage("info"));
    }
    // The form as it stands after its first paint: its tab controls laid out. A form that cannot
    // be read is refused (2); one that stopped loading, or whose control raised, is shown as far
    // as it got (1).
    Session session;
    int status = 0;
    try {
        session.Load(path, false, "");
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return 2;
    } catch (const rt::AutomationError& e) {
        Complain(path + ": error " + std::to_string(e.number) + ": " + e.description);
        if (!session.has_form()) return 1;
        status = 1;
    }
    host::Form& form = session.form();
    for (const auto& w : form.warnings())
        Complain("warning: " + w);
    for (const auto& e : form.load_errors()) {
        Complain(e.message);
        status = 1;
    }
    if (const auto& stop = session.load_stop()) {
        Complain(stop->message);
        status = 1;
    }
    const host::FormProperties& p = form.properties();
    const auto& font = p.Font();
    std::cout << "Form " << form.Name() << "  \"" << rt::utf8_from_ansi(p.Caption()) << "\"\n"
              << "  ScaleMode " << p.ScaleMode() << ", client " << p.ClientPixelWidth() << "x"
              << p.ClientPixelHeight() << " px at " << gdi::LogicalDpi() << " DPI, font " << font->Name()
              << " " << rt::format_number(font->Size(), 7) << "\n";
    for (const auto& c : form.controls())
        print_control(*c, 1);
    return status;
}

} // namespace vntab_cli
