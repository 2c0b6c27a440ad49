#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A recording of the GDI calls of a drawing step. While a Trace is alive on a thread, every GDI
// entry point called on that thread appends a record of itself, so a test can check the exact
// polygons, lines, rectangles and colours a step produced. Traces nest: the innermost one records.
namespace gdi {

struct TraceRecord {
    std::string name;                 // the entry point, e.g. "LineTo"
    std::vector<int64_t> args;        // its integer arguments in order (coordinates, modes, codes)
    std::vector<POINT> points;        // the points of polygon and polyline calls
    std::vector<std::string> objects; // the handles it took or made, named "rgn#3", "brush#1", ...
    std::optional<COLORREF> color;    // the colour in effect for a drawing call
    std::string color_source;         // what the colour came from: "pen", "brush", "text", ...
    std::optional<COLORREF> fill;     // the brush colour of a shape that also has an outline
    std::string text;                 // the text of a text call, as ANSI bytes
    std::string line;                 // one-line form, e.g. "LineTo(67,20) pen=#FFFFFF"
};

class Trace {
public:
    Trace();
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    const std::vector<TraceRecord>& records() const { return m_records; }
    // The one-line forms of all records joined by newlines (no trailing newline).
    std::string text() const;
    std::vector<TraceRecord> filter(std::string_view name) const;
    // The one-line forms of the records with one of the names, in order.
    std::vector<std::string> lines(std::initializer_list<std::string_view> names) const;
    void clear();

    // Used by the recording entry points.
    void add(TraceRecord record) { m_records.push_back(std::move(record)); }
    // A stable name for a handle within this trace: the kind's prefix and the order in which the
    // trace first saw the handle ("rgn#1", "rgn#2", ...), independent of handle values.
    std::string name_of(HGDIOBJ object, ObjectKind kind);

private:
    std::vector<TraceRecord> m_records;
    std::map<std::pair<ObjectKind, uint32_t>, int> m_names;
    std::map<ObjectKind, int> m_counts;
    Trace* m_outer = nullptr;
};

namespace detail {
// The innermost trace of the thread. Constant-initialised, so reading it from another file is a
// plain thread-local load with no initialisation check.
extern constinit thread_local Trace* t_active_trace;
} // namespace detail

// The trace recording on this thread, or null.
inline Trace* active_trace() {
    return detail::t_active_trace;
}

// Builds one record; does nothing at all when no trace is active. Arguments go inside the
// parentheses of the one-line form, options after them:
//   TraceCall("LineTo").arg(67).arg(20).color("pen", c)  ->  LineTo(67,20) pen=#FFFFFF
// Every entry point makes one, so without a trace it costs a thread-local load and a test: the
// record and its text are only built while a trace is recording.
class TraceCall {
public:
    explicit TraceCall(std::string_view name) {
        if (Trace* trace = active_trace()) start(trace, name);
    }
    ~TraceCall() {
        if (m_building) finish();
    }
    TraceCall(const TraceCall&) = delete;
    TraceCall& operator=(const TraceCall&) = delete;

    explicit operator bool() const { return m_building.has_value(); }
    TraceCall& arg(int64_t value) {
        if (m_building) add_arg(value);
        return *this;
    }
    TraceCall& args(std::initializer_list<int64_t> values) {
        if (m_building)
            for (int64_t value : values)
                add_arg(value);
        return *this;
    }
    TraceCall& points(const POINT* points, int count) {
        if (m_building) add_points(points, count);
        return *this;
    }
    TraceCall& object(HGDIOBJ object, ObjectKind kind) {
        if (m_building) add_object(object, kind);
        return *this;
    }
    TraceCall& text(std::string_view text) {
        if (m_building) add_text(text);
        return *this;
    }
    TraceCall& option(std::string_view key, int64_t value) {
        if (m_building) add_option(key, value);
        return *this;
    }
    TraceCall& color(std::string_view source, COLORREF color) {
        if (m_building) add_color(source, color);
        return *this;
    }
    TraceCall& hex(std::string_view key, uint32_t value) { // " rop=0xCC0020"
        if (m_building) add_hex(key, value);
        return *this;
    }
    TraceCall& fill(COLORREF color) { // " brush=#RRGGBB" of an outlined shape
        if (m_building) add_fill(color);
        return *this;
    }
    TraceCall& result(HGDIOBJ object, ObjectKind kind) {
        if (m_building) add_result(object, kind);
        return *this;
    }

private:
    struct Building {
        // Declared so the type is default-constructible while TraceCall is still incomplete:
        // some compilers otherwise reject std::optional<Building>::emplace().
        Building() {}
        Trace* trace = nullptr;
        TraceRecord record;
        std::string inside;
        std::string after;
    };

    void start(Trace* trace, std::string_view name);
    void finish(); // appends the record
    void separate();
    void add_arg(int64_t value);
    void add_points(const POINT* points, int count);
    void add_object(HGDIOBJ object, ObjectKind kind);
    void add_text(std::string_view text);
    void add_option(std::string_view key, int64_t value);
    void add_color(std::string_view source, COLORREF color);
    void add_hex(std::string_view key, uint32_t value);
    void add_fill(COLORREF color);
    void add_result(HGDIOBJ object, ObjectKind kind);

    std::optional<Building> m_building;
};

// For other platform layers (the window system's DrawFocusRect, DrawStateA, ...): appends a record
// to the active trace, if any; an empty line is filled in from the name and arguments.
void trace_record(TraceRecord record);

// "#RRGGBB" of a COLORREF.
std::string color_text(COLORREF color);

} // namespace gdi
