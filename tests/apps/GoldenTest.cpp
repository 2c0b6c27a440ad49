#include "driver/Script.h"
#include "driver/Session.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Png.h"
#include "platform/host/Compositor.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

// Every form under tests/golden/forms (its tab control alone) and every example form (the whole
// form) renders exactly as its reference image, and rendering it leaves no GDI object behind. The
// references are made on purpose by tests/golden/make-goldens.sh.
namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(VNTAB_SOURCE_DIR) / "tests" / "golden";
const fs::path kExamples = fs::path(VNTAB_SOURCE_DIR) / "examples";
constexpr std::string_view kExamplePrefix = "example-";

// The reference names: a golden form's own name, or "example-" and an example form's name.
std::vector<std::string> golden_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGolden / "forms"))
        if (entry.path().extension() == ".frm") names.push_back(entry.path().stem().string());
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".frm")
            names.push_back(std::string(kExamplePrefix) + entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenImage : public ::testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        vntab::RegisterVNTabCtl();
        gdi::SetLogicalDpi(96);
    }
};

TEST_P(GoldenImage, RendersExactlyAsTheReference) {
    const std::string name = GetParam();
    fs::path reference = kGolden / (name + ".png");
    ASSERT_TRUE(fs::exists(reference))
        << "no reference image for " << name << ": run tests/golden/make-goldens.sh";
    int live_before = gdi::live_objects().total();
    {
        const bool example = name.starts_with(kExamplePrefix);
        fs::path form = example ? kExamples / (name.substr(kExamplePrefix.size()) + ".frm")
                                : kGolden / "forms" / (name + ".frm");
        driver::Session session;
        session.Load(form.string(), false, example ? "" : "VNTabCtl1");
        fs::path events = kGolden / "forms" / (name + ".events");
        if (fs::exists(events)) {
            ASSERT_TRUE(session.Run(driver::ParseScript(support::ReadFile(events), events.string())))
                << "step " << session.error()->step << ": " << session.error()->description;
        }
        gdi::HBITMAP image =
            host::CompositeToBitmap(example ? session.form().hwnd() : session.holder()->hwnd());
        ASSERT_TRUE(image);
        gdi::SurfaceView got = gdi::LockBitmap(image);
        std::string error;
        auto expected = gdi::ReadPng(reference.string(), &error);
        ASSERT_TRUE(expected) << error;
        ASSERT_EQ(expected->width, got.width);
        ASSERT_EQ(expected->height, got.height);
        int differing = 0;
        for (int32_t y = 0; y < got.height; ++y)
            for (int32_t x = 0; x < got.width; ++x)
                if ((got.pixels[y * got.stride + x] & 0xFFFFFF) !=
                    (expected->pixels[y * got.width + x] & 0xFFFFFF))
                    ++differing;
        if (differing) {
            fs::path actual = fs::path(VNTAB_BINARY_DIR) / ("golden-" + name + ".png");
            gdi::WritePng(image, actual.string(), nullptr);
            ADD_FAILURE() << differing << " pixels differ from " << reference
                          << "; this rendering: " << actual;
        }
        gdi::DeleteObject(image);
    }
    EXPECT_EQ(gdi::live_objects().total(), live_before) << "GDI objects left behind after " << name;
}

INSTANTIATE_TEST_SUITE_P(Forms, GoldenImage, ::testing::ValuesIn(golden_names()), [](const auto& param_info) {
    std::string n = param_info.param;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
});

} // namespace
