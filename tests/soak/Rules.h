#pragma once

#include "Model.h"
#include "Snapshot.h"

#include <string>

namespace soak {

// The rules that hold after every step, each returning what broke it ("rule: detail") or empty:
// every tab's Index is its position; non-empty keys differ after trimming, ignoring case; and,
// while the model says the control keeps them in step, every recorded control stands in view when
// its tab is active and out of view otherwise, recorded on one tab only.
std::string CheckIndexes(const Snapshot& s);
std::string CheckKeys(const Snapshot& s);
std::string CheckView(const Snapshot& s, const Model& model);

} // namespace soak
