// The system's sound mixer, opened on its recording side: where the user chooses and levels the input
// that the recording window records. The main window's mixer command opens the same.
#pragma once

// Starts the mixer under the wait cursor and returns at once; a system without one shows nothing.
void StartSoundMixer();
