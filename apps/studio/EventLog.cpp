#include "EventLog.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Dispatch.h"

namespace studio {

namespace {

const char* kind_word(EventLog::Kind kind) {
    switch (kind) {
    case EventLog::Kind::Event:
        return "event";
    case EventLog::Kind::Dialog:
        return "dialog";
    case EventLog::Kind::Error:
        return "error";
    case EventLog::Kind::Note:
        return "note";
    }
    return "";
}

ImVec4 kind_colour(EventLog::Kind kind) {
    switch (kind) {
    case EventLog::Kind::Dialog:
        return ImVec4(0.10f, 0.35f, 0.70f, 1.0f);
    case EventLog::Kind::Error:
        return ImVec4(0.80f, 0.10f, 0.10f, 1.0f);
    case EventLog::Kind::Note:
        return ImVec4(0.40f, 0.40f, 0.40f, 1.0f);
    case EventLog::Kind::Event:
        break;
    }
    return ImGui::GetStyleColorVec4(ImGuiCol_Text);
}

} // namespace

std::string FormatValue(const rt::Variant& value) {
    switch (value.type()) {
    case rt::VarType::Empty:
        return "Empty";
    case rt::VarType::String:
        return "\"" + rt::utf8_from_ansi(value.as_string()) + "\"";
    case rt::VarType::Object:
        return value.is_nothing() ? "Nothing" : value.as_object()->TypeName();
    default:
        return rt::utf8_from_ansi(rt::CStr(value));
    }
}

EventLog::~EventLog() {
    if (m_echo && m_echo != stdout) std::fclose(m_echo);
}

bool EventLog::Echo(const std::string& path) {
    m_echo = path == "-" ? stdout : std::fopen(path.c_str(), "a");
    return m_echo != nullptr;
}

void EventLog::Add(Kind kind, std::string text) {
    m_entries.push_back(Entry{m_next++, kind, std::move(text)});
    if (m_echo) {
        std::fprintf(m_echo, "%s\n", Line(m_entries.back()).c_str());
        std::fflush(m_echo);
    }
}

void EventLog::AddEvent(const std::string& source, const driver::Session::RecordedEvent& event) {
    std::string text = source + " " + event.name;
    for (const auto& [name, value] : event.args)
        text += " " + name + "=" + FormatValue(value);
    Add(Kind::Event, std::move(text));
}

std::string EventLog::Line(const Entry& entry) {
    return std::to_string(entry.number) + " " + kind_word(entry.kind) + " " + entry.text;
}

std::vector<const EventLog::Entry*> EventLog::Shown() const {
    std::vector<const Entry*> shown;
    for (const Entry& e : m_entries)
        if (m_filter.PassFilter(Line(e).c_str())) shown.push_back(&e);
    return shown;
}

void EventLog::Draw() {
    ImGui::SetNextItemWidth(-ImGui::CalcTextSize("Clear").x - ImGui::GetStyle().FramePadding.x * 2 -
                            ImGui::GetStyle().ItemSpacing.x);
    m_filter.Draw("##filter");
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Filter: words separated by commas; -word leaves lines out");
    ImGui::SameLine();
    if (ImGui::Button("Clear")) Clear();
    ImGui::Checkbox("Follow the newest", &m_follow);
    ImGui::SameLine();
    ImGui::TextDisabled("%zu of %zu", Shown().size(), m_entries.size());
    ImGui::Separator();

    ImGui::BeginChild("##lines", ImVec2(0, 0), false, ImGuiWindowFlags_HorizontalScrollbar);
    const std::vector<const Entry*> shown = Shown();
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(shown.size()));
    while (clipper.Step())
        for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i) {
            const Entry& e = *shown[static_cast<size_t>(i)];
            ImGui::TextDisabled("%d", e.number);
            ImGui::SameLine();
            ImGui::TextColored(kind_colour(e.kind), "%s", e.text.c_str());
        }
    if (m_follow && m_entries.size() != m_drawn) ImGui::SetScrollHereY(1.0f);
    m_drawn = m_entries.size();
    ImGui::EndChild();
}

} // namespace studio
