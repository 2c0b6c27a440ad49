#include <vntab/vntab.h>

// The public errors and the version live in the library, so that a program catches the very types
// the library throws.
namespace vntab {

const char* version() {
    return VNTAB_VERSION_STRING;
}

Error::Error(std::int32_t number, const std::string& description, std::string source)
    : std::runtime_error(description), m_number(number), m_source(std::move(source)) {}

Error::~Error() = default;

FileError::FileError(std::string path, int line, const std::string& what)
    : std::runtime_error(what), m_path(std::move(path)), m_line(line) {}

FileError::~FileError() = default;

} // namespace vntab
