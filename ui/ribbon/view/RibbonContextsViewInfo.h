// The coloured headers of the contexts, in the form's caption above each context's tabs, with the
// context's caption shortened to fit.
#pragma once

#include "ui/ribbon/view/RibbonCustomViewInfo.h"

#include <string>

class TovRibbonContext;
class TovRibbonContextsViewInfo;

class TovRibbonContextViewInfo : public TObject {
public:
    explicit TovRibbonContextViewInfo(TovRibbonContextsViewInfo* AOwner) : FOwner(AOwner) {}
    virtual void Calculate(const TRect& R, TovRibbonContext* AContext);
    void Draw(TuiCanvas* ACanvas);

    TovRibbonContext* Context = nullptr;
    std::string Text;
    bool HintNeeded = false;
    TRect TextBounds{};
    TRect Bounds{};

private:
    TovRibbonContextsViewInfo* FOwner;
};

class TovRibbonContextsViewInfo : public TovRibbonCustomContainerViewInfo {
public:
    using TovRibbonCustomContainerViewInfo::TovRibbonCustomContainerViewInfo;

    // ALimit: the form's caption area. A header over each context's run of tabs, cut at the area's right
    // edge; a header narrower than 9 pixels ends the row.
    void Calculate(const TRect& ALimit) override;
    void Draw(TuiCanvas* ACanvas) override;
    bool GetHitInfo(TovRibbonHitInfo& AHitInfo) override;

    TovRibbonContextViewInfo* Header(int AIndex) const {
        return static_cast<TovRibbonContextViewInfo*>(GetItem(AIndex));
    }
    TovRibbonContextViewInfo* GetContextViewInfo(const TovRibbonContext* AContext) const;
    bool IsContextCaptionCut(const TovRibbonContext* AContext) const;
};
