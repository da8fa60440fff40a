// The default colours of the base painter: system colours and a few fixed ones; the looks override some.
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

TColor TuiCustomLookAndFeelPainter::DefaultContentBackColor() {
    return clWindow;
}
TColor TuiCustomLookAndFeelPainter::DefaultContentEvenBackColor() {
    return DefaultContentBackColor();
}
TColor TuiCustomLookAndFeelPainter::DefaultContentOddBackColor() {
    return DefaultContentBackColor();
}
TColor TuiCustomLookAndFeelPainter::DefaultContentForeColor() {
    return clWindowText;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor1() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultLightColor1() {
    return clBtnHighlight;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor1() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor1() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor2() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor2() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor2() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor3() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor3() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor4() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor3() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor4() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor5() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor6() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor4() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultBlueColor1() {
    return clBlue;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor7() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor5() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultBlueColor2() {
    return clBlue;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor5() {
    return DefaultShadowColor2();
}
TColor TuiCustomLookAndFeelPainter::DefaultSizeGripAreaColor() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor6() {
    return DefaultShadowColor2();
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor7() {
    return DefaultShadowColor2();
}
TColor TuiCustomLookAndFeelPainter::DefaultBlackColor2() {
    return DefaultBlackColor1();
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor8() {
    return DefaultFaceColor6();
}
TColor TuiCustomLookAndFeelPainter::DefaultUnsetColor1() {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor9() {
    return DefaultFaceColor6();
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor6() {
    return DefaultButtonTextColor4();
}
TColor TuiCustomLookAndFeelPainter::DefaultBlackColor1() {
    return clBlack;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor10() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultRedColor() {
    return clRed;
}
TColor TuiCustomLookAndFeelPainter::DefaultGrayTextColor() {
    return clGrayText;
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightColor1() {
    return clHighlight;
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightTextColor1() {
    return clHighlightText;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor8() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultWindowColor1() {
    return clWindow;
}
TColor TuiCustomLookAndFeelPainter::DefaultWindowTextColor1() {
    return clWindowText;
}
TColor TuiCustomLookAndFeelPainter::DefaultMaroonColor() {
    return clMaroon;
}
TColor TuiCustomLookAndFeelPainter::DefaultNavyColor1() {
    return clNavy;
}
TColor TuiCustomLookAndFeelPainter::DefaultWindowColor2() {
    return clWindow;
}
TColor TuiCustomLookAndFeelPainter::DefaultSplitterBorderColor() {
    return static_cast<TColor>(0x9D9DA1);
}
TColor TuiCustomLookAndFeelPainter::DefaultUnsetColor2() {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor11() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor12() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultWindowTextColor2() {
    return clWindowText;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor13() {
    return DefaultFaceColor6();
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor7() {
    return DefaultButtonTextColor4();
}
TColor TuiCustomLookAndFeelPainter::DefaultPaleYellowColor() {
    return static_cast<TColor>(0xD5FFFF);
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightTextColor3() {
    return DefaultHighlightTextColor2();
}
TColor TuiCustomLookAndFeelPainter::DefaultWindowTextColor3() {
    return clWindowText;
}
TColor TuiCustomLookAndFeelPainter::DefaultUnsetColor3() {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightColor2() {
    return clHighlight;
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightTextColor2() {
    return clHighlightText;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor14() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor15() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor8() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultWindowColor3() {
    return clWindow;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor16() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultWhiteColor1() {
    return clWhite;
}
TColor TuiCustomLookAndFeelPainter::DefaultBlackColor3() {
    return clBlack;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor17() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultButtonTextColor9() {
    return clBtnText;
}
TColor TuiCustomLookAndFeelPainter::DefaultWhiteColor2() {
    return clWhite;
}
TColor TuiCustomLookAndFeelPainter::DefaultBlackColor4() {
    return clBlack;
}
TColor TuiCustomLookAndFeelPainter::DefaultBlackColor5() {
    return clBlack;
}
TColor TuiCustomLookAndFeelPainter::DefaultBlackColor6() {
    return clBlack;
}
TColor TuiCustomLookAndFeelPainter::DefaultLightGrayColor() {
    return static_cast<TColor>(0xCFCFCF);
}
TColor TuiCustomLookAndFeelPainter::DefaultWhiteColor3() {
    return clWhite;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor9() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultSkyBlueColor() {
    return static_cast<TColor>(0xF0CAA6);
}
TColor TuiCustomLookAndFeelPainter::DefaultNavyColor2() {
    return clNavy;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor10() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor11() {
    return clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultContentColor2() {
    return DefaultContentBackColor();
}
TColor TuiCustomLookAndFeelPainter::DefaultShadowColor12() {
    return DefaultShadowColor4();
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor18() {
    return DefaultFaceColor5();
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor19() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor20() {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::DefaultFaceColor21() {
    return clBtnFace;
}

TColor TuiCustomLookAndFeelPainter::DefaultEditorBackgroundColor(bool AReadOnly) {
    return DefaultEditorBackgroundColorByKind(AReadOnly ? 1 : 0);
}
TColor TuiCustomLookAndFeelPainter::DefaultEditorBackgroundColorByKind(int) {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::DefaultEditorTextColor(bool AReadOnly) {
    return DefaultEditorTextColorByKind(AReadOnly ? 1 : 0);
}
TColor TuiCustomLookAndFeelPainter::DefaultEditorTextColorByKind(int) {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::DefaultEditorOrContentColor() {
    const TColor editor = DefaultEditorBackgroundColor(false);
    return editor == clDefault ? DefaultContentBackColor() : editor;
}
TColor TuiCustomLookAndFeelPainter::DefaultAccentOrButtonTextColor(bool AAccent) {
    return AAccent ? DefaultAccentTextColor() : DefaultButtonTextColor4();
}
TColor TuiCustomLookAndFeelPainter::DefaultColorByIndex(int AIndex) {
    switch (AIndex) {
    case 0:
        return clWindow;
    case 1:
    case 2:
        return static_cast<TColor>(0xFFFFFF);
    default:
        return clDefault;
    }
}
TColor TuiCustomLookAndFeelPainter::DefaultTabTextColorAt(int, TuiPainterButtonState AState) {
    return DefaultTabTextColor(AState);
}
TColor TuiCustomLookAndFeelPainter::DefaultTabTextColor(TuiPainterButtonState AState) {
    if (AState == cxbsPressed) return DefaultHighlightTextColor2();
    if (AState == cxbsDisabled) return clInactiveCaptionText;
    return DefaultContentForeColor();
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightOrShadowColor(bool AHighlight) {
    return AHighlight ? clHighlight : clBtnShadow;
}
TColor TuiCustomLookAndFeelPainter::DefaultHighlightOrButtonTextColor(bool AHighlight) {
    return AHighlight ? clHighlightText : clBtnText;
}
