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

// The trace recording on this thread, or null.
Trace* active_trace();

// Builds one record; does nothing at all when no trace is active. Arguments go inside the
// parentheses of the one-line form, options after them:
//   TraceCall("LineTo").arg(67).arg(20).color("pen", c)  ->  LineTo(67,20) pen=#FFFFFF
class TraceCall {
public:
    explicit TraceCall(std::string_view name);
    ~TraceCall(); // appends the record
    TraceCall(const TraceCall&) = delete;
    TraceCall& operator=(const TraceCall&) = delete;

    explicit operator bool() const { return m_trace != nullptr; }
    TraceCall& arg(int64_t value);
    TraceCall& args(std::initializer_list<int64_t> values);
    TraceCall& points(const POINT* points, int count);
    TraceCall& object(HGDIOBJ object, ObjectKind kind);
    TraceCall& text(std::string_view text);
    TraceCall& option(std::string_view key, int64_t value);
    TraceCall& color(std::string_view source, COLORREF color);
    TraceCall& hex(std::string_view key, uint32_t value); // " rop=0xCC0020"
    TraceCall& fill(COLORREF color);                      // " brush=#RRGGBB" of an outlined shape
    TraceCall& result(HGDIOBJ object, ObjectKind kind);

private:
    void separate();

    Trace* m_trace;
    TraceRecord m_record;
    std::string m_inside;
    std::string m_after;
};

// For other platform layers (the window system's DrawFocusRect, DrawStateA, ...): appends a record
// to the active trace, if any; an empty line is filled in from the name and arguments.
void trace_record(TraceRecord record);

// "#RRGGBB" of a COLORREF.
std::string color_text(COLORREF color);

} // namespace gdi
