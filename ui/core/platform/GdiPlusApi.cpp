#include "ui/core/platform/GdiPlusApi.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/MessageDlg.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/ResourceStrings.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

namespace gdiplus_api_detail {

// What an entry point answers while the interface is not loaded: the status of an unstarted interface,
// or nothing.
template <class F> struct TUnbound;
template <class R, class... A> struct TUnbound<R (*)(A...)> {
    static R Call(A...) {
        if constexpr (std::is_same_v<R, GpStatus>)
            return GdiplusNotInitialized;
        else if constexpr (!std::is_void_v<R>)
            return R{};
    }
};

constexpr TovGdiPlusEntryPoints Unbound() {
    TovGdiPlusEntryPoints api{};
#define OV_GDIPLUS_UNBIND(Name) api.Name = &TUnbound<decltype(&::Name)>::Call;
    OV_GDIPLUS_ENTRY_POINTS(OV_GDIPLUS_UNBIND)
#undef OV_GDIPLUS_UNBIND
    return api;
}

void Bind() {
#define OV_GDIPLUS_BIND(Name) ovGdipApi.Name = &::Name;
    OV_GDIPLUS_ENTRY_POINTS(OV_GDIPLUS_BIND)
#undef OV_GDIPLUS_BIND
}

bool Available = false;
bool LibraryLoaded = false;
bool LibraryMissing = false;
ULONG_PTR StartupToken = 0;
ULONG_PTR HookToken = 0;
NotificationHookProc HookProc = nullptr;
NotificationUnhookProc UnhookProc = nullptr;

// The encoders of BMP, JPEG, PNG, TIFF and GIF (indexed by TovImageDataFormat - 1); all zero until found.
constexpr const char* EncoderMimeTypes[5] = {"image/bmp", "image/jpeg", "image/png", "image/tiff",
                                             "image/gif"};
CLSID Encoders[5] = {};

bool IsEmptyClsid(const CLSID& AClsid) {
    return AClsid == CLSID{};
}

std::string Narrow(const WCHAR* AText) {
    std::string result;
    if (AText != nullptr)
        for (; *AText != 0; ++AText)
            result += *AText < 0x80 ? static_cast<char>(*AText) : '?';
    return result;
}

// Where the user can read about the missing library.
constexpr const char* MissingLibraryText =
    "This program draws its pictures with the GDI+ imaging library, which could not be started. Please "
    "reinstall the program, or see https://olva-audio.org/help/imaging for help.";
constexpr const char* MissingLibraryCaption = "Application Error";

// Every allocation of a TovGpBase starts with this header, so that it goes back to its own allocator.
struct alignas(std::max_align_t) TAllocationHeader {
    bool FromInterface;
};

} // namespace gdiplus_api_detail

TovGdiPlusEntryPoints ovGdipApi = gdiplus_api_detail::Unbound();

TResStringRec sovGdipInvalidOperation{"sovGdipInvalidOperation", "Invalid operation in GDI+ (Code: %d)"};

EovGdipException::EovGdipException(int AStatus)
    : EovException(Format(uiGetResourceString(sovGdipInvalidOperation), {AStatus})), FStatus(AStatus) {}

void LoadGdiPlus() {
    using namespace gdiplus_api_detail;
    if (Available) return;
    LibraryLoaded = !LibraryMissing;
    Available = LibraryLoaded;
    if (!Available) return;
    Bind();
    GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    // No background thread: the notification hook below stands in for it.
    input.SuppressBackgroundThread = TRUE;
    input.SuppressExternalCodecs = FALSE;
    GdiplusStartupOutput output;
    const bool started = ovGdipApi.GdiplusStartup(&StartupToken, &input, &output) == Ok;
    if (!started || output.NotificationHook == nullptr || output.NotificationHook(&HookToken) != Ok) {
        if (started) ovGdipApi.GdiplusShutdown(StartupToken);
        Available = false;
        HookProc = nullptr;
        UnhookProc = nullptr;
        ovGdipApi = Unbound();
        return;
    }
    HookProc = output.NotificationHook;
    UnhookProc = output.NotificationUnhook;
}

bool CheckGdiPlus(bool AShowMessage) {
    using namespace gdiplus_api_detail;
    if (!Available) LoadGdiPlus();
    if (!Available && AShowMessage) {
        MessageBox(nullptr, MissingLibraryText, MissingLibraryCaption, MB_TASKMODAL | MB_ICONERROR);
        std::exit(1);
    }
    return Available;
}

void FreeGdiPlus() {
    using namespace gdiplus_api_detail;
    if (Available) {
        if (UnhookProc != nullptr) UnhookProc(HookToken);
        ovGdipApi.GdiplusShutdown(StartupToken);
    }
    LibraryLoaded = false;
    Available = false;
    HookProc = nullptr;
    UnhookProc = nullptr;
    ovGdipApi = Unbound();
    // The encoders belong to the interface that was shut down; the next one is asked again.
    for (CLSID& clsid : Encoders)
        clsid = CLSID{};
}

bool ovGdiPlusAvailable() {
    return gdiplus_api_detail::Available;
}

void ovGpSetLibraryMissing(bool AMissing) {
    gdiplus_api_detail::LibraryMissing = AMissing;
}

void GdipCheck(int AStatus) {
    if (AStatus != Ok) throw EovGdipException(AStatus);
}

int ovGpGetEncoderClsid(const std::string& AMimeType, CLSID& AClsid) {
    UINT count = 0, size = 0;
    if (!CheckGdiPlus(false) || ovGdipApi.GdipGetImageEncodersSize(&count, &size) != Ok || size == 0)
        return 1;
    // The records come first and their texts after them, all in one block.
    const std::size_t slots = (size + sizeof(ImageCodecInfo) - 1) / sizeof(ImageCodecInfo);
    const auto buffer = std::make_unique<ImageCodecInfo[]>(slots);
    if (ovGdipApi.GdipGetImageEncoders(count, size, buffer.get()) != Ok || count > slots) return 1;
    for (UINT i = 0; i < count; ++i)
        if (SameText(gdiplus_api_detail::Narrow(buffer[i].MimeType), AMimeType)) {
            AClsid = buffer[i].Clsid;
            return 0;
        }
    return 1;
}

void ovGpInitEncoders() {
    using namespace gdiplus_api_detail;
    for (int i = 0; i < 5; ++i) {
        if (!IsEmptyClsid(Encoders[i])) continue;
        const int status = ovGpGetEncoderClsid(EncoderMimeTypes[i], Encoders[i]);
        // Pictures are written as BMP, JPEG or PNG; TIFF and GIF are asked for only when used.
        const auto format = static_cast<TovImageDataFormat>(i + 1);
        if (format != dfTIFF && format != dfGIF) GdipCheck(status);
    }
}

CLSID ovGpGetImageEncoder(TovImageDataFormat AFormat) {
    using namespace gdiplus_api_detail;
    if (AFormat < dfBMP || AFormat > dfGIF) throw EovException("ovGetImageEncoder fails");
    CLSID& encoder = Encoders[AFormat - 1];
    if (IsEmptyClsid(encoder)) GdipCheck(ovGpGetEncoderClsid(EncoderMimeTypes[AFormat - 1], encoder));
    return encoder;
}

TovImageDataFormat ovGpGetImageDataFormat(const GUID& ARawFormat) {
    if (ARawFormat == ImageFormatBMP || ARawFormat == ImageFormatMemoryBMP || ARawFormat == ImageFormatEMF ||
        ARawFormat == ImageFormatWMF || ARawFormat == ImageFormatIcon)
        return dfBMP;
    if (ARawFormat == ImageFormatJPEG) return dfJPEG;
    if (ARawFormat == ImageFormatPNG) return dfPNG;
    if (ARawFormat == ImageFormatTIFF) return dfTIFF;
    if (ARawFormat == ImageFormatGIF) return dfGIF;
    return dfUnknown;
}

ARGB ovGpColorToARGB(TColor AColor, std::uint8_t AAlpha) {
    if (AColor == clNone) return 0;
    return ovColorToRGBQuad(AColor, AAlpha);
}

GpBitmap* ovGpCreateBitmap(int AWidth, int AHeight) {
    GpBitmap* bitmap = nullptr;
    GdipCheck(
        ovGdipApi.GdipCreateBitmapFromScan0(AWidth, AHeight, 0, PixelFormat32bppPARGB, nullptr, &bitmap));
    return bitmap;
}

GpBitmap* ovGpCreateBitmapFromSize(const TSize& ASize) {
    return ovGpCreateBitmap(ASize.cx, ASize.cy);
}

GpBitmap* ovGpCreateBitmapFromRect(const TRect& R) {
    return ovGpCreateBitmap(uiWidthOfRect(R), uiHeightOfRect(R));
}

void* ovGpAllocMemory(std::size_t ASize, bool& AFromInterface) {
    AFromInterface = ovGdiPlusAvailable();
    return AFromInterface ? ovGdipApi.GdipAlloc(ASize) : std::malloc(ASize);
}

void ovGpFreeMemory(void* APointer, bool AFromInterface) {
    if (APointer == nullptr) return;
    if (!AFromInterface)
        std::free(APointer);
    else if (ovGdiPlusAvailable())
        ovGdipApi.GdipFree(APointer);
    else
        ::GdipFree(APointer); // the interface's allocator is linked in and still takes the block
}

void* TovGpBase::operator new(std::size_t ASize) {
    using gdiplus_api_detail::TAllocationHeader;
    bool fromInterface = false;
    void* block = ovGpAllocMemory(sizeof(TAllocationHeader) + ASize, fromInterface);
    if (block == nullptr) throw std::bad_alloc();
    auto* header = new (block) TAllocationHeader{fromInterface};
    return header + 1;
}

void TovGpBase::operator delete(void* APointer) {
    using gdiplus_api_detail::TAllocationHeader;
    if (APointer == nullptr) return;
    auto* header = static_cast<TAllocationHeader*>(APointer) - 1;
    ovGpFreeMemory(header, header->FromInterface);
}

void ovGdiPlusApiStart() {
    gdiplus_api_detail::Available = false;
}

void ovGdiPlusApiEnd() {
    FreeGdiPlus();
}
