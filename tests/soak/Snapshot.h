#pragma once

#include <string>
#include <vector>

namespace soak {

class FormUnderTest;

// Everything a program can observe of the tab control and the controls placed on it, read through
// the public interfaces, in text so that two states compare and print plainly.
struct Snapshot {
    struct Record {
        std::string name, index, tab_stop;
        friend bool operator==(const Record&, const Record&) = default;
    };
    struct Tab {
        std::string index, caption, key, colours;
        std::vector<Record> records;
        friend bool operator==(const Tab&, const Tab&) = default;
    };
    struct Placed {
        std::string name;
        double left = 0, top = 0;
        friend bool operator==(const Placed&, const Placed&) = default;
    };

    std::vector<std::pair<std::string, std::string>> properties; // persisted ones, by name
    std::string active;                                          // TabActive
    std::string access_keys;                                     // as the container holds them
    std::vector<Tab> tabs;
    std::vector<Placed> placed; // the controls placed on the tab control, in the form's order

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot TakeSnapshot(FormUnderTest& form);

// The first difference between two states, in words; empty when there is none. `what` picks the
// parts compared: the properties, tabs and records a file keeps, or everything.
enum class Compare { Saved, Everything };
std::string FirstDifference(const Snapshot& before, const Snapshot& after, Compare what);

} // namespace soak
