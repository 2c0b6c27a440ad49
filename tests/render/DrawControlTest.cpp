#include "render/RenderFixture.h"

#include <gtest/gtest.h>

namespace vntab::render_testing {
namespace {

TEST(DrawControl, DrawsTheActiveTabsPanel) {
    RenderControl c(3);
    c.tab(1).SetBackColor(0x0000FF);
    c.Redraw();
    EXPECT_EQ(c.Pixel(150, 100), 0x0000FFu);
}

} // namespace
} // namespace vntab::render_testing
