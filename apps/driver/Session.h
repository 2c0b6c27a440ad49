#pragma once

#include "driver/Script.h"

#include "pages/PropertyPage.h"
#include "platform/host/FormRunner.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vntab {
class VNTabCtl;
}

namespace driver {

// The value a step carries, made when the step runs: a picture is loaded, a font made.
rt::Variant MakeValue(const ScriptValue& value);

// The steps that work on an open property page's fields: `field NAME VALUE` and `press NAME`. False
// for a step of another kind; the step fails when no page is open or the page has no such field.
bool RunFieldStep(vntab::pages::PropertyPage* page, const ScriptStep& step);

// One run of a form as `vntab render` drives it: the form loaded in run or design mode, message
// boxes answered from the script, every event the control raises recorded with its arguments as
// the handler left them, and the script's steps carried out on one tab control, and at design time on
// the property page the script opened for it.
class Session {
public:
    using RecordedEvent = host::FormRunner::RecordedEvent;
    using EventObserver = host::FormRunner::EventObserver;
    struct StepError {
        int step;
        int32_t number;
        std::string source, description;
    };

    Session();
    ~Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Loads the form (FormFileError when it cannot be read as one) and picks the control the script
    // drives: the one named, or the form's first VNTabCtl. Paints every window once. A value that
    // raises while the form is read stops the load: the session keeps the form as far as it got
    // and the error (load_stop()); the control named may then be missing (holder() is null).
    void Load(const std::string& path, bool design, const std::string& control_name);
    // The same for a form the host put together itself (from a document in memory, say), in place
    // of the one running: the events recorded so far, the handlers and the queued answers stay.
    void Adopt(std::shared_ptr<host::Form> form, const std::string& control_name);
    // Runs the steps in order; stops at the first that raises and returns false (see error()).
    bool Run(const std::vector<ScriptStep>& steps);
    // Runs one step and paints what it changed; false, with error() set, when it raised.
    bool RunStep(const ScriptStep& step);
    // Whether a step is the user's input (the mouse, keys, access keys) rather than the program's.
    static bool IsInputStep(const ScriptStep& step);

    // Hears every event any control of the form raises, as the handlers left its arguments.
    void ObserveEvents(EventObserver observer) { m_runner.ObserveEvents(std::move(observer)); }

    bool has_form() const { return m_runner.has_form(); }
    host::Form& form() const { return m_runner.form(); }
    host::ActiveXHolder* holder() const { return m_runner.holder().get(); }
    vntab::VNTabCtl* control() const;
    const std::vector<RecordedEvent>& events() const { return m_runner.events(); }
    const host::ScriptedDialogs& dialogs() const { return m_runner.dialogs(); }
    host::ScriptedDialogs& dialogs() { return m_runner.dialogs(); }
    const std::optional<StepError>& error() const { return m_error; }
    // The property page the script opened last, or nothing.
    const vntab::pages::PropertyPage* page() const { return m_page.get(); }
    // Paints every window that has something to paint.
    void PaintPending() { m_runner.PaintPending(); }
    // The error that stopped the load: "file:line: Control.Key: error N: description" and the error.
    struct LoadStop {
        std::string message;
        rt::AutomationError error;
    };
    const std::optional<LoadStop>& load_stop() const { return m_load_stop; }

private:
    struct Handler {
        std::string event, arg;
        rt::Variant value;
        int remaining;
    };
    void ApplyHandlers(std::string_view event, std::span<host::EventArg> args);
    void CarryOut(const ScriptStep& step);
    // Each runs the step when it is one of its kind and says whether it was.
    bool RunProgramStep(const ScriptStep& step);
    bool RunControlStep(const ScriptStep& step);
    bool RunInputStep(const ScriptStep& step);
    bool RunFormStep(const ScriptStep& step);
    bool RunPageStep(const ScriptStep& step);
    void Answer(const ScriptStep& step);
    void Mouse(const ScriptStep& step);

    host::FormRunner m_runner;
    host::ScopedDialogProvider m_provider;
    std::vector<Handler> m_handlers;
    std::optional<StepError> m_error;
    // Last, so that it goes first: the page works on the driven control.
    std::unique_ptr<vntab::pages::PropertyPage> m_page;
    std::optional<LoadStop> m_load_stop;
};

} // namespace driver
