#include "platform/gdi/Trace.h"

#include <cstdio>

namespace gdi {

namespace {

thread_local Trace* t_active = nullptr;

const char* prefix_of(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::DC:
        return "dc";
    case ObjectKind::Bitmap:
        return "bmp";
    case ObjectKind::Pen:
        return "pen";
    case ObjectKind::Brush:
        return "brush";
    case ObjectKind::Region:
        return "rgn";
    case ObjectKind::Font:
        return "font";
    case ObjectKind::Icon:
        return "icon";
    case ObjectKind::None:
        break;
    }
    return "obj";
}

} // namespace

std::string color_text(COLORREF color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", GetRValue(color), GetGValue(color),
                  GetBValue(color));
    return buffer;
}

Trace::Trace() : m_outer(t_active) {
    t_active = this;
}

Trace::~Trace() {
    t_active = m_outer;
}

std::string Trace::text() const {
    std::string out;
    for (const TraceRecord& record : m_records) {
        if (!out.empty()) out += '\n';
        out += record.line;
    }
    return out;
}

std::vector<TraceRecord> Trace::filter(std::string_view name) const {
    std::vector<TraceRecord> out;
    for (const TraceRecord& record : m_records)
        if (record.name == name) out.push_back(record);
    return out;
}

std::vector<std::string> Trace::lines(std::initializer_list<std::string_view> names) const {
    std::vector<std::string> out;
    for (const TraceRecord& record : m_records)
        for (std::string_view name : names)
            if (record.name == name) {
                out.push_back(record.line);
                break;
            }
    return out;
}

void Trace::clear() {
    m_records.clear();
    m_names.clear();
    m_counts.clear();
}

std::string Trace::name_of(HGDIOBJ object, ObjectKind kind) {
    if (!object) return "0";
    auto [it, inserted] = m_names.try_emplace({kind, object.value}, 0);
    if (inserted) it->second = ++m_counts[kind];
    return std::string(prefix_of(kind)) + "#" + std::to_string(it->second);
}

Trace* active_trace() {
    return t_active;
}

TraceCall::TraceCall(std::string_view name) : m_trace(t_active) {
    if (m_trace) m_record.name = name;
}

TraceCall::~TraceCall() {
    if (!m_trace) return;
    m_record.line = m_record.name + "(" + m_inside + ")" + m_after;
    m_trace->add(std::move(m_record));
}

void TraceCall::separate() {
    if (!m_inside.empty()) m_inside += ',';
}

TraceCall& TraceCall::arg(int64_t value) {
    if (!m_trace) return *this;
    separate();
    m_inside += std::to_string(value);
    m_record.args.push_back(value);
    return *this;
}

TraceCall& TraceCall::args(std::initializer_list<int64_t> values) {
    for (int64_t value : values)
        arg(value);
    return *this;
}

TraceCall& TraceCall::points(const POINT* points, int count) {
    if (!m_trace || !points) return *this;
    for (int i = 0; i < count; ++i) {
        separate();
        m_inside += "(" + std::to_string(points[i].x) + "," + std::to_string(points[i].y) + ")";
        m_record.points.push_back(points[i]);
    }
    return *this;
}

TraceCall& TraceCall::object(HGDIOBJ object, ObjectKind kind) {
    if (!m_trace) return *this;
    std::string name = m_trace->name_of(object, kind);
    separate();
    m_inside += name;
    m_record.objects.push_back(std::move(name));
    return *this;
}

TraceCall& TraceCall::text(std::string_view text) {
    if (!m_trace) return *this;
    separate();
    m_inside += "\"" + std::string(text) + "\"";
    m_record.text = text;
    return *this;
}

TraceCall& TraceCall::option(std::string_view key, int64_t value) {
    if (!m_trace) return *this;
    m_after += " " + std::string(key) + "=" + std::to_string(value);
    m_record.args.push_back(value);
    return *this;
}

TraceCall& TraceCall::color(std::string_view source, COLORREF color) {
    if (!m_trace) return *this;
    m_after += " " + std::string(source) + "=" + color_text(color);
    m_record.color = color;
    m_record.color_source = source;
    return *this;
}

TraceCall& TraceCall::hex(std::string_view key, uint32_t value) {
    if (!m_trace) return *this;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    m_after += " " + std::string(key) + "=" + buffer;
    m_record.args.push_back(value);
    return *this;
}

TraceCall& TraceCall::fill(COLORREF color) {
    if (!m_trace) return *this;
    m_after += " brush=" + color_text(color);
    m_record.fill = color;
    return *this;
}

TraceCall& TraceCall::result(HGDIOBJ object, ObjectKind kind) {
    if (!m_trace) return *this;
    std::string name = m_trace->name_of(object, kind);
    m_after += " -> " + name;
    m_record.objects.push_back(std::move(name));
    return *this;
}

void trace_record(TraceRecord record) {
    Trace* trace = t_active;
    if (!trace) return;
    if (record.line.empty()) {
        std::string inside;
        for (int64_t value : record.args) {
            if (!inside.empty()) inside += ',';
            inside += std::to_string(value);
        }
        for (const POINT& p : record.points) {
            if (!inside.empty()) inside += ',';
            inside += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
        }
        record.line = record.name + "(" + inside + ")";
        if (record.color)
            record.line += " " + (record.color_source.empty() ? std::string("color") : record.color_source) +
                           "=" + color_text(*record.color);
    }
    trace->add(std::move(record));
}

} // namespace gdi
