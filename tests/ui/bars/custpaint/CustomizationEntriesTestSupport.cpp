#include "CustomizationEntriesTestSupport.h"

#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/painters/office11/Office11Colors.h"

namespace custpaint_test {

TPainterClassSwap::TPainterClassSwap(int AIndex, const TovBarPainterClass* AClass)
    : FIndex(AIndex), FSaved(ovBarPainterClassOf(AIndex)) {
    ovBarRegisterPainterClass(AIndex, AClass);
}

TPainterClassSwap::~TPainterClassSwap() {
    ovBarRegisterPainterClass(FIndex, FSaved);
}

void CustomizationEntriesTest::SetUp() {
    BarPaintingTest::SetUp();
    glyphButton = Button("&Open", 1);
    dropDownButton = Button("&Undo", 3);
    dropDownButton->SetButtonStyle(bsDropDown);
    plainButton = Button("Plain");
    subItem = new TovBarSubItem(form);
    subItem->SetCaption("&Recent");
    container = new TovBarContainerItem(form);
    container->SetCaption("Windows");
    edit = new TovBarEdit(form);
    edit->SetCaption("&Find:");
    combo = new TovBarCombo(form);
    combo->SetCaption("Zoom:");
}

void CustomizationEntriesTest::TearDown() {
    BarPaintingTest::TearDown();
}

const TovBarCustomizationFormPainter* CustomizationEntriesTest::UseStyle(TovBarManagerStyle AStyle) {
    manager->SetStyle(AStyle);
    return ovCustomizationFormPainterFor(manager);
}

const TovBarCustomizationFormPainter*
CustomizationEntriesTest::UsePainterClass(const TovBarPainterClass* AClass) {
    TPainterClassSwap swap(bpiStandard, AClass);
    manager->SetStyle(bmsStandard);
    manager->RecreatePainter();
    return ovCustomizationFormPainterFor(manager);
}

void CustomizationEntriesTest::UseListFont(TCanvas* ACanvas) const {
    ACanvas->Font()->SetName("Tahoma");
    ACanvas->Font()->SetHeight(-11);
}

bars_test::BarPaintingTest::TPicture CustomizationEntriesTest::Entry(TovBarItem* AItem, bool ASelected) {
    TPicture picture = Picture(220, 30, clWhite);
    UseListFont(picture.Bitmap->Canvas());
    AItem->DrawCustomizingImage(picture.Bitmap->Canvas(), EntryRect, ASelected);
    return picture;
}

} // namespace custpaint_test
