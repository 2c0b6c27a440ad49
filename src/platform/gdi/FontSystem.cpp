#include "platform/gdi/FontSystem.h"

#include "platform/gdi/Mapping.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>

namespace gdi {

namespace {

// Caches stay small: realised sizes in use survive a purge through their shared pointers.
constexpr size_t kMaxCached = 128;
// Heights and widths beyond any face's sizes, kept in a range whose absolute value exists.
constexpr int32_t kMaxWidth = 1 << 20;

// Reported once per file and process, however many threads and sizes meet it.
void report_rejected(const std::string& file, const std::string& reason, const std::string& fallback) {
    static std::mutex mutex;
    static std::set<std::string> reported;
    std::lock_guard lock(mutex);
    if (!reported.insert(file).second) return;
    std::fprintf(stderr, "vntab gdi: cannot use font file %s (%s); using %s instead\n", file.c_str(),
                 reason.c_str(), fallback.c_str());
}

std::string lower(const char* s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

int32_t default_cell_height(const std::string& face_name) {
    // The classic sizes at 96 DPI: the 16-pixel System cell, the 13-pixel cell of 8-point raster
    // faces, and a 12-pixel cell for everything else.
    std::string name = lower(face_name.c_str());
    bool always_bold = false;
    const bool raster = bitmap_standin(name, &always_bold) != nullptr;
    const int32_t cell = name == "system" ? 16 : raster ? 13 : 12;
    return mul_div(cell, LogicalDpi(), 96);
}

FontSystem& FontSystem::current() {
    thread_local FontSystem system;
    return system;
}

FontSystem::FontSystem() {
    m_library = open_freetype();
}

FontSystem::~FontSystem() = default;

std::shared_ptr<FontInstance> FontSystem::open(const FaceChoice& choice, FontSize size, bool antialiased,
                                               std::string* error) {
    InstanceKey key{choice.file,
                    choice.index,
                    size.em,
                    size.cell,
                    size.width,
                    choice.synthetic_bold,
                    choice.synthetic_italic,
                    antialiased};
    auto it = m_instances.find(key);
    if (it != m_instances.end()) return it->second;
    std::shared_ptr<FontInstance> instance = FontInstance::open(m_library, choice, size, antialiased, error);
    if (!instance) return nullptr;
    if (m_instances.size() >= kMaxCached) m_instances.clear();
    m_instances.emplace(std::move(key), instance);
    return instance;
}

FontInstance* FontSystem::realize_for(FontObject& font, int32_t device_height) {
    const int dpi = LogicalDpi();
    const uint64_t catalog = FontCatalog::instance().generation();
    if (!font.realized || font.realized_height != device_height || font.realized_dpi != dpi ||
        font.realized_catalog != catalog) {
        font.realized = realize(font.log, device_height);
        font.realized_height = device_height;
        font.realized_dpi = dpi;
        font.realized_catalog = catalog;
    }
    return font.realized.get();
}

void FontSystem::clear_glyphs() {
    for (auto& [key, instance] : m_instances)
        instance->clear_glyphs();
}

std::shared_ptr<FontInstance> FontSystem::realize(const LOGFONTA& logfont, int32_t device_height) {
    RequestKey key{};
    const int32_t dpi = LogicalDpi();
    std::memcpy(key.data(), &logfont, sizeof logfont);
    // Bytes after the face name's end are whatever the caller's buffer held; they ask for nothing.
    const size_t name_at = offsetof(LOGFONTA, lfFaceName);
    const size_t name_length = strnlen(logfont.lfFaceName, LF_FACESIZE);
    std::memset(key.data() + name_at + name_length, 0, LF_FACESIZE - name_length);
    std::memcpy(key.data() + sizeof logfont, &device_height, sizeof device_height);
    std::memcpy(key.data() + sizeof logfont + sizeof device_height, &dpi, sizeof dpi);
    FontCatalog& catalog = FontCatalog::instance();
    if (catalog.generation() != m_catalog_generation) {
        m_requests.clear();
        m_recent = {};
        m_catalog_generation = catalog.generation();
    }
    // Newest first.
    for (size_t k = 1; k <= kRecent; ++k) {
        const Recent& recent = m_recent[(m_recent_next + kRecent - k) % kRecent];
        if (recent.used && recent.key == key) return recent.instance;
    }
    std::shared_ptr<FontInstance> instance = look_up(key, logfont, device_height);
    m_recent[m_recent_next] = {key, instance, true};
    m_recent_next = (m_recent_next + 1) % kRecent;
    return instance;
}

std::shared_ptr<FontInstance> FontSystem::look_up(const RequestKey& key, const LOGFONTA& logfont,
                                                  int32_t device_height) {
    auto it = m_requests.find(key);
    if (it != m_requests.end()) return it->second;
    if (!m_library) return nullptr;
    FontCatalog& catalog = FontCatalog::instance();

    device_height = std::clamp(device_height, -kMaxWidth, kMaxWidth);
    FaceRequest request;
    request.name = std::string(logfont.lfFaceName, strnlen(logfont.lfFaceName, LF_FACESIZE));
    request.weight = logfont.lfWeight;
    request.italic = logfont.lfItalic != 0;
    FontSize size;
    if (device_height < 0) {
        size.em = -device_height;
    } else {
        size.cell = device_height > 0 ? device_height : default_cell_height(request.name);
    }
    size.width = std::clamp(logfont.lfWidth, -kMaxWidth, kMaxWidth);
    size.width = std::abs(size.width);
    request.em = size.em;
    request.cell = size.cell;
    const bool antialiased =
        logfont.lfQuality == ANTIALIASED_QUALITY || logfont.lfQuality == CLEARTYPE_QUALITY;

    FaceChoice choice = catalog.resolve(request);
    std::shared_ptr<FontInstance> instance;
    std::string error;
    if (!choice.file.empty()) instance = open(choice, size, antialiased, &error);
    if (!instance) {
        const FaceChoice fallback = catalog.fallback(request);
        if (!choice.file.empty())
            report_rejected(choice.file, error, fallback.family.empty() ? "no font" : fallback.family);
        if (!fallback.file.empty() && fallback.file != choice.file)
            instance = open(fallback, size, antialiased, nullptr);
    }
    if (m_requests.size() >= kMaxCached) m_requests.clear();
    m_requests.emplace(key, instance);
    return instance;
}

} // namespace gdi
