// The parts many command pictures share, so that a page, a waveform, a disc or a badge looks the same
// wherever it appears. Coordinates are grid units (see IconPen.h).
#pragma once

#include "tools/commandicons/IconInks.h"
#include "tools/commandicons/IconPen.h"

#include <functional>
#include <map>
#include <string>

namespace commandicons {

// A picture's drawing.
using TMotif = std::function<void(TIconPen& P, const TInks& K)>;
using TMotifTable = std::map<std::string, TMotif>;

// Each family's drawings, added to the table under their motif names.
void AddDocumentMotifs(TMotifTable& Table);
void AddEditMotifs(TMotifTable& Table);
void AddSelectionMotifs(TMotifTable& Table);
void AddTransportMotifs(TMotifTable& Table);
void AddEffectMotifs(TMotifTable& Table);
void AddViewMotifs(TMotifTable& Table);
void AddToolMotifs(TMotifTable& Table);
void AddHelpMotifs(TMotifTable& Table);

namespace shapes {

// The line most waveforms run along, and how far their loudest bars reach from it.
inline constexpr double WaveY = 8, WaveAmp = 5;

// A sheet of paper with its top right corner folded, its outer edges at X..X+W, Y..Y+H.
void Page(TIconPen& P, const TInks& K, double X, double Y, double W, double H);
// Text lines on a page: N lines from (X, Y), every Gap units, W long.
void PageLines(TIconPen& P, TRgb Colour, double X, double Y, double W, int N, double Gap = 2);
// A waveform of bars about the line Y, from X0 to X1 (edges), Amplitude units high at its loudest.
// Seed varies the shape, so that two waveforms side by side differ.
void Wave(TIconPen& P, TRgb Colour, double X0, double X1, double Y, double Amplitude, int Seed = 0);
// The bars of Wave one by one: their left edges and heights, for pictures that colour them apart.
struct TWaveBar {
    double X, Height;
};
std::vector<TWaveBar> WaveBars(const TIconPen& P, double X0, double X1, double Amplitude, int Seed = 0);
// A waveform whose bars from A to B take Inner and the others Colour.
void SplitWave(TIconPen& P, TRgb Colour, TRgb Inner, double X0, double X1, double A, double B, double Y,
               double Amplitude, int Seed = 0);
// The editing cursor: a line from Top to Bottom at column X (edges X..X+1) with a small head on top.
void Cursor(TIconPen& P, TRgb Colour, double X, double Top, double Bottom);
// A flat line of silence from X0 to X1 on line Y.
void Silence(TIconPen& P, TRgb Colour, double X0, double X1, double Y);
// An optical disc with its hole, centred at (CX, CY).
void Disc(TIconPen& P, const TInks& K, double CX, double CY, double Radius);
// A floppy disk filling X..X+S, Y..Y+S.
void Floppy(TIconPen& P, const TInks& K, double X, double Y, double S);
// A magnifier: its lens centred at (CX, CY), the handle reaching HandleLength beyond it towards the
// bottom right.
void Magnifier(TIconPen& P, const TInks& K, double CX, double CY, double Radius, double HandleLength);
// A window: frame, title band (in Band) and paper inside.
void Window(TIconPen& P, const TInks& K, double X, double Y, double W, double H, TRgb Band);
// A five-pointed star.
void Star(TIconPen& P, TRgb Fill, const TRgb* Outline, double CX, double CY, double Outer, double Inner);
// A four-pointed spark centred on the unit (X, Y) (its centre X + 0.5, Y + 0.5), Radius units to a point.
void Sparkle(TIconPen& P, TRgb Colour, double X, double Y, double Radius);
// An open book whose outer edges are X..X+W, Y..Y+H.
void Book(TIconPen& P, const TInks& K, double X, double Y, double W, double H);
// A flag on its pole; the pole's foot at (X, Bottom), the cloth Width x Height.
void Flag(TIconPen& P, const TInks& K, double X, double Top, double Bottom, double Width, double Height);
// A loudspeaker facing right, its body's left edge at X, its middle between rows CY - 1 and CY.
void Speaker(TIconPen& P, const TInks& K, double X, double CY);
// A microphone on its stand: the head's left edge at X, its top at Top; 7 units wide, 12 high.
void Microphone(TIconPen& P, const TInks& K, double X, double Top);
// A pencil lying from its tip at (X, Y) towards the top right, Length units long.
void Pencil(TIconPen& P, const TInks& K, double X, double Y, double Length);
// A gear centred at (CX, CY).
void Gear(TIconPen& P, const TInks& K, double CX, double CY, double Radius, TRgb Fill);

// A pointed arrowhead of N steps. At the small size it is a stair of whole pixels: the tip is the unit
// whose top-left corner is (X, Y), and each step back is a unit wider on both sides; the large size
// draws the same triangle smoothly.
enum class TDir { Left, Right, Up, Down };
void Arrowhead(TIconPen& P, TRgb Colour, double X, double Y, TDir Dir, int N);

// ---- Badges: a small disc of the accent with a white sign, cut free of what lies under it.
enum class TBadge { Plus, Minus, Cross, ArrowDown, ArrowUp, Clock, Check };
void Badge(TIconPen& P, const TInks& K, TBadge Sign, double CX = 11.5, double CY = 11.5, double Radius = 3.5);
// Makes the area transparent (a margin around an overlay).
void EraseDisc(TIconPen& P, double CX, double CY, double Radius);
void EraseBox(TIconPen& P, double X, double Y, double W, double H);
void EraseStroke(TIconPen& P, TPt A, TPt B, double Width);
// A diagonal line of whole pixels at the small size (a smooth stroke at the large one), from (X0, Y0) N
// units along (DX, DY) = (±1, ±1); the first unit's top-left corner is (X0, Y0).
void Diagonal(TIconPen& P, TRgb Colour, double X0, double Y0, int N, int DX, int DY);

} // namespace shapes

} // namespace commandicons
