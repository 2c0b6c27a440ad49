#include "Rules.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace soak {
namespace {

std::string folded_key(const std::string& key) {
    const size_t first = key.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string k = key.substr(first, key.find_last_not_of(' ') - first + 1);
    std::transform(k.begin(), k.end(), k.begin(),
                   [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return k;
}

// Hidden controls stand 75000 twips to the left of their place; the soak places controls within
// the first few hundred pixels, so a shown one is never at or beyond that distance.
constexpr double kHidingOffset = 75000;

} // namespace

std::string CheckIndexes(const Snapshot& s) {
    for (size_t i = 0; i < s.tabs.size(); ++i)
        if (s.tabs[i].index != std::to_string(i + 1))
            return "index: the tab at position " + std::to_string(i + 1) + " has Index " + s.tabs[i].index;
    return {};
}

std::string CheckKeys(const Snapshot& s) {
    std::map<std::string, size_t> seen;
    for (size_t i = 0; i < s.tabs.size(); ++i) {
        const std::string k = folded_key(s.tabs[i].key);
        if (k.empty()) continue;
        if (auto [at, fresh] = seen.emplace(k, i + 1); !fresh)
            return "keys: tabs " + std::to_string(at->second) + " and " + std::to_string(i + 1) +
                   " share the key \"" + s.tabs[i].key + "\"";
    }
    return {};
}

std::string CheckView(const Snapshot& s, const Model& model) {
    const int active = std::atoi(s.active.c_str());
    if (!model.view_in_step() || active < 1 || active > static_cast<int>(s.tabs.size())) return {};
    std::map<std::string, size_t> recorded_on;
    for (size_t i = 0; i < s.tabs.size(); ++i)
        for (const Snapshot::Record& r : s.tabs[i].records) {
            const std::string key = r.index == "-1" ? r.name : r.name + "(" + r.index + ")";
            if (auto [at, fresh] = recorded_on.emplace(key, i + 1); !fresh)
                return "view: " + key + " is recorded on tabs " + std::to_string(at->second) + " and " +
                       std::to_string(i + 1);
            const auto placed = std::find_if(s.placed.begin(), s.placed.end(),
                                             [&](const Snapshot::Placed& p) { return p.name == key; });
            if (placed == s.placed.end()) continue; // deleted; its record goes at the next switch
            const bool shown = placed->left >= 0 && placed->left < kHidingOffset;
            const bool on_active = static_cast<int>(i + 1) == active;
            if (shown != on_active)
                return "view: " + key + " of tab " + std::to_string(i + 1) + " is " +
                       (shown ? "in" : "out of") + " view (Left " + std::to_string(placed->left) +
                       ") while tab " + s.active + " is active";
        }
    return {};
}

} // namespace soak
