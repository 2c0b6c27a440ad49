#pragma once

#include "Snapshot.h"
#include "Step.h"

#include <string>
#include <vector>

namespace soak {

// What the form should hold, worked out from the steps alone: the tabs in order with their
// captions and keys, the container's access-key string, the active tab, and whether the control
// keeps its placed controls in step with the active tab. A step the model cannot foresee (a click,
// whose tab depends on the layout) is checked for what it may do, then taken as it came out.
class Model {
public:
    enum class Outcome { Succeeds, Refused, Either };

    struct Tab {
        std::string caption, key;
    };

    void Reset();
    // How the step must end, judged before it runs. `now` is the form as it stands.
    Outcome Expect(const Step& step, const Snapshot& now) const;
    // Follows a step that ran without error; `after` is the form afterwards, for what the model
    // takes from it. Returns what the form did that the step cannot explain, or empty.
    std::string Follow(const Step& step, const Snapshot& before, const Snapshot& after);
    // The form as the model holds it, against what it is; empty when they agree.
    std::string Disagreement(const Snapshot& actual) const;

    // Whether every recorded control should stand where its tab puts it. Adding or removing tabs
    // by position, and lowering the count below the active tab, leave the placed controls where
    // they were until the form is loaded again, as the control has always done.
    bool view_in_step() const { return m_view_in_step; }
    int active() const { return m_active; }
    int count() const { return static_cast<int>(m_tabs.size()); }

    // The access-key character of a caption: the character after the first "&" that is not "&&",
    // or "&" when there is none.
    static char AccessKeyOf(const std::string& caption);
    static bool RecordsAControlTwice(const Snapshot& s);

private:
    void AddTab(int position, const std::string& key, const std::string& caption, bool inserted);
    void SetCaption(int position, const std::string& caption);
    int AccessTarget(char typed) const;
    bool KeyTaken(const std::string& key) const;

    std::vector<Tab> m_tabs;
    std::string m_access;
    int m_active = 1;
    bool m_view_in_step = true;
};

} // namespace soak
