// Pictures of the sound editor for a person to look at: a stereo piece in waveform and spectral view
// with a selection and markers, in both workplace colour sets, and zoomed in to single samples.
#include "ViewTestSupport.h"

#include "platform/gdi/GdiText.h"

namespace editor_pictures_test {

using namespace view_test;

class EditorPictures : public EditorViewTest {
protected:
    void SetUp() override {
        EditorViewTest::SetUp();
        GdiSetTestFontEverywhere(false); // pictures show the real fonts
        Load(TestSong(44100, 8.0), 2);
        editor->Markers().Add(44100 * 1, 0, "Verse", "Bookmark");
        editor->Markers().Add(std::int64_t(44100 * 4.5), 44100 * 2, "Chorus", "Region");
        editor->Markers().Add(std::int64_t(44100 * 6.8), 0, "Break", "Bookmark");
        editor->Position().SetSelectionStart(std::int64_t(44100 * 2.2));
        editor->Position().SetSelectionEnd(std::int64_t(44100 * 3.4));
        editor->Position().SetSelection(-1);
        editor->SetTypeBorder(4);
    }
    void Shoot(const std::string& name) {
        editor->SetFocus();
        Pump();
        SavePicture(form->Handle(), name);
    }
};

TEST_F(EditorPictures, WaveformAndSpectrumInBothWorkplaces) {
    ApplyDarkWorkplace(*editor);
    Shoot("editor-waveform-dark");
    editor->SetTypeView(1);
    Shoot("editor-spectral-dark");
    ApplyLightWorkplace(*editor);
    Shoot("editor-spectral-light");
    editor->SetTypeView(0);
    Shoot("editor-waveform-light");
    ApplyDarkWorkplace(*editor); // the light set's other numbers stay
    Shoot("editor-waveform-dark-after-light");
}

TEST_F(EditorPictures, ScaleFormatsAndZoom) {
    ApplyDarkWorkplace(*editor);
    editor->ScaleX().SetFormat(1);
    editor->ScaleY().SetFormat(1);
    Shoot("editor-samples-scales");
    editor->ScaleY().SetFormat(2);
    editor->VerticalZoom(40);
    Shoot("editor-normalized-zoomed");
    editor->ScaleX().SetFormat(2);
    editor->ScaleY().SetFormat(3);
    editor->VerticalZoom(100);
    editor->ZoomToRange(48510, 48510 + 700); // a tenth of a second into a note
    Shoot("editor-lines-through-samples");
    editor->ZoomToRange(48510, 48510 + 60);
    Shoot("editor-sample-points");
}

} // namespace editor_pictures_test
