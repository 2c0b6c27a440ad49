#include "platform/host/Form.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormReader.h"
#include "platform/host/FormSite.h"
#include "platform/host/FormWriter.h"
#include "platform/host/ScriptedDialogs.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowGeometry.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace host;
using rt::Variant;

namespace {

// A small hosted control: it reads two properties and a font, writes them back, and remembers
// what the container asked of it.
class Gauge final : public rt::Dispatch, public ActiveXControl {
public:
    explicit Gauge(host::ControlSite& site) : m_site(site) {}
    std::shared_ptr<rt::Dispatch> Object() override {
        return std::static_pointer_cast<rt::Dispatch>(m_self.lock());
    }
    std::string TypeName() const override { return "Gauge"; }
    Variant Get(std::string_view name) override {
        if (rt::member_name_equals(name, "Level")) return Variant(level);
        rt::raise_member_not_found();
    }
    void Let(std::string_view name, const Variant& v) override {
        if (!rt::member_name_equals(name, "Level")) rt::raise_member_not_found();
        level = rt::CInt(v);
        m_site.PropertyChanged("Level");
    }
    void InitProperties() override { initialised = true; }
    void ReadProperties(PropertyBag& bag) override {
        level = rt::CInt(bag.ReadProperty("Level", Variant(int16_t{5})));
        label = rt::CStr(bag.ReadProperty("Label", Variant("")));
        font = std::dynamic_pointer_cast<rt::StdFont>(
            rt::CObj(bag.ReadProperty("LabelFont", Variant(m_site.AmbientFont()))));
        // A level beyond the dial is kept, as a control keeps what its set would refuse.
        if (level > 100) m_site.ReportSavedValue("Level", std::to_string(level) + " is past the dial");
    }
    void WriteProperties(PropertyBag& bag) override {
        bag.WriteProperty("Level", Variant(level), Variant(int16_t{5}));
        bag.WriteProperty("LabelFont", Variant(font), Variant(m_site.ParentFont()));
        bag.WriteProperty("Label", Variant(label), Variant(""));
    }
    // A gauge below zero cannot be drawn at any size.
    void Resize() override {
        ++resizes;
        if (level < 0) rt::raise_error(rt::kErrOverflow, "Gauge");
    }
    void AccessKeyPress(int16_t key) override { access_keys_pressed.push_back(key); }
    void Terminate() override { terminated = true; }

    std::weak_ptr<Gauge> m_self;
    host::ControlSite& m_site;
    int16_t level = 0;
    std::string label;
    std::shared_ptr<rt::StdFont> font;
    bool initialised = false;
    bool terminated = false;
    int resizes = 0;
    std::vector<int16_t> access_keys_pressed;
};

struct RegisterGauge {
    RegisterGauge() {
        RegisterControlType("Gauge", [](host::ControlSite& site) {
            auto g = std::make_shared<Gauge>(site);
            g->m_self = g;
            return std::static_pointer_cast<ActiveXControl>(g);
        });
    }
};

const char* kForm = "VERSION 1.0\n"
                    "Begin Form Form1\n"
                    "   Caption         =   \"Gauges\"\n"
                    "   ScaleMode       =   1\n"
                    "   ClientWidth     =   7200\n"
                    "   ClientHeight    =   5400\n"
                    "   BeginProperty Font\n"
                    "      Name            =   \"Arial\"\n"
                    "      Size            =   9.75\n"
                    "      Charset         =   0\n"
                    "      Weight          =   700\n"
                    "      Underline       =   0   'False\n"
                    "      Italic          =   0   'False\n"
                    "      Strikethrough   =   0   'False\n"
                    "   EndProperty\n"
                    "   Begin Gauge Gauge1\n"
                    "      Left            =   120\n"
                    "      Top             =   150\n"
                    "      Width           =   3000\n"
                    "      Height          =   1500\n"
                    "      Level           =   7\n"
                    "      Label           =   \"Fuel\"\n"
                    "      Mystery         =   42\n"
                    "      Begin TextBox Text1\n"
                    "         Index           =   2\n"
                    "         Left            =   360\n"
                    "         Top             =   720\n"
                    "         Width           =   1800\n"
                    "         Height          =   300\n"
                    "         Text            =   \"abc\"\n"
                    "      End\n"
                    "      Begin Frame Frame1\n"
                    "         Left            =   0\n"
                    "         Top             =   0\n"
                    "         Width           =   900\n"
                    "         Height          =   900\n"
                    "         Begin Line Line1\n"
                    "            X1              =   10\n"
                    "            Y1              =   20\n"
                    "            X2              =   300\n"
                    "            Y2              =   20\n"
                    "         End\n"
                    "      End\n"
                    "   End\n"
                    "End\n";

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        static RegisterGauge once;
        gdi::SetLogicalDpi(96);
    }
    void TearDown() override { gdi::SetLogicalDpi(96); }
    std::shared_ptr<Form> load(const std::string& text, bool user_mode = true) {
        return FormFromDocument(ParseForm(text, "gauges.frm"), "gauges.frm", FormOptions{user_mode});
    }
    static Gauge& gauge(const Form& f) { return dynamic_cast<Gauge&>(f.ActiveXControls().at(0)->control()); }
};

} // namespace

TEST_F(FormTest, LoadsControlsWithTheirPropertiesAndHostsTheActiveXControl) {
    auto form = load(kForm);
    EXPECT_EQ(form->properties().Caption(), "Gauges");
    EXPECT_EQ(form->properties().Font()->Name(), "Arial");
    EXPECT_TRUE(form->properties().Font()->Bold());
    EXPECT_EQ(gauge(*form).level, 7);
    EXPECT_EQ(gauge(*form).label, "Fuel");
    // The control asked for its font with the ambient font as default: it gets the form's.
    EXPECT_EQ(gauge(*form).font, form->properties().Font());

    auto text = form->FindControl("Text1(2)");
    ASSERT_TRUE(text);
    EXPECT_EQ(rt::CStr(text->Get("Text")), "abc");
    EXPECT_EQ(rt::CInt(text->Get("Index")), 2);
    EXPECT_EQ(text->TypeName(), "TextBox");
    EXPECT_TRUE(rt::CBool(text->Get("TabStop")));

    auto line = form->FindControl("Line1");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->container()->Name(), "Frame1");
    EXPECT_EQ(line->container()->container()->Name(), "Gauge1");

    // The extender answers for the container; the rest goes to the control.
    auto holder = form->ActiveXControls().at(0);
    EXPECT_EQ(rt::CDbl(holder->Get("Left")), 120.0);
    EXPECT_EQ(rt::CInt(holder->Get("Level")), 7);
    EXPECT_EQ(holder->PixelBounds(), (gdi::RECT{8, 10, 208, 110}));
    EXPECT_EQ(holder->site().ContainedControls().size(), 2u);
}

TEST_F(FormTest, MissingMembersRaiseTheRuntimesErrors) {
    auto form = load(kForm);
    auto line = form->FindControl("Line1");
    auto frame = form->FindControl("Frame1");
    EXPECT_EQ(error_number([&] { line->Get("Left"); }), 438);
    EXPECT_EQ(error_number([&] { frame->Get("TabStop"); }), 438);
    EXPECT_EQ(error_number([&] { frame->Get("Index"); }), 343);
    EXPECT_EQ(error_number([&] { line->Let("X1", Variant("wide")); }), 13);
    frame->Call("Move", {Variant(15), Variant(30)});
    EXPECT_EQ(rt::CDbl(frame->Get("Top")), 30.0);
    EXPECT_EQ(rt::CDbl(frame->Get("Width")), 900.0);
}

TEST_F(FormTest, SavingWritesTheSameFormBackKeepingUnknownKeysWithAWarning) {
    auto form = load(kForm);
    ASSERT_EQ(form->warnings().size(), 1u);
    EXPECT_EQ(form->warnings()[0], "gauges.frm:23: Gauge1 did not read Mystery; it is kept as it is");
    std::string saved = FormatForm(FormToDocument(*form, "gauges.frm"));
    EXPECT_NE(saved.find("Mystery         =   42"), std::string::npos);
    // Saving writes the same form back.
    const std::string& once = saved;
    auto again = load(once);
    EXPECT_EQ(FormatForm(FormToDocument(*again, "gauges.frm")), once);
    // The control's own keys come after the extender's, defaults left out.
    EXPECT_EQ(once.find("LabelFont"), std::string::npos);
    gauge(*again).level = 5;
    EXPECT_EQ(FormatForm(FormToDocument(*again, "gauges.frm")).find("Level"), std::string::npos);
}

TEST_F(FormTest, AValueTheRuntimeRefusesStopsTheLoadWithTheFormAsFarAsItGot) {
    const auto stopped = [&](const std::string& from, const std::string& to) -> FormLoadError {
        std::string bad = kForm;
        bad.replace(bad.find(from), from.size(), to);
        try {
            load(bad);
        } catch (const FormLoadError& e) {
            return e;
        }
        ADD_FAILURE() << "loaded " << to;
        return FormLoadError("", FormValueError(0, "", rt::AutomationError(0, "", "")), nullptr);
    };
    FormLoadError level = stopped("Level           =   7", "Level           =   \"high\"");
    EXPECT_STREQ(level.what(), "gauges.frm:21: Gauge1.Level: error 13: Type mismatch");
    EXPECT_EQ(level.error.number, 13);
    ASSERT_TRUE(level.form);
    // The gauge is on the form with what it read; what stands after it in the file is not.
    EXPECT_TRUE(level.form->FindControl("Gauge1"));
    EXPECT_FALSE(level.form->FindControl("Text1(2)"));

    FormLoadError left = stopped("Left            =   360", "Left            =   \"far\"");
    EXPECT_STREQ(left.what(), "gauges.frm:26: Text1(2).Left: error 13: Type mismatch");
    EXPECT_TRUE(left.form->FindControl("Text1(2)"));
    EXPECT_FALSE(left.form->FindControl("Frame1"));

    FormLoadError client = stopped("ClientWidth     =   7200", "ClientWidth     =   \"wide\"");
    EXPECT_STREQ(client.what(), "gauges.frm:5: ClientWidth: error 13: Type mismatch");
    EXPECT_TRUE(client.form->controls().empty());
    EXPECT_EQ(client.form->properties().Caption(), "Gauges");

    FormLoadError size = stopped("Size            =   9.75", "Size            =   \"big\"");
    EXPECT_STREQ(size.what(), "gauges.frm:9: Font.Size: error 13: Type mismatch");
}

TEST_F(FormTest, AFileThatIsNotAFormIsRefusedWithNothingLoaded) {
    std::string unknown = kForm;
    unknown.replace(unknown.find("Begin Line"), 10, "Begin Knob");
    try {
        load(unknown);
        FAIL();
    } catch (const FormLoadError&) {
        FAIL() << "a file that is not a form is not half loaded";
    } catch (const FormFileError& e) {
        EXPECT_STREQ(e.what(), "gauges.frm:37: expected a known control type, not Knob");
    }
    std::string twice = kForm;
    twice.replace(twice.find("Frame1"), 6, "Gauge1");
    try {
        load(twice);
        FAIL();
    } catch (const FormFileError& e) {
        EXPECT_STREQ(e.what(), "gauges.frm:32: a control named Gauge1 already exists");
    }
}

TEST_F(FormTest, ValuesOutOfRangeAreKeptWithAWarningAtTheirLine) {
    std::string odd = kForm;
    odd.replace(odd.find("ClientWidth     =   7200"), 24, "ClientWidth     =   0");
    odd.replace(odd.find("Level           =   7"), 21, "Level           =   250");
    odd.replace(odd.find("Height          =   1500"), 24, "Height          =   -1500");
    odd.replace(odd.find("Width           =   1800"), 24, "Width           =   -1800");
    auto form = load(odd);
    EXPECT_EQ(
        form->warnings(),
        (std::vector<std::string>{
            "gauges.frm:5: ClientWidth: 0 is out of range: the form would be 0 pixels wide at 96 DPI, and "
            "a form is 1 to 32768 pixels a side; it is kept as it is",
            "gauges.frm:21: Gauge1.Level: 250 is past the dial",
            "gauges.frm:23: Gauge1 did not read Mystery; it is kept as it is",
            "gauges.frm:20: Gauge1.Height: -1500 is out of range (0 or more); it is kept as it is",
            "gauges.frm:28: Text1(2).Width: -1800 is out of range (0 or more); it is kept as it is"}));
    EXPECT_EQ(gauge(*form).level, 250);
    EXPECT_EQ(rt::CDbl(form->FindControl("Text1(2)")->Get("Width")), -1800.0);

    std::string huge = kForm;
    huge.replace(huge.find("ClientHeight    =   5400"), 24, "ClientHeight    =   999999999");
    EXPECT_EQ(
        load(huge)->warnings().at(0),
        "gauges.frm:6: ClientHeight: 999999999 is out of range: the form would be 66666667 pixels high at 96 "
        "DPI, and a form is 1 to 32768 pixels a side; it is kept as it is");
    std::string wide = kForm;
    wide.replace(wide.find("ClientWidth     =   7200"), 24, "ClientWidth     =   450000");
    wide.replace(wide.find("ClientHeight    =   5400"), 24, "ClientHeight    =   450000");
    EXPECT_EQ(
        load(wide)->warnings().at(0),
        "gauges.frm:6: ClientHeight: 450000 is out of range: the form would be 30000 x 30000 pixels at 96 "
        "DPI, more than the 67108864 pixels a form can have; it is kept as it is");
}

TEST_F(FormTest, ScaleConversionsFollowTheDisplayResolution) {
    auto form = load(kForm);
    FormSite& site = form->ActiveXControls().at(0)->site();
    EXPECT_DOUBLE_EQ(site.ScaleX(750, host::vbTwips, host::vbPixels), 50.0);
    EXPECT_DOUBLE_EQ(site.ScaleY(1, host::vbPixels, host::vbTwips), 15.0);
    EXPECT_NEAR(site.ScaleX(847, host::vbHimetric, host::vbPixels), 32.01, 0.01);
    EXPECT_DOUBLE_EQ(site.ScaleY(72, host::vbPoints, host::vbPixels), 96.0);
    EXPECT_DOUBLE_EQ(site.ScaleX(1, host::vbInches, host::vbTwips), 1440.0);
    EXPECT_DOUBLE_EQ(site.ScaleX(10, host::vbUser, host::vbPixels), 10.0); // the control's own scale
    gdi::SetLogicalDpi(120);
    EXPECT_DOUBLE_EQ(site.ScaleX(1, host::vbPixels, host::vbTwips), 12.0);
    EXPECT_EQ(site.ScaleWidth(), 250.0);
    EXPECT_EQ(site.ContainerScaleMode(), 1);
}

TEST_F(FormTest, MessageBoxesGoToTheInstalledProvider) {
    auto form = load(kForm);
    FormSite& site = form->ActiveXControls().at(0)->site();
    EXPECT_THROW(site.MsgBox("x", 0, std::nullopt), user::NoDialogProvider);
    ScriptedDialogs dialogs;
    ScopedDialogProvider scope(dialogs);
    dialogs.QueueAnswer(user::IDCANCEL);
    EXPECT_EQ(site.MsgBox("Continue?", 33, "Kelmora"), 2);
    EXPECT_EQ(site.MsgBox("Note", 64, std::nullopt), 1);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].title, "Kelmora");
    EXPECT_FALSE(dialogs.shown()[0].answered_by_default);
    EXPECT_EQ(dialogs.shown()[1].title, "vntab");
    EXPECT_TRUE(dialogs.shown()[1].answered_by_default);
}

// A host with a person at a window hands the boxes no answer was queued for to its own provider,
// and every box is recorded either way.
TEST_F(FormTest, UnansweredBoxesGoToThePersonWhenTheHostHasOne) {
    struct Person final : user::DialogProvider {
        int MessageBox(user::HWND, std::string_view, std::string_view, uint32_t) override {
            ++asked;
            return user::IDNO;
        }
        std::optional<std::string> OpenFileName(user::HWND, std::string_view, std::string_view,
                                                std::string_view) override {
            return "chosen.ico";
        }
        std::optional<gdi::COLORREF> ChooseColor(user::HWND, gdi::COLORREF) override { return 0x123456; }
        int AboutBox(user::HWND, std::string_view, std::string_view, std::string_view) override {
            return user::IDCANCEL;
        }
        int asked = 0;
    } person;
    ScriptedDialogs dialogs;
    dialogs.AskWhenUnanswered(&person);
    dialogs.QueueAnswer(user::IDCANCEL);
    EXPECT_EQ(dialogs.MessageBox({}, "Sure?", "Kelmora", user::MB_YESNOCANCEL), user::IDCANCEL);
    EXPECT_EQ(dialogs.MessageBox({}, "Really?", "Kelmora", user::MB_YESNO), user::IDNO);
    EXPECT_EQ(person.asked, 1);
    EXPECT_EQ(dialogs.OpenFileName({}, "", "Open", ""), std::optional<std::string>("chosen.ico"));
    EXPECT_EQ(dialogs.ChooseColor({}, 0), std::optional<gdi::COLORREF>(0x123456));
    EXPECT_EQ(dialogs.AboutBox({}, "About", "VNTab", "1.0"), user::IDCANCEL);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_FALSE(dialogs.shown()[1].answered_by_default);
    EXPECT_EQ(dialogs.shown()[1].answer, user::IDNO);
    ASSERT_EQ(dialogs.dialogs().size(), 3u);
    EXPECT_EQ(dialogs.dialogs()[2].answer.as_integer(), user::IDCANCEL);
}

TEST_F(FormTest, ResizingTheClientAreaKeepsItsTwipsAndTheWindowTogether) {
    auto form = load(kForm);
    gdi::SetLogicalDpi(120); // 12 twips a pixel
    form->ResizeClient(333, 222);
    EXPECT_EQ(rt::CLng(form->Get("ClientWidth")), 3996);
    EXPECT_EQ(rt::CLng(form->Get("ClientHeight")), 2664);
    gdi::RECT client{};
    user::GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, 333);
    EXPECT_EQ(client.bottom, 222);
    EXPECT_EQ(form->properties().ClientPixelWidth(), 333);
}

TEST(ScriptedDialogsTest, EachDialogTakesTheFirstQueuedAnswerThatFitsIt) {
    ScriptedDialogs dialogs;
    dialogs.QueueColor(0x112233);
    dialogs.QueueCancel();
    dialogs.QueueFile("/pictures/a.bmp");
    dialogs.QueueAnswer(user::IDOK);
    // The file dialog passes over the colour and takes the plain cancel, which fits any dialog.
    EXPECT_EQ(dialogs.OpenFileName({}, "", "Pick", ""), std::nullopt);
    EXPECT_EQ(dialogs.MessageBox({}, "Sure?", "t", user::MB_OKCANCEL), user::IDOK);
    EXPECT_EQ(dialogs.ChooseColor({}, 0), gdi::COLORREF{0x112233});
    EXPECT_EQ(dialogs.OpenFileName({}, "", "", ""), "/pictures/a.bmp");
    // Nothing left: the dialogs are cancelled, the message box is answered OK by default.
    EXPECT_EQ(dialogs.ChooseColor({}, 0), std::nullopt);
    EXPECT_EQ(dialogs.MessageBox({}, "Note", "t", user::MB_OK), user::IDOK);
    EXPECT_FALSE(dialogs.shown()[0].answered_by_default);
    EXPECT_TRUE(dialogs.shown()[1].answered_by_default);
    std::vector<std::pair<std::string, Variant>> shown;
    for (const auto& d : dialogs.dialogs())
        shown.emplace_back(d.kind, d.answer);
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, Variant>>{{"file", Variant()},
                                                                   {"color", Variant(0x112233)},
                                                                   {"file", Variant("/pictures/a.bmp")},
                                                                   {"color", Variant()}}));
    EXPECT_EQ(dialogs.dialogs()[0].title, "Pick");
}

TEST_F(FormTest, NewControlsGetTheirDefaultsAndAreTerminatedWithTheForm) {
    auto form = Form::CreateNew("Form1", FormOptions{false});
    auto holder = form->AddActiveXControl("Gauge", "Gauge1", nullptr, 0, 0, 1500, 750);
    auto* g = &dynamic_cast<Gauge&>(holder->control());
    EXPECT_TRUE(g->initialised);
    holder->Let("Width", Variant(3000));
    EXPECT_EQ(g->resizes, 2); // placed after its defaults, then the new width
    std::shared_ptr<rt::Dispatch> keep = holder->object();
    holder.reset();
    form.reset();
    EXPECT_TRUE(dynamic_cast<Gauge&>(*keep).terminated);
}

TEST_F(FormTest, BuiltInControlsPaintWithinTheirPixelRectangles) {
    auto form = load(kForm);
    EXPECT_EQ(form->FindControl("Text1(2)")->PixelBounds(), (gdi::RECT{24, 48, 144, 68}));
    // A line spans the box of its two ends, both end pixels inside.
    EXPECT_EQ(form->FindControl("Line1")->PixelBounds(), (gdi::RECT{1, 1, 21, 2}));

    auto check = form->AddHostControl("CheckBox", "Check1", nullptr, 0, 0, 1500, 300);
    EXPECT_EQ(check->PixelBounds(), (gdi::RECT{0, 0, 100, 20}));
    gdi::HDC dc = gdi::CreateCompatibleDC({});
    gdi::HBITMAP surface = gdi::CreateBitmap32(100, 20, nullptr);
    gdi::HGDIOBJ old = gdi::SelectObject(dc, surface);
    check->PaintOn(dc);
    // The 13-pixel box is centred on the left: its sunken edge runs from row 3 down to row 15.
    EXPECT_EQ(gdi::GetPixel(dc, 0, 3), 0x808080u);
    EXPECT_EQ(gdi::GetPixel(dc, 0, 14), 0x808080u);
    EXPECT_EQ(gdi::GetPixel(dc, 1, 13), 0x000000u);
    EXPECT_EQ(gdi::GetPixel(dc, 12, 15), 0xFFFFFFu);
    EXPECT_EQ(gdi::GetPixel(dc, 13, 10), 0xC0C0C0u); // the control's face beside the box
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(surface);
    gdi::DeleteDC(dc);
}

TEST_F(FormTest, ControlWindowsAreErasedBeforeTheirFirstPaint) {
    auto form = load(kForm);
    user::PumpMessages();
    // The gauge draws nothing and has no BackColor: its window shows its class brush, the button
    // face, where a surface never drawn would be black.
    const gdi::HDC gauge_dc = user::GetDC(form->ActiveXControls().at(0)->hwnd());
    EXPECT_EQ(gdi::GetPixel(gauge_dc, 150, 80), 0xC0C0C0u);
    EXPECT_EQ(gdi::GetPixel(gauge_dc, 0, 0), 0xC0C0C0u);
    // A built-in control is erased in its own BackColor before it paints.
    auto text = std::dynamic_pointer_cast<HostControl>(form->FindControl("Text1(2)"));
    text->Let("BackColor", Variant(int32_t{0x0000FF}));
    EXPECT_EQ(user::SendMessageA(text->hwnd(), user::WM_ERASEBKGND,
                                 user::WPARAM(user::GetDC(text->hwnd()).value), 0),
              1);
    EXPECT_EQ(gdi::GetPixel(user::GetDC(text->hwnd()), 60, 10), 0x0000FFu);
}

TEST_F(FormTest, AnAccessKeyReachesTheControlAsItRegisteredTheKey) {
    auto form = load(kForm);
    form->ActiveXControls().at(0)->access_keys = "F&b";
    EXPECT_TRUE(form->HandleAccessKey('f'));
    EXPECT_TRUE(form->HandleAccessKey('B'));
    EXPECT_FALSE(form->HandleAccessKey('x'));
    // "&" marks a tab without an access key; it is no key itself.
    EXPECT_FALSE(form->HandleAccessKey('&'));
    EXPECT_EQ(gauge(*form).access_keys_pressed, (std::vector<int16_t>{'F', 'b'}));
}

TEST_F(FormTest, AControlThatRaisesWhenFirstSizedIsKeptAndItsErrorNoted) {
    std::string raising = kForm;
    raising.replace(raising.find("Level           =   7"), 21, "Level           =   -1");
    auto form = load(raising);
    ASSERT_EQ(form->load_errors().size(), 1u);
    EXPECT_EQ(form->load_errors()[0].control, "Gauge1");
    EXPECT_EQ(form->load_errors()[0].error.number, rt::kErrOverflow);
    // Said at the control's Begin line.
    EXPECT_EQ(form->load_errors()[0].message,
              "gauges.frm:16: Gauge1: error 6: " + form->load_errors()[0].error.description);
    EXPECT_EQ(gauge(*form).level, -1);
    EXPECT_TRUE(form->FindControl("Text1(2)"));
    EXPECT_TRUE(load(kForm)->load_errors().empty());
}
