#include "driver/Session.h"

#include "control/VNTabCtl.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/user/Messages.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace driver {

using rt::Variant;

namespace {

constexpr int32_t kErrPathFileAccess = 75;

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A word of a collection argument: a number is a position, anything else a key.
Variant index_word(const ScriptStep& step, size_t i) {
    const std::string& w = step.words[i];
    if (!step.quoted[i] && rt::IsNumericText(w)) return Variant(WholeWord(w));
    return Variant(rt::ansi_from_utf8(w));
}

} // namespace

Session::Session() : m_provider(m_runner.dialogs()) {
    m_runner.SetEventHandler(
        [this](std::string_view event, std::span<host::EventArg> args) { ApplyHandlers(event, args); });
}

vntab::VNTabCtl* Session::control() const {
    return holder() ? dynamic_cast<vntab::VNTabCtl*>(holder()->object().get()) : nullptr;
}

void Session::Load(const std::string& path, bool design, const std::string& control_name) {
    m_page.reset();
    m_load_stop.reset();
    m_runner.Load(path, host::FormOptions{!design}, "VNTabCtl", control_name);
    if (const auto& stop = m_runner.load_stop()) m_load_stop = LoadStop{stop->what(), stop->error};
}

void Session::Adopt(std::shared_ptr<host::Form> form, const std::string& control_name) {
    // The page open on the old form's control goes with it.
    m_page.reset();
    m_runner.Adopt(std::move(form), "VNTabCtl", control_name);
}

// The script's handlers set by-reference arguments of the events they wait for.
void Session::ApplyHandlers(std::string_view event, std::span<host::EventArg> args) {
    for (Handler& h : m_handlers) {
        if (h.remaining <= 0 || !rt::EqualsText(h.event, event)) continue;
        for (host::EventArg& a : args)
            if (rt::EqualsText(a.name, h.arg)) {
                a.value = h.value;
                --h.remaining;
            }
    }
}

bool Session::Run(const std::vector<ScriptStep>& steps) {
    for (const ScriptStep& step : steps)
        if (!RunStep(step)) return false;
    return true;
}

bool Session::RunStep(const ScriptStep& step) {
    try {
        CarryOut(step);
        m_runner.PaintPending();
    } catch (const rt::AutomationError& e) {
        m_error = StepError{step.number, e.number, e.source, e.description};
        m_runner.PaintPending();
        return false;
    } catch (const host::FormFileError& e) {
        m_error = StepError{step.number, kErrPathFileAccess, "vntab", e.what()};
        return false;
    }
    return true;
}

bool Session::IsInputStep(const ScriptStep& step) {
    static const char* const verbs[] = {"down", "up", "move", "click", "dblclick", "key", "access"};
    return std::find(std::begin(verbs), std::end(verbs), step.verb) != std::end(verbs);
}

Variant MakeValue(const ScriptValue& value) {
    switch (value.kind) {
    case ScriptValue::Kind::Plain:
        return value.value;
    case ScriptValue::Kind::Picture:
        return Variant(rt::LoadPicture(value.path));
    case ScriptValue::Kind::Font: {
        auto font = std::make_shared<rt::StdFont>(rt::ansi_from_utf8(value.font_name), value.font_size,
                                                  value.bold, value.italic);
        return Variant(font);
    }
    }
    return value.value;
}

static void assign(rt::Dispatch& target, const std::string& property, const Variant& value) {
    if (value.is_object())
        target.Set(property, value.as_object());
    else
        target.Let(property, value);
}

void Session::CarryOut(const ScriptStep& step) {
    if (RunProgramStep(step)) return;
    if (!holder()) FailStep("the form has no VNTabCtl for the script to drive");
    if (RunControlStep(step) || RunInputStep(step) || RunFormStep(step) || RunPageStep(step)) return;
    FailStep("unknown step " + step.verb);
}

// What the host program does: answers to message boxes, event handlers, saving the form.
bool Session::RunProgramStep(const ScriptStep& step) {
    const std::string& verb = step.verb;
    if (verb == "answer") {
        Answer(step);
    } else if (verb == "handle") {
        int count = 1;
        if (step.words.size() == 4 && !step.quoted[3] && rt::IsNumericText(step.words[3]))
            count = WholeWord(step.words[3]);
        m_handlers.push_back(Handler{step.words[0], step.words[1], MakeValue(*step.value), count});
    } else if (verb == "save") {
        m_runner.Save(step.words[0]);
    } else {
        return false;
    }
    return true;
}

// The next message box, open-file or colour dialog. A dialog hands back a whole path, so a path the
// script gives is taken from the current folder, as every other path on the command line.
void Session::Answer(const ScriptStep& step) {
    const std::string which = lower(step.words[0]);
    if (which == "ok") {
        m_runner.dialogs().QueueAnswer(user::IDOK);
    } else if (which == "cancel") {
        m_runner.dialogs().QueueCancel();
    } else if (which == "file") {
        const std::string& path = step.words[1];
        m_runner.dialogs().QueueFile(
            rt::ansi_from_utf8(path.empty() ? path : std::filesystem::absolute(path).string()));
    } else {
        m_runner.dialogs().QueueColor(static_cast<gdi::COLORREF>(rt::CLng(step.value->value)));
    }
}

// Properties and methods of the control and of its tabs, through late binding.
bool Session::RunControlStep(const ScriptStep& step) {
    const std::string& verb = step.verb;
    host::ActiveXHolder& control = *holder();
    if (verb == "set") {
        assign(control, step.words[0], MakeValue(*step.value));
    } else if (verb == "tab") {
        auto tabs = rt::CObj(control.object()->Get("Tabs"));
        auto tab = rt::CObj(tabs->Call("Item", {Variant(WholeWord(step.words[0]))}));
        assign(*tab, step.words[1], MakeValue(*step.value));
    } else if (verb == "call") {
        control.Call(step.words[0], std::span<const Variant>());
    } else if (verb == "tabs add" || verb == "tabs remove" || verb == "tabs clear") {
        auto tabs = rt::CObj(control.object()->Get("Tabs"));
        std::vector<Variant> args;
        for (size_t i = 0; i < step.words.size(); ++i)
            args.push_back(i == 0 ? index_word(step, 0) : Variant(rt::ansi_from_utf8(step.words[i])));
        tabs->Call(verb == "tabs add" ? "Add" : verb == "tabs remove" ? "Remove" : "Clear", args);
    } else {
        return false;
    }
    return true;
}

// The user's input: the focus, keys, access keys and the mouse.
bool Session::RunInputStep(const ScriptStep& step) {
    const std::string& verb = step.verb;
    if (verb == "focus") {
        m_runner.Focus();
    } else if (verb == "blur") {
        m_runner.Blur();
    } else if (verb == "access") {
        std::string ch = rt::ansi_from_utf8(step.words[0]);
        if (ch.size() != 1) FailStep("expected one character after access");
        m_runner.SendAccessKey(ch[0]);
    } else if (verb == "key") {
        if (!m_runner.SendKey(StepKey(step), StepShift(step)))
            FailStep("no window has the focus for key " + step.words[0] + " (use focus first)");
    } else if (verb == "down" || verb == "up" || verb == "move" || verb == "click" || verb == "dblclick") {
        Mouse(step);
    } else {
        return false;
    }
    return true;
}

// What the container and its designer do: size, paint, add and delete controls.
bool Session::RunFormStep(const ScriptStep& step) {
    const std::string& verb = step.verb;
    host::Form& form = m_runner.form();
    auto units = [&](size_t i, bool horizontal) {
        return m_runner.ToUnits(WholeWord(step.words[i]), horizontal);
    };
    if (verb == "resize") {
        m_runner.ResizeControl(WholeWord(step.words[0]), WholeWord(step.words[1]));
    } else if (verb == "paint") {
        m_runner.InvalidateControl();
    } else if (verb == "add") {
        double w = step.words.size() > 4 ? units(4, true) : m_runner.ToUnits(100, true);
        double h = step.words.size() > 5 ? units(5, false) : m_runner.ToUnits(24, false);
        if (form.UserMode()) FailStep("add works only on a form being designed (--design)");
        form.AddHostControl(step.words[0], step.words[1], holder(), units(2, true), units(3, false), w, h);
    } else if (verb == "delete") {
        if (form.UserMode()) FailStep("delete works only on a form being designed (--design)");
        form.RemoveControl(step.words[0]);
    } else {
        return false;
    }
    return true;
}

// Mouse steps are in the driven control's client pixels; click and dblclick are the messages the
// window system sends for them.
void Session::Mouse(const ScriptStep& step) {
    using Message = host::FormRunner::MouseMessage;
    const gdi::POINT at =
        m_runner.ControlToForm(gdi::POINT{WholeWord(step.words[0]), WholeWord(step.words[1])});
    const int32_t button = StepButton(step);
    const int32_t shift = StepShift(step);
    const std::string& verb = step.verb;
    if (verb == "down") {
        m_runner.SendMouse(Message::Down, at, button, shift);
    } else if (verb == "up") {
        m_runner.SendMouse(Message::Up, at, button, shift);
    } else if (verb == "move") {
        m_runner.SendMouse(Message::Move, at, 0, shift);
    } else if (verb == "click") {
        m_runner.SendMouse(Message::Down, at, button, shift);
        m_runner.SendMouse(Message::Up, at, button, shift);
    } else {
        m_runner.SendMouse(Message::Down, at, 1, shift);
        m_runner.SendMouse(Message::Up, at, 1, shift);
        m_runner.SendMouse(Message::DoubleClick, at, 1, shift);
        m_runner.SendMouse(Message::Up, at, 1, shift);
    }
}

} // namespace driver
