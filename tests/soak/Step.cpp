#include "Step.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace soak {
namespace {

struct Candidates {
    const char* name;
    std::vector<double> values; // lengths in twips: whole pixels at 15 twips a pixel
};

// Every settable property of the control with values on both sides of its limits.
const std::vector<Candidates>& PropertyCandidates() {
    static const std::vector<Candidates> table = {
        {"BackColor", {double(0x8000000F), double(0x80000005), 255, double(0x01000000), double(0xC0C0C0)}},
        {"Enabled", {0, -1}},
        {"FocusRectStyle", {0, 1, 2, -1}},
        {"Orientation", {0, 1, 2, 3, 4}},
        {"Tab3DAppearance", {0, 1, 2, 3}},
        {"TabActive", {0, 1, 2, 3, 4, 6}},
        {"TabActiveBevel", {15, 30, 60, 0, -15}},
        {"TabActiveBold", {0, -1}},
        {"TabActiveInflate", {0, 30, 60, -15}},
        {"TabCaptionAlign", {0, 4, 7, 8, 9}},
        {"TabStyleHeight", {0, 75, 150, 600}},
        {"TabStyleWidth", {0, 150, 375, 390}},
        {"TabHeight", {300, 450, 15, 0}},
        {"TabJustification", {0, 1, 2, 3, 4}},
        {"TabPictureAlign", {0, 7, 11, 14, 15}},
        {"TabRowOffset", {0, 150, 75000, -15}},
        {"TabRows", {0, 1, 2, 3, 5}},
        {"TabRowSeparation", {0, 60, 300, -15}},
        {"TabSeparation", {0, 30, -15}},
        {"TabsPerRow", {0, 1, 2, 3, -1}},
        {"TabStyle", {0, 1, 2, 3, 4, 5}},
        {"TabWidth", {750, 1200, 300, 0}},
        {"TabCount", {0, 1, 2, 3, 4, 6}},
        {"TabForeColor", {double(0x80000012), 255, double(0x02000000)}},
        {"TabBackColor", {double(0x8000000F), double(0xFFFF00), double(0x7F000000)}},
    };
    return table;
}

const std::array<const char*, 8> kCaptions = {"&General", "&Files", "Tab &9", "A&&B",
                                              "&fine",    "",       "x&",     "&\xE9t\xE9"};
const std::array<const char*, 7> kKeys = {"", "a", "A", " a", "k1", "5", "tab"};
const std::array<const char*, 6> kKinds = {"TextBox", "CommandButton", "Label", "CheckBox", "Frame", "Shape"};
const std::array<int, 7> kVirtualKeys = {37, 38, 39, 40, 65, 9, 13};
const char kAccessKeys[] = "gfGta9\xE9";

template <class T>
const T& pick(std::mt19937_64& rng, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
}

template <class T, size_t N>
const T& pick(std::mt19937_64& rng, const std::array<T, N>& from) {
    return from[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

int between(std::mt19937_64& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

std::string number_text(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

} // namespace

std::string Step::Describe() const {
    auto quoted = [](const std::string& s) { return "\"" + s + "\""; };
    switch (kind) {
    case Kind::SetProperty:
        return "set " + name + " = " + (is_text ? quoted(text) : number_text(number));
    case Kind::TabAdd: {
        std::string s = "tabs add";
        s += (flags & 1) ? " " + number_text(number) : " -";
        s += (flags & 2) ? " " + quoted(key) : " -";
        if (flags & 4) s += " " + quoted(text);
        return s;
    }
    case Kind::TabRemove:
        return "tabs remove " + (is_text ? quoted(key) : number_text(number));
    case Kind::TabClear:
        return "tabs clear";
    case Kind::TabKey:
        return "tab " + number_text(number) + " Key = " + quoted(key);
    case Kind::TabCaption:
        return "tab " + number_text(number) + " Caption = " + quoted(text);
    case Kind::Click:
        return "click " + std::to_string(x) + " " + std::to_string(y);
    case Kind::Key:
        return "key " + number_text(number);
    case Kind::AccessKey:
        return "access " + quoted(text);
    case Kind::Focus:
        return "focus";
    case Kind::Blur:
        return "blur";
    case Kind::Resize:
        return "resize " + std::to_string(x) + " " + std::to_string(y);
    case Kind::AddControl:
        return "add " + name + " " + text + " " + std::to_string(x) + " " + std::to_string(y);
    case Kind::DeleteControl:
        return "delete " + text;
    case Kind::SaveLoad:
        return std::string("save and load") + (number == 0 ? " (design)" : " (run)");
    }
    return "?";
}

Step RandomStep(std::mt19937_64& rng, Aim& aim) {
    using K = Step::Kind;
    // Weights per kind, in the order of the cases below.
    static const std::vector<int> weights = {30, 6, 4, 1, 4, 5, 14, 10, 5, 3, 2, 4, 4, 2, 1};
    std::discrete_distribution<int> kinds(weights.begin(), weights.end());
    Step s;
    switch (kinds(rng)) {
    case 0: {
        const Candidates& c = pick(rng, PropertyCandidates());
        s.kind = K::SetProperty;
        s.name = c.name;
        s.number = pick(rng, c.values);
        if (between(rng, 0, 9) == 0) {
            s.name = "TabCaption";
            s.is_text = true;
            s.text = pick(rng, kCaptions);
        }
        break;
    }
    case 1:
        s.kind = K::TabAdd;
        s.flags = between(rng, 0, 7);
        s.number = between(rng, 0, aim.tab_count + 2);
        s.key = pick(rng, kKeys);
        s.text = pick(rng, kCaptions);
        break;
    case 2:
        s.kind = K::TabRemove;
        s.is_text = between(rng, 0, 3) == 0;
        s.number = between(rng, 0, aim.tab_count + 1);
        s.key = pick(rng, kKeys);
        break;
    case 3:
        s.kind = K::TabClear;
        break;
    case 4:
        s.kind = K::TabKey;
        s.number = between(rng, 1, std::max(aim.tab_count, 1));
        s.key = pick(rng, kKeys);
        break;
    case 5:
        s.kind = K::TabCaption;
        s.number = between(rng, 1, std::max(aim.tab_count, 1));
        s.text = pick(rng, kCaptions);
        break;
    case 6:
        s.kind = K::Click;
        s.x = between(rng, 0, 399);
        // Mostly in the header band, where clicks choose tabs.
        s.y = between(rng, 0, 3) == 0 ? between(rng, 0, 299) : between(rng, 0, 70);
        break;
    case 7:
        s.kind = K::Key;
        s.number = pick(rng, kVirtualKeys);
        break;
    case 8:
        s.kind = K::AccessKey;
        s.text = std::string(1, kAccessKeys[between(rng, 0, int(sizeof kAccessKeys) - 2)]);
        break;
    case 9:
        s.kind = K::Focus;
        break;
    case 10:
        s.kind = K::Blur;
        break;
    case 11:
        s.kind = K::Resize;
        s.x = between(rng, 40, 400);
        s.y = between(rng, 10, 300);
        break;
    case 12:
        s.kind = K::AddControl;
        s.name = pick(rng, kKinds);
        s.text = "C" + std::to_string(aim.next_control++);
        s.x = between(rng, 10, 200);
        s.y = between(rng, 40, 150);
        break;
    case 13:
        s.kind = K::DeleteControl;
        s.text = aim.control_names.empty() ? "C0" : pick(rng, aim.control_names);
        break;
    default:
        s.kind = K::SaveLoad;
        // A form saved while it runs is read back running: saving at run time keeps the controls'
        // tab stops as the run left them (hidden controls have none), which a designer would take
        // for the tab stops the controls were given.
        s.number = aim.design ? between(rng, 0, 1) : 1;
        break;
    }
    return s;
}

} // namespace soak
