#include "ModalDialogs.h"

#include "ColorDialog.h"
#include "FileDialog.h"

#include "platform/automation/Ansi.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace studio {

namespace {

constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;

struct BoxButton {
    const char* label; // "&Yes": the letter after & chooses it from the keyboard
    int id;
};

// The buttons of a message box type, and the answer its close box and Escape give (0: neither).
std::vector<BoxButton> buttons_of(uint32_t type, int& cancel) {
    switch (type & 0xF) {
    case user::MB_OKCANCEL:
        cancel = user::IDCANCEL;
        return {{"OK", user::IDOK}, {"Cancel", user::IDCANCEL}};
    case 0x2:
        cancel = 0;
        return {{"&Abort", kIdAbort}, {"&Retry", kIdRetry}, {"&Ignore", kIdIgnore}};
    case user::MB_YESNOCANCEL:
        cancel = user::IDCANCEL;
        return {{"&Yes", user::IDYES}, {"&No", user::IDNO}, {"Cancel", user::IDCANCEL}};
    case user::MB_YESNO:
        cancel = 0;
        return {{"&Yes", user::IDYES}, {"&No", user::IDNO}};
    case 0x5:
        cancel = user::IDCANCEL;
        return {{"&Retry", kIdRetry}, {"Cancel", user::IDCANCEL}};
    default:
        cancel = user::IDOK;
        return {{"OK", user::IDOK}};
    }
}

std::string without_ampersand(const char* label) {
    std::string s;
    for (const char* p = label; *p; ++p)
        if (*p != '&') s.push_back(*p);
    return s;
}

// The letter typed this frame, lower case; 0 when none.
char typed_letter() {
    const ImGuiIO& io = ImGui::GetIO();
    for (ImWchar c : io.InputQueueCharacters)
        if (c < 128 && std::isalpha(c)) return static_cast<char>(std::tolower(c));
    return 0;
}

// The icon of a message box: a stop sign, a question, an exclamation or an information mark.
void draw_icon(uint32_t type) {
    const uint32_t icon = type & 0xF0;
    if (!icon) return;
    const float size = 32.0f;
    const ImVec2 at = ImGui::GetCursorScreenPos();
    const ImVec2 centre(at.x + size / 2, at.y + size / 2);
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const char* mark = icon == user::MB_ICONHAND          ? "X"
                       : icon == user::MB_ICONQUESTION    ? "?"
                       : icon == user::MB_ICONEXCLAMATION ? "!"
                                                          : "i";
    if (icon == user::MB_ICONEXCLAMATION) {
        draw->AddTriangleFilled(ImVec2(centre.x, at.y), ImVec2(at.x + size, at.y + size),
                                ImVec2(at.x, at.y + size), IM_COL32(240, 200, 0, 255));
    } else {
        const ImU32 fill =
            icon == user::MB_ICONHAND ? IM_COL32(200, 30, 30, 255) : IM_COL32(30, 80, 200, 255);
        draw->AddCircleFilled(centre, size / 2, fill);
    }
    const ImVec2 text = ImGui::CalcTextSize(mark);
    draw->AddText(ImVec2(centre.x - text.x / 2, centre.y - text.y / 2 + 2),
                  icon == user::MB_ICONEXCLAMATION ? IM_COL32(0, 0, 0, 255) : IM_COL32(255, 255, 255, 255),
                  mark);
    ImGui::Dummy(ImVec2(size, size));
    ImGui::SameLine(0, 12);
}

class MessageBoxWindow final : public ModalWindow {
public:
    MessageBoxWindow(std::string text, std::string caption, uint32_t type)
        : ModalWindow(std::move(caption)), m_text(std::move(text)), m_type(type),
          m_buttons(buttons_of(type, m_cancel)) {
        const size_t default_button = (type >> 8) & 0xF;
        m_default = default_button < m_buttons.size() ? default_button : 0;
    }
    int answer() const { return m_answer; }
    bool Closable() const override { return m_cancel != 0; }
    void Cancel() override { Answer(m_cancel ? m_cancel : m_buttons.front().id); }

    void DrawContent(bool topmost) override {
        draw_icon(m_type);
        ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + 420);
        ImGui::TextUnformatted(m_text.c_str());
        ImGui::PopTextWrapPos();
        ImGui::Spacing();
        const float width = 80.0f, spacing = ImGui::GetStyle().ItemSpacing.x;
        const float row = width * float(m_buttons.size()) + spacing * float(m_buttons.size() - 1);
        ImGui::SetCursorPosX(
            std::max(ImGui::GetCursorPosX(), (ImGui::GetWindowContentRegionMax().x - row) / 2));
        const char letter = topmost ? typed_letter() : 0;
        for (size_t i = 0; i < m_buttons.size(); ++i) {
            const BoxButton& b = m_buttons[i];
            if (i) ImGui::SameLine();
            const bool is_default = i == m_default;
            if (is_default) ImGui::PushStyleColor(ImGuiCol_Border, ImGui::GetStyleColorVec4(ImGuiCol_Text));
            if (is_default) ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, 1.0f);
            if (ImGui::Button(without_ampersand(b.label).c_str(), ImVec2(width, 0))) Answer(b.id);
            if (is_default) {
                ImGui::PopStyleVar();
                ImGui::PopStyleColor();
            }
            const char* amp = std::strchr(b.label, '&');
            if (letter && amp && std::tolower(static_cast<unsigned char>(amp[1])) == letter) Answer(b.id);
        }
        if (Pressed(ImGuiKey_Enter, topmost) || Pressed(ImGuiKey_KeyPadEnter, topmost))
            Answer(m_buttons[m_default].id);
        if (Pressed(ImGuiKey_Escape, topmost) && m_cancel) Answer(m_cancel);
    }

private:
    void Answer(int id) {
        if (finished()) return;
        m_answer = id;
        Finish();
    }

    std::string m_text;
    uint32_t m_type;
    int m_cancel = 0;
    std::vector<BoxButton> m_buttons;
    size_t m_default = 0;
    int m_answer = 0;
};

class AboutWindow final : public ModalWindow {
public:
    AboutWindow(std::string title, std::string product, std::string version)
        : ModalWindow(std::move(title)), m_product(std::move(product)), m_version(std::move(version)) {}
    int answer() const { return m_answer; }
    void Cancel() override {
        m_answer = user::IDCANCEL;
        Finish();
    }
    void DrawContent(bool topmost) override {
        ImGui::TextUnformatted(m_product.c_str());
        ImGui::TextUnformatted(m_version.c_str());
        ImGui::Spacing();
        ImGui::SetCursorPosX(std::max(ImGui::GetCursorPosX(), ImGui::GetWindowContentRegionMax().x - 80));
        if (ImGui::Button("OK", ImVec2(80, 0)) || Pressed(ImGuiKey_Enter, topmost) ||
            Pressed(ImGuiKey_Escape, topmost)) {
            m_answer = user::IDOK;
            Finish();
        }
    }

private:
    std::string m_product, m_version;
    int m_answer = user::IDOK;
};

// The platform's filter, pairs of zero-ended strings, as "Description|Patterns|..."
std::string filter_text(std::string_view pairs) {
    std::string out;
    size_t start = 0;
    while (start < pairs.size() && pairs[start] != '\0') {
        const size_t end = pairs.find('\0', start);
        if (!out.empty()) out += '|';
        out +=
            rt::utf8_from_ansi(pairs.substr(start, end == std::string_view::npos ? pairs.npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return out;
}

} // namespace

void ModalDialogs::Run(ModalWindow& window) {
    m_open.push_back(Level{&window, false});
    const size_t level = m_open.size() - 1;
    // The popup closes in the frame that draws the answer; one cancelled from outside a frame gets
    // one more frame to close.
    while (!window.finished() || m_open[level].popup_open) {
        if (m_closing && !window.finished()) window.Cancel();
        m_run_frame();
    }
    m_open.pop_back();
    if (m_open.empty()) m_closing = false;
}

void ModalDialogs::Draw() {
    if (!m_open.empty()) DrawFrom(0);
}

void ModalDialogs::DrawFrom(size_t level) {
    Level& l = m_open[level];
    ModalWindow& w = *l.window;
    const std::string id = w.title() + "###modal" + std::to_string(level);
    if (!l.popup_open) {
        if (w.finished()) return;
        ImGui::OpenPopup(id.c_str());
        l.popup_open = true;
    }
    const ImGuiViewport* viewport = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(viewport->GetCenter(), ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    bool keep = true;
    const bool topmost = level + 1 == m_open.size();
    const ImGuiWindowFlags flags = ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings;
    if (ImGui::BeginPopupModal(id.c_str(), w.Closable() ? &keep : nullptr, flags)) {
        if (!w.finished()) w.DrawContent(topmost);
        if (level + 1 < m_open.size()) DrawFrom(level + 1);
        if (w.finished()) {
            ImGui::CloseCurrentPopup();
            l.popup_open = false;
        }
        ImGui::EndPopup();
    } else {
        l.popup_open = false; // closed by its close box
    }
    if (!keep && !w.finished()) w.Cancel();
}

int ModalDialogs::MessageBox(user::HWND, std::string_view text, std::string_view caption, uint32_t type) {
    const std::string title = caption.empty() ? user::ApplicationTitle() : std::string(caption);
    return Ask(rt::utf8_from_ansi(text), rt::utf8_from_ansi(title), type);
}

int ModalDialogs::Ask(const std::string& text, const std::string& caption, uint32_t type) {
    MessageBoxWindow box(text, caption, type);
    Run(box);
    return box.answer();
}

int ModalDialogs::AboutBox(user::HWND, std::string_view title, std::string_view product,
                           std::string_view version) {
    AboutWindow about(rt::utf8_from_ansi(title), rt::utf8_from_ansi(product), rt::utf8_from_ansi(version));
    Run(about);
    return about.answer();
}

std::optional<std::string> ModalDialogs::OpenFileName(user::HWND, std::string_view filter,
                                                      std::string_view title, std::string_view initial_name) {
    const std::string caption = title.empty() ? std::string("Open") : rt::utf8_from_ansi(title);
    auto chosen = ChooseFile(false, caption, filter_text(filter), rt::utf8_from_ansi(initial_name));
    if (!chosen) return std::nullopt;
    return rt::ansi_from_utf8(*chosen);
}

std::optional<std::string> ModalDialogs::ChooseFile(bool save, const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initial_path) {
    FileDialog dialog(save ? FileDialog::Mode::Save : FileDialog::Mode::Open, title, filter, initial_path);
    Run(dialog);
    return dialog.answer();
}

std::optional<gdi::COLORREF> ModalDialogs::ChooseColor(user::HWND, gdi::COLORREF initial) {
    ColorDialog dialog(initial, m_custom_colours);
    Run(dialog);
    return dialog.answer();
}

} // namespace studio
