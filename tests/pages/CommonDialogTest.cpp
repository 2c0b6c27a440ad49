#include "PageFixture.h"

#include "pages/CColorCommonDialog.h"
#include "pages/CCommonDialog.h"

using namespace vntab;
using fakes::Designer;
using pages::CColorCommonDialog;
using pages::CCommonDialog;

TEST(CommonDialog, ACancelledShowOpenLeavesAnEmptyFileNameEmpty) {
    Designer d;
    CCommonDialog dialog;
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_EQ(dialog.Error(), 0);
    EXPECT_EQ(dialog.MaxFile, 255);
}

TEST(CommonDialog, ShowOpenHandsItsPropertiesToTheDialogAndBringsTheFileBack) {
    Designer d;
    CCommonDialog dialog;
    dialog.hwndOwner = static_cast<int32_t>(d.page_site.hWnd().value);
    dialog.Title = "Pick one";
    dialog.FileName = "start.bmp";
    dialog.Filter = std::string("All (*.*)\0*.*\0", 14);
    dialog.MaxFile = 40;
    d.dialogs.files.push_back("/pictures/chosen.bmp");
    EXPECT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName, "/pictures/chosen.bmp");
    ASSERT_EQ(d.dialogs.file_calls.size(), 1u);
    EXPECT_EQ(d.dialogs.file_calls[0].owner, d.page_site.hWnd());
    EXPECT_EQ(d.dialogs.file_calls[0].title, "Pick one");
    EXPECT_EQ(d.dialogs.file_calls[0].initial_name, "start.bmp");
    // The pairs reach the dialog ended by a second zero although the caller left it out.
    EXPECT_EQ(d.dialogs.file_calls[0].filter, std::string("All (*.*)\0*.*\0\0", 15));
    EXPECT_EQ(dialog.MaxFile, 40);
}

TEST(CommonDialog, AFailedShowOpenRecordsTheExtendedErrorAndKeepsTheFileName) {
    Designer d;
    CCommonDialog dialog;
    dialog.FileName = "old.bmp";
    dialog.MaxFile = 8;
    d.dialogs.files.push_back("/a/much/longer/path.bmp");
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.Error(), static_cast<int32_t>(user::FNERR_BUFFERTOOSMALL));
    EXPECT_EQ(dialog.FileName, "old.bmp");
    // A cancel afterwards is a plain cancel again.
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.Error(), 0);
}

TEST(CommonDialog, ACancelledColourLeavesTheColourUnchanged) {
    Designer d;
    CColorCommonDialog dialog;
    const int32_t owner = static_cast<int32_t>(d.page_site.hWnd().value);
    d.dialogs.colors.push_back(0x112233);
    EXPECT_TRUE(dialog.ChooseNewColor(owner));
    EXPECT_EQ(dialog.Color(), 0x112233);
    EXPECT_FALSE(dialog.ChooseNewColor(owner));
    EXPECT_EQ(dialog.Color(), 0x112233);
    EXPECT_EQ(d.dialogs.color_owners, (std::vector<user::HWND>{d.page_site.hWnd(), d.page_site.hWnd()}));
}

TEST(CommonDialog, WithoutADialogProviderShowingOneIsAnError) {
    CCommonDialog open;
    EXPECT_THROW(open.ShowOpen(), user::NoDialogProvider);
    CColorCommonDialog color;
    EXPECT_THROW(color.ChooseNewColor(0), user::NoDialogProvider);
}
