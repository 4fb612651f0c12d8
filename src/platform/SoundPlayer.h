#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class SoundDecoder;

// Plays the program's sounds through SDL audio, one at a time: a new play cuts off the one that
// is sounding. Every play returns at once; the sound goes on while the event loop runs.
//
// The device (float, 48 kHz, stereo) is opened by the first play. A file is decoded by libsndfile
// a little at a time as it plays, topped up from a timer on this object's thread, so a long file
// neither blocks the caller nor fills memory. SDL keeps a paused device's thread writing silence
// about fifty times a second, so the device is closed again a short while after the last sound
// has drained: an idle program stays idle. Without any audio device a play is silent, and the
// next play tries the device again. Derive and override the two plays to record them in tests.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultLingerMs = 2000;

    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // The program's own player, owned by the application object.
    static SoundPlayer& Shared();

    // The built-in alarm (art::data("WAVE.1.wav")), decoded once and kept.
    virtual void PlayBuiltIn();
    // A sound named by the user: a name of the desktop's sound theme first, then a file of any
    // kind libsndfile reads. What cannot be found or read plays the theme's "bell", or the
    // built-in alarm where no sound theme is installed.
    virtual void PlayNamed(const QString& name);
    // Silences whatever is sounding.
    void Stop();

    // Replaces the built-in alarm's WAV data (before the first PlayBuiltIn).
    void SetBuiltInSound(const QByteArray& wav);
    // How long the device stays open after the last sound has drained, so that plays in quick
    // succession (the alarm's, one second apart) share one device.
    void SetLingerMs(int ms) { m_lingerMs = ms; }

    // Whether a sound is queued or still being decoded.
    bool Playing() const;
    // Whether the audio device is open (a sound plays, or one ended less than the linger ago).
    bool DeviceOpen() const { return m_device != 0; }
    // The file that the last PlayNamed chose to play (theme sound, the file, or the bell); empty
    // when it fell back to the built-in alarm or nothing could be played.
    QString LastSource() const { return m_lastSource; }

private:
    bool openDevice();
    void closeDevice();
    void play(std::unique_ptr<SoundDecoder> stream, const QString& source);
    void resume();
    void service();
    void topUp();
    const std::vector<float>& builtInSamples();

    std::uint32_t m_device = 0;
    std::unique_ptr<SoundDecoder> m_stream;
    QByteArray m_builtInWav;
    bool m_builtInDecoded = false;
    std::vector<float> m_builtIn;
    QTimer m_service;
    bool m_lingering = false;
    int m_lingerMs = DefaultLingerMs;
    QString m_lastSource;
};

} // namespace platform
