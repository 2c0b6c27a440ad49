#pragma once

#include "gfx/CDC.h"
#include "platform/automation/StdFont.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Dialogs.h"
#include "text/CRenderText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace text_test {

constexpr gdi::COLORREF kWhite = 0xFFFFFF;
constexpr gdi::COLORREF kBlack = 0x000000;

// A 32-bit memory surface filled with one colour, with a CDC over it and pixel helpers that work in
// 0x00BBGGRR, as the DC's colours do.
class Surface {
public:
    Surface(int32_t width, int32_t height, gdi::COLORREF fill = kWhite);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    gfx::CDC& dc() { return m_cdc; }
    gdi::COLORREF at(int32_t x, int32_t y) const;
    void set(int32_t x, int32_t y, gdi::COLORREF color);
    int count(gdi::COLORREF color) const;
    // The bounding box of the pixels of `color` (right and bottom exclusive); empty when none.
    gdi::RECT bounds(gdi::COLORREF color) const;
    // The bounding box of the pixels that differ from `other`'s.
    gdi::RECT changed_from(const Surface& other) const;
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

private:
    int32_t m_width;
    int32_t m_height;
    gdi::HBITMAP m_bitmap;
    gdi::HGDIOBJ m_previous;
    gfx::CDC m_cdc;
};

// Message boxes answered OK and remembered.
class RecordedDialogs final : public user::DialogProvider {
public:
    RecordedDialogs();
    ~RecordedDialogs() override;
    int MessageBox(user::HWND, std::string_view text, std::string_view caption, uint32_t type) override;
    std::optional<std::string> OpenFileName(user::HWND, std::string_view, std::string_view,
                                            std::string_view) override {
        return std::nullopt;
    }
    std::optional<gdi::COLORREF> ChooseColor(user::HWND, gdi::COLORREF) override { return std::nullopt; }

    std::vector<std::string> texts;

private:
    user::DialogProvider* m_previous;
};

// A bitmap picture of one colour (0x00RRGGBB pixels, as pictures take them).
std::shared_ptr<rt::StdPicture> SolidBitmap(int32_t width, int32_t height, uint32_t rgb);
// An icon whose pixels are all `rgb`, none masked.
std::shared_ptr<rt::StdPicture> SolidIcon(int32_t width, int32_t height, uint32_t rgb);
// The COLORREF a picture pixel of 0x00RRGGBB shows as (the same swap turns a COLORREF into such a
// pixel).
constexpr gdi::COLORREF FromRgb(uint32_t rgb) {
    return gdi::RGB(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
}

// A TrueType face that turns with the escapement.
std::shared_ptr<rt::StdFont> ArialFont(double points = 12, bool bold = false);

// Each test starts and ends with no live GDI object of its own making.
class RendererTest : public ::testing::Test {
protected:
    void SetUp() override { m_before = gdi::live_objects(); }
    void TearDown() override { EXPECT_EQ(gdi::live_objects(), m_before) << "GDI objects left behind"; }

    // A renderer with the Arial font, black text on white, target at `target`.
    void Configure(text::CRenderText& r, const gfx::CRect& target, const std::string& caption);

private:
    gdi::LiveObjects m_before;
};

} // namespace text_test
