#pragma once

#include <QByteArray>

// The built-in alarm: a buzzing tone of about 445 Hz struck twice, as a complete WAV file
// (RIFF, PCM, mono, 11025 Hz, 8-bit unsigned, 5,200 samples).
namespace artgen {

QByteArray alarmWave();

} // namespace artgen
