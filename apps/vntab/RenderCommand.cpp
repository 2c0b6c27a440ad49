#include "Commands.h"
#include "Dump.h"
#include "Script.h"
#include "Session.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/user/Paint.h"

#include <fstream>
#include <sstream>

namespace vntab_cli {

namespace {

struct RenderOptions {
    std::string form, output, control, events, dump;
    bool design = false;
    int dpi = 96;
};

const char* kRenderUsage = "usage: vntab render FORM.frm -o OUT.png [--control NAME] [--design] [--dpi N] "
                           "[--events SCRIPT] [--dump OUT.json]";

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
    return o;
}

bool read_file(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buf;
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

// The steps of the script at `path`; false, said on stderr, when it cannot be read or parsed.
bool read_script(const std::string& path, std::vector<ScriptStep>& steps) {
    std::string text;
    if (!read_file(path, text)) {
        Complain("cannot read the script " + path);
        return false;
    }
    try {
        steps = ParseScript(text, path);
    } catch (const ScriptError& e) {
        Complain(e.what());
        return false;
    }
    return true;
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
        Complain(kRenderUsage);
        return 2;
    }
    const RenderOptions& o = *options;
    gdi::SetLogicalDpi(o.dpi);
    std::vector<ScriptStep> steps;
    if (!o.events.empty() && !read_script(o.events, steps)) return 2;

    Session session;
    int status = 0;
    try {
        session.Load(o.form, o.design, o.control);
        for (const auto& w : session.form().warnings())
            Complain("warning: " + w);
        if (!session.Run(steps)) {
            const auto& e = *session.error();
            Complain("step " + std::to_string(e.step) + ": error " + std::to_string(e.number) + ": " +
                     e.description + (e.source.empty() ? "" : " (" + e.source + ")"));
            status = 1;
        }
    } catch (const host::FormFileError& e) {
        Complain(e.what());
        return e.line > 0 ? 1 : 2;
    } catch (const rt::AutomationError& e) {
        // A drawing that overflows, say, while the form is first painted.
        Complain(o.form + ": error " + std::to_string(e.number) + ": " + e.description);
        status = 1;
    }
    if (!write_png(session, o) || !write_dump(session, o)) return 1;
    return status;
}

} // namespace vntab_cli
