#pragma once

#include "Snapshot.h"
#include "Step.h"

#include "platform/automation/Dispatch.h"
#include "platform/host/FormRunner.h"
#include "platform/host/ScriptedDialogs.h"

#include <memory>
#include <string>

namespace soak {

// A form holding one tab control, run the way a program runs it (host::FormRunner): the control's
// properties and methods reached through late binding, the user's input sent as window messages,
// the designer's drops and deletes made on the form, saving through the form writer and loading
// through the form reader. Files go to a folder of the run's own.
class FormUnderTest {
public:
    explicit FormUnderTest(std::string folder);
    ~FormUnderTest();
    FormUnderTest(const FormUnderTest&) = delete;
    FormUnderTest& operator=(const FormUnderTest&) = delete;

    // A new form being designed, 420 x 320 pixels, with a new tab control of 400 x 300 at (0, 0).
    void Start();
    // Carries out the step; an automation error it raises propagates (the step was refused).
    void Apply(const Step& step);
    // Saves the form to the folder's file, without reading it back.
    std::string Save();
    // Reads the form back from `path`, in design or run mode, and drives its tab control.
    void Load(const std::string& path, bool design);

    host::FormRunner& runner() { return *m_runner; }
    host::ActiveXHolder& holder() const { return *m_runner->holder(); }
    std::shared_ptr<rt::Dispatch> control() const { return holder().object(); }
    std::shared_ptr<rt::Dispatch> tabs() const;
    bool design() const { return m_design; }
    // The form as the last save wrote it (saving takes every page's controls out of view first).
    const Snapshot& written() const { return m_written; }
    // Message boxes are answered OK, as a user who reads them; what they said is forgotten.
    host::ScriptedDialogs& dialogs() { return m_dialogs; }

private:
    void ApplyTabStep(const Step& step);

    std::string m_folder;
    host::ScriptedDialogs m_dialogs;
    host::ScopedDialogProvider m_provider{m_dialogs};
    Snapshot m_written;
    std::unique_ptr<host::FormRunner> m_runner;
    bool m_design = true;
};

} // namespace soak
