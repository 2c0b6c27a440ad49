#pragma once

#include "driver/Session.h"

#include <nlohmann/json.hpp>

namespace driver {

// The state of a session as one JSON object: the driven control's properties as the host reads
// them, its layout, the events raised with their arguments as the handlers left them, its size,
// the property changes it reported, the message boxes and dialogs shown, the property page open, the
// contained controls, the live GDI objects and the error that stopped the script, if any.
nlohmann::json DumpSession(const Session& session);

// One tab control's part of it: "properties", "layout", "size", "propertyChanged" and "controls".
nlohmann::json DumpControl(host::ActiveXHolder& holder);

} // namespace driver
