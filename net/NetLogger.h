// TNetLogger: routes diagnostic messages of the network components to an event, a file and the
// debugger output, optionally time-stamped, under one lock so several threads may share it.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

class TFileStream;

enum TLogOption {
    loDestEvent,
    loDestFile,
    loDestOutDebug,
    loAddStamp,
    loWsockErr,
    loWsockInfo,
    loWsockDump,
    loSslErr,
    loSslInfo,
    loSslDump,
    loProtSpecErr,
    loProtSpecInfo,
    loProtSpecDump
};
using TLogOptions = Set<TLogOption, 16>;

enum TLogFileOption { lfoAppend, lfoOverwrite };

using TNetLogEvent = TEvent<TObject*, TLogOption, const std::string&>;

class TNetLogger : public TComponent {
public:
    explicit TNetLogger(TComponent* AOwner);
    ~TNetLogger() override;

    // Sends Msg to every destination in LogOptions. Opening the log file may raise ELoggerException
    // ("File name empty", or the system's reason).
    void DoDebugLog(TObject* Sender, TLogOption LogOption, const std::string& Msg);

    TLogOptions LogOptions() const { return FLogOptions; }
    void SetLogOptions(TLogOptions Value) { FLogOptions = Value; }
    std::string LogFileName() const;
    // A different name closes the open file; the next message opens the new one.
    void SetLogFileName(const std::string& Value);
    TLogFileOption LogFileOption() const { return FLogFileOption; }
    void SetLogFileOption(TLogFileOption Value);
    void SetOnNetLogEvent(TNetLogEvent Value);

private:
    void OpenLogFile();
    void CloseLogFile();

    mutable std::recursive_mutex FLock;
    TLogOptions FLogOptions;
    std::string FLogFileName;
    TLogFileOption FLogFileOption = lfoAppend;
    TNetLogEvent FOnNetLogEvent;
    std::unique_ptr<TFileStream> FLogFile;
    bool FDestroying = false;
};
