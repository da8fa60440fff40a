#include "source/batch/BatchChain.h"

#include "audio/effects/AudioTransform2.h"
#include "source/effects/EffectModel.h"
#include "source/effects/EffectParameters.h"

#include <algorithm>
#include <cmath>

TBatchChain::TBatchChain(std::vector<TBatchCommand> Commands, const TGlobalVars& Vars)
    : FCommands(std::move(Commands)) {
    for (const TBatchCommand& command : FCommands)
        FSettings.push_back(BatchEffectSettings(command, Vars));
}

bool TBatchChain::HoldsWholeFile() const {
    return std::any_of(FCommands.begin(), FCommands.end(),
                       [](const TBatchCommand& c) { return c.Kind == TBatchCommandKind::Normalize; });
}

const TBatchCommand* TBatchChain::Conversion() const {
    const TBatchCommand* found = nullptr;
    for (const TBatchCommand& command : FCommands)
        if (command.Kind == TBatchCommandKind::ConvertSampleType) found = &command;
    return found;
}

void TBatchChain::StartFile(TAudioTransform2& Transform, int SampleRate, int Channels) {
    FTransform = &Transform;
    FSampleRate = SampleRate;
    FChannels = Channels;
    FFirstBlock = true;
    Transform.SetFormat(SampleRate, Channels);
}

void TBatchChain::Process(std::vector<float>& Block) {
    if (!Empty()) Run(Block, false);
    FFirstBlock = false;
}

void TBatchChain::Finish(std::vector<float>& Block) {
    Block.clear();
    if (!Empty()) Run(Block, true);
}

void TBatchChain::Run(std::vector<float>& Block, bool Last) {
    TAudioTransform2& transform = *FTransform;
    transform.SetEndOfStream(Last);
    transform.SetProcessing(true);
    try {
        if (FChannels == 1) transform.PrepareMono(Block);
        std::vector<float> left, right;
        transform.SplitChannels(Block, left, right);
        for (std::size_t i = 0; i < FCommands.size(); ++i) {
            ApplyCommand(i, left, Last);
            ApplyCommand(i, right, Last);
        }
        transform.JoinChannels(left, right, Block);
    } catch (...) {
        transform.SetProcessing(false);
        throw;
    }
    transform.SetProcessing(false);
}

void TBatchChain::ApplyCommand(std::size_t Index, std::vector<float>& Channel, bool Last) {
    const TBatchCommand& command = FCommands[Index];
    TAudioTransform2& transform = *FTransform;
    // The silence goes through the processor on every pass (nothing but on the first and the last), so
    // that the commands after it keep their places in the processor's order of calls.
    const float silenceMs = static_cast<float>(std::max(0, command.Values.at(0)));
    switch (command.Kind) {
    case TBatchCommandKind::InsertSilenceAtTheStart:
        transform.InsertSilence(Channel, FFirstBlock ? silenceMs : 0.0f, 0);
        break;
    case TBatchCommandKind::InsertSilenceAtTheEnd:
        transform.InsertSilence(Channel, Last ? silenceMs : 0.0f, Channel.size());
        break;
    case TBatchCommandKind::ConvertSampleType:
        // The output's rate and channels: the writer converts (see the file converter).
        break;
    case TBatchCommandKind::Normalize:
        transform.Normalize(Channel, static_cast<float>(command.Values.at(0)), -1);
        break;
    default:
        ApplyPreviewEffect(transform, Channel, BatchEffectModel(command.Kind)->Identifier, FSettings[Index]);
        break;
    }
}
