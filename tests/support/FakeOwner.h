#pragma once

#include "tabs/TabsOwner.h"
#include "tabs/VNTab.h"

#include <memory>
#include <string>
#include <vector>

namespace vntab::fakes {

// The control's side of a tabs collection: it holds the access-key string and writes down every
// event the collection raises, in order.
class FakeOwner final : public TabsOwner {
public:
    struct Event {
        std::string name;
        std::shared_ptr<VNTab> tab;
        std::string property;
    };

    std::string keys;
    std::vector<Event> events;
    bool user_mode = true;
    int16_t tab_active = 1;

    bool UserMode() const override { return user_mode; }
    int16_t TabActive() const override { return tab_active; }
    std::string AccessKeys() const override { return keys; }
    void SetAccessKeys(std::string k) override { keys = std::move(k); }
    void OnTabAdded(const std::shared_ptr<VNTab>& tab) override { events.push_back({"TabAdded", tab, {}}); }
    void OnTabChanged(const std::shared_ptr<VNTab>& tab, std::string& property) override {
        events.push_back({"TabChanged", tab, property});
    }
    void OnTabRemoved(const std::shared_ptr<VNTab>& tab) override {
        events.push_back({"TabRemoved", tab, {}});
    }

    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (const auto& e : events)
            n.push_back(e.name);
        return n;
    }
};

} // namespace vntab::fakes
