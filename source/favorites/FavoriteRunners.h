// Running a favourite: for each of the 23 effects a favourite can name, the effect's dialog and how the
// effect is applied to the document.
//
// A favourite whose dialog is shown runs the effect's own command road with the dialog filled from the
// favourite's values instead of the settings record; on OK the dialog stores its values and the effect is
// applied from the settings, exactly as the effect's command applies it. Without the dialog the effect is
// applied with the favourite's values in the places of those settings, so that both ways give the same
// result for the same values. Values a favourite does not hold come from the effect's current settings.
#pragma once

#include "source/FavoriteParams.h"

#include <string>
#include <string_view>

class TAudioEditor2;
class TComponent;
class TAudioEditor2Transform;
class TEffectCommands;
class TEffectDialogHost;
class TEffectForm;
struct TFavorite;
struct TGlobalVars;

struct TFavoriteRunner {
    const char* Flag;
    // The effect identifier of its dialog (PreviewOperationTypes); -1 for Normalize, Invert and Reverse.
    int EffectId;
    // Builds the effect's dialog (owned by Owner, previewing through Host, which may be null); null for
    // the effects without a dialog ("Invert", "Reverse").
    TEffectForm* (*MakeDialog)(TComponent* Owner, TEffectDialogHost* Host);
};

// The runner of an effect name (exact comparison), or null.
const TFavoriteRunner* FindFavoriteRunner(std::string_view Flag);

// Puts the values into the dialog's parameter controls, in the order of the favourite's list: a slider
// takes its value (clamped to its range), an edit the value's decimal text.
void FillFavoriteDialog(TEffectForm& Dialog, const TFavoriteParams& Params);
// The dialog's values as a favourite's parameter list, in the same order: a slider's value, an edit's
// text. An edit that holds no whole number raises EConvertError "'<text>' is not a valid integer value".
std::string FavoriteDialogValues(TEffectForm& Dialog);

// The settings record with the effect's fields replaced by the favourite's values.
TGlobalVars WithFavoriteValues(const TGlobalVars& Vars, const TFavoriteEffect& Effect,
                               const TFavoriteParams& Params);
// The effect on the editor's selection with the values of Vars, as the effect's command applies it.
void ApplyFavoriteEffect(TAudioEditor2Transform& Transform, const TFavoriteRunner& Runner,
                         const TGlobalVars& Vars);

// Runs a favourite on the editor's document along the effect road (stop, select all when nothing is
// selected, the dialog when the favourite asks for it, apply, modified, play after edit). A favourite whose
// effect names none of the 23 does nothing; a parameter list that does not parse raises EConvertError
// before anything happens. Answers whether the effect was applied.
bool RunFavorite(TEffectCommands& Road, TAudioEditor2& Editor, const TFavorite& Favorite);
