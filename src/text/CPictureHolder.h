#pragma once

#include "gfx/CDC.h"
#include "gfx/CRect.h"
#include "gfx/CSize.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace text {

// Wraps a host picture object (the automation picture with Handle, Type, Width and Height): reports
// its type and HIMETRIC size, converts HIMETRIC to pixels and draws the picture into a rectangle.
// It holds a reference to the picture and never copies or frees the picture's own resources.
class CPictureHolder {
public:
    const std::shared_ptr<rt::Dispatch>& Picture() const { return m_picture; }
    void SetPicture(std::shared_ptr<rt::Dispatch> picture) { m_picture = std::move(picture); }

    // The picture's Type (1 bitmap, 2 metafile, 3 icon) and its Width and Height in HIMETRIC. Without
    // a picture each raises error 91, as reading a property of nothing does.
    int16_t PicType() const;
    int32_t Width() const;
    int32_t Height() const;
    // The picture's Handle: the bitmap's or the icon's GDI handle value.
    uint32_t Handle() const;

    // Converts a size from HIMETRIC to pixels of `dc`, in place, through the DC's HIMETRIC mapping:
    // HIMETRIC x pixels per inch / 2540 on each axis, rounded by the platform.
    static void H2P(gfx::CDC& dc, gfx::CSize& size);

    // Draws the picture into `rect` on `dc`: a bitmap copied from its top-left corner at natural
    // size (a smaller rect crops it), an icon at natural size at rect's top-left, any other type not
    // at all. `source` is accepted and not used. Without a picture it says "Picture not set" in a
    // message box and draws nothing. An error while drawing stops the drawing where it got and is
    // returned instead of raised.
    std::optional<rt::AutomationError> Render(gfx::CDC& dc, const gfx::CRect& rect,
                                              const gfx::CRect* source = nullptr);

private:
    rt::Variant Property(std::string_view name) const;
    void RenderBitmap(gfx::CDC& dc, const gfx::CRect& rect) const;
    void RenderIcon(gfx::CDC& dc, const gfx::CRect& rect) const;

    std::shared_ptr<rt::Dispatch> m_picture;
};

} // namespace text
