#include "control/Registration.h"
#include "control/VNTabCtl.h"
#include "layout/Constants.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Form.h"
#include "platform/host/FormSite.h"
#include "platform/host/ScriptedDialogs.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

using namespace vntab;
using rt::Variant;

namespace {

// A tab control placed on a running form in pixels, so that the focus reaches it the way the window
// system moves it: WM_SETFOCUS and WM_KILLFOCUS through the container's window procedure.
class FocusOnForm : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterVNTabCtl();
        m_form = host::Form::CreateNew("Form1", {});
        m_form->Let("ScaleMode", Variant(int16_t{3}));
        m_holder = m_form->AddActiveXControl("VNTabCtl", "VNTabCtl1", nullptr, 10, 10, 240, 120);
        ctl().SetTabCount(3);
        user::PumpMessages();
    }
    void TearDown() override {
        m_holder.reset();
        m_form.reset();
    }

    VNTabCtl& ctl() { return dynamic_cast<VNTabCtl&>(*m_holder->object()); }
    void Focus(user::HWND hwnd) {
        user::SetFocus(hwnd);
        user::PumpMessages();
    }
    // The control's window, pixel by pixel.
    std::vector<gdi::COLORREF> Pixels() {
        std::vector<gdi::COLORREF> out;
        for (int32_t y = 0; y < 120; ++y)
            for (int32_t x = 0; x < 240; ++x)
                out.push_back(gdi::GetPixel(m_holder->site().hDC(), x, y));
        return out;
    }
    // The box around the pixels that differ between two pictures of the window.
    static gdi::RECT Difference(const std::vector<gdi::COLORREF>& a, const std::vector<gdi::COLORREF>& b) {
        gdi::RECT box{240, 120, 0, 0};
        for (int32_t y = 0; y < 120; ++y)
            for (int32_t x = 0; x < 240; ++x)
                if (a[static_cast<size_t>(y * 240 + x)] != b[static_cast<size_t>(y * 240 + x)]) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
        return box;
    }

    host::ScriptedDialogs m_dialogs;
    host::ScopedDialogProvider m_provider{m_dialogs};
    std::shared_ptr<host::Form> m_form;
    std::shared_ptr<host::ActiveXHolder> m_holder;
};

} // namespace

TEST_F(FocusOnForm, TheFocusRectangleIsDrawnOnlyWhileTheControlHasTheFocus) {
    ctl().SetFocusRectStyle(vnFocusRectText);
    user::PumpMessages();
    const auto unfocused = Pixels();
    Focus(m_holder->hwnd());
    EXPECT_TRUE(ctl().State().HasFocus);
    const auto focused = Pixels();
    // The dotted rectangle around the active caption, inside the active header and nowhere else.
    const gdi::RECT changed = Difference(unfocused, focused);
    const gdi::RECT& focus = ctl().State().FocusRect;
    EXPECT_EQ(changed.left, focus.left);
    EXPECT_EQ(changed.top, focus.top);
    EXPECT_EQ(changed.right, focus.right);
    EXPECT_EQ(changed.bottom, focus.bottom);
    EXPECT_LT(changed.right, 54);
    EXPECT_GT(changed.top, 0);
    Focus(m_form->hwnd());
    EXPECT_FALSE(ctl().State().HasFocus);
    EXPECT_EQ(Pixels(), unfocused);
}

TEST_F(FocusOnForm, TheFocusRectangleFollowsTheActiveTab) {
    ctl().SetFocusRectStyle(vnFocusRectText);
    Focus(m_holder->hwnd());
    const gdi::RECT first = ctl().State().FocusRect;
    int16_t right = 39;
    user::SendKeyStroke(static_cast<user::UINT>(right), 0);
    user::PumpMessages();
    EXPECT_EQ(ctl().TabActive(), 2);
    EXPECT_EQ(ctl().State().FocusRect.left, first.left + 50);
}

TEST_F(FocusOnForm, WithoutAFocusRectangleStyleTheFocusChangesNothingOnScreen) {
    const auto unfocused = Pixels();
    Focus(m_holder->hwnd());
    EXPECT_EQ(Pixels(), unfocused);
}
