#pragma once

#include "platform/gdi/FontInstance.h"
#include "platform/gdi/Objects.h"

#include <array>
#include <map>
#include <memory>

// The calling thread's fonts: its FreeType library and the realised sizes of the fonts it draws
// with, shared by every HFONT asking for the same face and size.
namespace gdi {

class FontSystem {
public:
    static FontSystem& current();
    ~FontSystem();
    FontSystem(const FontSystem&) = delete;
    FontSystem& operator=(const FontSystem&) = delete;

    // The font for a LOGFONT whose height is already in device pixels (sign kept). A file FreeType
    // rejects falls back to the default face, with one message on stderr; null only when no face
    // at all can be opened.
    std::shared_ptr<FontInstance> realize(const LOGFONTA& logfont, int32_t device_height);

private:
    FontSystem();
    std::shared_ptr<FontInstance> open(const FaceChoice& choice, FontSize size, bool antialiased,
                                       std::string* error);

    using RequestKey = std::array<char, sizeof(LOGFONTA) + 2 * sizeof(int32_t)>;
    struct InstanceKey {
        std::string file;
        int index;
        int32_t em, cell, width;
        bool bold, italic, antialiased;
        friend auto operator<=>(const InstanceKey&, const InstanceKey&) = default;
    };

    FT_Library m_library = nullptr;
    std::map<InstanceKey, std::shared_ptr<FontInstance>> m_instances;
    std::map<RequestKey, std::shared_ptr<FontInstance>> m_requests;
    uint64_t m_catalog_generation = 0; // the requests were resolved against this catalog
};

// The default height of a face when the LOGFONT asks for none, as a cell height in pixels.
int32_t default_cell_height(const std::string& face_name);

} // namespace gdi
