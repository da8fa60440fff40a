// The two choices that name a ribbon's look together with a colour-scheme name: the style family of its
// skin and the accent colour some skins tint their hot and checked elements with.
#pragma once

enum TovRibbonStyle { rs2007, rs2010, rs2013 };

enum TovRibbonColorSchemeAccent { rcsaYellow, rcsaBlue, rcsaGreen, rcsaOrange, rcsaPurple };
