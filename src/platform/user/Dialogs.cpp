#include "Dialogs.h"

#include <cstring>

namespace user {

static thread_local DialogProvider* t_provider = nullptr;
static thread_local uint32_t t_last_error = 0;

static thread_local std::string t_title = "vntab";

void SetApplicationTitle(std::string title) {
    t_title = std::move(title);
}
const std::string& ApplicationTitle() {
    return t_title;
}

DialogProvider* SetDialogProvider(DialogProvider* provider) {
    DialogProvider* previous = t_provider;
    t_provider = provider;
    return previous;
}

DialogProvider* GetDialogProvider() {
    return t_provider;
}

static DialogProvider& provider() {
    if (!t_provider) throw NoDialogProvider();
    return *t_provider;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, uint32_t type) {
    return provider().MessageBox(owner, text ? text : "", caption ? caption : "Error", type);
}

// The filter as one view: pairs of zero-ended strings up to the terminating double zero.
static std::string_view filter_view(const char* filter) {
    if (!filter) return {};
    const char* p = filter;
    while (*p || *(p + 1))
        ++p;
    return std::string_view(filter, static_cast<size_t>(p - filter) + 2);
}

bool GetOpenFileNameA(OPENFILENAMEA* ofn) {
    if (!ofn || ofn->lStructSize != kOpenFileNameSize) {
        t_last_error = CDERR_STRUCTSIZE;
        return false;
    }
    std::string_view initial = ofn->lpstrFile ? std::string_view(ofn->lpstrFile) : std::string_view();
    auto chosen = provider().OpenFileName(ofn->hwndOwner, filter_view(ofn->lpstrFilter),
                                          ofn->lpstrTitle ? ofn->lpstrTitle : "", initial);
    if (!chosen) {
        t_last_error = 0;
        return false;
    }
    if (!ofn->lpstrFile || chosen->size() + 1 > ofn->nMaxFile) {
        t_last_error = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::memcpy(ofn->lpstrFile, chosen->c_str(), chosen->size() + 1);
    size_t slash = chosen->find_last_of("/\\");
    size_t name_at = slash == std::string::npos ? 0 : slash + 1;
    ofn->nFileOffset = static_cast<uint16_t>(name_at);
    size_t dot = chosen->find_last_of('.');
    ofn->nFileExtension = static_cast<uint16_t>(dot == std::string::npos || dot < name_at ? 0 : dot + 1);
    if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
        std::string title = chosen->substr(name_at);
        size_t n = std::min(title.size(), static_cast<size_t>(ofn->nMaxFileTitle - 1));
        std::memcpy(ofn->lpstrFileTitle, title.data(), n);
        ofn->lpstrFileTitle[n] = 0;
    }
    t_last_error = 0;
    return true;
}

bool ChooseColorA(CHOOSECOLORA* cc) {
    if (!cc || cc->lStructSize != kChooseColorSize) {
        t_last_error = CDERR_STRUCTSIZE;
        return false;
    }
    gdi::COLORREF initial = (cc->Flags & CC_RGBINIT) ? cc->rgbResult : 0;
    auto chosen = provider().ChooseColor(cc->hwndOwner, initial);
    t_last_error = 0;
    if (!chosen) return false;
    cc->rgbResult = *chosen;
    return true;
}

int ShowAboutBoxA(HWND owner, const char* title, const char* product, const char* version) {
    return provider().AboutBox(owner, title ? title : "", product ? product : "", version ? version : "");
}

uint32_t CommDlgExtendedError() {
    return t_last_error;
}

} // namespace user
