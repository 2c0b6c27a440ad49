#pragma once

#include "platform/automation/StdFont.h"
#include "platform/host/FormFile.h"

#include <memory>
#include <string>
#include <string_view>

namespace host {

// A font as a form file stores it: BeginProperty NAME with Name, Size, Charset, Weight, Underline,
// Italic and Strikethrough.
FormPropertyGroup FontToGroup(std::string_view name, const rt::StdFont& font);
// The font of such a group; a key a font does not have is refused with FormFileError in `file`, a
// value the font refuses with FormValueError ("Font.Size").
std::shared_ptr<rt::StdFont> FontFromGroup(const FormPropertyGroup& group, const std::string& file);

} // namespace host
