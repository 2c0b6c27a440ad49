#pragma once

#include "platform/host/Form.h"
#include "platform/host/FormFile.h"

#include <string>

namespace host {

// The document that saves a form in `path`: the form's own properties with its font among them,
// then every control's block (FormControl::ToNode), picture paths relative to the folder of `path`.
FormDocument FormToDocument(const Form& form, const std::string& path);
// Saves through a temporary file and a rename (WriteFormFile), so a failed save keeps the old file.
void SaveForm(const Form& form, const std::string& path);

} // namespace host
