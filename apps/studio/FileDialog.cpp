#include "FileDialog.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <system_error>

namespace studio {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool match(const char* name, const char* pattern) {
    for (; *pattern; ++pattern, ++name) {
        if (*pattern == '*') {
            for (const char* rest = name;; ++rest) {
                if (match(rest, pattern + 1)) return true;
                if (!*rest) return false;
            }
        }
        if (!*name || (*pattern != '?' && *pattern != *name)) return false;
    }
    return !*name;
}

} // namespace

FileDialog::FileDialog(Mode mode, std::string title, const std::string& filter,
                       const std::string& initial_path)
    : ModalWindow(std::move(title)), m_mode(mode), m_filters(ParseFilter(filter)) {
    if (m_filters.empty()) m_filters.push_back(Filter{"All files (*.*)", {"*"}});
    std::error_code error;
    fs::path start = initial_path.empty() ? fs::current_path(error) : fs::absolute(initial_path, error);
    if (fs::is_directory(start, error)) {
        Enter(start);
        return;
    }
    std::strncpy(m_name, start.filename().string().c_str(), sizeof m_name - 1);
    Enter(fs::is_directory(start.parent_path(), error) ? start.parent_path() : fs::current_path(error));
}

std::vector<FileDialog::Filter> FileDialog::ParseFilter(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        const size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<Filter> filters;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        Filter f{parts[i], {}};
        size_t from = 0;
        const std::string& list = parts[i + 1];
        while (from <= list.size()) {
            const size_t semi = list.find(';', from);
            std::string pattern =
                list.substr(from, semi == std::string::npos ? std::string::npos : semi - from);
            if (!pattern.empty()) f.patterns.push_back(pattern == "*.*" ? "*" : pattern);
            if (semi == std::string::npos) break;
            from = semi + 1;
        }
        if (!f.patterns.empty()) filters.push_back(std::move(f));
    }
    return filters;
}

bool FileDialog::Matches(const std::string& name, const std::string& pattern) {
    return match(lower(name).c_str(), lower(pattern).c_str());
}

bool FileDialog::Passes(const std::string& name) const {
    for (const std::string& p : m_filters[size_t(m_filter)].patterns)
        if (Matches(name, p)) return true;
    return false;
}

void FileDialog::Enter(const fs::path& folder) {
    std::error_code error;
    m_folder = fs::weakly_canonical(folder, error);
    if (error) m_folder = folder;
    m_entries.clear();
    for (fs::directory_iterator it(m_folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue; // hidden, as a file dialog keeps them
        m_entries.push_back(Entry{name, it->is_directory(error)});
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        if (a.folder != b.folder) return a.folder;
        return lower(a.name) < lower(b.name);
    });
    m_problem.clear();
}

fs::path FileDialog::Resolve(const std::string& name) const {
    fs::path path = fs::path(name).is_absolute() ? fs::path(name) : m_folder / name;
    if (m_mode == Mode::Save && !path.has_extension()) {
        const std::string& first = m_filters[size_t(m_filter)].patterns.front();
        if (first.size() > 2 && first.compare(0, 2, "*.") == 0 &&
            first.find_first_of("*?", 2) == std::string::npos)
            path += first.substr(1);
    }
    return path;
}

void FileDialog::Accept(const std::string& name) {
    if (name.empty()) return;
    std::error_code error;
    const fs::path path = Resolve(name);
    if (fs::is_directory(path, error)) {
        Enter(path);
        m_name[0] = '\0';
        return;
    }
    if (m_mode == Mode::Open && !fs::exists(path, error)) {
        m_problem = path.filename().string() + ": file not found.";
        return;
    }
    if (m_mode == Mode::Save && fs::exists(path, error)) {
        m_replace = path;
        return;
    }
    Choose(path);
}

void FileDialog::Choose(const fs::path& path) {
    m_answer = path.string();
    Finish();
}

void FileDialog::DrawContent(bool topmost) {
    if (m_replace) {
        // A file of that name exists: the person says whether it goes.
        ImGui::Text("%s already exists.", m_replace->filename().string().c_str());
        ImGui::TextUnformatted("Do you want to replace it?");
        if (ImGui::Button("Yes", ImVec2(80, 0)) || Pressed(ImGuiKey_Enter, topmost)) Choose(*m_replace);
        ImGui::SameLine();
        if (ImGui::Button("No", ImVec2(80, 0)) || Pressed(ImGuiKey_Escape, topmost)) m_replace.reset();
        return;
    }
    ImGui::Text("Look in: %s", m_folder.string().c_str());
    ImGui::SameLine();
    if (ImGui::SmallButton("Up") && m_folder.has_parent_path()) Enter(m_folder.parent_path());

    std::optional<fs::path> enter;
    ImGui::BeginChild("##files", ImVec2(520, 260), true);
    for (const Entry& e : m_entries) {
        if (!e.folder && !Passes(e.name)) continue;
        const std::string label = e.folder ? e.name + "/" : e.name;
        if (ImGui::Selectable(label.c_str(), !e.folder && e.name == m_name,
                              ImGuiSelectableFlags_AllowDoubleClick)) {
            if (e.folder && ImGui::IsMouseDoubleClicked(0)) enter = m_folder / e.name;
            if (!e.folder) {
                std::strncpy(m_name, e.name.c_str(), sizeof m_name - 1);
                if (ImGui::IsMouseDoubleClicked(0)) Accept(m_name);
            }
        }
    }
    ImGui::EndChild();
    if (enter) Enter(*enter);
    if (finished()) return;

    ImGui::SetNextItemWidth(420);
    if (m_focus_name) {
        ImGui::SetKeyboardFocusHere();
        m_focus_name = false;
    }
    const bool entered =
        ImGui::InputText("File name", m_name, sizeof m_name, ImGuiInputTextFlags_EnterReturnsTrue);
    ImGui::SetNextItemWidth(420);
    if (ImGui::BeginCombo("Files of type", m_filters[size_t(m_filter)].description.c_str())) {
        for (int i = 0; i < int(m_filters.size()); ++i)
            if (ImGui::Selectable(m_filters[size_t(i)].description.c_str(), i == m_filter)) m_filter = i;
        ImGui::EndCombo();
    }
    if (!m_problem.empty()) ImGui::TextColored(ImVec4(0.8f, 0.1f, 0.1f, 1), "%s", m_problem.c_str());
    if (ImGui::Button(m_mode == Mode::Save ? "Save" : "Open", ImVec2(80, 0)) || entered) {
        Accept(m_name);
        m_focus_name = !finished();
    }
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(80, 0)) || Pressed(ImGuiKey_Escape, topmost)) Cancel();
}

} // namespace studio
