// The compression-manager functions the level chain calls: conversion streams between wave formats,
// format suggestion, and the driver catalogue. One built-in driver converts PCM (8 or 16 bits, 1 or 2
// channels, any rate) to PCM; rates are converted on libsoxr.
#pragma once

#include "acm/MMSystem.h"

struct TAcmStream;
struct TAcmDriver;
using HACMSTREAM = TAcmStream*;
using HACMDRIVER = TAcmDriver*;
using HACMDRIVERID = TAcmDriver*;
using HACMOBJ = void*;

constexpr MMRESULT ACMERR_NOTPOSSIBLE = 512;
constexpr MMRESULT ACMERR_BUSY = 513;
constexpr MMRESULT ACMERR_UNPREPARED = 514;

constexpr DWORD ACM_STREAMOPENF_QUERY = 0x00000001;
constexpr DWORD ACM_STREAMOPENF_NONREALTIME = 0x00000004;
constexpr DWORD ACM_STREAMSIZEF_SOURCE = 0x00000000;
constexpr DWORD ACM_STREAMSIZEF_DESTINATION = 0x00000001;
constexpr DWORD ACM_STREAMCONVERTF_BLOCKALIGN = 0x00000004;
constexpr DWORD ACM_STREAMCONVERTF_START = 0x00000010;
constexpr DWORD ACM_STREAMCONVERTF_END = 0x00000020;
constexpr DWORD ACMSTREAMHEADER_STATUSF_DONE = 0x00010000;
constexpr DWORD ACMSTREAMHEADER_STATUSF_PREPARED = 0x00020000;
constexpr DWORD ACMSTREAMHEADER_STATUSF_INQUEUE = 0x00100000;

constexpr DWORD ACM_FORMATSUGGESTF_WFORMATTAG = 0x00010000;
constexpr DWORD ACM_FORMATSUGGESTF_NCHANNELS = 0x00020000;
constexpr DWORD ACM_FORMATSUGGESTF_NSAMPLESPERSEC = 0x00040000;
constexpr DWORD ACM_FORMATSUGGESTF_WBITSPERSAMPLE = 0x00080000;

constexpr UINT ACM_METRIC_MAX_SIZE_FORMAT = 50;
constexpr UINT ACM_METRIC_DRIVER_PRIORITY = 101;

constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_CODEC = 0x00000001;
constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_CONVERTER = 0x00000002;
constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_FILTER = 0x00000004;
constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_HARDWARE = 0x00000008;
constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_ASYNC = 0x00000010;
constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_LOCAL = 0x40000000;
constexpr DWORD ACMDRIVERDETAILS_SUPPORTF_DISABLED = 0x80000000;

struct ACMSTREAMHEADER {
    DWORD cbStruct = sizeof(ACMSTREAMHEADER);
    DWORD fdwStatus = 0;
    DWORD_PTR dwUser = 0;
    BYTE* pbSrc = nullptr;
    DWORD cbSrcLength = 0;
    DWORD cbSrcLengthUsed = 0;
    DWORD_PTR dwSrcUser = 0;
    BYTE* pbDst = nullptr;
    DWORD cbDstLength = 0;
    DWORD cbDstLengthUsed = 0;
    DWORD_PTR dwDstUser = 0;
    DWORD dwReservedDriver[10] = {};
};

struct ACMDRIVERDETAILS {
    DWORD cbStruct = sizeof(ACMDRIVERDETAILS);
    DWORD fccType = 0;
    DWORD fccComp = 0;
    WORD wMid = 0;
    WORD wPid = 0;
    DWORD vdwACM = 0;
    DWORD vdwDriver = 0;
    DWORD fdwSupport = 0;
    DWORD cFormatTags = 0;
    DWORD cFilterTags = 0;
    char szShortName[32] = {};
    char szLongName[128] = {};
    char szCopyright[80] = {};
    char szLicensing[128] = {};
    char szFeatures[512] = {};
};

struct ACMFORMATDETAILS {
    DWORD cbStruct = sizeof(ACMFORMATDETAILS);
    DWORD dwFormatIndex = 0;
    DWORD dwFormatTag = 0;
    DWORD fdwSupport = 0;
    WAVEFORMATEX* pwfx = nullptr;
    DWORD cbwfx = 0;
    char szFormat[128] = {};
};

using ACMDRIVERENUMCB = BOOL (*)(HACMDRIVERID driverId, DWORD_PTR instance, DWORD support);
using ACMFORMATENUMCB = BOOL (*)(HACMDRIVERID driverId, ACMFORMATDETAILS* details, DWORD_PTR instance,
                                 DWORD support);

MMRESULT acmStreamOpen(HACMSTREAM* stream, HACMDRIVER driver, const WAVEFORMATEX* source,
                       const WAVEFORMATEX* destination, void* filter, DWORD_PTR callback, DWORD_PTR instance,
                       DWORD flags);
MMRESULT acmStreamSize(HACMSTREAM stream, DWORD input, DWORD* output, DWORD flags);
MMRESULT acmStreamPrepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, DWORD flags);
MMRESULT acmStreamUnprepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, DWORD flags);
MMRESULT acmStreamConvert(HACMSTREAM stream, ACMSTREAMHEADER* header, DWORD flags);
MMRESULT acmStreamReset(HACMSTREAM stream, DWORD flags);
MMRESULT acmStreamClose(HACMSTREAM stream, DWORD flags);
MMRESULT acmFormatSuggest(HACMDRIVER driver, const WAVEFORMATEX* source, WAVEFORMATEX* destination,
                          DWORD size, DWORD flags);

MMRESULT acmDriverEnum(ACMDRIVERENUMCB callback, DWORD_PTR instance, DWORD flags);
MMRESULT acmDriverDetails(HACMDRIVERID driverId, ACMDRIVERDETAILS* details, DWORD flags);
MMRESULT acmDriverOpen(HACMDRIVER* driver, HACMDRIVERID driverId, DWORD flags);
MMRESULT acmDriverClose(HACMDRIVER driver, DWORD flags);
// ACM_METRIC_MAX_SIZE_FORMAT (of a driver) and ACM_METRIC_DRIVER_PRIORITY (of a driver id), as DWORDs.
MMRESULT acmMetrics(HACMOBJ object, UINT metric, void* value);
// Enumerates the driver's formats; details->pwfx must hold details->cbwfx bytes.
MMRESULT acmFormatEnum(HACMDRIVER driver, ACMFORMATDETAILS* details, ACMFORMATENUMCB callback,
                       DWORD_PTR instance, DWORD flags);
