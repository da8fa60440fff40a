// Styles objects and style sheets. A control holds a styles object (TuiCustomStyles) that maps its
// element indices to styles and may follow a style sheet — a named set of such assignments that
// several controls share. A change of a style, or of the sheet a styles object follows, reaches the
// styles object as the index of the element that changed.
#pragma once

#include "ui/core/base/Components.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/painters/styles/Styles.h"

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

class TuiCustomStyleSheet;
class TuiCustomStyles;

// A class of styles objects, as a style sheet names it.
struct TuiCustomStylesClassInfo {
    const std::type_info* Type;
    TuiCustomStyles* (*Create)(TPersistent* AOwner);
};
using TuiCustomStylesClass = const TuiCustomStylesClassInfo*;
template <class T> TuiCustomStylesClass uiCustomStylesClassOf() {
    static const TuiCustomStylesClassInfo info{
        &typeid(T), [](TPersistent* AOwner) -> TuiCustomStyles* { return new T(AOwner); }};
    return &info;
}

class TuiCustomStyles : public TuiInterfacedPersistent, public IuiStyleListener {
public:
    // Owned by a style sheet, the styles object is that sheet's own; otherwise a control's.
    explicit TuiCustomStyles(TPersistent* AOwner);
    ~TuiCustomStyles() override;
    TuiCustomStyles(const TuiCustomStyles&) = delete;
    TuiCustomStyles& operator=(const TuiCustomStyles&) = delete;

    // Takes over the other's style sheet (the entries are not copied).
    void Assign(TPersistent* Source) override;

    // The style of element AIndex, or null.
    TuiCustomStyle* GetValue(int AIndex) const;
    // Puts AStyle at element AIndex (null removes the element's entry) and reports the index changed.
    void SetValue(int AIndex, TuiCustomStyle* AStyle);
    int Count() const { return static_cast<int>(FEntries.size()); }
    int EntryIndex(int AEntry) const { return FEntries[AEntry].Index; }
    TuiCustomStyle* EntryStyle(int AEntry) const { return FEntries[AEntry].Style; }
    void Clear();

    TuiCustomStyleSheet* StyleSheet() const { return FStyleSheet; }
    // Follows the sheet when acceptable (see AcceptsStyleSheet); every element index that the old and
    // the new sheet chains hold is reported changed once.
    void SetStyleSheet(TuiCustomStyleSheet* AValue);
    bool AcceptsStyleSheet(TuiCustomStyleSheet* AValue) const;
    TuiCustomStyleSheet* OwnerStyleSheet() const { return FOwnerStyleSheet; }
    bool IsDestroying() const { return FIsDestroying; }

    // IuiStyleListener
    void StyleChanged(TuiCustomStyle* AStyle) override;
    void StyleRemoved(TuiCustomStyle* AStyle) override;

    // An element's look changed: empty here, the control repaints it.
    virtual void Changed(int AIndex) {}
    virtual void RaiseChanged(int AIndex);

private:
    struct TEntry {
        int Index;
        TuiCustomStyle* Style;
    };
    void DeleteEntry(int AEntry);
    // The element indices of this styles object's entries and of the sheets it follows, each once.
    void GatherIndices(std::vector<int>& AIndices) const;

    std::vector<TEntry> FEntries;
    TuiCustomStyleSheet* FStyleSheet = nullptr;
    TuiCustomStyleSheet* FOwnerStyleSheet = nullptr;
    bool FIsDestroying = false;
};

class TuiCustomStyleSheet : public TuiComponent {
public:
    explicit TuiCustomStyleSheet(TComponent* AOwner);
    ~TuiCustomStyleSheet() override;
    void Assign(TPersistent* Source) override;

    // The stored caption, or the name when none is stored.
    std::string Caption() const;
    // A caption equal (ignoring case) to the name stores nothing.
    void SetCaption(const std::string& AValue);
    bool IsCaptionStored() const { return !FCaption.empty(); }
    // Whether the sheet was made at design time; always written and read back as stored.
    bool BuiltIn() const { return FBuiltIn; }
    void SetBuiltIn(bool AValue) { FBuiltIn = AValue; }

    // The sheet's own styles object, made on first use from GetStylesClass.
    TuiCustomStyles* Styles();
    void SetStyles(TuiCustomStyles* AValue) { Styles()->Assign(AValue); }
    int FollowerCount() const { return static_cast<int>(FFollowers.size()); }

    TuiStyleRepository* StyleRepository() const { return FStyleRepository; }
    void SetStyleRepository(TuiStyleRepository* AValue);
    TComponent* GetParentComponent() const;
    bool HasParent() const { return FStyleRepository != nullptr; }
    void SetParentComponent(TComponent* AValue);

    virtual TuiCustomStylesClass GetStylesClass() { return uiCustomStylesClassOf<TuiCustomStyles>(); }
    // Every follower reports the index changed; then the design-time links are refreshed.
    void NotifyStyleChanged(int AIndex);

protected:
    void GetPlaceholderLinks(TList* AList) override;

private:
    friend class TuiCustomStyles;
    void AddFollower(TuiCustomStyles* AStyles);
    void RemoveFollower(TuiCustomStyles* AStyles);

    std::string FCaption;
    bool FBuiltIn;
    std::unique_ptr<TuiCustomStyles> FStyles;
    std::vector<TuiCustomStyles*> FFollowers;
    TuiStyleRepository* FStyleRepository = nullptr;
};
