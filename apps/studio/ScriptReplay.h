#pragma once

#include "driver/Script.h"

#include <SDL_events.h>

#include <deque>
#include <optional>
#include <vector>

namespace studio {

// Marks the mouse events a script makes, so that a scripted run can tell them from the real mouse.
constexpr Uint32 kScriptedMouse = 0x5C417u;

// The studio's own script commands, beside the language `vntab render` speaks: the mode, the
// designer's selection, tool and drag (window coordinates), a property by name, the property-page
// frame and its buttons.
inline constexpr driver::ScriptVerb kDesignVerbs[] = {
    {"mode", 1, 1},     {"select", 1, 1}, {"tool", 1, 1}, {"drag", 4, 4},
    {"property", 2, 2}, {"pages", 0, 0},  {"ok", 0, 0},   {"cancel", 0, 0},
};
// Whether a step is made of the mouse's and the keyboard's events.
bool IsInputStep(const driver::ScriptStep& step);

// The SDL events a person would make for one input step of a script (mouse steps at window
// coordinates, key and access steps), a frame's worth at a time: a press and its release come in
// different frames, as they do by hand, so that the studio's own windows see the button or key
// held for a frame. Raises the step's error (5) when a word of it is wrong.
std::vector<std::vector<SDL_Event>> InputFrames(const driver::ScriptStep& step, Uint32 window_id);

// Replays a script in the studio, one frame at a time: the input steps as SDL events, the others
// handed back for the program to carry out.
class ScriptReplay {
public:
    explicit ScriptReplay(std::vector<driver::ScriptStep> steps) : m_steps(std::move(steps)) {}

    struct Action {
        std::vector<SDL_Event> events;             // to push for this frame
        const driver::ScriptStep* step = nullptr;  // or a step for the program
        const driver::ScriptStep* input = nullptr; // the input step the events belong to
    };
    // What this frame does; nothing once the script is over. While a modal window waits for an
    // answer only input goes on (`input_only`): the program's next step waits for the answer.
    std::optional<Action> Next(bool input_only, Uint32 window_id);
    bool finished() const { return m_next >= m_steps.size() && m_frames.empty(); }
    // The input step whose events are being made or replayed.
    const driver::ScriptStep* current() const { return m_current; }
    // Stops the replay (a step raised).
    void Stop() {
        m_next = m_steps.size();
        m_frames.clear();
    }

private:
    std::vector<driver::ScriptStep> m_steps;
    size_t m_next = 0;
    std::deque<std::vector<SDL_Event>> m_frames; // the rest of the input step under way
    const driver::ScriptStep* m_current = nullptr;
};

} // namespace studio
