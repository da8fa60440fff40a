// Merging the toolbars of two toolbar containers of ribbons (tab groups, quick access toolbars): the
// source container's toolbar is merged into the target container's toolbar, which can be made for the
// purpose. Errors are raised before anything changes.
#pragma once

#include <string>

class TObject;
class TComponent;
class TovBar;
struct TResStringRec;

class TovRibbonMergeHelper {
public:
    TovRibbonMergeHelper() = delete;

    // Raises "You cannot merge with the specified toolbar" when the two are one or either is no
    // container, "You cannot merge Ribbons with no bar managers specified" when either ribbon lacks a
    // usable bar manager. A target without toolbar gets a new one (the source's caption, visible) when
    // ACreateToolbar is set.
    static void Merge(TObject* ATarget, TObject* ASource, bool ACreateToolbar);
    // The target's toolbar takes the source's toolbar (or, for a null source, every merged toolbar) apart.
    static void Unmerge(TObject* ATarget, TObject* ASource);
    // The toolbar of a container; null for anything else.
    static TovBar* GetToolbar(TObject* AObject);
    // Whether ABar is merged into ATarget.
    static bool IsMergedWith(TovBar* ABar, TovBar* ATarget);
    [[noreturn]] static void RaiseError(const TResStringRec& AResString);
    // The text with the full names of both components in place of its two "%s".
    [[noreturn]] static void RaiseErrorFmt(const TResStringRec& AResString, TComponent* AComponent1,
                                           TComponent* AComponent2);
};
