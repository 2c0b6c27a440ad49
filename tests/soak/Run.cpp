#include "Run.h"

#include "FormUnderTest.h"
#include "Model.h"
#include "Rules.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormFile.h"

#include <cstdlib>
#include <exception>

namespace soak {
namespace {

constexpr int32_t kIndexOutOfBounds = static_cast<int32_t>(0x8004041D);

bool names_a_tab(const Snapshot& s) {
    const int active = std::atoi(s.active.c_str());
    return active >= 1 && active <= static_cast<int>(s.tabs.size());
}

// One run: a fresh form and its model, stepped and checked.
class Checker {
public:
    explicit Checker(const RunOptions& options, RunCounts* counts)
        : m_options(options), m_counts(counts), m_form(options.folder) {
        m_form.Start();
        m_model.Reset();
        m_last = TakeSnapshot(m_form);
    }

    // Runs one step and checks every rule; the broken rule, or empty.
    std::string Step(const soak::Step& step) {
        const Snapshot before = TakeSnapshot(m_form);
        const Model::Outcome expected = m_model.Expect(step, before);
        std::string refusal;
        int32_t refused_with = 0;
        try {
            m_form.Apply(step);
        } catch (const rt::AutomationError& e) {
            refusal = "error " + std::to_string(e.number) + " " + e.description;
            refused_with = e.number;
        } catch (const host::FormFileError& e) {
            return std::string("saved: ") + e.what();
        } catch (const std::exception& e) {
            return std::string("crash: ") + e.what();
        }
        m_form.dialogs().ClearShown();
        const Snapshot after = TakeSnapshot(m_form);
        m_last = after;
        // A full repaint may raise after the step itself is done: the layout's "Division by zero"
        // and "Overflow" (a control too small for one header, say), and, while TabActive names no
        // tab, "Index out of bounds." as it looks for the active tab's row. Such a step is taken as
        // done, unless it was one the model expects refused and indeed changed nothing.
        const bool changed = !FirstDifference(before, after, Compare::Everything).empty();
        const bool repaint_error =
            refused_with == rt::kErrDivisionByZero || refused_with == rt::kErrOverflow ||
            (refused_with == kIndexOutOfBounds && (!names_a_tab(before) || !names_a_tab(after)));
        if (repaint_error && (changed || expected != Model::Outcome::Refused)) {
            refusal.clear();
            if (m_counts) ++m_counts->repaints_that_raised;
        }
        if (m_counts) {
            ++m_counts->steps;
            if (!refusal.empty()) ++m_counts->refused;
            if (step.kind == Step::Kind::SaveLoad) ++m_counts->saves;
            if (step.kind == Step::Kind::Click && after.active != before.active)
                ++m_counts->clicks_that_switched;
        }
        if (!refusal.empty()) {
            if (expected == Model::Outcome::Succeeds)
                return "refused: " + step.Describe() + " raised " + refusal;
            if (std::string d = FirstDifference(before, after, Compare::Everything); !d.empty())
                return "unchanged: " + step.Describe() + " raised " + refusal + " yet changed the form: " + d;
        } else {
            if (expected == Model::Outcome::Refused)
                return "accepted: " + step.Describe() + " should have raised";
            if (std::string d = m_model.Follow(step, before, after); !d.empty()) return "model: " + d;
        }
        if (step.kind == Step::Kind::SaveLoad && refusal.empty())
            if (std::string d = FirstDifference(m_form.written(), after, Compare::Saved); !d.empty())
                return "saved: after saving and loading, " + d;
        for (std::string broken : {CheckIndexes(after), CheckKeys(after), CheckView(after, m_model)})
            if (!broken.empty()) return broken;
        if (std::string d = m_model.Disagreement(after); !d.empty()) return "model: " + d;
        if (std::string d = CheckPaint(); !d.empty()) return d;
        if (m_options.extra_rule)
            if (std::string d = m_options.extra_rule(after); !d.empty()) return d;
        return {};
    }

    // What the next random step aims at: the form as the last step left it.
    void Aim(soak::Aim& aim) const {
        const Snapshot& now = m_last;
        aim.tab_count = static_cast<int>(now.tabs.size());
        aim.design = m_form.design();
        aim.control_names.clear();
        for (const Snapshot::Placed& p : now.placed)
            if (p.left >= 0) aim.control_names.push_back(p.name);
    }

private:
    // A full repaint of the control creates its drawing objects and deletes every one of them
    // before it returns: the count of live GDI objects is the same before and after.
    std::string CheckPaint() {
        const gdi::LiveObjects before = gdi::live_objects();
        try {
            m_form.runner().InvalidateControl();
        } catch (const rt::AutomationError&) {
            // A paint that raised (no active tab) must have let go of its objects all the same.
        }
        const gdi::LiveObjects after = gdi::live_objects();
        if (after == before) return {};
        return "gdi: a paint left " + std::to_string(after.total() - before.total()) + " objects (dcs " +
               std::to_string(after.dcs - before.dcs) + ", bitmaps " +
               std::to_string(after.bitmaps - before.bitmaps) + ", pens " +
               std::to_string(after.pens - before.pens) + ", brushes " +
               std::to_string(after.brushes - before.brushes) + ", regions " +
               std::to_string(after.regions - before.regions) + ", fonts " +
               std::to_string(after.fonts - before.fonts) + ")";
    }

    const RunOptions& m_options;
    RunCounts* m_counts;
    FormUnderTest m_form;
    Model m_model;
    Snapshot m_last;
};

} // namespace

std::optional<Failure> RunSteps(const Steps& steps, const RunOptions& options, RunCounts* counts) {
    Checker checker(options, counts);
    for (size_t i = 0; i < steps.size(); ++i)
        if (std::string broken = checker.Step(steps[i]); !broken.empty()) return Failure{i, broken};
    return std::nullopt;
}

std::optional<Failure> RunRandom(uint64_t seed, size_t count, const RunOptions& options, Steps& ran,
                                 RunCounts* counts) {
    std::mt19937_64 rng(seed);
    Checker checker(options, counts);
    Aim aim;
    ran.clear();
    for (size_t i = 0; i < count; ++i) {
        checker.Aim(aim);
        ran.push_back(RandomStep(rng, aim));
        if (std::string broken = checker.Step(ran.back()); !broken.empty()) return Failure{i, broken};
    }
    return std::nullopt;
}

} // namespace soak
