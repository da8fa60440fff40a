// The envelope dialog: the display it shows and how, its X scale set to the selection (never crossed,
// never empty), and the levels it gives turned into the gains the effect takes.
#include "EffectTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/views/AudioTransformDisplay2.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Font.h"
#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"
#include "source/effects/EnvelopeForm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace envelope_dialog_test {

using effect_test::EffectDialogTest;

TEST_F(EffectDialogTest, EnvelopeShowsItsDisplayOverTheButtons) {
    GlobalVars().PreviewOperationTypes = 7;
    Host.PreviewingFlag = true;
    auto* d = Open<TEnvelopeForm>();
    EXPECT_EQ(d->Caption(), "Envelope");
    EXPECT_EQ(d->ClientWidth(), 555);
    EXPECT_EQ(d->ClientHeight(), 252);
    EXPECT_FALSE(d->Scaled());
    ASSERT_NE(d->TD, nullptr);
    EXPECT_EQ(d->FindComponent("TD"), d->TD);
    EXPECT_EQ(d->TD->Left(), 8);
    EXPECT_EQ(d->TD->Top(), 0);
    EXPECT_EQ(d->TD->Width(), 545);
    EXPECT_EQ(d->TD->Height(), 200);
    EXPECT_EQ(d->TD->Font()->Name(), "Tahoma");
    EXPECT_EQ(d->TD->Font()->Size(), 7);
    EXPECT_EQ(d->TD->Font()->Color(), RGB(168, 220, 248));
    EXPECT_TRUE(d->TD->GridVisible());
    EXPECT_EQ(d->TD->ScaleXCaption(), "smpl");
    EXPECT_EQ(d->TD->LineArraySize(), 100000);
    // Only OK, Cancel and Help, below the display; nothing stored, nothing previewed.
    EXPECT_EQ(d->ButtonPreview, nullptr);
    EXPECT_EQ(d->ComboBoxPreset, nullptr);
    EXPECT_EQ(d->ButtonOK->ModalResult(), mrOk);
    for (TControl* c : {static_cast<TControl*>(d->Bevel), static_cast<TControl*>(d->ButtonOK),
                        static_cast<TControl*>(d->ButtonCancel), static_cast<TControl*>(d->ButtonHelp)}) {
        EXPECT_GE(c->Top(), d->TD->Top() + d->TD->Height()) << c->Name();
        EXPECT_LE(c->Top() + c->Height(), d->ClientHeight()) << c->Name();
        EXPECT_LE(c->Left() + c->Width(), d->TD->Left() + d->TD->Width()) << c->Name();
    }
    d->StoreParams();
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, 7);
    EXPECT_TRUE(Host.PreviewingFlag);
    ClickCentre(d->ButtonHelp);
    EXPECT_EQ(Host.HelpAddresses.size(), 1u);
}

struct TScaleCase {
    const char* Name;
    float InitialMin, InitialMax;
    std::int64_t Start, End;
    float Min, Max;
};

TEST_F(EffectDialogTest, EnvelopeScaleBecomesTheSelection) {
    const float big = 33554433.0f; // 2^25 + 1 is no float: neighbours are 2 apart there
    const TScaleCase cases[] = {
        {"selection above the scale", 0, 100, 44100, 88200, 44100, 88200},
        {"selection inside the scale", 0, 100000, 300, 700, 300, 700},
        // Left to itself the maximum would keep 2000 here.
        {"selection below the scale", 1000, 2000, 10, 20, 10, 20},
        {"empty selection", 0, 100, 500, 500, 500, 501},
        {"empty selection at the start", 0, 100, 0, 0, 0, 1},
        {"one sample far out", 0, 100, 33554433, 33554434, big, std::nextafter(big, 1e30f)},
    };
    auto* d = Open<TEnvelopeForm>();
    for (const TScaleCase& c : cases) {
        d->TD->SetScaleXMin(c.InitialMin);
        d->TD->SetScaleXMax(c.InitialMax);
        d->SetScaleToSamples(c.Start, c.End);
        EXPECT_EQ(d->TD->ScaleXMin(), c.Min) << c.Name;
        EXPECT_EQ(d->TD->ScaleXMax(), c.Max) << c.Name;
        EXPECT_LT(d->TD->ScaleXMin(), d->TD->ScaleXMax()) << c.Name;
    }
    // From the editor's selection.
    TAudioEditor2 editor;
    editor.New(8000, 1);
    editor.PutSamples(std::vector<float>(8000, 0.1f));
    editor.Position().SetSelection(-1);
    editor.Position().SetSelectionStart(1234);
    editor.Position().SetSelectionEnd(5678);
    d->SetScaleToSelection(editor.Position());
    EXPECT_EQ(d->TD->ScaleXMin(), 1234.0f);
    EXPECT_EQ(d->TD->ScaleXMax(), 5678.0f);
}

TEST(EnvelopeGainsTest, DecibelsBecomeLinearGains) {
    std::vector<float> levels{-6, 0, -60, 12, -20};
    EnvelopeGainsFromDecibels(levels);
    EXPECT_NEAR(levels[0], 0.501187f, 1e-6f);
    EXPECT_EQ(levels[1], 1.0f);
    EXPECT_NEAR(levels[2], 0.001f, 1e-9f);
    EXPECT_NEAR(levels[3], 3.981072f, 1e-6f);
    EXPECT_NEAR(levels[4], 0.1f, 1e-8f);
}

} // namespace envelope_dialog_test
