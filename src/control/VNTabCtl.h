#pragma once

#include "control/ControlProperty.h"
#include "control/RedrawRecord.h"
#include "layout/ControlView.h"
#include "platform/automation/Dispatch.h"
#include "platform/host/ActiveXControl.h"
#include "platform/host/ControlSite.h"
#include "tabs/TabsOwner.h"
#include "text/CRenderText.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace hook {
class VNMsgHook;
}

namespace vntab {

class VNTabs;

// The multi-row tab control. The container creates it with Create, then calls InitProperties (a
// new control) or ReadProperties (a saved one), and later Paint, WriteProperties and Terminate.
// From its first properties until Terminate it hooks its own window, so that the designer's clicks
// reach it and child windows coming and going keep the active tab's page in step.
// Its properties are reached by name through Dispatch or through the typed accessors below;
// lengths are exchanged in the container's scale units and stored in pixels. Every set validates
// first (error 380 and nothing changed), then stores, reports the change to the container and
// repaints what the change affects.
class VNTabCtl final : public rt::Dispatch,
                       public host::ActiveXControl,
                       public TabsOwner,
                       public ControlView {
public:
    // Creates the control for a site and runs its one-time initialisation.
    static std::shared_ptr<VNTabCtl> Create(host::ControlSite& site);
    explicit VNTabCtl(host::ControlSite& site);
    ~VNTabCtl() override = default;
    VNTabCtl(const VNTabCtl&) = delete;
    VNTabCtl& operator=(const VNTabCtl&) = delete;

    // The container's calls. The geometry the input handlers need (which header is under a point,
    // which tab a key moves to) lives in layout functions over the ControlView.
    std::shared_ptr<rt::Dispatch> Object() override { return shared_from_this(); }
    void InitProperties() override;
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void Paint() override;
    // Keeps the control at least one header (plus the active tab's inflation) wide and high, then
    // redraws.
    void Resize() override;
    void Terminate() override;

    // Input. Each is handed on to the host program as the event of the same name, its arguments by
    // reference; the control reads back what the handler left. A left-button press on a header
    // selects its tab (at once with the focus, else when the click completes or the focus comes);
    // the arrow keys step through the tabs and access keys jump to a tab.
    void MouseDown(int16_t button, int16_t shift, float x, float y) override;
    void MouseMove(int16_t button, int16_t shift, float x, float y) override;
    void MouseUp(int16_t button, int16_t shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(int16_t& key_code, int16_t shift) override;
    void KeyPress(int16_t& key_ascii) override;
    void KeyUp(int16_t& key_code, int16_t shift) override;
    void AccessKeyPress(int16_t key_ascii) override;
    // The focus rectangle follows the focus: both redraw.
    void GotFocus() override;
    void LostFocus() override;
    // OLE drag and drop: handed on to the host program and nothing else.
    void OLECompleteDrag(int32_t& effect) override;
    void OLEDragDrop(DataObject& data, int32_t& effect, int16_t& button, int16_t& shift, float& x,
                     float& y) override;
    void OLEDragOver(DataObject& data, int32_t& effect, int16_t& button, int16_t& shift, float& x, float& y,
                     int16_t& state) override;
    void OLEGiveFeedback(int32_t& effect, bool& default_cursors) override;
    void OLESetData(DataObject& data, int16_t& data_format) override;
    void OLEStartDrag(DataObject& data, int32_t& allowed_effects) override;

    // Properties. Lengths are in the container's scale units.
    int32_t BackColor() const { return m_state.BackColor; }
    void SetBackColor(int32_t color);
    bool Enabled() const { return m_state.Enabled; }
    void SetEnabled(bool enabled);
    int32_t FocusRectStyle() const { return m_state.FocusRectStyle; }
    void SetFocusRectStyle(int32_t style);
    int32_t hWnd() const;
    int32_t Orientation() const { return m_state.Orientation; }
    void SetOrientation(int32_t orientation);
    int32_t TabPictureAlign() const { return m_state.TabPictureAlign; }
    void SetTabPictureAlign(int32_t align);
    int16_t TabRows() const { return m_state.TabRows; }
    void SetTabRows(int16_t rows);
    int32_t Tab3DAppearance() const { return m_state.Tab3DAppearance; }
    void SetTab3DAppearance(int32_t appearance);
    int16_t TabActive() const override { return m_state.TabActive; }
    void SetTabActive(int16_t tab);
    int16_t TabActiveBevel() const;
    void SetTabActiveBevel(int16_t bevel);
    bool TabActiveBold() const { return m_state.TabActiveBold; }
    void SetTabActiveBold(bool bold);
    float TabActiveInflate() const;
    void SetTabActiveInflate(float inflate);
    int32_t TabCaptionAlign() const { return m_state.TabCaptionAlign; }
    void SetTabCaptionAlign(int32_t align);
    const std::shared_ptr<rt::StdFont>& TabCaptionFont() const { return m_state.TabCaptionFont; }
    void SetTabCaptionFont(std::shared_ptr<rt::StdFont> font);
    int16_t TabCount() const override;
    void SetTabCount(int16_t count);
    int16_t TabStyleHeight() const;
    void SetTabStyleHeight(int16_t height);
    int16_t TabStyleWidth() const;
    void SetTabStyleWidth(int16_t width);
    int32_t TabHeight() const;
    void SetTabHeight(int32_t height);
    int32_t TabJustification() const { return m_state.TabJustification; }
    void SetTabJustification(int32_t justification);
    float TabRowOffset() const;
    void SetTabRowOffset(float offset);
    int16_t TabRowSeparation() const;
    void SetTabRowSeparation(int16_t separation);
    const std::shared_ptr<VNTabs>& Tabs() const override { return m_tabs; }
    int16_t TabSeparation() const;
    void SetTabSeparation(int16_t separation);
    int16_t TabsPerRow() const { return m_state.TabsPerRow; }
    void SetTabsPerRow(int16_t tabs_per_row);
    int32_t TabStyle() const { return m_state.TabStyle; }
    void SetTabStyle(int32_t style);
    int32_t TabWidth() const;
    void SetTabWidth(int32_t width);
    const rt::Variant& Tag() const { return m_state.Tag; }
    void SetTag(rt::Variant tag) { m_state.Tag = std::move(tag); }
    int32_t OLEDropMode() const;
    void SetOLEDropMode(int32_t mode);

    // Properties of the active tab, read and written on Tabs.Item(TabActive).
    int32_t TabBackColor() const;
    void SetTabBackColor(int32_t color);
    std::string TabCaption() const;
    void SetTabCaption(std::string caption);
    int32_t TabColor3DDKShadow() const;
    void SetTabColor3DDKShadow(int32_t color);
    int32_t TabColor3DHighlight() const;
    void SetTabColor3DHighlight(int32_t color);
    int32_t TabColor3DShadow() const;
    void SetTabColor3DShadow(int32_t color);
    int32_t TabForeColor() const;
    void SetTabForeColor(int32_t color);
    std::shared_ptr<rt::Dispatch> TabPicture() const;
    void SetTabPicture(std::shared_ptr<rt::Dispatch> picture);

    // Methods. RepaintControl lays out and draws the whole control; Refresh is the same.
    void RepaintControl();
    void Refresh() { RepaintControl(); }
    void OleDrag();
    // The modal about box: the product's name and the library's version and build.
    void ShowAboutBox();

    // Automation.
    std::string TypeName() const override { return "VNTabCtl"; }
    rt::Variant Get(std::string_view name) override;
    void Let(std::string_view name, const rt::Variant& value) override;
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) override;
    using rt::Dispatch::Call;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    std::optional<int32_t> DispId(std::string_view name) const override;
    // The names of the automation interface's properties, in interface order.
    static std::vector<std::string_view> PropertyNames();
    // Every property, in interface order, with the key the container saves it under: the one table
    // the automation members and the three persistence calls work from.
    static std::span<const ControlProperty> Properties();

    // The view the layout, drawing and input code work on, and what the control asked of the screen.
    const TabCtlState& State() const override { return m_state; }
    TabCtlState& State() override { return m_state; }
    host::ControlSite& Site() const override { return m_site; }
    text::CRenderText& Renderer() const override { return m_renderer; }
    const RedrawRecord& Redraws() const { return m_redraws; }

    // Operations shared with the layout, input and drawing code.
    // Redraws only the header band (with background erase); the layout is not recomputed.
    void InvalidateTabStrip();
    // The panel's inner rectangle in client pixels; its top-left corner is what contained controls
    // are kept relative to.
    gdi::RECT GetPanelClientRect() const;
    // Moves every contained control by the move of the panel's inner corner (a newly placed
    // control only).
    void ShiftContainedControls(const gdi::RECT& old_rect, const gdi::RECT& new_rect);
    // Take the active tab's controls out of view / bring them back.
    void HideTabControls();
    void ShowTabControls();
    // Design-time bookkeeping before a tab switch: controls in view join the active tab, records of
    // deleted controls go.
    void SyncActiveTabControls();
    // After a redraw: repaint the active tab's controls that paint on the control's surface.
    void RefreshWindowlessControls();
    // Moves the record at `position` of one tab, with its control, to another tab.
    void MoveControlRecord(int32_t position, int32_t from_tab, int32_t to_tab);
    // The contained controls the container can enumerate; 0 when it offers none.
    int32_t CountContainedControls() const;

    // Tab selection with the mouse. HitTest records the header under a left-button press as the
    // pending tab and reports TabActive changed; it switches at once when the control has the focus
    // or the form is designed, and otherwise leaves the switch pending. CommitTabChange carries out
    // a switch to the pending tab: BeforeTabChanged (which may cancel it), the controls of the old
    // tab out of view, the new tab drawn, its controls in view, AfterTabChanged.
    void HitTest(int16_t button, int16_t shift, float x, float y);
    void CommitTabChange();

    // Container unit conversion: the scale of the object the control stands in, and lengths
    // between it and pixels (horizontal with ScaleX, vertical with ScaleY).
    int16_t GetContainerScaleMode() const;
    double ToPixelsX(double value) const;
    double ToPixelsY(double value) const;
    double FromPixelsX(double pixels) const;
    double FromPixelsY(double pixels) const;

    // The tab collection's owner interface.
    bool UserMode() const override;
    std::string AccessKeys() const override;
    void SetAccessKeys(std::string keys) override;
    void OnTabAdded(const std::shared_ptr<VNTab>& tab) override;
    void OnTabChanged(const std::shared_ptr<VNTab>& tab, std::string& property) override;
    void OnTabRemoved(const std::shared_ptr<VNTab>& tab) override;

private:
    void Initialize();
    // The hook on the control's own window: the watched messages, and what the control does when
    // one arrives (before the window's own procedure sees it).
    void CreateMessageHook();
    void OnHookMessage(int32_t msg, int32_t wparam, int32_t lparam, bool& process_default_proc);
    // The designer's press at a client point: whether it lies on a contained control standing in
    // the tab strip, which keeps it from the tabs.
    bool PressOnContainedControl(float x, float y) const;
    // The full redraw: returns at once when there is nothing to draw.
    void DrawControl();
    void FirstPaint();
    void ReportRefusedValues(const host::PropertyBag& bag);
    // Once, at the first paint after a load: the saved records that found no control.
    void ReportUnboundRecords(std::span<const std::shared_ptr<rt::Dispatch>> contained);

    std::shared_ptr<VNTab> ActiveTab() const;
    // The tab-change events with PreviousTab and NewTab from TabActive; true when the host program
    // cancelled the change.
    bool RaiseBeforeTabChanged();
    void RaiseAfterTabChanged();
    // Runs a switch the mouse left pending, if any.
    void CommitPendingTabChange();
    void Changed(std::string_view property) { m_site.PropertyChanged(property); }
    // While the form is designed the designer keeps the window enabled, whatever Enabled says.
    void EnableWindowAtRunTime();
    void ApplyDrawTabRowSeparation();
    void ResolveAutomatic3DAppearance();
    bool CaptionFontIsTrueType() const;
    bool HeaderWidthsFollowCaptions() const;
    // Removing tabs asks before their controls move to tab 1; false when the user cancels.
    bool ShrinkTabs(int16_t count);
    void GrowTabs(int16_t count);
    // The container's contained controls; none when it offers no collection.
    std::vector<std::shared_ptr<rt::Dispatch>> ContainedControls() const;
    bool ContainedControlsAvailable() const;
    std::weak_ptr<VNTabCtl> WeakSelf();

    host::ControlSite& m_site;
    TabCtlState m_state;
    RedrawRecord m_redraws;
    std::shared_ptr<VNTabs> m_tabs;
    // Re-configured for every caption, also while a const control is only measured.
    mutable text::CRenderText m_renderer;
    bool m_records_reported = false;
    std::shared_ptr<hook::VNMsgHook> m_msg_hook;
    // The last watched message, and the low byte of the last child-window notification's code.
    int32_t m_last_hook_message = 0;
    int32_t m_parent_notice = 0;
};

} // namespace vntab
