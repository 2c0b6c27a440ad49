#pragma once

#include "contained/ControlsOwner.h"

#include <memory>
#include <string>

namespace vntab {

class VNTab;

// The control that owns a tabs collection: it keeps the container's access-key string (one
// character a tab) and hears the collection's events synchronously, as they happen.
class TabsOwner : public ControlsOwner {
public:
    virtual std::string AccessKeys() const = 0;
    virtual void SetAccessKeys(std::string keys) = 0;

    // Events of the collection. A removal after Clear passes no tab. TabChanged passes the property
    // name by reference, as the event interface declares it.
    virtual void OnTabAdded(const std::shared_ptr<VNTab>& tab) = 0;
    virtual void OnTabChanged(const std::shared_ptr<VNTab>& tab, std::string& property) = 0;
    virtual void OnTabRemoved(const std::shared_ptr<VNTab>& tab) = 0;
};

} // namespace vntab
