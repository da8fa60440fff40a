// The conversion of one file of a batch: decoded in blocks of one second, run through the command list
// as one stream, encoded into a new file in the chosen output format and folder, with the source's tags
// copied. It touches no window, so several files can be converted at once on worker threads, each with
// a converter of its own.
//
// A file that cannot be read, processed or written is closed, its unfinished output is removed, and the
// result says why; the source is never changed and an existing file is never overwritten.
#pragma once

#include "audio/AudioOutputFormat.h"
#include "source/GlobalVars.h"
#include "source/batch/BatchChain.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

class TAudioFile2;
class TBatchOutputNames;

enum class TBatchFileOutcome { Done, Failed, Stopped };

struct TBatchFileResult {
    TBatchFileOutcome Outcome = TBatchFileOutcome::Failed;
    // For a failure, the message to show the user.
    std::string Message;
    // The file written (Done only).
    std::string Output;
};

class TBatchFileConverter {
public:
    // Settings: the output choice (BatchFileFormatUseTheSame, BatchFileFormatIndex and the output
    // settings) as the run started with.
    TBatchFileConverter(const TGlobalVars& Settings, const std::vector<TBatchCommand>& Commands,
                        TBatchOutputNames& Names);

    // Converts Source into OutputFolder (with its trailing separator). Stop is looked at after every
    // block; Progress gets the percent done of the file.
    TBatchFileResult Convert(const std::string& Source, const std::string& OutputFolder,
                             const std::atomic<bool>& Stop, const std::function<void(int)>& Progress);

private:
    // Sets up the writer for the source just opened; answers the output's extension.
    std::string ChooseOutput(TAudioFile2& Reader, TAudioFile2& Writer, const std::string& Source);

    const TGlobalVars& FSettings;
    TBatchChain FChain;
    TBatchOutputNames& FNames;
    TAudioFile2LameEnc FLameEnc;
};

// The WMA profile closest to a source's bit rate in bits per second (the "same format" choice).
int WmaProfileForBitRate(int BitsPerSecond);
