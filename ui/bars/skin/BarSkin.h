// TovCustomBarSkin: the ordered list of parts a bitmap skin is built from. A skin cuts its parts once from
// its picture sheets and afterwards draws every element by the list index of its part. No two parts share
// an ID (other than -1, none) or a name (ignoring case; the empty name is none).
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/rtl/ObjectList.h"
#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>

class TovSkinnedRect;

class TovCustomBarSkin : public TObject {
public:
    TovCustomBarSkin();
    ~TovCustomBarSkin() override;
    TovCustomBarSkin(const TovCustomBarSkin&) = delete;
    TovCustomBarSkin& operator=(const TovCustomBarSkin&) = delete;

    // The skin's name ("Blue", "Silver", ...).
    virtual std::string GetName() const = 0;

    // The list index of APart, which the list owns from then on; -1 for null. A part whose ID or name is
    // taken raises EovException ("ERROR: Duplicate part's ID = <ID>" or "ERROR: Duplicate part's name =
    // "<name>"") and is freed; the list is unchanged.
    int AddPart(std::unique_ptr<TovSkinnedRect> APart);
    // A new part cut from ASourceRect of the sheet with no frame (the whole picture is the centre), with
    // frame margins (0, ATopMargin, 0, ABottomMargin), or with AMargins; IDs and names as AddPart checks
    // them. Errors leave the list unchanged.
    int AddPartNoMargins(GpImage* ASheet, const TRect& ASourceRect, int AID = -1,
                         const std::string& AName = "", int AInterpolationMode = 0);
    int AddPartVertMargins(GpImage* ASheet, const TRect& ASourceRect, int ATopMargin, int ABottomMargin,
                           int AID = -1, const std::string& AName = "", int AInterpolationMode = 0);
    int AddPartWithMargins(GpImage* ASheet, const TRect& ASourceRect, const TRect& AMargins, int AID = -1,
                           const std::string& AName = "", int AInterpolationMode = 0);

    int Count() const { return FParts.Count(); }
    // EListError for an index outside the list.
    TovSkinnedRect* GetPart(int AIndex) const;
    // Frees every part and its pictures.
    virtual void Clear();

private:
    TObjectList FParts{true};
};
