#pragma once

#include "platform/user/Messages.h"
#include "platform/user/Window.h"

#include <optional>
#include <string>
#include <vector>

// Windows for tests whose procedure records every message it gets, then hands it to
// DefWindowProcA (unless a test's hook answers it).
namespace testing_user {

struct Logged {
    user::HWND hwnd;
    user::UINT message = 0;
    user::WPARAM wParam = 0;
    user::LPARAM lParam = 0;
};

// The messages recorded since the last clear, in order.
std::vector<Logged>& message_log();
void clear_log();
// The message numbers one window received, in order.
std::vector<user::UINT> messages_of(user::HWND hwnd);
// "hwnd-name:WM_X" entries for the named windows, in order, for the listed messages only.
std::vector<std::string> named_log(const std::vector<std::pair<user::HWND, std::string>>& names,
                                   const std::vector<user::UINT>& messages);

// Called before DefWindowProcA; a value stops the default handling and is returned.
using Hook = std::optional<user::LRESULT> (*)(user::HWND, user::UINT, user::WPARAM, user::LPARAM);
void set_hook(Hook hook);

user::LRESULT LoggingProc(user::HWND hwnd, user::UINT message, user::WPARAM wParam, user::LPARAM lParam);

user::HWND make_window(user::HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                       uint32_t style = user::WS_VISIBLE, uint32_t exStyle = 0, uint32_t classStyle = 0);

// Destroys every window the thread still has and forgets the log and the hook.
void reset_windows();

} // namespace testing_user
