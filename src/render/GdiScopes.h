#pragma once

#include "gfx/CDC.h"
#include "platform/gdi/Gdi.h"

// Scopes for the GDI objects of one drawing step. A step creates its objects and deletes them before
// it returns; these make that hold when an arithmetic error aborts the step half-way too, so an
// aborted redraw leaves no object behind and no object selected.
namespace vntab::render {

// Selects an object into a DC for the life of the scope, then selects the previous one back.
class SelectionScope {
public:
    SelectionScope(gfx::CDC& dc, gdi::HGDIOBJ object) : m_dc(dc), m_previous(dc.SelectObject(object)) {}
    ~SelectionScope() { m_dc.SelectObject(m_previous); }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

private:
    gfx::CDC& m_dc;
    gdi::HGDIOBJ m_previous;
};

// A brush made with CreateBrushIndirect and deleted with the scope. Declare it before any
// SelectionScope that selects it, so that it is selected out before it is deleted.
class OwnedBrush {
public:
    explicit OwnedBrush(const gdi::LOGBRUSH& logbrush) : m_brush(gdi::CreateBrushIndirect(&logbrush)) {}
    ~OwnedBrush() { gdi::DeleteObject(m_brush); }
    OwnedBrush(const OwnedBrush&) = delete;
    OwnedBrush& operator=(const OwnedBrush&) = delete;

    static gdi::LOGBRUSH Solid(gdi::COLORREF color) { return {gdi::BS_SOLID, color, 0}; }
    static gdi::LOGBRUSH Hollow() { return {gdi::BS_HOLLOW, 0, 0}; }

    gdi::HBRUSH get() const { return m_brush; }

private:
    gdi::HBRUSH m_brush;
};

} // namespace vntab::render
