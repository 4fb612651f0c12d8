#include "platform/SoundPlayer.h"

#include "art/Art.h"
#include "platform/SoundDecoder.h"
#include "platform/SoundTheme.h"

#include <QCoreApplication>
#include <QPointer>
#include <SDL.h>

namespace platform {

namespace {

// While a sound plays, the queue is checked and topped up this often...
constexpr int ServiceMs = 100;
// ...to keep this much queued ahead: half a second, so a busy moment on the GUI thread does not
// starve the device, while a long file still never sits in memory as a whole.
constexpr Uint32 AheadBytes =
    SoundDecoder::OutputRate * SoundDecoder::OutputChannels * sizeof(float) / 2;
// A top-up decodes at most this many pieces, so it never holds the thread for long.
constexpr int MaxPiecesPerTopUp = 8;

} // namespace

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent) {
    m_service.setTimerType(Qt::CoarseTimer);
    connect(&m_service, &QTimer::timeout, this, &SoundPlayer::service);
}

SoundPlayer::~SoundPlayer() {
    m_stream.reset();
    closeDevice();
}

SoundPlayer& SoundPlayer::Shared() {
    static QPointer<SoundPlayer> shared;
    if (!shared)
        shared = new SoundPlayer(QCoreApplication::instance());
    return *shared;
}

void SoundPlayer::SetBuiltInSound(const QByteArray& wav) {
    m_builtInWav = wav;
    m_builtInDecoded = false;
    m_builtIn.clear();
}

const std::vector<float>& SoundPlayer::builtInSamples() {
    if (!m_builtInDecoded) {
        m_builtInDecoded = true;
        const QByteArray wav = m_builtInWav.isEmpty() ? art::data(u"WAVE.1.wav") : m_builtInWav;
        if (auto decoder = SoundDecoder::OpenMemory(wav))
            m_builtIn = decoder->DecodeAll();
    }
    return m_builtIn;
}

bool SoundPlayer::openDevice() {
    if (m_device)
        return true;
    // The program handles its own signals; SDL must not take SIGINT and SIGTERM over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Tavorine");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec want{};
    want.freq = SoundDecoder::OutputRate;
    want.format = AUDIO_F32SYS;
    want.channels = SoundDecoder::OutputChannels;
    want.samples = 1024;
    SDL_AudioSpec have{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!m_device) {
        // Give the audio system up entirely, so that the next play starts it afresh and finds a
        // device that has appeared since.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void SoundPlayer::closeDevice() {
    m_service.stop();
    m_lingering = false;
    if (!m_device)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    // Some audio back ends keep a thread of their own polling for devices.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundPlayer::PlayBuiltIn() {
    m_stream.reset();
    m_lastSource.clear();
    const std::vector<float>& samples = builtInSamples();
    if (samples.empty() || !openDevice()) {
        Stop();
        return;
    }
    SDL_ClearQueuedAudio(m_device);
    SDL_QueueAudio(m_device, samples.data(), Uint32(samples.size() * sizeof(float)));
    resume();
}

void SoundPlayer::PlayNamed(const QString& name) {
    m_stream.reset();
    const SoundTheme theme;
    QStringList candidates;
    if (const QString themed = theme.Find(name); !themed.isEmpty())
        candidates << themed;
    if (!name.isEmpty())
        candidates << name;
    // The desktop's default sound stands in for what cannot be found or read.
    if (const QString bell = theme.Find(QStringLiteral("bell")); !bell.isEmpty())
        candidates << bell;
    for (const QString& candidate : candidates) {
        if (auto stream = SoundDecoder::OpenFile(candidate)) {
            play(std::move(stream), candidate);
            return;
        }
    }
    PlayBuiltIn();
}

void SoundPlayer::play(std::unique_ptr<SoundDecoder> stream, const QString& source) {
    m_lastSource = source;
    if (!openDevice()) {
        Stop();
        return;
    }
    SDL_ClearQueuedAudio(m_device);
    m_stream = std::move(stream);
    topUp();
    resume();
}

void SoundPlayer::Stop() {
    m_stream.reset();
    if (m_device) {
        SDL_ClearQueuedAudio(m_device);
        service();
    }
}

bool SoundPlayer::Playing() const {
    return m_stream || (m_device && SDL_GetQueuedAudioSize(m_device) > 0);
}

void SoundPlayer::resume() {
    SDL_PauseAudioDevice(m_device, 0);
    m_lingering = false;
    m_service.start(ServiceMs);
}

void SoundPlayer::topUp() {
    std::vector<float> piece;
    for (int i = 0;
         i < MaxPiecesPerTopUp && m_stream && SDL_GetQueuedAudioSize(m_device) < AheadBytes; ++i) {
        piece.clear();
        if (!m_stream->Decode(piece))
            m_stream.reset();
        if (!piece.empty())
            SDL_QueueAudio(m_device, piece.data(), Uint32(piece.size() * sizeof(float)));
    }
}

void SoundPlayer::service() {
    if (!m_device) {
        m_service.stop();
        return;
    }
    if (SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
        // The device went away (unplugged, server gone): the next play opens whatever is there.
        m_stream.reset();
        closeDevice();
        return;
    }
    if (m_stream)
        topUp();
    if (m_stream || SDL_GetQueuedAudioSize(m_device) > 0)
        return;
    if (m_lingering) {
        closeDevice();
        return;
    }
    // Drained: pause at once, and close the device if no play comes within the linger.
    SDL_PauseAudioDevice(m_device, 1);
    m_lingering = true;
    m_service.start(m_lingerMs);
}

} // namespace platform
