#include "WindowLog.h"

#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"

#include <algorithm>
#include <map>
#include <optional>

namespace testing_user {

namespace {

Hook g_hook = nullptr;

const std::map<user::UINT, std::string>& message_names() {
    static const std::map<user::UINT, std::string> names = {
        {user::WM_CREATE, "WM_CREATE"},
        {user::WM_DESTROY, "WM_DESTROY"},
        {user::WM_NCDESTROY, "WM_NCDESTROY"},
        {user::WM_MOVE, "WM_MOVE"},
        {user::WM_SIZE, "WM_SIZE"},
        {user::WM_SETFOCUS, "WM_SETFOCUS"},
        {user::WM_KILLFOCUS, "WM_KILLFOCUS"},
        {user::WM_ENABLE, "WM_ENABLE"},
        {user::WM_PAINT, "WM_PAINT"},
        {user::WM_ERASEBKGND, "WM_ERASEBKGND"},
        {user::WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {user::WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {user::WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {user::WM_LBUTTONUP, "WM_LBUTTONUP"},
        {user::WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {user::WM_KEYDOWN, "WM_KEYDOWN"},
        {user::WM_KEYUP, "WM_KEYUP"},
        {user::WM_CHAR, "WM_CHAR"},
        {user::WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {user::WM_SYSKEYUP, "WM_SYSKEYUP"},
        {user::WM_SYSCHAR, "WM_SYSCHAR"},
        {user::WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {user::WM_USER, "WM_USER"},
    };
    return names;
}

} // namespace

std::vector<Logged>& message_log() {
    static std::vector<Logged> log;
    return log;
}

void clear_log() {
    message_log().clear();
}

std::vector<user::UINT> messages_of(user::HWND hwnd) {
    std::vector<user::UINT> out;
    for (const Logged& l : message_log())
        if (l.hwnd == hwnd) out.push_back(l.message);
    return out;
}

std::vector<std::string> named_log(const std::vector<std::pair<user::HWND, std::string>>& names,
                                   const std::vector<user::UINT>& messages) {
    std::vector<std::string> out;
    for (const Logged& l : message_log()) {
        if (std::find(messages.begin(), messages.end(), l.message) == messages.end()) continue;
        for (const auto& [hwnd, name] : names)
            if (hwnd == l.hwnd) out.push_back(name + ":" + message_names().at(l.message));
    }
    return out;
}

void set_hook(Hook hook) {
    g_hook = hook;
}

user::LRESULT LoggingProc(user::HWND hwnd, user::UINT message, user::WPARAM wParam, user::LPARAM lParam) {
    message_log().push_back({hwnd, message, wParam, lParam});
    if (g_hook)
        if (std::optional<user::LRESULT> answer = g_hook(hwnd, message, wParam, lParam)) return *answer;
    return user::DefWindowProcA(hwnd, message, wParam, lParam);
}

user::HWND make_window(user::HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style,
                       uint32_t exStyle, uint32_t classStyle) {
    user::WindowParams window;
    window.proc = LoggingProc;
    window.style = style | (parent ? user::WS_CHILD : 0);
    window.exStyle = exStyle;
    window.classStyle = classStyle;
    window.x = x;
    window.y = y;
    window.width = width;
    window.height = height;
    window.parent = parent;
    return user::CreateWindow(window);
}

void reset_windows() {
    g_hook = nullptr;
    for (user::HWND top : user::ChildWindows(user::HWND{}))
        user::DestroyWindow(top);
    user::DiscardPostedMessages();
    user::ReleaseCapture();
    for (int vk = 0; vk < 256; ++vk)
        user::SetKeyDown(vk, false);
    clear_log();
}

} // namespace testing_user
