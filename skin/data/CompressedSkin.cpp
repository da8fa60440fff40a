#include "skin/data/CompressedSkin.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileStream.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include "skin/data/SkinStream.h"
#include "skin/data/SkinText.h"
#include "skin/data/SkinZlib.h"

#include <cstdint>

namespace {

const char* const OptionalPictureKeys[] = {"picture", "inactivepicture", "mask", "rolluppicture",
                                           "rollupmask"};

} // namespace

bool PackSkinTextFile(const std::string& Path, TMemoryStream& Packed) {
    TStringList lines;
    lines.LoadFromFile(Path);
    TMemIniFile ini("");
    ini.SetStrings(lines);
    if (!IsSkinText(&ini)) return false;
    const std::string folder = ExtractFilePath(Path);
    Packed.Clear();
    TskSkinPictureSet pictures;
    TBitmap* optional[] = {&pictures.Picture, &pictures.InactivePicture, &pictures.Mask,
                           &pictures.RollUpPicture, &pictures.RollUpMask};
    for (int i = 0; i < 5; ++i) {
        const std::string name = ini.ReadString("PICTURES", OptionalPictureKeys[i], "");
        if (!name.empty()) optional[i]->LoadFromFile(folder + name);
    }
    TStringList activeNames;
    ReadIndexedList(&ini, "PICTURES", "activepictures", &activeNames);
    for (int i = 0; i < activeNames.Count(); ++i) {
        auto picture = std::make_unique<TBitmap>();
        picture->LoadFromFile(folder + activeNames.Strings(i));
        pictures.ActivePictures.push_back(std::move(picture));
    }
    PackSkin(pictures, lines, Packed);
    return true;
}

void PackSkin(TskSkinPictureSet& Pictures, const TStrings& Text, TMemoryStream& Packed) {
    TMemoryStream stream;
    WriteSkinStream(stream, Pictures, Text);
    Packed.Clear();
    PackStream(&stream, &Packed);
}

void WriteSkinContainer(TStream& Stream, TMemoryStream& Packed) {
    WriteSkinInt32(Stream, SkinStreamVersion);
    WriteSkinInt32(Stream, std::int32_t(Packed.Size()));
    Stream.WriteBuffer(Packed.Memory(), Packed.Size());
}

void ReadSkinContainer(TStream& Stream, TMemoryStream& Packed) {
    Packed.Clear();
    std::int32_t version = 0, count = 0;
    if (!ReadSkinInt32(Stream, version) || version > SkinStreamHighestVersion) return;
    if (!ReadSkinInt32(Stream, count) || count <= 0) return;
    if (count > Stream.Size() - Stream.Position()) return;
    Packed.SetSize(count);
    Stream.ReadBuffer(Packed.Memory(), count);
    Packed.SetPosition(0);
}

TskCompressedStoredSkin::TskCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

void TskCompressedStoredSkin::SetFileName(const std::string& Value) {
    const TComponentState state = ComponentState();
    ChangeFileName(Value, state.Contains(csDesigning) && !state.Contains(csLoading));
}

void TskCompressedStoredSkin::SetCompressedFileName(const std::string& Value) {
    const TComponentState state = ComponentState();
    ChangeCompressedFileName(Value, state.Contains(csDesigning) && !state.Contains(csLoading));
}

void TskCompressedStoredSkin::ChangeFileName(const std::string& Value, bool Designing) {
    if (!Designing) {
        FFileName = Value;
        return;
    }
    FFileName = ExtractFileName(Value);
    LoadFromSkinTextFile(Value);
}

void TskCompressedStoredSkin::ChangeCompressedFileName(const std::string& Value, bool Designing) {
    if (!Designing) {
        FCompressedFileName = Value;
        return;
    }
    FCompressedFileName = ExtractFileName(Value);
    LoadFromCompressedFile(Value);
}

bool TskCompressedStoredSkin::LoadFromSkinTextFile(const std::string& Path) {
    return PackSkinTextFile(Path, FCompressedStream);
}

void TskCompressedStoredSkin::LoadFromCompressedFile(const std::string& Path) {
    FCompressedStream.Clear();
    TFileStream file(Path, fmOpenRead | fmShareDenyWrite);
    ReadSkinContainer(file, FCompressedStream);
}

void TskCompressedStoredSkin::SaveToCompressedStream(TStream* Stream) {
    WriteSkinContainer(*Stream, FCompressedStream);
}

void TskCompressedStoredSkin::LoadFromCompressedStream(TStream* Stream) {
    Stream->SetPosition(0);
    ReadSkinContainer(*Stream, FCompressedStream);
}

void TskCompressedStoredSkin::UnpackToStream(TMemoryStream* Stream) {
    UnpackStream(Stream, &FCompressedStream);
}

void TskCompressedStoredSkin::ReadCompressedData(TStream* Stream) {
    FCompressedStream.Clear();
    const std::int64_t left = Stream->Size() - Stream->Position();
    if (left > 0) FCompressedStream.CopyFrom(Stream, left);
    FCompressedStream.SetPosition(0);
}

void TskCompressedStoredSkin::WriteCompressedData(TStream* Stream) {
    if (FCompressedStream.Size() > 0)
        Stream->WriteBuffer(FCompressedStream.Memory(), FCompressedStream.Size());
}
