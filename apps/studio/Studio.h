#pragma once

#include "Designer.h"
#include "Document.h"
#include "EventLog.h"
#include "GlWindow.h"
#include "InputRouter.h"
#include "ModalDialogs.h"
#include "Options.h"
#include "PagesDialog.h"
#include "ScriptReplay.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace studio {

// The studio: the form in its window at 1:1 pixels (or magnified), the chrome around it in ImGui,
// the event log beside it, and the running form's input, files, dialogs and view; in design mode
// the toolbox, the property list and the property pages, the designer's hand on the form.
class Studio {
public:
    Studio(const Options& options, GlWindow& window);
    ~Studio();
    Studio(const Studio&) = delete;
    Studio& operator=(const Studio&) = delete;

    // Runs until the person quits or the script is over; returns the exit status: 0, 1 when a
    // script step raised, 2 when the form or the script could not be read.
    int Run();

    // The layout, fixed so that scripts can address the form in window coordinates: the menu bar
    // on top, the form's client area right under it at the left edge, the event log on the right
    // and the status bar at the bottom.
    static constexpr int kMenuHeight = 19;
    static constexpr int kStatusHeight = 22;
    static constexpr int kLogWidth = 360;
    // Design mode wants room for the property pages beside the toolbox and property list.
    static constexpr int kDesignHeight = 660;

private:
    enum class Mode { Run, Design };
    // The side panels and bars: fixed in place, nothing overlapping.
    static constexpr ImGuiWindowFlags kPanelFlags =
        ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse |
        ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus;

    // One frame: input, the script, queued commands, the form's messages, drawing. A nested frame
    // runs while a modal window waits for an answer: only input and drawing.
    void Frame(bool nested);
    void PollEvents(bool nested);
    void HandleEvent(const SDL_Event& event, bool nested);
    bool Shortcut(const SDL_KeyboardEvent& key);
    // The script (StudioScript.cpp).
    void ReplayScript(bool nested);
    void RunScriptStep(const driver::ScriptStep& step);
    void StepFailed(const driver::ScriptStep& step, int32_t number, const std::string& description);
    // Whether this frame is the last of a scripted run that writes a screenshot.
    bool ScriptOver();
    void FinishScript(const GlWindow::Picture& picture);
    // Resizes the window every frame around its size and prints the frames per second.
    int MeasureResize();
    void PumpForm();
    // Puts the boxes and dialogs the form showed since the last frame in the log.
    void LogDialogs();
    void UpdateTexture();
    void ApplyScriptedPointer();
    FormViewport Viewport() const;

    // Design mode (DesignUi.cpp, PagesUi.cpp).
    void SetMode(Mode mode);
    void DesignInput(const SDL_Event& event);
    void DrawDesignPanel(int width, int height);
    void DrawToolbox();
    void DrawPropertyList();
    void DrawSelection() const;
    void OpenPages();
    void DrawPages();
    void DrawPageFields(vntab::pages::PropertyPage& page);
    void PagesButton(const char* label, bool apply, bool close);
    // Runs what a field does between frames, on that field of the page open then, if there is one.
    void LaterOnField(const std::string& name, std::function<void(vntab::pages::Field&)> action);
    // Runs a designer's action on the form: a change is noted, an error shown in a message box.
    void DesignAction(const std::function<bool()>& action, const char* what);
    // The script's design steps; false for a step of another kind.
    bool RunDesignStep(const driver::ScriptStep& step);

    // Drawing (StudioUi.cpp).
    void DrawUi();
    void DrawMenus();
    void DrawLogPanel(int width, int top, int bottom);
    void DrawStatusBar(int width, int height);

    // Commands (StudioCommands.cpp). Those started from a menu run outside the frame that drew it.
    void Later(std::function<void()> command) { m_later.push_back(std::move(command)); }
    bool OpenForm(const std::string& path);
    void NewForm();
    void OpenWithDialog();
    bool Save();
    bool SaveAsWithDialog();
    bool SaveAs(const std::string& path);
    void SaveDumpWithDialog();
    bool MaySetFormAside(); // asks about unsaved changes; false when the person cancels
    void RequestQuit();
    void SetZoom(int zoom);
    void SetDpi(int dpi);
    void SetScheme(size_t scheme);
    void FitWindowToForm();
    void FollowWindowSize();
    void UpdateTitle();
    // A problem the person should see: a box, or in a scripted run a line on stderr; logged both ways.
    void Report(const std::string& problem);
    // Calls into the running form, reporting what the form raised.
    void Guard(const std::function<void()>& call, const char* what);

    Options m_options;
    GlWindow& m_window;
    ModalDialogs m_dialogs;
    EventLog m_log;
    Document m_document;
    InputRouter m_input;
    FormTexture m_texture;
    std::optional<ScriptReplay> m_replay;
    Designer m_designer;
    PagesDialog m_pages;
    int m_pages_generation = 0;    // the document's form the pages were opened on
    std::string m_edited_property; // the property list's row being typed into
    std::string m_property_text;
    bool m_focus_edit = false; // the row's text field takes the keyboard when it appears
    std::vector<std::function<void()>> m_later;

    Mode m_mode = Mode::Run;
    int m_zoom = 1;
    size_t m_scheme = 0;
    bool m_follow_form = true; // tab controls keep their distances to the form's edges
    bool m_form_changed = true;
    bool m_quit = false;
    bool m_measuring = false;
    bool m_quit_requested = false;
    int m_status = 0;
    size_t m_boxes_logged = 0, m_dialogs_logged = 0; // of the session's record
    int m_busy_frames = 3;                           // frames still to draw before waiting for input
    int m_settle_frames = 3;                         // frames drawn after the script, before the screenshot
    int m_pointer_x = -1, m_pointer_y = -1;          // the mouse over the window, for the status bar
    std::string m_title;

    // The mouse of a scripted run, which ImGui reads in place of the real pointer.
    struct ScriptedPointer {
        int x = -1, y = -1;
        bool down[3] = {};
        bool pressed[3] = {}; // pressed since the last frame
    } m_scripted;
};

} // namespace studio
