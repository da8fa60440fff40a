#include "source/markers/RegionForm.h"

#include "audio/AudioEditor2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/ScrollBar.h"
#include "source/GlobalVars.h"
#include "source/OutputSetup.h"
#include "source/dialogs/DialogSupport.h"
#include "source/markers/ExportRegionForm.h"
#include "source/markers/MarkerHost.h"
#include "source/markers/MarkerRecords.h"
#include "source/markers/MarkerWindows.h"
#include "source/markers/RegionExport.h"

#include <array>
#include <memory>

namespace region_form_detail {

// The columns share the list's width in these proportions.
constexpr std::array<std::pair<const char*, int>, 3> Columns{{{"Name", 180}, {"Time", 200}, {"File", 150}}};

} // namespace region_form_detail

TRegionForm::TRegionForm(TComponent* AOwner)
    : TMarkerListForm(AOwner,
                      {"RegionForm", "Region List", "Enter Region Name", "Delete the selected region(s)?"},
                      {&TGlobalVars::RegionFormLeft, &TGlobalVars::RegionFormTop,
                       &TGlobalVars::RegionFormWidth, &TGlobalVars::RegionFormHeight}) {
    TComponentLoading loading(this);
    for (const auto& [caption, width] : region_form_detail::Columns) {
        TListColumn* column = ListView->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    ListView->OnDblClick = TNotifyEvent(this, &TRegionForm::ListViewDblClick);
    OnResize = TNotifyEvent(this, &TRegionForm::FormResize);

    using F = TRegionForm;
    ActionSelect = AddAction("ActionSelect", "Select", "", TNeed::SelectedEntry,
                             TNotifyEvent(this, &F::ActionSelectExecute));
    ActionRename = AddAction("ActionRename", "&Rename", "F2", TNeed::SelectedEntry,
                             TNotifyEvent(this, &F::ActionRenameExecute));
    ActionSave =
        AddAction("ActionSave", "&Save", "", TNeed::SelectedEntry, TNotifyEvent(this, &F::ActionSaveExecute));
    ActionDelete = AddAction("ActionDelete", "Delete", "Del", TNeed::SelectedEntry,
                             TNotifyEvent(this, &F::ActionDeleteExecute));
    ActionSelectAll = AddAction("ActionSelectAll", "Select All", "Ctrl+A", TNeed::Entry,
                                TNotifyEvent(this, &F::ActionSelectAllExecute));
    ActionExport = AddAction("ActionExport", "&Export Region(s) to Folder...", "", TNeed::SelectedEntry,
                             TNotifyEvent(this, &F::ActionExportExecute));
    ActionHelp =
        AddAction("ActionHelp", "Help", "F1", TNeed::Nothing, TNotifyEvent(this, &F::ActionHelpExecute));
    // Copy To New writes the region as Save does.
    ActionCopyToNew = AddAction("ActionCopyToNew", "Copy To &New", "", TNeed::SelectedEntry,
                                TNotifyEvent(this, &F::ActionSaveExecute));
    SetMenuItems({ActionSelect, nullptr, ActionRename, ActionSave, ActionCopyToNew, ActionDelete,
                  ActionSelectAll, nullptr, ActionExport, nullptr, ActionHelp});
}

void TRegionForm::FormResize(TObject*) {
    using region_form_detail::Columns;
    int designWidth = 0;
    for (const auto& column : Columns)
        designWidth += column.second;
    int width =
        ListView->ClientWidth() - (ListView->ScrollBar()->Visible() ? ListView->ScrollBar()->Width() : 0);
    if (width <= 0) return;
    int left = width;
    for (std::size_t i = 0; i + 1 < Columns.size(); ++i) {
        const int share = width * Columns[i].second / designWidth;
        ListView->Columns()->Items(int(i))->SetWidth(share);
        left -= share;
    }
    ListView->Columns()->Items(int(Columns.size()) - 1)->SetWidth(left);
}

void TRegionForm::ListViewDblClick(TObject*) {
    ActionSelect->Execute();
}

void TRegionForm::SelectRegion(const TRegion& Region) {
    GoToMarker(Region);
    TAudioEditor2& editor = Markers()->Host().Editor();
    const std::int64_t start = editor.Markers().GetPosition();
    TAudioEditor2Position& position = editor.Position();
    position.SetSelection(-1);
    position.SetSelectionStart(start);
    position.SetSelectionEnd(start + editor.Markers().GetLength());
}

void TRegionForm::ActionSelectExecute(TObject*) {
    const auto* region = static_cast<const TRegion*>(SelectedRecord());
    if (region == nullptr || Markers() == nullptr) return;
    SelectRegion(*region);
    if (GlobalVars().OP_PlayAfterRegion) Markers()->Host().Play();
}

void TRegionForm::ActionSaveExecute(TObject*) {
    const auto* region = static_cast<const TRegion*>(SelectedRecord());
    if (region == nullptr || Markers() == nullptr) return;
    ActionSelectExecute(nullptr);
    Markers()->Host().SaveSelectionAs();
}

void TRegionForm::ActionExportExecute(TObject*) {
    if (Markers() == nullptr) return;
    IMarkerHost& host = Markers()->Host();
    TGlobalVars& vars = GlobalVars();
    std::unique_ptr<TExportRegionForm> dialog(TCustomForm::New<TExportRegionForm>(&host.MainWindow(), vars));
    CenterOnOwner(*dialog, host.MainWindow());
    dialog->LoadParams();
    if (dialog->ShowModal() != mrOk) return;
    dialog->StoreParams();
    dialog.reset();
    // The list stays disabled while the files are written, and comes back whatever an export raises.
    struct TEnableAgain {
        TListView* List;
        ~TEnableAgain() { List->SetEnabled(true); }
    } enableAgain{ListView};
    ListView->SetEnabled(false);
    for (int i = ListView->Items()->Count() - 1; i >= 0; --i) {
        TListItem* item = ListView->Items()->Item(i);
        if (item->Selected()) ExportRegion(*static_cast<const TRegion*>(RecordOf(item)));
    }
}

void TRegionForm::ExportRegion(const TRegion& Region) {
    IMarkerHost& host = Markers()->Host();
    host.FocusMainWindow();
    SelectRegion(Region);
    const TGlobalVars& vars = GlobalVars();
    const TExportFormat format = ExportFormatOf(vars.ExportFormat);
    const std::string target = RegionExportTarget(vars.ExportFolder, Region.Name, format.Extension);
    TAudioEditor2& editor = host.Editor();
    TAudioEditor2FileFormat& output = editor.FileFormat();
    switch (format.Code) {
    case afMp3:
        SetupMp3Output(output, host.LameEnc(), vars);
        break;
    case afOgg:
        SetupOggOutput(output, vars);
        break;
    case afWma:
        SetupWmaOutput(output, vars);
        break;
    default:
        SetupWavOutput(output, vars);
        break;
    }
    editor.Save(target, -1, format.Code);
}
