#include "platform/gdi/Trace.h"

#include <cstdio>

namespace gdi {

namespace detail {
constinit thread_local Trace* t_active_trace = nullptr;
} // namespace detail

namespace {

using detail::t_active_trace;

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

Trace::Trace() : m_outer(t_active_trace) {
    t_active_trace = this;
}

Trace::~Trace() {
    t_active_trace = m_outer;
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

void TraceCall::start(Trace* trace, std::string_view name) {
    m_building.emplace();
    m_building->trace = trace;
    m_building->record.name = name;
}

void TraceCall::finish() {
    Building& b = *m_building;
    b.record.line = b.record.name + "(" + b.inside + ")" + b.after;
    b.trace->add(std::move(b.record));
}

void TraceCall::separate() {
    if (!m_building->inside.empty()) m_building->inside += ',';
}

void TraceCall::add_arg(int64_t value) {
    separate();
    m_building->inside += std::to_string(value);
    m_building->record.args.push_back(value);
}

void TraceCall::add_points(const POINT* points, int count) {
    if (!points) return;
    for (int i = 0; i < count; ++i) {
        separate();
        m_building->inside += "(" + std::to_string(points[i].x) + "," + std::to_string(points[i].y) + ")";
        m_building->record.points.push_back(points[i]);
    }
}

void TraceCall::add_object(HGDIOBJ object, ObjectKind kind) {
    std::string name = m_building->trace->name_of(object, kind);
    separate();
    m_building->inside += name;
    m_building->record.objects.push_back(std::move(name));
}

void TraceCall::add_text(std::string_view text) {
    separate();
    m_building->inside += "\"" + std::string(text) + "\"";
    m_building->record.text = text;
}

void TraceCall::add_option(std::string_view key, int64_t value) {
    m_building->after += " " + std::string(key) + "=" + std::to_string(value);
    m_building->record.args.push_back(value);
}

void TraceCall::add_color(std::string_view source, COLORREF color) {
    m_building->after += " " + std::string(source) + "=" + color_text(color);
    m_building->record.color = color;
    m_building->record.color_source = source;
}

void TraceCall::add_hex(std::string_view key, uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    m_building->after += " " + std::string(key) + "=" + buffer;
    m_building->record.args.push_back(value);
}

void TraceCall::add_fill(COLORREF color) {
    m_building->after += " brush=" + color_text(color);
    m_building->record.fill = color;
}

void TraceCall::add_result(HGDIOBJ object, ObjectKind kind) {
    std::string name = m_building->trace->name_of(object, kind);
    m_building->after += " -> " + name;
    m_building->record.objects.push_back(std::move(name));
}

void trace_record(TraceRecord record) {
    Trace* trace = t_active_trace;
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
