#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace support {

// The whole of a file, bytes as they are; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

// A folder of one test's own under the system's temporary folder, removed with what it holds.
class TempFolder {
public:
    explicit TempFolder(const std::string& tag)
        : m_path(std::filesystem::temp_directory_path() /
                 ("vntab-" + tag + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a file in the folder.
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    // Writes a file into the folder and returns its path.
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(m_path / name, std::ios::binary) << text;
        return *this / name;
    }

private:
    std::filesystem::path m_path;
};

} // namespace support
