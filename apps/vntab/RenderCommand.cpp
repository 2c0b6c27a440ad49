#include "Commands.h"
#include "Dump.h"
#include "Script.h"
#include "Session.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/user/Paint.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace vntab_cli {

namespace {

struct RenderOptions {
    std::string form, output, control, events, dump;
    std::optional<std::string> steps; // the script given inline
    bool design = false;
    int dpi = 96;
};

std::optional<RenderOptions> parse(const std::vector<std::string>& args) {
    RenderOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto next = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        const std::string* v = nullptr;
        if (a == "-o" && (v = next()))
            o.output = *v;
        else if (a == "--control" && (v = next()))
            o.control = *v;
        else if (a == "--events" && (v = next()))
            o.events = *v;
        else if (a == "--steps" && (v = next()))
            o.steps = *v;
        else if (a == "--dump" && (v = next()))
            o.dump = *v;
        else if (a == "--dpi" && (v = next())) {
            try {
                size_t used = 0;
                o.dpi = std::stoi(*v, &used);
                if (used != v->size() || o.dpi < 24 || o.dpi > 960) return std::nullopt;
            } catch (const std::exception&) {
                return std::nullopt;
            }
        } else if (a == "--design")
            o.design = true;
        else if (o.form.empty() && !a.empty() && a[0] != '-')
            o.form = a;
        else
            return std::nullopt;
    }
    if (o.form.empty() || o.output.empty()) return std::nullopt;
    // One script: from a file or inline.
    if (!o.events.empty() && o.steps) return std::nullopt;
    return o;
}

// The whole of a file, or of standard input for "-".
bool read_file(const std::string& path, std::string& text) {
    std::ostringstream buf;
    if (path == "-") {
        buf << std::cin.rdbuf();
        text = buf.str();
        return !std::cin.bad();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    buf << in.rdbuf();
    text = buf.str();
    return !in.bad();
}

// The picture: the whole form, or with --control the control's client area only.
bool write_png(const Session& session, const RenderOptions& o) {
    user::HWND window = o.control.empty() ? session.form().hwnd() : session.holder()->hwnd();
    gdi::HBITMAP image = host::CompositeToBitmap(window);
    std::string error;
    bool ok = image && gdi::WritePng(image, o.output, &error);
    if (image) gdi::DeleteObject(image);
    if (!ok) Complain("cannot write " + o.output + (error.empty() ? "" : ": " + error));
    return ok;
}

// The steps of the script, from --steps or the file --events names; false, said on stderr, when
// it cannot be read or parsed.
bool read_script(const RenderOptions& o, std::vector<ScriptStep>& steps) {
    std::string text, name = "steps";
    if (o.steps) {
        text = *o.steps;
    } else if (o.events.empty()) {
        return true;
    } else if (!read_file(o.events, text)) {
        Complain("cannot read the script " + o.events);
        return false;
    } else {
        name = o.events == "-" ? "stdin" : o.events;
    }
    try {
        steps = ParseScript(text, name);
    } catch (const ScriptError& e) {
        Complain(e.what());
        return false;
    }
    return true;
}

void complain_error(const std::string& where, int32_t number, const std::string& description,
                    const std::string& source) {
    Complain(where + ": error " + std::to_string(number) + ": " + description +
             (source.empty() ? "" : " (" + source + ")"));
}

bool write_dump(const Session& session, const RenderOptions& o) {
    if (o.dump.empty()) return true;
    std::ofstream out(o.dump);
    out << DumpSession(session).dump(2) << '\n';
    if (!out) Complain("cannot write " + o.dump);
    return static_cast<bool>(out);
}

} // namespace

int RenderCommand(const std::vector<std::string>& args) {
    auto options = parse(args);
    if (!options) {
        Complain(Usage("render"));
        return 2;
    }
    const RenderOptions& o = *options;
    gdi::SetLogicalDpi(o.dpi);
    std::vector<ScriptStep> steps;
    if (!read_script(o, steps)) return 2;

    // A file that cannot be read as a form is refused (2); a form that reads but whose control
    // raises, while the form is put together, first painted or driven, still renders (1).
    Session session;
    std::optional<rt::AutomationError> paint_error;
    try {
        session.Load(o.form, o.design, o.control);
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return 2;
    } catch (const rt::AutomationError& e) {
        // A drawing that overflows, say, while the form is first painted.
        paint_error = e;
    }
    if (!session.has_form()) {
        complain_error(o.form, paint_error->number, paint_error->description, paint_error->source);
        return 1;
    }
    int status = 0;
    for (const auto& w : session.form().warnings())
        Complain("warning: " + w);
    for (const auto& [control, e] : session.form().load_errors()) {
        complain_error(o.form + ": " + control, e.number, e.description, e.source);
        status = 1;
    }
    if (paint_error) {
        complain_error(o.form, paint_error->number, paint_error->description, paint_error->source);
        status = 1;
    } else if (!session.Run(steps)) {
        const auto& e = *session.error();
        complain_error("step " + std::to_string(e.step), e.number, e.description, e.source);
        status = 1;
    }
    if (!write_png(session, o) || !write_dump(session, o)) return 1;
    return status;
}

} // namespace vntab_cli
