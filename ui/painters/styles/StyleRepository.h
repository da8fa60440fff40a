// TuiStyleRepository: the non-visual component of a form that owns its styles and style sheets.
#pragma once

#include "ui/core/base/ClassRefs.h"
#include "ui/core/base/Components.h"

#include <functional>
#include <vector>

class TuiCustomStyle;
class TuiCustomStyleSheet;

class TuiStyleRepository : public TuiScalableComponent {
public:
    explicit TuiStyleRepository(TComponent* AOwner);
    // Frees the styles, the last first, then the style sheets, the last first.
    ~TuiStyleRepository() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    TuiCustomStyle* Items(int AIndex) const { return FItems[AIndex]; }
    int StyleSheetCount() const { return static_cast<int>(FStyleSheets.size()); }
    TuiCustomStyleSheet* StyleSheets(int AIndex) const { return FStyleSheets[AIndex]; }

    // A style (sheet) of the class, owned by the repository's owner (or AOwner), put in the repository.
    virtual TuiCustomStyle* CreateItem(const TuiClassRef* AStyleClass);
    virtual TuiCustomStyle* CreateItemEx(const TuiClassRef* AStyleClass, TComponent* AOwner);
    virtual TuiCustomStyleSheet* CreateStyleSheet(const TuiClassRef* ASheetClass);
    virtual TuiCustomStyleSheet* CreateStyleSheetEx(const TuiClassRef* ASheetClass, TComponent* AOwner);
    // The styles, then the style sheets, owned by ARoot: the children a form stores.
    void GetChildren(const std::function<void(TComponent*)>& AProc, TComponent* ARoot) const;
    void ChangeScale(int AMultiplier, int ADivisor) override;

private:
    friend class TuiCustomStyle;
    friend class TuiCustomStyleSheet;
    void AddItem(TuiCustomStyle* AStyle);
    void RemoveItem(TuiCustomStyle* AStyle);
    void AddStyleSheet(TuiCustomStyleSheet* ASheet);
    void RemoveStyleSheet(TuiCustomStyleSheet* ASheet);

    std::vector<TuiCustomStyle*> FItems;
    std::vector<TuiCustomStyleSheet*> FStyleSheets;
};

// The repository a style or sheet is put under: null for null; anything but a repository raises
// EInvalidCast.
TuiStyleRepository* uiStyleRepositoryOfParent(TComponent* AParent);

// Unit start: the style classes made known for streaming.
void uiStylesInitialize();
