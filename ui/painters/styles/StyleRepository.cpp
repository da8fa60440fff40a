#include "ui/painters/styles/StyleRepository.h"

#include "platform/rtl/ClassRegistry.h"
#include "ui/painters/styles/StyleSheets.h"
#include "ui/painters/styles/Styles.h"

#include <algorithm>

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
    if (std::find(FItems.begin(), FItems.end(), AStyle) == FItems.end()) FItems.push_back(AStyle);
}

void TuiStyleRepository::RemoveItem(TuiCustomStyle* AStyle) {
    const auto it = std::find(FItems.begin(), FItems.end(), AStyle);
    if (it != FItems.end()) FItems.erase(it);
}

void TuiStyleRepository::AddStyleSheet(TuiCustomStyleSheet* ASheet) {
    if (std::find(FStyleSheets.begin(), FStyleSheets.end(), ASheet) == FStyleSheets.end())
        FStyleSheets.push_back(ASheet);
}

void TuiStyleRepository::RemoveStyleSheet(TuiCustomStyleSheet* ASheet) {
    const auto it = std::find(FStyleSheets.begin(), FStyleSheets.end(), ASheet);
    if (it != FStyleSheets.end()) FStyleSheets.erase(it);
}

void uiStylesInitialize() {
    RegisterClass<TuiStyle>();
    RegisterClass<TuiCustomStyleSheet>();
    RegisterClass<TuiStyleRepository>();
}
