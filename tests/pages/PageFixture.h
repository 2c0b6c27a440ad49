#pragma once

#include "support/ControlFixture.h"

#include "pages/PropertyPage.h"
#include "platform/user/Dialogs.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vntab::fakes {

// A dialog provider that answers the open-file and colour dialogs from queues (cancelling when a
// queue is empty) and records what each call was given; message and about boxes are answered OK.
class RecordingDialogs final : public user::DialogProvider {
public:
    struct FileCall {
        user::HWND owner;
        std::string filter, title, initial_name;
    };

    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<gdi::COLORREF>> colors;
    std::vector<FileCall> file_calls;
    std::vector<user::HWND> color_owners;

    int MessageBox(user::HWND, std::string_view, std::string_view, uint32_t) override { return user::IDOK; }
    std::optional<std::string> OpenFileName(user::HWND owner, std::string_view filter, std::string_view title,
                                            std::string_view initial_name) override {
        file_calls.push_back({owner, std::string(filter), std::string(title), std::string(initial_name)});
        return next(files);
    }
    std::optional<gdi::COLORREF> ChooseColor(user::HWND owner, gdi::COLORREF) override {
        color_owners.push_back(owner);
        return next(colors);
    }
    int AboutBox(user::HWND, std::string_view, std::string_view, std::string_view) override {
        return user::IDOK;
    }

private:
    template <class T>
    static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) return std::nullopt;
        std::optional<T> answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// A control on a form being designed, in a container measured in pixels, and the designer's
// property-page site with that control as the only selected one. The page's message boxes go to
// `page_site`, the control's own questions to `c.site`.
struct Designer {
    NewControl c{host::vbPixels, false};
    TestSite page_site;
    RecordingDialogs dialogs;

    Designer() : m_previous(user::SetDialogProvider(&dialogs)) { page_site.selected = {c.ctl}; }
    ~Designer() { user::SetDialogProvider(m_previous); }
    Designer(const Designer&) = delete;
    Designer& operator=(const Designer&) = delete;

    // A page opened on the selection.
    template <class Page>
    std::unique_ptr<Page> Open() {
        auto page = std::make_unique<Page>(page_site);
        page->SelectionChanged();
        return page;
    }

private:
    user::DialogProvider* m_previous;
};

// Properties a page writes from its text fields (named "txt" and the property), in the order it
// writes them, each with a new value the control accepts.
using PageEntries = std::vector<std::pair<const char*, const char*>>;

// Types each entry's value into its field, and `bad` into the field of entry `bad_at`.
inline void TypeEntries(pages::PropertyPage& page, const PageEntries& entries, size_t bad_at,
                        const char* bad) {
    for (size_t i = 0; i < entries.size(); ++i) {
        auto* field = static_cast<pages::TextField*>(page.FindField(std::string("txt") + entries[i].first));
        field->SetText(i == bad_at ? bad : entries[i].second);
    }
}

// For each entry, whether the control holds its new value now.
inline std::vector<bool> AppliedEntries(rt::Dispatch& control, const PageEntries& entries) {
    std::vector<bool> applied;
    for (const auto& [property, value] : entries)
        applied.push_back(rt::CStr(control.Get(property)) == value);
    return applied;
}

// What a page says when the field of a property holds no number.
inline std::string NotANumber(const char* property) {
    return std::string("Property '") + property + "' must be a number.";
}

// The first `n` of `count` flags set.
inline std::vector<bool> FirstOf(size_t count, size_t n) {
    std::vector<bool> flags(count, false);
    std::fill_n(flags.begin(), n, true);
    return flags;
}

} // namespace vntab::fakes
