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
    // The same for a font object, remembered in the object: drawing and measuring with one font
    // again and again finds its realised size without a look-up. Null when no face can be opened.
    FontInstance* realize_for(FontObject& font, int32_t device_height);
    // Drops every rendered glyph of the sizes this thread keeps; the next text renders them anew.
    void clear_glyphs();

private:
    FontSystem();
    std::shared_ptr<FontInstance> open(const FaceChoice& choice, FontSize size, bool antialiased,
                                       std::string* error);

    using RequestKey = std::array<char, sizeof(LOGFONTA) + 2 * sizeof(int32_t)>;
    // A request not among the recent ones: the map of every request, or a new resolution.
    std::shared_ptr<FontInstance> look_up(const RequestKey& key, const LOGFONTA& logfont,
                                          int32_t device_height);
    struct InstanceKey {
        std::string file;
        int index;
        int32_t em, cell, width;
        bool bold, italic, antialiased;
        friend auto operator<=>(const InstanceKey&, const InstanceKey&) = default;
    };

    // The requests answered last, searched before the map: a program creates, measures and deletes
    // the same few fonts over and over, so nearly every request is one of them.
    struct Recent {
        RequestKey key{};
        std::shared_ptr<FontInstance> instance;
        bool used = false;
    };
    static constexpr size_t kRecent = 8;

    FreeTypeLibrary m_library;
    std::map<InstanceKey, std::shared_ptr<FontInstance>> m_instances;
    std::map<RequestKey, std::shared_ptr<FontInstance>> m_requests;
    std::array<Recent, kRecent> m_recent{};
    size_t m_recent_next = 0;          // the slot the next answer replaces
    uint64_t m_catalog_generation = 0; // the requests were resolved against this catalog
};

// The default height of a face when the LOGFONT asks for none, as a cell height in pixels.
int32_t default_cell_height(const std::string& face_name);

} // namespace gdi
