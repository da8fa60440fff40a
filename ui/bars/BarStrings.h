// The bar system's texts: every message and caption of the bars, menus and their customization, each a
// replaceable resource string registered under the product section "Quorvex".
#pragma once

#include "ui/core/base/ResourceStrings.h"

#define OV_BAR_STRING(AName, AText) extern TResStringRec AName;
#include "ui/bars/BarStringTable.inc"
#undef OV_BAR_STRING

// The product section under which a host replaces the bar texts.
inline constexpr const char* ovBarProductName = "Quorvex";

// Number of texts in the section.
int ovBarStringCount();
// Registers the section with the repository (start-up) and removes it again (shut-down).
void ovBarStringsStart();
void ovBarStringsEnd();
