#include "StdCtrlsTestSupport.h"

#include "platform/vcl/BitBtn.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/StdCtrlsStaticText.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

namespace bitbtn_test {

using stdctrls_test::StdCtrlsTest;

TEST_F(StdCtrlsTest, BitBtnKindsGiveCaptionResultAndRole) {
    const struct {
        TBitBtnKind Kind;
        const char* Caption;
        TModalResult Result;
        bool Default;
        bool Cancel;
    } kinds[] = {
        {bkOK, "OK", mrOk, true, false},
        {bkCancel, "Cancel", mrCancel, false, true},
        {bkYes, "&Yes", mrYes, true, false},
        {bkNo, "&No", mrNo, false, true},
        {bkRetry, "&Retry", mrRetry, false, false},
    };
    for (const auto& k : kinds) {
        TBitBtn button(nullptr);
        button.SetKind(k.Kind);
        EXPECT_EQ(button.Caption(), k.Caption);
        EXPECT_EQ(button.ModalResult(), k.Result);
        EXPECT_EQ(button.Default(), k.Default);
        EXPECT_EQ(button.Cancel(), k.Cancel);
    }
}

TEST_F(StdCtrlsTest, BitBtnDrawsItsGlyphBesideTheCaptionAndEndsTheDialog) {
    auto* ok = new TBitBtn(form);
    ok->SetBounds(10, 10, 90, 30);
    ok->SetParent(form);
    ok->SetKind(bkOK);
    TBitmap glyph(16, 16);
    glyph.Canvas()->Brush()->SetColor(clOlive); // the transparent colour (bottom-left)
    glyph.Canvas()->FillRect(RECT{0, 0, 16, 16});
    glyph.Canvas()->Brush()->SetColor(clGreen);
    glyph.Canvas()->FillRect(RECT{2, 2, 14, 14});
    ok->SetGlyph(&glyph);
    ok->SetMargin(6);
    RECT g{}, t{};
    ok->CalcLayout(g, t);
    EXPECT_EQ(g.left, 6);
    EXPECT_EQ(t.left, 6 + 16 + 4);
    ShowForm();
    EXPECT_EQ(ColorAt(ok, g.left + 8, g.top + 8), clGreen);
    EXPECT_EQ(ColorAt(ok, g.left, g.top), ColorToRGB(clBtnFace)); // transparent corner
    form->Hide();
    olva::win::InjectKey(VK_RETURN, true);
    olva::win::InjectKey(VK_RETURN, false);
    EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST_F(StdCtrlsTest, StaticTextSizesToItsCaptionAndPassesItsAccelerator) {
    auto* text = new TStaticText(form);
    text->SetParent(form);
    text->SetBounds(10, 10, 10, 10);
    text->SetCaption("&Title:");
    const int plain = text->Width();
    text->SetBorderStyle(sbsSunken);
    EXPECT_EQ(text->Width(), plain + 4);
    auto* edit = new TEdit(form);
    edit->SetBounds(80, 10, 100, 21);
    edit->SetParent(form);
    auto* other = new TEdit(form);
    other->SetBounds(80, 40, 100, 21);
    other->SetParent(form);
    text->SetFocusControl(edit);
    ShowForm();
    other->SetFocus();
    Pump();
    Chord({VK_MENU}, 'T');
    EXPECT_TRUE(edit->Focused());
}

} // namespace bitbtn_test
