#include "platform/SoundDecoder.h"

#include <QFile>
#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <numeric>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int MinRate = 1000;
constexpr int MaxRate = 384000;
constexpr int MaxChannels = 8; // what SDL_AudioCVT can mix down to stereo
// SDL's resampler looks five input frames either side; keep a comfortable margin.
constexpr std::size_t Context = 64;

} // namespace

struct SoundDecoder::Impl {
    QByteArray data;
    sf_count_t position = 0;
    int fd = -1;
    SDL_AudioCVT cvt{};
    std::vector<float> work; // SDL_ConvertAudio works in place, growing by len_mult

    static sf_count_t length(void* self) { return static_cast<Impl*>(self)->data.size(); }
    static sf_count_t tell(void* self) { return static_cast<Impl*>(self)->position; }
    static sf_count_t seek(sf_count_t offset, int whence, void* self) {
        Impl& m = *static_cast<Impl*>(self);
        const sf_count_t base = whence == SEEK_CUR   ? m.position
                                : whence == SEEK_END ? sf_count_t(m.data.size())
                                                     : 0;
        m.position = std::clamp<sf_count_t>(base + offset, 0, m.data.size());
        return m.position;
    }
    static sf_count_t read(void* to, sf_count_t count, void* self) {
        Impl& m = *static_cast<Impl*>(self);
        const sf_count_t n = std::clamp<sf_count_t>(m.data.size() - m.position, 0, count);
        std::memcpy(to, m.data.constData() + m.position, size_t(n));
        m.position += n;
        return n;
    }
    static sf_count_t write(const void*, sf_count_t, void*) { return 0; }
};

std::unique_ptr<SoundDecoder> SoundDecoder::OpenFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Look before opening: opening some devices does something by itself.
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    // Without O_NONBLOCK, a FIFO swapped in since the look would hold the open until a writer came.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<SoundDecoder> decoder(new SoundDecoder);
    decoder->m_impl = std::make_unique<Impl>();
    decoder->m_impl->fd = fd;
    SF_INFO format{};
    decoder->m_file = sf_open_fd(fd, SFM_READ, &format, SF_FALSE);
    if (!decoder->m_file || !decoder->setUp())
        return nullptr;
    return decoder;
}

std::unique_ptr<SoundDecoder> SoundDecoder::OpenMemory(const QByteArray& data) {
    if (data.isEmpty())
        return nullptr;
    std::unique_ptr<SoundDecoder> decoder(new SoundDecoder);
    decoder->m_impl = std::make_unique<Impl>();
    decoder->m_impl->data = data;
    static SF_VIRTUAL_IO io{&Impl::length, &Impl::seek, &Impl::read, &Impl::write, &Impl::tell};
    SF_INFO format{};
    decoder->m_file = sf_open_virtual(&io, SFM_READ, &format, decoder->m_impl.get());
    if (!decoder->m_file || !decoder->setUp())
        return nullptr;
    return decoder;
}

SoundDecoder::~SoundDecoder() {
    if (m_file)
        sf_close(m_file);
    if (m_impl && m_impl->fd >= 0)
        ::close(m_impl->fd);
}

bool SoundDecoder::setUp() {
    SF_INFO format{};
    sf_command(m_file, SFC_GET_CURRENT_SF_INFO, &format, sizeof format);
    m_rate = format.samplerate;
    m_channels = format.channels;
    if (m_rate < MinRate || m_rate > MaxRate || m_channels < 1 || m_channels > MaxChannels)
        return false;
    if (SDL_BuildAudioCVT(&m_impl->cvt, AUDIO_F32SYS, Uint8(m_channels), m_rate, AUDIO_F32SYS,
                          OutputChannels, OutputRate) < 0)
        return false;

    if (m_rate == OutputRate) {
        m_piece = OutputRate / 4;
        return true;
    }
    const int common = std::gcd(m_rate, OutputRate);
    m_period = std::size_t(m_rate / common);
    m_outPerPeriod = std::size_t(OutputRate / common);
    const std::size_t quarter = std::size_t(m_rate) / 4;
    m_piece = m_period * std::max<std::size_t>(1, (quarter + m_period / 2) / m_period);
    m_before = m_period * ((Context + m_period - 1) / m_period);
    m_beyond = Context;
    return true;
}

std::size_t SoundDecoder::readFrames(std::size_t frames) {
    const std::size_t have = m_pending.size();
    m_pending.resize(have + frames * std::size_t(m_channels));
    const sf_count_t got = sf_readf_float(m_file, m_pending.data() + have, sf_count_t(frames));
    const std::size_t read = got > 0 ? std::size_t(got) : 0;
    m_pending.resize(have + read * std::size_t(m_channels));
    if (read < frames)
        m_eof = true;
    return read;
}

bool SoundDecoder::Decode(std::vector<float>& out) {
    if (m_finished)
        return false;
    const std::size_t channels = std::size_t(m_channels);
    const std::size_t want = m_piece + m_beyond;
    while (!m_eof && m_pending.size() / channels < want)
        readFrames(want - m_pending.size() / channels);
    const std::size_t pending = m_pending.size() / channels;
    if (pending == 0) {
        m_finished = true;
        return false;
    }
    const bool last = m_eof && pending <= m_piece;
    const std::size_t core = std::min(m_piece, pending);
    const std::size_t beyond = last ? 0 : std::min(m_beyond, pending - core);
    const std::size_t before = m_history.size() / channels;

    // history + piece + a little beyond, converted in one call
    SDL_AudioCVT& cvt = m_impl->cvt;
    const std::size_t inFrames = before + core + beyond;
    const std::size_t inBytes = inFrames * channels * sizeof(float);
    m_impl->work.resize(inBytes * std::size_t(std::max(1, cvt.len_mult)) / sizeof(float) + 1);
    std::copy(m_history.begin(), m_history.end(), m_impl->work.data());
    std::copy(m_pending.begin(), m_pending.begin() + long((core + beyond) * channels),
              m_impl->work.data() + m_history.size());
    std::size_t outBytes = inBytes;
    if (cvt.needed) {
        cvt.buf = reinterpret_cast<Uint8*>(m_impl->work.data());
        cvt.len = int(inBytes);
        if (SDL_ConvertAudio(&cvt) != 0) {
            m_finished = true;
            return false;
        }
        outBytes = std::size_t(std::max(0, cvt.len_cvt));
    }
    const std::size_t outFrames = outBytes / (OutputChannels * sizeof(float));
    const std::size_t skip = std::min(outFrames, before * m_outPerPeriod / m_period);
    const std::size_t keep =
        last ? outFrames - skip : std::min(outFrames - skip, core * m_outPerPeriod / m_period);
    const float* converted = m_impl->work.data();
    out.insert(out.end(), converted + skip * OutputChannels,
               converted + (skip + keep) * OutputChannels);

    // The last frames of what was just played become the next piece's history.
    std::vector<float> joined = std::move(m_history);
    joined.insert(joined.end(), m_pending.begin(), m_pending.begin() + long(core * channels));
    const std::size_t kept = std::min(joined.size() / channels, m_before);
    m_history.assign(joined.end() - long(kept * channels), joined.end());
    m_pending.erase(m_pending.begin(), m_pending.begin() + long(core * channels));
    if (last)
        m_finished = true;
    return true;
}

std::vector<float> SoundDecoder::DecodeAll() {
    std::vector<float> out;
    while (Decode(out)) {
    }
    return out;
}

} // namespace platform
