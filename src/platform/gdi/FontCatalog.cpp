#include "platform/gdi/FontCatalog.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <mutex>

namespace gdi {

namespace {

// The folders of the catalog. Caches are only caches: the system's are read when current, and a
// user cache folder lets fontconfig keep its scan of the bitmap folders between runs.
constexpr const char* kConfig = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts/truetype</dir>
  <dir>/usr/share/fonts/X11/75dpi</dir>
  <dir>/usr/share/fonts/X11/100dpi</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
</fontconfig>)";

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

struct Standin {
    const char* name;
    const char* family;
    bool always_bold;
};

// The classic raster faces and the X11 bitmap families that stand in for them.
constexpr Standin kBitmapStandins[] = {
    {"ms sans serif", "Helvetica", false}, {"ms serif", "Times", false},
    {"system", "Helvetica", true},         {"small fonts", "Lucida", false},
    {"courier", "Courier", false},         {"helv", "Helvetica", false},
    {"tms rmn", "Times", false},           {"ms shell dlg", "Helvetica", false},
};

// TrueType names and their metric-compatible faces.
constexpr std::pair<const char*, const char*> kTrueTypeStandins[] = {
    {"arial", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
};

constexpr const char* kDefaultFamilies[] = {"Liberation Sans", "DejaVu Sans"};

} // namespace

const char* bitmap_standin(const std::string& lowercase_name, bool* always_bold) {
    for (const Standin& s : kBitmapStandins)
        if (lowercase_name == s.name) {
            if (always_bold) *always_bold = s.always_bold;
            return s.family;
        }
    return nullptr;
}

struct FontCatalog::Impl {
    struct Entry {
        std::string file;
        int index = 0;
        std::vector<std::string> families; // lower case, for matching
        std::string family;                // as the file names it
        std::string style;
        bool scalable = false;
        int weight = 400;
        bool italic = false;
        int pixel_size = 0;
        int coverage = 0; // characters in the charset, to prefer the fuller of two files
    };

    std::mutex mutex;
    FcConfig* config = nullptr;
    FT_Library freetype = nullptr;
    std::vector<Entry> entries;
    std::map<std::string, int> cell_heights;

    Impl() {
        config = FcConfigCreate();
        if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kConfig), FcTrue) ||
            !FcConfigBuildFonts(config)) {
            FcConfigDestroy(config);
            config = nullptr;
            return;
        }
        collect(FcSetSystem);
        FT_Init_FreeType(&freetype);
    }

    ~Impl() {
        if (freetype) FT_Done_FreeType(freetype);
        if (config) FcConfigDestroy(config);
    }

    void collect(FcSetName set_name) {
        FcFontSet* set = config ? FcConfigGetFonts(config, set_name) : nullptr;
        if (!set) return;
        for (int i = 0; i < set->nfont; ++i) {
            FcPattern* p = set->fonts[i];
            FcChar8* file = nullptr;
            if (FcPatternGetString(p, FC_FILE, 0, &file) != FcResultMatch) continue;
            const std::string path = reinterpret_cast<const char*>(file);
            if (std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.file == path; }))
                continue;
            Entry e;
            e.file = path;
            FcPatternGetInteger(p, FC_INDEX, 0, &e.index);
            FcChar8* name = nullptr;
            for (int k = 0; FcPatternGetString(p, FC_FAMILY, k, &name) == FcResultMatch; ++k) {
                if (k == 0) e.family = reinterpret_cast<const char*>(name);
                e.families.push_back(lower(reinterpret_cast<const char*>(name)));
            }
            if (FcPatternGetString(p, FC_STYLE, 0, &name) == FcResultMatch)
                e.style = reinterpret_cast<const char*>(name);
            FcBool scalable = FcFalse;
            FcPatternGetBool(p, FC_SCALABLE, 0, &scalable);
            e.scalable = scalable;
            int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
            FcPatternGetInteger(p, FC_WEIGHT, 0, &weight);
            FcPatternGetInteger(p, FC_SLANT, 0, &slant);
            e.weight = FcWeightToOpenType(weight);
            e.italic = slant != FC_SLANT_ROMAN;
            double pixel_size = 0;
            if (FcPatternGetDouble(p, FC_PIXEL_SIZE, 0, &pixel_size) == FcResultMatch)
                e.pixel_size = static_cast<int>(pixel_size + 0.5);
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(p, FC_CHARSET, 0, &charset) == FcResultMatch)
                e.coverage = static_cast<int>(FcCharSetCount(charset));
            if (!e.families.empty()) entries.push_back(std::move(e));
        }
    }

    std::vector<const Entry*> family_entries(const std::string& lowercase_family) const {
        std::vector<const Entry*> out;
        for (const Entry& e : entries)
            if (std::find(e.families.begin(), e.families.end(), lowercase_family) != e.families.end())
                out.push_back(&e);
        return out;
    }

    // fontconfig's best match for a family name, accepted only when it really is that family.
    std::string matched_family(const std::string& name) {
        if (!config) return {};
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        std::string family;
        FcChar8* value = nullptr;
        for (int k = 0; match && FcPatternGetString(match, FC_FAMILY, k, &value) == FcResultMatch; ++k)
            if (lower(reinterpret_cast<const char*>(value)) == lower(name)) family = lower(name);
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        return family;
    }

    int cell_height(const std::string& file) {
        auto it = cell_heights.find(file);
        if (it != cell_heights.end()) return it->second;
        int height = 0;
        FT_Face face = nullptr;
        if (freetype && FT_New_Face(freetype, file.c_str(), 0, &face) == 0) {
            if (face->num_fixed_sizes > 0) height = face->available_sizes[0].height;
            FT_Done_Face(face);
        }
        cell_heights[file] = height;
        return height;
    }

    // The style nearest to the request: italic first, then weight; then for bitmap faces the
    // strike nearest in size, then the file covering more characters.
    FaceChoice choose(const std::vector<const Entry*>& candidates, const FaceRequest& request) {
        const int want_weight = request.weight <= 0 ? FW_NORMAL : request.weight;
        auto style_cost = [&](const Entry* e) {
            return (e->italic != request.italic ? 10000 : 0) + std::abs(e->weight - want_weight);
        };
        int best_style = INT32_MAX;
        for (const Entry* e : candidates)
            best_style = std::min(best_style, style_cost(e));
        const Entry* best = nullptr;
        int best_size_cost = INT32_MAX;
        for (const Entry* e : candidates) {
            if (style_cost(e) != best_style) continue;
            int size_cost = 0;
            if (!e->scalable) {
                // Ties go to the smaller strike, which the platform prefers for raster fonts.
                const int have = request.em > 0 ? e->pixel_size : cell_height(e->file);
                const int want = request.em > 0 ? request.em : request.cell;
                size_cost = std::abs(have - want) * 2 + (have > want ? 1 : 0);
            }
            if (!best || size_cost < best_size_cost ||
                (size_cost == best_size_cost && e->coverage > best->coverage)) {
                best = e;
                best_size_cost = size_cost;
            }
        }
        FaceChoice choice;
        if (!best) return choice;
        choice.file = best->file;
        choice.index = best->index;
        choice.family = best->family;
        choice.style = best->style;
        choice.scalable = best->scalable;
        choice.weight = best->weight;
        choice.italic = best->italic;
        choice.pixel_size = best->pixel_size;
        choice.synthetic_bold = want_weight >= FW_SEMIBOLD && best->weight < FW_SEMIBOLD;
        choice.synthetic_italic = request.italic && !best->italic;
        return choice;
    }

    FaceChoice fallback(const FaceRequest& request) {
        for (const char* family : kDefaultFamilies) {
            auto candidates = family_entries(lower(family));
            if (!candidates.empty()) return choose(candidates, request);
        }
        std::vector<const Entry*> scalable;
        for (const Entry& e : entries)
            if (e.scalable) scalable.push_back(&e);
        if (!scalable.empty()) return choose({scalable.front()}, request);
        return {};
    }

    FaceChoice resolve(const FaceRequest& request) {
        const std::string name = lower(trimmed(request.name));
        bool always_bold = false;
        if (const char* family = bitmap_standin(name, &always_bold)) {
            std::vector<const Entry*> bitmaps;
            for (const Entry* e : family_entries(lower(family)))
                if (!e->scalable) bitmaps.push_back(e);
            if (!bitmaps.empty()) {
                FaceRequest adjusted = request;
                if (always_bold) adjusted.weight = FW_BOLD;
                return choose(bitmaps, adjusted);
            }
        }
        std::string family;
        for (const auto& [windows_name, standin] : kTrueTypeStandins)
            if (name == windows_name) family = lower(standin);
        if (family.empty() && !name.empty()) {
            family = family_entries(name).empty() ? matched_family(trimmed(request.name)) : name;
        }
        if (!family.empty()) {
            auto candidates = family_entries(family);
            if (!candidates.empty()) return choose(candidates, request);
        }
        return fallback(request);
    }
};

FontCatalog::FontCatalog() : m_impl(std::make_unique<Impl>()) {}
FontCatalog::~FontCatalog() = default;

FontCatalog& FontCatalog::instance() {
    static FontCatalog catalog;
    return catalog;
}

FaceChoice FontCatalog::resolve(const FaceRequest& request) {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->resolve(request);
}

FaceChoice FontCatalog::fallback(const FaceRequest& request) {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->fallback(request);
}

std::vector<std::string> FontCatalog::families() {
    std::lock_guard lock(m_impl->mutex);
    std::vector<std::string> out;
    for (const Impl::Entry& e : m_impl->entries)
        out.push_back(e.family);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

int FontCatalog::add_file(const std::string& path) {
    std::lock_guard lock(m_impl->mutex);
    if (!m_impl->config) return 0;
    const size_t before = m_impl->entries.size();
    if (!FcConfigAppFontAddFile(m_impl->config, reinterpret_cast<const FcChar8*>(path.c_str()))) return 0;
    m_impl->collect(FcSetApplication);
    ++m_generation;
    return static_cast<int>(m_impl->entries.size() - before);
}

} // namespace gdi
