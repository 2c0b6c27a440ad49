#include "driver/Dump.h"

#include "contained/VNControl.h"
#include "contained/VNControls.h"
#include "control/VNTabCtl.h"
#include "layout/TabLayout.h"
#include "pages/PropertyPage.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormSite.h"
#include "platform/user/Window.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

namespace driver {

using nlohmann::json;
using rt::Variant;

namespace {

json value_json(const Variant& v) {
    switch (v.type()) {
    case rt::VarType::Empty:
        return nullptr;
    case rt::VarType::Boolean:
        return v.as_bool();
    case rt::VarType::Integer:
        return v.as_integer();
    case rt::VarType::Long:
        return v.as_long();
    case rt::VarType::Single:
        return v.as_single();
    case rt::VarType::Double:
        return v.as_double();
    case rt::VarType::String:
        return rt::utf8_from_ansi(v.as_string());
    case rt::VarType::Object:
        break;
    }
    if (v.is_nothing()) return nullptr;
    if (auto font = std::dynamic_pointer_cast<rt::StdFont>(v.as_object()))
        return json{{"Name", rt::utf8_from_ansi(font->Name())},
                    {"Size", font->Size()},
                    {"Bold", font->Bold()},
                    {"Italic", font->Italic()},
                    {"Underline", font->Underline()},
                    {"Strikethrough", font->Strikethrough()}};
    if (auto picture = std::dynamic_pointer_cast<rt::StdPicture>(v.as_object()))
        return json{{"Type", picture->Type()},
                    {"Width", picture->WidthHimetric()},
                    {"Height", picture->HeightHimetric()}};
    return v.as_object()->TypeName();
}

json properties_json(vntab::VNTabCtl& control) {
    json out = json::object();
    for (std::string_view name : vntab::VNTabCtl::PropertyNames()) {
        try {
            out[std::string(name)] = value_json(control.Get(name));
        } catch (const rt::AutomationError&) {
            out[std::string(name)] = nullptr; // a property whose read raises
        }
    }
    return out;
}

json layout_json(vntab::VNTabCtl& control) {
    const vntab::TabCtlState& s = control.State();
    json tabs = json::array();
    const auto& collection = control.Tabs();
    for (int32_t i = 1; i <= collection->Count(); ++i) {
        auto tab = collection->Item(Variant(i));
        const gdi::RECT& r = tab->TabRect();
        json row = nullptr;
        try {
            row = vntab::GetTabRow(control, i);
        } catch (const rt::AutomationError&) {
        }
        tabs.push_back(json{{"Index", tab->Index()},
                            {"Caption", rt::utf8_from_ansi(tab->Caption())},
                            {"Key", value_json(tab->Key())},
                            {"BackColor", tab->BackColor()},
                            {"TabRect", json::array({r.left, r.top, r.right, r.bottom})},
                            {"Row", row}});
    }
    return json{{"RowCount", s.RowCount},
                {"RowCapacity", s.RowCapacity},
                {"PanelEdge", s.PanelEdge},
                {"DrawTabRowSeparation", s.DrawTabRowSeparation},
                {"DrawTab3DAppearance", s.DrawTab3DAppearance},
                {"tabs", tabs}};
}

// The tab whose records list a contained control, 0 when none does.
int tab_of(vntab::VNTabCtl& control, const host::FormControl& contained) {
    const auto& tabs = control.Tabs();
    for (int32_t i = 1; i <= tabs->Count(); ++i)
        for (const auto& record : tabs->Item(Variant(i))->Controls()->records())
            if (record->Control().get() == &contained) return i;
    return 0;
}

json number_or_null(host::FormControl& c, std::string_view property) {
    try {
        return rt::CDbl(c.Get(property));
    } catch (const rt::AutomationError&) {
        return nullptr;
    }
}

json controls_json(host::ActiveXHolder& holder, vntab::VNTabCtl& control) {
    json out = json::array();
    const gdi::RECT panel = holder.PixelBounds();
    const int32_t panel_width = panel.right - panel.left, panel_height = panel.bottom - panel.top;
    for (const auto& child : holder.children()) {
        const gdi::RECT r = child->PixelBounds();
        // A control without area counts as one pixel at its place.
        bool in_view = std::max(r.right, r.left + 1) > 0 && std::max(r.bottom, r.top + 1) > 0 &&
                       r.left < panel_width && r.top < panel_height;
        json tab_stop = nullptr;
        try {
            tab_stop = rt::CBool(child->Get("TabStop"));
        } catch (const rt::AutomationError&) {
        }
        json index = nullptr;
        if (child->ArrayIndex()) index = *child->ArrayIndex();
        out.push_back(json{{"name", child->Name()},
                           {"index", index},
                           {"kind", child->TypeName()},
                           {"tab", tab_of(control, *child)},
                           {"Left", number_or_null(*child, "Left")},
                           {"Top", number_or_null(*child, "Top")},
                           {"Width", number_or_null(*child, "Width")},
                           {"Height", number_or_null(*child, "Height")},
                           {"TabStop", tab_stop},
                           {"visible", in_view}});
    }
    return out;
}

// The kinds of field by their names in the dump, in the order FieldKind lists them.
constexpr const char* kFieldKinds[] = {"text", "list", "check", "picture", "colorBox", "button"};

// A field as the developer sees it: a text field's text and colour, a list's items, position and the
// chosen item's text, a check box's tick, a picture box's picture and a colour box's colour as
// `value`; null where the kind has no such thing.
json field_json(const vntab::pages::Field& field) {
    using namespace vntab::pages;
    json out{{"kind", kFieldKinds[static_cast<size_t>(field.kind())]},
             {"text", nullptr},
             {"foreColor", nullptr},
             {"listIndex", nullptr},
             {"value", nullptr},
             {"enabled", field.enabled}};
    if (auto* text = dynamic_cast<const TextField*>(&field)) {
        out["text"] = rt::utf8_from_ansi(text->text());
        out["foreColor"] = text->fore_color;
    } else if (auto* list = dynamic_cast<const ListField*>(&field)) {
        out["text"] = rt::utf8_from_ansi(list->text());
        out["listIndex"] = list->list_index();
        json items = json::array();
        for (const std::string& item : list->items())
            items.push_back(rt::utf8_from_ansi(item));
        out["items"] = items;
    } else if (auto* check = dynamic_cast<const CheckField*>(&field)) {
        out["value"] = check->checked();
    } else if (auto* picture = dynamic_cast<const PictureField*>(&field)) {
        out["value"] = value_json(Variant(picture->picture()));
    } else if (auto* box = dynamic_cast<const ColorBoxField*>(&field)) {
        out["value"] = box->fill_color;
    }
    return out;
}

json page_json(const vntab::pages::PropertyPage* page) {
    if (!page) return nullptr;
    json fields = json::object();
    for (const vntab::pages::Field* field : page->fields())
        fields[field->name()] = field_json(*field);
    return json{
        {"name", page->caption()}, {"class", page->name()}, {"changed", page->Changed()}, {"fields", fields}};
}

// Each window keeps a surface and a device context of its own; they are the form's, not the
// drawing's, and are left out of the count.
int window_objects(user::HWND parent) {
    int count = 0;
    for (user::HWND child : user::ChildWindows(parent))
        count += 2 + window_objects(child);
    return count;
}

} // namespace

json DumpControl(host::ActiveXHolder& holder) {
    json dump = json::object();
    auto* control = dynamic_cast<vntab::VNTabCtl*>(holder.object().get());
    if (!control) return dump;
    dump["properties"] = properties_json(*control);
    dump["layout"] = layout_json(*control);
    auto& site = holder.site();
    dump["size"] = json{{"width", site.ScaleWidth()}, {"height", site.ScaleHeight()}};
    dump["propertyChanged"] = site.property_changes();
    dump["controls"] = controls_json(holder, *control);
    return dump;
}

json DumpSession(const Session& session) {
    json dump = session.holder() ? DumpControl(*session.holder()) : json::object();
    json events = json::array();
    for (const auto& e : session.events()) {
        json args = json::object();
        for (const auto& [name, value] : e.args)
            args[name] = value_json(value);
        events.push_back(json{{"name", e.name}, {"args", args}});
    }
    dump["events"] = events;
    json boxes = json::array();
    for (const auto& b : session.dialogs().shown())
        boxes.push_back(json{{"text", b.text}, {"title", b.title}, {"style", b.style}, {"answer", b.answer}});
    dump["messageBoxes"] = boxes;
    json dialogs = json::array();
    for (const auto& d : session.dialogs().dialogs()) {
        json shown{{"kind", d.kind}, {"title", d.title}, {"answer", value_json(d.answer)}};
        if (!d.text.empty()) shown["text"] = d.text;
        dialogs.push_back(std::move(shown));
    }
    dump["dialogs"] = dialogs;
    dump["page"] = page_json(session.page());
    gdi::LiveObjects objects = gdi::live_objects();
    int windows = window_objects(session.form().hwnd()) + 2; // the form's own window too
    int container_fonts = 0;
    for (const auto& holder : session.form().ActiveXControls())
        container_fonts += holder->site().owned_gdi_objects();
    dump["gdi"] = json{{"live", objects.total() - windows - container_fonts},
                       {"byKind", json{{"dcs", objects.dcs - windows / 2},
                                       {"bitmaps", objects.bitmaps - windows / 2},
                                       {"pens", objects.pens},
                                       {"brushes", objects.brushes},
                                       {"regions", objects.regions},
                                       {"fonts", objects.fonts - container_fonts},
                                       {"icons", objects.icons}}}};
    // Errors raised while the form was put together come first, as step 0: those of controls that
    // loaded, then the one that stopped the load.
    json errors = json::array();
    const auto load_error = [&](const rt::AutomationError& e) {
        errors.push_back(
            json{{"step", 0}, {"number", e.number}, {"source", e.source}, {"description", e.description}});
    };
    for (const auto& e : session.form().load_errors())
        load_error(e.error);
    if (const auto& stop = session.load_stop()) load_error(stop->error);
    if (const auto& e = session.error())
        errors.push_back(json{{"step", e->step},
                              {"number", e->number},
                              {"source", e->source},
                              {"description", e->description}});
    dump["errors"] = errors;
    return dump;
}

} // namespace driver
