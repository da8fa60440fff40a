// Wave input as the level chain calls it: the format and header structures, result codes, and the
// waveIn functions. Buffers are filled from the engine's shared capture stream and handed back to the
// window given at open as MM_WIM_DATA messages (WParam the device handle, LParam the header).
#pragma once

#include "platform/rtl/WinTypes.h"

using MMRESULT = UINT;
struct TWaveInDevice;
using HWAVEIN = TWaveInDevice*;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_NOTENABLED = 3;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_NOTSUPPORTED = 8;
constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MMSYSERR_HANDLEBUSY = 12;
constexpr MMRESULT WAVERR_BADFORMAT = 32;
constexpr MMRESULT WAVERR_STILLPLAYING = 33;
constexpr MMRESULT WAVERR_UNPREPARED = 34;
constexpr MMRESULT WAVERR_SYNC = 35;

constexpr UINT WAVE_MAPPER = UINT(-1);
constexpr WORD WAVE_FORMAT_PCM = 1;
constexpr DWORD CALLBACK_WINDOW = 0x00010000;
constexpr DWORD WAVE_MAPPED = 0x0004;
constexpr DWORD WAVE_FORMAT_QUERY = 0x0001;

constexpr UINT MM_WIM_OPEN = 0x3BE;
constexpr UINT MM_WIM_CLOSE = 0x3BF;
constexpr UINT MM_WIM_DATA = 0x3C0;

constexpr DWORD WHDR_DONE = 0x01;
constexpr DWORD WHDR_PREPARED = 0x02;
constexpr DWORD WHDR_INQUEUE = 0x10;

#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18, "WAVEFORMATEX is 18 bytes");

struct WAVEHDR {
    char* lpData = nullptr;
    DWORD dwBufferLength = 0;
    DWORD dwBytesRecorded = 0;
    DWORD_PTR dwUser = 0;
    DWORD dwFlags = 0;
    DWORD dwLoops = 0;
    WAVEHDR* lpNext = nullptr;
    DWORD_PTR reserved = 0;
};

UINT waveInGetNumDevs();
// Opens the input for `format` (16-bit or 8-bit PCM, 1 or 2 channels). Only CALLBACK_WINDOW is
// supported: `callback` is the window that receives MM_WIM_OPEN, MM_WIM_DATA and MM_WIM_CLOSE.
MMRESULT waveInOpen(HWAVEIN* handle, UINT deviceId, const WAVEFORMATEX* format, DWORD_PTR callback,
                    DWORD_PTR instance, DWORD flags);
MMRESULT waveInPrepareHeader(HWAVEIN handle, WAVEHDR* header, UINT size);
MMRESULT waveInUnprepareHeader(HWAVEIN handle, WAVEHDR* header, UINT size);
// Queues a prepared header; the device fills it and hands it back once, with WHDR_DONE set.
MMRESULT waveInAddBuffer(HWAVEIN handle, WAVEHDR* header, UINT size);
MMRESULT waveInStart(HWAVEIN handle);
MMRESULT waveInStop(HWAVEIN handle);
// Stops and hands every queued header back (marked done, with what it holds).
MMRESULT waveInReset(HWAVEIN handle);
MMRESULT waveInClose(HWAVEIN handle);
