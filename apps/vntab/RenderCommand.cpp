#include "Arguments.h"
#include "Commands.h"
#include "driver/Dump.h"
#include "driver/Script.h"
#include "driver/Session.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowGeometry.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace vntab_cli {

using driver::DumpSession;
using driver::ParseScript;
using driver::ScriptError;
using driver::ScriptStep;
using driver::Session;

namespace {

struct RenderOptions {
    std::string form, output, control, events, dump;
    std::optional<std::string> steps; // the script given inline
    bool design = false;
    int dpi = 96;
};

RenderOptions parse(const std::vector<std::string>& args) {
    RenderOptions o;
    Arguments in(args);
    while (!in.done()) {
        const std::string& a = in.take();
        if (a == "-o")
            o.output = in.value_of(a, "the PNG file to write");
        else if (a == "--control")
            o.control = in.value_of(a, "the name of a control of the form");
        else if (a == "--events")
            o.events = in.value_of(a, "the script file to run, - for standard input");
        else if (a == "--steps")
            o.steps = in.value_of(a, "the script to run, in quotes");
        else if (a == "--dump")
            o.dump = in.value_of(a, "the JSON file to write");
        else if (a == "--dpi")
            o.dpi = in.whole_number_of(a, 24, 960, "pixels per inch");
        else if (a == "--design")
            o.design = true;
        else
            in.form(a, o.form);
    }
    if (o.form.empty()) throw UsageError("no form given: name the .frm file to render");
    if (o.output.empty()) throw UsageError("no picture to write: give -o OUT.png");
    if (!o.events.empty() && o.steps)
        throw UsageError("--events and --steps each give the whole script: give one of them");
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

// Why no picture can be made of a window of this size, or "" when one can.
std::string no_picture_of(const std::string& what, int32_t width, int32_t height) {
    const std::string size =
        what + " is " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width < 1 || height < 1) return size + ", which leaves nothing to draw";
    if (width > gdi::kMaxBitmapSide || height > gdi::kMaxBitmapSide ||
        int64_t(width) * height > gdi::kMaxBitmapPixels)
        return size + ", and a picture is at most " + std::to_string(gdi::kMaxBitmapSide) +
               " pixels a side and " + std::to_string(gdi::kMaxBitmapPixels) + " pixels in all";
    return "";
}

// The picture: the whole form, or with --control the control's client area only (the whole form
// when the load stopped before that control).
bool write_png(const Session& session, const RenderOptions& o) {
    const bool whole_form = o.control.empty() || !session.holder();
    const user::HWND window = whole_form ? session.form().hwnd() : session.holder()->hwnd();
    // The form's size as its file gives it (its window holds no size it cannot draw); a control's
    // as the script last left it.
    gdi::RECT client{};
    user::GetClientRect(window, &client);
    const host::FormProperties& form = session.form().properties();
    const std::string why = whole_form
                                ? no_picture_of("the form", form.ClientPixelWidth(), form.ClientPixelHeight())
                                : no_picture_of("the control " + o.control, client.right, client.bottom);
    if (!why.empty()) {
        Complain("cannot write " + o.output + ": " + why);
        return false;
    }
    gdi::HBITMAP image = host::CompositeToBitmap(window);
    std::string error = "the picture could not be made";
    bool ok = image && gdi::WritePng(image, o.output, &error);
    if (image) gdi::DeleteObject(image);
    // WritePng's error names the file.
    if (!ok) Complain(image ? error : "cannot write " + o.output + ": " + error);
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
        Complain("cannot read the script " + o.events + ": " + std::strerror(errno));
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
    if (out) out << DumpSession(session).dump(2) << '\n';
    if (out) out.close();
    if (!out) Complain("cannot write " + o.dump + ": " + std::strerror(errno));
    return static_cast<bool>(out);
}

} // namespace

int RenderCommand(const std::vector<std::string>& args) {
    RenderOptions o;
    try {
        o = parse(args);
    } catch (const UsageError& e) {
        return ComplainAboutUsage(e, Usage("render"));
    }
    gdi::SetLogicalDpi(o.dpi);
    std::vector<ScriptStep> steps;
    if (!read_script(o, steps)) return 2;

    // A file that cannot be read as a form is refused (2); a form that reads but whose control
    // raises, while the form is put together, first painted or driven, still renders (1), and so
    // does a form whose reading stopped at a value that raised, as far as it got.
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
    for (const auto& e : session.form().load_errors()) {
        Complain(e.message);
        status = 1;
    }
    if (const auto& stop = session.load_stop()) {
        Complain(stop->message);
        if (!o.control.empty() && !session.holder())
            Complain("--control " + o.control + ": the form stopped loading before such a control; " +
                     o.output + " shows the whole form as far as it got");
        status = 1;
    }
    if (paint_error) {
        complain_error(o.form, paint_error->number, paint_error->description, paint_error->source);
        status = 1;
    } else if (session.load_stop()) {
        // The script is not run on a form that is not all there.
        if (!steps.empty()) Complain("the script is not run: the form did not load completely");
    } else if (!session.Run(steps)) {
        const auto& e = *session.error();
        complain_error("step " + std::to_string(e.step), e.number, e.description, e.source);
        status = 1;
    }
    if (!write_png(session, o) || !write_dump(session, o)) return 1;
    return status;
}

} // namespace vntab_cli
