#include "Registry.h"

#include "platform/automation/Ansi.h"

#include <map>

namespace host {

static thread_local std::map<std::pair<std::string, std::string>, std::string> t_values;

static std::pair<std::string, std::string> slot(std::string_view key, std::string_view name) {
    return {rt::UCase(key), rt::UCase(name)};
}

void RegSetValue(std::string_view key, std::string_view name, std::string value) {
    t_values[slot(key, name)] = std::move(value);
}

std::optional<std::string> RegQueryValue(std::string_view key, std::string_view name) {
    auto it = t_values.find(slot(key, name));
    if (it == t_values.end()) return std::nullopt;
    return it->second;
}

void RegDeleteKey(std::string_view key) {
    std::string k = rt::UCase(key);
    for (auto it = t_values.begin(); it != t_values.end();)
        it = it->first.first == k ? t_values.erase(it) : std::next(it);
}

} // namespace host
