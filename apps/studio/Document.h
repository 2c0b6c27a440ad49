#pragma once

#include "driver/Session.h"

#include "platform/host/FormFile.h"

#include <memory>
#include <string>
#include <vector>

namespace studio {

// The form open in the studio: its file, the session that runs it, and whether it holds changes
// its file does not. A control saves its state by moving its pages' controls out of view and
// waiting for the next load, so after every save (to the file or in memory) the running form is put
// together again from what was written, as the container does when it loads the saved form.
class Document {
public:
    // A new session gets the observer and the provider that asks a person.
    Document(driver::Session::EventObserver observer, user::DialogProvider* person);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Opens the form at `path` in run mode; FormFileError when it cannot be read, leaving the
    // document as it was. The form's first windowed control gets the focus.
    void Open(const std::string& path);
    // A new, empty form without a file (saving asks for one), in the mode chosen last.
    void New();
    // What reading the file said: keys nothing reads, errors controls raised when first sized.
    const std::vector<std::string>& warnings() const { return m_warnings; }
    const std::vector<host::Form::LoadError>& load_errors() const { return m_load_errors; }
    bool has_form() const { return m_session && m_session->has_form(); }
    const std::string& path() const { return m_path; }
    driver::Session& session() const { return *m_session; }
    // Counts the forms the document has run: it grows whenever the form is put together again, and
    // what held on to the old form's controls must let go.
    int generation() const { return m_generation; }
    host::Form& form() const { return m_session->form(); }

    // Writes the form's file at `path` (FormFileError when it cannot: the old file stays, and so
    // do the changes) and goes on running the form as written; the document belongs to `path`.
    void SaveAs(const std::string& path);
    void Save() { SaveAs(m_path); }

    // Runs the form as its users see it, or for designing (the control's ambient UserMode false): the
    // form is saved in memory and put together again in the other mode, its changes kept. New forms
    // open in the mode chosen last.
    void SetDesignMode(bool design);
    bool design_mode() const { return !m_options.user_mode; }
    // Changes the display's pixels per inch: the form is saved in memory at the old resolution and
    // loaded again at the new one, its changes kept.
    void SetDpi(int dpi);
    // The control whose window has the focus or holds the window that has it, by name; "" for none.
    std::string FocusedControl() const;
    // Repaints every window of the form (the system colours changed, say).
    void RepaintAll() const;

    // The user resizes the form's window (pixels). With `follow`, the tab controls standing on the
    // form keep their distances to its right and bottom edges, as a program does in its form's
    // Resize handler. A size that changes counts as a change of the form.
    void ResizeForm(int32_t width, int32_t height, bool follow);

    // Whether the form may hold changes its file does not: it was resized or put together at
    // another resolution, or the host noted a change of its own (a script step). A person's clicks
    // and keys change nothing a running form saves. Cheap, for the title.
    bool MaybeModified() const { return m_changes > 0; }
    // Whether it does: what saving would write now differs from the file as opened or last saved
    // (the active tab, which is not saved, is no change). Costs a save in memory, after which the
    // form runs on as written.
    bool Modified();
    void NoteChange() { ++m_changes; }

private:
    struct Anchor {
        std::string control;   // Name or Name(Index)
        int32_t right, bottom; // distances to the form's edges, pixels
    };
    // The file the form is written for: its own, or for a new form one in the current folder.
    std::string WorkingPath() const;
    // Runs a form read from `path` (or new) in a new session.
    void Start(std::shared_ptr<host::Form> form, const std::string& path);
    // Runs `document` (a form saved at `path`) in place of the form running now.
    void Replace(const host::FormDocument& document, const std::string& path);
    // The text saving at `path` would write; the form runs on as written.
    std::string SaveInMemory(const std::string& path);

    host::FormOptions m_options;
    driver::Session::EventObserver m_observer;
    user::DialogProvider* m_person;
    std::unique_ptr<driver::Session> m_session;
    std::string m_path;
    std::string m_saved_text; // the file as opened or last saved, in the form's canonical text
    std::vector<std::string> m_warnings;
    std::vector<host::Form::LoadError> m_load_errors;
    std::vector<Anchor> m_anchors;
    int m_changes = 0;
    int m_generation = 0;
};

} // namespace studio
