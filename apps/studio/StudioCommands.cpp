#include "Studio.h"

#include "driver/Dump.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/SysColors.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace studio {

namespace fs = std::filesystem;

namespace {

const char* const kFormFilter = "Forms (*.frm)|*.frm|All files (*.*)|*.*";

std::string file_name(const std::string& path) {
    return path.empty() ? "Untitled" : fs::path(path).filename().string();
}

} // namespace

void Studio::Report(const std::string& problem) {
    m_log.Add(EventLog::Kind::Error, problem);
    if (m_replay)
        std::cerr << "vntab-studio: " << problem << "\n";
    else
        m_dialogs.Ask(problem, "vntab-studio", user::MB_OK | user::MB_ICONHAND);
}

bool Studio::OpenForm(const std::string& path) {
    try {
        m_document.Open(path);
    } catch (const host::FormFileError& e) {
        Report(e.what());
        return false;
    } catch (const rt::AutomationError& e) {
        // The form is open; a control raised when it was first drawn.
        m_log.Add(EventLog::Kind::Error, path + ": error " + std::to_string(e.number) + ": " + e.description);
    }
    m_input.Forget();
    m_boxes_logged = m_dialogs_logged = 0; // a new session, a new record
    m_log.Add(EventLog::Kind::Note, "opened " + path);
    for (const std::string& warning : m_document.warnings())
        m_log.Add(EventLog::Kind::Note, "warning: " + warning);
    for (const host::Form::LoadError& e : m_document.load_errors())
        m_log.Add(EventLog::Kind::Error, e.message + " (while loading)");
    m_form_changed = true;
    FitWindowToForm();
    return true;
}

void Studio::OpenWithDialog() {
    if (!MaySetFormAside()) return;
    const std::string folder =
        m_document.has_form() ? fs::path(m_document.path()).parent_path().string() : "";
    if (auto path = m_dialogs.ChooseFile(false, "Open Form", kFormFilter, folder)) OpenForm(*path);
}

void Studio::NewForm() {
    if (!MaySetFormAside()) return;
    Guard([&] { m_document.New(); }, "making a new form");
    m_input.Forget();
    m_boxes_logged = m_dialogs_logged = 0;
    m_log.Add(EventLog::Kind::Note, "a new form");
    m_form_changed = true;
    FitWindowToForm();
}

bool Studio::Save() {
    if (m_document.has_form() && m_document.path().empty()) return SaveAsWithDialog();
    return m_document.has_form() && SaveAs(m_document.path());
}

bool Studio::SaveAsWithDialog() {
    if (!m_document.has_form()) return false;
    auto path = m_dialogs.ChooseFile(true, "Save Form As", kFormFilter, m_document.path());
    return path && SaveAs(*path);
}

bool Studio::SaveAs(const std::string& path) {
    bool saved = false;
    try {
        m_document.SaveAs(path);
        saved = true;
    } catch (const host::FormFileError& e) {
        Report(e.what());
    } catch (const rt::AutomationError& e) {
        Report(path + ": error " + std::to_string(e.number) + ": " + e.description);
    }
    // Saving put the form together again from what was written: new windows.
    m_input.Forget();
    m_form_changed = true;
    if (saved) m_log.Add(EventLog::Kind::Note, "saved " + path);
    return saved;
}

void Studio::SaveDumpWithDialog() {
    if (!m_document.has_form()) return;
    const fs::path initial = fs::path(m_document.path()).replace_extension(".json");
    auto path =
        m_dialogs.ChooseFile(true, "Save Dump", "JSON (*.json)|*.json|All files (*.*)|*.*", initial.string());
    if (!path) return;
    // The live GDI objects the dump counts are the form's: the studio's picture of it goes first.
    m_texture.ReleaseBitmap();
    m_form_changed = true;
    std::ofstream out(*path);
    out << driver::DumpSession(m_document.session()).dump(2) << '\n';
    out.close();
    if (!out)
        Report("cannot write " + *path);
    else
        m_log.Add(EventLog::Kind::Note, "dump saved to " + *path);
}

bool Studio::MaySetFormAside() {
    if (!m_document.has_form()) return true;
    // A form that cannot even be compared with its file is asked about, to be safe.
    bool modified = true;
    Guard([&] { modified = m_document.Modified(); }, "comparing with the file");
    // Finding out saved the form in memory, and it runs on as saved: new windows.
    m_input.Forget();
    m_form_changed = true;
    if (!modified) return true;
    switch (m_dialogs.Ask("Save changes to " + file_name(m_document.path()) + "?", "vntab-studio",
                          user::MB_YESNOCANCEL | user::MB_ICONEXCLAMATION)) {
    case user::IDYES:
        return Save();
    case user::IDNO:
        return true;
    default:
        return false;
    }
}

void Studio::RequestQuit() {
    m_quit_requested = true;
}

void Studio::SetZoom(int zoom) {
    m_zoom = zoom;
    FitWindowToForm();
    m_form_changed = true;
}

void Studio::SetDpi(int dpi) {
    if (!m_document.has_form()) {
        gdi::SetLogicalDpi(dpi);
        return;
    }
    Guard([&] { m_document.SetDpi(dpi); }, "changing the DPI");
    m_input.Forget();
    m_log.Add(EventLog::Kind::Note, "the form runs at " + std::to_string(dpi) + " DPI");
    FitWindowToForm();
    m_form_changed = true;
}

void Studio::SetScheme(size_t scheme) {
    m_scheme = scheme;
    user::SetSysColorScheme(user::SysColorSchemes()[scheme].colors);
    m_log.Add(EventLog::Kind::Note,
              std::string("the colour scheme is ") + user::SysColorSchemes()[scheme].name);
    if (m_document.has_form()) Guard([&] { m_document.RepaintAll(); }, "painting");
    m_form_changed = true;
}

// The window around the form at its size and zoom, the log and the bars beside it.
void Studio::FitWindowToForm() {
    if (!m_document.has_form()) return;
    const FormViewport view = Viewport();
    const int height = view.height * m_zoom + kMenuHeight + kStatusHeight;
    SDL_SetWindowSize(m_window.sdl(), view.width * m_zoom + kLogWidth,
                      m_mode == Mode::Design ? std::max(height, kDesignHeight) : height);
}

// The form is the window's: when the person resizes the studio, the form's client area follows.
// A running form fills the window; a form being designed keeps its size, which its properties set.
void Studio::FollowWindowSize() {
    if (!m_document.has_form() || m_mode == Mode::Design) return;
    int width = 0, height = 0;
    m_window.Size(width, height);
    const int32_t form_width = std::max(1, (width - kLogWidth) / m_zoom);
    const int32_t form_height = std::max(1, (height - kMenuHeight - kStatusHeight) / m_zoom);
    const FormViewport view = Viewport();
    if (form_width == view.width && form_height == view.height) return;
    Guard([&] { m_document.ResizeForm(form_width, form_height, m_follow_form); }, "resizing");
    m_form_changed = true;
}

void Studio::UpdateTitle() {
    std::string title = "vntab-studio";
    if (m_document.has_form())
        title += " - " + file_name(m_document.path()) + (m_document.MaybeModified() ? "*" : "");
    if (title != m_title) {
        m_title = title;
        m_window.SetTitle(title);
    }
}

} // namespace studio
