// Random sequences of the editor's commands, undo and redo checked sample by sample against a plain
// vector model of the document and the clipboard.
#include "audio/AudioClipboard.h"
#include "audio/AudioEditor2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace editor_model_test {

struct TModel {
    std::vector<float> Samples; // interleaved stereo
    std::vector<float> Clip;
};

constexpr int kChannels = 2;

std::vector<float> Cut(std::vector<float>& v, std::int64_t a, std::int64_t b) {
    std::vector<float> part(v.begin() + a * kChannels, v.begin() + b * kChannels);
    v.erase(v.begin() + a * kChannels, v.begin() + b * kChannels);
    return part;
}

void Insert(std::vector<float>& v, std::int64_t at, const std::vector<float>& part) {
    v.insert(v.begin() + at * kChannels, part.begin(), part.end());
}

TEST(EditorModel, RandomCommandSequencesMatchThePlainModel) {
    audio_clipboard::Clear();
    std::mt19937 rng(11);
    TAudioEditor2 editor;
    editor.New(8000, kChannels);
    TModel model;
    std::vector<std::vector<float>> undo, redo;
    auto pick = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    auto select = [&](std::int64_t a, std::int64_t b) {
        editor.Position().SetSelection(-1);
        editor.Position().SetSelectionStart(a);
        editor.Position().SetSelectionEnd(b);
    };
    for (int step = 0; step < 300; ++step) {
        std::int64_t len = std::int64_t(model.Samples.size()) / kChannels;
        std::int64_t a = pick(0, len), b = pick(a, len);
        int command = int(pick(0, 9));
        std::vector<float> before = model.Samples;
        bool changed = true;
        switch (command) {
        case 0: { // put fresh samples at the cursor
            std::vector<float> fresh(std::size_t(pick(1, 70000)) * kChannels);
            for (float& x : fresh)
                x = std::uniform_real_distribution<float>(-1, 1)(rng);
            editor.Position().SetSelection(0);
            editor.Position().SetCursor(a);
            editor.PutSamples(fresh);
            Insert(model.Samples, a, fresh);
            break;
        }
        case 1: // cut
            if (b == a) {
                changed = false;
                break;
            }
            select(a, b);
            editor.Cut();
            model.Clip = Cut(model.Samples, a, b);
            break;
        case 2: // copy
            changed = false;
            if (b == a) break;
            select(a, b);
            editor.Copy();
            model.Clip.assign(model.Samples.begin() + a * kChannels, model.Samples.begin() + b * kChannels);
            break;
        case 3: // paste at the cursor
            if (model.Clip.empty()) {
                changed = false;
                break;
            }
            editor.Position().SetSelection(0);
            editor.Position().SetCursor(a);
            editor.Paste();
            Insert(model.Samples, a, model.Clip);
            break;
        case 4: // delete
            select(a, b);
            editor.DeleteSelection();
            Cut(model.Samples, a, b);
            changed = b > a;
            break;
        case 5: { // insert silence
            editor.Position().SetSelection(0);
            editor.Position().SetCursor(a);
            std::int64_t ms = pick(1, 300);
            editor.Transform().InsertSilence(ms);
            Insert(model.Samples, a, std::vector<float>(std::size_t(ms * 8) * kChannels, 0.0f));
            break;
        }
        case 6: // silence, invert or reverse the selection
        case 7:
        case 8: {
            if (b == a) {
                changed = false;
                break;
            }
            select(a, b);
            auto first = model.Samples.begin() + a * kChannels, last = model.Samples.begin() + b * kChannels;
            if (command == 6) {
                editor.Transform().Silence();
                std::fill(first, last, 0.0f);
            } else if (command == 7) {
                editor.Transform().Invert();
                std::transform(first, last, first, [](float x) { return -x; });
            } else {
                editor.Transform().Reverse();
                std::vector<float> part(first, last);
                for (std::int64_t i = 0; i < b - a; ++i)
                    for (int c = 0; c < kChannels; ++c)
                        first[i * kChannels + c] = part[(b - a - 1 - i) * kChannels + c];
            }
            break;
        }
        default: // undo or redo
            changed = false;
            if (pick(0, 1) == 0 && !undo.empty()) {
                editor.Undo();
                redo.push_back(model.Samples);
                model.Samples = undo.back();
                undo.pop_back();
            } else if (!redo.empty()) {
                editor.Redo();
                undo.push_back(model.Samples);
                model.Samples = redo.back();
                redo.pop_back();
            }
        }
        if (changed) {
            undo.push_back(before);
            redo.clear();
        }
        ASSERT_EQ(editor.UndoAvailable(), !undo.empty()) << "step " << step;
        ASSERT_EQ(editor.RedoAvailable(), !redo.empty()) << "step " << step;
        ASSERT_EQ(editor.Position().GetLength() * kChannels, std::int64_t(model.Samples.size()))
            << "step " << step;
        ASSERT_EQ(editor.Document().ReadInterleaved(0, editor.Position().GetLength()), model.Samples)
            << "step " << step << " command " << command;
    }
}

} // namespace editor_model_test
