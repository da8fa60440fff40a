#include "ui/bars/layout/BarLayoutReader.h"

#include "platform/gdi/DibCodec.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Bitmap.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"
#include "ui/bars/layout/BarLayoutFormat.h"
#include "ui/bars/layout/BarLayoutValues.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace {

using namespace layout_keys;
using layout_format::MaxCoordinate;

// One stored link, read and checked before the list is touched.
struct TStoredLink {
    TovBarItem* Item = nullptr;
    std::optional<bool> BeginGroup;
    std::optional<unsigned> UserDefine;
    std::optional<std::string> UserCaption;
    std::optional<int> UserPaintStyle;
    std::optional<int> UserWidth;
    std::unique_ptr<TBitmap> UserGlyph;
    std::optional<int> ButtonGroup;
    std::optional<int> Position;
    std::optional<unsigned> ViewLevels;
    std::optional<bool> Visible;
    std::optional<int> UseCount;
    std::optional<int> RecentIndex;
};

// One stored toolbar section.
struct TStoredBar {
    std::optional<std::string> Caption;
    std::optional<std::string> DockControl;
    std::optional<std::string> DockedDockControl;
    std::optional<int> DockedDockingStyle;
    std::optional<int> DockedLeft;
    std::optional<int> DockedTop;
    std::optional<int> DockingStyle;
    std::optional<int> FloatClientHeight;
    std::optional<int> FloatClientWidth;
    std::optional<int> FloatLeft;
    std::optional<int> FloatTop;
    std::optional<bool> OneOnRow;
    std::optional<int> Row;
    std::optional<bool> Visible;
};

// A floating size within the sizing track, or 0 for a toolbar that never floated.
std::optional<int> FloatSize(const TovLayoutSectionReader& S, const char* AKey) {
    std::optional<int> size = S.Integer(AKey, 0, layout_format::MaxFloatSize);
    if (size && *size != 0 && *size < layout_format::MinFloatSize) {
        S.Ignored(AKey, std::to_string(*size) + " is out of range");
        return std::nullopt;
    }
    return size;
}

TStoredBar ReadStoredBar(const TovLayoutSectionReader& S) {
    TStoredBar bar;
    bar.Caption = S.String(Caption);
    bar.DockControl = S.String(DockControl);
    bar.DockedDockControl = S.String(DockedDockControl);
    bar.DockedDockingStyle = S.Integer(DockedDockingStyle, dsNone, dsBottom);
    bar.DockedLeft = S.Integer(DockedLeft, -MaxCoordinate, MaxCoordinate);
    bar.DockedTop = S.Integer(DockedTop, -MaxCoordinate, MaxCoordinate);
    bar.DockingStyle = S.Integer(DockingStyle, dsNone, dsBottom);
    bar.FloatClientHeight = FloatSize(S, FloatClientHeight);
    bar.FloatClientWidth = FloatSize(S, FloatClientWidth);
    bar.FloatLeft = S.Integer(FloatLeft, -MaxCoordinate, MaxCoordinate);
    bar.FloatTop = S.Integer(FloatTop, -MaxCoordinate, MaxCoordinate);
    bar.OneOnRow = S.Boolean(OneOnRow);
    bar.Row = S.Integer(Row, 0, INT_MAX);
    bar.Visible = S.Boolean(Visible);
    return bar;
}

// A user glyph as far as it is a picture of a sensible size; anything else is left out.
std::unique_ptr<TBitmap> ReadGlyph(const TovLayoutSectionReader& S) {
    TMemoryStream bytes;
    if (!S.Bytes(UserGlyph, bytes)) return nullptr;
    const auto* data = static_cast<const std::uint8_t*>(bytes.Memory());
    const auto size = static_cast<std::size_t>(bytes.Size());
    constexpr std::size_t FileHeaderSize = 14;
    try {
        if (size <= FileHeaderSize || data[0] != 'B' || data[1] != 'M') {
            S.Ignored(UserGlyph, "not a bitmap");
            return nullptr;
        }
        // The header is looked at first, so that a few bytes cannot ask for a huge picture.
        const dib_codec::TDibHeader header =
            dib_codec::ParseHeader(data + FileHeaderSize, size - FileHeaderSize, "damaged bitmap header");
        if (header.Width > layout_format::MaxGlyphSize || header.Height > layout_format::MaxGlyphSize) {
            S.Ignored(UserGlyph, "a picture of " + std::to_string(header.Width) + " x " +
                                     std::to_string(header.Height) + " is too large for a glyph");
            return nullptr;
        }
        auto glyph = std::make_unique<TBitmap>();
        glyph->LoadFromStream(&bytes);
        return glyph;
    } catch (const std::exception& error) {
        S.Ignored(UserGlyph, error.what());
        return nullptr;
    }
}

// The derived lists of a link list are made once when the scope ends, not after every link.
class TDeferredLists {
public:
    explicit TDeferredLists(TovBarItemLinks* ALinks) : FLinks(ALinks) { FLinks->BeginDeferLists(); }
    ~TDeferredLists() { FLinks->EndDeferLists(); }
    TDeferredLists(const TDeferredLists&) = delete;
    TDeferredLists& operator=(const TDeferredLists&) = delete;

private:
    TovBarItemLinks* FLinks;
};

std::string ItemNameOf(const TovBarItemLink* ALink) {
    return ALink->Item() ? ALink->Item()->Name() : std::string();
}

void ApplyLink(TovBarItemLink* ALink, TStoredLink& AStored, bool AOnToolbar, bool AUsage) {
    ALink->SetBeginGroup(AStored.BeginGroup.value_or(false));
    TovBarUserDefines defines =
        AStored.UserDefine ? layout_format::UserDefinesFromBits(*AStored.UserDefine) : TovBarUserDefines{};
    // Without a picture read the designed glyph stays.
    if (!AStored.UserGlyph) defines.Exclude(udGlyph);
    // The flags first, so that the values below are kept as stored.
    ALink->SetUserDefine(defines);
    if (defines.Contains(udCaption)) ALink->SetUserCaption(AStored.UserCaption.value_or(""));
    if (defines.Contains(udPaintStyle))
        ALink->SetUserPaintStyle(static_cast<TovBarPaintStyle>(AStored.UserPaintStyle.value_or(psStandard)));
    if (defines.Contains(udWidth)) ALink->SetUserWidth(AStored.UserWidth.value_or(100));
    if (defines.Contains(udGlyph)) ALink->SetUserGlyph(AStored.UserGlyph.get());
    if (AOnToolbar) {
        ALink->ButtonGroup = static_cast<TovBarButtonGroupPosition>(AStored.ButtonGroup.value_or(bgpNone));
        ALink->Position = static_cast<TovBarItemPosition>(AStored.Position.value_or(ipBeginsNewRow));
        if (AStored.ViewLevels) ALink->ViewLevels = layout_format::ViewLevelsFromBits(*AStored.ViewLevels);
    }
    ALink->SetLoadedVisible(AStored.Visible.value_or(true));
    if (AUsage) {
        ALink->LoadedUseCount = AStored.UseCount.value_or(0);
        ALink->LoadedRecentIndex = AStored.RecentIndex.value_or(-1);
    }
}

} // namespace

TovBarLayoutReader::TovBarLayoutReader(TovBarManager* AManager, TCustomIniFile& AIniFile, std::string APrefix,
                                       TovBarStoringKind AKind)
    : FManager(AManager), FIniFile(AIniFile), FPrefix(std::move(APrefix)), FKind(AKind) {}

int TovBarLayoutReader::SectionCount() {
    if (!FSectionCount) {
        TStringList sections;
        FIniFile.ReadSections(sections);
        FSectionCount = sections.Count();
    }
    return *FSectionCount;
}

int TovBarLayoutReader::NestedSectionCount(const std::string& ASection) {
    // In the registry links are keys below their list's key, which the settings-file view does not list.
    if (FKind == bskRegistry && dynamic_cast<TRegistryIniFile*>(&FIniFile) != nullptr) {
        TRegistry registry;
        if (!registry.OpenKeyReadOnly(ASection)) return 0;
        TStringList names;
        registry.GetKeyNames(names);
        return names.Count();
    }
    return SectionCount();
}

TovBarItem* TovBarLayoutReader::ItemByName(const std::string& AName) {
    if (FItemsByName.empty())
        for (int i = 0; i < FManager->ItemCount(); ++i)
            FItemsByName.emplace(UpperCase(FManager->Items(i)->Name()), FManager->Items(i));
    auto found = FItemsByName.find(UpperCase(AName));
    return found == FItemsByName.end() ? nullptr : found->second;
}

void TovBarLayoutReader::ReadManager() {
    ReadMain();
    const TovLayoutSectionReader main(FIniFile, MakeMainSectionName(FPrefix, FKind), FKind);
    const int barCount = main.Integer(BarCount, 0, INT_MAX).value_or(0);
    FindNewItems();
    FManager->SetNewItemNames(FNewItemNames.empty() ? nullptr : &FNewItemNames);
    try {
        if (barCount > 0) ReadBars(barCount);
        ReadItemLinkLists();
    } catch (...) {
        FManager->SetNewItemNames(nullptr);
        throw;
    }
    FManager->SetNewItemNames(nullptr);
}

void TovBarLayoutReader::ReadMain() {
    const TovLayoutSectionReader S(FIniFile, MakeMainSectionName(FPrefix, FKind), FKind);
    if (FManager->IsRecentItemsStyle()) {
        if (auto value = S.Boolean(MenusShowRecentItemsFirst)) FManager->MenusShowRecentItemsFirst = *value;
        if (auto value = S.Boolean(ShowFullMenusAfterDelay)) FManager->ShowFullMenusAfterDelay = *value;
    }
    if (auto value = S.Boolean(LargeIcons)) FManager->SetLargeIcons(*value);
    if (auto value = S.Integer(MenuAnimations, maNone, maFade))
        FManager->MenuAnimations = static_cast<TovBarMenuAnimations>(*value);
    if (auto value = S.Boolean(ShowHint)) FManager->ShowHint = *value;
    if (auto value = S.Boolean(ShowShortCutInHint)) FManager->ShowShortCutInHint = *value;
}

void TovBarLayoutReader::FindNewItems() {
    const std::string section = MakeItemsSectionName(FPrefix);
    const TovLayoutSectionReader S(FIniFile, section, FKind);
    if (S.Integer(ItemCount, INT_MIN, INT_MAX).value_or(-1) < 0) return;
    TStringList values;
    FIniFile.ReadSectionValues(section, values);
    std::unordered_set<std::string> stored;
    for (int i = 0; i < values.Count(); ++i) {
        const std::string line = values[i];
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        int value = 0;
        if (TryStrToInt(Trim(line.substr(equals + 1)), value) && value != 0)
            stored.insert(UpperCase(line.substr(0, equals)));
    }
    for (int i = 0; i < FManager->ItemCount(); ++i)
        if (const std::string name = UpperCase(FManager->Items(i)->Name());
            !name.empty() && !stored.contains(name))
            FNewItemNames.insert(name);
}

std::vector<TovBarLayoutReader::TBarMatch> TovBarLayoutReader::MatchBars(int ACount) {
    std::vector<TovBar*> designed;
    for (int i = 0; i < FManager->Bars()->Count(); ++i)
        if (!FManager->Bars()->GetItem(i)->CreatedByMerging())
            designed.push_back(FManager->Bars()->GetItem(i));
    std::vector<TBarMatch> matches;
    std::vector<TovBar*> taken;
    auto free = [&](TovBar* ABar) { return std::find(taken.begin(), taken.end(), ABar) == taken.end(); };
    // Sections that name their toolbar take it first; the others go by position, as older layouts do.
    for (int i = 0; i < ACount; ++i) {
        const TovLayoutSectionReader S(FIniFile, MakeBarSectionName(FPrefix, i), FKind);
        if (!S.Exists()) {
            ovBarLayoutReport(
                "[" + S.Section() + "] is missing" +
                (i < static_cast<int>(designed.size()) ? "; its toolbar stays as designed" : ""));
            continue;
        }
        TBarMatch match{i, nullptr, S.String(Name).value_or("")};
        if (!match.StoredName.empty())
            if (TovBar* bar = FManager->GetBarByName(match.StoredName);
                bar != nullptr && !bar->CreatedByMerging() && free(bar)) {
                match.Bar = bar;
                taken.push_back(bar);
            }
        matches.push_back(match);
    }
    for (TBarMatch& match : matches)
        if (match.Bar == nullptr && match.StoredName.empty() &&
            match.Section < static_cast<int>(designed.size()) && free(designed[match.Section])) {
            match.Bar = designed[match.Section];
            taken.push_back(match.Bar);
        }
    return matches;
}

void TovBarLayoutReader::ReadBars(int ACount) {
    // No stored count makes more toolbars than the store has sections.
    const int count = std::min(ACount, SectionCount());
    if (count < ACount)
        ovBarLayoutReport("\"" + std::string(BarCount) + "\" " + std::to_string(ACount) +
                          " is more than the store holds; read as " + std::to_string(count));
    std::vector<TBarMatch> matches = MatchBars(count);
    FRowAllowance = std::max<int>(1, static_cast<int>(matches.size()));
    // The toolbars that are read again leave their rows first, so that the stored rows build up anew.
    for (const TBarMatch& match : matches)
        if (match.Bar != nullptr) {
            FVisibleBefore[match.Bar] = match.Bar->Visible();
            match.Bar->SetVisible(false);
            if (IovBarDock* dock = match.Bar->GetRealDockControl()) dock->RemoveBar(match.Bar);
        }
    std::vector<std::pair<TovBar*, std::string>> captions;
    for (const TBarMatch& match : matches) {
        TovBar* bar = match.Bar;
        if (bar == nullptr) {
            bar = FManager->Bars()->Add();
            // A toolbar the user made keeps its name, so that it is found by name next time.
            if (!match.StoredName.empty() && IsValidIdent(match.StoredName) &&
                FManager->GetBarByName(match.StoredName) == nullptr &&
                (FManager->Owner() == nullptr ||
                 FManager->Owner()->FindComponent(match.StoredName) == nullptr)) {
                try {
                    bar->SetName(match.StoredName);
                } catch (const std::exception&) {
                    // The generated name stands.
                }
            }
        }
        std::optional<std::string> caption;
        ReadBar(bar, MakeBarSectionName(FPrefix, match.Section), true, &caption);
        if (caption) captions.emplace_back(bar, *caption);
    }
    ApplyCaptions(captions);
}

void TovBarLayoutReader::ApplyCaptions(const std::vector<std::pair<TovBar*, std::string>>& ACaptions) {
    // Captions go on after every toolbar is read: two toolbars whose stored captions are each other's
    // current ones would otherwise refuse them (a caption is unique within the manager).
    std::vector<std::pair<TovBar*, std::string>> pending;
    for (const auto& [bar, caption] : ACaptions)
        if (bar->Caption() != caption) pending.emplace_back(bar, bar->Caption());
    for (auto& [bar, original] : pending)
        bar->SetCaption(FManager->MakeUniqueBarCaption(original + "\x01"));
    for (auto& [bar, original] : pending) {
        const std::string wanted =
            std::find_if(ACaptions.begin(), ACaptions.end(), [bar = bar](const auto& A) {
                return A.first == bar;
            })->second;
        const std::string placeholder = bar->Caption();
        bar->SetCaption(wanted);
        if (bar->Caption() != placeholder) continue;
        ovBarLayoutReport("caption \"" + wanted + "\" is stored for two toolbars; the second keeps its own");
        bar->SetCaption(original);
        if (bar->Caption() == placeholder) bar->SetCaption(FManager->MakeUniqueBarCaption(original));
    }
}

void TovBarLayoutReader::ReadBar(TovBar* ABar, const std::string& ASection, bool AReadValues,
                                 std::optional<std::string>* ADeferredCaption) {
    const TovLayoutSectionReader S(FIniFile, ASection, FKind);
    if (!S.Exists()) {
        ovBarLayoutReport("[" + ASection + "] is missing; its toolbar stays as designed");
        return;
    }
    auto before = FVisibleBefore.find(ABar);
    const bool wasVisible = before != FVisibleBefore.end() ? before->second : ABar->Visible();
    try {
        ReadLinks(ABar->ItemLinks(), ASection);
        if (!AReadValues) return;
        const TStoredBar stored = ReadStoredBar(S);
        ABar->SetVisible(false);
        if (IovBarDock* dock = ABar->GetRealDockControl()) dock->RemoveBar(ABar);
        if (ADeferredCaption != nullptr)
            *ADeferredCaption = stored.Caption;
        else if (stored.Caption)
            ABar->SetCaption(*stored.Caption);
        ABar->SetDockedDockControl(
            stored.DockedDockControl ? FManager->FindDockControlByPath(*stored.DockedDockControl) : nullptr);
        if (stored.DockedDockingStyle)
            ABar->SetDockedDockingStyle(static_cast<TovBarDockingStyle>(*stored.DockedDockingStyle));
        if (stored.DockedLeft) ABar->SetDockedLeft(*stored.DockedLeft);
        if (stored.DockedTop) ABar->SetDockedTop(*stored.DockedTop);
        if (stored.OneOnRow) ABar->SetOneOnRow(*stored.OneOnRow);
        if (stored.FloatLeft) ABar->SetFloatLeft(*stored.FloatLeft);
        if (stored.FloatTop) ABar->SetFloatTop(*stored.FloatTop);
        if (stored.FloatClientWidth) ABar->SetFloatClientWidth(*stored.FloatClientWidth);
        if (stored.FloatClientHeight) ABar->SetFloatClientHeight(*stored.FloatClientHeight);
        IovBarDock* dock =
            stored.DockControl ? FManager->FindDockControlByPath(*stored.DockControl) : nullptr;
        if (dock != nullptr)
            ABar->SetDockControl(dock);
        else if (ABar->DockControl() != nullptr && ABar->DockControl()->CanUndockOnLayoutLoad())
            ABar->SetDockControl(nullptr);
        if (stored.DockingStyle) ABar->SetDockingStyle(static_cast<TovBarDockingStyle>(*stored.DockingStyle));
        if (stored.Row) {
            // Rows past the last one are appended: at most one for each toolbar being read.
            IovBarDock* realDock = ABar->GetRealDockControl();
            const int limit = std::max((realDock ? realDock->RowCount() : 0) + FRowAllowance - 1, 0);
            if (*stored.Row > limit)
                ovBarLayoutReport("[" + ASection + "] \"" + Row + "\" " + std::to_string(*stored.Row) +
                                  " is past the rows there can be; read as " + std::to_string(limit));
            ABar->SetRow(std::min(*stored.Row, limit));
        }
        if (TovBar* target = ABar->MergeTarget()) target->UnMerge(ABar, false);
        ABar->SetVisible(stored.Visible.value_or(wasVisible));
    } catch (const std::exception& error) {
        ovBarLayoutReport("[" + ASection + "] could not be applied (" + error.what() +
                          "); the toolbar is shown");
        try {
            ABar->SetVisible(true);
        } catch (const std::exception&) {
            // Nothing more can be done for this toolbar; the others are read on.
        }
    }
}

bool TovBarLayoutReader::ReadLinks(TovBarItemLinks* ALinks, const std::string& ASection,
                                   bool AReportMissingCount) {
    const TovLayoutSectionReader S(FIniFile, ASection, FKind);
    const bool hasCount = S.Has(ItemLinkCount);
    const std::optional<int> storedCount = S.Integer(ItemLinkCount, 0, INT_MAX);
    if (!storedCount) {
        if (hasCount || (AReportMissingCount && S.Exists()))
            ovBarLayoutReport("[" + ASection + "] has no usable \"" + ItemLinkCount +
                              "\"; the designed links stay");
        return false;
    }
    int count = *storedCount;
    if (count > 0) {
        const int bound = NestedSectionCount(ASection);
        if (count > bound) {
            ovBarLayoutReport("[" + ASection + "] \"" + ItemLinkCount + "\" " + std::to_string(count) +
                              " is more than the store holds; read as " + std::to_string(bound));
            count = bound;
        }
    }
    const bool onToolbar = dynamic_cast<TovBar*>(ALinks->OwnerObject()) != nullptr;
    const bool usage = FManager->IsRecentItemsStyle() && ALinks->UseRecentItems;
    std::vector<TStoredLink> stored;
    stored.reserve(static_cast<std::size_t>(count));
    for (int m = 0; m < count; ++m) {
        const TovLayoutSectionReader L(FIniFile, MakeItemLinkSectionName(ASection, m, FKind), FKind);
        if (!L.Exists()) continue;
        const std::string name = L.String(ItemName).value_or("");
        if (name.empty()) {
            L.Ignored(ItemName, "a link without an item");
            continue;
        }
        TStoredLink link;
        link.Item = ItemByName(name);
        std::string refusal;
        if (link.Item == nullptr) {
            L.Ignored(ItemName, "no item \"" + name + "\"");
            continue;
        }
        if (!ALinks->CanContainItem(link.Item, refusal)) {
            L.Ignored(ItemName, refusal);
            continue;
        }
        link.BeginGroup = L.Boolean(BeginGroup);
        link.UserDefine = L.SetByte(UserDefine, layout_format::UserDefineMask, layout_format::UserDefineMask);
        if (link.UserDefine) {
            const TovBarUserDefines defines = layout_format::UserDefinesFromBits(*link.UserDefine);
            if (defines.Contains(udCaption)) link.UserCaption = L.String(UserCaption);
            if (defines.Contains(udPaintStyle))
                link.UserPaintStyle = L.Integer(UserPaintStyle, psStandard, psCaptionGlyph);
            if (defines.Contains(udWidth))
                link.UserWidth = L.Integer(UserWidth, 0, layout_format::MaxCoordinate);
            if (defines.Contains(udGlyph) && FKind == bskRegistry) link.UserGlyph = ReadGlyph(L);
        }
        if (onToolbar) {
            link.ButtonGroup = L.Integer(ButtonGroup, bgpNone, bgpMember);
            link.Position = L.Integer(Position, ipBeginsNewRow, ipContinuesRow);
            link.ViewLevels =
                L.SetByte(ViewLevels, layout_format::ViewLevelsKnownMask, layout_format::ViewLevelsModelMask);
            link.Visible = L.Boolean(Visible);
        }
        if (usage) {
            link.UseCount = L.Integer(UseCount, 0, INT_MAX);
            link.RecentIndex = L.Integer(RecentIndex, -1, INT_MAX);
        }
        stored.push_back(std::move(link));
    }

    const std::unordered_set<std::string>* newItems = FManager->NewItemNames();
    try {
        ovWithinCollectionUpdate(ALinks, [&] {
            TDeferredLists deferred(ALinks);
            // Links to items the program gained since the layout was written stay, each remembering the
            // item of the link before it.
            struct TKept {
                TovBarItemLink* Link;
                std::optional<std::string> Anchor;
            };
            std::vector<TKept> kept;
            for (int i = ALinks->Count() - 1; i >= 0; --i) {
                TovBarItemLink* link = ALinks->Items(i);
                const bool isNew = newItems != nullptr && link->Item() != nullptr &&
                                   newItems->contains(UpperCase(link->Item()->Name()));
                if (!isNew) {
                    delete link;
                    continue;
                }
                link->MergedWith = nullptr;
                std::optional<std::string> anchor;
                for (int j = i - 1; j >= 0 && !anchor; --j)
                    if (ALinks->Items(j)->Item() != nullptr) anchor = ItemNameOf(ALinks->Items(j));
                kept.insert(kept.begin(), TKept{link, anchor});
            }
            // The stored links, appended in stored order.
            for (TStoredLink& entry : stored) {
                TovBarItemLink* link = ALinks->Add();
                link->SetItem(entry.Item);
                ApplyLink(link, entry, onToolbar, usage);
            }
            // Each kept link goes back after its predecessor, in designed order so that new items in a
            // row keep their order; a first link goes first, one whose predecessor is gone stays last.
            for (const TKept& entry : kept) {
                int to = 0;
                if (entry.Anchor) {
                    const int anchor = ALinks->IndexOfItemName(*entry.Anchor);
                    const int from = entry.Link->Index();
                    to = anchor < 0 ? ALinks->Count() - 1 : anchor < from ? anchor + 1 : anchor;
                }
                if (entry.Link->Index() != to) entry.Link->SetIndex(to);
            }
        });
    } catch (...) {
        ALinks->ApplyLoadedUsageData(true);
        throw;
    }
    ALinks->ApplyLoadedUsageData(true);
    return true;
}

void TovBarLayoutReader::ReadItemLinkLists() {
    for (int i = 0; i < FManager->ItemCount(); ++i) {
        auto* item = dynamic_cast<TovBarButtonLikeItem*>(FManager->Items(i));
        if (item == nullptr || item->Name().empty() || item->LinksOf() == nullptr) continue;
        const std::string section = item->GetLinksSectionName(FPrefix);
        try {
            ReadLinks(item->LinksOf(), section, false);
        } catch (const std::exception& error) {
            ovBarLayoutReport("[" + section + "] could not be applied (" + error.what() + ")");
        }
    }
}

void TovBarLayoutReader::ReadUsageData(TovBarItemLinks* ALinks, const std::string& ASection) {
    const TovLayoutSectionReader S(FIniFile, ASection, FKind);
    const int count = std::min(S.Integer(ItemLinkCount, 0, INT_MAX).value_or(0), ALinks->Count());
    for (int i = 0; i < count; ++i) {
        const TovLayoutSectionReader L(FIniFile, MakeItemLinkSectionName(ASection, i, FKind), FKind);
        ALinks->Items(i)->SetMostRecentlyUsed(L.Boolean(MostRecentlyUsed).value_or(true));
    }
    ALinks->ApplyLoadedUsageData(false);
    ALinks->PackRecentList();
}
