#pragma once

#include "platform/automation/StdFont.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/ControlSite.h"
#include "platform/host/FormControl.h"
#include "platform/host/FormFile.h"
#include "platform/host/Units.h"

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

// A form: the top-level container with its caption, scale, client size, font and the controls on
// it, loaded from and saved to a form text file. Controls reach the form through their sites.
class Form final : public rt::Dispatch {
public:
    // Reads a form file. Refuses a malformed file or one whose controls refuse their properties with
    // FormFileError ("file:line: ..."); nothing half-loaded is returned.
    static std::shared_ptr<Form> Load(const std::string& path, const FormOptions& options);
    static std::shared_ptr<Form> FromDocument(const FormDocument& document, const std::string& path,
                                              const FormOptions& options);
    // A new, empty form.
    static std::shared_ptr<Form> CreateNew(std::string name, const FormOptions& options);
    ~Form() override;

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

    FormDocument ToDocument(const std::string& path) const;
    // Saves through a temporary file and a rename (WriteFormFile); `path` also decides how picture
    // paths are written (relative to its folder).
    void Save(const std::string& path) const;

    std::string TypeName() const override { return "Form"; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) override;

    const std::string& Name() const { return m_name; }
    std::string Caption() const;
    int16_t ScaleMode() const;
    // The client area, in pixels and in twips.
    int32_t ClientPixelWidth() const;
    int32_t ClientPixelHeight() const;
    UserScale FormUserScale() const;
    std::shared_ptr<rt::StdFont> FormFont() const { return m_font; }
    bool UserMode() const { return m_options.user_mode; }
    int Dpi() const;
    // The folder of the file the form was read from ("" for a new form), for relative paths.
    const std::string& folder() const { return m_folder; }
    const std::string& path() const { return m_path; }

    const std::vector<std::shared_ptr<FormControl>>& controls() const { return m_controls; }
    // Every control, containers before what they contain.
    std::vector<std::shared_ptr<FormControl>> AllControls() const;
    // A control by "Name" or "Name(Index)".
    std::shared_ptr<FormControl> FindControl(std::string_view key_name) const;
    std::vector<std::shared_ptr<ActiveXHolder>> ActiveXControls() const;

    // Length conversion in this form's scales (for its user scale as well).
    double ScaleLength(double value, int16_t from, int16_t to, Axis axis) const;

    // The form's window (the root of its controls' windows) and its background colour.
    user::HWND hwnd() const { return m_hwnd; }
    gdi::COLORREF BackgroundColor() const;
    // Alt with a key: the control whose access keys hold the key gets it (AccessKeyPress); false
    // when no control has it.
    bool HandleAccessKey(char key);

    const std::vector<std::string>& warnings() const { return m_warnings; }
    void Warn(std::string text) { m_warnings.push_back(std::move(text)); }

    void SetEventSink(EventSink sink) { m_events = std::move(sink); }
    void RaiseEvent(ActiveXHolder& source, std::string_view event, std::span<EventArg> args);

    AppInfo& app() { return m_app; }
    const AppInfo& app() const { return m_app; }

    // Designer state seen by property pages.
    std::vector<std::shared_ptr<rt::Dispatch>> selected_controls;
    bool property_page_changed = false;

private:
    Form(std::string name, const FormOptions& options);
    void LoadChildren(const FormNode& node, FormControl* container);
    std::shared_ptr<FormControl> LoadControl(const FormNode& node, FormControl* container);

    std::string m_name;
    FormOptions m_options;
    std::string m_path, m_folder;
    PropertyList m_values;
    std::shared_ptr<rt::StdFont> m_font;
    std::vector<std::shared_ptr<FormControl>> m_controls;
    std::vector<std::string> m_warnings;
    EventSink m_events;
    AppInfo m_app;
    user::HWND m_hwnd{};
};

// A font as a form file stores it: BeginProperty NAME with Name, Size, Charset, Weight, Underline,
// Italic and Strikethrough.
FormPropertyGroup FontToGroup(std::string_view name, const rt::StdFont& font);
std::shared_ptr<rt::StdFont> FontFromGroup(const FormPropertyGroup& group, const std::string& file);

} // namespace host
