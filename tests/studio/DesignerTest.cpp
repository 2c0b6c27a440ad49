#include "StudioFixture.h"

#include "Designer.h"

#include "platform/host/ActiveXHolder.h"
#include "platform/host/FormFile.h"
#include "support/Files.h"

#include <fstream>
#include <sstream>

// The designer's hand on showcase.frm in design mode: selecting, tab headers clicked through the
// control's message hook, moving and resizing by grips, drawing new controls, deleting.
using namespace studio_test;
using studio::Designer;

namespace {

class DesignerTest : public StudioTest {
protected:
    void SetUp() override {
        StudioTest::SetUp();
        document.SetDesignMode(true);
    }
    host::Form& form() { return document.form(); }
    gdi::RECT Bounds(const std::string& name) {
        return Designer::FormBounds(form(), *form().FindControl(name));
    }
    static gdi::POINT Centre(const gdi::RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    int TabActive() { return rt::CInt(form().FindControl("VNTabCtl1")->Get("TabActive")); }
    bool Drag(gdi::POINT from, gdi::POINT to) {
        designer.Press(form(), from);
        designer.Drag(form(), gdi::POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
        return designer.Release(form(), to);
    }
    // The tab control's header `tab` of the first row, in form pixels.
    static gdi::POINT Header(int tab) { return {HeaderX(tab), 8 + 34}; }

    Designer designer;
};

} // namespace

TEST_F(DesignerTest, AHeaderClickSwitchesTabsThroughTheHookAndSelectsTheControl) {
    ASSERT_FALSE(form().UserMode());
    EXPECT_FALSE(Drag(Header(2), Header(2)));
    EXPECT_EQ(designer.selected(), "VNTabCtl1");
    EXPECT_EQ(TabActive(), 2);
    EXPECT_NE(std::find_if(events.begin(), events.end(),
                           [](const std::string& e) { return e.rfind("AfterTabChanged", 0) == 0; }),
              events.end());
    // The designer keeps the mouse: the control raises no mouse events of its own.
    for (const std::string& e : events)
        EXPECT_EQ(e.rfind("Mouse", 0), std::string::npos) << e;
    // A click on the form outside every control selects the form.
    EXPECT_FALSE(Drag({476, 356}, {476, 356}));
    EXPECT_EQ(designer.selected(), "");
}

TEST_F(DesignerTest, AClickOnAContainedControlSelectsItAndKeepsTheTab) {
    // lblName (tab 1) and chkRows (tab 2) stand at the same place; only tab 1's is in view.
    const gdi::POINT label = Centre(Bounds("lblName"));
    EXPECT_EQ(Designer::ControlAt(form(), label)->KeyName(), "lblName");
    Drag(label, label);
    EXPECT_EQ(designer.selected(), "lblName");
    EXPECT_EQ(TabActive(), 1);
    Drag(Header(2), Header(2));
    EXPECT_EQ(Designer::ControlAt(form(), label)->KeyName(), "chkRows");
}

TEST_F(DesignerTest, DraggingMovesAndTheGripsResize) {
    const gdi::RECT before = Bounds("txtName");
    // Within the threshold a press only selects.
    EXPECT_FALSE(Drag(Centre(before), {Centre(before).x + 2, Centre(before).y + 1}));
    EXPECT_EQ(Bounds("txtName").left, before.left);
    EXPECT_TRUE(Drag(Centre(before), {Centre(before).x + 20, Centre(before).y + 10}));
    gdi::RECT moved = Bounds("txtName");
    EXPECT_EQ(moved.left, before.left + 20);
    EXPECT_EQ(moved.top, before.top + 10);
    EXPECT_EQ(moved.right - moved.left, before.right - before.left);
    // The bottom-right grip sizes it; the top-left corner stays.
    const gdi::RECT grip = Designer::GripRect(moved, Designer::Grip::BottomRight);
    const gdi::POINT at = Centre(grip);
    EXPECT_EQ(designer.GripAt(form(), at), Designer::Grip::BottomRight);
    EXPECT_TRUE(Drag(at, {at.x + 30, at.y + 5}));
    const gdi::RECT sized = Bounds("txtName");
    EXPECT_EQ(sized.left, moved.left);
    EXPECT_EQ(sized.right - sized.left, moved.right - moved.left + 30);
    EXPECT_EQ(sized.bottom - sized.top, moved.bottom - moved.top + 5);
    // The left grip dragged past the right edge leaves one pixel.
    const gdi::POINT left = Centre(Designer::GripRect(sized, Designer::Grip::Left));
    EXPECT_TRUE(Drag(left, {sized.right + 40, left.y}));
    EXPECT_EQ(Bounds("txtName").right - Bounds("txtName").left, 1);
}

TEST_F(DesignerTest, AControlDrawnOnAPanelJoinsTheActiveTabAndIsSavedInItsRecords) {
    Drag(Header(2), Header(2));
    designer.SetTool("TextBox");
    EXPECT_TRUE(Drag({60, 160}, {200, 184}));
    EXPECT_EQ(designer.selected(), "TextBox1");
    EXPECT_EQ(designer.tool(), "");
    auto drawn = form().FindControl("TextBox1");
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->container(), form().FindControl("VNTabCtl1").get());
    const gdi::RECT r = Bounds("TextBox1");
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 160);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 184);
    // A second one is named after the first; a click without a drag draws the usual size.
    designer.SetTool("TextBox");
    EXPECT_TRUE(Drag({60, 200}, {60, 200}));
    EXPECT_EQ(designer.selected(), "TextBox2");
    EXPECT_EQ(Bounds("TextBox2").right - Bounds("TextBox2").left, 100);

    support::TempFolder folder{"studio-designer"};
    const std::string path = folder / "drawn.frm";
    document.SaveAs(path);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("Tab2Control2Name =  \"TextBox1\""), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("Tab2CtlCount    =   3"), std::string::npos) << text.str();
}

TEST_F(DesignerTest, AControlDrawnOutsideEveryContainerStandsOnTheFormAndDeletes) {
    designer.SetTool("Label");
    EXPECT_TRUE(Drag({474, 354}, {479, 359}));
    auto label = form().FindControl("Label1");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->container(), nullptr);
    ASSERT_TRUE(designer.Rubber() == std::nullopt);
    EXPECT_TRUE(designer.DeleteSelected(form()));
    EXPECT_FALSE(form().FindControl("Label1"));
    EXPECT_FALSE(designer.DeleteSelected(form())); // the form itself is never deleted
}

TEST_F(DesignerTest, ANewFormTakesADrawnTabControlAndWhatIsDrawnOnItsPanel) {
    document.New();
    EXPECT_EQ(document.path(), "");
    EXPECT_FALSE(document.Modified());
    ASSERT_FALSE(form().UserMode()); // the mode chosen last
    designer.SetTool("VNTabCtl");
    EXPECT_TRUE(Drag({8, 8}, {300, 200}));
    EXPECT_EQ(designer.selected(), "VNTabCtl1");
    auto holder = std::dynamic_pointer_cast<host::ActiveXHolder>(form().FindControl("VNTabCtl1"));
    ASSERT_TRUE(holder && holder->object());
    EXPECT_EQ(Bounds("VNTabCtl1").right, 300);
    designer.SetTool("CheckBox");
    EXPECT_TRUE(Drag({40, 100}, {200, 124}));
    EXPECT_EQ(form().FindControl("CheckBox1")->container(), holder.get());
    EXPECT_TRUE(document.Modified());
}

TEST_F(DesignerTest, ChangesMadeInDesignModeStayWhenTheFormRunsAgain) {
    const gdi::RECT before = Bounds("txtName");
    Drag({before.left + 5, before.top + 5}, {before.left + 45, before.top + 5});
    document.NoteChange();
    document.SetDesignMode(false);
    EXPECT_TRUE(form().UserMode());
    EXPECT_EQ(Bounds("txtName").left, before.left + 40);
    EXPECT_TRUE(document.Modified());
}
