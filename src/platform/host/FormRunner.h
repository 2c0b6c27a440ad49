#pragma once

#include "platform/host/ActiveXHolder.h"
#include "platform/host/Form.h"
#include "platform/host/FormReader.h"
#include "platform/host/ScriptedDialogs.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// A form as a program runs it: read from a form file or made new, the hosted control the program
// works with (the driven control), the events that control raises, and the user's input delivered
// through the windows as the window system delivers it, each step followed by the painting it
// caused. The command line and the embedding library both run their forms through it.
//
// Message boxes and dialogs go to the runner's scripted provider (answered from its queue, else by
// the first button) while the program has it installed (ScopedDialogProvider).
class FormRunner {
public:
    struct RecordedEvent {
        std::string name;
        std::vector<std::pair<std::string, rt::Variant>> args; // as the program's handler left them
    };
    // The program's handler of the driven control's events; it may change by-reference arguments.
    using EventHandler = std::function<void(std::string_view event, std::span<EventArg> args)>;

    // The messages of the mouse, as the window system sends them. Mouse buttons are bits (1 left,
    // 2 right, 4 middle), and so are the shift keys (1 Shift, 2 Ctrl, 4 Alt), as the control's
    // events report them.
    enum class MouseMessage { Down, Up, Move, DoubleClick };

    FormRunner() = default;
    ~FormRunner();
    FormRunner(const FormRunner&) = delete;
    FormRunner& operator=(const FormRunner&) = delete;

    // Reads the form (FormFileError when it cannot) and drives the control named, or else the
    // form's first control of `type_name`. Paints every window once; an error the paint raises
    // propagates with the form kept. A load that an error stopped keeps the form as far as it got,
    // and load_stop() says what stopped it.
    void Load(const std::string& path, const FormOptions& options, std::string_view type_name,
              const std::string& control_name);
    // Runs a form the program put together itself (from a document in memory, say) in place of the
    // one running, driving the control named, or else its first control of `type_name`; the events
    // recorded so far and the handler stay. Paints every window once.
    void Adopt(std::shared_ptr<Form> form, std::string_view type_name, const std::string& control_name);
    // A new, empty form whose client area is width x height pixels.
    void CreateForm(int32_t width, int32_t height, const FormOptions& options);
    // A new hosted control of `type_name` with its defaults, at the pixels `bounds` of the form's
    // client area; it becomes the driven control. Error 5 for a name in use.
    void AddControl(std::string_view type_name, const std::string& name, const gdi::RECT& bounds);
    // Drives the hosted control with that name ("Name" or "Name(Index)"); error 5 when there is none.
    void Drive(std::string_view key_name);

    bool has_form() const { return m_form != nullptr; }
    const std::optional<FormLoadError>& load_stop() const { return m_load_stop; }
    Form& form() const { return *m_form; }
    // The driven control, or null when the form has none.
    const std::shared_ptr<ActiveXHolder>& holder() const { return m_holder; }
    ScriptedDialogs& dialogs() { return m_dialogs; }
    const ScriptedDialogs& dialogs() const { return m_dialogs; }

    void SetEventHandler(EventHandler handler) { m_handler = std::move(handler); }
    // Hears every event any control of the form raises, the driven control's after the handler.
    using EventObserver = std::function<void(ActiveXHolder& source, const RecordedEvent& event)>;
    void ObserveEvents(EventObserver observer) { m_observer = std::move(observer); }
    const std::vector<RecordedEvent>& events() const { return m_events; }
    std::vector<RecordedEvent> TakeEvents();

    // A mouse message at `at`, in the form's client pixels. `buttons` are the button pressed or
    // released (Down, Up, DoubleClick, which is always the left button's) or the buttons held
    // (Move); `shift` the shift keys held, which stay down for the message only.
    void SendMouse(MouseMessage message, gdi::POINT at, int buttons, int shift);
    // A key stroke (down, its character, up) to the window with the focus; false when none has it.
    // The form keeps the Tab key (without Ctrl or Alt) and moves the focus through its controls.
    bool SendKey(user::UINT vk, int shift);
    // Alt with a character, as the form routes it; false when no control has that access key.
    bool SendAccessKey(char key);
    // The driven control's window gets the focus; Blur gives it to the form.
    void Focus();
    void Blur();
    // The driven control's size in pixels, set as the container sets it.
    void ResizeControl(int32_t width, int32_t height);
    // The form's client area in pixels.
    void ResizeForm(int32_t width, int32_t height);
    // The driven control repaints all of itself.
    void InvalidateControl();
    // Paints every window that has something to paint.
    void PaintPending();

    // A point of the driven control's client area in the form's client pixels.
    gdi::POINT ControlToForm(gdi::POINT point) const;
    // Pixels of the driven control's container in the container's own scale.
    double ToUnits(int32_t pixels, bool horizontal) const;
    // The form's picture (or the driven control's client area only) as a new 32-bit bitmap that
    // the caller deletes; 0 for an empty area.
    gdi::HBITMAP Snapshot(bool control_only) const;
    // Saves the form as a form file (FormFileError when it cannot).
    void Save(const std::string& path) const;

private:
    void Replace(std::shared_ptr<Form> form);
    void PickDriven(std::string_view type_name, const std::string& control_name);
    void OnEvent(ActiveXHolder& source, std::string_view event, std::span<EventArg> args);
    ActiveXHolder& driven() const;

    ScriptedDialogs m_dialogs;
    std::shared_ptr<Form> m_form;
    std::shared_ptr<ActiveXHolder> m_holder;
    EventHandler m_handler;
    EventObserver m_observer;
    std::vector<RecordedEvent> m_events;
    std::optional<FormLoadError> m_load_stop; // without its form, which is m_form
};

} // namespace host
