#include "ui/skin/skin_colours.h"

namespace skin {

namespace {

// Rings and faces shared by the schemes; each scheme differs only where the table says so.
constexpr Gradient kHover = vertical(0xCFF0FF, 0x0097E5);
constexpr Gradient kTicked = {0xBDCBD6, 0xC6CFD6, 0xEFF3F7, 0xEFF3F7};
constexpr Gradient kBlueFocus = vertical(0xFFE7CE, 0xEE8269);
constexpr Gradient kNormalRing = vertical(0xFFFFFF, 0xD6DFE2);
constexpr Gradient kPlainPushed = vertical(0xCEE3EF, 0xCEE3EF);

constexpr Scheme kSchemes[] = {
    {0xBD9E7B,
     0x733C00,
     {vertical(0xC1CCD1, 0xEEF1F2), kHover, kTicked, kBlueFocus, kNormalRing,
      Gradient{0xDEE3E7, 0xE7E7E7, 0xDEE3E7, 0xDEE3E7}, vertical(0xFBFCFC, 0xE6EBEC)}},
    {0x7FB9A4,
     0x066237,
     {kPlainPushed, kHover, kTicked, kHover, kNormalRing, kPlainPushed, vertical(0xFBFCFC, 0xC9E1EC)}},
    {0xD7C5C6,
     0x743C00,
     {kPlainPushed, kHover, kTicked, kBlueFocus, kNormalRing, vertical(0xC5B2B3, 0xFBFCFC),
      vertical(0xFBFCFC, 0xD7C5C6)}},
};

}  // namespace

const Scheme& schemeColours(int scheme) { return kSchemes[scheme >= 1 && scheme <= 3 ? scheme - 1 : 0]; }

}  // namespace skin
