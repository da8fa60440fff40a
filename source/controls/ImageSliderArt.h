// The image slider's default pictures, drawn in code: a rounded knob in two states (normal, then
// pressed or disabled) for each orientation, and a short sunken groove whose middle columns repeat.
// Every picture is 24 bits per pixel and keeps magenta in its bottom-left pixel, the colour drawn
// transparently.
#pragma once

#include <string>

class TBitmap;

// The four pictures, in the order the slider keeps its images.
enum TSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };

// The resource name a picture is known by ("W95_HTB", "W95_HRL", "W95_VTB", "W95_VRL").
std::string SliderImageName(TSliderImage Image);

// Replaces Bitmap's picture with the default one.
void LoadDefaultSliderImage(TBitmap* Bitmap, TSliderImage Image);
