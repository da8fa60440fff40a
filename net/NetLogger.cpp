#include "net/NetLogger.h"

#include "net/NetExceptions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FileStream.h"
#include "platform/rtl/FileUtils.h"

#include <cstdio>

TNetLogger::TNetLogger(TComponent* AOwner) : TComponent(AOwner) {}

TNetLogger::~TNetLogger() {
    std::lock_guard lock(FLock);
    FDestroying = true;
    CloseLogFile();
}

std::string TNetLogger::LogFileName() const {
    std::lock_guard lock(FLock);
    return FLogFileName;
}

void TNetLogger::SetLogFileName(const std::string& Value) {
    std::lock_guard lock(FLock);
    if (Value == FLogFileName) return;
    FLogFileName = Value;
    CloseLogFile();
}

void TNetLogger::SetLogFileOption(TLogFileOption Value) {
    std::lock_guard lock(FLock);
    FLogFileOption = Value;
}

void TNetLogger::SetOnNetLogEvent(TNetLogEvent Value) {
    std::lock_guard lock(FLock);
    FOnNetLogEvent = std::move(Value);
}

void TNetLogger::CloseLogFile() {
    FLogFile.reset();
}

void TNetLogger::OpenLogFile() {
    CloseLogFile();
    if (FLogFileName.empty()) throw ELoggerException("File name empty");
    try {
        if (!FileExists(FLogFileName)) TFileStream(FLogFileName, fmCreate);
        auto stream = std::make_unique<TFileStream>(FLogFileName,
                                                    static_cast<WORD>(fmOpenReadWrite | fmShareDenyWrite));
        if (FLogFileOption == lfoAppend)
            stream->Seek(0, soEnd);
        else
            stream->SetSize(0);
        FLogFile = std::move(stream);
    } catch (const ELoggerException&) {
        throw;
    } catch (const Exception& e) {
        throw ELoggerException(e.Message());
    }
}

void TNetLogger::DoDebugLog(TObject* Sender, TLogOption LogOption, const std::string& Msg) {
    std::lock_guard lock(FLock);
    if (FDestroying) return;
    const bool stamp = FLogOptions.Contains(loAddStamp);
    auto text = [&] { return stamp ? FormatDateTime("hh:nn:ss:zzz", Now()) + " " + Msg : Msg; };
    if (FLogOptions.Contains(loDestEvent) && FOnNetLogEvent) FOnNetLogEvent(Sender, LogOption, text());
    if (FLogOptions.Contains(loDestOutDebug)) {
        const std::string line = text() + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    if (FLogOptions.Contains(loDestFile)) {
        if (!FLogFile) OpenLogFile();
        const std::string line = text() + "\r\n";
        try {
            FLogFile->WriteBuffer(line.data(), static_cast<std::int64_t>(line.size()));
        } catch (const Exception& e) {
            throw ELoggerException(e.Message());
        }
    }
}
