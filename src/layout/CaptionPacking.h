#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vntab {

class ControlView;
class VNTab;

// One row of caption-sized headers: the tabs it holds, in order, and the length their packing
// lengths leave unused in the row.
struct PackedRow {
    int32_t first = 1; // 1-based index of the row's first tab
    int16_t headers = 0;
    int32_t leftover = 0;
};

// The caption width of every tab, in tab order, each caption measured once.
std::vector<int32_t> MeasureCaptions(const ControlView& ctl, gdi::HDC dc);

// The picture beside the caption (picture left or right of the text) takes its own length in the
// header; 0 for a tab without a picture or with the picture aligned anywhere else. `down_the_side`
// measures the picture's height instead of its width, for headers whose rows run along y.
int32_t SidePictureLength(const ControlView& ctl, const VNTab& tab, bool down_the_side);

// Packs the tabs into rows for the caption-based justifications and sets RowCount and RowCapacity.
std::vector<PackedRow> PackCaptionRows(ControlView& ctl, std::span<const int32_t> caption_widths,
                                       int32_t row_length);

} // namespace vntab
