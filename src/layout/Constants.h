#pragma once

#include <cstdint>

// The public enumerations of the tab control's type library. Enumeration values are 32-bit
// integers, as the type library declares them.
namespace vntab {

enum VNFocusRectStyleConstants : int32_t { vnFocusRectNone = 0, vnFocusRectText = 1 };

enum VNOrientationConstants : int32_t {
    vnOrientationTop = 0,
    vnOrientationRight = 1,
    vnOrientationBottom = 2,
    vnOrientationLeft = 3,
};

enum VNTab3DAppearanceConstants : int32_t { vn3DAuto = 0, vn3DWindows95 = 1, vn3DWindows = 2 };

enum VNTabJustificationConstants : int32_t {
    vnJustifiedNone = 0,
    vnJustifiedFitCaption = 1,
    vnJustifiedProportional = 2,
    vnJustifiedByCaption = 3,
};

enum VNTabStyleConstants : int32_t {
    vnTabNormal = 0,
    vnTabChamfered = 1,
    vnTabRounded = 2,
    vnTabSlanted = 3,
    vnTabSquare = 4,
};

enum VNTextAlignmentConstants : int32_t {
    vnTextTopLeft = 0,
    vnTextMiddleLeft = 1,
    vnTextBottomLeft = 2,
    vnTextTopRight = 3,
    vnTextMiddleRight = 4,
    vnTextBottomRight = 5,
    vnTextTopCenter = 6,
    vnTextMiddleCenter = 7,
    vnTextBottomCenter = 8,
};

enum VNPictureAlignmentConstants : int32_t {
    vnPictTopLeft = 0,
    vnPictMiddleLeft = 1,
    vnPictBottomLeft = 2,
    vnPictTopRight = 3,
    vnPictMiddleRight = 4,
    vnPictBottomRight = 5,
    vnPictTopCenter = 6,
    vnPictMiddleCenter = 7,
    vnPictBottomCenter = 8,
    vnPictStretch = 9,
    vnPictTile = 10,
    vnPictLeftOfText = 11,
    vnPictRightOfText = 12,
    vnPictAboveText = 13,
    vnPictBelowText = 14,
};

enum VNOLEDropModeConstants : int32_t { vnOLENone = 0, vnOLEManual = 1, vnOLEAutomatic = 2 };

} // namespace vntab
