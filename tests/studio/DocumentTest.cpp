#include "StudioFixture.h"

#include "driver/Script.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/Compositor.h"
#include "platform/host/FormFile.h"
#include "platform/user/Input.h"
#include "support/Files.h"

// The form open in the studio: what counts as a change, saving (after which the form runs on as
// written), a save that fails, another resolution, and the window's size.
using namespace studio_test;

namespace {

class DocumentTest : public StudioTest {
protected:
    void Step(const std::string& text) {
        for (const auto& step : driver::ParseScript(text, "test"))
            ASSERT_TRUE(document.session().RunStep(step)) << document.session().error()->description;
    }
    int TabActive() const { return rt::CInt(document.session().holder()->Get("TabActive")); }
    // The form's pixel at a form point, 0xRRGGBB.
    uint32_t Pixel(int x, int y) const {
        const gdi::HBITMAP picture = host::CompositeToBitmap(document.form().hwnd());
        const gdi::SurfaceView view = gdi::LockBitmap(picture);
        const uint32_t pixel = view.pixels[y * view.stride + x] & 0xFFFFFF;
        gdi::DeleteObject(picture);
        return pixel;
    }
    support::TempFolder folder{"studio-document"};
};

// The panel of page 3 ("&Colours") is filled with its TabBackColor &H00C0E0FF&.
constexpr uint32_t kColoursPage = 0xFFE0C0;

} // namespace

TEST_F(DocumentTest, ASwitchedTabIsNoChangeACaptionIs) {
    EXPECT_FALSE(document.MaybeModified());
    EXPECT_FALSE(document.Modified());
    // The active tab is not saved: the file would be the same.
    Step("click 167 34");
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(TabActive(), 2); // finding out kept what the person sees
    Step("tab 1 Caption \"&Name\"");
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(document.Modified()); // and stays so until saved
    EXPECT_EQ(TabActive(), 2);
    EXPECT_EQ(user::GetFocus(), document.session().holder()->hwnd());
}

TEST_F(DocumentTest, SavingWritesTheRunningStateAndTheFormRunsOnAsWritten) {
    Step("click 277 34; tab 1 Caption \"&Name\"");
    ASSERT_EQ(TabActive(), 3);
    const std::string path = folder / "saved.frm";
    document.SaveAs(path);
    EXPECT_FALSE(document.MaybeModified());
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.path(), path);
    const host::FormDocument saved = host::ReadFormFile(path);
    const auto& control = saved.root.children.at(0);
    const host::FormProperty* caption = host::FindProperty(control.items, "TabCaption1");
    ASSERT_TRUE(caption);
    EXPECT_EQ(rt::CStr(caption->value), "&Name");
    // Every page's controls are saved out of view, the active page's too.
    EXPECT_LT(rt::CDbl(host::FindProperty(control.children.at(1).items, "Left")->value), -70000);
    // The control left busy by saving is the old one: the form running now draws and switches.
    EXPECT_EQ(TabActive(), 3);
    EXPECT_EQ(Pixel(100, 200), kColoursPage);
    Step("click 57 34");
    EXPECT_EQ(TabActive(), 1);
    EXPECT_NE(Pixel(100, 200), kColoursPage);
    EXPECT_TRUE(Saw("AfterTabChanged NewTab=1"));
}

TEST_F(DocumentTest, ASaveThatFailsKeepsTheChangesAndARunningForm) {
    Step("click 277 34; set TabHeight 450");
    EXPECT_THROW(document.SaveAs(folder / "no-such-folder/lost.frm"), host::FormFileError);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.path(), kShowcase.string());
    EXPECT_EQ(Pixel(100, 200), kColoursPage);
    Step("key Left");
    EXPECT_EQ(TabActive(), 2);
}

TEST_F(DocumentTest, AnotherResolutionKeepsWhatWasNotSaved) {
    Step("click 167 34");
    document.SetDpi(120);
    EXPECT_EQ(TabActive(), 2);
    EXPECT_TRUE(document.MaybeModified());
    EXPECT_EQ(document.form().properties().ClientPixelWidth(), 600); // 7200 twips at 12 a pixel
    EXPECT_EQ(document.session().holder()->PixelBounds().left, 10);
    // The focus stays with the control that had it.
    EXPECT_EQ(user::GetFocus(), document.session().holder()->hwnd());
}

TEST_F(DocumentTest, TabControlsFollowTheFormsEdgesWhenAsked) {
    document.ResizeForm(480, 360, true); // the size it has: nothing changes
    EXPECT_FALSE(document.MaybeModified());
    document.ResizeForm(600, 400, false);
    EXPECT_TRUE(document.Modified()); // and the form runs on as saved in memory
    EXPECT_EQ(document.session().holder()->PixelBounds().right, 472);
    document.ResizeForm(700, 500, true);
    // 8 pixels from every edge, as it stood when the form was opened.
    const gdi::RECT r = document.session().holder()->PixelBounds();
    EXPECT_EQ(r.right, 692);
    EXPECT_EQ(r.bottom, 492);
    EXPECT_EQ(rt::CLng(document.form().Get("ClientWidth")), 10500);
}
