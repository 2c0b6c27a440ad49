#include "TestSurface.h"

#include "platform/gdi/Trace.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

TEST(Trace, RecordsLinesWithThePenColour) {
    TestSurface s(80, 50);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    Trace trace;
    HGDIOBJ old = SelectObject(s.dc, pen);
    MoveToEx(s.dc, 12, 20, nullptr);
    LineTo(s.dc, 67, 20);
    SelectObject(s.dc, old);
    EXPECT_EQ(trace.lines({"MoveToEx", "LineTo"}),
              (std::vector<std::string>{"MoveToEx(12,20)", "LineTo(67,20) pen=#FFFFFF"}));
    const std::vector<TraceRecord> lines = trace.filter("LineTo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].args, (std::vector<int64_t>{67, 20}));
    EXPECT_EQ(lines[0].color, RGB(255, 255, 255));
    EXPECT_EQ(lines[0].color_source, "pen");
    DeleteObject(pen);
}

TEST(Trace, RecordsPolygonRegionsAndTheirFills) {
    TestSurface s(80, 50);
    Trace trace;
    const POINT header[] = {{10, 40}, {10, 22}, {12, 20}, {67, 20}, {69, 22}, {69, 40}};
    HRGN rgn = CreatePolygonRgn(header, 6, ALTERNATE);
    HBRUSH brush = CreateSolidBrush(RGB(192, 192, 192));
    FillRgn(s.dc, rgn, brush);
    DeleteObject(rgn);
    DeleteObject(brush);
    EXPECT_EQ(trace.lines({"CreatePolygonRgn", "FillRgn"}),
              (std::vector<std::string>{
                  "CreatePolygonRgn((10,40),(10,22),(12,20),(67,20),(69,22),(69,40)) mode=1 -> rgn#1",
                  "FillRgn(rgn#1) brush=#C0C0C0"}));
    const TraceRecord polygon = trace.filter("CreatePolygonRgn").at(0);
    EXPECT_EQ(polygon.points.size(), 6u);
    EXPECT_EQ(polygon.points[3], (POINT{67, 20}));
}

TEST(Trace, RecordsTextWithItsColourAndRectanglesWithTheirBrush) {
    TestSurface s(80, 30);
    Trace trace;
    SetTextColor(s.dc, RGB(0, 0, 128));
    TextOutA(s.dc, 3, 4, "Tab 1", 5);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    RECT r{1, 2, 3, 4};
    FillRect(s.dc, &r, brush);
    DeleteObject(brush);
    const TraceRecord text = trace.filter("TextOutA").at(0);
    EXPECT_EQ(text.text, "Tab 1");
    EXPECT_EQ(text.color, RGB(0, 0, 128));
    EXPECT_EQ(text.line, "TextOutA(3,4,\"Tab 1\") text=#000080");
    EXPECT_EQ(trace.filter("FillRect").at(0).line, "FillRect(1,2,3,4) brush=#010203");
}

TEST(Trace, RecordsNothingWhenNoneIsActiveAndTheInnermostRecords) {
    TestSurface s(10, 10);
    LineTo(s.dc, 5, 5);
    Trace outer;
    LineTo(s.dc, 6, 6);
    {
        Trace inner;
        LineTo(s.dc, 7, 7);
        EXPECT_EQ(inner.filter("LineTo").size(), 1u);
    }
    LineTo(s.dc, 8, 8);
    EXPECT_EQ(outer.lines({"LineTo"}),
              (std::vector<std::string>{"LineTo(6,6) pen=#000000", "LineTo(8,8) pen=#000000"}));
    outer.clear();
    EXPECT_TRUE(outer.records().empty());
}

TEST(Trace, OtherLayersAddTheirOwnRecords) {
    Trace trace;
    TraceRecord focus;
    focus.name = "DrawFocusRect";
    focus.args = {1, 2, 30, 40};
    trace_record(focus);
    TraceRecord given;
    given.name = "DrawStateA";
    given.line = "DrawStateA(icon) at 3,4";
    trace_record(given);
    EXPECT_EQ(trace.text(), "DrawFocusRect(1,2,30,40)\nDrawStateA(icon) at 3,4");
}

TEST(Trace, HandleNamesFollowFirstSightNotHandleValues) {
    Trace trace;
    HRGN a = CreateRectRgn(0, 0, 1, 1);
    HRGN b = CreateRectRgn(0, 0, 2, 2);
    CombineRgn(a, a, b, RGN_OR);
    DeleteObject(a);
    DeleteObject(b);
    EXPECT_EQ(trace.filter("CombineRgn").at(0).line, "CombineRgn(rgn#1,rgn#1,rgn#2) mode=2");
    EXPECT_EQ(trace.filter("DeleteObject").at(1).line, "DeleteObject(rgn#2)");
}

} // namespace
