// The command list applied to one file as one stream: each block of the file goes through every command
// in list order, channel by channel (left, then right, with the same parameters), and after the last
// block one more pass gives out what the commands held back (echo tails, a normalize that had to see
// the whole file, the rest of a speed or pitch change). The processor keeps each command's state from
// block to block, so a file converted in blocks sounds as if processed whole.
#pragma once

#include "source/GlobalVars.h"
#include "source/batch/BatchCommands.h"

#include <cstdint>
#include <vector>

class TAudioTransform2;

class TBatchChain {
public:
    TBatchChain(std::vector<TBatchCommand> Commands, const TGlobalVars& Vars);

    // Starts a file of this rate and channel count (1 or 2) on the processor.
    void StartFile(TAudioTransform2& Transform, int SampleRate, int Channels);
    // Replaces an interleaved block of the file by its processed form (which may differ in length).
    void Process(std::vector<float>& Block);
    // After the last block: the block is replaced by everything the commands still held.
    void Finish(std::vector<float>& Block);

    bool Empty() const { return FCommands.empty(); }
    // Whether some command keeps the whole file in memory until its end (normalize).
    bool HoldsWholeFile() const;
    // The last "Convert Sample Rate And Channel" of the list, or null.
    const TBatchCommand* Conversion() const;

private:
    void Run(std::vector<float>& Block, bool Last);
    void ApplyCommand(std::size_t Index, std::vector<float>& Channel, bool Last);

    std::vector<TBatchCommand> FCommands;
    // Per command: the settings record with the command's values, for the effect routines.
    std::vector<TGlobalVars> FSettings;
    TAudioTransform2* FTransform = nullptr;
    int FSampleRate = 44100;
    int FChannels = 2;
    bool FFirstBlock = true;
};
