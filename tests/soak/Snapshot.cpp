#include "Snapshot.h"

#include "FormUnderTest.h"

#include "contained/VNControl.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"

namespace soak {
namespace {

using rt::Variant;

// The properties a saved form keeps (TabActive is read back as 1, so it is compared apart).
constexpr const char* kSaved[] = {"BackColor",        "Enabled",         "FocusRectStyle", "Orientation",
                                  "Tab3DAppearance",  "TabActiveBevel",  "TabActiveBold",  "TabActiveInflate",
                                  "TabCaptionAlign",  "TabStyleHeight",  "TabStyleWidth",  "TabHeight",
                                  "TabJustification", "TabPictureAlign", "TabRowOffset",   "TabRows",
                                  "TabRowSeparation", "TabSeparation",   "TabsPerRow",     "TabStyle",
                                  "TabWidth",         "TabCount"};

// A value as text; a read that raises is shown as its error, which is itself state to compare.
template <class Read>
std::string text_of(Read&& read) {
    try {
        Variant v = read();
        if (v.is_object()) return "<object>";
        return rt::CStr(v);
    } catch (const rt::AutomationError& e) {
        return "<error " + std::to_string(e.number) + ">";
    }
}

std::string font_text(rt::Dispatch& control) {
    try {
        auto font = rt::CObj(control.Get("TabCaptionFont"));
        if (!font) return "<none>";
        return rt::CStr(font->Get("Name")) + " " + rt::CStr(font->Get("Size")) + " " +
               rt::CStr(font->Get("Bold"));
    } catch (const rt::AutomationError& e) {
        return "<error " + std::to_string(e.number) + ">";
    }
}

std::vector<Snapshot::Record> records_of(rt::Dispatch& tab) {
    std::vector<Snapshot::Record> out;
    auto controls = rt::CObj(tab.Get("Controls"));
    const int32_t count = rt::CLng(controls->Get("Count"));
    for (int32_t j = 1; j <= count; ++j) {
        auto record = rt::CObj(controls->Call("Item", {Variant(j)}));
        // The record's name is not published through late binding; its C++ interface gives it.
        const auto typed = std::dynamic_pointer_cast<vntab::VNControl>(record);
        out.push_back({typed ? typed->Name() : "<not a record>",
                       text_of([&] { return record->Get("Index"); }),
                       text_of([&] { return record->Get("TabStop"); })});
    }
    return out;
}

} // namespace

Snapshot TakeSnapshot(FormUnderTest& form) {
    Snapshot s;
    auto control = form.control();
    for (const char* name : kSaved)
        s.properties.emplace_back(name, text_of([&] { return control->Get(name); }));
    s.properties.emplace_back("TabCaptionFont", font_text(*control));
    s.active = text_of([&] { return control->Get("TabActive"); });
    s.access_keys = form.holder().access_keys;
    auto tabs = form.tabs();
    const int32_t count = rt::CLng(tabs->Get("Count"));
    for (int32_t i = 1; i <= count; ++i) {
        auto tab = rt::CObj(tabs->Call("Item", {Variant(i)}));
        Snapshot::Tab t;
        t.index = text_of([&] { return tab->Get("Index"); });
        t.caption = text_of([&] { return tab->Get("Caption"); });
        t.key = text_of([&] { return tab->Get("Key"); });
        for (const char* colour :
             {"BackColor", "ForeColor", "Color3DDKShadow", "Color3DHighlight", "Color3DShadow"})
            t.colours += text_of([&] { return tab->Get(colour); }) + " ";
        t.records = records_of(*tab);
        s.tabs.push_back(std::move(t));
    }
    for (const auto& child : form.holder().children())
        s.placed.push_back({child->KeyName(), rt::CDbl(child->Get("Left")), rt::CDbl(child->Get("Top"))});
    return s;
}

std::string FirstDifference(const Snapshot& before, const Snapshot& after, Compare what) {
    for (size_t i = 0; i < before.properties.size() && i < after.properties.size(); ++i)
        if (before.properties[i] != after.properties[i])
            return before.properties[i].first + " was " + before.properties[i].second + ", is " +
                   after.properties[i].second;
    if (before.tabs.size() != after.tabs.size())
        return "tab count was " + std::to_string(before.tabs.size()) + ", is " +
               std::to_string(after.tabs.size());
    for (size_t i = 0; i < before.tabs.size(); ++i) {
        const Snapshot::Tab &a = before.tabs[i], &b = after.tabs[i];
        const std::string at = "tab " + std::to_string(i + 1) + " ";
        if (a.index != b.index) return at + "Index was " + a.index + ", is " + b.index;
        if (a.caption != b.caption) return at + "Caption was \"" + a.caption + "\", is \"" + b.caption + "\"";
        if (a.key != b.key) return at + "Key was \"" + a.key + "\", is \"" + b.key + "\"";
        if (a.colours != b.colours) return at + "colours were " + a.colours + ", are " + b.colours;
        if (a.records.size() != b.records.size())
            return at + "had " + std::to_string(a.records.size()) + " control records, has " +
                   std::to_string(b.records.size());
        for (size_t j = 0; j < a.records.size(); ++j)
            if (a.records[j] != b.records[j])
                return at + "record " + std::to_string(j + 1) + " was " + a.records[j].name + "(" +
                       a.records[j].index + ") TabStop " + a.records[j].tab_stop + ", is " +
                       b.records[j].name + "(" + b.records[j].index + ") TabStop " + b.records[j].tab_stop;
    }
    if (what == Compare::Saved) return {};
    if (before.active != after.active) return "TabActive was " + before.active + ", is " + after.active;
    if (before.access_keys != after.access_keys)
        return "access keys were \"" + before.access_keys + "\", are \"" + after.access_keys + "\"";
    if (before.placed != after.placed) return "the placed controls moved, were added or were deleted";
    return {};
}

} // namespace soak
