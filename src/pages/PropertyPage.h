#pragma once

#include "pages/Fields.h"
#include "platform/host/ControlSite.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vntab::pages {

// The number test of the pages' numeric text fields: not empty, at most one ".", a first character
// from "0123456789.-" and the others from "0123456789.". So "-", "." and "-." pass (as 0).
bool IsPageNumber(std::string_view text);
// The value of a field's text: its leading part read as a decimal number, 0 when there is none.
double PageNumberValue(std::string_view text);

// A design-time property page. The designer's page site (a ControlSite) tells it the selected
// controls, keeps its changed flag (which enables the designer's Apply button) and shows its
// message boxes. The page edits the first selected control, by property name through Dispatch.
//
//   SelectionChanged  reads the first selected control into the fields; the page is unchanged after.
//   editing a field   marks the page changed, as each page's rules say.
//   ApplyChanges      writes the fields back in the page's order; once every step has run the page is
//                     unchanged again. A field that stops the apply with a message leaves the page
//                     changed, and an error the control raises reaches the caller.
class PropertyPage {
public:
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    // The class name ("GeneralPP") and the caption the designer shows on the page's tab ("General").
    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    // Every field, in the order they stand on the page.
    const std::vector<Field*>& fields() const { return m_fields; }
    // The field of this name, ignoring case; nothing when the page has none.
    Field* FindField(std::string_view name) const;

    bool Changed() const { return m_changed; }
    // Sets the page's changed flag and tells the designer.
    void SetChanged(bool changed);

    // With no control selected both do nothing.
    void SelectionChanged();
    void ApplyChanges();

protected:
    PropertyPage(host::ControlSite& site, std::string name, std::string caption);

    void AddField(Field& field) { m_fields.push_back(&field); }
    host::ControlSite& site() const { return m_site; }

    virtual void ReadFields(rt::Dispatch& control) = 0;
    // Returns false when a field stopped the apply with a message.
    virtual bool WriteFields(rt::Dispatch& control) = 0;

    // An edit marks the page changed; the page's own filling of its fields does not.
    void MarkChanged();
    // A message box with an OK button and the designer's default title.
    void Tell(std::string_view text);

    // Numeric text fields: red (0xFF) when the text is not a number, black when it is, and then an
    // edit that marks the page changed.
    void WatchNumber(TextField& field);
    // The property's value, as text.
    static void ShowProperty(rt::Dispatch& control, TextField& field, std::string_view property);
    // A text that is not a number stops the apply with "Property 'NAME' must be a number.": false.
    bool CheckNumber(const TextField& field, std::string_view property);
    // Writes the field's text to the property, which converts it, once CheckNumber passed.
    bool ApplyNumber(rt::Dispatch& control, const TextField& field, std::string_view property);

private:
    std::shared_ptr<rt::Dispatch> FirstSelected() const;

    host::ControlSite& m_site;
    std::string m_name, m_caption;
    std::vector<Field*> m_fields;
    bool m_changed = false;
    bool m_filling = false;
};

} // namespace vntab::pages
