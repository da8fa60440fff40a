// The gain curve of the envelope display: points (place 0..1 along the scale, gain in dB) joined by
// straight lines. The two ends are always there and keep their places; points between them stay in
// order, so a moved point never passes a neighbour.
#pragma once

#include <cstddef>
#include <vector>

class TEnvelopeLine {
public:
    struct TPoint {
        double X = 0;  // 0..1
        double Db = 0; // gain
    };

    TEnvelopeLine(double lowestDb, double highestDb);

    const std::vector<TPoint>& Points() const { return FPoints; }
    // Adds a point between the ends (x is kept strictly inside) and returns its index.
    std::size_t Add(double x, double db);
    // Moves a point: the ends only up and down, the others also sideways between their neighbours.
    void Move(std::size_t index, double x, double db);
    // Removes a point; the ends stay (false).
    bool Remove(std::size_t index);
    // The gain at x, between the points around it.
    double GainAt(double x) const;
    // The curve at `count` evenly spaced places from 0 to 1, ends included.
    std::vector<float> Sample(std::size_t count) const;

private:
    double ClampDb(double db) const;
    double FLowest, FHighest;
    std::vector<TPoint> FPoints;
};
