// TStatusBar: the bar at the bottom of a window with panels of text (each with its width, alignment and
// bevel; the last one takes the rest), or one simple text (SimplePanel), and a size grip in the corner.
// Owner-drawn panels are drawn by OnDrawPanel.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/StdCtrls.h"

#include <memory>
#include <string>
#include <vector>

class TStatusBar;

enum TStatusPanelStyle { psText, psOwnerDraw };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel {
public:
    explicit TStatusPanel(TStatusBar* Owner) : FOwner(Owner) {}

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    int Index() const;

private:
    void Changed();
    TStatusBar* FOwner;
    std::string FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
};

class TStatusPanels {
public:
    explicit TStatusPanels(TStatusBar* Owner) : FOwner(Owner) {}
    TStatusPanel* Add();
    TStatusPanel* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    TStatusPanel* operator[](int Index) const { return Items(Index); }
    int Count() const { return static_cast<int>(FItems.size()); }
    void Delete(int Index);
    void Clear();
    int IndexOf(const TStatusPanel* Panel) const;

private:
    TStatusBar* FOwner;
    std::vector<std::unique_ptr<TStatusPanel>> FItems;
};

using TDrawPanelEvent = TEvent<TStatusBar*, TStatusPanel*, const RECT&>;

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner);

    TStatusPanels* Panels() const { return FPanels.get(); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    // A panel's rectangle in client coordinates.
    RECT PanelRect(int Index);

    TDrawPanelEvent OnDrawPanel;

protected:
    friend class TStatusPanel;
    friend class TStatusPanels;
    void Paint() override;
    void PanelsChanged() { Invalidate(); }

private:
    std::unique_ptr<TStatusPanels> FPanels;
    std::string FSimpleText;
    bool FSimplePanel = false;
    bool FSizeGrip = true;
};
