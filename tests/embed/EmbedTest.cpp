#include "support/Files.h"

#include <vntab/vntab.h>

#include <gtest/gtest.h>

#include <filesystem>

// The embedding library as a program uses it, through its public header and the shared library
// only: a form or a lone control on a surface, input, events, pixels, properties, saving.
namespace fs = std::filesystem;
using vntab::Form;
using vntab::Value;

namespace {

const std::string kPages = (fs::path(VNTAB_SOURCE_DIR) / "tests" / "apps" / "forms" / "pages.frm").string();

// pages.frm: the tab control stands at (8, 8) of the form, three headers 80 pixels wide along its
// top ("&General", "&Options", "&Fonts"); each page shows a swatch in its own colour at (48, 68) -
// (148, 98) of the form.
constexpr int kOffset = 8;
constexpr uint32_t kSwatch[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

uint32_t pixel(const vntab::Image& image, int x, int y) {
    return image.pixels[static_cast<size_t>(y * image.width + x)];
}

std::vector<std::string> names(const std::vector<vntab::Event>& events) {
    std::vector<std::string> out;
    for (const auto& e : events)
        out.push_back(e.name);
    return out;
}

void click(Form& form, int x, int y) {
    form.mouse_down(x, y);
    form.mouse_up(x, y);
}

class Embed : public ::testing::Test {
protected:
    support::TempFolder m_dir{"embed"};
};

} // namespace

TEST_F(Embed, AClickOnAHeaderSwitchesThePageAndRaisesItsEvents) {
    Form form = Form::open(kPages);
    EXPECT_EQ(form.width(), 336);
    EXPECT_EQ(form.height(), 216);
    EXPECT_EQ(pixel(form.pixels(), 98, 83), kSwatch[0]);

    click(form, 122 + kOffset, 12 + kOffset);
    EXPECT_EQ(form.get("TabActive"), Value(2));
    EXPECT_EQ(pixel(form.pixels(), 98, 83), kSwatch[1]);
    const auto events = form.take_events();
    EXPECT_EQ(names(events), (std::vector<std::string>{"MouseDown", "BeforeTabChanged", "AfterTabChanged",
                                                       "MouseUp", "Click"}));
    // MouseDown reports the button, the shift keys and the point.
    const vntab::Event& down = events.front();
    EXPECT_EQ(*down.arg("button"), Value(1));
    EXPECT_EQ(*down.arg("Shift"), Value(0));
    EXPECT_EQ(*down.arg("X"), Value(122.0)); // in the control's pixels
    EXPECT_EQ(down.arg("Cancel"), nullptr);
    EXPECT_TRUE(form.take_events().empty());

    // A double click as the window system sends it: press, release, the second press, release.
    click(form, 202 + kOffset, 12 + kOffset);
    form.double_click(202 + kOffset, 12 + kOffset);
    form.mouse_up(202 + kOffset, 12 + kOffset);
    EXPECT_EQ(form.get("TabActive"), Value(3));
    const auto again = names(form.events());
    ASSERT_GE(again.size(), 3u);
    // The second press is a double click, not a press, and its release is no click.
    EXPECT_EQ(std::vector<std::string>(again.end() - 3, again.end()),
              (std::vector<std::string>{"Click", "DblClick", "MouseUp"}));
}

TEST_F(Embed, AHandlerCancelsATabChangeAndSeesItsArgumentsKept) {
    Form form = Form::open(kPages);
    int heard = 0;
    form.on_event([&](vntab::Event& e) {
        if (e.name != "BeforeTabChanged") return;
        ++heard;
        *e.arg("Cancel") = true;
    });
    click(form, 122 + kOffset, 12 + kOffset);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(form.get("TabActive"), Value(1));
    EXPECT_EQ(pixel(form.pixels(), 98, 83), kSwatch[0]);
    const auto events = form.events();
    const auto before =
        std::find_if(events.begin(), events.end(), [](auto& e) { return e.name == "BeforeTabChanged"; });
    ASSERT_NE(before, events.end());
    EXPECT_EQ(*before->arg("cancel"), Value(true));
    EXPECT_EQ(names(events).size(), 4u) << "no AfterTabChanged";

    form.on_event(nullptr);
    click(form, 122 + kOffset, 12 + kOffset);
    EXPECT_EQ(form.get("TabActive"), Value(2));
}

TEST_F(Embed, KeysReachTheFocusAndAccessKeysTheForm) {
    Form form = Form::open(kPages);
    // No window has the focus: Alt with a letter still reaches the form, which hands it on.
    form.key('O', vntab::AltKey);
    EXPECT_EQ(form.get("TabActive"), Value(2));
    form.focus();
    form.key(vntab::keys::Right);
    EXPECT_EQ(form.get("TabActive"), Value(3));
    EXPECT_EQ(pixel(form.pixels(), 98, 83), kSwatch[2]);
    form.key(vntab::keys::Right); // past the last tab: the first again
    EXPECT_EQ(form.get("TabActive"), Value(1));
    form.blur();
    form.key(vntab::keys::Left); // the form has the focus now, not the control
    EXPECT_EQ(form.get("TabActive"), Value(1));
}

TEST_F(Embed, ALoneControlFillsItsSurfaceAndFollowsItsSize) {
    Form form = Form::lone_control(240, 120);
    EXPECT_EQ(form.get("TabCount"), Value(1));
    vntab::Image image = form.pixels();
    EXPECT_EQ(image.width, 240);
    EXPECT_EQ(image.height, 120);
    EXPECT_EQ(image.pixels.size(), 240u * 120u);

    form.resize(300, 90);
    EXPECT_EQ(form.width(), 300);
    EXPECT_EQ(form.height(), 90);
    EXPECT_EQ(form.get("Width"), Value(300.0 * 15));
    EXPECT_EQ(form.get("Height"), Value(90.0 * 15));
    image = form.pixels();
    EXPECT_EQ(image.width, 300);
    // The control's panel edge reaches the surface's bottom right corner.
    EXPECT_NE(pixel(image, 299, 89), pixel(image, 150, 60));

    // A form keeps its controls where they are when it grows.
    Form pages = Form::open(kPages);
    pages.resize(400, 300);
    EXPECT_EQ(pages.get("Width"), Value(4800.0));
    EXPECT_EQ(pixel(pages.pixels(), 390, 290), 0xFFC0C0C0) << "the form's own background";
}

TEST_F(Embed, PropertiesOfTheControlAndItsTabsByName) {
    Form form = Form::lone_control(320, 160);
    form.set("TabCount", 3);
    form.set_tab(2, "Caption", std::string("Caf\xC3\xA9"));
    EXPECT_EQ(form.get_tab(2, "Caption"), Value(std::string("Caf\xC3\xA9")));
    const vntab::Image before = form.pixels();
    form.set("TabActive", 3);
    EXPECT_EQ(form.get("TabActive"), Value(3));
    EXPECT_NE(form.pixels().pixels, before.pixels);
    form.call("Refresh");
    // A program that sets TabActive hears of no tab change: only the user's changes raise events.
    EXPECT_TRUE(form.take_events().empty());
}

TEST_F(Embed, RefusalsComeBackAsErrorsWithTheirNumbers) {
    Form form = Form::open(kPages);
    auto number = [&](auto work) {
        try {
            work();
        } catch (const vntab::Error& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(number([&] { form.set("TabActive", 9); }), 380);
    EXPECT_EQ(number([&] { form.get("NoSuchProperty"); }), 438);
    EXPECT_EQ(number([&] { form.set("TabActive", std::string("two")); }), 13);
    EXPECT_EQ(number([&] { form.set_tab(7, "Caption", std::string("x")); }),
              static_cast<int32_t>(0x8004041D));
    EXPECT_EQ(number([&] { form.select_control("Nothing"); }), 5);
    EXPECT_EQ(number([&] { form.add_tab_control("VNTabCtl1", 0, 0, 10, 10); }), 5);
    EXPECT_EQ(number([&] { Form::empty(10, 10).get("TabActive"); }), 5);
    EXPECT_EQ(form.get("TabActive"), Value(1)) << "nothing changed";

    EXPECT_TRUE(form.problems().empty());
    const std::string odd =
        m_dir.Write("odd.frm", "VERSION 1.0\nBegin Form F\n   Begin VNTabCtl T\n      Width = 1500\n"
                               "      Height = 900\n      Sparkle = 3\n   End\nEnd\n");
    const auto problems = Form::open(odd).problems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("Sparkle"), std::string::npos) << problems[0];

    EXPECT_THROW(Form::open((m_dir / "missing.frm")), vntab::FileError);
    const std::string broken = m_dir.Write("broken.frm", "VERSION 1.0\nBegin Form F\n   Caption = \"x\n");
    try {
        Form::open(broken);
        ADD_FAILURE() << "a broken form opened";
    } catch (const vntab::FileError& e) {
        EXPECT_EQ(e.path(), broken);
        EXPECT_EQ(e.line(), 3);
    }
    // A value that stops the load refuses the whole form, naming its line.
    const std::string stopped = m_dir.Write(
        "stopped.frm", "VERSION 1.0\nBegin Form F\n   Begin VNTabCtl T\n      Left = \"far\"\n   End\nEnd\n");
    try {
        Form::open(stopped);
        ADD_FAILURE() << "a form that stopped loading opened";
    } catch (const vntab::FileError& e) {
        EXPECT_EQ(e.line(), 4) << e.what();
    }
    EXPECT_THROW(form.save(m_dir / "no-such-folder/x.frm"), vntab::FileError);
    EXPECT_THROW(form.write_png(m_dir / "no-such-folder/x.png"), vntab::FileError);
}

TEST_F(Embed, ASavedFormOpensAgainAsItWasShown) {
    Form form = Form::lone_control(280, 140);
    form.set("TabCount", 4);
    form.set_tab(3, "Caption", std::string("&Third"));
    form.set("TabActive", 3);
    const vntab::Image shown = form.pixels();
    const std::string path = m_dir / "lone.frm";
    form.save(path);
    EXPECT_EQ(form.pixels().pixels, shown.pixels) << "saving changes nothing on screen";

    // The active tab is not among what the control saves: the form opens on its first tab.
    Form again = Form::open(path, {"", true});
    EXPECT_EQ(again.get("TabActive"), Value(1));
    EXPECT_EQ(again.get_tab(3, "Caption"), Value(std::string("&Third")));
    again.set("TabActive", 3);
    EXPECT_EQ(again.pixels().pixels, shown.pixels);
    again.resize(300, 150); // still a lone control that fills its surface
    EXPECT_EQ(again.get("Width"), Value(300.0 * 15));

    // The controls of the shown page come back on the page they belong to.
    Form pages = Form::open(kPages);
    click(pages, 122 + kOffset, 12 + kOffset);
    pages.save(m_dir / "pages.frm");
    EXPECT_EQ(pixel(pages.pixels(), 98, 83), kSwatch[1]) << "the shown page stays on screen";
    pages.mouse_move(10, 100);
    EXPECT_EQ(pixel(pages.pixels(), 98, 83), kSwatch[1]);
    Form pages_again = Form::open(m_dir / "pages.frm");
    EXPECT_EQ(pixel(pages_again.pixels(), 98, 83), kSwatch[0]);
    click(pages_again, 122 + kOffset, 12 + kOffset);
    EXPECT_EQ(pixel(pages_again.pixels(), 98, 83), kSwatch[1]);
}

TEST_F(Embed, AnEmptyFormTakesTabControlsWhereTheProgramPutsThem) {
    Form form = Form::empty(300, 200);
    EXPECT_EQ(form.pixels().pixels, std::vector<uint32_t>(300 * 200, 0xFFC0C0C0));
    form.add_tab_control("Tabs", 20, 30, 200, 120);
    form.set("TabCount", 2);
    form.add_tab_control("More", 230, 30, 60, 60);
    form.select_control("Tabs");
    EXPECT_EQ(form.get("TabCount"), Value(2));
    EXPECT_EQ(form.get("Left"), Value(20.0 * 15));
    const vntab::Image image = form.pixels();
    EXPECT_EQ(pixel(image, 10, 10), 0xFFC0C0C0u);
    EXPECT_NE(pixel(image, 20, 150 - 1), 0xFFC0C0C0u) << "the control's panel edge";
    const std::string png = m_dir / "empty.png";
    form.write_png(png);
    EXPECT_GT(fs::file_size(png), 100u);

    Form moved = std::move(form);
    EXPECT_EQ(moved.get("TabCount"), Value(2));
    EXPECT_STREQ(vntab::version(), VNTAB_VERSION_STRING);
}
