#include "PagesDialog.h"

#include "pages/PropertyPages.h"
#include "platform/automation/Ansi.h"
#include "platform/host/ActiveXHolder.h"
#include "platform/host/Form.h"
#include "platform/host/FormSite.h"

namespace studio {

void PagesDialog::Open(host::Form& form, host::ActiveXHolder& holder) {
    Close();
    form.selected_controls = {form.FindControl(holder.KeyName())};
    for (std::string_view name : vntab::pages::DeclaredPropertyPages()) {
        auto page = vntab::pages::CreatePropertyPage(name, holder.site());
        if (!page) page = vntab::pages::CreateStandardPage(name, holder.site());
        if (!page) continue;
        page->SelectionChanged();
        m_pages.push_back(std::move(page));
    }
    m_control = holder.KeyName();
}

void PagesDialog::Close() {
    m_pages.clear();
    m_shown = 0;
    m_control.clear();
}

void PagesDialog::Show(size_t index) {
    if (index < m_pages.size()) m_shown = index;
}

bool PagesDialog::Show(std::string_view name) {
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (rt::EqualsText(m_pages[i]->name(), name) || rt::EqualsText(m_pages[i]->caption(), name)) {
            m_shown = i;
            return true;
        }
    return false;
}

bool PagesDialog::Changed() const {
    for (const auto& page : m_pages)
        if (page->Changed()) return true;
    return false;
}

bool PagesDialog::Apply() {
    for (const auto& page : m_pages)
        if (page->Changed()) {
            page->ApplyChanges();
            // A page that stopped shows itself, with its message, for the developer to correct.
            if (page->Changed()) {
                Show(page->name());
                return false;
            }
        }
    return true;
}

bool PagesDialog::Ok() {
    if (!Apply()) return false;
    Close();
    return true;
}

} // namespace studio
