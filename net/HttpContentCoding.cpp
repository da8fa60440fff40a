#include "net/HttpContentCoding.h"

#include "net/NetExceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"

#include <charconv>
#include <iterator>

namespace content_coding_detail {

template <class Coding> class TPassThroughClass : public THttpContentCodingClass {
public:
    TPassThroughClass(std::string name, std::string token)
        : FName(std::move(name)), FToken(std::move(token)) {}
    std::string ClassName() const override { return FName; }
    std::string GetCoding() const override { return FToken; }
    std::unique_ptr<THttpContentCoding> Create(THttpWriteProc Output) const override {
        return std::make_unique<Coding>(std::move(Output));
    }

private:
    std::string FName, FToken;
};

// "0.###" with a point whatever the locale.
std::string FormatQuality(float quality) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(quality),
                                std::chars_format::fixed, 3);
    std::string text(buffer, result.ptr);
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.')) {
        const bool dot = text.back() == '.';
        text.pop_back();
        if (dot) break;
    }
    if (text == "-0") text = "0";
    return text;
}

} // namespace content_coding_detail

std::string THttpContentCodingClass::GetCoding() const {
    static constexpr std::string_view Prefix = "THttpContentCoding";
    const std::string name = ClassName();
    if (name.size() >= Prefix.size() && name.compare(0, Prefix.size(), Prefix) == 0)
        return name.substr(Prefix.size());
    throw EHttpContentCodingException("GetCoding must be overriden in " + name);
}

const THttpContentCodingClass& THttpCCodIdentity::Class() {
    static const content_coding_detail::TPassThroughClass<THttpCCodIdentity> cls("THttpCCodIdentity",
                                                                                 "identity");
    return cls;
}

const THttpContentCodingClass& THttpCCodStar::Class() {
    static const content_coding_detail::TPassThroughClass<THttpCCodStar> cls("THttpCCodStar", "*");
    return cls;
}

void TContCodingsList::Add(const THttpContentCodingClass& CodingClass, float Quality) {
    FItems.push_back({&CodingClass, Quality});
}

bool TContCodingsList::Remove(const THttpContentCodingClass& CodingClass) {
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if (it->CodingClass == &CodingClass) {
            FItems.erase(std::next(it).base());
            return true;
        }
    return false;
}

const THttpContentCodingClass* TContCodingsList::FindCoding(const std::string& Coding) const {
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if (SameText(it->CodingClass->GetCoding(), Coding)) return it->CodingClass;
    return nullptr;
}

TContCodingsList& ContentCodings() {
    static TContCodingsList* registry = [] {
        static TContCodingsList list;
        list.Add(THttpCCodIdentity::Class(), 0);
        list.Add(THttpCCodStar::Class(), 0);
        return &list;
    }();
    return *registry;
}

THttpContCodHandler::THttpContCodHandler(std::function<TStream*()> OutputStream, THttpWriteProc ClientWrite)
    : FOutputStream(std::move(OutputStream)), FClientWrite(std::move(ClientWrite)) {
    FInputWriter = [this](const void* b, int c) { return FinalWrite(b, c); };
    const TContCodingsList& registry = ContentCodings();
    for (int i = 0; i < registry.Count(); ++i)
        FItems.push_back({registry.Items(i).CodingClass, true, registry.Items(i).Quality});
}

THttpContCodHandler::~THttpContCodHandler() = default;

THttpContCodItem& THttpContCodHandler::Items(int Index) {
    FRecalcHeader = true; // the caller may change the item
    return FItems.at(Index);
}

void THttpContCodHandler::SetUseQuality(bool Value) {
    if (Value != FUseQuality) FRecalcHeader = true;
    FUseQuality = Value;
}

int THttpContCodHandler::FinalWrite(const void* Buffer, int Count) {
    if (TStream* stream = FOutputStream ? FOutputStream() : nullptr) stream->WriteBuffer(Buffer, Count);
    return FClientWrite ? FClientWrite(Buffer, Count) : Count;
}

std::string THttpContCodHandler::AcceptEncodingValue() {
    if (!FEnabled) return {};
    if (FRecalcHeader) {
        auto active = [](const THttpContCodItem& item) {
            return item.Enabled && item.CodingClass->IsAvailable();
        };
        int activeCount = 0;
        for (auto it = FItems.rbegin(); it != FItems.rend() && activeCount < 2; ++it)
            if (active(*it)) ++activeCount;
        const bool withQuality = FUseQuality && activeCount != 1;
        std::string text;
        for (const auto& item : FItems) {
            if (!active(item)) continue;
            std::string entry;
            if (withQuality)
                entry = item.CodingClass->GetCoding() +
                        ";q=" + content_coding_detail::FormatQuality(item.Quality);
            else if (item.Quality > 0)
                entry = item.CodingClass->GetCoding();
            else
                continue;
            text += text.empty() ? entry : ", " + entry;
        }
        FHeaderText = text;
        FRecalcHeader = false;
    }
    return FHeaderText;
}

bool THttpContCodHandler::Prepare(const std::string& ContentEncoding) {
    FChain.clear();
    FInputWriter = [this](const void* b, int c) { return FinalWrite(b, c); };
    if (!FEnabled || ContentEncoding.empty()) return true;
    TStringList tokens;
    tokens.SetCommaText(ContentEncoding);
    for (int i = 0; i < tokens.Count(); ++i) {
        const THttpContentCodingClass* cls = ContentCodings().FindCoding(tokens[i]);
        if (!cls) {
            FChain.clear();
            FInputWriter = [this](const void* b, int c) { return FinalWrite(b, c); };
            return false;
        }
        FChain.push_back(cls->Create(FInputWriter));
        THttpContentCoding* decoder = FChain.back().get();
        FInputWriter = [decoder](const void* b, int c) { return decoder->WriteBuffer(b, c); };
    }
    return true;
}

int THttpContCodHandler::WriteBuffer(const void* Buffer, int Count) {
    return FInputWriter(Buffer, Count);
}

void THttpContCodHandler::Complete() {
    for (auto it = FChain.rbegin(); it != FChain.rend(); ++it)
        (*it)->Complete();
}

bool THttpContCodHandler::Failed() const {
    for (const auto& decoder : FChain)
        if (decoder->Failed()) return true;
    return false;
}
