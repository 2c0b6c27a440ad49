#include "InputRouter.h"
#include "KeyMap.h"
#include "StudioFixture.h"

#include "platform/host/ActiveXHolder.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

#include <cstring>

// SDL's input reaching the running form as the platform's messages: the mouse through the
// magnified view and the window holding the capture, keys and characters to the focus window, Alt
// with a key as an access key, the Tab key to the form, the studio window losing the keyboard.
using namespace studio_test;
using studio::FormViewport;
using studio::InputRouter;

namespace {

class Input : public StudioTest {
protected:
    FormViewport View(int zoom = 1) const {
        return FormViewport{0, 19, zoom, document.form().properties().ClientPixelWidth(),
                            document.form().properties().ClientPixelHeight()};
    }
    bool Send(const SDL_Event& e, int zoom = 1, InputRouter::Access access = {}) {
        const bool taken = router.Deliver(e, document.form(), View(zoom), access);
        document.session().PaintPending();
        return taken;
    }
    static SDL_Event Mouse(Uint32 type, int x, int y, uint8_t clicks = 1) {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_MOUSEMOTION) {
            e.motion.x = x;
            e.motion.y = y;
        } else {
            e.button.button = SDL_BUTTON_LEFT;
            e.button.clicks = clicks;
            e.button.x = x;
            e.button.y = y;
        }
        return e;
    }
    void Click(int x, int y, int zoom = 1) {
        Send(Mouse(SDL_MOUSEMOTION, x, y), zoom);
        Send(Mouse(SDL_MOUSEBUTTONDOWN, x, y), zoom);
        Send(Mouse(SDL_MOUSEBUTTONUP, x, y), zoom);
    }
    void Key(Uint32 type, SDL_Keycode key) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = key;
        Send(e);
    }
    void Text(const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        std::strcpy(e.text.text, utf8);
        Send(e);
    }
    int TabActive() const { return rt::CInt(document.session().holder()->Get("TabActive")); }
    user::HWND Window(const char* name) const { return document.form().FindControl(name)->hwnd(); }

    InputRouter router;
};

} // namespace

TEST_F(Input, AClickOnAHeaderThroughTheMagnifiedViewSwitchesTheTab) {
    Click(2 * HeaderX(2), 19 + 2 * (kHeaderY - 19), 2);
    EXPECT_EQ(TabActive(), 2);
    EXPECT_TRUE(Saw("MouseDown Button=1 Shift=0 x=167 y=34"));
    EXPECT_TRUE(Saw("AfterTabChanged NewTab=2"));
    EXPECT_EQ(events.back(), "Click");
}

TEST_F(Input, TheWindowHoldingTheCaptureHearsTheReleaseOutsideTheForm) {
    Send(Mouse(SDL_MOUSEBUTTONDOWN, HeaderX(3), kHeaderY));
    // Over the event log, well outside the form: the control still gets the release, and no click.
    EXPECT_TRUE(Send(Mouse(SDL_MOUSEMOTION, 700, 30)));
    EXPECT_TRUE(Send(Mouse(SDL_MOUSEBUTTONUP, 700, 30)));
    EXPECT_EQ(events.back(), "MouseUp Button=1 Shift=0 x=692 y=3");
    EXPECT_FALSE(Saw("Click"));
    // Without the capture the same release goes nowhere.
    EXPECT_FALSE(Send(Mouse(SDL_MOUSEBUTTONUP, 700, 30)));
}

TEST_F(Input, TheStudiosWindowsKeepTheMouseAndKeysTheyHold) {
    InputRouter::Access chrome{false, false};
    EXPECT_FALSE(Send(Mouse(SDL_MOUSEBUTTONDOWN, HeaderX(2), kHeaderY), 1, chrome));
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_RIGHT;
    EXPECT_FALSE(Send(key, 1, chrome));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(TabActive(), 1);
    // Ctrl pressed for the form and let go while a modal window holds the keyboard: the form does
    // not hear of it, but the key is up.
    Key(SDL_KEYDOWN, SDLK_LCTRL);
    ASSERT_LT(user::GetKeyState(int(user::VK_CONTROL)), 0);
    SDL_Event up{};
    up.type = SDL_KEYUP;
    up.key.keysym.sym = SDLK_LCTRL;
    router.Released(up);
    EXPECT_EQ(user::GetKeyState(int(user::VK_CONTROL)), 0);
    EXPECT_EQ(events.back(), "KeyDown KeyCode=17 Shift=2");
}

TEST_F(Input, ASecondQuickPressIsADoubleClick) {
    Send(Mouse(SDL_MOUSEBUTTONDOWN, HeaderX(1), kHeaderY, 1));
    Send(Mouse(SDL_MOUSEBUTTONUP, HeaderX(1), kHeaderY, 1));
    Send(Mouse(SDL_MOUSEBUTTONDOWN, HeaderX(1), kHeaderY, 2));
    Send(Mouse(SDL_MOUSEBUTTONUP, HeaderX(1), kHeaderY, 2));
    EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 1);
    EXPECT_TRUE(Saw("DblClick"));
}

TEST_F(Input, ArrowKeysAndCharactersReachTheFocusedControl) {
    Key(SDL_KEYDOWN, SDLK_RIGHT);
    Key(SDL_KEYUP, SDLK_RIGHT);
    EXPECT_EQ(TabActive(), 2);
    EXPECT_TRUE(Saw("KeyDown KeyCode=39 Shift=0"));
    EXPECT_TRUE(Saw("KeyUp KeyCode=39 Shift=0"));
    // Text in the keyboard's own layout, as Windows-1252 characters.
    Text("\xC3\xA9");
    EXPECT_EQ(events.back(), "KeyPress KeyAscii=233");
    Key(SDL_KEYDOWN, SDLK_RETURN);
    EXPECT_EQ(events.back(), "KeyPress KeyAscii=13");
    // Ctrl with a letter makes its control code; no text comes with it.
    Key(SDL_KEYDOWN, SDLK_LCTRL);
    Key(SDL_KEYDOWN, SDLK_b);
    EXPECT_EQ(events.back(), "KeyPress KeyAscii=2");
    Text("b");
    EXPECT_EQ(events.back(), "KeyPress KeyAscii=2");
    Key(SDL_KEYUP, SDLK_b);
    Key(SDL_KEYUP, SDLK_LCTRL);
}

TEST_F(Input, AltWithALetterIsAnAccessKey) {
    Key(SDL_KEYDOWN, SDLK_LALT);
    Key(SDL_KEYDOWN, SDLK_l);
    Key(SDL_KEYUP, SDLK_l);
    Key(SDL_KEYUP, SDLK_LALT);
    EXPECT_EQ(TabActive(), 2); // &Layout
    EXPECT_TRUE(Saw("AfterTabChanged NewTab=2"));
    // System keys are not the control's key events.
    EXPECT_FALSE(Saw("KeyDown KeyCode=76 Shift=4"));
    EXPECT_EQ(user::GetKeyState(int(user::VK_MENU)), 0);
}

TEST_F(Input, TheTabKeyMovesTheFocusThroughThePagesControls) {
    ASSERT_EQ(user::GetFocus(), Window("VNTabCtl1")); // the form gave its first stop the focus
    Key(SDL_KEYDOWN, SDLK_TAB);
    EXPECT_EQ(user::GetFocus(), Window("txtName"));
    Key(SDL_KEYUP, SDLK_TAB);
    // chkRows stands on the hidden page 2 without its tab stop: the Tab key passes it by.
    Key(SDL_KEYDOWN, SDLK_TAB);
    EXPECT_EQ(user::GetFocus(), Window("VNTabCtl1"));
    Key(SDL_KEYUP, SDLK_TAB);
    EXPECT_FALSE(Saw("KeyDown KeyCode=9 Shift=0"));
    EXPECT_TRUE(Saw("KeyUp KeyCode=9 Shift=0")); // the release reaches the window that got the focus
    // Shift+Tab goes back.
    Key(SDL_KEYDOWN, SDLK_LSHIFT);
    Key(SDL_KEYDOWN, SDLK_TAB);
    EXPECT_EQ(user::GetFocus(), Window("txtName"));
}

TEST_F(Input, TheFocusLeavesWithTheStudioWindowAndComesBack) {
    router.WindowFocus(false);
    EXPECT_EQ(user::GetFocus(), user::HWND{});
    router.WindowFocus(true);
    EXPECT_EQ(user::GetFocus(), Window("VNTabCtl1"));
}

TEST(KeyMap, SdlKeysAndVirtualKeysTurnIntoEachOther) {
    EXPECT_EQ(studio::VirtualKeyFromSdl(SDLK_q), user::UINT('Q'));
    EXPECT_EQ(studio::VirtualKeyFromSdl(SDLK_7), user::UINT('7'));
    EXPECT_EQ(studio::VirtualKeyFromSdl(SDLK_F5), user::UINT(0x74));
    EXPECT_EQ(studio::VirtualKeyFromSdl(SDLK_KP_ENTER), user::VK_RETURN);
    EXPECT_EQ(studio::VirtualKeyFromSdl(SDLK_PERIOD), user::UINT(0xBE));
    EXPECT_EQ(studio::VirtualKeyFromSdl(SDLK_CUT), 0u);
    for (user::UINT vk : {user::UINT('A'), user::UINT('0'), user::VK_F12, user::VK_RETURN, user::VK_SHIFT,
                          user::VK_LEFT, user::UINT(0xDE), user::UINT(0x6F)})
        EXPECT_EQ(studio::VirtualKeyFromSdl(studio::SdlKeyFromVirtualKey(vk)), vk) << vk;
    EXPECT_EQ(studio::SdlKeyFromVirtualKey(0xFF), SDLK_UNKNOWN);
}
