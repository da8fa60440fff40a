// TuiLookAndFeelPaintersManager: the registry that owns every look-and-feel painter, sorted by name, where
// controls, bar painters and skins find the painter of a style or a name.
#pragma once

#include "platform/rtl/Object.h"
#include "ui/painters/lookandfeel/PainterLookAndFeelTypes.h"

#include <memory>
#include <string>
#include <vector>

class TuiCustomLookAndFeelPainter;

// Told of each painter just registered.
class IuiLookAndFeelPaintersListener {
public:
    virtual ~IuiLookAndFeelPaintersListener() = default;
    virtual void PainterAdded(TuiCustomLookAndFeelPainter* APainter) = 0;
};

class TuiLookAndFeelPaintersManager : public TObject {
public:
    TuiLookAndFeelPaintersManager();
    ~TuiLookAndFeelPaintersManager() override;

    // Takes the painter; a name already registered (ignoring case) frees the newcomer and answers False.
    bool Register(std::unique_ptr<TuiCustomLookAndFeelPainter> APainter);
    TuiCustomLookAndFeelPainter* GetPainterByName(const std::string& AName) const;
    bool TryGetPainterByName(const std::string& AName, TuiCustomLookAndFeelPainter*& APainter) const;
    TuiCustomLookAndFeelPainter* GetPainterByStyle(TuiLookAndFeelStyle AStyle) const;
    bool TryGetPainterByStyle(TuiLookAndFeelStyle AStyle, TuiCustomLookAndFeelPainter*& APainter) const;
    int Count() const { return static_cast<int>(FPainters.size()); }
    TuiCustomLookAndFeelPainter* Items(int AIndex) const { return FPainters[AIndex].get(); }

    void AddListener(IuiLookAndFeelPaintersListener* AListener);
    void RemoveListener(IuiLookAndFeelPaintersListener* AListener);

protected:
    // Refreshes the root look-and-feel, then tells the listeners, the last first.
    void PaintersChanged(TuiCustomLookAndFeelPainter* APainter);

private:
    std::vector<std::unique_ptr<TuiCustomLookAndFeelPainter>> FPainters;
    std::vector<IuiLookAndFeelPaintersListener*> FListeners;
};

// The unit's manager: null before the painters start and after they end.
TuiLookAndFeelPaintersManager* uiLookAndFeelPaintersManager();
void uiSetLookAndFeelPaintersManager(TuiLookAndFeelPaintersManager* AManager);
