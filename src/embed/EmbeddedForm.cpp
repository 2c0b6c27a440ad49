#include "Values.h"

#include "control/Registration.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Png.h"
#include "platform/user/Input.h"
#include "platform/user/WindowGeometry.h"
#include "platform/user/WindowTree.h"

namespace vntab {

namespace {

constexpr std::string_view kTabControl = "VNTabCtl";

// A form runs in user mode: the program's user clicks and types, nobody designs it.
const host::FormOptions kRunning{true};

std::shared_ptr<rt::Dispatch> tab_object(host::ActiveXHolder& control, int index) {
    auto tabs = rt::CObj(control.object()->Get("Tabs"));
    const rt::Variant args[] = {rt::Variant(int32_t{index})};
    return rt::CObj(tabs->Call("Item", args));
}

} // namespace

struct Form::Impl {
    host::FormRunner runner;
    bool control_fills = false;

    host::ActiveXHolder& control() const {
        host::ActiveXHolder* holder = runner.holder().get();
        if (!holder) rt::raise_error(rt::kErrInvalidProcedureCall, "Form", "The form has no tab control");
        return *holder;
    }
    // A filling control takes the whole client area.
    void Fill() {
        if (!control_fills || !runner.holder()) return;
        gdi::RECT client{};
        user::GetClientRect(runner.form().hwnd(), &client);
        control().Move(0, 0, runner.ToUnits(client.right, true), runner.ToUnits(client.bottom, false));
        runner.PaintPending();
    }
    // Saving leaves each tab control as its file will be read: every tab's controls out of view and
    // its painting suspended until the form is loaded again. So the form is read back from what
    // was written, and what the file does not keep is set again: the control the program works
    // with and each tab control's active tab (set as a program sets it, raising no events).
    void Reopen(const std::string& path) {
        const std::string driven = runner.holder() ? runner.holder()->KeyName() : std::string();
        std::vector<std::pair<std::string, rt::Variant>> active;
        for (const auto& holder : runner.form().ActiveXControls())
            if (rt::EqualsText(holder->TypeName(), kTabControl))
                active.emplace_back(holder->KeyName(), holder->Get("TabActive"));
        Load(path, driven);
        for (const auto& [name, tab] : active)
            if (auto control = runner.form().FindControl(name)) control->Let("TabActive", tab);
        runner.PaintPending();
        Fill();
    }
    // A form that an error stopped while it was read is refused whole, as a file that cannot be read.
    void Load(const std::string& path, const std::string& control) {
        runner.Load(path, kRunning, kTabControl, control);
        if (const auto& stop = runner.load_stop()) throw FileError(stop->file, stop->line, stop->what());
    }
    template <class Work>
    auto Guarded(Work&& work) -> decltype(work()) {
        return embed::Guarded(runner, std::forward<Work>(work));
    }
};

Form::Form(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Form::Form(Form&&) noexcept = default;
Form& Form::operator=(Form&&) noexcept = default;
Form::~Form() = default;

Form Form::open(const std::string& path, const OpenOptions& options) {
    RegisterVNTabCtl();
    auto impl = std::make_unique<Impl>();
    impl->control_fills = options.control_fills;
    impl->Guarded([&] {
        impl->Load(path, options.control);
        impl->Fill();
    });
    return Form(std::move(impl));
}

Form Form::empty(int width, int height) {
    RegisterVNTabCtl();
    auto impl = std::make_unique<Impl>();
    impl->Guarded([&] { impl->runner.CreateForm(width, height, kRunning); });
    return Form(std::move(impl));
}

Form Form::lone_control(int width, int height) {
    Form form = empty(width, height);
    form.add_tab_control("VNTabCtl1", 0, 0, width, height);
    form.m_impl->control_fills = true;
    return form;
}

void Form::add_tab_control(const std::string& name, int x, int y, int width, int height) {
    m_impl->Guarded([&] {
        m_impl->runner.AddControl(kTabControl, name, gdi::RECT{x, y, x + width, y + height});
    });
}

void Form::select_control(const std::string& name) {
    m_impl->Guarded([&] {
        m_impl->runner.Drive(name);
        m_impl->Fill();
    });
}

std::vector<std::string> Form::problems() const {
    const host::Form& form = m_impl->runner.form();
    std::vector<std::string> out(form.warnings());
    for (const auto& e : form.load_errors())
        out.push_back(e.message);
    return out;
}

int Form::width() const {
    gdi::RECT client{};
    user::GetClientRect(m_impl->runner.form().hwnd(), &client);
    return client.right;
}

int Form::height() const {
    gdi::RECT client{};
    user::GetClientRect(m_impl->runner.form().hwnd(), &client);
    return client.bottom;
}

void Form::resize(int width, int height) {
    m_impl->Guarded([&] {
        m_impl->runner.ResizeForm(width, height);
        m_impl->Fill();
    });
}

Image Form::pixels() const {
    return m_impl->Guarded([&] {
        Image image;
        gdi::HBITMAP bitmap = m_impl->runner.Snapshot(false);
        if (!bitmap) return image;
        const gdi::SurfaceView view = gdi::LockBitmap(bitmap);
        image.width = view.width;
        image.height = view.height;
        image.pixels.reserve(static_cast<size_t>(view.width) * static_cast<size_t>(view.height));
        for (int32_t y = 0; y < view.height; ++y) {
            const uint32_t* row = view.pixels + static_cast<ptrdiff_t>(y) * view.stride;
            for (int32_t x = 0; x < view.width; ++x)
                image.pixels.push_back(0xFF000000u | row[x]);
        }
        gdi::DeleteObject(bitmap);
        return image;
    });
}

void Form::write_png(const std::string& path) const {
    m_impl->Guarded([&] {
        gdi::HBITMAP bitmap = m_impl->runner.Snapshot(false);
        std::string error = "the form has no area to show";
        const bool written = bitmap && gdi::WritePng(bitmap, path, &error);
        if (bitmap) gdi::DeleteObject(bitmap);
        if (!written) throw FileError(path, 0, error);
    });
}

void Form::mouse_move(int x, int y, unsigned buttons_held, unsigned modifiers) {
    m_impl->Guarded([&] {
        m_impl->runner.SendMouse(host::FormRunner::MouseMessage::Move, gdi::POINT{x, y},
                                 static_cast<int>(buttons_held), static_cast<int>(modifiers));
    });
}

void Form::mouse_down(int x, int y, MouseButton button, unsigned modifiers) {
    m_impl->Guarded([&] {
        m_impl->runner.SendMouse(host::FormRunner::MouseMessage::Down, gdi::POINT{x, y},
                                 static_cast<int>(button), static_cast<int>(modifiers));
    });
}

void Form::mouse_up(int x, int y, MouseButton button, unsigned modifiers) {
    m_impl->Guarded([&] {
        m_impl->runner.SendMouse(host::FormRunner::MouseMessage::Up, gdi::POINT{x, y},
                                 static_cast<int>(button), static_cast<int>(modifiers));
    });
}

void Form::double_click(int x, int y, unsigned modifiers) {
    m_impl->Guarded([&] {
        m_impl->runner.SendMouse(host::FormRunner::MouseMessage::DoubleClick, gdi::POINT{x, y},
                                 static_cast<int>(MouseButton::Left), static_cast<int>(modifiers));
    });
}

void Form::key(int key_code, unsigned modifiers) {
    m_impl->Guarded([&] {
        // Keys go to the focus window of this form; when the focus is elsewhere, the form takes it,
        // as the active window gets the keys that no window of it has claimed.
        const user::HWND form = m_impl->runner.form().hwnd();
        const user::HWND focus = user::GetFocus();
        if (focus != form && !user::IsChild(form, focus)) m_impl->runner.Blur();
        m_impl->runner.SendKey(static_cast<user::UINT>(key_code), static_cast<int>(modifiers));
    });
}

void Form::focus() {
    m_impl->Guarded([&] { m_impl->runner.Focus(); });
}

void Form::blur() {
    m_impl->Guarded([&] { m_impl->runner.Blur(); });
}

void Form::on_event(std::function<void(Event&)> handler) {
    if (!handler) {
        m_impl->runner.SetEventHandler(nullptr);
        return;
    }
    // The handler sees the arguments as public values; those it changed go back to the control,
    // the others (objects among them) stay as they were.
    m_impl->runner.SetEventHandler(
        [handler = std::move(handler)](std::string_view name, std::span<host::EventArg> args) {
            Event event{std::string(name), {}};
            for (const host::EventArg& a : args)
                event.args.emplace_back(std::string(a.name), embed::ToValue(a.value));
            const Event raised = event;
            handler(event);
            for (size_t i = 0; i < args.size() && i < event.args.size(); ++i)
                if (event.args[i].second != raised.args[i].second)
                    args[i].value = embed::ToVariant(event.args[i].second);
        });
}

std::vector<Event> Form::events() const {
    std::vector<Event> out;
    for (const auto& e : m_impl->runner.events())
        out.push_back(embed::ToEvent(e));
    return out;
}

std::vector<Event> Form::take_events() {
    std::vector<Event> out;
    for (const auto& e : m_impl->runner.TakeEvents())
        out.push_back(embed::ToEvent(e));
    return out;
}

Value Form::get(std::string_view property) const {
    return m_impl->Guarded([&] { return embed::ToValue(m_impl->control().Get(property)); });
}

void Form::set(std::string_view property, const Value& value) {
    m_impl->Guarded([&] {
        m_impl->control().Let(property, embed::ToVariant(value));
        m_impl->runner.PaintPending();
    });
}

Value Form::get_tab(int index, std::string_view property) const {
    return m_impl->Guarded(
        [&] { return embed::ToValue(tab_object(m_impl->control(), index)->Get(property)); });
}

void Form::set_tab(int index, std::string_view property, const Value& value) {
    m_impl->Guarded([&] {
        tab_object(m_impl->control(), index)->Let(property, embed::ToVariant(value));
        m_impl->runner.PaintPending();
    });
}

void Form::call(std::string_view method) {
    m_impl->Guarded([&] {
        m_impl->control().Call(method, std::span<const rt::Variant>());
        m_impl->runner.PaintPending();
    });
}

void Form::save(const std::string& path) {
    m_impl->Guarded([&] {
        m_impl->runner.Save(path);
        m_impl->Reopen(path);
    });
}

} // namespace vntab
