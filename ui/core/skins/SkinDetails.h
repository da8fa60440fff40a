// TovSkinDetails: what names and describes a whole skin (name, display name, group, notes) and its two
// icons, 16 x 16 and 48 x 48; an icon the skin does not bring is the library's default icon.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/Stream.h"

#include <memory>
#include <string>

class TovPNGImage;

class TovSkinDetails : public TPersistent {
public:
    TovSkinDetails();
    ~TovSkinDetails() override;
    TovSkinDetails(const TovSkinDetails&) = delete;
    TovSkinDetails& operator=(const TovSkinDetails&) = delete;

    // From other details, inside one update bracket; other sources are ignored.
    void Assign(TPersistent* ASource) override;
    // Calls OnChange unless locked.
    virtual void Changed();
    virtual void DataRead(TStream* AStream, double AVersion);
    virtual void DataWrite(TStream* AStream);
    // Empties the texts and both icons, inside one update bracket.
    virtual void Clear();

    void BeginUpdate() { ++FLockCount; }
    // Always reports (once the last bracket closes).
    void EndUpdate();

    // Each setter reports only a change (compared case-sensitively).
    const std::string& Name() const { return FName; }
    void SetName(const std::string& AValue);
    const std::string& DisplayName() const { return FDisplayName; }
    void SetDisplayName(const std::string& AValue);
    const std::string& GroupName() const { return FGroupName; }
    void SetGroupName(const std::string& AValue);
    // Stored as UTF-16 in streams.
    const std::string& Notes() const { return FNotes; }
    void SetNotes(const std::string& AValue);

    // 0 small, 1 large.
    TovPNGImage* GetIcon(int AIndex) const;
    // Loads the library's default icon of that size.
    void LoadDefaultIcon(int AIndex);

    TNotifyEvent OnChange;

private:
    void SetText(std::string& AField, const std::string& AValue);

    std::string FDisplayName;
    std::string FGroupName;
    std::unique_ptr<TovPNGImage> FIcons[2];
    std::string FName;
    std::string FNotes;
    int FLockCount = 0;
};
