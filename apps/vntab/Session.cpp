#include "Session.h"

#include "control/VNTabCtl.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/host/FormReader.h"
#include "platform/host/FormSite.h"
#include "platform/host/FormWriter.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"

#include <cctype>
#include <filesystem>

namespace vntab_cli {

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

void FailStep(const std::string& what) {
    rt::raise_error(rt::kErrInvalidProcedureCall, "vntab", what);
}

int32_t WholeWord(const std::string& word) {
    if (!rt::IsNumericText(word)) FailStep("expected a number, not " + word);
    return rt::CLng(Variant(rt::Val(word)));
}

Session::Session() : m_provider(m_dialogs) {}

Session::~Session() {
    m_page.reset();
    m_holder.reset();
    m_form.reset();
}

vntab::VNTabCtl* Session::control() const {
    return m_holder ? dynamic_cast<vntab::VNTabCtl*>(m_holder->object().get()) : nullptr;
}

void Session::Load(const std::string& path, bool design, const std::string& control_name) {
    try {
        m_form = host::LoadForm(path, host::FormOptions{!design});
    } catch (const host::FormLoadError& e) {
        if (!e.form) throw;
        m_form = e.form;
        m_load_stop = LoadStop{e.what(), e.error};
    }
    m_form->SetEventSink([this](host::ActiveXHolder& source, std::string_view event,
                                std::span<host::EventArg> args) { OnEvent(source, event, args); });
    for (const auto& holder : m_form->ActiveXControls()) {
        bool wanted = control_name.empty() ? holder->TypeName() == "VNTabCtl"
                                           : rt::EqualsText(holder->KeyName(), control_name);
        if (wanted) {
            m_holder = holder;
            break;
        }
    }
    if (!control_name.empty() && !m_holder && !m_load_stop)
        throw host::FormFileError(path, 0, "the form has no control named " + control_name);
    PaintPending();
}

void Session::PaintPending() {
    user::PumpMessages();
}

void Session::OnEvent(host::ActiveXHolder& source, std::string_view event, std::span<host::EventArg> args) {
    if (&source != m_holder.get()) return;
    for (Handler& h : m_handlers) {
        if (h.remaining <= 0 || !rt::EqualsText(h.event, event)) continue;
        for (host::EventArg& a : args)
            if (rt::EqualsText(a.name, h.arg)) {
                a.value = h.value;
                --h.remaining;
            }
    }
    RecordedEvent e{std::string(event), {}};
    for (const host::EventArg& a : args)
        e.args.emplace_back(std::string(a.name), a.value);
    m_events.push_back(std::move(e));
}

bool Session::Run(const std::vector<ScriptStep>& steps) {
    for (const ScriptStep& step : steps) {
        try {
            RunStep(step);
            PaintPending();
        } catch (const rt::AutomationError& e) {
            m_error = StepError{step.number, e.number, e.source, e.description};
            PaintPending();
            return false;
        } catch (const host::FormFileError& e) {
            m_error = StepError{step.number, kErrPathFileAccess, "vntab", e.what()};
            return false;
        }
    }
    return true;
}

Variant Session::MakeValue(const ScriptValue& value) const {
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

void Session::RunStep(const ScriptStep& step) {
    if (RunProgramStep(step)) return;
    if (!m_holder) FailStep("the form has no VNTabCtl for the script to drive");
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
        host::SaveForm(*m_form, step.words[0]);
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
        m_dialogs.QueueAnswer(user::IDOK);
    } else if (which == "cancel") {
        m_dialogs.QueueCancel();
    } else if (which == "file") {
        const std::string& path = step.words[1];
        m_dialogs.QueueFile(
            rt::ansi_from_utf8(path.empty() ? path : std::filesystem::absolute(path).string()));
    } else {
        m_dialogs.QueueColor(static_cast<gdi::COLORREF>(rt::CLng(step.value->value)));
    }
}

// Properties and methods of the control and of its tabs, through late binding.
bool Session::RunControlStep(const ScriptStep& step) {
    const std::string& verb = step.verb;
    if (verb == "set") {
        assign(*m_holder, step.words[0], MakeValue(*step.value));
    } else if (verb == "tab") {
        auto tabs = rt::CObj(m_holder->object()->Get("Tabs"));
        auto tab = rt::CObj(tabs->Call("Item", {Variant(WholeWord(step.words[0]))}));
        assign(*tab, step.words[1], MakeValue(*step.value));
    } else if (verb == "call") {
        m_holder->Call(step.words[0], std::span<const Variant>());
    } else if (verb == "tabs add" || verb == "tabs remove" || verb == "tabs clear") {
        auto tabs = rt::CObj(m_holder->object()->Get("Tabs"));
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
        user::SetFocus(m_holder->hwnd());
    } else if (verb == "blur") {
        user::SetFocus(m_form->hwnd());
    } else if (verb == "access") {
        std::string ch = rt::ansi_from_utf8(step.words[0]);
        if (ch.size() != 1) FailStep("expected one character after access");
        m_form->HandleAccessKey(ch[0]);
    } else if (verb == "key") {
        Key(step);
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
    if (verb == "resize") {
        double w = ToUnits(WholeWord(step.words[0]), true);
        double h = ToUnits(WholeWord(step.words[1]), false);
        m_holder->Move(m_holder->Left(), m_holder->Top(), w, h);
    } else if (verb == "paint") {
        user::InvalidateRect(m_holder->hwnd(), nullptr, true);
    } else if (verb == "add") {
        int32_t w = step.words.size() > 4 ? WholeWord(step.words[4]) : 100;
        int32_t h = step.words.size() > 5 ? WholeWord(step.words[5]) : 24;
        if (m_form->UserMode()) FailStep("add works only on a form being designed (--design)");
        m_form->AddHostControl(step.words[0], step.words[1], m_holder.get(),
                               ToUnits(WholeWord(step.words[2]), true),
                               ToUnits(WholeWord(step.words[3]), false), ToUnits(w, true), ToUnits(h, false));
    } else if (verb == "delete") {
        if (m_form->UserMode()) FailStep("delete works only on a form being designed (--design)");
        m_form->RemoveControl(step.words[0]);
    } else {
        return false;
    }
    return true;
}

double Session::ToUnits(int32_t pixels, bool horizontal) const {
    host::FormSite& site = m_holder->site();
    int16_t scale = m_holder->CoordinateScaleMode();
    return horizontal ? site.ScaleX(pixels, host::vbPixels, scale)
                      : site.ScaleY(pixels, host::vbPixels, scale);
}

void Session::Mouse(const ScriptStep& step) {
    gdi::POINT at{WholeWord(step.words[0]), WholeWord(step.words[1])};
    user::MapWindowPoints(m_holder->hwnd(), m_form->hwnd(), &at, 1);
    int32_t button = step.words.size() > 2 ? WholeWord(step.words[2]) : 1;
    int32_t shift = step.words.size() > 3 ? WholeWord(step.words[3]) : 0;
    if (button != 1 && button != 2 && button != 4) FailStep("expected button 1, 2 or 4");
    user::SetKeyDown(user::VK_SHIFT, shift & 1);
    user::SetKeyDown(user::VK_CONTROL, shift & 2);
    user::SetKeyDown(user::VK_MENU, shift & 4);
    user::WPARAM keys = (shift & 1 ? user::MK_SHIFT : 0) | (shift & 2 ? user::MK_CONTROL : 0);
    user::WPARAM held = button == 1 ? user::MK_LBUTTON : button == 2 ? user::MK_RBUTTON : user::MK_MBUTTON;
    user::UINT down = button == 1   ? user::WM_LBUTTONDOWN
                      : button == 2 ? user::WM_RBUTTONDOWN
                                    : user::WM_MBUTTONDOWN;
    user::UINT up = button == 1 ? user::WM_LBUTTONUP : button == 2 ? user::WM_RBUTTONUP : user::WM_MBUTTONUP;
    auto send = [&](user::UINT message, user::WPARAM flags) {
        user::SendMouseInput(m_form->hwnd(), message, at.x, at.y, keys | flags);
        PaintPending();
    };
    const std::string& verb = step.verb;
    if (verb == "down")
        send(down, held);
    else if (verb == "up")
        send(up, 0);
    else if (verb == "move")
        send(user::WM_MOUSEMOVE, 0);
    else if (verb == "click") {
        send(down, held);
        send(up, 0);
    } else { // a double click, as the window system delivers it
        send(user::WM_LBUTTONDOWN, user::MK_LBUTTON);
        send(user::WM_LBUTTONUP, 0);
        send(user::WM_LBUTTONDBLCLK, user::MK_LBUTTON);
        send(user::WM_LBUTTONUP, 0);
    }
    user::SetKeyDown(user::VK_SHIFT, false);
    user::SetKeyDown(user::VK_CONTROL, false);
    user::SetKeyDown(user::VK_MENU, false);
}

void Session::Key(const ScriptStep& step) {
    static const std::pair<const char*, user::UINT> names[] = {
        {"left", user::VK_LEFT},     {"right", user::VK_RIGHT}, {"up", user::VK_UP},
        {"down", user::VK_DOWN},     {"tab", user::VK_TAB},     {"enter", user::VK_RETURN},
        {"escape", user::VK_ESCAPE}, {"space", user::VK_SPACE},
    };
    std::string name = lower(step.words[0]);
    user::UINT vk = 0;
    for (const auto& [n, code] : names)
        if (name == n) vk = code;
    if (!vk && name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        vk = static_cast<user::UINT>(std::toupper(static_cast<unsigned char>(name[0])));
    if (!vk && !step.quoted[0] && rt::IsNumericText(step.words[0]))
        vk = static_cast<user::UINT>(WholeWord(step.words[0]));
    if (!vk)
        FailStep("expected a key name (Left, Right, Up, Down, Tab, Enter, Escape, Space, a letter or a "
                 "digit) or a code");
    int32_t shift = step.words.size() > 1 ? WholeWord(step.words[1]) : 0;
    uint32_t modifiers = (shift & 1 ? user::kShiftMask : 0) | (shift & 2 ? user::kCtrlMask : 0) |
                         (shift & 4 ? user::kAltMask : 0);
    if (!user::SendKeyStroke(vk, modifiers))
        FailStep("no window has the focus for key " + step.words[0] + " (use focus first)");
}

} // namespace vntab_cli
