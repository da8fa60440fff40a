// Playing and recording: the symbols of the transport bar's skinned buttons (tools/skingen), in colour:
// what plays is green, recording red, the rest the line colour.
#include "tools/commandicons/IconShapes.h"

namespace commandicons {

using namespace shapes;

namespace {

void Triangle(TIconPen& P, TRgb Colour, TPt A, TPt B, TPt C) {
    P.Polygon({A, B, C}, Colour);
}

} // namespace

void AddTransportMotifs(TMotifTable& T) {
    T["play"] = [](TIconPen& P, const TInks& K) { Triangle(P, K.Accent, {4, 2}, {14, 8}, {4, 14}); };
    T["play-to-end"] = [](TIconPen& P, const TInks& K) {
        Triangle(P, K.Accent, {2, 3}, {9, 8}, {2, 13});
        P.Box(10, 7, 1, 2, K.Line);
        P.Box(12, 3, 2, 10, K.Line);
    };
    T["loop-play"] = [](TIconPen& P, const TInks& K) {
        // Two arrows chasing each other round the loop, the play mark inside.
        P.Lines({{2.5, 9}, {2.5, 3.5}, {10.5, 3.5}}, K.Line);
        Arrowhead(P, K.Line, 13, 3, TDir::Right, 3);
        P.Lines({{13.5, 6}, {13.5, 12.5}, {5.5, 12.5}}, K.Line);
        Arrowhead(P, K.Line, 2, 12, TDir::Left, 3);
        Arrowhead(P, K.Accent, 9, 7, TDir::Right, 3);
        P.Box(6, 5, 1, 5, K.Accent);
    };
    T["play-pause"] = [](TIconPen& P, const TInks& K) {
        Triangle(P, K.Accent, {1, 3}, {8, 8}, {1, 13});
        P.Box(10, 3, 2, 10, K.Line);
        P.Box(13, 3, 2, 10, K.Line);
    };
    T["pause"] = [](TIconPen& P, const TInks& K) {
        P.RoundBox(3, 2, 4, 12, P.Pick(0.5, 0.75), K.Line);
        P.RoundBox(9, 2, 4, 12, P.Pick(0.5, 0.75), K.Line);
    };
    T["stop"] = [](TIconPen& P, const TInks& K) { P.RoundBox(3, 3, 10, 10, 1, K.Line); };
    T["go-to-start"] = [](TIconPen& P, const TInks& K) {
        P.Box(2, 3, 2, 10, K.Line);
        Triangle(P, K.Line, {14, 3}, {5, 8}, {14, 13});
    };
    T["rewind"] = [](TIconPen& P, const TInks& K) {
        Arrowhead(P, K.Line, 1, 7, TDir::Left, 6);
        Arrowhead(P, K.Line, 8, 7, TDir::Left, 6);
    };
    T["fast-forward"] = [](TIconPen& P, const TInks& K) {
        Arrowhead(P, K.Line, 7, 7, TDir::Right, 6);
        Arrowhead(P, K.Line, 14, 7, TDir::Right, 6);
    };
    T["go-to-end"] = [](TIconPen& P, const TInks& K) {
        Triangle(P, K.Line, {2, 3}, {11, 8}, {2, 13});
        P.Box(12, 3, 2, 10, K.Line);
    };
    T["record"] = [](TIconPen& P, const TInks& K) { P.Disc(8, 8, 6, K.Record); };
}

} // namespace commandicons
