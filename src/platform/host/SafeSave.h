#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace host {

// Why a save failed: the file, what step failed and the system's reason, as one line
// ("cannot save forms/demo.frm: writing the temporary file: No space left on device").
struct SaveError : std::runtime_error {
    SaveError(std::string path, const std::string& step, int error_number);
    std::string path;
    std::string reason; // the step and the system's reason, without the file
};

// Replaces the file at `path` with `bytes` so that, whatever happens, the file holds either all
// of its old contents or all of the new ones. The bytes go to a new temporary file in the same
// folder (".NAME.vntab-save-XXXXXX", so that the rename never crosses file systems), which is
// given the old file's permissions (a new file gets the ones the umask allows), flushed to the
// disk, and renamed over the file; then the folder itself is flushed so the rename survives a
// power cut. A symbolic link is followed: the file it points to is replaced and the link stays.
// On any failure the temporary is removed and SaveError is thrown; the old file is untouched.
// A process killed during a save cannot remove its temporary: it is then left beside the file
// under that name, an ordinary file of the user's that any later cleaning may delete.
void SaveFileSafely(const std::string& path, std::string_view bytes);

// The prefix of the temporaries SaveFileSafely leaves for `path` when it is killed.
std::string SaveTemporaryPrefix(const std::string& path);

} // namespace host
