#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Message boxes, the common dialogs and about boxes. The platform shows none itself: each call goes to the
// provider the application installed (scripted answers in tests and on the command line, real modal
// windows in the studio). Calling one with no provider installed is a programming error and throws
// NoDialogProvider; it never answers silently.
namespace user {

constexpr uint32_t MB_OK = 0x0;
constexpr uint32_t MB_OKCANCEL = 0x1;
constexpr uint32_t MB_YESNOCANCEL = 0x3;
constexpr uint32_t MB_YESNO = 0x4;
constexpr uint32_t MB_ICONHAND = 0x10;
constexpr uint32_t MB_ICONQUESTION = 0x20;
constexpr uint32_t MB_ICONEXCLAMATION = 0x30;
constexpr uint32_t MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The open-file structure (76 bytes on the platform; lStructSize must say so).
struct OPENFILENAMEA {
    uint32_t lStructSize = 0;
    HWND hwndOwner{};
    uintptr_t hInstance = 0;
    const char* lpstrFilter = nullptr; // pairs of zero-ended strings, ended by a second zero
    char* lpstrCustomFilter = nullptr;
    uint32_t nMaxCustFilter = 0;
    uint32_t nFilterIndex = 0;
    char* lpstrFile = nullptr; // in: initial name; out: the chosen path, zero-ended
    uint32_t nMaxFile = 0;     // size of lpstrFile in characters
    char* lpstrFileTitle = nullptr;
    uint32_t nMaxFileTitle = 0;
    const char* lpstrInitialDir = nullptr;
    const char* lpstrTitle = nullptr;
    uint32_t Flags = 0;
    uint16_t nFileOffset = 0;
    uint16_t nFileExtension = 0;
    const char* lpstrDefExt = nullptr;
    intptr_t lCustData = 0;
    uintptr_t lpfnHook = 0;
    const char* lpTemplateName = nullptr;
};
constexpr uint32_t kOpenFileNameSize = 76;

// The colour structure (36 bytes on the platform).
struct CHOOSECOLORA {
    uint32_t lStructSize = 0;
    HWND hwndOwner{};
    uintptr_t hInstance = 0;
    gdi::COLORREF rgbResult = 0;
    gdi::COLORREF* lpCustColors = nullptr; // 16 entries
    uint32_t Flags = 0;
    intptr_t lCustData = 0;
    uintptr_t lpfnHook = 0;
    const char* lpTemplateName = nullptr;
};
constexpr uint32_t kChooseColorSize = 36;
constexpr uint32_t CC_RGBINIT = 0x1;
constexpr uint32_t CC_ANYCOLOR = 0x100;

// Extended error codes of the common dialogs.
constexpr uint32_t CDERR_STRUCTSIZE = 0x0001;
constexpr uint32_t FNERR_BUFFERTOOSMALL = 0x3003;

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // Returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
    virtual int MessageBox(HWND owner, std::string_view text, std::string_view caption, uint32_t type) = 0;
    // Returns the chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFileName(HWND owner, std::string_view filter,
                                                    std::string_view title,
                                                    std::string_view initial_name) = 0;
    // Returns the chosen colour, or nothing when the user cancelled.
    virtual std::optional<gdi::COLORREF> ChooseColor(HWND owner, gdi::COLORREF initial) = 0;
    // An about box: a window titled `title` showing the product's name and a version line, closed
    // with its OK button. Returns the button that closed it (IDOK, IDCANCEL for the close box).
    virtual int AboutBox(HWND owner, std::string_view title, std::string_view product,
                         std::string_view version) = 0;
};

struct NoDialogProvider : std::logic_error {
    NoDialogProvider() : std::logic_error("no dialog provider is installed") {}
};

// The program's title: the caption a message box gets when its caller gives none (the host
// program's default title). Set by the application; "vntab" until then.
void SetApplicationTitle(std::string title);
const std::string& ApplicationTitle();

// Installs the provider for this thread (nullptr removes it); returns the previous one.
DialogProvider* SetDialogProvider(DialogProvider* provider);
DialogProvider* GetDialogProvider();

int MessageBoxA(HWND owner, const char* text, const char* caption, uint32_t type);
bool GetOpenFileNameA(OPENFILENAMEA* ofn);
bool ChooseColorA(CHOOSECOLORA* cc);
// Shows an about box modally; returns the button that closed it.
int ShowAboutBoxA(HWND owner, const char* title, const char* product, const char* version);
// The extended error of the last failed common-dialog call on this thread (0 after a cancel).
uint32_t CommDlgExtendedError();

} // namespace user
