// Start-up and shut-down of the PNG codec: the picture class announced to the class library's
// pictures for the "png" extension.
#pragma once

// Registers "png" ("Portable Network Graphics") for TPngPicture with TPicture.
void PngCodecInitialize();
// Removes the registration again.
void PngCodecFinalize();
