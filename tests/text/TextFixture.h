#pragma once

#include "gfx/CDC.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Dialogs.h"
#include "support/Pictures.h"
#include "text/CRenderText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace text_test {

constexpr gdi::COLORREF kWhite = 0xFFFFFF;
constexpr gdi::COLORREF kBlack = 0x000000;

// The COLORREF a picture pixel of 0x00RRGGBB shows as (the same swap turns a COLORREF into such a
// pixel).
constexpr gdi::COLORREF FromRgb(uint32_t rgb) {
    return gdi::RGB(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
}

// A 32-bit memory surface filled with one colour, with a CDC over it.
class Surface {
public:
    Surface(int32_t width, int32_t height, gdi::COLORREF fill = kWhite);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    gfx::CDC& dc() { return m_cdc; }
    gdi::COLORREF at(int32_t x, int32_t y) const { return gdi::GetPixel(m_cdc.m_hdc, x, y); }
    int count(gdi::COLORREF color) const;
    // The bounding box (right and bottom exclusive) of the pixels of `color`; empty when none.
    gdi::RECT bounds(gdi::COLORREF color) const;
    // The bounding box of the pixels that differ from `other`'s.
    gdi::RECT changed_from(const Surface& other) const;

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
    RecordedDialogs() : m_previous(user::SetDialogProvider(this)) {}
    ~RecordedDialogs() override { user::SetDialogProvider(m_previous); }
    int MessageBox(user::HWND, std::string_view text, std::string_view, uint32_t) override {
        texts.emplace_back(text);
        return user::IDOK;
    }
    std::optional<std::string> OpenFileName(user::HWND, std::string_view, std::string_view,
                                            std::string_view) override {
        return std::nullopt;
    }
    std::optional<gdi::COLORREF> ChooseColor(user::HWND, gdi::COLORREF) override { return std::nullopt; }
    int AboutBox(user::HWND, std::string_view, std::string_view, std::string_view) override {
        return user::IDOK;
    }

    std::vector<std::string> texts;

private:
    user::DialogProvider* m_previous;
};

using support::SolidBitmap;
using support::SolidIcon;

// A renderer `r` for each test, and no GDI object left behind once it is gone.
class RendererTest : public ::testing::Test {
protected:
    void SetUp() override { m_before = gdi::live_objects(); }
    void TearDown() override {
        m_owned.reset();
        EXPECT_EQ(gdi::live_objects(), m_before) << "GDI objects left behind";
    }
    // 12-point Arial, black text on a white background, enabled, at `target`.
    void Configure(const gfx::CRect& target, const std::string& caption);

    std::unique_ptr<text::CRenderText> m_owned = std::make_unique<text::CRenderText>();
    text::CRenderText& r = *m_owned;

private:
    gdi::LiveObjects m_before;
};

} // namespace text_test
