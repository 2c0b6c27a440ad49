#include "ScriptReplay.h"

#include "KeyMap.h"

#include "driver/Session.h"
#include "platform/automation/Ansi.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

#include <cstring>

namespace studio {

namespace {

// The modifier keys held, as SDL reports them with a key, for a Shift argument (1 Shift, 2 Ctrl, 4 Alt).
Uint16 modifier_state(int32_t shift) {
    return Uint16((shift & 1 ? KMOD_LSHIFT : 0) | (shift & 2 ? KMOD_LCTRL : 0) | (shift & 4 ? KMOD_LALT : 0));
}

SDL_Event key_event(Uint32 type, SDL_Keycode key, Uint16 modifiers, Uint32 window_id) {
    SDL_Event e{};
    e.type = type;
    e.key.windowID = window_id;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    e.key.keysym.mod = modifiers;
    return e;
}

SDL_Event text_event(char c, Uint32 window_id) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = window_id;
    const std::string utf8 = rt::utf8_from_ansi(std::string(1, c));
    std::memcpy(e.text.text, utf8.c_str(), std::min(utf8.size() + 1, sizeof e.text.text));
    return e;
}

SDL_Event motion_event(int32_t x, int32_t y, Uint32 window_id) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = window_id;
    e.motion.which = kScriptedMouse;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

SDL_Event button_event(bool down, int32_t x, int32_t y, uint8_t button, uint8_t clicks, Uint32 window_id) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = window_id;
    e.button.which = kScriptedMouse;
    e.button.button = button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = clicks;
    e.button.x = x;
    e.button.y = y;
    return e;
}

// The modifier keys of a Shift argument (1 Shift, 2 Ctrl, 4 Alt), pressed in that order and let go
// in the other.
void press_modifiers(std::vector<SDL_Event>& frame, int32_t shift, bool down, Uint32 window_id) {
    const SDL_Keycode keys[] = {SDLK_LSHIFT, SDLK_LCTRL, SDLK_LALT};
    int32_t held = down ? 0 : shift;
    for (int i = 0; i < 3; ++i) {
        const int bit = down ? i : 2 - i;
        if (!(shift & (1 << bit))) continue;
        held ^= 1 << bit;
        frame.push_back(
            key_event(down ? SDL_KEYDOWN : SDL_KEYUP, keys[bit], modifier_state(held), window_id));
    }
}

std::vector<std::vector<SDL_Event>> mouse_frames(const driver::ScriptStep& step, Uint32 window_id) {
    const int32_t x = driver::WholeWord(step.words[0]), y = driver::WholeWord(step.words[1]);
    const int32_t b = driver::StepButton(step), shift = driver::StepShift(step);
    const uint8_t button = b == 1 ? SDL_BUTTON_LEFT : b == 2 ? SDL_BUTTON_RIGHT : SDL_BUTTON_MIDDLE;
    // The mouse gets there first, a frame before it presses: ImGui, like a person, finds what is
    // under the mouse before the press.
    std::vector<std::vector<SDL_Event>> frames(1);
    press_modifiers(frames[0], shift, true, window_id);
    frames[0].push_back(motion_event(x, y, window_id));
    const std::string& verb = step.verb;
    auto press = [&](bool down, uint8_t clicks) {
        frames.push_back({button_event(down, x, y, button, clicks, window_id)});
    };
    if (verb == "down" || verb == "up") {
        press(verb == "down", 1);
    } else if (verb == "click" || verb == "dblclick") {
        press(true, 1);
        press(false, 1);
        if (verb == "dblclick") {
            press(true, 2);
            press(false, 2);
        }
    }
    if (shift) {
        frames.emplace_back();
        press_modifiers(frames.back(), shift, false, window_id);
    }
    return frames;
}

// A key pressed and let go with its modifiers, and the text it types when it types one.
std::vector<std::vector<SDL_Event>> key_frames(user::UINT vk, int32_t shift, Uint32 window_id) {
    const SDL_Keycode key = SdlKeyFromVirtualKey(vk);
    if (key == SDLK_UNKNOWN) driver::FailStep("the keyboard has no key with the code " + std::to_string(vk));
    std::vector<std::vector<SDL_Event>> frames(2);
    press_modifiers(frames[0], shift, true, window_id);
    frames[0].push_back(key_event(SDL_KEYDOWN, key, modifier_state(shift), window_id));
    // Text comes for the printable keys typed without Ctrl or Alt.
    const char c = user::CharFromKeyState(vk, shift & 1, shift & 2, shift & 4);
    if (!(shift & 6) && static_cast<unsigned char>(c) >= 0x20) frames[0].push_back(text_event(c, window_id));
    frames[1].push_back(key_event(SDL_KEYUP, key, modifier_state(shift), window_id));
    press_modifiers(frames[1], shift, false, window_id);
    return frames;
}

// A drag with the left button: there, press, halfway, the end, release, a frame each.
std::vector<std::vector<SDL_Event>> drag_frames(const driver::ScriptStep& step, Uint32 window_id) {
    const int32_t x1 = driver::WholeWord(step.words[0]), y1 = driver::WholeWord(step.words[1]);
    const int32_t x2 = driver::WholeWord(step.words[2]), y2 = driver::WholeWord(step.words[3]);
    return {{motion_event(x1, y1, window_id)},
            {button_event(true, x1, y1, SDL_BUTTON_LEFT, 1, window_id)},
            {motion_event((x1 + x2) / 2, (y1 + y2) / 2, window_id)},
            {motion_event(x2, y2, window_id)},
            {button_event(false, x2, y2, SDL_BUTTON_LEFT, 1, window_id)}};
}

} // namespace

bool IsInputStep(const driver::ScriptStep& step) {
    return driver::Session::IsInputStep(step) || step.verb == "drag";
}

std::vector<std::vector<SDL_Event>> InputFrames(const driver::ScriptStep& step, Uint32 window_id) {
    if (step.verb == "drag") return drag_frames(step, window_id);
    if (step.verb == "key") return key_frames(driver::StepKey(step), driver::StepShift(step), window_id);
    if (step.verb == "access") {
        // Alt with the key of the character, as a person types an access key.
        const std::string ch = rt::ansi_from_utf8(step.words[0]);
        const auto up =
            ch.size() == 1 ? static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(ch[0]))) : 0;
        if (!((up >= 'A' && up <= 'Z') || (up >= '0' && up <= '9')))
            driver::FailStep("expected a letter or a digit after access");
        return key_frames(up, 4, window_id);
    }
    return mouse_frames(step, window_id);
}

std::optional<ScriptReplay::Action> ScriptReplay::Next(bool input_only, Uint32 window_id) {
    if (m_frames.empty()) {
        if (m_next >= m_steps.size()) return std::nullopt;
        const driver::ScriptStep& step = m_steps[m_next];
        if (!IsInputStep(step)) {
            if (input_only) return std::nullopt;
            ++m_next;
            return Action{{}, &step, nullptr};
        }
        m_current = &step;
        ++m_next;
        auto frames = InputFrames(step, window_id);
        m_frames.assign(frames.begin(), frames.end());
    }
    Action action{std::move(m_frames.front()), nullptr, m_current};
    m_frames.pop_front();
    return action;
}

} // namespace studio
