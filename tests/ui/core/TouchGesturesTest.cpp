#include "UiCoreTestSupport.h"

#include "platform/rtl/Registry.h"
#include "platform/win/Gestures.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/platform/TouchGestures.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <numbers>
#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

// The fake gesture source: records handed out by handle, configurations recorded, handles closed.
struct FakeGestureSource {
    std::map<HGESTUREINFO, GESTUREINFO> records;
    std::vector<std::pair<HWND, std::vector<GESTURECONFIG>>> configs;
    std::vector<HGESTUREINFO> closed;
    bool dpiAware = false;
};
FakeGestureSource* GestureSource = nullptr;

const TGestureEntryPoints FakeGestureEntries = [] {
    TGestureEntryPoints e;
    e.GetGestureInfo = [](HGESTUREINFO h, GESTUREINFO* info) -> BOOL {
        auto it = GestureSource->records.find(h);
        if (it == GestureSource->records.end()) return FALSE;
        *info = it->second;
        return TRUE;
    };
    e.CloseGestureInfoHandle = [](HGESTUREINFO h) -> BOOL {
        GestureSource->closed.push_back(h);
        return TRUE;
    };
    e.SetGestureConfig = [](HWND hwnd, DWORD, UINT count, GESTURECONFIG* configs, UINT size) -> BOOL {
        EXPECT_EQ(size, 12u);
        GestureSource->configs.push_back({hwnd, std::vector<GESTURECONFIG>(configs, configs + count)});
        return TRUE;
    };
    e.IsProcessDPIAware = []() -> BOOL { return GestureSource->dpiAware; };
    return e;
}();

struct TGestureClient : IovGestureClient, IovZoomGestureClient {
    bool AllowGesture(DWORD AGestureID) override { return allowAll || AGestureID == GID_PAN; }
    bool AllowPan(TScrollBarKind AKind) override { return AKind == sbVertical; }
    void BeginGestureScroll(const TPoint& APos) override { log.push_back("begin " + Str(APos)); }
    void EndGestureScroll() override { log.push_back("end"); }
    void GestureScroll(int ADeltaX, int ADeltaY) override {
        log.push_back("scroll " + std::to_string(ADeltaX) + "," + std::to_string(ADeltaY));
        // The content ends at 0: scrolling up past it becomes over-pan feedback.
        if (helper != nullptr && ADeltaY > 0) {
            position -= ADeltaY;
            if (position < 0) {
                helper->CheckOverpan(sbVertical, position, 0, 100, ADeltaX, -position);
                position = 0;
            }
        } else if (ADeltaY < 0) {
            position -= ADeltaY;
        }
    }
    int GetPanOptions() override { return 0x1F; }
    bool IsPanArea(const TPoint&) override { return true; }
    bool NeedPanningFeedback(TScrollBarKind AKind) override { return AKind == sbVertical; }
    void Zoom(int ADelta, bool& AHandled) override {
        zooms.push_back(ADelta);
        AHandled = true;
    }
    static std::string Str(const TPoint& P) { return std::to_string(P.x) + "," + std::to_string(P.y); }
    bool allowAll = true;
    std::vector<std::string> log;
    std::vector<int> zooms;
    TovGestureHelper* helper = nullptr;
    int position = 10;
};

struct TGestureOwner : IovGestureOwner {
    IovGestureClient* GetGestureClient(const TPoint& P) override {
        asked = P;
        return client;
    }
    HWND GetHandle() override { return wnd; }
    bool IsGestureTarget(HWND AWnd) override { return AWnd == wnd; }
    TPoint ScreenToClient(const TPoint& P) override {
        TPoint p = P;
        ::ScreenToClient(wnd, &p);
        return p;
    }
    HWND wnd = nullptr;
    IovGestureClient* client = nullptr;
    TPoint asked{};
};

class TouchGesturesTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        GestureSource = &source;
        // A registry store of the test's own, so no user's "AppliedDPI" leaks in.
        const char* tmp = std::getenv("TMPDIR");
        storePath = (std::filesystem::path(tmp != nullptr ? tmp : "/tmp") / "touch-registry.dat").string();
        std::filesystem::remove(storePath);
        SetRegistryStoreFileName(storePath);
        olva::win::SetGestureEntryPoints(&FakeGestureEntries);
        ovTouchEnd();
        ovTouchStart();
        owner.wnd = MakeWindow(WS_POPUP | WS_VISIBLE, 100, 100);
        owner.client = &client;
        helper = std::make_unique<TovGestureHelper>(&owner);
        client.helper = helper.get();
    }
    void TearDown() override {
        helper.reset();
        ovTouchEnd();
        olva::win::SetGestureEntryPoints(nullptr);
        GestureSource = nullptr;
        SetRegistryStoreFileName("");
        std::filesystem::remove(storePath);
        UiCoreTest::TearDown();
    }
    // A WM_GESTURENOTIFY through the window (so the hook sees it), then into the helper.
    bool Notify(int X, int Y) {
        GESTURENOTIFYSTRUCT notify;
        notify.hwndTarget = owner.wnd;
        notify.ptsLocation = POINTS{SHORT(X), SHORT(Y)};
        SendMessage(owner.wnd, WM_GESTURENOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
        TMessage message{WM_GESTURENOTIFY, 0, reinterpret_cast<LPARAM>(&notify), 0};
        const bool handled = helper->HandleMessage(message);
        lastResult = message.Result;
        return handled;
    }
    LRESULT Gesture(DWORD AID, DWORD AFlags, int X, int Y, ULONGLONG AArguments = 0) {
        const auto handle = reinterpret_cast<HGESTUREINFO>(++nextHandle);
        GESTUREINFO info;
        info.cbSize = 48;
        info.dwID = AID;
        info.dwFlags = AFlags;
        info.hwndTarget = owner.wnd;
        info.ptsLocation = POINTS{SHORT(X), SHORT(Y)};
        info.ullArguments = AArguments;
        source.records[handle] = info;
        TMessage message{WM_GESTURE, AID, reinterpret_cast<LPARAM>(handle), 0};
        EXPECT_TRUE(helper->HandleMessage(message));
        return message.Result;
    }

    std::string storePath;
    FakeGestureSource source;
    TGestureOwner owner;
    TGestureClient client;
    std::unique_ptr<TovGestureHelper> helper;
    std::intptr_t nextHandle = 0x1000;
    LRESULT lastResult = 0;
};

TEST_F(TouchGesturesTest, NotifyConfiguresTheGesturesTheClientAllows) {
    EXPECT_TRUE(Notify(130, 140));
    EXPECT_EQ(owner.asked, (TPoint{30, 40})); // the hook's touch point, in client coordinates
    EXPECT_EQ(lastResult, 1);
    ASSERT_EQ(source.configs.size(), 1u);
    const auto& configs = source.configs[0].second;
    ASSERT_EQ(configs.size(), 5u);
    // Pan: horizontal single-finger panning is not allowed.
    EXPECT_EQ(configs[0].dwID, GID_PAN);
    EXPECT_EQ(configs[0].dwWant, 0x1Bu);
    EXPECT_EQ(configs[0].dwBlock, 0x04u);
    EXPECT_EQ(configs[1].dwID, GID_ZOOM);
    EXPECT_EQ(configs[1].dwWant, 1u);
    EXPECT_EQ(configs[4].dwID, GID_PRESSANDTAP);

    // A client refusing every gesture gets all five blocked with their offered flags.
    client.allowAll = false;
    source.configs.clear();
    struct TRefuser : TGestureClient {
        bool AllowGesture(DWORD) override { return false; }
    } refuser;
    owner.client = &refuser;
    Notify(130, 140);
    const DWORD offered[] = {0x1F, 1, 1, 1, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(source.configs[0].second[i].dwWant, 0u);
        EXPECT_EQ(source.configs[0].second[i].dwBlock, offered[i]);
    }
    // No client: nothing configured.
    owner.client = nullptr;
    source.configs.clear();
    EXPECT_FALSE(Notify(130, 140));
    EXPECT_TRUE(source.configs.empty());
}

TEST_F(TouchGesturesTest, PanningScrollsAndOverPanGoesToFeedbackFirst) {
    Notify(150, 150);
    Gesture(GID_PAN, GF_BEGIN, 150, 150);
    EXPECT_TRUE(helper->IsPanning());
    EXPECT_EQ(client.log, std::vector<std::string>{"begin 50,50"});
    Gesture(GID_PAN, 0, 150, 170); // 20 down: the content at 10 over-pans by 10
    EXPECT_EQ(client.position, 0);
    EXPECT_EQ(helper->OverPan(), (TPoint{0, 10}));
    Gesture(GID_PAN, 0, 150, 164); // back by 6: only the feedback moves
    EXPECT_EQ(helper->OverPan(), (TPoint{0, 4}));
    EXPECT_EQ(client.log.back(), "scroll 0,0");
    Gesture(GID_PAN, 0, 150, 154); // back by 10: 4 pull the feedback back, 6 scroll the content
    EXPECT_EQ(helper->OverPan(), (TPoint{0, 0}));
    EXPECT_EQ(client.log.back(), "scroll 0,-6");
    EXPECT_EQ(client.position, 6);
    Gesture(GID_PAN, GF_END, 150, 150);
    EXPECT_EQ(helper->OverPan(), (TPoint{0, 0}));
    EXPECT_FALSE(helper->IsPanning());
    const std::vector<std::string> tail(client.log.end() - 2, client.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"scroll 0,-4", "end"}));
    EXPECT_EQ(helper->GestureClient(), nullptr);
    EXPECT_EQ(source.closed.size(), 5u);
}

TEST_F(TouchGesturesTest, DestroyingTheWindowDuringAPanEndsIt) {
    Notify(150, 150);
    Gesture(GID_PAN, GF_BEGIN, 150, 150);
    TMessage destroy{WM_DESTROY, 0, 0, 0};
    EXPECT_FALSE(helper->HandleMessage(destroy));
    EXPECT_FALSE(helper->IsPanning());
    EXPECT_EQ(client.log.back(), "end");
}

TEST_F(TouchGesturesTest, ZoomDeltasAndUnhandledGesturesGoToDefWindowProc) {
    Notify(150, 150);
    EXPECT_EQ(Gesture(GID_ZOOM, GF_BEGIN, 150, 150, 100), 1);
    EXPECT_EQ(Gesture(GID_ZOOM, 0, 150, 150, 130), 1);
    EXPECT_EQ(Gesture(GID_ZOOM, GF_END, 150, 150, 120), 1);
    EXPECT_EQ(client.zooms, (std::vector<int>{0, 30, -10}));
    // The client does not rotate: DefWindowProc answers (0).
    EXPECT_EQ(Gesture(GID_ROTATE, GF_BEGIN, 150, 150, 32768), 0);
    // A record that cannot be read is answered, and its handle still closed.
    const std::size_t closedBefore = source.closed.size();
    TMessage broken{WM_GESTURE, GID_PAN, 0x7777, 0};
    EXPECT_TRUE(helper->HandleMessage(broken));
    EXPECT_EQ(source.closed.size(), closedBefore + 1);
    EXPECT_EQ(source.closed.back(), reinterpret_cast<HGESTUREINFO>(0x7777));
}

struct TRotatingClient : TGestureClient, IovRotateGestureClient {
    void Rotate(double AAngle, bool& AHandled) override {
        angles.push_back(AAngle);
        AHandled = true;
    }
    std::vector<double> angles;
};

TEST_F(TouchGesturesTest, RotationAnglesComeFromTheLow16BitsOfTheArgument) {
    TRotatingClient rotator;
    owner.client = &rotator;
    Notify(150, 150);
    Gesture(GID_ROTATE, GF_BEGIN, 150, 150, 32768);
    Gesture(GID_ROTATE, GF_END, 150, 150, 0x10000); // only the low 16 bits count: 0
    ASSERT_EQ(rotator.angles.size(), 2u);
    EXPECT_NEAR(rotator.angles[0], 0.0, 1e-3);
    EXPECT_NEAR(rotator.angles[1], -2 * std::numbers::pi, 1e-9);
}

TEST_F(TouchGesturesTest, PanPointsAreScaledFromTheAppliedDPIOnWindows7WithoutDPIAwareness) {
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey("Control Panel\\Desktop\\WindowMetrics", true));
        registry.WriteInteger("AppliedDPI", 144);
    }
    EXPECT_EQ(ovGetAppliedDPI(), 144);
    ovTouchEnd();
    ovTouchStart(); // Windows 7 and not DPI-aware: scaling on
    Notify(300, 250);
    Gesture(GID_PAN, GF_BEGIN, 400, 250); // client (300, 150)
    EXPECT_EQ(client.log.back(), "begin 200,100");
    {
        TRegistry registry;
        registry.OpenKey("Control Panel\\Desktop\\WindowMetrics", false);
        registry.DeleteValue("AppliedDPI");
    }
    EXPECT_EQ(ovGetAppliedDPI(), 96);
}

TEST_F(TouchGesturesTest, SuspendingBlocksEverythingAndWithoutEntryPointsNothingIsConfigured) {
    TMessage message{WM_GESTURENOTIFY, 0, 0, 0};
    ovSuspendGestures(owner.wnd, message);
    EXPECT_EQ(message.Result, 1);
    ASSERT_EQ(source.configs.size(), 1u);
    ASSERT_EQ(source.configs[0].second.size(), 1u);
    EXPECT_EQ(source.configs[0].second[0].dwID, 0u);
    EXPECT_EQ(source.configs[0].second[0].dwWant, 0u);
    EXPECT_EQ(source.configs[0].second[0].dwBlock, 1u);

    // The program itself has no gesture functions.
    ovTouchEnd();
    olva::win::SetGestureEntryPoints(nullptr);
    ovTouchStart();
    source.configs.clear();
    EXPECT_TRUE(Notify(150, 150));
    EXPECT_TRUE(source.configs.empty());
    EXPECT_EQ(Gesture(GID_PAN, GF_BEGIN, 150, 150), 0);
    EXPECT_TRUE(client.log.empty());
    EXPECT_FALSE(ovProcessIsDPIAware());
}

} // namespace
