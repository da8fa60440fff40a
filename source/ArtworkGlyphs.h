// The program's small pictures drawn in code: the progress window's picture. (The main window's button
// pictures are drawn at build time with its skin, tools/skingen.)
#pragma once

class TImage;

// A 48 x 48 picture of a sound wave on a blue tile, into the image's picture.
void DrawProgressPicture(TImage& Image);
