#pragma once

#include "driver/Session.h"

#include <imgui.h>

#include <cstdio>
#include <string>
#include <vector>

namespace studio {

// What happened to the running form, one line each: the events its controls raised with their
// arguments as the program's handlers left them, the boxes and dialogs shown, errors and notes of
// the studio. The panel filters the lines (ImGui's filter: words separated by commas, "-word"
// leaves lines out) and clears them; every line may also go to a file as it comes.
class EventLog {
public:
    enum class Kind { Event, Dialog, Error, Note };
    struct Entry {
        int number;
        Kind kind;
        std::string text; // UTF-8
    };

    EventLog() = default;
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void Add(Kind kind, std::string text);
    void AddEvent(const std::string& source, const driver::Session::RecordedEvent& event);
    void Clear() { m_entries.clear(); }
    // Appends every line from now on to `path` ("-": standard output); false when it cannot be opened.
    bool Echo(const std::string& path);

    const std::vector<Entry>& entries() const { return m_entries; }
    // "12 event VNTabCtl1 AfterTabChanged NewTab=2"
    static std::string Line(const Entry& entry);
    // The lines the filter lets through, in order.
    std::vector<const Entry*> Shown() const;
    ImGuiTextFilter& filter() { return m_filter; }

    // The panel: the filter, Clear, and the lines that pass, following the newest.
    void Draw();

private:
    std::vector<Entry> m_entries;
    int m_next = 1;
    ImGuiTextFilter m_filter;
    bool m_follow = true;
    size_t m_drawn = 0; // lines when last drawn, to follow new ones
    std::FILE* m_echo = nullptr;
};

// A value as the log shows it: strings quoted, booleans True/False, objects by type name.
std::string FormatValue(const rt::Variant& value);

} // namespace studio
