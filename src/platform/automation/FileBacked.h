#pragma once

#include <string>

namespace rt {

// An object loaded from a file (a picture): a form file saves it as the path it came from.
class FileBacked {
public:
    virtual ~FileBacked() = default;
    // The absolute path of the file the object was loaded from.
    virtual const std::string& SourcePath() const = 0;
};

} // namespace rt
