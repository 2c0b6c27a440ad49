#include "platform/gdi/HandleTable.h"

#include <cstring>

namespace gdi {

namespace {

constexpr uint32_t kMaxSlots = 0xFFFF;

FontObject stock_font(const char* face, int32_t height, int32_t weight) {
    FontObject font;
    font.log.lfHeight = height;
    font.log.lfWeight = weight;
    std::strncpy(font.log.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

BrushObject stock_brush(uint32_t style, COLORREF color) {
    BrushObject brush;
    brush.log.lbStyle = style;
    brush.log.lbColor = color;
    return brush;
}

PenObject stock_pen(uint32_t style, COLORREF color) {
    PenObject pen;
    pen.log.lopnStyle = style;
    pen.log.lopnWidth = {1, 0};
    pen.log.lopnColor = color;
    return pen;
}

} // namespace

HandleTable::HandleTable() {
    m_stock[WHITE_BRUSH] = insert(stock_brush(BS_SOLID, RGB(255, 255, 255)), true);
    m_stock[LTGRAY_BRUSH] = insert(stock_brush(BS_SOLID, RGB(192, 192, 192)), true);
    m_stock[GRAY_BRUSH] = insert(stock_brush(BS_SOLID, RGB(128, 128, 128)), true);
    m_stock[DKGRAY_BRUSH] = insert(stock_brush(BS_SOLID, RGB(64, 64, 64)), true);
    m_stock[BLACK_BRUSH] = insert(stock_brush(BS_SOLID, RGB(0, 0, 0)), true);
    m_stock[NULL_BRUSH] = insert(stock_brush(BS_HOLLOW, 0), true);
    m_stock[WHITE_PEN] = insert(stock_pen(PS_SOLID, RGB(255, 255, 255)), true);
    m_stock[BLACK_PEN] = insert(stock_pen(PS_SOLID, RGB(0, 0, 0)), true);
    m_stock[NULL_PEN] = insert(stock_pen(PS_NULL, 0), true);
    // The classic fixed and variable fonts, by the faces the platform used for them.
    m_stock[10] = insert(stock_font("Courier", 0, FW_NORMAL), true);       // OEM_FIXED_FONT
    m_stock[11] = insert(stock_font("Courier", 0, FW_NORMAL), true);       // ANSI_FIXED_FONT
    m_stock[12] = insert(stock_font("MS Sans Serif", 0, FW_NORMAL), true); // ANSI_VAR_FONT
    m_stock[SYSTEM_FONT] = insert(stock_font("System", 0, FW_BOLD), true);
    m_stock[14] = insert(stock_font("System", 0, FW_BOLD), true);    // DEVICE_DEFAULT_FONT
    m_stock[16] = insert(stock_font("Courier", 0, FW_NORMAL), true); // SYSTEM_FIXED_FONT
    m_stock[DEFAULT_GUI_FONT] = insert(stock_font("MS Sans Serif", -11, FW_NORMAL), true);
    BitmapObject one_pixel;
    one_pixel.pixels = Pixels(1, 1, true, PixelBuffer(1, 0u));
    m_stock[DEFAULT_BITMAP] = insert(std::move(one_pixel), true);
}

HandleTable::~HandleTable() {
    if (detail::t_table == this) detail::t_table = nullptr;
}

uint32_t HandleTable::take_slot() {
    if (m_free_head != kNoSlot) {
        const uint32_t slot = m_free_head;
        m_free_head = at(slot).next_free;
        if (m_free_head == kNoSlot) m_free_tail = kNoSlot;
        return slot;
    }
    if (m_size >= kMaxSlots) return kNoSlot;
    if ((m_size >> kBlockBits) == m_blocks.size())
        m_blocks.push_back(std::make_unique<Entry[]>(kBlockMask + 1));
    return m_size++;
}

uint32_t HandleTable::finish_insert(uint32_t slot, bool stock) {
    Entry& entry = at(slot);
    entry.stock = stock;
    entry.selected = 0;
    if (!stock) count(kind_of(entry.data), +1);
    return (uint32_t(entry.generation) << 16) | (slot + 1);
}

void HandleTable::erase(Entry& entry, uint32_t value) {
    if (entry.stock) return;
    count(kind_of(entry.data), -1);
    entry.data.emplace<std::monostate>();
    entry.selected = 0;
    entry.generation = static_cast<uint16_t>(entry.generation == 0xFFFF ? 1 : entry.generation + 1);
    // Freed slots queue up at the tail and are taken from the head: the oldest is reused first.
    const uint32_t slot = (value & 0xFFFF) - 1;
    entry.next_free = kNoSlot;
    if (m_free_tail == kNoSlot) {
        m_free_head = static_cast<uint16_t>(slot);
    } else {
        at(m_free_tail).next_free = static_cast<uint16_t>(slot);
    }
    m_free_tail = static_cast<uint16_t>(slot);
}

LiveObjects HandleTable::live() const {
    auto of = [this](ObjectKind kind) { return m_live[static_cast<size_t>(kind)]; };
    LiveObjects out;
    out.dcs = of(ObjectKind::DC);
    out.bitmaps = of(ObjectKind::Bitmap);
    out.pens = of(ObjectKind::Pen);
    out.brushes = of(ObjectKind::Brush);
    out.regions = of(ObjectKind::Region);
    out.fonts = of(ObjectKind::Font);
    out.icons = of(ObjectKind::Icon);
    return out;
}

namespace detail {

constinit thread_local HandleTable* t_table = nullptr;

HandleTable& make_table() {
    thread_local HandleTable instance;
    t_table = &instance;
    return instance;
}

} // namespace detail

LiveObjects live_objects() {
    return table().live();
}

} // namespace gdi
