#pragma once

#include "Document.h"
#include "EventLog.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace studio_test {

inline const std::filesystem::path kShowcase =
    std::filesystem::path(VNTAB_SOURCE_DIR) / "examples" / "showcase.frm";

// showcase.frm runs at (0, 19) of the window: the tab control stands at (8, 8) of the form, its
// second row of headers on top; the first row's headers are 110 pixels wide from x = 2, 22 to 46
// pixels down the control. Window points of the headers' centres, at zoom 1:
constexpr int kHeaderY = 19 + 8 + 34;
inline int HeaderX(int tab) {
    return 8 + 2 + 110 * (tab - 1) + 55;
}

// A document running showcase.frm whose events land in a list of lines.
class StudioTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override {
        gdi::SetLogicalDpi(96);
        document.Open(kShowcase.string());
    }
    void TearDown() override { gdi::SetLogicalDpi(96); }

    // "AfterTabChanged NewTab=2" for each event of the control, in order.
    std::vector<std::string> events;
    bool Saw(const std::string& line) const {
        return std::find(events.begin(), events.end(), line) != events.end();
    }
    studio::Document document{[this](host::ActiveXHolder&, const driver::Session::RecordedEvent& e) {
                                  std::string line = e.name;
                                  for (const auto& [name, value] : e.args)
                                      line += " " + name + "=" + studio::FormatValue(value);
                                  events.push_back(line);
                              },
                              nullptr};
};

} // namespace studio_test
