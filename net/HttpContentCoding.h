// Content codings of HTTP bodies: a process-wide registry of coding classes, the decoders they
// create, and the per-client handler that announces the accepted codings and decodes a body through
// a chain of decoders.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TStream;

// Where a decoder passes what it has decoded: a buffer and its byte count; returns a count.
using THttpWriteProc = std::function<int(const void* Buffer, int Count)>;

// One decoder in a chain.
class THttpContentCoding {
public:
    explicit THttpContentCoding(THttpWriteProc Output) : FOutput(std::move(Output)) {}
    virtual ~THttpContentCoding() = default;
    // Called once after the last input; a decoder holding data back flushes it here.
    virtual void Complete() {}
    virtual int WriteBuffer(const void* Buffer, int Count) = 0;
    // True once the input turned out not to be in this coding (at the latest after Complete): what
    // was delivered is then not the decoded body.
    virtual bool Failed() const { return false; }

protected:
    int Output(const void* Buffer, int Count) { return FOutput ? FOutput(Buffer, Count) : Count; }

private:
    THttpWriteProc FOutput;
};

// A coding class: what the registry stores. Its token is its own, or the part of its class name that
// follows "THttpContentCoding"; a class with neither raises EHttpContentCodingException.
class THttpContentCodingClass {
public:
    virtual ~THttpContentCodingClass() = default;
    virtual std::string ClassName() const = 0;
    virtual bool IsAvailable() const { return true; }
    virtual std::string GetCoding() const;
    virtual std::unique_ptr<THttpContentCoding> Create(THttpWriteProc Output) const = 0;
};

// "identity" and "*": every block passes through unchanged.
class THttpCCodIdentity : public THttpContentCoding {
public:
    using THttpContentCoding::THttpContentCoding;
    int WriteBuffer(const void* Buffer, int Count) override { return Output(Buffer, Count); }
    static const THttpContentCodingClass& Class();
};

class THttpCCodStar : public THttpCCodIdentity {
public:
    using THttpCCodIdentity::THttpCCodIdentity;
    static const THttpContentCodingClass& Class();
};

// The process registry of coding classes with their default quality.
class TContCodingsList {
public:
    struct TItem {
        const THttpContentCodingClass* CodingClass;
        float Quality;
    };
    void Add(const THttpContentCodingClass& CodingClass, float Quality);
    // Undoes the latest registration of the class, so that a registration made for a while (a test, a
    // component's life) leaves the registry as it found it; false when the class has none.
    bool Remove(const THttpContentCodingClass& CodingClass);
    // Searched from the last registration to the first, tokens compared without case.
    const THttpContentCodingClass* FindCoding(const std::string& Coding) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    const TItem& Items(int Index) const { return FItems[Index]; }

private:
    std::vector<TItem> FItems;
};

// The registry, created on first use with "identity" and "*" at quality 0.
TContCodingsList& ContentCodings();

// One coding as one handler sees it.
struct THttpContCodItem {
    const THttpContentCodingClass* CodingClass;
    bool Enabled = true;
    float Quality = 0;
};

class THttpContCodHandler {
public:
    // OutputStream yields the client's current receive stream (or null) each time data arrives.
    THttpContCodHandler(std::function<TStream*()> OutputStream, THttpWriteProc ClientWrite);
    ~THttpContCodHandler();
    THttpContCodHandler(const THttpContCodHandler&) = delete;
    THttpContCodHandler& operator=(const THttpContCodHandler&) = delete;

    // The value of the "Accept-Encoding" header; empty when disabled or nothing is to be announced.
    std::string AcceptEncodingValue();
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool UseQuality() const { return FUseQuality; }
    void SetUseQuality(bool Value);
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    THttpContCodItem& Items(int Index);

    // Builds the decoder chain for a Content-Encoding value; false when a token has no class, the body
    // then passing undecoded.
    bool Prepare(const std::string& ContentEncoding);
    // Where the client pushes raw body bytes.
    int WriteBuffer(const void* Buffer, int Count);
    // Flushes the decoders, last created first.
    void Complete();
    // True when a decoder of the current chain could not decode its input.
    bool Failed() const;

private:
    int FinalWrite(const void* Buffer, int Count);

    std::function<TStream*()> FOutputStream;
    THttpWriteProc FClientWrite;
    THttpWriteProc FInputWriter;
    std::string FHeaderText;
    bool FRecalcHeader = true;
    bool FEnabled = false;
    bool FUseQuality = false;
    std::vector<std::unique_ptr<THttpContentCoding>> FChain;
    std::vector<THttpContCodItem> FItems;
};
