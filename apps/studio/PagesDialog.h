#pragma once

#include "pages/PropertyPage.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {
class ActiveXHolder;
class Form;
} // namespace host

namespace studio {

// The designer's property-page frame for one tab control: the control's own pages (General,
// TabAppearance, Tabs) and the standard Font and Color pages, one shown at a time, with OK, Cancel
// and Apply. Apply writes every page that holds changes, in the order they stand; a page that stops
// with its message stays changed and the frame stays open. An error the control raises reaches the
// caller, who shows it. The frame works on the control it was opened for: it must be closed before
// that control goes (the form put together again).
class PagesDialog {
public:
    // Opens the frame on `holder`, the form's only selected control, showing its first page.
    void Open(host::Form& form, host::ActiveXHolder& holder);
    void Close();
    bool is_open() const { return !m_pages.empty(); }
    // The control's name, as the frame's title shows it.
    const std::string& control() const { return m_control; }

    const std::vector<std::unique_ptr<vntab::pages::PropertyPage>>& pages() const { return m_pages; }
    size_t shown() const { return m_shown; }
    vntab::pages::PropertyPage& page() const { return *m_pages[m_shown]; }
    void Show(size_t index);
    // Shows the page of this class name or caption, ignoring case; false when there is none.
    bool Show(std::string_view name);

    // Whether any page holds changes (the Apply button is enabled then).
    bool Changed() const;
    // Applies every changed page; true when none is left changed.
    bool Apply();
    // Applies, and closes when nothing is left changed; returns whether it closed.
    bool Ok();

private:
    std::vector<std::unique_ptr<vntab::pages::PropertyPage>> m_pages;
    size_t m_shown = 0;
    std::string m_control;
};

} // namespace studio
