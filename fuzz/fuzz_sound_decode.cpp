// Sound files of any content, read the way the player reads them: libsndfile from memory through
// its virtual I/O, converted piece by piece to 48 kHz stereo float. No input may fault, and each
// piece must stay about a second of sound or less, whatever the file's header claims, so that a
// hostile file can neither stall the window nor fill memory in one step.
//
// Input: the file's bytes.
#include "FuzzInput.h"
#include "platform/SoundDecoder.h"

#include <QByteArray>

namespace {

using platform::SoundDecoder;

// A piece is a quarter of a second of the source, or one second where the rate fits the output
// rate badly; allow the resampler's context frames on top.
constexpr std::size_t MaxPieceSamples =
    std::size_t(SoundDecoder::OutputChannels) * (SoundDecoder::OutputRate + 8192);
// Enough pieces to reach the end of most inputs; a tiny file can still describe hours of sound
// (compressed silence), which the player decodes as it plays and the fuzzer need not.
constexpr int MaxPieces = 400;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<SoundDecoder> decoder = SoundDecoder::OpenMemory(bytes);
    if (!decoder)
        return 0;
    std::vector<float> piece;
    for (int i = 0; i < MaxPieces; ++i) {
        piece.clear();
        const bool more = decoder->Decode(piece);
        if (piece.size() % std::size_t(SoundDecoder::OutputChannels) != 0)
            fuzzinput::fail("a decoded piece is not whole stereo frames");
        if (piece.size() > MaxPieceSamples)
            fuzzinput::fail("a decoded piece is far longer than a second");
        if (!more) {
            if (!decoder->Finished())
                fuzzinput::fail("Decode gave up without finishing");
            break;
        }
    }
    return 0;
}
