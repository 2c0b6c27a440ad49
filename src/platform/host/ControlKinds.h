#pragma once

#include "platform/host/PropertyList.h"

#include <string_view>
#include <vector>

namespace host {

// The built-in controls a form can hold, with the properties each kind really has. Windowed kinds
// get a child window of their container; windowless ones paint on their container's surface.
// Which kind a descriptor describes, for code that acts on the kind (its painter).
enum class ControlKindId {
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    ListBox,
    ComboBox,
    PictureBox,
    Frame,
    Label,
    Line,
    Shape,
    Image,
    Timer
};

struct ControlKind {
    ControlKindId id;
    std::string_view name;
    bool windowed = false;
    bool container = false; // holds other controls (Frame, PictureBox)
    bool has_scale = false; // has its own ScaleMode (PictureBox)
    bool positioned = true; // Left and Top (all but Line)
    bool sized = true;      // Width and Height (all but Line and Timer)
    bool paints = true;     // Refresh (all but Timer)
    std::vector<PropertyDefault> properties;

    const PropertyDefault* Find(std::string_view property) const {
        return FindPropertyDefault(properties, property);
    }
};

// The kind of a type name as a form file writes it ("TextBox" or "VB.TextBox"); null when unknown.
const ControlKind* FindControlKind(std::string_view type_name);
const std::vector<ControlKind>& ControlKinds();
// The name without a library qualifier: "VB.TextBox" gives "TextBox".
std::string_view UnqualifiedTypeName(std::string_view type_name);

} // namespace host
