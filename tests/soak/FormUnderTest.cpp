#include "FormUnderTest.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"
#include "platform/host/FormWriter.h"

#include <cmath>
#include <cstdint>

namespace soak {

using rt::Variant;

namespace {

constexpr const char* kType = "VNTabCtl";
constexpr const char* kName = "VNTabCtl1";

Variant value_of(const Step& step) {
    if (step.is_text) return Variant(step.text);
    // Whole numbers go as Longs, the way a program writes &H80000012& (a system colour) and passes
    // True as -1; the Long coerces to every property type.
    if (step.number == std::floor(step.number) && std::fabs(step.number) < 4294967296.0)
        return Variant(static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(step.number))));
    return Variant(step.number);
}

} // namespace

FormUnderTest::FormUnderTest(std::string folder)
    : m_folder(std::move(folder)), m_runner(std::make_unique<host::FormRunner>()) {}

FormUnderTest::~FormUnderTest() = default;

void FormUnderTest::Start() {
    m_runner = std::make_unique<host::FormRunner>();
    m_design = true;
    m_runner->CreateForm(420, 320, host::FormOptions{false});
    m_runner->AddControl(kType, kName, gdi::RECT{0, 0, 400, 300});
    m_runner->PaintPending();
}

std::shared_ptr<rt::Dispatch> FormUnderTest::tabs() const {
    return rt::CObj(control()->Get("Tabs"));
}

std::string FormUnderTest::Save() {
    const std::string path = m_folder + "/soak.frm";
    m_runner->Save(path);
    return path;
}

void FormUnderTest::Load(const std::string& path, bool design) {
    // A fresh runner, as a program that opens the saved file anew.
    m_runner = std::make_unique<host::FormRunner>();
    m_design = design;
    m_runner->Load(path, host::FormOptions{!design}, kType, kName);
    m_runner->PaintPending();
}

void FormUnderTest::ApplyTabStep(const Step& step) {
    using K = Step::Kind;
    auto collection = tabs();
    if (step.kind == K::TabAdd) {
        std::vector<Variant> args(3);
        if (step.flags & 1) args[0] = Variant(step.number);
        if (step.flags & 2) args[1] = Variant(step.key);
        if (step.flags & 4) args[2] = Variant(step.text);
        // Trailing arguments left out are absent, as a caller who stops early leaves them.
        while (!args.empty() && args.back().is_empty())
            args.pop_back();
        collection->Call("Add", args);
    } else if (step.kind == K::TabRemove) {
        collection->Call("Remove", {step.is_text ? Variant(step.key) : Variant(step.number)});
    } else if (step.kind == K::TabClear) {
        collection->Call("Clear", {});
    } else {
        auto tab = rt::CObj(collection->Call("Item", {Variant(step.number)}));
        if (step.kind == K::TabKey)
            tab->Let("Key", Variant(step.key));
        else
            tab->Let("Caption", Variant(step.text));
    }
}

void FormUnderTest::Apply(const Step& step) {
    using K = Step::Kind;
    using Mouse = host::FormRunner::MouseMessage;
    host::FormRunner& r = *m_runner;
    switch (step.kind) {
    case K::SetProperty:
        holder().Let(step.name, value_of(step));
        break;
    case K::TabAdd:
    case K::TabRemove:
    case K::TabClear:
    case K::TabKey:
    case K::TabCaption:
        ApplyTabStep(step);
        break;
    case K::Click: {
        const gdi::POINT at = r.ControlToForm(gdi::POINT{step.x, step.y});
        r.SendMouse(Mouse::Down, at, 1, 0);
        r.SendMouse(Mouse::Up, at, 1, 0);
        break;
    }
    case K::Key:
        r.SendKey(static_cast<user::UINT>(step.number), 0);
        break;
    case K::AccessKey:
        r.SendAccessKey(step.text[0]);
        break;
    case K::Focus:
        r.Focus();
        break;
    case K::Blur:
        r.Blur();
        break;
    case K::Resize:
        r.ResizeControl(step.x, step.y);
        break;
    case K::AddControl:
        if (!m_design) return; // only a designer drops controls
        r.form().AddHostControl(step.name, step.text, &holder(), r.ToUnits(step.x, true),
                                r.ToUnits(step.y, false), r.ToUnits(60, true), r.ToUnits(20, false));
        break;
    case K::DeleteControl:
        if (!m_design || !r.form().FindControl(step.text)) return;
        r.form().RemoveControl(step.text);
        break;
    case K::SaveLoad: {
        // As a program reopens what it saved: the file does not keep the active tab, so the
        // program sets it again, raising no events.
        const rt::Variant active = control()->Get("TabActive");
        const std::string path = Save();
        m_written = TakeSnapshot(*this);
        Load(path, step.number == 0);
        try {
            control()->Let("TabActive", active);
        } catch (const rt::AutomationError&) {
            // A tab that is gone stays gone; the loaded form keeps its first tab.
        }
        break;
    }
    }
    r.PaintPending();
}

} // namespace soak
