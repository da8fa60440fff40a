// The five row filters of the format computed for the writer, and its two rules for picking one.
#include "imaging/png/PngRowFilters.h"

#include <cstdlib>
#include <cstring>

namespace {

// The loops below keep the first pixel (which has no left neighbour) apart, so that the rest runs
// without a branch per byte and the compiler can work on many bytes at once.
void FilterSub(const std::uint8_t* raw, std::uint8_t* out, int size, int offset) {
    const int head = size < offset ? size : offset;
    std::memcpy(out, raw, std::size_t(head));
    for (int x = head; x < size; ++x)
        out[x] = std::uint8_t(raw[x] - raw[x - offset]);
}

void FilterUp(const std::uint8_t* raw, const std::uint8_t* prior, std::uint8_t* out, int size) {
    for (int x = 0; x < size; ++x)
        out[x] = std::uint8_t(raw[x] - prior[x]);
}

void FilterAverage(const std::uint8_t* raw, const std::uint8_t* prior, std::uint8_t* out, int size,
                   int offset) {
    const int head = size < offset ? size : offset;
    for (int x = 0; x < head; ++x)
        out[x] = std::uint8_t(raw[x] - (prior[x] >> 1));
    for (int x = head; x < size; ++x)
        out[x] = std::uint8_t(raw[x] - ((raw[x - offset] + prior[x]) >> 1));
}

void FilterPaeth(const std::uint8_t* raw, const std::uint8_t* prior, std::uint8_t* out, int size,
                 int offset) {
    const int head = size < offset ? size : offset;
    for (int x = 0; x < head; ++x) // left and upper-left are 0: the predictor is the byte above
        out[x] = std::uint8_t(raw[x] - prior[x]);
    for (int x = head; x < size; ++x) {
        const int a = raw[x - offset], b = prior[x], c = prior[x - offset];
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        const int predictor = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
        out[x] = std::uint8_t(raw[x] - predictor);
    }
}

// The repetition score: positions whose byte equals one of the two bytes before it.
int RepetitionScore(const std::uint8_t* b, int size) {
    int score = 0;
    for (int j = 2; j < size; ++j)
        if (b[j] == b[j - 1] || b[j] == b[j - 2]) ++score;
    return score;
}

// The sum of the bytes' magnitudes read as signed differences (0xFF is -1, 0x80 is -128).
std::uint32_t SignedMagnitudeSum(const std::uint8_t* b, int size) {
    std::uint32_t sum = 0;
    for (int x = 0; x < size; ++x)
        sum += std::uint32_t(std::abs(int(std::int8_t(b[x]))));
    return sum;
}

} // namespace

TPngRowFilters::TPngRowFilters(TPngFilterSet Set, TPngFilterChoice Choice, int MaxRow, int Offset)
    : FSet(Set), FChoice(Choice), FOffset(Offset) {
    FRaw.assign(std::size_t(MaxRow) + 1, 0);
    for (int f = 0; f < 5; ++f)
        if (f == 0 || (FSet & (1 << f))) FBuffers[std::size_t(f)].assign(std::size_t(MaxRow) + 1, 0);
}

void TPngRowFilters::StartPass() {
    std::fill(FBuffers[0].begin(), FBuffers[0].end(), 0);
}

int TPngRowFilters::FilterRow(int Size) {
    const std::uint8_t* raw = FRaw.data();
    const std::uint8_t* prior = FBuffers[0].data();
    if (FSet & PngFilterBit(rfSub)) FilterSub(raw, FBuffers[1].data(), Size, FOffset);
    if (FSet & PngFilterBit(rfUp)) FilterUp(raw, prior, FBuffers[2].data(), Size);
    if (FSet & PngFilterBit(rfAverage)) FilterAverage(raw, prior, FBuffers[3].data(), Size, FOffset);
    if (FSet & PngFilterBit(rfPaeth)) FilterPaeth(raw, prior, FBuffers[4].data(), Size, FOffset);
    const int chosen =
        FChoice == TPngFilterChoice::MinimumSum ? ChooseByMinimumSum(Size) : ChooseByRepetition(Size);
    std::memcpy(FBuffers[0].data(), raw, std::size_t(Size));
    return chosen;
}

int TPngRowFilters::ChooseByRepetition(int Size) const {
    if (FSet == 0 || FSet == PngFilterBit(rfNone)) return 0;
    int best = -1, bestScore = 0;
    for (int f = 0; f < 5; ++f) {
        if (!(FSet & (1 << f))) continue;
        if (FSet == (1 << f)) return f;
        const std::uint8_t* bytes = f == 0 ? FRaw.data() : FBuffers[std::size_t(f)].data();
        const int score = Size < 3 ? 0 : RepetitionScore(bytes, Size);
        if (score > bestScore) {
            bestScore = score;
            best = f;
        }
    }
    return best < 0 ? 0 : best;
}

int TPngRowFilters::ChooseByMinimumSum(int Size) const {
    int best = -1;
    std::uint32_t bestSum = 0;
    for (int f = 0; f < 5 && !(best >= 0 && bestSum == 0); ++f) {
        if (!(FSet & (1 << f))) continue;
        const std::uint32_t sum =
            SignedMagnitudeSum(f == 0 ? FRaw.data() : FBuffers[std::size_t(f)].data(), Size);
        if (best < 0 || sum < bestSum) {
            bestSum = sum;
            best = f;
        }
    }
    return best < 0 ? 0 : best;
}
