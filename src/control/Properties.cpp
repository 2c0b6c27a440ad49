#include "control/BusyScope.h"
#include "control/VNTabCtl.h"
#include "layout/Constants.h"

#include "contained/VNControls.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "platform/user/Version.h"
#include "tabs/VNTab.h"
#include "tabs/VNTabs.h"

// The control's own properties. Each set checks its value first and changes nothing when it is
// refused (error 380), then stores it, tells the container that a saved property changed, and
// redraws what the change affects: the whole control, or only the band of tab headers when no
// header moves.
namespace vntab {

namespace {

[[noreturn]] void raise_invalid_value() {
    rt::raise_error(rt::kErrInvalidPropertyValue, "VNTabCtl");
}

void require(bool valid) {
    if (!valid) raise_invalid_value();
}

// An OLE colour is an RGB value, or a system colour index with the top bit set; nothing else.
void require_ole_color(int32_t color) {
    require((static_cast<uint32_t>(color) & 0x7F000000u) == 0);
}

bool in_range(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
}

// The shapes whose corners make a header wider than its caption.
bool style_widens_headers(int32_t style) {
    return in_range(style, vnTabChamfered, vnTabSlanted);
}

constexpr const char* kNoRotationWarning =
    "Note: The TabCaptionFont property is set to a font that does not support font rotation. Setting the "
    "Orientation property to either left or right may cause the tab caption to be displayed incorrectly. "
    "Only "
    "TrueType fonts support font rotation.";
// The same warning as shown when the font is set, in its own wording.
constexpr const char* kNoRotationFontWarning =
    "Note: The TabCaptionFont property is set to a font that does not support font rotation. Setting the "
    "Orientation property to either left or right may cause the tab caption to displayed incorrectly. Only "
    "TrueType fonts support font rotation.";
constexpr const char* kMoveControlsQuestion =
    "Controls on removed tabs will be placed on Tab 1. Hit OK to continue.";

bool sideways(int32_t orientation) {
    return orientation == vnOrientationRight || orientation == vnOrientationLeft;
}

} // namespace

void VNTabCtl::SetBackColor(int32_t color) {
    require_ole_color(color);
    m_state.BackColor = color;
    Changed("BackColor");
    RepaintControl();
}

void VNTabCtl::SetEnabled(bool enabled) {
    m_state.Enabled = enabled;
    Changed("Enabled");
    EnableWindowAtRunTime();
    RepaintControl();
}

void VNTabCtl::EnableWindowAtRunTime() {
    if (UserMode()) m_site.SetEnabled(m_state.Enabled);
}

void VNTabCtl::SetFocusRectStyle(int32_t style) {
    require(in_range(style, vnFocusRectNone, vnFocusRectText));
    m_state.FocusRectStyle = style;
    Changed("FocusRectStyle");
    RepaintControl();
}

int32_t VNTabCtl::hWnd() const {
    return static_cast<int32_t>(m_site.hWnd().value);
}

void VNTabCtl::SetOrientation(int32_t orientation) {
    require(in_range(orientation, vnOrientationTop, vnOrientationLeft));
    gdi::RECT old_panel = GetPanelClientRect();
    if (sideways(orientation) && !m_state.RotationWarned) {
        if (!CaptionFontIsTrueType())
            m_site.MsgBox(kNoRotationWarning, host::vbInformation, "Varnel Kelmora");
        m_state.RotationWarned = true;
    }
    m_state.Orientation = orientation;
    // The saved key's name, which is what the container knows the property by.
    Changed("OrientationConstants");
    RepaintControl();
    ShiftContainedControls(old_panel, GetPanelClientRect());
}

void VNTabCtl::SetTabPictureAlign(int32_t align) {
    require(in_range(align, vnPictTopLeft, vnPictBelowText));
    m_state.TabPictureAlign = align;
    Changed("TabPictureAlign");
    RepaintControl();
}

void VNTabCtl::SetTabRows(int16_t rows) {
    require(in_range(rows, 0, TabCount()));
    m_state.TabRows = rows;
    Changed("TabRows");
    RepaintControl();
}

void VNTabCtl::SetTab3DAppearance(int32_t appearance) {
    require(in_range(appearance, vn3DAuto, vn3DWindows));
    m_state.Tab3DAppearance = appearance;
    Changed("Tab3DAppearance");
    if (appearance == vn3DAuto)
        ResolveAutomatic3DAppearance();
    else
        m_state.DrawTab3DAppearance = appearance;
    Changed("DrawTab3DAppearance");
    RepaintControl();
}

void VNTabCtl::ResolveAutomatic3DAppearance() {
    user::OSVERSIONINFOA info;
    info.dwOSVersionInfoSize = user::kOsVersionInfoSize;
    // Without an answer the look drawn so far stays.
    if (!user::GetVersionExA(&info)) return;
    switch (info.dwPlatformId) {
    case user::VER_PLATFORM_WIN32s:
        m_state.DrawTab3DAppearance = vn3DWindows;
        break;
    case user::VER_PLATFORM_WIN32_WINDOWS:
        m_state.DrawTab3DAppearance = vn3DWindows95;
        break;
    case user::VER_PLATFORM_WIN32_NT:
        m_state.DrawTab3DAppearance = info.dwMajorVersion >= 4 ? vn3DWindows95 : vn3DWindows;
        break;
    default:
        break;
    }
}

void VNTabCtl::SetTabActive(int16_t tab) {
    require(in_range(tab, 1, TabCount()));
    if (tab == m_state.TabActive) return;
    SyncActiveTabControls();
    HideTabControls();
    m_state.TabActive = tab;
    Changed("TabActive");
    RepaintControl();
    ShowTabControls();
}

int16_t VNTabCtl::TabActiveBevel() const {
    return rt::cint(FromPixelsX(m_state.TabActiveBevel));
}

void VNTabCtl::SetTabActiveBevel(int16_t bevel) {
    require(bevel >= 1);
    m_state.TabActiveBevel = rt::cint(ToPixelsX(bevel));
    Changed("TabActiveBevel");
    RepaintControl();
}

void VNTabCtl::SetTabActiveBold(bool bold) {
    m_state.TabActiveBold = bold;
    Changed("TabActiveBold");
    InvalidateTabStrip();
}

float VNTabCtl::TabActiveInflate() const {
    return rt::csng(FromPixelsX(m_state.TabActiveInflate));
}

void VNTabCtl::SetTabActiveInflate(float inflate) {
    require(inflate >= 0.0f);
    m_state.TabActiveInflate = rt::cint(ToPixelsX(inflate));
    Changed("TabActiveInflate");
    RepaintControl();
}

void VNTabCtl::SetTabCaptionAlign(int32_t align) {
    require(in_range(align, vnTextTopLeft, vnTextBottomCenter));
    m_state.TabCaptionAlign = align;
    Changed("TabCaptionAlign");
    InvalidateTabStrip();
}

bool VNTabCtl::HeaderWidthsFollowCaptions() const {
    return m_state.TabJustification == vnJustifiedFitCaption ||
           m_state.TabJustification == vnJustifiedByCaption;
}

void VNTabCtl::SetTabCaptionFont(std::shared_ptr<rt::StdFont> font) {
    m_state.TabCaptionFont = std::move(font);
    Changed("TabCaptionFont");
    // Unlike the Orientation set, this warns every time: the program just chose this font.
    if (sideways(m_state.Orientation)) {
        if (!CaptionFontIsTrueType())
            m_site.MsgBox(kNoRotationFontWarning, host::vbInformation, std::nullopt);
        m_state.RotationWarned = true;
    }
    if (HeaderWidthsFollowCaptions())
        RepaintControl();
    else
        InvalidateTabStrip();
}

int16_t VNTabCtl::TabCount() const {
    return m_tabs->Count();
}

void VNTabCtl::SetTabCount(int16_t count) {
    if (count < 1) rt::raise_error(rt::kErrInvalidPropertyValue, "TabCount must be greater than 0");
    if (count >= TabCount())
        GrowTabs(count);
    else if (!ShrinkTabs(count))
        return;
    SyncActiveTabControls();
    Changed("TabCount");
    RepaintControl();
}

void VNTabCtl::GrowTabs(int16_t count) {
    {
        BusyScope busy(m_state.Busy);
        while (TabCount() < count)
            m_tabs->Add();
    }
    RepaintControl();
}

bool VNTabCtl::ShrinkTabs(int16_t count) {
    bool controls_move = false;
    for (int32_t i = TabCount(); i > count; --i) {
        if (m_tabs->at(i)->Controls()->Count() == 0) continue;
        if (m_site.MsgBox(kMoveControlsQuestion, host::vbOKCancel | host::vbQuestion, "Kelmora") ==
            host::vbCancel)
            return false;
        controls_move = true;
        break;
    }
    if (count < m_state.TabRows) m_state.TabRows = count;
    if (m_state.TabActive > count) m_state.TabActive = count;
    if (controls_move) HideTabControls();
    {
        BusyScope busy(m_state.Busy);
        while (TabCount() > count) {
            int32_t last = TabCount();
            if (controls_move)
                while (m_tabs->at(last)->Controls()->Count() > 0)
                    MoveControlRecord(1, last, 1);
            m_tabs->Remove(rt::Variant(last));
        }
        // The moved controls were hidden with their old tabs; showing tab 1's page brings them in.
        if (controls_move) ShowTabControls();
    }
    RepaintControl();
    return true;
}

int16_t VNTabCtl::TabStyleHeight() const {
    return rt::cint(FromPixelsY(m_state.TabStyleHeight));
}

void VNTabCtl::SetTabStyleHeight(int16_t height) {
    int16_t pixels = rt::cint(ToPixelsY(height));
    require(in_range(pixels, 0, m_state.TabHeight));
    m_state.TabStyleHeight = pixels;
    Changed("TabStyleHeight");
    RepaintControl();
}

int16_t VNTabCtl::TabStyleWidth() const {
    return rt::cint(FromPixelsX(m_state.TabStyleWidth));
}

void VNTabCtl::SetTabStyleWidth(int16_t width) {
    int16_t pixels = rt::cint(ToPixelsX(width));
    // A corner on each side of the header: together at most the header's width.
    require(pixels >= 0 && pixels <= m_state.TabWidth / 2.0);
    m_state.TabStyleWidth = pixels;
    Changed("TabStyleWidth");
    RepaintControl();
}

int32_t VNTabCtl::TabHeight() const {
    return rt::clng(FromPixelsY(m_state.TabHeight));
}

void VNTabCtl::SetTabHeight(int32_t height) {
    require(height >= 1);
    m_state.TabHeight = rt::clng(ToPixelsY(height));
    Changed("TabHeight");
    ApplyDrawTabRowSeparation();
    RepaintControl();
}

void VNTabCtl::ApplyDrawTabRowSeparation() {
    // Rows without a separation of their own overlap by the two pixels of a header's bottom edge.
    m_state.DrawTabRowSeparation =
        m_state.TabRowSeparation != 0 ? rt::to16(m_state.TabRowSeparation) : rt::sub16(m_state.TabHeight, 2);
}

void VNTabCtl::SetTabJustification(int32_t justification) {
    require(in_range(justification, vnJustifiedNone, vnJustifiedByCaption));
    m_state.TabJustification = justification;
    Changed("TabJustification");
    RepaintControl();
}

float VNTabCtl::TabRowOffset() const {
    return rt::csng(FromPixelsX(m_state.TabRowOffset));
}

void VNTabCtl::SetTabRowOffset(float offset) {
    require(offset >= 0.0f);
    double pixels = ToPixelsX(offset);
    // Every row is indented by one more offset than the row before it: the offsets of all rows
    // must leave room along the client edge that carries the tabs. Without a laid-out row there is
    // no limit to compare with, and the value is refused.
    int16_t rows = m_state.RowCount;
    require(rows > 0);
    double length = sideways(m_state.Orientation) ? m_site.ScaleHeight() : m_site.ScaleWidth();
    int32_t limit = rt::div32(rt::clng(length - 1.0), rows);
    require(pixels < limit);
    m_state.TabRowOffset = rt::clng(pixels);
    Changed("TabRowOffset");
    RepaintControl();
}

int16_t VNTabCtl::TabRowSeparation() const {
    return rt::cint(FromPixelsY(m_state.TabRowSeparation));
}

void VNTabCtl::SetTabRowSeparation(int16_t separation) {
    require(separation >= 0);
    m_state.TabRowSeparation = rt::clng(ToPixelsY(separation));
    Changed("TabRowSeparation");
    ApplyDrawTabRowSeparation();
    RepaintControl();
}

int16_t VNTabCtl::TabSeparation() const {
    return rt::cint(FromPixelsX(m_state.TabSeparation));
}

void VNTabCtl::SetTabSeparation(int16_t separation) {
    require(separation >= 0);
    m_state.TabSeparation = rt::cint(ToPixelsX(separation));
    Changed("TabSeparation");
    RepaintControl();
}

void VNTabCtl::SetTabsPerRow(int16_t tabs_per_row) {
    require(tabs_per_row >= 0);
    m_state.TabsPerRow = tabs_per_row;
    Changed("TabsPerRow");
    RepaintControl();
}

void VNTabCtl::SetTabStyle(int32_t style) {
    require(in_range(style, vnTabNormal, vnTabSquare));
    int32_t old_style = m_state.TabStyle;
    m_state.TabStyle = style;
    Changed("TabStyle");
    if (HeaderWidthsFollowCaptions() && (style_widens_headers(style) || style_widens_headers(old_style)))
        RepaintControl();
    else
        InvalidateTabStrip();
}

int32_t VNTabCtl::TabWidth() const {
    return rt::clng(FromPixelsX(m_state.TabWidth));
}

void VNTabCtl::SetTabWidth(int32_t width) {
    require(width >= 1);
    m_state.TabWidth = rt::clng(ToPixelsX(width));
    Changed("TabWidth");
    RepaintControl();
}

int32_t VNTabCtl::OLEDropMode() const {
    return m_site.OLEDropMode();
}
void VNTabCtl::SetOLEDropMode(int32_t mode) {
    m_site.SetOLEDropMode(mode);
}

std::shared_ptr<VNTab> VNTabCtl::ActiveTab() const {
    return m_tabs->Item(rt::Variant(m_state.TabActive));
}

int32_t VNTabCtl::TabBackColor() const {
    return ActiveTab()->BackColor();
}
void VNTabCtl::SetTabBackColor(int32_t color) {
    require_ole_color(color);
    ActiveTab()->SetBackColor(color);
}
std::string VNTabCtl::TabCaption() const {
    return ActiveTab()->Caption();
}
void VNTabCtl::SetTabCaption(std::string caption) {
    ActiveTab()->SetCaption(std::move(caption));
}
int32_t VNTabCtl::TabColor3DDKShadow() const {
    return ActiveTab()->Color3DDKShadow();
}
void VNTabCtl::SetTabColor3DDKShadow(int32_t color) {
    require_ole_color(color);
    ActiveTab()->SetColor3DDKShadow(color);
}
int32_t VNTabCtl::TabColor3DHighlight() const {
    return ActiveTab()->Color3DHighlight();
}
void VNTabCtl::SetTabColor3DHighlight(int32_t color) {
    require_ole_color(color);
    ActiveTab()->SetColor3DHighlight(color);
}
int32_t VNTabCtl::TabColor3DShadow() const {
    return ActiveTab()->Color3DShadow();
}
void VNTabCtl::SetTabColor3DShadow(int32_t color) {
    require_ole_color(color);
    ActiveTab()->SetColor3DShadow(color);
}
int32_t VNTabCtl::TabForeColor() const {
    return ActiveTab()->ForeColor();
}
void VNTabCtl::SetTabForeColor(int32_t color) {
    require_ole_color(color);
    ActiveTab()->SetForeColor(color);
}
std::shared_ptr<rt::Dispatch> VNTabCtl::TabPicture() const {
    return ActiveTab()->Picture();
}
void VNTabCtl::SetTabPicture(std::shared_ptr<rt::Dispatch> picture) {
    ActiveTab()->SetPicture(std::move(picture));
}

} // namespace vntab
