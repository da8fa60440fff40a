// The program's small pictures, drawn in code: the progress window's picture and the glyphs of the
// main window's transport and zoom buttons.
#pragma once

class TImage;
class TBitmap;

// A 48 x 48 picture of a sound wave on a blue tile, into the image's picture.
void DrawProgressPicture(TImage& Image);

enum class TButtonPicture {
    Start,
    Rewind,
    Stop,
    Play,
    PlayLooped,
    PlayToEnd,
    Pause,
    Forward,
    End,
    Record,
    VerticalZoomOut,
    VerticalZoomIn,
    ZoomFull,
    ZoomToSelection,
    ZoomOut,
    ZoomIn,
};

// A 16 x 16 button glyph on the transparent colour of the class library's glyphs (the colour of the
// bottom-left pixel).
void DrawButtonGlyph(TBitmap& Bitmap, TButtonPicture Glyph);
