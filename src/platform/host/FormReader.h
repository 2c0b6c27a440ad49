#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/host/Form.h"
#include "platform/host/FormFile.h"

#include <memory>
#include <string>

namespace host {

// Loading stopped at an error the runtime or a control raised while the form's values were read: a
// value that does not convert, a picture that cannot be loaded, a control's own error. The message
// is "file:line: Control.Key: error N: description". `form` is the form as far as it got: the
// controls read before the error, and the failing one with what it had read.
struct FormLoadError : FormFileError {
    FormLoadError(const std::string& file, const FormValueError& stop, std::shared_ptr<Form> form);
    rt::AutomationError error;
    std::shared_ptr<Form> form;
};

// Reads a form file into a running form: the form's own properties, then every control block in
// file order, each control made, given its properties (a hosted control reads them from its bag)
// and placed on its container. A file that cannot be read as a form (malformed, an unknown control
// type, two controls of one name) is refused with FormFileError ("file:line: ..."), and nothing
// half-loaded is returned; an error raised while values are read stops the load with FormLoadError.
// Keys nothing reads, values out of range and text the control's strings cannot hold are kept and
// reported among the form's warnings. An error a control raises when the container first sizes it
// does not stop the load: it is kept among the form's load errors.
std::shared_ptr<Form> LoadForm(const std::string& path, const FormOptions& options);
std::shared_ptr<Form> FormFromDocument(const FormDocument& document, const std::string& path,
                                       const FormOptions& options);

} // namespace host
