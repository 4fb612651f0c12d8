#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace platform {

// Decodes a sound with libsndfile, a bounded piece at a time, and converts each piece with
// SDL_AudioCVT to what the player queues: 32-bit float, 48 kHz, stereo, interleaved.
//
// SDL_AudioCVT keeps no state between calls and pads each call with silence, so converting the
// pieces one by one would dent the sound at every seam. Each piece is therefore converted with a
// few of its neighbours' frames on either side, which are dropped again afterwards; pieces start
// at multiples of the frames that make a whole number of output frames, so the seams land exactly
// on the output grid and the result is the same as converting the whole sound at once.
class SoundDecoder {
public:
    static constexpr int OutputRate = 48000;
    static constexpr int OutputChannels = 2;

    // A regular file only, opened without blocking: a FIFO, device or folder is refused (nullptr),
    // as is anything libsndfile cannot read or SDL cannot convert.
    static std::unique_ptr<SoundDecoder> OpenFile(const QString& path);
    // A sound held in memory (the built-in alarm); the data is copied.
    static std::unique_ptr<SoundDecoder> OpenMemory(const QByteArray& data);

    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    // Appends the next piece (about a quarter of a second) to out; false once nothing is left.
    bool Decode(std::vector<float>& out);
    // The rest of the sound in one go: for short sounds only.
    std::vector<float> DecodeAll();
    bool Finished() const { return m_finished; }

    int SourceRate() const { return m_rate; }
    int SourceChannels() const { return m_channels; }

private:
    struct Impl; // libsndfile and SDL_AudioCVT state
    SoundDecoder() = default;
    bool setUp();
    std::size_t readFrames(std::size_t frames);

    SNDFILE* m_file = nullptr;
    std::unique_ptr<Impl> m_impl;
    int m_rate = 0;
    int m_channels = 0;
    // Input frames per piece, the frames kept before and read beyond it, and the frames (P) that
    // make a whole number (Q) of output frames.
    std::size_t m_piece = 0;
    std::size_t m_before = 0;
    std::size_t m_beyond = 0;
    std::size_t m_period = 1;
    std::size_t m_outPerPeriod = 1;
    std::vector<float> m_history; // the frames just before the next piece
    std::vector<float> m_pending; // frames read from the file, from the start of the next piece
    bool m_eof = false;
    bool m_finished = false;
};

} // namespace platform
