#include "Studio.h"

#include "PropertyList.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Png.h"
#include "platform/host/ControlKinds.h"

#include <sys/resource.h>

#include <cstdio>
#include <iostream>

namespace studio {

namespace {

constexpr int32_t kErrPathFileAccess = 75;

// Steps after which the form holds something its file does not.
bool changes_form(const std::string& verb) {
    return verb == "set" || verb == "tab" || verb == "tabs add" || verb == "tabs remove" ||
           verb == "tabs clear" || verb == "resize" || verb == "add" || verb == "delete";
}

// The processor time this process used so far, all its threads.
double cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

void Studio::ReplayScript(bool nested) {
    if (!m_replay) return;
    if (m_replay->finished() && m_options.screenshot.empty()) {
        // The script is over and the person carries on: the real mouse is the mouse again.
        m_replay.reset();
        return;
    }
    std::optional<ScriptReplay::Action> action;
    if (!m_replay->finished()) {
        try {
            action = m_replay->Next(nested, m_window.id());
        } catch (const rt::AutomationError& e) {
            StepFailed(*m_replay->current(), e.number, e.description);
            return;
        }
    }
    if (!action) {
        // A modal window waits, and the script goes on with the program's steps or is over: in a run
        // that nobody watches, nobody else will answer it.
        if (nested && m_dialogs.open()) {
            m_log.Add(EventLog::Kind::Note, "the script does not answer the open window; it is closed");
            m_dialogs.CloseAll();
        }
        return;
    }
    for (SDL_Event& event : action->events)
        SDL_PushEvent(&event);
    if (action->step) RunScriptStep(*action->step);
}

void Studio::RunScriptStep(const driver::ScriptStep& step) {
    m_form_changed = true;
    if (!m_document.has_form()) {
        StepFailed(step, rt::kErrInvalidProcedureCall, "no form is open");
        return;
    }
    try {
        if (RunDesignStep(step)) return;
    } catch (const rt::AutomationError& e) {
        StepFailed(step, e.number, e.description);
        return;
    }
    // Saving is the studio's: the file is written and the form goes on running as written.
    if (step.verb == "save") {
        if (!SaveAs(step.words[0])) StepFailed(step, kErrPathFileAccess, "cannot save " + step.words[0]);
        return;
    }
    driver::Session& session = m_document.session();
    if (!session.RunStep(step)) {
        StepFailed(step, session.error()->number, session.error()->description);
        return;
    }
    if (changes_form(step.verb)) m_document.NoteChange();
    if (step.verb == "delete" && rt::EqualsText(step.words[0], m_designer.selected())) m_designer.Select("");
}

// The designer's steps: the mode, the selection, the toolbox's tool, a property by name, the
// property-page frame (the page steps work on it while it is open) and its buttons.
bool Studio::RunDesignStep(const driver::ScriptStep& step) {
    const std::string& verb = step.verb;
    host::Form& form = m_document.form();
    const bool pages_open = m_pages.is_open() && m_pages_generation == m_document.generation();
    if (verb == "mode") {
        if (!rt::EqualsText(step.words[0], "design") && !rt::EqualsText(step.words[0], "run"))
            driver::FailStep("expected mode design or mode run");
        SetMode(rt::EqualsText(step.words[0], "design") ? Mode::Design : Mode::Run);
        return true;
    }
    const bool design_verb = verb == "select" || verb == "tool" || verb == "property" || verb == "pages" ||
                             verb == "ok" || verb == "cancel";
    if (design_verb && m_mode != Mode::Design) driver::FailStep(verb + " works in design mode (mode design)");
    if (verb == "select") {
        const bool whole_form =
            rt::EqualsText(step.words[0], "form") || rt::EqualsText(step.words[0], form.Name());
        if (!whole_form && !form.FindControl(step.words[0]))
            driver::FailStep("there is no control " + step.words[0]);
        m_designer.Select(whole_form ? "" : form.FindControl(step.words[0])->KeyName());
    } else if (verb == "tool") {
        const host::ControlKind* kind = host::FindControlKind(step.words[0]);
        const bool tabs = rt::EqualsText(step.words[0], "VNTabCtl");
        if (!kind && !tabs && !rt::EqualsText(step.words[0], "pointer"))
            driver::FailStep("expected a control kind, VNTabCtl or pointer, not " + step.words[0]);
        m_designer.SetTool(kind ? std::string(kind->name) : tabs ? "VNTabCtl" : "");
    } else if (verb == "property") {
        PropertyList::Write(form, m_designer.selected(), step.words[0], step.words[1]);
        m_document.NoteChange();
    } else if (verb == "pages" || (verb == "page" && m_mode == Mode::Design)) {
        if (!pages_open) OpenPages();
        if (verb == "page" && !m_pages.Show(step.words[0]))
            driver::FailStep("expected page General, TabAppearance, Tabs, Font or Color, not " +
                             step.words[0]);
    } else if (pages_open && (verb == "field" || verb == "press")) {
        driver::RunFieldStep(&m_pages.page(), step);
    } else if (pages_open && verb == "apply") {
        m_pages.Apply();
        m_document.NoteChange();
    } else if (verb == "ok" || verb == "cancel") {
        if (!pages_open) driver::FailStep("no property pages are open (pages first)");
        if (verb == "cancel") m_pages.Close();
        if (verb == "ok" && m_pages.Ok()) m_document.NoteChange();
    } else {
        return false;
    }
    return true;
}

void Studio::StepFailed(const driver::ScriptStep& step, int32_t number, const std::string& description) {
    const std::string text =
        "step " + std::to_string(step.number) + ": error " + std::to_string(number) + ": " + description;
    m_log.Add(EventLog::Kind::Error, text);
    std::cerr << "vntab-studio: " << text << "\n";
    m_status = 1;
    m_replay->Stop();
}

bool Studio::ScriptOver() {
    if (!m_replay || !m_replay->finished() || m_options.screenshot.empty()) return false;
    return --m_settle_frames <= 0;
}

void Studio::FinishScript(const GlWindow::Picture& picture) {
    const gdi::HBITMAP bitmap = gdi::CreateBitmap32(picture.width, picture.height, picture.pixels.data());
    std::string error;
    if (!bitmap || !gdi::WritePng(bitmap, m_options.screenshot, &error)) {
        std::cerr << "vntab-studio: cannot write " << m_options.screenshot
                  << (error.empty() ? "" : ": " + error) << "\n";
        m_status = 1;
    }
    if (bitmap) gdi::DeleteObject(bitmap);
    m_quit = true;
}

int Studio::MeasureResize() {
    m_measuring = true;
    int width = 0, height = 0;
    m_window.Size(width, height);
    for (int i = 0; i < 10; ++i)
        Frame(false);
    const double cpu_start = cpu_seconds();
    const Uint64 start = SDL_GetPerformanceCounter();
    for (int i = 0; i < m_options.measure_frames; ++i) {
        // A person dragging the window's corner: a few pixels every frame, in and out again.
        const int phase = i % 64, d = phase < 32 ? phase : 64 - phase;
        SDL_SetWindowSize(m_window.sdl(), width - 2 * d, height - d);
        Frame(false);
    }
    const double seconds =
        double(SDL_GetPerformanceCounter() - start) / double(SDL_GetPerformanceFrequency());
    const double cpu = cpu_seconds() - cpu_start;
    std::printf("%d frames in %.3f s while resizing the window from %dx%d: %.1f frames per second "
                "(%.2f ms of the studio's processor time a frame, rendering threads included)\n",
                m_options.measure_frames, seconds, width, height, m_options.measure_frames / seconds,
                cpu * 1000 / m_options.measure_frames);
    return 0;
}

} // namespace studio
