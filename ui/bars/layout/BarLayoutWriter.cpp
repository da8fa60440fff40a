#include "ui/bars/layout/BarLayoutWriter.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/layout/BarLayoutFormat.h"
#include "ui/bars/merging/BarMergeData.h"

namespace {

void WriteByte(TCustomIniFile& AIniFile, const std::string& ASection, const char* AKey, unsigned AValue) {
    TMemoryStream bytes;
    const unsigned char byte = static_cast<unsigned char>(AValue);
    bytes.WriteBuffer(&byte, 1);
    bytes.SetPosition(0);
    AIniFile.WriteBinaryStream(ASection, AKey, bytes);
}

std::string DockPath(IovBarDock* ADock, TovBarManager* AManager) {
    return GetComponentPath(dynamic_cast<TComponent*>(ADock), AManager->Owner());
}

} // namespace

void TovBarLayoutWriter::WriteManager() {
    WriteMain();
    WriteItems();
    int number = 0;
    for (int i = 0; i < FManager->Bars()->Count(); ++i) {
        TovBar* bar = FManager->Bars()->GetItem(i);
        if (!bar->CreatedByMerging()) WriteBar(bar, MakeBarSectionName(FPrefix, number++));
    }
    for (int i = 0; i < FManager->ItemCount(); ++i) {
        auto* item = dynamic_cast<TovBarButtonLikeItem*>(FManager->Items(i));
        if (item == nullptr || item->Name().empty() || item->LinksOf() == nullptr) continue;
        WriteLinks(item->LinksOf(), item->GetLinksSectionName(FPrefix));
    }
}

void TovBarLayoutWriter::WriteMain() {
    const std::string main = MakeMainSectionName(FPrefix, FKind);
    FIniFile.WriteInteger(main, layout_keys::Version, layout_keys::VersionNumber);
    if (FManager->IsRecentItemsStyle()) {
        FIniFile.WriteBool(main, layout_keys::MenusShowRecentItemsFirst, FManager->MenusShowRecentItemsFirst);
        FIniFile.WriteBool(main, layout_keys::ShowFullMenusAfterDelay, FManager->ShowFullMenusAfterDelay);
    }
    FIniFile.WriteBool(main, layout_keys::LargeIcons, FManager->LargeIcons());
    FIniFile.WriteInteger(main, layout_keys::MenuAnimations, FManager->MenuAnimations);
    FIniFile.WriteBool(main, layout_keys::ShowHint, FManager->ShowHint);
    FIniFile.WriteBool(main, layout_keys::ShowShortCutInHint, FManager->ShowShortCutInHint);
    FIniFile.WriteInteger(main, layout_keys::BarCount, FManager->GetStoredBarCount());
}

void TovBarLayoutWriter::WriteItems() {
    const std::string items = MakeItemsSectionName(FPrefix);
    FIniFile.WriteInteger(items, layout_keys::ItemCount, FManager->ItemCount());
    for (int i = 0; i < FManager->ItemCount(); ++i)
        if (const std::string& name = FManager->Items(i)->Name(); !name.empty())
            FIniFile.WriteBool(items, name, true);
}

void TovBarLayoutWriter::WriteBar(TovBar* ABar, const std::string& ASection) {
    FIniFile.WriteString(ASection, layout_keys::Caption, ABar->Caption());
    if (ABar->DockControl() != nullptr)
        if (const std::string path = DockPath(ABar->DockControl(), FManager); !path.empty())
            FIniFile.WriteString(ASection, layout_keys::DockControl, path);
    if (ABar->DockedDockControl() != nullptr)
        if (const std::string path = DockPath(ABar->DockedDockControl(), FManager); !path.empty())
            FIniFile.WriteString(ASection, layout_keys::DockedDockControl, path);
    FIniFile.WriteInteger(ASection, layout_keys::DockedDockingStyle, ABar->DockedDockingStyle());
    FIniFile.WriteInteger(ASection, layout_keys::DockedLeft, ABar->DockedLeft());
    FIniFile.WriteInteger(ASection, layout_keys::DockedTop, ABar->DockedTop());
    FIniFile.WriteInteger(ASection, layout_keys::DockingStyle, ABar->DockingStyle());
    FIniFile.WriteInteger(ASection, layout_keys::FloatClientHeight, ABar->FloatClientHeight());
    FIniFile.WriteInteger(ASection, layout_keys::FloatClientWidth, ABar->FloatClientWidth());
    FIniFile.WriteInteger(ASection, layout_keys::FloatLeft, ABar->FloatLeft());
    FIniFile.WriteInteger(ASection, layout_keys::FloatTop, ABar->FloatTop());
    FIniFile.WriteBool(ASection, layout_keys::OneOnRow, ABar->OneOnRow());
    FIniFile.WriteInteger(ASection, layout_keys::Row, ABar->Row());
    // A merged bar is stored as it will be when unmerged; one that only waits for its dock's window
    // is shown again when that window is back.
    const bool visible = ABar->MergeTarget() != nullptr ? ABar->MergeData()->VisibleBeforeMerging
                                                        : ABar->Visible() || FManager->IsBarWaiting(ABar);
    FIniFile.WriteBool(ASection, layout_keys::Visible, visible);
    if (!ABar->Name().empty()) FIniFile.WriteString(ASection, layout_keys::Name, ABar->Name());
    WriteLinks(ABar->ItemLinks(), ASection);
}

void TovBarLayoutWriter::WriteLinks(TovBarItemLinks* ALinks, const std::string& ASection) {
    const bool onToolbar = dynamic_cast<TovBar*>(ALinks->OwnerObject()) != nullptr;
    const bool usage = FManager->IsRecentItemsStyle() && ALinks->UseRecentItems;
    const bool savingDesign = (FManager->State() & bmsSavingDesignState) != 0;
    int number = 0;
    for (int i = 0; i < ALinks->Count(); ++i) {
        TovBarItemLink* link = ALinks->Items(i);
        if (link->Item() == nullptr || link->Item()->Name().empty() || link->MergedWith != nullptr) continue;
        const std::string section = MakeItemLinkSectionName(ASection, number++, FKind);
        FIniFile.WriteString(section, layout_keys::ItemName, link->Item()->Name());
        FIniFile.WriteBool(section, layout_keys::BeginGroup, link->BeginGroup());
        const TovBarUserDefines defines = link->UserDefine();
        WriteByte(FIniFile, section, layout_keys::UserDefine, layout_format::UserDefineBits(defines));
        if (defines.Contains(udCaption))
            FIniFile.WriteString(section, layout_keys::UserCaption, link->UserCaption());
        if (defines.Contains(udPaintStyle))
            FIniFile.WriteInteger(section, layout_keys::UserPaintStyle, link->UserPaintStyle());
        if (defines.Contains(udWidth))
            FIniFile.WriteInteger(section, layout_keys::UserWidth, link->UserWidth());
        // Pictures only go to the registry, which keeps bytes as they are.
        if (defines.Contains(udGlyph) && FKind == bskRegistry && !link->UserGlyph()->Empty()) {
            TMemoryStream glyph;
            link->UserGlyph()->SaveToStream(&glyph);
            glyph.SetPosition(0);
            FIniFile.WriteBinaryStream(section, layout_keys::UserGlyph, glyph);
        }
        if (onToolbar) {
            FIniFile.WriteInteger(section, layout_keys::ButtonGroup, link->ButtonGroup);
            FIniFile.WriteInteger(section, layout_keys::Position, link->Position);
            WriteByte(FIniFile, section, layout_keys::ViewLevels,
                      layout_format::ViewLevelBits(link->ViewLevels));
            FIniFile.WriteBool(section, layout_keys::Visible, link->Visible());
        }
        if (usage) {
            FIniFile.WriteInteger(section, layout_keys::UseCount, link->UseCount);
            FIniFile.WriteInteger(section, layout_keys::RecentIndex, link->RecentIndex());
        }
        if (savingDesign)
            FIniFile.WriteBool(section, layout_keys::MostRecentlyUsed, link->MostRecentlyUsed());
    }
    FIniFile.WriteInteger(ASection, layout_keys::ItemLinkCount, number);
}
