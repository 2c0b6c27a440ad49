#include "Document.h"

#include "platform/gdi/Gdi.h"
#include "platform/host/FormReader.h"
#include "platform/host/FormSite.h"
#include "platform/host/FormWriter.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowTree.h"

#include <algorithm>
#include <filesystem>

namespace studio {

namespace {

void invalidate_tree(user::HWND hwnd) {
    user::InvalidateRect(hwnd, nullptr, true);
    for (user::HWND child : user::ChildWindows(hwnd))
        invalidate_tree(child);
}

} // namespace

Document::Document(driver::Session::EventObserver observer, user::DialogProvider* person)
    : m_observer(std::move(observer)), m_person(person) {}

Document::~Document() = default;

void Document::Open(const std::string& path) {
    auto form = host::LoadForm(path, m_options);
    m_warnings = form->warnings();
    m_load_errors = form->load_errors();
    Start(std::move(form), path);
}

std::string Document::WorkingPath() const {
    // A new form is written in memory as if it stood in the current folder, where relative paths lead.
    return m_path.empty() ? (std::filesystem::current_path() / "Untitled.frm").string() : m_path;
}

void Document::New() {
    m_warnings.clear();
    m_load_errors.clear();
    Start(host::Form::CreateNew("Form1", m_options), "");
}

void Document::Start(std::shared_ptr<host::Form> form, const std::string& path) {
    // The session before goes first, so that the dialog provider it installed is given back.
    m_session.reset();
    m_session = std::make_unique<driver::Session>();
    m_session->dialogs().AskWhenUnanswered(m_person);
    m_session->ObserveEvents(m_observer);
    m_path = path;
    m_session->Adopt(std::move(form), "");
    ++m_generation;
    // The distances the tab controls keep to the form's edges are the file's.
    const host::FormProperties& p = this->form().properties();
    m_anchors.clear();
    for (const auto& holder : this->form().ActiveXControls()) {
        if (holder->container()) continue;
        const gdi::RECT r = holder->PixelBounds();
        m_anchors.push_back(
            Anchor{holder->KeyName(), p.ClientPixelWidth() - r.right, p.ClientPixelHeight() - r.bottom});
    }
    // What the file says, as this system writes it, is what later states are compared with.
    m_saved_text = SaveInMemory(WorkingPath());
    m_changes = 0;
    // A form shown as the active window gives the focus to its first control in tab order.
    if (!this->form().TabToNextControl(false)) user::SetFocus(this->form().hwnd());
    m_session->PaintPending();
}

void Document::Replace(const host::FormDocument& document, const std::string& path) {
    // What the file does not keep but the person sees stays as it was: the focus, and the active
    // tab (a loaded tab control starts on its first).
    const std::string focused = FocusedControl();
    std::vector<std::pair<std::string, rt::Variant>> active_tabs;
    for (const auto& holder : form().ActiveXControls())
        if (host::UnqualifiedTypeName(holder->TypeName()) == "VNTabCtl")
            active_tabs.emplace_back(holder->KeyName(), holder->Get("TabActive"));
    m_session->Adopt(host::FormFromDocument(document, path, m_options), "");
    ++m_generation;
    for (const auto& [name, active] : active_tabs)
        if (auto holder = form().FindControl(name)) holder->Let("TabActive", active);
    if (auto control = focused.empty() ? nullptr : form().FindControl(focused); control && control->hwnd())
        user::SetFocus(control->hwnd());
    if (!user::GetFocus()) user::SetFocus(form().hwnd());
    m_session->PaintPending();
}

std::string Document::SaveInMemory(const std::string& path) {
    const std::string text = host::FormatForm(host::FormToDocument(form(), path));
    // Writing the properties put the controls' state away: the form runs again as written.
    Replace(host::ParseForm(text, path), path);
    return text;
}

void Document::SaveAs(const std::string& path) {
    const std::string text = SaveInMemory(path);
    host::WriteFormFile(path, text);
    m_path = path;
    m_saved_text = text;
    m_changes = 0;
}

std::string Document::FocusedControl() const {
    const user::HWND focus = user::GetFocus();
    for (const auto& control : form().AllControls())
        if (control->hwnd() && (control->hwnd() == focus || user::IsChild(control->hwnd(), focus)))
            return control->KeyName();
    return {};
}

bool Document::Modified() {
    if (!has_form()) return false;
    if (SaveInMemory(WorkingPath()) != m_saved_text) return true;
    m_changes = 0;
    return false;
}

void Document::SetDesignMode(bool design) {
    if (design == design_mode()) return;
    m_options.user_mode = !design;
    if (has_form()) Replace(host::FormToDocument(form(), WorkingPath()), WorkingPath());
}

void Document::SetDpi(int dpi) {
    if (dpi == gdi::LogicalDpi()) return;
    const host::FormDocument document = host::FormToDocument(form(), WorkingPath());
    gdi::SetLogicalDpi(dpi);
    Replace(document, WorkingPath());
    // Lengths in twips go through whole pixels: at another resolution they may save differently.
    NoteChange();
}

void Document::RepaintAll() const {
    invalidate_tree(form().hwnd());
    m_session->PaintPending();
}

void Document::ResizeForm(int32_t width, int32_t height, bool follow) {
    host::Form& f = form();
    if (width == f.properties().ClientPixelWidth() && height == f.properties().ClientPixelHeight()) return;
    f.ResizeClient(width, height);
    NoteChange();
    if (follow) {
        for (const Anchor& a : m_anchors) {
            auto holder = std::dynamic_pointer_cast<host::ActiveXHolder>(f.FindControl(a.control));
            if (!holder) continue;
            const gdi::RECT r = holder->PixelBounds();
            const int16_t scale = holder->CoordinateScaleMode();
            const double w =
                holder->site().ScaleX(std::max(1, width - r.left - a.right), host::vbPixels, scale);
            const double h =
                holder->site().ScaleY(std::max(1, height - r.top - a.bottom), host::vbPixels, scale);
            holder->Move(holder->Left(), holder->Top(), w, h);
        }
    }
    m_session->PaintPending();
}

} // namespace studio
