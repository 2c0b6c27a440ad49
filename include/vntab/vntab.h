#pragma once

// vntab: the multi-row tab control and the forms that hold it, in a program of your own.
//
// A vntab::Form is a form running on a surface that your program shows: a form file, an empty
// form, or a lone tab control that fills the surface. Your program hands it the user's mouse, keys
// and size changes, shows its pixels wherever it likes, hears its events (and may answer them: a
// handler that sets Cancel keeps the current tab), sets the tab control's properties by name and
// saves the form to a form file.
//
//     vntab::Form form = vntab::Form::open("settings.frm");
//     form.on_event([](vntab::Event& e) { if (e.name == "BeforeTabChanged") *e.arg("Cancel") = true; });
//     form.mouse_down(x, y);
//     form.mouse_up(x, y);
//     vntab::Image picture = form.pixels();
//
// A form belongs to the thread that made it: make, use and destroy it there. Errors are thrown:
// vntab::Error for what the control or the form refused, vntab::FileError for a file that cannot
// be read or written as a form.

#include <vntab/version.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#define VNTAB_API __attribute__((visibility("default")))

namespace vntab {

// The version of the library the program runs with ("1.0.1"); VNTAB_VERSION_STRING is the one it
// was built against.
VNTAB_API const char* version();

// A property value or event argument: empty, a boolean, a whole number, a number with a fraction
// or a text (UTF-8). An object (a font, a picture, an OLE data object) reads as empty.
using Value = std::variant<std::monostate, bool, std::int32_t, double, std::string>;

// What the control or the form refused, with the automation error number: 380 an invalid property
// value, 438 no such property, 13 a type mismatch, 5 an invalid call, 6 an overflow, ...
class VNTAB_API Error : public std::runtime_error {
public:
    Error(std::int32_t number, const std::string& description, std::string source);
    ~Error() override;
    std::int32_t number() const noexcept { return m_number; }
    const std::string& source() const noexcept { return m_source; }

private:
    std::int32_t m_number;
    std::string m_source;
};

// A file that cannot be read or written as a form (or a picture that cannot be written); what()
// names the file, the line when one is to blame, and what is wrong.
class VNTAB_API FileError : public std::runtime_error {
public:
    FileError(std::string path, int line, const std::string& what);
    ~FileError() override;
    const std::string& path() const noexcept { return m_path; }
    int line() const noexcept { return m_line; } // 0 when no line is to blame

private:
    std::string m_path;
    int m_line;
};

// An event the tab control raised ("BeforeTabChanged", "AfterTabChanged", "Click", "MouseDown",
// ...) with its arguments in order. A handler may change the arguments that the control reads
// back (Cancel of BeforeTabChanged, KeyCode of KeyDown, KeyAscii of KeyPress).
struct Event {
    std::string name;
    std::vector<std::pair<std::string, Value>> args;

    // The argument of that name (letter case aside), or null.
    Value* arg(std::string_view arg_name) { return find(args, arg_name); }
    const Value* arg(std::string_view arg_name) const { return find(args, arg_name); }

private:
    template <class Args>
    static auto find(Args& all, std::string_view wanted) -> decltype(&all.front().second) {
        for (auto& [name, value] : all)
            if (std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) ==
                           std::tolower(static_cast<unsigned char>(b));
                }))
                return &value;
        return nullptr;
    }
};

// A picture of the surface: 0xAARRGGBB pixels (alpha always 0xFF), rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// The shift keys held with mouse and key input, as the control's events report them in Shift.
enum Modifier : unsigned { NoModifier = 0, ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// The platform's key codes of the keys the tab control answers to; a letter or digit key is its
// upper-case character ('G', '7').
namespace keys {
constexpr int Tab = 0x09, Enter = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
} // namespace keys

struct OpenOptions {
    // The tab control that the calls below work on: the one of that name, or the form's first.
    std::string control;
    // The control fills the surface and follows its size (a form file saved from a lone control).
    bool control_fills = false;
};

class VNTAB_API Form {
public:
    // A form file, running; pictures are found beside it. FileError when it cannot be read.
    static Form open(const std::string& path, const OpenOptions& options = {});
    // A new form without controls whose client area is width x height pixels.
    static Form empty(int width, int height);
    // A new tab control with its defaults, alone on a width x height surface that it fills.
    static Form lone_control(int width, int height);

    Form(Form&&) noexcept;
    Form& operator=(Form&&) noexcept;
    ~Form();

    // A new tab control with its defaults at (x, y) on the form, width x height pixels; the calls
    // below work on it from now on. Error 5 when a control has that name already.
    void add_tab_control(const std::string& name, int x, int y, int width, int height);
    // The calls below work on the tab control of that name from now on; Error 5 when there is none.
    void select_control(const std::string& name);
    // What the form noted while it was read and first shown, one line each: keys that nothing
    // reads (kept for saving), a control that raised an error when first sized (it still runs).
    std::vector<std::string> problems() const;

    // The surface, in pixels.
    int width() const;
    int height() const;
    // The host's surface has a new size: the form's client area takes it (and a filling control).
    void resize(int width, int height);
    Image pixels() const;
    // Writes pixels() to a PNG file; FileError when it cannot.
    void write_png(const std::string& path) const;

    // The user's input at surface pixels, as the window system delivers it: a press gives the
    // control the focus, and a press and release of the left button on it is a click.
    void mouse_move(int x, int y, unsigned buttons_held = 0, unsigned modifiers = NoModifier);
    void mouse_down(int x, int y, MouseButton button = MouseButton::Left, unsigned modifiers = NoModifier);
    void mouse_up(int x, int y, MouseButton button = MouseButton::Left, unsigned modifiers = NoModifier);
    // The second press of the left button in a double click (in place of mouse_down).
    void double_click(int x, int y, unsigned modifiers = NoModifier);
    // A key stroke (down, the character it types, up) to the form's window with the focus, the form
    // itself when none has it; with AltKey a letter is an access key ("&General" answers Alt+G).
    void key(int key_code, unsigned modifiers = NoModifier);
    // The tab control gets the keyboard focus; blur gives it to the form.
    void focus();
    void blur();

    // The handler hears every event of the tab control as it is raised; events() lists them
    // afterwards, as the handler left them, until take_events() takes them.
    void on_event(std::function<void(Event&)> handler);
    std::vector<Event> events() const;
    std::vector<Event> take_events();

    // The tab control's properties and methods by name ("TabActive", "TabCount", "TabStyle",
    // "Refresh"); a tab's properties by its 1-based index ("Caption", "Key", "BackColor").
    Value get(std::string_view property) const;
    void set(std::string_view property, const Value& value);
    Value get_tab(int index, std::string_view property) const;
    void set_tab(int index, std::string_view property, const Value& value);
    void call(std::string_view method);

    // Saves the form, its controls and their properties as a form file: the previous file stays
    // whole until the new one is complete. FileError when it cannot be written. The form then goes
    // on from the file it was saved to (pictures are found beside it), each tab control on the tab
    // it showed.
    void save(const std::string& path);

private:
    struct Impl;
    explicit Form(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace vntab
