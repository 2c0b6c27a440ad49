#pragma once

#include "ModalWindow.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace studio {

// Choosing a file to open or a name to save under: the folder's subfolders and the files the
// chosen filter lets through, a name field, the file types. Opening wants a file that exists;
// saving over one asks first, and a name without an extension gets the filter's.
class FileDialog final : public ModalWindow {
public:
    enum class Mode { Open, Save };
    struct Filter {
        std::string description;
        std::vector<std::string> patterns; // "*.frm"
    };

    // `filter`: "Forms (*.frm)|*.frm|All files (*.*)|*.*", patterns of one type separated by ';'.
    // `initial_path`: a file or folder to start from; empty for the current folder.
    FileDialog(Mode mode, std::string title, const std::string& filter, const std::string& initial_path);

    // The path chosen (UTF-8), nothing when cancelled.
    const std::optional<std::string>& answer() const { return m_answer; }
    void DrawContent(bool topmost) override;

    static std::vector<Filter> ParseFilter(const std::string& filter);
    // A file name against a pattern with * and ?, letters in any case.
    static bool Matches(const std::string& name, const std::string& pattern);
    // What the name field asks for in `folder`: the path, with the filter's extension when saving
    // a name that has none.
    std::filesystem::path Resolve(const std::string& name) const;

private:
    struct Entry {
        std::string name;
        bool folder;
    };
    void Enter(const std::filesystem::path& folder);
    void Accept(const std::string& name);
    void Choose(const std::filesystem::path& path);
    bool Passes(const std::string& name) const;

    Mode m_mode;
    std::vector<Filter> m_filters;
    int m_filter = 0;
    std::filesystem::path m_folder;
    std::vector<Entry> m_entries;
    char m_name[1024] = {};
    std::string m_problem;
    std::optional<std::filesystem::path> m_replace; // asking whether to save over this file
    bool m_focus_name = true;
    std::optional<std::string> m_answer;
};

} // namespace studio
