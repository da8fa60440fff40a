// The arithmetic of the splash window: the premultiplication of its picture by each pixel's alpha and
// the steps of its fade-in.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Entry [a][c] = (a * c) div 255; symmetric in a and c.
using TPremultiplyTable = std::array<std::array<std::uint8_t, 256>, 256>;
void FillPremultiplyTable(TPremultiplyTable& Table);

// One row of B, G, R, A pixels: B, G and R become table[A][value]; A stays.
void PremultiplyRow(std::uint8_t* Pixels, int Width, const TPremultiplyTable& Table);

// The fade's next constant alpha: alpha + (255 - alpha) div 32 + 1.
int NextFadeAlpha(int Alpha);

// Every constant alpha of a fade from 0 to 255, in order (85 steps: 8, 16, 24, 32, 39, ..., 255).
std::vector<int> FadeSteps();
