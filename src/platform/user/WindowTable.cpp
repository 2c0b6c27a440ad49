#include "platform/user/WindowTable.h"

#include "platform/user/Errors.h"

namespace user::detail {

namespace {

constexpr size_t kMaxSlots = 0xFFFF;

// A handle is the slot number plus one in its low 16 bits and the slot's generation (never 0) in
// its high 16 bits, so no handle is below 0x10001 (HWND_BOTTOM, 1, is never a window) and a
// destroyed window's handle stays stale after its slot is reused.
uint32_t encode(uint16_t generation, size_t slot) {
    return (uint32_t(generation) << 16) | uint32_t(slot + 1);
}

} // namespace

HWND WindowTable::insert() {
    size_t slot;
    if (!m_free.empty()) {
        slot = m_free.front();
        m_free.pop_front();
    } else {
        if (m_slots.size() >= kMaxSlots) return {};
        slot = m_slots.size();
        m_slots.emplace_back();
    }
    Window& w = m_slots[slot];
    const uint16_t generation = w.generation;
    w = Window{};
    w.generation = generation;
    w.alive = true;
    return HWND{encode(generation, slot)};
}

Window* WindowTable::find(HWND hwnd) {
    const uint32_t slot = hwnd.value & 0xFFFF;
    if (slot == 0 || slot > m_slots.size()) return nullptr;
    Window& w = m_slots[slot - 1];
    if (!w.alive || w.generation != (hwnd.value >> 16)) return nullptr;
    return &w;
}

void WindowTable::erase(HWND hwnd) {
    Window* w = find(hwnd);
    if (!w) return;
    const uint16_t next = static_cast<uint16_t>(w->generation == 0xFFFF ? 1 : w->generation + 1);
    *w = Window{};
    w->generation = next;
    // Oldest freed slots are reused first, which keeps a stale handle stale as long as possible.
    m_free.push_back(static_cast<uint16_t>((hwnd.value & 0xFFFF) - 1));
}

std::vector<HWND> WindowTable::all() const {
    std::vector<HWND> out;
    for (size_t i = 0; i < m_slots.size(); ++i)
        if (m_slots[i].alive) out.push_back(HWND{encode(m_slots[i].generation, i)});
    return out;
}

WindowTable& windows() {
    static thread_local WindowTable table;
    return table;
}

Window* window_of(HWND hwnd) {
    Window* w = windows().find(hwnd);
    if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

std::vector<HWND>& siblings_of(const Window& w) {
    if (Window* parent = windows().find(w.parent)) return parent->children;
    return windows().topLevel;
}

} // namespace user::detail
