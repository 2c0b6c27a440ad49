#include "driver/Session.h"

#include "pages/PropertyPages.h"
#include "platform/automation/Ansi.h"
#include "platform/host/FormSite.h"

// The designer's property pages, driven as a developer uses them: a page opened on the driven control
// as the only selected control, its fields typed into, chosen from and ticked, its buttons pressed,
// and Apply.
namespace driver {

using vntab::pages::Field;
using vntab::pages::FieldKind;

namespace {

// A list position as a number, or the text of one of its items, ignoring case.
int32_t list_position(const vntab::pages::ListField& list, const std::string& word, bool quoted) {
    if (!quoted && rt::IsNumericText(word)) return WholeWord(word);
    const std::string item = rt::ansi_from_utf8(word);
    for (int32_t i = 0; i < list.list_count(); ++i)
        if (rt::EqualsText(list.items()[static_cast<size_t>(i)], item)) return i;
    FailStep(list.name() + " has no item " + word);
}

bool tick(const std::string& word, const std::string& field) {
    if (rt::EqualsText(word, "True")) return true;
    if (rt::EqualsText(word, "False")) return false;
    FailStep("expected True or False for " + field + ", not " + word);
}

} // namespace

bool Session::RunPageStep(const ScriptStep& step) {
    const std::string& verb = step.verb;
    if (verb == "page") {
        if (m_runner.form().UserMode()) FailStep("page works only on a form being designed (--design)");
        // A page opened anew forgets what the previous one had not applied, as a cancelled one.
        m_page.reset();
        m_runner.form().selected_controls = {m_runner.holder()};
        m_page = vntab::pages::CreatePropertyPage(step.words[0], m_runner.holder()->site());
        if (!m_page) m_page = vntab::pages::CreateStandardPage(step.words[0], m_runner.holder()->site());
        if (!m_page)
            FailStep("expected page General, TabAppearance, Tabs, Font or Color, not " + step.words[0]);
        m_page->SelectionChanged();
    } else if (verb == "apply") {
        if (!m_page) FailStep("no property page is open (page NAME first)");
        m_page->ApplyChanges();
    } else {
        return RunFieldStep(m_page.get(), step);
    }
    return true;
}

namespace {

Field& page_field(vntab::pages::PropertyPage* page, const std::string& name) {
    if (!page) FailStep("no property page is open (page NAME first)");
    Field* field = page->FindField(name);
    if (!field) FailStep("the " + page->caption() + " page has no field " + name);
    return *field;
}

// field NAME VALUE: the text typed into a text field, a list item chosen by position or text, a check
// box ticked with True or False, a picture put into a picture box (picture "PATH", or none).
void set_field(Field& field, const ScriptStep& step) {
    const std::string& word = step.words[1];
    const bool quoted = step.quoted[1];
    if (step.value && field.kind() != FieldKind::Picture) FailStep(field.name() + " takes no picture");
    switch (field.kind()) {
    case FieldKind::Text:
        static_cast<vntab::pages::TextField&>(field).SetText(rt::ansi_from_utf8(word));
        return;
    case FieldKind::List: {
        auto& list = static_cast<vntab::pages::ListField&>(field);
        list.Choose(list_position(list, word, quoted));
        return;
    }
    case FieldKind::Check:
        static_cast<vntab::pages::CheckField&>(field).SetChecked(tick(word, field.name()));
        return;
    case FieldKind::Picture: {
        auto& box = static_cast<vntab::pages::PictureField&>(field);
        if (step.value)
            box.SetPicture(MakeValue(*step.value).as_object());
        else if (!quoted && rt::EqualsText(word, "none"))
            box.SetPicture(nullptr);
        else
            FailStep("expected picture \"PATH\" or none for " + field.name());
        return;
    }
    case FieldKind::ColorBox:
        FailStep(field.name() + " only shows a colour: choose one in its list");
    case FieldKind::Button:
        FailStep(field.name() + " is a button: press it");
    }
}

} // namespace

bool RunFieldStep(vntab::pages::PropertyPage* page, const ScriptStep& step) {
    if (step.verb == "field") {
        set_field(page_field(page, step.words[0]), step);
    } else if (step.verb == "press") {
        Field& field = page_field(page, step.words[0]);
        if (field.kind() != FieldKind::Button) FailStep(field.name() + " is no button");
        static_cast<vntab::pages::ButtonField&>(field).Press();
    } else {
        return false;
    }
    return true;
}

} // namespace driver
