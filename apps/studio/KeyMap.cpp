#include "KeyMap.h"

#include "platform/user/Messages.h"

#include <iterator>

namespace studio {

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    user::UINT vk;
};

// Keys whose codes are not plain letters or digits. Where two SDL keys give one code (both Shift
// keys, Return and the keypad's Enter) the first is the one a virtual key turns back into.
constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, user::VK_BACK},
    {SDLK_TAB, user::VK_TAB},
    {SDLK_RETURN, user::VK_RETURN},
    {SDLK_KP_ENTER, user::VK_RETURN},
    {SDLK_LSHIFT, user::VK_SHIFT},
    {SDLK_RSHIFT, user::VK_SHIFT},
    {SDLK_LCTRL, user::VK_CONTROL},
    {SDLK_RCTRL, user::VK_CONTROL},
    {SDLK_LALT, user::VK_MENU},
    {SDLK_RALT, user::VK_MENU},
    {SDLK_PAUSE, user::VK_PAUSE},
    {SDLK_CAPSLOCK, user::VK_CAPITAL},
    {SDLK_ESCAPE, user::VK_ESCAPE},
    {SDLK_SPACE, user::VK_SPACE},
    {SDLK_PAGEUP, user::VK_PRIOR},
    {SDLK_PAGEDOWN, user::VK_NEXT},
    {SDLK_END, user::VK_END},
    {SDLK_HOME, user::VK_HOME},
    {SDLK_LEFT, user::VK_LEFT},
    {SDLK_UP, user::VK_UP},
    {SDLK_RIGHT, user::VK_RIGHT},
    {SDLK_DOWN, user::VK_DOWN},
    {SDLK_PRINTSCREEN, 0x2C},
    {SDLK_INSERT, user::VK_INSERT},
    {SDLK_DELETE, user::VK_DELETE},
    {SDLK_APPLICATION, 0x5D},
    {SDLK_KP_0, 0x60},
    {SDLK_KP_1, 0x61},
    {SDLK_KP_2, 0x62},
    {SDLK_KP_3, 0x63},
    {SDLK_KP_4, 0x64},
    {SDLK_KP_5, 0x65},
    {SDLK_KP_6, 0x66},
    {SDLK_KP_7, 0x67},
    {SDLK_KP_8, 0x68},
    {SDLK_KP_9, 0x69},
    {SDLK_KP_MULTIPLY, 0x6A},
    {SDLK_KP_PLUS, 0x6B},
    {SDLK_KP_MINUS, 0x6D},
    {SDLK_KP_PERIOD, 0x6E},
    {SDLK_KP_DIVIDE, 0x6F},
    {SDLK_NUMLOCKCLEAR, 0x90},
    {SDLK_SCROLLLOCK, 0x91},
    {SDLK_SEMICOLON, 0xBA},
    {SDLK_EQUALS, 0xBB},
    {SDLK_COMMA, 0xBC},
    {SDLK_MINUS, 0xBD},
    {SDLK_PERIOD, 0xBE},
    {SDLK_SLASH, 0xBF},
    {SDLK_BACKQUOTE, 0xC0},
    {SDLK_LEFTBRACKET, 0xDB},
    {SDLK_BACKSLASH, 0xDC},
    {SDLK_RIGHTBRACKET, 0xDD},
    {SDLK_QUOTE, 0xDE},
};

} // namespace

user::UINT VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return user::UINT('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return user::UINT('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return user::UINT(user::VK_F1 + (key - SDLK_F1));
    for (const KeyPair& k : kKeys)
        if (k.sdl == key) return k.vk;
    return 0;
}

SDL_Keycode SdlKeyFromVirtualKey(user::UINT vk) {
    if (vk >= 'A' && vk <= 'Z') return SDL_Keycode(SDLK_a + int(vk - 'A'));
    if (vk >= '0' && vk <= '9') return SDL_Keycode(SDLK_0 + int(vk - '0'));
    if (vk >= user::VK_F1 && vk <= user::VK_F12) return SDL_Keycode(SDLK_F1 + int(vk - user::VK_F1));
    for (const KeyPair& k : kKeys)
        if (k.vk == vk) return k.sdl;
    return SDLK_UNKNOWN;
}

} // namespace studio
