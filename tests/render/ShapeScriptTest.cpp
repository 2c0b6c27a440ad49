#include "render/ShapeFixture.h"

#include "render/OutlineScript.h"
#include "render/RedrawObjects.h"
#include "render/ShapeCanvas.h"

#include <gtest/gtest.h>

// An outline script keeps a shape's corners in place while they are few and moves them aside when
// a shape has more; every shape must still reach the platform with all its corners, in order, and
// the next shape must start from none.
namespace vntab::render_testing {
namespace {

using namespace render::names;
using Lines = std::vector<std::string>;

// A star-like polygon of `count` corners around (100, 100), each corner an expression over L and T.
std::vector<render::Step> Star(int count, render::Ink ink, Lines& expected, const std::string& colour) {
    std::vector<render::Step> steps{render::Polygon(ink)};
    std::string corners;
    for (int i = 0; i < count; ++i) {
        const int dx = (i % 2 ? 30 : 60) * (i < count / 2 ? 1 : -1) + i;
        const int dy = i * 3 - count;
        steps.push_back(render::Pt(L + dx, T + dy));
        corners += " " + std::to_string(100 + dx) + "," + std::to_string(100 + dy);
    }
    expected.push_back("poly" + corners + " " + colour);
    return steps;
}

TEST(ShapeScript, ShapesOfManyCornersReachThePlatformWhole) {
    ShapeBench bench;
    render::RedrawObjects objects;
    render::ShapeCanvas canvas(bench.surface, gdi::HBRUSH{}, {kDarkShadow, kHighlight, kShadow}, objects);
    Lines expected;
    std::vector<render::Step> script;
    for (const auto& [count, ink, colour] :
         {std::tuple{40, render::Ink::Highlight, "HL"}, std::tuple{3, render::Ink::Shadow, "SH"},
          std::tuple{16, render::Ink::DarkShadow, "DK"}, std::tuple{17, render::Ink::Shadow, "SH"},
          std::tuple{5, render::Ink::Highlight, "HL"}}) {
        const std::vector<render::Step> shape = Star(count, ink, expected, colour);
        script.insert(script.end(), shape.begin(), shape.end());
    }
    script.insert(script.end(),
                  {render::Box(render::Ink::Shadow), render::Pt(L, T), render::Pt(L + 5, T + 7)});
    expected.push_back("rect 100,100,105,107 SH");
    render::Measures measures{};
    measures[static_cast<size_t>(render::Measure::L)] = 100;
    measures[static_cast<size_t>(render::Measure::T)] = 100;
    gdi::Trace trace;
    canvas.Run(script, measures);
    EXPECT_EQ(Sketch(trace, ShapeBench::Names()), expected);
}

} // namespace
} // namespace vntab::render_testing
