#pragma once

#include "platform/host/Form.h"
#include "platform/host/FormFile.h"

#include <memory>
#include <string>

namespace host {

// Reads a form file into a running form: the form's own properties, then every control block in
// file order, each control made, given its properties (a hosted control reads them from its bag)
// and placed on its container. A malformed file, an unknown control type or a value a control
// refuses is refused with FormFileError ("file:line: ..."); nothing half-loaded is returned. Keys
// that nothing reads are kept for saving and reported among the form's warnings. An error a
// control raises when the container first sizes it is kept among the form's load errors.
std::shared_ptr<Form> LoadForm(const std::string& path, const FormOptions& options);
std::shared_ptr<Form> FormFromDocument(const FormDocument& document, const std::string& path,
                                       const FormOptions& options);

} // namespace host
