// The drag image of a drag object follows the mouse while dragging and goes when the drag ends.
#include "ControlTestSupport.h"
#include "GraphicsTestUtil.h"

#include "platform/vcl/DragDrop.h"
#include "platform/vcl/ImageList.h"

namespace control_test {
namespace {

class TImageDragObject : public TDragControlObject {
public:
    TImageDragObject(TControl* AControl, TDragImageList* AImages)
        : TDragControlObject(AControl), FImages(AImages) {}
    TDragImageList* GetDragImages() override { return FImages; }

private:
    TDragImageList* FImages;
};

class DragImageTest : public ControlTest {
protected:
    void Build() {
        TForm* form = MakeForm(300, 200);
        Source = new TTestEdit(form);
        Source->SetBounds(10, 10, 50, 20);
        Source->SetParent(form);
        Source->SetDragMode(dmAutomatic);
        Shows = new TTestEdit(form);
        Shows->SetBounds(150, 100, 80, 40);
        Shows->ControlStyle() += TControlStyle{csDisplayDragImage};
        Shows->SetParent(form);
        Hides = new TTestEdit(form);
        Hides->SetBounds(150, 20, 80, 40);
        Hides->SetParent(form);
        auto picture = graphics_test::MakeBitmap(12, 10, clRed);
        Images.Add(picture.get(), nullptr);
        Images.SetDragImage(0, 2, 3);
        Source->OnStartDrag =
            TStartDragEvent([this](TObject*, TDragObject*& Object) { Object = Dragged.get(); }, this);
        Dragged = std::make_unique<TImageDragObject>(Source, &Images);
        form->Show();
        Process();
    }
    void MoveTo(POINT p) {
        olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
        Process();
    }
    bool ImageShown() const {
        return Images.Dragging() && Images.ImageWindow() != nullptr && IsWindowVisible(Images.ImageWindow());
    }
    TTestEdit* Source = nullptr;
    TTestEdit* Shows = nullptr;
    TTestEdit* Hides = nullptr;
    TDragImageList Images{nullptr, 12, 10};
    std::unique_ptr<TImageDragObject> Dragged;
};

TEST_F(DragImageTest, TheImageFollowsTheMouseOverTargetsThatShowIt) {
    Build();
    const POINT start = Source->ClientToScreen(POINT{5, 5});
    olva::win::InjectMouse(olva::win::MouseAction::Move, start.x, start.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, start.x, start.y);
    MoveTo(Source->ClientToScreen(POINT{6, 6}));
    EXPECT_FALSE(Images.Dragging()) << "no image before the drag has started";
    struct Step {
        TControl* over;
        bool shown;
    };
    const Step steps[] = {{Shows, true}, {Hides, false}, {Shows, true}};
    for (const Step& s : steps) {
        const POINT at = s.over->ClientToScreen(POINT{20, 15});
        MoveTo(at);
        EXPECT_TRUE(Images.Dragging());
        EXPECT_EQ(ImageShown(), s.shown) << s.over->Top();
        // The hot spot (2, 3) of the image is under the mouse.
        EXPECT_EQ(Images.DragRect(), (RECT{at.x - 2, at.y - 3, at.x + 10, at.y + 7}));
    }
    const POINT drop = Shows->ClientToScreen(POINT{20, 15});
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, drop.x, drop.y);
    Process();
    EXPECT_FALSE(Images.Dragging());
    EXPECT_EQ(Images.ImageWindow(), nullptr);
    EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragImageTest, CancellingTheDragRemovesTheImage) {
    Build();
    const POINT start = Source->ClientToScreen(POINT{5, 5});
    olva::win::InjectMouse(olva::win::MouseAction::Move, start.x, start.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, start.x, start.y);
    MoveTo(Source->ClientToScreen(POINT{6, 6}));
    MoveTo(Shows->ClientToScreen(POINT{20, 15}));
    ASSERT_TRUE(ImageShown());
    const HWND popup = Images.ImageWindow();
    Press(VK_ESCAPE);
    Process();
    EXPECT_FALSE(Images.Dragging());
    EXPECT_FALSE(IsWindow(popup));
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, start.x, start.y);
    Process();
}

} // namespace
} // namespace control_test
