#include "platform/host/ControlPainter.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Form.h"
#include "platform/host/GdiFont.h"
#include "support/MemorySurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace host;
using rt::Variant;

namespace {

// Pixels (0x00RRGGBB) of the standard colour scheme, and what a surface holds before painting.
constexpr uint32_t kPaper = 0x2468AC;
constexpr uint32_t kFace = 0xC0C0C0;
constexpr uint32_t kLight = 0xDFDFDF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGray = 0x808080;
constexpr uint32_t kBlack = 0x000000;

using Pixels = std::set<std::pair<int32_t, int32_t>>;

// A two-pixel 3D edge, by the colours of its outer and inner lines at the top-left and at the
// bottom-right.
struct Edge {
    uint32_t outer_lt, outer_rb, inner_lt, inner_rb;
};
constexpr Edge kRaised{kLight, kBlack, kWhite, kGray};
constexpr Edge kSunken{kGray, kWhite, kBlack, kLight};

// Each line of an edge starts at a corner, so the corners show which line was drawn last there.
void expect_edge(const MemorySurface& s, int32_t l, int32_t t, int32_t w, int32_t h, Edge edge) {
    EXPECT_EQ(s.at(l, t), edge.outer_lt);
    EXPECT_EQ(s.at(l + w - 1, t + h - 1), edge.outer_rb);
    EXPECT_EQ(s.at(l + 1, t + 1), edge.inner_lt);
    EXPECT_EQ(s.at(l + w - 2, t + h - 2), edge.inner_rb);
}

// Built-in controls on a form being designed, each painted into a surface of its own size.
class BuiltInPainting : public ::testing::Test {
protected:
    void SetUp() override { m_form = Form::CreateNew("Form1", FormOptions{false}); }

    HostControl& add(const std::string& kind) {
        const std::string name = kind + std::to_string(m_controls.size() + 1);
        m_controls.push_back(m_form->AddHostControl(kind, name, nullptr, 0, 0, 1200, 600));
        return *m_controls.back();
    }

    // What the control's font measures on a DC.
    struct Measure {
        int32_t height = 0;
        int32_t ascent = 0;
        std::vector<int32_t> prefix_widths; // the width of the first 0, 1, 2, ... characters
    };
    static Measure measure(const HostControl& c, std::string_view text) {
        MemorySurface scratch(1, 1, kPaper);
        const gdi::HFONT font = CreateGdiFont(*c.TextFont());
        const gdi::HGDIOBJ old = gdi::SelectObject(scratch.dc(), font);
        Measure m;
        gdi::TEXTMETRICA tm{};
        gdi::GetTextMetricsA(scratch.dc(), &tm);
        m.height = tm.tmHeight;
        m.ascent = tm.tmAscent;
        for (size_t n = 0; n <= text.size(); ++n) {
            gdi::SIZE size{};
            gdi::GetTextExtentPoint32A(scratch.dc(), text.data(), int(n), &size);
            m.prefix_widths.push_back(size.cx);
        }
        gdi::SelectObject(scratch.dc(), old);
        gdi::DeleteObject(font);
        return m;
    }

    static std::vector<int32_t> columns(const MemorySurface& s, int32_t row, uint32_t color, int32_t from,
                                        int32_t to) {
        std::vector<int32_t> out;
        for (int32_t x = from; x < to; ++x)
            if (s.at(x, row) == color) out.push_back(x);
        return out;
    }
    static std::vector<int32_t> range(int32_t from, int32_t to) {
        std::vector<int32_t> out;
        for (int32_t x = from; x < to; ++x)
            out.push_back(x);
        return out;
    }
    // The pixels of one colour, moved right by dx.
    static Pixels pixels_of(const MemorySurface& s, uint32_t color, int32_t dx = 0) {
        Pixels out;
        for (int32_t y = 0; y < s.height(); ++y)
            for (int32_t x = 0; x < s.width(); ++x)
                if (s.at(x, y) == color) out.insert({x + dx, y});
        return out;
    }

    // The control painted into all of a w x h surface that held kPaper.
    static std::unique_ptr<MemorySurface> paint(const HostControl& c, int32_t w, int32_t h) {
        auto s = std::make_unique<MemorySurface>(w, h, kPaper);
        PaintControl(c, s->dc(), {0, 0, w, h});
        return s;
    }

    std::shared_ptr<Form> m_form;
    std::vector<std::shared_ptr<HostControl>> m_controls;
};

TEST_F(BuiltInPainting, ACommandButtonIsRaisedWithItsCaptionCentredAndItsAccessKeyUnderlined) {
    HostControl& button = add("CommandButton");
    button.Let("Caption", Variant("&Go"));
    const auto s = paint(button, 80, 30);
    expect_edge(*s, 0, 0, 80, 30, kRaised);
    EXPECT_EQ(s->at(2, 2), kFace);

    // Centred by the width of the text without its marker; the underline spans the G.
    const Measure m = measure(button, "Go");
    const int32_t x = (80 - m.prefix_widths[2]) / 2;
    const int32_t row = (30 - m.height) / 2 + m.ascent + 1;
    EXPECT_EQ(columns(*s, row, kBlack, 2, 78), range(x, x + m.prefix_widths[1]));

    button.Let("Enabled", Variant(false));
    const auto disabled = paint(button, 80, 30);
    EXPECT_EQ(columns(*disabled, row, kGray, 2, 78), range(x, x + m.prefix_widths[1]));
    for (int32_t y = 2; y < 28; ++y)
        EXPECT_TRUE(columns(*disabled, y, kBlack, 2, 78).empty()) << y;
}

TEST_F(BuiltInPainting, ACheckBoxShowsItsValueInASunkenBoxBeforeItsCaption) {
    HostControl& check = add("CheckBox");
    check.Let("Caption", Variant("&x"));
    const Measure m = measure(check, "x");
    const int32_t top = (20 - 13) / 2;
    const uint32_t mark[] = {kWhite, kBlack, kGray}; // unchecked, checked, grayed
    for (int16_t value = 0; value < 3; ++value) {
        check.Let("Value", Variant(value));
        const auto s = paint(check, 100, 20);
        expect_edge(*s, 0, top, 13, 13, kSunken);
        EXPECT_EQ(s->at(5, top + 7), mark[value]) << "value " << value;
        EXPECT_EQ(s->at(99, 0), kFace);
        // The caption starts four pixels after the 13-pixel box.
        const int32_t row = (20 - m.height) / 2 + m.ascent + 1;
        EXPECT_EQ(columns(*s, row, kBlack, 13, 100), range(17, 17 + m.prefix_widths[1]));
    }
}

TEST_F(BuiltInPainting, AnOptionButtonShowsItsDotOnlyWhenSet) {
    HostControl& option = add("OptionButton");
    option.Let("Caption", Variant(""));
    const int32_t top = (20 - 13) / 2;
    for (bool value : {false, true}) {
        option.Let("Value", Variant(value));
        const auto s = paint(option, 60, 20);
        EXPECT_EQ(s->at(0, top), kFace) << "a round button leaves its corners";
        EXPECT_EQ(s->at(6, top), kGray) << "the ring";
        int dot = 0;
        for (int32_t y = top + 4; y < top + 8; ++y)
            for (int32_t x = 4; x < 8; ++x)
                dot += s->at(x, y) != kWhite;
        EXPECT_EQ(dot > 0, value);
    }
}

TEST_F(BuiltInPainting, AFrameIsEtchedAndItsCaptionInterruptsTheTopLine) {
    HostControl& frame = add("Frame");
    frame.Let("Caption", Variant("Group"));
    const Measure m = measure(frame, "Group");
    const int32_t mid = m.height / 2;
    const auto s = paint(frame, 100, 60);
    // Shadow lines, each with a highlight line one pixel below or to the right of it.
    EXPECT_EQ(s->at(3, mid), kGray);
    EXPECT_EQ(s->at(3, mid + 1), kWhite);
    EXPECT_EQ(s->at(0, 30), kGray);
    EXPECT_EQ(s->at(1, 30), kWhite);
    EXPECT_EQ(s->at(98, 30), kGray);
    EXPECT_EQ(s->at(99, 30), kWhite);
    EXPECT_EQ(s->at(50, 58), kGray);
    EXPECT_EQ(s->at(50, 59), kWhite);
    // The gap runs from two pixels before the caption to two after it.
    const int32_t gap_end = 10 + m.prefix_widths[5];
    EXPECT_EQ(s->at(5, mid), kGray);
    EXPECT_EQ(s->at(6, mid), kFace);
    EXPECT_EQ(s->at(gap_end - 1, mid), kFace);
    EXPECT_EQ(s->at(gap_end, mid), kGray);

    frame.Let("Caption", Variant(""));
    EXPECT_EQ(columns(*paint(frame, 100, 60), mid, kGray, 0, 98), range(0, 98))
        << "without a caption the line is whole";
}

TEST_F(BuiltInPainting, ALabelFillsItsBackOnlyWhenOpaqueAndAlignsItsCaption) {
    HostControl& label = add("Label");
    label.Let("Caption", Variant("Go"));
    const int32_t width = measure(label, "Go").prefix_widths[2];
    const auto left = paint(label, 60, 16);
    EXPECT_EQ(left->at(59, 15), kFace);
    const Pixels ink = pixels_of(*left, kBlack);
    ASSERT_FALSE(ink.empty());

    label.Let("Alignment", Variant(int16_t{1}));
    EXPECT_EQ(pixels_of(*paint(label, 60, 16), kBlack, -(60 - width)), ink) << "right-aligned";
    label.Let("Alignment", Variant(int16_t{2}));
    EXPECT_EQ(pixels_of(*paint(label, 60, 16), kBlack, -(60 - width) / 2), ink) << "centred";

    label.Let("Alignment", Variant(int16_t{0}));
    label.Let("BackStyle", Variant(int16_t{0}));
    label.Let("Enabled", Variant(false));
    const auto clear = paint(label, 60, 16);
    EXPECT_EQ(clear->at(59, 15), kPaper) << "a transparent label leaves what is under it";
    EXPECT_EQ(pixels_of(*clear, kGray), ink) << "a disabled label writes in gray";
}

TEST_F(BuiltInPainting, ATextBoxIsASunkenWellThatShowsItsAmpersandsAsTheyAre) {
    HostControl& text = add("TextBox");
    text.Let("Text", Variant("a&b"));
    const Measure m = measure(text, "a&b");
    const auto s = paint(text, 80, 24);
    expect_edge(*s, 0, 0, 80, 24, kSunken);
    const int32_t row = (24 - m.height) / 2 + m.ascent + 1;
    EXPECT_TRUE(columns(*s, row, kBlack, 2, 78).empty()) << "nothing is underlined";
    int32_t rightmost = 0;
    for (const auto& [x, y] : pixels_of(*s, kBlack))
        if (x < 78 && y > 1 && y < 22) rightmost = std::max(rightmost, x);
    EXPECT_GE(rightmost, 4 + m.prefix_widths[2]) << "the b comes after a shown ampersand";
}

TEST_F(BuiltInPainting, AComboBoxHasADropDownButtonWhenThereIsRoomForOne) {
    HostControl& combo = add("ComboBox");
    combo.Let("Text", Variant(""));
    const auto s = paint(combo, 100, 24);
    expect_edge(*s, 82, 2, 16, 20, kRaised);
    EXPECT_EQ(s->at(85, 5), kFace);
    const int32_t arrow_top = 2 + 20 / 2 - 1;
    EXPECT_EQ(columns(*s, arrow_top, kBlack, 82, 97), range(87, 94));
    EXPECT_EQ(columns(*s, arrow_top + 3, kBlack, 82, 97), range(90, 91));
    EXPECT_EQ(s->at(50, 12), kWhite);

    EXPECT_TRUE(pixels_of(*paint(combo, 20, 24), kFace).empty()) << "no button in 20 pixels";
}

TEST_F(BuiltInPainting, AListIsAWellAndAPictureBoxHasItsBorderOnlyWhenAsked) {
    const auto well = paint(add("ListBox"), 40, 40);
    expect_edge(*well, 0, 0, 40, 40, kSunken);
    // White inside the edge, and the outer highlight along the right (39) and bottom (40) sides.
    EXPECT_EQ(pixels_of(*well, kWhite).size(), size_t(36 * 36 + 39 + 40));

    HostControl& picture = add("PictureBox");
    picture.Let("BackColor", Variant(int32_t{0x0000FF}));
    const auto bordered = paint(picture, 40, 40);
    expect_edge(*bordered, 0, 0, 40, 40, kSunken);
    EXPECT_EQ(bordered->at(20, 20), 0xFF0000u);
    picture.Let("BorderStyle", Variant(int16_t{0}));
    EXPECT_EQ(pixels_of(*paint(picture, 40, 40), 0xFF0000).size(), size_t(40 * 40));
}

TEST_F(BuiltInPainting, ALineRunsBetweenTheCornersItsEndsNameIncludingTheLastPixel) {
    HostControl& line = add("Line");
    Pixels diagonal, anti_diagonal;
    for (int32_t i = 0; i < 20; ++i) {
        diagonal.insert({i, i});
        anti_diagonal.insert({19 - i, i});
    }
    line.Let("X2", Variant(300.0f));
    line.Let("Y2", Variant(300.0f));
    EXPECT_EQ(pixels_of(*paint(line, 20, 20), kBlack), diagonal);
    line.Let("X1", Variant(300.0f));
    line.Let("X2", Variant(0.0f));
    EXPECT_EQ(pixels_of(*paint(line, 20, 20), kBlack), anti_diagonal);
}

TEST_F(BuiltInPainting, AShapeDrawsItsFormWithItsBorderAndItsFill) {
    HostControl& shape = add("Shape");
    const auto rectangle = paint(shape, 40, 20);
    EXPECT_EQ(rectangle->at(0, 0), kBlack);
    EXPECT_EQ(rectangle->at(39, 19), kBlack);
    EXPECT_EQ(rectangle->at(1, 10), kPaper);
    EXPECT_EQ(rectangle->at(20, 10), kPaper) << "transparent inside";

    shape.Let("BorderWidth", Variant(int16_t{3}));
    EXPECT_EQ(paint(shape, 40, 20)->at(1, 10), kBlack);
    shape.Let("BorderWidth", Variant(int16_t{1}));

    shape.Let("Shape", Variant(int16_t{1})); // a square: the largest that fits, centred
    const auto square = paint(shape, 40, 20);
    EXPECT_EQ(columns(*square, 10, kBlack, 0, 40), (std::vector<int32_t>{10, 29}));

    shape.Let("Shape", Variant(int16_t{3})); // a circle in that square
    const auto circle = paint(shape, 40, 20);
    EXPECT_EQ(circle->at(10, 0), kPaper);
    EXPECT_EQ(columns(*circle, 10, kBlack, 0, 40).front(), 10);

    shape.Let("Shape", Variant(int16_t{0}));
    shape.Let("BackStyle", Variant(int16_t{1}));
    EXPECT_EQ(paint(shape, 40, 20)->at(20, 10), kWhite) << "an opaque back";
    shape.Let("FillColor", Variant(int32_t{0x0000FF}));
    shape.Let("FillStyle", Variant(int16_t{0}));
    EXPECT_EQ(paint(shape, 40, 20)->at(20, 10), 0xFF0000u) << "a solid fill covers the back";
}

TEST_F(BuiltInPainting, ImagesAndTimersPaintNothingAndNoKindLeavesObjectsBehind) {
    for (const char* kind : {"Image", "Timer"})
        EXPECT_EQ(pixels_of(*paint(add(kind), 30, 30), kPaper).size(), size_t(30 * 30)) << kind;
    for (const ControlKind& kind : ControlKinds()) {
        HostControl& control = add(std::string(kind.name));
        MemorySurface s(60, 30, kPaper);
        const gdi::LiveObjects before = gdi::live_objects();
        PaintControl(control, s.dc(), {0, 0, 60, 30});
        EXPECT_EQ(gdi::live_objects(), before) << kind.name;
    }
}

} // namespace
