#include "SafeSave.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {
namespace {

// The file a path names, through any symbolic links; the path itself when it names nothing yet.
std::string target_of(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(current.c_str(), buf.data(), buf.size() - 1);
        if (n < 0) return current;
        std::string link(buf.data(), static_cast<size_t>(n));
        const size_t slash = current.find_last_of('/');
        current =
            link.front() == '/' || slash == std::string::npos ? link : current.substr(0, slash + 1) + link;
    }
    return current;
}

std::string folder_of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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
    const std::string folder = folder_of(path);
    return (folder == "/" ? folder : folder + "/") + "." + name_of(path) + ".vntab-save-";
}

void SaveFileSafely(const std::string& path, std::string_view bytes) {
    const std::string target = target_of(path);
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
