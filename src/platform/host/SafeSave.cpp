#include "SafeSave.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {
namespace {

namespace fs = std::filesystem;

// The file a path names, through any symbolic links; the path itself when it names nothing yet.
// Only the links are followed, not the folders above them, so that a relative link stays relative
// to the folder that holds it.
fs::path target_of(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
        const fs::path link = fs::read_symlink(path, error);
        if (error) break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

std::string folder_of(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path().string() : ".";
}

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary, open for writing, removed again unless the save succeeds.
class Temporary {
public:
    explicit Temporary(const std::string& target) {
        std::string pattern = SaveTemporaryPrefix(target) + "XXXXXX";
        m_name.assign(pattern.begin(), pattern.end());
        m_name.push_back('\0');
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC);
    }
    ~Temporary() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_kept) ::unlink(m_name.data());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    bool opened() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    const char* name() const { return m_name.data(); }
    // Closes the file; false (with errno) when the last of its data could not be written.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void keep() { m_kept = true; }

private:
    std::vector<char> m_name;
    int m_fd = -1;
    bool m_kept = false;
};

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

SaveError::SaveError(std::string path_, const std::string& step, int error_number)
    : std::runtime_error("cannot save " + path_ + ": " + step + ": " + std::strerror(error_number)),
      path(std::move(path_)), reason(step + ": " + std::strerror(error_number)) {}

std::string SaveTemporaryPrefix(const std::string& path) {
    const fs::path file(path);
    return (file.parent_path() / ("." + file.filename().string() + ".vntab-save-")).string();
}

void SaveFileSafely(const std::string& path, std::string_view bytes) {
    const std::string target = target_of(path).string();
    Temporary temp(target);
    if (!temp.opened()) throw SaveError(path, "creating a temporary file in " + folder_of(target), errno);
    if (!write_all(temp.fd(), bytes)) throw SaveError(path, "writing the temporary file", errno);
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : new_file_mode();
    if (::fchmod(temp.fd(), mode) != 0) throw SaveError(path, "setting the permissions", errno);
    if (::fsync(temp.fd()) != 0) throw SaveError(path, "flushing the temporary file", errno);
    if (!temp.close()) throw SaveError(path, "closing the temporary file", errno);
    if (::rename(temp.name(), target.c_str()) != 0) throw SaveError(path, "replacing the file", errno);
    temp.keep();
    // The rename is an entry of the folder: flushing the folder makes it last. A file system that
    // cannot flush a folder has nothing more to do, so that failure is not the save's.
    const int folder = ::open(folder_of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace host
