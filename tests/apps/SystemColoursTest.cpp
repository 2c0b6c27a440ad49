#include "driver/Script.h"
#include "driver/Session.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/user/SysColors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

// The control and the form drawn under a colour scheme in which every system colour differs from
// every other: each pixel tells which system colour it was drawn in, so a wrong index shows even
// where the standard scheme gives two of them one colour (gray text and button shadow, say).
namespace fs = std::filesystem;
using namespace user;

namespace {

const fs::path kForm = fs::path(VNTAB_SOURCE_DIR) / "tests" / "apps" / "forms" / "system-colours.frm";

// Colours no form draws by chance: red runs up the indexes, green and blue keep them apart from grey.
SysColorScheme distinct_scheme() {
    SysColorScheme scheme{};
    for (int i = 0; i < kSysColorCount; ++i)
        scheme[size_t(i)] = gdi::RGB(uint8_t(0x11 + 9 * i), uint8_t(0x6B + i), uint8_t(0xD2 - 3 * i));
    return scheme;
}

class SystemColours : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override {
        gdi::SetLogicalDpi(96);
        SetSysColorScheme(distinct_scheme());
        session.Load(kForm.string(), false, "");
    }
    void TearDown() override { SetSysColorScheme(StandardSysColors()); }

    void Run(const std::string& steps) { ASSERT_TRUE(session.Run(driver::ParseScript(steps, "steps"))); }

    // The system colour indexes the pixels of a window's picture are drawn in; -1 for a pixel in a
    // colour of no index.
    std::map<int, int> Indexes(user::HWND window) const {
        std::map<int, int> count;
        const gdi::HBITMAP picture = host::CompositeToBitmap(window);
        const gdi::SurfaceView view = gdi::LockBitmap(picture);
        const SysColorScheme scheme = distinct_scheme();
        for (int32_t y = 0; y < view.height; ++y)
            for (int32_t x = 0; x < view.width; ++x) {
                // Surfaces hold 0x00RRGGBB; the scheme COLORREFs 0x00BBGGRR.
                const uint32_t p = view.pixels[y * view.stride + x];
                const gdi::COLORREF c = gdi::RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
                int index = -1;
                for (int i = 0; i < kSysColorCount; ++i)
                    if (scheme[size_t(i)] == c) index = i;
                ++count[index];
            }
        gdi::DeleteObject(picture);
        return count;
    }
    static std::set<int> Keys(const std::map<int, int>& count) {
        std::set<int> keys;
        for (const auto& [index, n] : count)
            keys.insert(index);
        return keys;
    }

    driver::Session session;
};

} // namespace

TEST_F(SystemColours, TheControlDrawsInButtonColoursAndItsCaptionsInButtonText) {
    Run("set TabActive 2"); // the empty second page, without the focus and its outline
    const std::map<int, int> count = Indexes(session.holder()->hwnd());
    EXPECT_EQ(Keys(count), (std::set<int>{COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNTEXT, COLOR_BTNHIGHLIGHT,
                                          COLOR_3DDKSHADOW}));
    EXPECT_GT(count.at(COLOR_BTNFACE), count.at(COLOR_BTNTEXT));
}

TEST_F(SystemColours, ADisabledControlWritesItsCaptionsInGrayText) {
    Run("set TabActive 2; set Enabled False");
    const std::set<int> keys = Keys(Indexes(session.holder()->hwnd()));
    EXPECT_TRUE(keys.count(COLOR_GRAYTEXT));
    EXPECT_FALSE(keys.count(COLOR_BTNTEXT));
    EXPECT_TRUE(keys.count(COLOR_BTNSHADOW)); // still the edges' colour, apart from the captions'
}

TEST_F(SystemColours, TheWholeFormIsDrawnInSystemColours) {
    const std::map<int, int> count = Indexes(session.form().hwnd());
    EXPECT_FALSE(count.count(-1)) << count.at(-1) << " pixels in colours of no system colour";
    // The text box and the list box in the window colours, the rest in the button colours.
    for (int index : {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNHIGHLIGHT,
                      COLOR_BTNSHADOW, COLOR_3DDKSHADOW})
        EXPECT_TRUE(count.count(index)) << "no pixel in system colour " << index;
    EXPECT_FALSE(count.count(COLOR_GRAYTEXT));
}
