#include "pages/CCommonDialog.h"

#include "platform/user/Dialogs.h"
#include "platform/user/WindowLong.h"

#include <algorithm>

namespace vntab::pages {

namespace {

// A string field the platform reads; an empty property is passed as none.
const char* text_or_none(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

// A buffer of `size` characters that starts with `text` followed by a zero character (longer when
// the text needs it), for the platform to write into.
std::string buffer_with(const std::string& text, int32_t size) {
    std::string buffer = text;
    buffer.push_back('\0');
    buffer.resize(std::max(buffer.size(), static_cast<size_t>(std::max(size, 0))), '\0');
    return buffer;
}

} // namespace

int32_t ProgramInstance(int32_t hwnd) {
    const user::HWND window{static_cast<uint32_t>(hwnd)};
    return static_cast<int32_t>(user::GetWindowLongPtrA(window, user::GWLP_HINSTANCE));
}

bool CCommonDialog::ShowOpen() {
    if (MaxFile == 0) MaxFile = 255;
    std::string file = buffer_with(FileName, MaxFile + 1);
    std::string file_title = buffer_with("", MaxFileTitle + 1);
    std::string custom_filter = buffer_with(CustomFilter, MaxCustFilter);
    // The pairs end in a double zero even when the caller left the last one out.
    const std::string filter = Filter + std::string(2, '\0');

    user::OPENFILENAMEA ofn;
    ofn.lStructSize = user::kOpenFileNameSize;
    ofn.hwndOwner = user::HWND{static_cast<uint32_t>(hwndOwner)};
    ofn.hInstance = static_cast<uint32_t>(Instance);
    ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrCustomFilter = CustomFilter.empty() && MaxCustFilter == 0 ? nullptr : custom_filter.data();
    ofn.nMaxCustFilter = static_cast<uint32_t>(MaxCustFilter);
    ofn.nFilterIndex = static_cast<uint32_t>(FilterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<uint32_t>(MaxFile);
    ofn.lpstrFileTitle = file_title.data();
    ofn.nMaxFileTitle = static_cast<uint32_t>(MaxFileTitle);
    ofn.lpstrInitialDir = text_or_none(InitialDir);
    ofn.lpstrTitle = text_or_none(Title);
    ofn.Flags = static_cast<uint32_t>(Flags);
    ofn.nFileOffset = static_cast<uint16_t>(FileOffset);
    ofn.nFileExtension = static_cast<uint16_t>(FileExtension);
    ofn.lpstrDefExt = text_or_none(DefExt);
    ofn.lCustData = CustData;
    ofn.lpfnHook = static_cast<uint32_t>(Hook);
    ofn.lpTemplateName = text_or_none(TemplateName);

    if (!user::GetOpenFileNameA(&ofn)) {
        m_error = static_cast<int32_t>(user::CommDlgExtendedError());
        return false;
    }
    FileName = file.c_str();
    return true;
}

} // namespace vntab::pages
