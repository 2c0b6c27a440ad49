#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/ControlSite.h"
#include "platform/host/FormControl.h"
#include "platform/host/FormProperties.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace host {

// Creates a hosted control for its site; the control runs its Initialize.
using ControlFactory = std::function<std::shared_ptr<ActiveXControl>(ControlSite&)>;
// Registers an ActiveX control type under the name a form file gives it ("VNTabCtl").
void RegisterControlType(std::string type_name, ControlFactory factory);
const ControlFactory* FindControlFactory(std::string_view type_name);

// Receives the events hosted controls raise to the host program.
using EventSink =
    std::function<void(ActiveXHolder& source, std::string_view event, std::span<EventArg> args)>;

struct FormOptions {
    bool user_mode = true; // false: the form is being designed
};

// The host program itself: its title (the default title of message boxes), version and help file.
struct AppInfo {
    std::string title = "vntab";
    AppVersion version;
    std::string help_file;
};

// A running form: the top-level window with the controls standing on it, the events they raise to
// the host program and the access keys that reach them. Controls reach the form through their
// sites. Reading and saving a form file is FormReader's and FormWriter's work.
class Form final : public rt::Dispatch {
public:
    // A new, empty form with its window.
    static std::shared_ptr<Form> CreateNew(std::string name, const FormOptions& options);
    // A form of the file at `path` with the properties read from it, its window and no controls yet
    // (the reader adds them); relative paths of pictures are relative to the file's folder. Saving
    // writes the file in `style`, the way it was written.
    static std::shared_ptr<Form> Create(std::string name, const FormOptions& options,
                                        FormProperties properties, const std::string& path,
                                        FormFileStyle style);
    ~Form() override;

    // Puts a control made for this form on its container (the form itself when it has none), after
    // the controls already there.
    void Attach(std::shared_ptr<FormControl> control);
    // A new hosted control placed on the form (or on a container): the control gets its defaults
    // through InitProperties.
    std::shared_ptr<ActiveXHolder> AddActiveXControl(const std::string& type_name, const std::string& name,
                                                     FormControl* container, double left, double top,
                                                     double width, double height);
    // A built-in control placed on the form or on a container while the form is designed (as a
    // designer drops one): Caption or Text start as its name. Error 5 for an unknown kind or a name
    // in use.
    std::shared_ptr<HostControl> AddHostControl(const std::string& kind_name, const std::string& name,
                                                FormControl* container, double left, double top, double width,
                                                double height);
    // Deletes a control (and what it holds) by "Name" or "Name(Index)"; error 5 when there is none.
    void RemoveControl(std::string_view key_name);

    std::string TypeName() const override { return "Form"; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) override;

    const std::string& Name() const { return m_name; }
    FormProperties& properties() { return m_properties; }
    const FormProperties& properties() const { return m_properties; }
    bool UserMode() const { return m_options.user_mode; }
    // The file the form belongs to and its folder ("" for a new form).
    const std::string& path() const { return m_path; }
    const std::string& folder() const { return m_folder; }
    // How the form's file is written: character set, byte-order mark, line ends and VERSION.
    const FormFileStyle& file_style() const { return m_file_style; }

    const std::vector<std::shared_ptr<FormControl>>& controls() const { return m_controls; }
    // Every control, containers before what they contain.
    std::vector<std::shared_ptr<FormControl>> AllControls() const;
    // A control by "Name" or "Name(Index)".
    std::shared_ptr<FormControl> FindControl(std::string_view key_name) const;
    std::vector<std::shared_ptr<ActiveXHolder>> ActiveXControls() const;

    // The form's window, the root of its controls' windows.
    user::HWND hwnd() const { return m_hwnd; }
    // The client area becomes width x height pixels, as a user sizes the form's window: the window
    // and ClientWidth and ClientHeight follow; the controls stay where they are.
    void ResizeClient(int32_t width, int32_t height);
    // Alt with a key: the control whose access keys hold the key gets it (AccessKeyPress); false
    // when no control has it.
    bool HandleAccessKey(char key);
    // The Tab key, which the form keeps for itself: the focus moves to the next windowed control
    // (the previous one with Shift) in TabIndex order, controls of equal TabIndex in the order they
    // were loaded, skipping those without a tab stop, hidden or disabled; after the last comes the
    // first. Returns the window that got the focus, 0 when no control can take it.
    user::HWND TabToNextControl(bool backward);

    const std::vector<std::string>& warnings() const { return m_warnings; }
    void Warn(std::string text) { m_warnings.push_back(std::move(text)); }
    // False for a form whose reading stopped at an error (FormLoadError): it holds the controls
    // read before it, and what the others would have been is unknown.
    bool complete() const { return m_complete; }
    void MarkIncomplete() { m_complete = false; }

    // An error a control raised once its properties were in, while the form was being put together
    // (the control could not draw at the size the container gave it): the form is complete and
    // runs, and the program hears of the error.
    struct LoadError {
        std::string control; // "Name" or "Name(Index)"
        rt::AutomationError error;
        // "file:line: Name: error N: description", the line the control's Begin.
        std::string message;
    };
    const std::vector<LoadError>& load_errors() const { return m_load_errors; }
    void NoteLoadError(std::string control, int line, rt::AutomationError error);

    void SetEventSink(EventSink sink) { m_events = std::move(sink); }
    void RaiseEvent(ActiveXHolder& source, std::string_view event, std::span<EventArg> args);

    AppInfo& app() { return m_app; }
    const AppInfo& app() const { return m_app; }

    // Designer state seen by property pages.
    std::vector<std::shared_ptr<rt::Dispatch>> selected_controls;
    bool property_page_changed = false;

private:
    Form(std::string name, const FormOptions& options, FormProperties properties, const std::string& path,
         FormFileStyle style);

    std::string m_name;
    FormOptions m_options;
    FormProperties m_properties;
    std::string m_path, m_folder;
    FormFileStyle m_file_style;
    std::vector<std::shared_ptr<FormControl>> m_controls;
    std::vector<std::string> m_warnings;
    bool m_complete = true;
    std::vector<LoadError> m_load_errors;
    EventSink m_events;
    AppInfo m_app;
    user::HWND m_hwnd{};
};

} // namespace host
