// "Region List": the regions of the document with their times and the file they were made in. A
// double click selects a region; Save and Copy To New write it to a new file, Export writes every
// selected region to a file of its own in the export folder.
#pragma once

#include "source/markers/MarkerListForm.h"

struct TRegion;

class TRegionForm : public TMarkerListForm {
public:
    explicit TRegionForm(TComponent* AOwner);

    TAction* ActionSelect = nullptr;
    TAction* ActionSave = nullptr;
    TAction* ActionCopyToNew = nullptr;
    TAction* ActionExport = nullptr;

private:
    void ActionSelectExecute(TObject* Sender);
    void ActionSaveExecute(TObject* Sender);
    void ActionExportExecute(TObject* Sender);
    void ListViewDblClick(TObject* Sender);
    void FormResize(TObject* Sender);
    // Selects the region's stretch in the editor (after going to its marker).
    void SelectRegion(const TRegion& Region);
    void ExportRegion(const TRegion& Region);
};
