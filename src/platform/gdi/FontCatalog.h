#pragma once

#include "platform/gdi/Gdi.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// The faces the GDI can use and how a LOGFONT's face name, weight and slant pick one of them. The
// catalog is built once per process from its own fontconfig configuration (the system TrueType
// folder and the X11 bitmap font folders, bitmaps accepted), never from the user's fontconfig
// files, so a form renders the same on every machine. Thread-safe.
namespace gdi {

struct FaceChoice {
    std::string file;
    int index = 0;
    std::string family;
    std::string style;
    bool scalable = false;
    int weight = 400;              // OpenType weight of the file
    bool italic = false;           // the file is italic or oblique
    int pixel_size = 0;            // a bitmap face's strike
    bool synthetic_bold = false;   // asked for bold, the family has none
    bool synthetic_italic = false; // asked for italic, the family has none
};

// What a face is asked for, in device pixels.
struct FaceRequest {
    std::string name;
    int32_t weight = FW_NORMAL;
    bool italic = false;
    int32_t em = 0;   // > 0: character height asked for
    int32_t cell = 0; // > 0: cell height asked for (when em is 0)
};

class FontCatalog {
public:
    static FontCatalog& instance();

    FaceChoice resolve(const FaceRequest& request);
    // The face used when nothing else fits or a file cannot be read.
    FaceChoice fallback(const FaceRequest& request);
    std::vector<std::string> families();
    // Adds a font file for this process, as AddFontResourceEx does; returns the faces added.
    int add_file(const std::string& path);
    // Changes whenever faces are added, so resolutions made before can be redone.
    uint64_t generation() const { return m_generation.load(); }

    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;
    ~FontCatalog();

private:
    FontCatalog();
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::atomic<uint64_t> m_generation{0};
};

// The family names the classic platform offers for bitmap faces, and which real family stands in.
const char* bitmap_standin(const std::string& lowercase_name, bool* always_bold);

} // namespace gdi
