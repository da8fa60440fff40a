#include "ui/painters/styles/StyleRepository.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "ui/painters/styles/StyleLists.h"
#include "ui/painters/styles/StyleSheets.h"
#include "ui/painters/styles/Styles.h"

TuiStyleRepository::TuiStyleRepository(TComponent* AOwner) : TuiScalableComponent(AOwner) {
    Scalable = false;
}

TuiStyleRepository::~TuiStyleRepository() {
    // Each leaves the list as it goes.
    while (!FItems.empty())
        delete FItems.back();
    while (!FStyleSheets.empty())
        delete FStyleSheets.back();
}

TuiCustomStyle* TuiStyleRepository::CreateItem(const TuiClassRef* AStyleClass) {
    return CreateItemEx(AStyleClass, Owner());
}

TuiCustomStyle* TuiStyleRepository::CreateItemEx(const TuiClassRef* AStyleClass, TComponent* AOwner) {
    auto* style = dynamic_cast<TuiCustomStyle*>(AStyleClass->Create(AOwner));
    if (style == nullptr) return nullptr;
    style->SetStyleRepository(this);
    return style;
}

TuiCustomStyleSheet* TuiStyleRepository::CreateStyleSheet(const TuiClassRef* ASheetClass) {
    return CreateStyleSheetEx(ASheetClass, Owner());
}

TuiCustomStyleSheet* TuiStyleRepository::CreateStyleSheetEx(const TuiClassRef* ASheetClass,
                                                            TComponent* AOwner) {
    auto* sheet = dynamic_cast<TuiCustomStyleSheet*>(ASheetClass->Create(AOwner));
    if (sheet == nullptr) return nullptr;
    sheet->SetStyleRepository(this);
    return sheet;
}

void TuiStyleRepository::GetChildren(const std::function<void(TComponent*)>& AProc, TComponent* ARoot) const {
    for (TuiCustomStyle* style : FItems)
        if (style->Owner() == ARoot) AProc(style);
    for (TuiCustomStyleSheet* sheet : FStyleSheets)
        if (sheet->Owner() == ARoot) AProc(sheet);
}

void TuiStyleRepository::ChangeScale(int AMultiplier, int ADivisor) {
    TuiScalableComponent::ChangeScale(AMultiplier, ADivisor);
    for (TuiCustomStyle* style : FItems)
        style->ChangeScale(AMultiplier, ADivisor);
}

void TuiStyleRepository::AddItem(TuiCustomStyle* AStyle) {
    uiListAddOnce(FItems, AStyle);
}

void TuiStyleRepository::RemoveItem(TuiCustomStyle* AStyle) {
    uiListRemove(FItems, AStyle);
}

void TuiStyleRepository::AddStyleSheet(TuiCustomStyleSheet* ASheet) {
    uiListAddOnce(FStyleSheets, ASheet);
}

void TuiStyleRepository::RemoveStyleSheet(TuiCustomStyleSheet* ASheet) {
    uiListRemove(FStyleSheets, ASheet);
}

TuiStyleRepository* uiStyleRepositoryOfParent(TComponent* AParent) {
    auto* repository = dynamic_cast<TuiStyleRepository*>(AParent);
    if (AParent != nullptr && repository == nullptr) throw EInvalidCast("Invalid class typecast");
    return repository;
}

void uiStylesInitialize() {
    RegisterClass<TuiStyle>();
    RegisterClass<TuiCustomStyleSheet>();
    RegisterClass<TuiStyleRepository>();
}
