#pragma once

#include "platform/user/Hwnd.h"

#include <SDL_keycode.h>

// SDL's keys as the platform's virtual keys, and back.
namespace studio {

// The virtual-key code of an SDL key (letters 'A'..'Z', digits '0'..'9', VK_LEFT, the US layout's
// punctuation keys 0xBA..0xDE, ...); 0 for a key the platform has no code for.
user::UINT VirtualKeyFromSdl(SDL_Keycode key);
// The SDL key of a virtual-key code, SDLK_UNKNOWN when there is none.
SDL_Keycode SdlKeyFromVirtualKey(user::UINT vk);

} // namespace studio
