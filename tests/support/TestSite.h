#pragma once

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/ControlSite.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Window.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A container for running a control alone in tests: it records what the control tells it
// (property changes, events, message boxes), answers message boxes from a queue, holds fake
// contained controls, and converts units at a configurable DPI.
namespace vntab::fakes {

// A host control reached late-bound: properties by name (missing ones raise 438), Move and Refresh.
class FakeControl final : public rt::Dispatch {
public:
    FakeControl(std::string type, std::string name) : m_type(std::move(type)) {
        props["Name"] = rt::Variant(name);
    }

    std::string TypeName() const override { return m_type; }
    rt::Variant Get(std::string_view name) override { return find(name)->second; }
    void Let(std::string_view name, const rt::Variant& value) override {
        find(name)->second = value;
        lets.emplace_back(name);
    }
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override {
        if (rt::EqualsText(name, "Refresh")) {
            ++refreshes;
            return {};
        }
        if (rt::EqualsText(name, "Move")) {
            find("Left")->second = rt::required_arg(args, 0);
            if (args.size() > 1) find("Top")->second = args[1];
            ++moves;
            return {};
        }
        return Get(name);
    }

    double number(std::string_view name) { return rt::CDbl(Get(name)); }

    std::map<std::string, rt::Variant, std::less<>> props;
    std::vector<std::string> lets;
    int refreshes = 0;
    int moves = 0;

private:
    std::map<std::string, rt::Variant, std::less<>>::iterator find(std::string_view name) {
        for (auto it = props.begin(); it != props.end(); ++it)
            if (rt::EqualsText(it->first, name)) return it;
        rt::raise_error(rt::kErrObjectDoesNotSupport);
    }

    std::string m_type;
};

// A windowed control (TextBox, CommandButton, ...) with a position and a tab stop.
inline std::shared_ptr<FakeControl> Windowed(std::string name, double left, double top = 0,
                                             bool tab_stop = true, std::string type = "TextBox") {
    auto c = std::make_shared<FakeControl>(std::move(type), std::move(name));
    c->props["Left"] = rt::Variant(static_cast<float>(left));
    c->props["Top"] = rt::Variant(static_cast<float>(top));
    c->props["Width"] = rt::Variant(1200.0f);
    c->props["Height"] = rt::Variant(300.0f);
    c->props["TabStop"] = rt::Variant(tab_stop);
    return c;
}

// A windowless control (Label, Shape, Image, Frame, Timer) without a tab stop.
inline std::shared_ptr<FakeControl> Windowless(std::string type, std::string name, double left,
                                               double top = 0) {
    auto c = std::make_shared<FakeControl>(std::move(type), std::move(name));
    c->props["Left"] = rt::Variant(static_cast<float>(left));
    c->props["Top"] = rt::Variant(static_cast<float>(top));
    return c;
}

inline std::shared_ptr<FakeControl> Line(std::string name, double x1, double x2, double y1 = 0,
                                         double y2 = 0) {
    auto c = std::make_shared<FakeControl>("Line", std::move(name));
    c->props["X1"] = rt::Variant(static_cast<float>(x1));
    c->props["X2"] = rt::Variant(static_cast<float>(x2));
    c->props["Y1"] = rt::Variant(static_cast<float>(y1));
    c->props["Y2"] = rt::Variant(static_cast<float>(y2));
    return c;
}

// Real pictures of 2 x 2 pixels, as the renderer draws them.
inline std::shared_ptr<rt::StdPicture> BitmapPicture() {
    const uint32_t pixels[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    return rt::StdPicture::FromPixels(2, 2, pixels);
}
inline std::shared_ptr<rt::StdPicture> IconPicture() {
    const uint32_t pixels[4] = {0xFF0000, 0, 0, 0xFFFFFF};
    const uint8_t mask[4] = {0, 1, 1, 0};
    return rt::StdPicture::FromIconPixels(2, 2, pixels, mask);
}

// A picture of a type the tabs do not keep (2 metafile, 4 enhanced metafile, 0 none): only its Type.
class FakePicture final : public rt::Dispatch {
public:
    explicit FakePicture(int16_t type) : m_type(type) {}
    std::string TypeName() const override { return "StdPicture"; }
    rt::Variant Get(std::string_view name) override {
        if (rt::EqualsText(name, "Type")) return rt::Variant(m_type);
        rt::raise_error(rt::kErrObjectDoesNotSupport);
    }

private:
    int16_t m_type;
};

struct RecordedEvent {
    std::string name;
    std::vector<std::pair<std::string, rt::Variant>> args; // as the handler left them
};

struct RecordedMsgBox {
    std::string text;
    int32_t style = 0;
    std::optional<std::string> title;
};

class TestSite final : public host::ControlSite {
public:
    TestSite() : m_window(create_window()), m_dc(gdi::CreateCompatibleDC(gdi::HDC{})) {}
    ~TestSite() override {
        if (m_font) gdi::DeleteObject(gdi::SelectObject(m_dc, m_system_font));
        gdi::DeleteDC(m_dc);
        user::DestroyWindow(m_window);
    }
    TestSite(const TestSite&) = delete;
    TestSite& operator=(const TestSite&) = delete;

    // --- what the control reported ---
    std::vector<std::string> property_changes;
    // What ReportSavedValue was told: "key: problem".
    std::vector<std::string> saved_value_reports;
    std::vector<RecordedEvent> events;
    std::vector<RecordedMsgBox> message_boxes;
    std::deque<int32_t> answers; // to the next message boxes; OK when empty
    // Scripted handlers: called with the by-reference arguments, which they may change.
    std::map<std::string, std::function<void(std::span<host::EventArg>)>> handlers;

    // --- the container's settings ---
    bool user_mode = true;
    std::shared_ptr<rt::StdFont> ambient_font = std::make_shared<rt::StdFont>("MS Sans Serif", 8.25);
    std::shared_ptr<rt::StdFont> parent_font = std::make_shared<rt::StdFont>("MS Sans Serif", 8.25);
    std::optional<int16_t> container_scale_mode = host::vbTwips; // nothing: the container has no ScaleMode
    std::optional<int16_t> parent_scale_mode = host::vbTwips;    // nothing: the form has none either
    double dpi = 96.0;                                           // horizontal logical pixels per inch
    double dpi_y = 96.0;                                         // vertical
    double client_width = 300.0;                                 // pixels
    double client_height = 200.0;
    bool enabled = true;
    std::string access_keys;
    std::optional<std::vector<std::shared_ptr<rt::Dispatch>>> contained =
        std::vector<std::shared_ptr<rt::Dispatch>>{}; // nothing: the container offers no collection
    int32_t ole_drop_mode = 0;
    int ole_drags = 0;
    std::string help_file = "unset";
    // The designer's side, for property pages: the selected controls and each changed flag a page
    // reported, in order.
    std::vector<std::shared_ptr<rt::Dispatch>> selected;
    std::vector<bool> page_changes;

    void Add(std::shared_ptr<rt::Dispatch> control) { contained->push_back(std::move(control)); }
    std::vector<std::string> EventNames() const {
        std::vector<std::string> names;
        for (const auto& e : events)
            names.push_back(e.name);
        return names;
    }
    // The value an argument of the n-th recorded event was left with.
    const rt::Variant& Arg(size_t n, std::string_view name) const {
        for (const auto& [arg, value] : events.at(n).args)
            if (arg == name) return value;
        throw std::out_of_range("no argument " + std::string(name));
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : message_boxes)
            texts.push_back(m.text);
        return texts;
    }

    // --- ControlSite ---
    void PropertyChanged(std::string_view name) override { property_changes.emplace_back(name); }
    void ReportSavedValue(std::string_view key, const std::string& problem) override {
        saved_value_reports.push_back(std::string(key) + ": " + problem);
    }
    bool AmbientUserMode() const override { return user_mode; }
    std::shared_ptr<rt::StdFont> AmbientFont() const override { return ambient_font; }
    std::shared_ptr<rt::StdFont> ParentFont() const override { return parent_font; }
    int16_t ParentScaleMode() const override {
        if (!parent_scale_mode) rt::raise_error(rt::kErrObjectDoesNotSupport);
        return *parent_scale_mode;
    }
    int16_t ContainerScaleMode() const override {
        if (!container_scale_mode) rt::raise_error(rt::kErrObjectDoesNotSupport);
        return *container_scale_mode;
    }
    double ScaleX(double value, int16_t from, int16_t to) const override {
        return value / units_per_inch(from, dpi) * units_per_inch(to, dpi);
    }
    double ScaleY(double value, int16_t from, int16_t to) const override {
        return value / units_per_inch(from, dpi_y) * units_per_inch(to, dpi_y);
    }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double ScaleWidth() const override { return client_width; }
    double ScaleHeight() const override { return client_height; }
    double Width() const override { return ScaleX(client_width, host::vbPixels, container()); }
    void SetWidth(double width) override { client_width = ScaleX(width, container(), host::vbPixels); }
    double Height() const override { return ScaleY(client_height, host::vbPixels, container()); }
    void SetHeight(double height) override { client_height = ScaleY(height, container(), host::vbPixels); }
    user::HWND hWnd() const override { return m_window; }
    gdi::HDC hDC() const override { return m_dc; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool e) override { enabled = e; }
    std::shared_ptr<rt::StdFont> Font() const override { return m_control_font; }
    void SetFont(std::shared_ptr<rt::StdFont> font) override {
        m_control_font = std::move(font);
        select_control_font();
    }
    std::string AccessKeys() const override { return access_keys; }
    void SetAccessKeys(std::string keys) override { access_keys = std::move(keys); }
    std::vector<std::shared_ptr<rt::Dispatch>> ContainedControls() const override {
        if (!contained) rt::raise_error(rt::kErrObjectDoesNotSupport);
        return *contained;
    }
    void OLEDrag() override { ++ole_drags; }
    int32_t OLEDropMode() const override { return ole_drop_mode; }
    void SetOLEDropMode(int32_t mode) override { ole_drop_mode = mode; }
    using host::ControlSite::RaiseEvent;
    void RaiseEvent(std::string_view name, std::span<host::EventArg> args) override {
        if (auto it = handlers.find(std::string(name)); it != handlers.end()) it->second(args);
        RecordedEvent e{std::string(name), {}};
        for (const auto& a : args)
            e.args.emplace_back(std::string(a.name), a.value);
        events.push_back(std::move(e));
    }
    int32_t MsgBox(std::string_view prompt, int32_t style, std::optional<std::string_view> title) override {
        message_boxes.push_back(
            {std::string(prompt), style, title ? std::optional<std::string>(*title) : std::nullopt});
        if (answers.empty()) return host::vbOK;
        int32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }
    host::AppVersion AppVersionInfo() const override { return {}; }
    std::string HelpFile() const override { return help_file; }
    void SetHelpFile(std::string path) override { help_file = std::move(path); }
    std::shared_ptr<rt::Dispatch> LoadPicture(std::string_view path) override {
        return rt::LoadPicture(rt::utf8_from_ansi(path));
    }
    std::vector<std::shared_ptr<rt::Dispatch>> SelectedControls() const override { return selected; }
    void SetPropertyPageChanged(bool changed) override { page_changes.push_back(changed); }

private:
    int16_t container() const {
        if (container_scale_mode) return *container_scale_mode;
        if (parent_scale_mode) return *parent_scale_mode;
        return host::vbTwips;
    }
    static double units_per_inch(int16_t scale, double pixels_per_inch) {
        switch (scale) {
        case host::vbTwips:
            return 1440.0;
        case host::vbPoints:
            return 72.0;
        case host::vbInches:
            return 1.0;
        case host::vbMillimeters:
            return 25.4;
        case host::vbCentimeters:
            return 2.54;
        case host::vbHimetric:
            return 2540.0;
        default:
            return pixels_per_inch; // pixels, and the control's own (user) scale
        }
    }
    // The container keeps the control's font selected into the control's DC, as a real one does.
    void select_control_font() {
        gdi::LOGFONTA lf;
        if (m_control_font) {
            lf.lfHeight = -static_cast<int32_t>(m_control_font->Size() * dpi_y / 72.0 + 0.5);
            lf.lfWeight = m_control_font->Weight();
            lf.lfItalic = m_control_font->Italic();
            std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", m_control_font->Name().c_str());
        }
        gdi::HFONT font = gdi::CreateFontIndirectA(&lf);
        gdi::HGDIOBJ previous = gdi::SelectObject(m_dc, font);
        if (m_font)
            gdi::DeleteObject(previous);
        else
            m_system_font = previous;
        m_font = font;
    }

    // The control's window: a plain top-level window of the client size.
    static user::HWND create_window() {
        user::WindowParams window;
        window.proc = user::DefWindowProcA;
        window.width = 300;
        window.height = 200;
        return user::CreateWindow(window);
    }

    user::HWND m_window;
    gdi::HDC m_dc;
    gdi::HGDIOBJ m_system_font;
    gdi::HFONT m_font;
    std::shared_ptr<rt::StdFont> m_control_font;
};

} // namespace vntab::fakes
