// Value types the standard controls share: text alignment and layout, check states, and the bevels of
// panels and bevel shapes.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TLeftRight { lrLeftJustify = 0, lrRightJustify = 1 };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;
