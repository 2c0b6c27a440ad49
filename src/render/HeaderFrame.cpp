#include "render/HeaderFrame.h"

#include "layout/Constants.h"
#include "platform/automation/Arithmetic.h"

#include <cmath>
#include <utility>

namespace vntab::render {

HeaderFrame::HeaderFrame(int32_t orientation, const Header& device, Header& shape_space) {
    shape_space = device;
    const double outer_side = 2.0 * device.left + device.height - 1.0; // left + (left + H - 1)
    switch (orientation) {
    case vnOrientationBottom:
        m_y = {1, -1, 2.0 * device.top + device.height - 1.0};
        break;
    case vnOrientationLeft:
        shape_space.left = device.top;
        shape_space.top = device.left;
        m_x = {1, 1, 0.0};
        m_y = {0, 1, 0.0};
        break;
    case vnOrientationRight:
        shape_space.left = device.top;
        shape_space.top = device.left;
        m_x = {1, -1, outer_side};
        m_y = {0, 1, 0.0};
        break;
    default:
        m_y = {1, 1, 0.0};
        break;
    }
}

HeaderFrame HeaderFrame::ReversedAlong(double left, double right) const {
    const double mirror = left + right - 1.0;
    auto reverse = [mirror](Axis axis) {
        if (axis.source == 0) {
            axis.offset += axis.sign * mirror;
            axis.sign = -axis.sign;
        }
        return axis;
    };
    return HeaderFrame(reverse(m_x), reverse(m_y));
}

DPoint HeaderFrame::Pixel(double x, double y) const {
    return {Map(m_x, x, y), Map(m_y, x, y)};
}

void HeaderFrame::MapSpan(const Axis& axis, double from_x, double from_y, double to_x, double to_y,
                          int32_t& lo, int32_t& hi) {
    const double from = axis.source == 0 ? from_x : from_y;
    const double to = axis.source == 0 ? to_x : to_y;
    if (axis.sign > 0) {
        lo = rt::clng(from + axis.offset);
        hi = rt::clng(to + axis.offset);
    } else {
        lo = rt::clng(axis.offset - to + 1.0);
        hi = rt::clng(axis.offset - from + 1.0);
    }
}

gdi::RECT HeaderFrame::Box(double left, double top, double right, double bottom) const {
    gdi::RECT box;
    MapSpan(m_x, left, top, right, bottom, box.left, box.right);
    MapSpan(m_y, left, top, right, bottom, box.top, box.bottom);
    return box;
}

void HeaderFrame::Arc(ShapeCanvas::LineGroup& lines, double x, double y, double radius, double start,
                      double end, double aspect) const {
    const bool upright = m_x.source == 0 && m_x.sign > 0 && m_y.source == 1 && m_y.sign > 0;
    if (upright) {
        lines.Arc(x + m_x.offset, y + m_y.offset, radius, start, end, aspect);
        return;
    }
    // The centre of the arc's box moves as a box does: on a reversed axis it lands half a pixel
    // further, at offset - centre + 1.
    auto centre = [x, y](const Axis& axis) {
        const double c = axis.source == 0 ? x : y;
        return axis.sign > 0 ? c + axis.offset : axis.offset - c + 1.0;
    };
    // A direction at angle a is (cos a, -sin a) on the screen; carry it through the axes.
    auto turn = [this](double angle) {
        const double along = std::cos(angle);
        const double across = -std::sin(angle);
        const double dx = m_x.sign * (m_x.source == 0 ? along : across);
        const double dy = m_y.sign * (m_y.source == 0 ? along : across);
        return std::atan2(-dy, dx);
    };
    const bool swapped = m_x.source == 1;
    const bool reflected = swapped == (m_x.sign * m_y.sign > 0);
    double from = turn(start);
    double to = turn(end);
    // A reflection runs the arc the other way round: the same pixels are swept from end to start.
    if (reflected) std::swap(from, to);
    const double device_radius = swapped ? radius * aspect : radius;
    const double device_aspect = swapped ? 1.0 / aspect : aspect;
    lines.Arc(centre(m_x), centre(m_y), device_radius, from, to, device_aspect);
}

} // namespace vntab::render
