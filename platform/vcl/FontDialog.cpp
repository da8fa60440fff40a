#include "platform/vcl/FontDialog.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/DialogFormRun.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/MessageDlg.h"
#include "platform/vcl/Screen.h"

#include <charconv>
#include <string>

namespace fontdialog_detail {

const char* const StyleNames[] = {"Regular", "Italic", "Bold", "Bold Italic"};
const int Sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// The index of the first item that starts with Text (ignoring case), -1 for none.
int FindPrefix(TStrings* Items, const std::string& Text) {
    if (Text.empty()) return -1;
    for (int i = 0; i < Items->Count(); ++i) {
        const std::string item = Items->Strings(i);
        if (item.size() >= Text.size() && AnsiSameText(item.substr(0, Text.size()), Text)) return i;
    }
    return -1;
}

// An edit over a list: typing finds the item, choosing an item fills the edit.
struct TEditAndList {
    TEdit* Edit = nullptr;
    TListBox* List = nullptr;
};

class TFontDialogForm : public TForm {
public:
    TFontDialogForm(TComponent* AOwner, TFontDialog* Dialog) : TForm(AOwner), FDialog(Dialog) {
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetCaption("Font");
        SetClientSize(430, 260);
        FName = MakeColumn("&Font:", 8, 170);
        FStyle = MakeColumn("Font st&yle:", 186, 100);
        FSize = MakeColumn("&Size:", 294, 50);
        for (int i = 0; i < Screen()->Fonts()->Count(); ++i)
            FName.List->Items()->Add(Screen()->Fonts()->Strings(i));
        for (const char* style : StyleNames)
            FStyle.List->Items()->Add(style);
        for (int size : Sizes)
            FSize.List->Items()->Add(std::to_string(size));
        FStyle.Edit->SetReadOnly(true);
        FSize.Edit->SetMaxLength(4);

        auto* sampleLabel = new TLabel(this);
        sampleLabel->SetCaption("Sample");
        sampleLabel->SetBounds(186, 184, 60, 15);
        sampleLabel->SetParent(this);
        FSample = new TLabel(this);
        FSample->SetAutoSize(false);
        FSample->SetShowAccelChar(false);
        FSample->SetCaption("AaBbYyZz");
        FSample->SetBounds(186, 200, 158, 50);
        FSample->SetParent(this);

        auto* ok = new TButton(this);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->SetBounds(352, 24, 70, 23);
        ok->SetParent(this);
        ok->OnClick = [this](TObject*) { Accept(); };
        auto* cancel = new TButton(this);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        cancel->SetBounds(352, 54, 70, 23);
        cancel->SetParent(this);

        TFont* font = Dialog->Font();
        FName.Edit->SetText(font->Name());
        const bool bold = font->Style().Contains(fsBold);
        const bool italic = font->Style().Contains(fsItalic);
        FStyle.Edit->SetText(StyleNames[(bold ? 2 : 0) + (italic ? 1 : 0)]);
        FStyle.List->SetItemIndex((bold ? 2 : 0) + (italic ? 1 : 0));
        FSize.Edit->SetText(std::to_string(font->Size()));
        UpdateSample();
        SetActiveControl(FName.Edit);
        OnShow = [this](TObject*) { FDialog->OnShow(FDialog); };
    }

    // Copies the choice into Font; false (with the user told why) when it cannot be taken.
    bool Apply(TFont* Font) {
        const int nameIndex = FName.List->Items()->IndexOf(FName.Edit->Text());
        if (nameIndex < 0) {
            ::MessageBox(Handle(), "There is no font with that name.\nChoose a font from the list of fonts.",
                         "Font", MB_OK | MB_ICONEXCLAMATION);
            FocusControl(FName.Edit);
            return false;
        }
        int size = 0;
        const std::string sizeText = FSize.Edit->Text();
        const auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
        if (error != std::errc() || end != sizeText.data() + sizeText.size() || size < 1 || size > 1638) {
            ::MessageBox(Handle(), "Size must be between 1 and 1638 points.", "Font",
                         MB_OK | MB_ICONEXCLAMATION);
            FocusControl(FSize.Edit);
            return false;
        }
        const int style = std::max(0, FStyle.List->ItemIndex());
        TFontStyles styles = Font->Style();
        styles.Exclude(fsBold);
        styles.Exclude(fsItalic);
        if (style >= 2) styles.Include(fsBold);
        if (style % 2 == 1) styles.Include(fsItalic);
        Font->SetName(FName.List->Items()->Strings(nameIndex));
        Font->SetSize(size);
        Font->SetStyle(styles);
        return true;
    }

private:
    TEditAndList MakeColumn(const char* Caption, int Left, int Width) {
        TEditAndList column;
        auto* label = new TLabel(this);
        label->SetCaption(Caption);
        label->SetBounds(Left, 8, Width, 15);
        label->SetParent(this);
        column.Edit = new TEdit(this);
        column.Edit->SetBounds(Left, 24, Width, 21);
        column.Edit->SetParent(this);
        column.List = new TListBox(this);
        column.List->SetBounds(Left, 46, Width, 130);
        column.List->SetParent(this);
        label->SetFocusControl(column.Edit);
        TEdit* edit = column.Edit;
        TListBox* list = column.List;
        edit->OnChange = [this, edit, list](TObject*) {
            if (FFilling) return;
            const int index = FindPrefix(list->Items(), edit->Text());
            if (index >= 0) {
                list->SetItemIndex(index);
                list->SetTopIndex(index);
            }
            UpdateSample();
        };
        list->OnClick = [this, edit, list](TObject*) {
            if (list->ItemIndex() < 0) return;
            FFilling = true;
            edit->SetText(list->Items()->Strings(list->ItemIndex()));
            FFilling = false;
            UpdateSample();
        };
        return column;
    }

    void UpdateSample() {
        if (FSample == nullptr) return;
        TFont sample;
        sample.Assign(FSample->Font());
        if (ApplyQuietly(&sample)) FSample->Font()->Assign(&sample);
    }

    // The choice copied without telling the user of problems (for the sample).
    bool ApplyQuietly(TFont* Font) {
        const int nameIndex = FName.List->Items()->IndexOf(FName.Edit->Text());
        int size = 0;
        const std::string sizeText = FSize.Edit->Text();
        const auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
        if (nameIndex < 0 || error != std::errc() || size < 1 || size > 1638) return false;
        Font->SetName(FName.List->Items()->Strings(nameIndex));
        Font->SetSize(size);
        return true;
    }

    void Accept() {
        TFont chosen;
        chosen.Assign(FDialog->Font());
        if (!Apply(&chosen)) return;
        FDialog->Font()->Assign(&chosen);
        SetModalResult(mrOk);
    }

    TFontDialog* FDialog;
    TEditAndList FName, FStyle, FSize;
    TLabel* FSample = nullptr;
    bool FFilling = false;
};

} // namespace fontdialog_detail

TFontDialog::TFontDialog(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

void TFontDialog::SetFont(TFont* Value) {
    if (Value != nullptr) FFont->Assign(Value);
}

bool TFontDialog::Execute() {
    std::unique_ptr<fontdialog_detail::TFontDialogForm> form(
        TCustomForm::New<fontdialog_detail::TFontDialogForm>(nullptr, this));
    const int result = RunDialogForm(form.get(), FForm);
    OnClose(this);
    return result == mrOk;
}
