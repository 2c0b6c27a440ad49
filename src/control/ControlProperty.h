#pragma once

#include "layout/TabCtlState.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/StdFont.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vntab {

class VNTabCtl;

// How a saved property's value is kept in the container's property bag.
enum class BagType : uint8_t {
    Integer, // 16-bit; a length kept in a 32-bit field must fit 16 bits when it is written
    Long,    // 32-bit: colours and enumerations
    Boolean,
    Font, // the caption font, whose defaults are the container's fonts rather than a number
};

// How a saved property's value reaches the control, read from the bag or as the default a new
// control starts with.
enum class Apply : uint8_t {
    Store, // into its field as it is, without the checks of its set
    Let,   // through the property's automation set: checked, reported and repainted as any set
    Skip,  // not at all: the field follows from others
};

// The state field a saved property lives in.
using StateField = std::variant<int16_t TabCtlState::*, int32_t TabCtlState::*, bool TabCtlState::*,
                                std::shared_ptr<rt::StdFont> TabCtlState::*>;

// Where a key stands among the control's keys: as they are read, and as they are written. The two
// differ only where a saved form has always kept its keys in another order than they are read.
struct BagOrder {
    int8_t read = 0;
    int8_t write = 0;
};

// A property's key in the property bag. Made by the functions below, which pair each bag type with
// the fields it can live in.
struct SavedKey {
    BagType type = BagType::Long;
    StateField field{};
    int32_t default_value = 0; // read and written as the default; 0 or 1 for a Boolean
    BagOrder at{};
    std::string_view key{}; // empty: the property's own name
    Apply on_read = Apply::Store;
    Apply on_init = Apply::Store;
    // Runs after the value is read from the bag (not when a new control gets its default).
    void (VNTabCtl::*after_read)() = nullptr;
    // For a value stored as it was read: what the property's set accepts ("0 to 4") when it would
    // refuse `stored` (error 380), nothing when it would take it. Null: the set takes any value.
    std::optional<std::string> (*refused)(const VNTabCtl&, int32_t stored) = nullptr;

    SavedKey Named(std::string_view name) const;
    SavedKey ReadBy(Apply apply) const;
    SavedKey InitBy(Apply apply) const;
    SavedKey AfterRead(void (VNTabCtl::*step)()) const;
    SavedKey Accepting(std::optional<std::string> (*check)(const VNTabCtl&, int32_t)) const;
};

SavedKey Integer(int16_t TabCtlState::*field, int16_t default_value, BagOrder at);
SavedKey Integer(int32_t TabCtlState::*field, int16_t default_value, BagOrder at);
SavedKey Long(int32_t TabCtlState::*field, int32_t default_value, BagOrder at);
SavedKey Boolean(bool TabCtlState::*field, bool default_value, BagOrder at);
SavedKey Font(std::shared_ptr<rt::StdFont> TabCtlState::*field, BagOrder at);

// One property of the control: its automation member (name, dispatch identifier, accessors) and,
// when the container saves it, its key in the property bag. A saved key the program never sees
// has a member without accessors.
struct ControlProperty {
    rt::Member<VNTabCtl> member;
    std::optional<SavedKey> saved = std::nullopt;

    // The name the bag knows the property by.
    std::string_view Key() const { return saved && !saved->key.empty() ? saved->key : member.name; }
};

} // namespace vntab
