#include "tools/commandicons/IconInks.h"

namespace commandicons {

using art::Hex;
using art::Mix;
using art::TRgb;

TInks InksOf(TIconFamily Family) {
    TRgb accent;
    switch (Family) {
    case TIconFamily::Document:
        accent = Hex(0x2f6fd6);
        break;
    case TIconFamily::Edit:
        accent = Hex(0x12948a);
        break;
    case TIconFamily::Selection:
        accent = Hex(0x8450d8);
        break;
    case TIconFamily::Transport:
        accent = Hex(0x22a046);
        break;
    case TIconFamily::Effects:
        accent = Hex(0xec7518);
        break;
    case TIconFamily::NoiseReduction:
        accent = Hex(0xc23f98);
        break;
    case TIconFamily::View:
        accent = Hex(0x1597c4);
        break;
    case TIconFamily::Markers:
        accent = Hex(0xe19c00);
        break;
    case TIconFamily::Tools:
        accent = Hex(0x6e9618);
        break;
    case TIconFamily::Help:
        accent = Hex(0x4a58d0);
        break;
    case TIconFamily::Program:
        accent = Hex(0x2f6fd6);
        break;
    }
    TInks inks;
    inks.Line = Hex(0x3a4452);
    inks.Paper = Hex(0xffffff);
    inks.Shade = Hex(0xd3d9e1);
    inks.Accent = accent;
    inks.Tint = Mix(inks.Paper, accent, 0.3);
    inks.Deep = Mix(accent, inks.Line, 0.35);
    inks.Record = Hex(0xdc3a2c);
    return inks;
}

} // namespace commandicons
