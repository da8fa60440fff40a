#include "PainterGallery.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiControls.h"
#include "platform/rtl/DateTime.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/TextFlags.h"

#include <algorithm>

namespace painter_gallery {

namespace {

constexpr int States = 5;
const char* const StateNames[States] = {"default", "normal", "hot", "pressed", "disabled"};
const char* const DirectionNames[4] = {"up", "down", "left", "right"};
const char* const CheckNames[3] = {"unchecked", "checked", "grayed"};
const char* const CornerNames[4] = {"top-left", "top-right", "bottom-left", "bottom-right"};

TuiPainterButtonState S(int AState) {
    return static_cast<TuiPainterButtonState>(AState);
}
TuiPainterArrowDirection D(int ADirection) {
    return static_cast<TuiPainterArrowDirection>(ADirection);
}

TuiViewParams Params(TColor AColor) {
    TuiViewParams params;
    params.Color = AColor;
    params.TextColor = clWindowText;
    return params;
}

} // namespace

const char* StateName(int AState) {
    return StateNames[AState];
}
const char* DirectionName(int ADirection) {
    return DirectionNames[ADirection];
}

TPainterGallery::TPainterGallery(int AWidth) : FWidth(AWidth) {
    Build();
}

void TPainterGallery::Section(const std::string& ATitle) {
    NewRow();
    FY += FTitles.empty() ? 0 : 6;
    FTitles.push_back(TSectionTitle{ATitle, TPoint{Margin, FY}});
    FY += 18;
    FBottom = FY;
}

void TPainterGallery::NewRow() {
    if (FRowHeight > 0) FY += FRowHeight + Gap;
    FX = Margin;
    FRowHeight = 0;
    FBottom = FY;
}

void TPainterGallery::Add(const std::string& ALabel, int AWidth, int AHeight, TCellDraw ADraw) {
    // Labels take up to about 7 pixels a character.
    const int slot = std::max(AWidth, static_cast<int>(ALabel.size()) * 7);
    if (FX + slot > FWidth - Margin) NewRow();
    const int left = FX + (slot - AWidth) / 2;
    FCells.push_back(TCell{ALabel, TRect{left, FY, left + AWidth, FY + AHeight}, std::move(ADraw)});
    FX += slot + Gap;
    FRowHeight = std::max(FRowHeight, AHeight + LabelHeight);
    FBottom = std::max(FBottom, FY + FRowHeight);
}

void TPainterGallery::Build() {
    using P = TuiCustomLookAndFeelPainter;

    Section("Buttons: DrawButton, DrawPlainButton, DrawButtonFrame, DrawGroupExpander (states 0-4)");
    for (int s = 0; s < States; ++s)
        Add(StateNames[s], 76, 24,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawButton(c, r, "&Button", S(s)); });
    for (int s = 0; s < States; ++s)
        Add(std::string("wrap ") + StateNames[s], 60, 34, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawButton(c, r, "Two lines", S(s), true, clDefault, clDefault, true);
        });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("plain ") + StateNames[s], 30, 20,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawPlainButton(c, r, S(s)); });
    for (int s = 0; s < States; ++s)
        Add(std::string("frame ") + StateNames[s], 30, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawButtonFrame(c, r, S(s));
        });
    NewRow();
    for (int e = 0; e < 2; ++e)
        for (int s = 0; s < States; ++s)
            Add(std::string(e ? "open " : "shut ") + StateNames[s], 15, 15,
                [s, e](TuiCanvas* c, P* p, const TRect& r) { p->DrawGroupExpander(c, r, e == 1, S(s)); });
    for (int a = 0; a < 4; ++a)
        Add(std::string("rotated ") + std::to_string(a), a == 1 || a == 2 ? 15 : 24,
            a == 1 || a == 2 ? 24 : 15, [a](TuiCanvas* c, P* p, const TRect& r) {
                p->DrawRotatedGroupExpandButton(c, r, cxbsNormal, true, static_cast<TuiRotationAngle>(a));
            });
    for (int e = 0; e < 2; ++e)
        Add(std::string("chevron ") + (e ? "open" : "shut"), 15, 15,
            [e](TuiCanvas* c, P* p, const TRect& r) { p->DrawExpandChevronButton(c, r, cxbsHot, e == 1); });

    Section("Arrows: DrawArrowButton (bordered), DrawArrowGlyph, DrawArrowShape, drop arrow, double chevron");
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < States; ++s)
            Add(std::string(DirectionNames[d]) + " " + StateNames[s], 17, 17,
                [d, s](TuiCanvas* c, P* p, const TRect& r) { p->DrawArrowButton(c, r, S(s), D(d), true); });
    NewRow();
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < States; ++s)
            Add(std::string("glyph ") + DirectionNames[d][0] + " " + StateNames[s], 16, 16,
                [d, s](TuiCanvas* c, P* p, const TRect& r) {
                    c->FillRect(r, clBtnFace);
                    p->DrawArrowGlyph(c, r, S(s), D(d));
                });
    NewRow();
    for (int d = 0; d < 4; ++d)
        Add(std::string("shape ") + DirectionNames[d], 16, 16, [d](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawArrowShape(c, r, D(d), clNavy);
        });
    Add("unbordered hot", 17, 17,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawArrowButton(c, r, cxbsHot, adDown, false); });
    Add("drop arrow", 16, 16, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawButtonDropArrow(c, r, clBtnText);
    });
    Add("double chevron", 16, 16, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawDoubleChevron(c, r, clBtnText, 1);
    });
    Add("chevron t=2", 24, 24, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawDoubleChevron(c, r, clBtnText, 2);
    });

    Section("Check boxes (states x check states), check marks, radio buttons, expand boxes");
    for (int k = 0; k < 3; ++k)
        for (int s = 0; s < States; ++s)
            Add(std::string(CheckNames[k]) + " " + StateNames[s], 13, 13,
                [k, s](TuiCanvas* c, P* p, const TRect& r) {
                    p->DrawCheckBox(c, r, S(s), static_cast<TuiPainterCheckState>(k));
                });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("button ") + StateNames[s], 13, 13,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawCheckButton(c, r, S(s), true); });
    Add("mark", 13, 13,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawCheckMark(c, r, cxbsNormal, true, clNavy); });
    Add("filter check", 13, 13,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawFilterCheckButton(c, r, cxbsHot, true); });
    NewRow();
    for (int k = 0; k < 2; ++k)
        for (int s = 0; s < States; ++s)
            Add(std::string(k ? "radio on " : "radio off ") + StateNames[s], 13, 13,
                [k, s](TuiCanvas* c, P* p, const TRect& r) {
                    p->DrawRadioButton(c, r.left, r.top, S(s), k == 1, false);
                });
    Add("radio on yellow", 13, 13, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawRadioButton(c, r.left, r.top, cxbsNormal, true, false, static_cast<TColor>(0x80FFFF));
    });
    NewRow();
    for (int e = 0; e < 2; ++e) {
        Add(std::string("expand box ") + (e ? "open" : "shut"), 13, 13,
            [e](TuiCanvas* c, P* p, const TRect& r) {
                const int size = std::max(9, p->ExpandBoxSize());
                c->SaveClipRegion();
                p->DrawExpandBox(c, TRect{r.left, r.top, r.left + size, r.top + size}, e == 1);
                c->RestoreClipRegion();
            });
        Add(std::string("small box ") + (e ? "open" : "shut"), 9, 9, [e](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawSmallExpandBox(c, r, e == 1, clBtnShadow, clWindow);
        });
    }

    Section("Borders, separators, container borders (cbsNone..cbsOffice11), sunken frames, edges 1-8");
    Add("border frame", 40, 24, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawBorderFrame(c, r);
    });
    Add("separator h", 40, 24, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawSeparatorCore(c, p->SeparatorBandBounds(r, std::max(1, p->SeparatorThickness()), false),
                             false);
    });
    Add("separator v", 24, 24, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawSeparatorCore(c, p->SeparatorBandBounds(r, std::max(1, p->SeparatorThickness()), true), true);
    });
    static const char* const ContainerNames[7] = {"none", "single",    "thick",   "flat",
                                                  "3D",   "ultraflat", "office11"};
    for (int k = 0; k < 7; ++k)
        Add(std::string("container ") + ContainerNames[k], 44, 24, [k](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            const auto style = static_cast<TuiContainerBorderStyle>(k);
            p->DrawContainerBorder(c, r, style, p->ContainerBorderWidth(style), clNavy, uiBordersAll);
        });
    NewRow();
    Add("sunken h", 40, 10,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawSunkenFrame(c, r, clDefault, clDefault, false); });
    Add("sunken v", 10, 24,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawSunkenFrame(c, r, clDefault, clDefault, true); });
    for (int k = 1; k <= 8; ++k)
        Add(std::string("edge ") + std::to_string(k), 24, 20, [k](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clBtnFace);
            p->DrawEdgeByKind(c, r, k, 0);
        });
    Add("edge 1 variant", 24, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawEdgeByKind(c, r, 1, 1);
    });

    Section("Headers: DrawHeader (states 0-4), DrawHeaderEx row with neighbours, sections, sorting marks");
    for (int s = 0; s < States; ++s)
        Add(std::string("header ") + StateNames[s], 76, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawHeader(c, r, uiGrowRect(r, -3, 0), {}, uiBordersAll, S(s), taLeftJustify, taVerticalCenter,
                          false, true, "Column", nullptr, clWindowText, clBtnFace);
        });
    Add("header row (Ex)", 180, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        const char* const names[3] = {"Name", "Size", "Type"};
        for (int i = 0; i < 3; ++i) {
            const TRect cell{r.left + i * 60, r.top, r.left + (i + 1) * 60, r.bottom};
            TuiNeighbors neighbours;
            if (i > 0) neighbours.Include(nLeft);
            if (i < 2) neighbours.Include(nRight);
            const TuiBorders borders = p->HeaderBorderSides(neighbours);
            p->DrawHeaderEx(c, p->HeaderCellBoundsByNeighbors(cell, neighbours, borders),
                            uiGrowRect(cell, -3, 0), neighbours, borders, cxbsNormal, taLeftJustify,
                            taVerticalCenter, false, true, names[i], nullptr, clWindowText, clBtnFace);
        }
    });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("section ") + StateNames[s], 76, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawHeaderControlSection(c, r, uiGrowRect(r, -4, 0), 0, uiBordersAll, S(s), taCenter,
                                        taVerticalCenter, false, false, "Section", nullptr, clWindowText,
                                        clBtnFace);
        });
    for (int a = 0; a < 2; ++a) {
        Add(std::string("sort ") + (a ? "up" : "down"), 16, 16, [a](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clBtnFace);
            p->DrawSortingMark(c, r, a == 1);
        });
        Add(std::string("barred ") + (a ? "up" : "down"), 16, 16, [a](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clBtnFace);
            p->DrawBarredSortingMark(c, r, a == 1);
        });
    }
    NewRow();
    Add("inset bar", 60, 16,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawInsetBar(c, r, 6, clWindow, Params(clBtnShadow)); });
    Add("inverted", 40, 16, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->InvertHeaderArea(c, uiGrowRect(r, -3, -3));
    });
    Add("caption cell", 60, 16,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawCaptionCell(c, r, clBtnFace); });
    Add("navigator header", 90, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawNavigatorHeader(c, r, "May", {}, Params(clBtnFace), 4 | 8, 18);
    });
    Add("menu item bg", 5 * 14, 14, [](TuiCanvas* c, P* p, const TRect& r) {
        for (int s = 0; s < States; ++s) {
            c->SaveClipRegion();
            p->DrawMenuItemBackground(c, TRect{r.left + s * 14, r.top, r.left + s * 14 + 13, r.bottom}, S(s));
            c->RestoreClipRegion();
        }
    });
    Add("tab item bg", 5 * 14, 14, [](TuiCanvas* c, P* p, const TRect& r) {
        for (int s = 0; s < States; ++s) {
            c->SaveClipRegion();
            p->DrawTabItemBackground(c, TRect{r.left + s * 14, r.top, r.left + s * 14 + 13, r.bottom}, 0,
                                     false, S(s));
            c->RestoreClipRegion();
        }
    });
    Add("framed face", 30, 14,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawFramedFaceItem(c, r, 0, cxbsHot, uiBordersAll); });

    Section("Footers, filter-row buttons (states 0-4, active), tabs, indicators 0-6");
    Add("footer cell", 70, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawFooterCell(c, r, taRightJustify, taVerticalCenter, false, "1,234", nullptr, clWindowText,
                          clBtnFace);
    });
    Add("footer frame+sep", 70, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawFooterBackground(c, r, Params(clBtnFace));
        p->DrawFooterBorderWithSeparator(c, r, uiBordersAll);
    });
    Add("footer frame", 70, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawFooterFrame(c, r);
    });
    Add("footer sep", 40, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawFooterSeparator(c, uiResizeRectHeight(r, p->FooterSeparatorSize()));
    });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("glyph ") + StateNames[s], 15, 15, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawFilterGlyphButton(c, r, S(s), s == 0);
        });
    for (int s = 0; s < States; ++s)
        Add(std::string("clear ") + StateNames[s], 16, 15, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawFilterClearButton(c, uiCentreSizeIn(r, p->FilterClearButtonSize()), S(s));
        });
    NewRow();
    for (int a = 0; a < 2; ++a)
        for (int s = 0; s < States; ++s)
            Add(std::string(a ? "combo act " : "combo ") + StateNames[s], 16, 16,
                [a, s](TuiCanvas* c, P* p, const TRect& r) {
                    c->FillRect(r, clWindow);
                    p->DrawFilterComboButton(c, r, S(s), a == 1);
                });
    Add("funnel", 10, 10, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawFilterGlyph(c, r, cxbsNormal, true);
    });
    NewRow();
    for (int v = 0; v < 2; ++v)
        Add(v ? "vertical tab" : "horizontal tab", v ? 26 : 60, v ? 60 : 22,
            [v](TuiCanvas* c, P* p, const TRect& r) {
                c->FillRect(r, clBtnFace);
                const int w = std::max(1, p->TabBorderWidth(v == 1));
                const TuiBorders borders = uiBordersAll;
                const TRect sides[4] = {TRect{r.left, r.top, r.left + w, r.bottom},
                                        TRect{r.left, r.top, r.right, r.top + w},
                                        TRect{r.right - w, r.top, r.right, r.bottom},
                                        TRect{r.left, r.bottom - w, r.right, r.bottom}};
                for (int side = 0; side < 4; ++side) {
                    if (v == 0 && side == 3) continue; // a horizontal tab opens onto its page
                    if (v == 1 && side == 2) continue;
                    p->DrawTabFrame(c, sides[side], side, borders, v == 1);
                }
            });
    Add("tab strip", 80, 22, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawTabStripFrame(c, r, uiBordersAll, false);
    });
    NewRow();
    for (int k = 0; k <= 6; ++k)
        Add(std::string("indicator ") + std::to_string(k), 14, 18,
            [k](TuiCanvas* c, P* p, const TRect& r) { p->DrawIndicatorItem(c, r, k, clBtnFace); });
    Add("indicator Ex 1", 14, 18,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawIndicatorItemEx(c, r, 1, clBtnFace); });
    Add("customize mark", 14, 12, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawIndicatorCustomizeMark(c, r, clBtnText);
    });

    Section(
        "Scroll bars: DrawScrollBarElement parts 1-5 in states 0-4 (vertical, horizontal), composed bars");
    static const char* const PartNames[6] = {"", "line up", "line down", "thumb", "page up", "page down"};
    for (int part = 1; part <= 5; ++part)
        for (int s = 0; s < States; ++s)
            Add(std::string(PartNames[part]) + " " + StateNames[s], 17, 17,
                [part, s](TuiCanvas* c, P* p, const TRect& r) {
                    c->FillRect(r, clFuchsia);
                    p->DrawScrollBarElement(c, false, r, static_cast<TuiScrollBarPart>(part), S(s));
                });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("vertical ") + StateNames[s], 17, 90, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawScrollBarBackground(c, r, false);
            p->DrawScrollArrowButton(c, TRect{r.left, r.top, r.right, r.top + 17}, adUp, S(s));
            p->DrawScrollBarElement(c, false, TRect{r.left, r.top + 17, r.right, r.top + 30}, sbpPageUp,
                                    S(s == 3 ? 3 : 1));
            p->DrawScrollBarElement(c, false, TRect{r.left, r.top + 30, r.right, r.top + 55}, sbpThumbnail,
                                    S(s));
            p->DrawScrollArrowButton(c, TRect{r.left, r.bottom - 17, r.right, r.bottom}, adDown, S(s));
        });
    for (int s = 0; s < States; ++s)
        Add(std::string("horizontal ") + StateNames[s], 100, 17, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawScrollBarBackground(c, r, true);
            p->DrawScrollArrowButton(c, TRect{r.left, r.top, r.left + 17, r.bottom}, adLeft, S(s));
            p->DrawScrollBarElement(c, true, TRect{r.left + 40, r.top, r.left + 66, r.bottom}, sbpThumbnail,
                                    S(s));
            p->DrawScrollArrowButton(c, TRect{r.right - 17, r.top, r.right, r.bottom}, adRight, S(s));
        });

    Section("Size grips in four corners (on the face, on yellow), close buttons, popup frames 0-3, sizing "
            "panels");
    for (int k = 0; k < 4; ++k)
        Add(std::string("grip ") + CornerNames[k], 17, 17, [k](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawSizeGripRegion(c, r, clBtnFace, static_cast<TuiCorner>(k));
        });
    for (int k = 0; k < 4; ++k)
        Add(std::string("on yellow ") + CornerNames[k], 17, 17, [k](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, static_cast<TColor>(0x80FFFF));
            p->DrawSizeGripRegion(c, r, clNone, static_cast<TuiCorner>(k));
        });
    Add("grip core", 17, 17, [](TuiCanvas* c, P* p, const TRect& r) { p->DrawSizeGripCore(c, r); });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("close ") + StateNames[s], 14, 15,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawSmallCloseButton(c, r, S(s)); });
    for (int s = 0; s < States; ++s)
        Add(std::string("close bg ") + StateNames[s], 14, 15,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawCloseButtonBackground(c, r, S(s)); });
    NewRow();
    for (int k = 0; k < 4; ++k)
        for (int z = 0; z < 2; ++z)
            Add(std::string("frame ") + std::to_string(k) + (z ? " sizeable" : ""), 40, 30,
                [k, z](TuiCanvas* c, P* p, const TRect& r) {
                    TRect client = r;
                    p->DrawPopupFrame(c, client, static_cast<TuiPopupBorderStyle>(k), z == 1);
                    p->DrawPopupBackground(c, client);
                });
    NewRow();
    for (int k = 0; k < 4; ++k)
        Add(std::string("panel ") + CornerNames[k], 120, 60, [k](TuiCanvas* c, P* p, const TRect& r) {
            TRect client = r, panel, grip, close;
            c->FrameRect(r, clBtnShadow);
            p->ComputePopupPanelClientBounds(client, panel, grip, close, static_cast<TuiCorner>(k),
                                             TRect{1, 1, 1, 1},
                                             k < 2 ? TuiBorders{bBottom} : TuiBorders{bTop}, 0, true, true);
            c->SaveClipRegion();
            p->DrawPopupPanel(c, panel, grip, close, static_cast<TuiCorner>(k), k == 1 ? cxbsHot : cxbsNormal,
                              k < 2 ? TuiBorders{bBottom} : TuiBorders{bTop}, clBtnShadow, true, true);
            c->FillRect(client, clWindow);
            c->RestoreClipRegion();
        });
    NewRow();
    Add("screen tip", 140, 50, [](TuiCanvas* c, P* p, const TRect& r) {
        p->ScreenTipDrawBackground(c, r);
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(clInfoText);
        c->DrawText("Screen tip", uiGrowRect(r, -6, -4), uiTextLeft | uiTextTop | uiTextSingleLine);
        p->ScreenTipDrawFooterLine(
            c, TRect{r.left + 4, r.top + 26, r.right - 4, r.top + 26 + p->ScreenTipGetFooterLineSize()});
        c->DrawText("Footer", TRect{r.left + 6, r.top + 30, r.right, r.bottom},
                    uiTextLeft | uiTextTop | uiTextSingleLine);
        c->Brush()->SetStyle(bsSolid);
    });
    Add("tip fill", 40, 20,
        [](TuiCanvas* c, P* p, const TRect& r) { p->ScreenTipDrawBackgroundFill(c, r, clDefault); });
    Add("popup background", 40, 20, [](TuiCanvas* c, P* p, const TRect& r) { p->DrawPopupBackground(c, r); });

    Section("Navigation buttons and markers, clock, zoom, back and command-link buttons");
    for (int n = 0; n < 2; ++n)
        for (int s = 1; s < States; ++s)
            Add(std::string(n ? "next " : "prev ") + StateNames[s], 24, 90,
                [n, s](TuiCanvas* c, P* p, const TRect& r) {
                    TRect bounds = r, text, arrow;
                    p->CalculateSchedulerNavigationButtonRects(n == 1, false, TSize{30, 12}, TSize{24, 12},
                                                               bounds, text, arrow);
                    p->DrawSchedulerNavigationButton(c, r, n == 1, S(s), "Next", text, arrow);
                });
    for (int s = 0; s < States; ++s)
        Add(std::string("navigator ") + StateNames[s], 20, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawNavigatorButton(c, r, S(s));
        });
    NewRow();
    Add("notched marker", 40, 16,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawNotchedMarker(c, r, clYellow); });
    Add("diamond", 16, 16, [](TuiCanvas* c, P* p, const TRect& r) { p->DrawDiamondMarker(c, r); });
    Add("event progress", 60, 12, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawSchedulerEventProgressBar(
            c, r, uiShrinkRectByMargins(uiResizeRectWidth(r, 36), p->EventProgressMargins()),
            Params(clWindow), false);
    });
    Add("clock 10:08:30", 130, 130, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawClockFace(c, r, (10 * 3600 + 8 * 60 + 30) / 86400.0, clWindow);
    });
    Add("clock 3:00:00", 90, 90,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawClockFace(c, r, 3 / 24.0, clWindow); });
    for (int s = 0; s < States; ++s) {
        Add(std::string("zoom in ") + StateNames[s], 15, 15,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawZoomInButton(c, r, S(s)); });
        Add(std::string("zoom out ") + StateNames[s], 15, 15,
            [s](TuiCanvas* c, P* p, const TRect& r) { p->DrawZoomOutButton(c, r, S(s)); });
    }
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("back ") + StateNames[s], 24, 24, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clBtnFace);
            p->DrawBackButton(c, r, S(s));
        });
    for (int s = 1; s <= 2; ++s)
        Add(std::string("command link ") + StateNames[s], 20, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawCommandLinkGlyph(c, TPoint{r.left, r.top}, S(s));
        });

    Section("Glyph buttons, header panel, caption text, group boxes, track bars, splitters, previews");
    for (int s = 0; s < States; ++s)
        Add(std::string("glyph button ") + StateNames[s], 17, 19, [s](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawGlyphButton(c, r, S(s), clBtnShadow);
            p->DrawArrowShape(c, uiShrinkRectByMargins(r, p->GlyphButtonGlyphMargins()), adDown,
                              p->ButtonSignColor(S(s)));
        });
    Add("glyph frame", 17, 19, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        c->SaveClipRegion();
        p->DrawGlyphButtonFrame(c, r, true);
        c->RestoreClipRegion();
    });
    Add("header panel", 60, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        TRect inner = r;
        p->DrawHeaderPanelBackground(c, inner);
    });
    Add("caption plain", 80, 16, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawCaptionText(c, false, true, "Caption", uiGrowRect(r, -2, -1), 0, r, clDefault);
    });
    Add("caption inverted", 80, 16, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnShadow);
        p->DrawCaptionText(c, false, false, "Caption", uiGrowRect(r, -2, -1), 0, r, clDefault);
    });
    for (int e = 0; e < 2; ++e)
        Add(std::string("group box ") + (e ? "on" : "off"), 60, 40, [e](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clBtnFace);
            c->SaveClipRegion();
            p->DrawGroupBoxBorder(c, r, e == 1, 0, uiBordersAll);
            c->RestoreClipRegion();
            c->Font()->SetColor(p->GroupBoxTextColorByState(e == 1));
            c->Brush()->SetStyle(bsClear);
            c->DrawText("Group", uiGrowRect(r, -4, -3), uiTextLeft | uiTextTop | uiTextSingleLine);
            c->Brush()->SetStyle(bsSolid);
        });
    NewRow();
    Add("track h", 80, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawTrackBarTrack(c, uiCentreRectVert(r, 4), 0, 0, 0, true, clWindow);
    });
    Add("track v", 20, 60, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clBtnFace);
        p->DrawTrackBarTrack(c, uiCentreRectHorz(r, 4), 0, 0, 0, false, clWindow);
    });
    for (int h = 0; h < 2; ++h)
        for (int k = 0; k < 3; ++k)
            Add(std::string(h ? "thumb h " : "thumb v ") + std::to_string(k), h ? 11 : 20, h ? 20 : 11,
                [h, k](TuiCanvas* c, P* p, const TRect& r) {
                    p->DrawTrackBarThumb(c, r, cxbsNormal, h == 1, k, clBtnFace);
                });
    NewRow();
    for (int h = 0; h < 2; ++h)
        for (int l = 0; l < 2; ++l)
            Add(std::string(h ? "splitter h" : "splitter v") + (l ? " lit" : ""), h ? 100 : 8, h ? 8 : 60,
                [h, l](TuiCanvas* c, P* p, const TRect& r) {
                    c->FillRect(r, clBtnFace);
                    p->DrawSplitterBar(c, r, l == 1, 0, h == 1);
                });
    for (int h = 0; h < 2; ++h)
        Add(std::string("splitter border ") + (h ? "h" : "v"), h ? 80 : 10, h ? 10 : 40,
            [h](TuiCanvas* c, P* p, const TRect& r) {
                p->DrawSplitterBorder(c, r, Params(clBtnFace), h == 1);
            });
    Add("preview bg", 40, 40, [](TuiCanvas* c, P* p, const TRect& r) { p->DrawPreviewBackground(c, r); });
    for (int k = 0; k < 3; ++k)
        Add(std::string("page ") + std::to_string(k), 40, 50, [k](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawPreviewBackground(c, r);
            const TRect outer = uiGrowRect(r, -6, -6);
            p->DrawPreviewPage(c, outer, uiGrowRect(outer, -3, -3), k, true);
        });
    Add("caption box", 60, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        c->SaveClipRegion();
        p->DrawCaptionBox(c, r, "Box", nullptr, clNone);
        c->RestoreClipRegion();
    });

    Section("Breadcrumb edit, drop-down lists, small buttons (kinds 0-5), items, edges");
    for (int s = 0; s < 4; ++s)
        Add(std::string("border ") + std::to_string(s), 40, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawBreadcrumbEditBorder(c, r, uiBordersAll, s);
        });
    for (int s = 0; s < States; ++s)
        Add(std::string("node ") + StateNames[s], 40, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawBreadcrumbEditNode(c, r, S(s), false);
            c->Brush()->SetStyle(bsClear);
            c->Font()->SetColor(clWindowText);
            c->DrawText("Node", r, uiTextCentre | uiTextVCentre | uiTextSingleLine);
            c->Brush()->SetStyle(bsSolid);
        });
    NewRow();
    for (int s = 0; s < States; ++s)
        Add(std::string("dropdown ") + StateNames[s], 17, 20, [s](TuiCanvas* c, P* p, const TRect& r) {
            c->FillRect(r, clWindow);
            p->DrawBreadcrumbEditDropDownButton(c, r, S(s), false);
            p->DrawBreadcrumbEditDropDownArrow(c, r, S(s));
        });
    Add("delimiter", 16, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawBreadcrumbEditNodeDelimiterGlyph(c, uiCentreRectIn(r, 8, 8), cxbsNormal);
    });
    Add("scroll arrow", 16, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawBreadcrumbEditScrollButton(c, r, cxbsHot);
        p->DrawBreadcrumbEditScrollArrow(c, uiCentreRectIn(r, 8, 8), cxbsHot);
    });
    Add("progress", 60, 20, [](TuiCanvas* c, P* p, const TRect& r) {
        c->FillRect(r, clWindow);
        p->DrawBreadcrumbEditProgressChunk(
            c, uiShrinkRectByMargins(uiResizeRectWidth(r, 30), p->BreadcrumbEditProgressChunkOffsets()));
        p->DrawBreadcrumbEditProgressFrame(c, r);
    });
    NewRow();
    Add("drop-down list", 110, 72, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawDropDownListBackground(c, r, true);
        const int b = 2;
        const TRect gutter{r.left + b, r.top + b, r.left + b + 20, r.bottom - b};
        p->DrawDropDownListGutter(c, gutter);
        const TRect item1{r.left + b, r.top + b, r.right - b, r.top + b + 20};
        p->DrawDropDownListSelection(c, item1);
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(p->DropDownListItemTextColor(true));
        c->DrawText(
            "Selected",
            uiShrinkRectByMargins(uiGrowRectSides(item1, -20, 0, 0, 0), p->DropDownListItemTextMargins()),
            uiTextLeft | uiTextVCentre | uiTextSingleLine);
        const TRect separator{item1.left, item1.bottom, item1.right,
                              item1.bottom + p->DropDownListSeparatorHeight()};
        p->DrawDropDownListSeparator(c, separator, gutter);
        const TRect item2{item1.left, separator.bottom, item1.right, separator.bottom + 20};
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(p->DropDownListItemTextColor(false));
        c->DrawText(
            "Item",
            uiShrinkRectByMargins(uiGrowRectSides(item2, -20, 0, 0, 0), p->DropDownListItemTextMargins()),
            uiTextLeft | uiTextVCentre | uiTextSingleLine);
        c->Brush()->SetStyle(bsSolid);
    });
    static const char* const SmallKinds[6] = {"close", "pin", "down", "left", "right", "none"};
    for (int k = 0; k < 6; ++k)
        for (int s : {1, 2, 4})
            Add(std::string(SmallKinds[k]) + " " + StateNames[s], 16, 16,
                [k, s](TuiCanvas* c, P* p, const TRect& r) { p->DrawSmallButton(c, r, S(s), k, false); });
    Add("pin pressed", 16, 16,
        [](TuiCanvas* c, P* p, const TRect& r) { p->DrawSmallButton(c, r, cxbsNormal, 1, true); });
    Add("small bg+frame", 30, 16, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawSmallButtonBackground(c, r);
        p->DrawSmallButtonFrame(c, r);
    });
    NewRow();
    for (int f = 0; f < 6; ++f)
        Add(std::string("highlight ") + std::to_string(f), 40, 20, [f](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawItemBackground(c, r);
            const bool flags[6][4] = {{true, false, false, false}, {true, true, false, false},
                                      {true, false, true, false},  {false, true, false, false},
                                      {false, false, true, false}, {false, false, false, true}};
            p->DrawItemHighlightFrame(c, r, flags[f][0], flags[f][1], flags[f][2], flags[f][3]);
        });
    for (int f = 0; f < 4; ++f)
        Add(std::string("state frame ") + std::to_string(f), 40, 20, [f](TuiCanvas* c, P* p, const TRect& r) {
            p->DrawItemBackground(c, r);
            p->DrawItemStateFrame(c, r, false, f == 0, f == 1, f == 2, f == 3);
        });
    Add("item caption", 60, 18, [](TuiCanvas* c, P* p, const TRect& r) { p->DrawItemCaption(c, r); });
    Add("item frame", 40, 18, [](TuiCanvas* c, P* p, const TRect& r) {
        p->DrawItemBackground(c, r);
        p->DrawItemFrame(c, r);
    });
    NewRow();
}

void TPainterGallery::Paint(TuiCanvas* ACanvas, TuiCustomLookAndFeelPainter* APainter, TFont* AFont) const {
    const TSize size = Size();
    ACanvas->FillRect(TRect{0, 0, size.cx, size.cy}, clWindow);
    if (AFont != nullptr) ACanvas->SetFont(AFont);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->SetColor(clNavy);
    for (const TSectionTitle& title : FTitles)
        ACanvas->DrawText(title.Text,
                          TRect{title.Origin.x, title.Origin.y, FWidth - Margin, title.Origin.y + 16},
                          uiTextLeft | uiTextTop | uiTextSingleLine);
    for (const TCell& cell : FCells) {
        ACanvas->SaveState();
        ACanvas->SaveClipRegion();
        ACanvas->Brush()->SetStyle(bsSolid);
        cell.Draw(ACanvas, APainter, cell.Bounds);
        ACanvas->RestoreClipRegion();
        ACanvas->RestoreState();
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->Font()->SetColor(clGrayText);
        const int middle = (cell.Bounds.left + cell.Bounds.right) / 2;
        const TRect label{middle - 60, cell.Bounds.bottom + 1, middle + 60,
                          cell.Bounds.bottom + 1 + LabelHeight};
        ACanvas->DrawText(cell.Label, label, uiTextCentre | uiTextTop | uiTextSingleLine | uiTextNoClip);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TPainterGallery::PaintWithPlainGdi(HDC ADC) const {
    const TSize size = Size();
    RECT all{0, 0, size.cx, size.cy};
    FillRect(ADC, &all, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(ADC, TRANSPARENT);
    for (const TSectionTitle& title : FTitles) {
        RECT r{title.Origin.x, title.Origin.y, FWidth - Margin, title.Origin.y + 16};
        DrawTextA(ADC, title.Text.c_str(), -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
    for (const TCell& cell : FCells) {
        RECT r = cell.Bounds;
        FillRect(ADC, &r, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(ADC, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        DrawFrameControl(ADC, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        RECT label{cell.Bounds.left - 40, cell.Bounds.bottom + 1, cell.Bounds.right + 40,
                   cell.Bounds.bottom + 1 + LabelHeight};
        DrawTextA(ADC, cell.Label.c_str(), -1, &label, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    }
}

} // namespace painter_gallery
