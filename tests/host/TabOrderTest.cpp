#include "platform/gdi/Gdi.h"
#include "platform/host/Form.h"
#include "platform/host/FormReader.h"
#include "platform/user/Input.h"

#include <gtest/gtest.h>

using namespace host;

namespace {

// A form as a person tabs through it: TabIndex decides, file order breaks ties; a label and a frame
// take no focus, nor does a control without a tab stop, hidden or disabled; the text boxes inside
// the frame and inside the picture box (a stop itself) take part like the others.
const char* kForm = "VERSION 1.0\n"
                    "Begin Form Form1\n"
                    "   ClientWidth = 4800\n"
                    "   ClientHeight = 3600\n"
                    "   Begin CommandButton cmdLast\n"
                    "      TabIndex = 5\n"
                    "      Left = 0\n      Top = 0\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin TextBox txtFirst\n"
                    "      TabIndex = 1\n"
                    "      Left = 0\n      Top = 400\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin Label lblName\n"
                    "      TabIndex = 0\n"
                    "      Left = 0\n      Top = 800\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin CheckBox chkTie\n"
                    "      TabIndex = 1\n"
                    "      Left = 0\n      Top = 1200\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin CheckBox chkNoStop\n"
                    "      TabIndex = 2\n"
                    "      TabStop = 0\n"
                    "      Left = 0\n      Top = 1600\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin CheckBox chkHidden\n"
                    "      TabIndex = 2\n"
                    "      Visible = 0\n"
                    "      Left = 0\n      Top = 2000\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin CheckBox chkDisabled\n"
                    "      TabIndex = 2\n"
                    "      Enabled = 0\n"
                    "      Left = 0\n      Top = 2400\n      Width = 600\n      Height = 300\n"
                    "   End\n"
                    "   Begin Frame fraBox\n"
                    "      TabIndex = 3\n"
                    "      Left = 1200\n      Top = 0\n      Width = 1800\n      Height = 1800\n"
                    "      Begin TextBox txtInFrame\n"
                    "         TabIndex = 4\n"
                    "         Left = 100\n         Top = 300\n         Width = 600\n         Height = 300\n"
                    "      End\n"
                    "   End\n"
                    "   Begin PictureBox picHolder\n"
                    "      TabIndex = 6\n"
                    "      Left = 3200\n      Top = 0\n      Width = 1200\n      Height = 1200\n"
                    "      Begin TextBox txtInPicture\n"
                    "         TabIndex = 7\n"
                    "         Left = 100\n         Top = 100\n         Width = 600\n         Height = 300\n"
                    "      End\n"
                    "   End\n"
                    "End\n";

class TabOrder : public ::testing::Test {
protected:
    void SetUp() override {
        gdi::SetLogicalDpi(96);
        form = FormFromDocument(ParseForm(kForm, "tabs.frm"), "tabs.frm", FormOptions{});
    }
    user::HWND window(const char* name) const { return form->FindControl(name)->hwnd(); }
    // The names the focus visits, pressing Tab `count` times.
    std::vector<std::string> Visit(int count, bool backward) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            const user::HWND got = form->TabToNextControl(backward);
            EXPECT_EQ(got, user::GetFocus());
            for (const auto& c : form->AllControls())
                if (c->hwnd() == got) names.push_back(c->Name());
        }
        return names;
    }
    std::shared_ptr<Form> form;
};

} // namespace

TEST_F(TabOrder, VisitsTheWindowedStopsByTabIndexAndWrapsAround) {
    user::SetFocus({});
    EXPECT_EQ(Visit(7, false), (std::vector<std::string>{"txtFirst", "chkTie", "txtInFrame", "cmdLast",
                                                         "picHolder", "txtInPicture", "txtFirst"}));
}

TEST_F(TabOrder, AStopInsideAnotherGoesOnFromItself) {
    user::SetFocus(window("txtInPicture"));
    EXPECT_EQ(Visit(1, false), (std::vector<std::string>{"txtFirst"}));
    user::SetFocus(window("txtInPicture"));
    EXPECT_EQ(Visit(1, true), (std::vector<std::string>{"picHolder"}));
}

TEST_F(TabOrder, ShiftTabGoesBackFromWhereTheFocusIs) {
    user::SetFocus(window("chkTie"));
    EXPECT_EQ(Visit(3, true), (std::vector<std::string>{"txtFirst", "txtInPicture", "picHolder"}));
    // With the focus on the form itself, Shift+Tab starts from the last stop.
    user::SetFocus(form->hwnd());
    EXPECT_EQ(Visit(1, true), (std::vector<std::string>{"txtInPicture"}));
}

TEST_F(TabOrder, AFormWithoutStopsKeepsTheFocusWhereItIs) {
    auto empty = FormFromDocument(
        ParseForm("VERSION 1.0\nBegin Form Empty\n   Begin Label lbl\n   End\nEnd\n", "empty.frm"),
        "empty.frm", FormOptions{});
    user::SetFocus(empty->hwnd());
    EXPECT_FALSE(empty->TabToNextControl(false));
    EXPECT_EQ(user::GetFocus(), empty->hwnd());
}
