// The names under which the build embeds our skins and button pictures (made by tools/skingen at build
// time; see cmake/EmbedResources.cmake). A window finds them with FindResource / TResourceStream after
// the program has registered its resources.
#pragma once

namespace skin_resources {

// Type "SKIN": the packed bytes of a window's stored skin, exactly its "CompressedData".
inline constexpr const char* SkinType = "SKIN";
inline constexpr const char* MainWindowSkin = "MAINWINDOW";
inline constexpr const char* RecordingSkin = "RECORDING";

// Type "BITMAP" (what TBitmap::LoadFromResourceName reads): 16 x 16 one-cell 24-bit glyphs, transparent
// by their bottom-left pixel, for the main window's transport buttons (in this order) ...
inline constexpr const char* BitmapType = "BITMAP";
inline constexpr int GlyphSize = 16;
inline constexpr const char* TransportGlyphs[] = {
    "GLYPH_START",     "GLYPH_REWIND", "GLYPH_STOP",    "GLYPH_PLAY", "GLYPH_PLAYLOOPED",
    "GLYPH_PLAYTOEND", "GLYPH_PAUSE",  "GLYPH_FORWARD", "GLYPH_END",  "GLYPH_RECORD"};
// ... and for the command bar's "Effects" and "Favorites" page buttons ...
inline constexpr const char* CommandBarGlyphs[] = {"GLYPH_EFFECTS", "GLYPH_FAVORITES"};
// ... and 16 x 16 32-bit images with their own alpha for the zoom buttons' image list (vertical zoom
// out, vertical zoom in, full, to selection, zoom out, zoom in).
inline constexpr int ZoomImageSize = 16;
inline constexpr const char* ZoomImages[] = {"ZOOM_VERTICALOUT", "ZOOM_VERTICALIN", "ZOOM_FULL",
                                             "ZOOM_TOSELECTION", "ZOOM_OUT",        "ZOOM_IN"};

// Type "PNG": the recording window's 24 x 24 RGBA images, image list indexes 0 to 5 (record, pause,
// delete, timer record, mixer, settings).
inline constexpr const char* PngType = "PNG";
inline constexpr int RecordingImageSize = 24;
inline constexpr const char* RecordingImages[] = {"REC_RECORD",      "REC_PAUSE", "REC_DELETE",
                                                  "REC_TIMERRECORD", "REC_MIXER", "REC_SETTINGS"};

} // namespace skin_resources
