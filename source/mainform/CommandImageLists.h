// The main window's command pictures as its two image lists, 16 and 32 pixels, cut from the strips the
// program embeds (CommandIcons.h), and each action's image index from the same table: a command's
// picture has one index in both lists.
#pragma once

class TActionList;
class TComponent;
class TuiImageList;

struct TCommandImageLists {
    TuiImageList* Small = nullptr; // "SmallCommandImages", 16 x 16
    TuiImageList* Large = nullptr; // "LargeCommandImages", 32 x 32
};

// Makes both lists, owned by Owner. A list whose strip the program does not hold (or cannot read)
// stays empty; the commands then show no pictures.
TCommandImageLists MakeCommandImageLists(TComponent* Owner);
// Gives the action list the small pictures and each of its actions its picture's index (-1 for an
// action the table has no picture for).
void AssignCommandImages(TActionList& Actions, TuiImageList* SmallImages);
