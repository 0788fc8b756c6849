#pragma once
// The course's recordings are 16-bit mono 22050 Hz PCM WAV files with the canonical
// 44-byte header (RIFF, a 16-byte "fmt " chunk, then "data"), the form the program's
// recorder writes and its analyser reads.

#include <QByteArray>
#include <QString>
#include <vector>

namespace vimo {

inline constexpr int k_wav_header_size = 44;
inline constexpr int k_wav_sample_rate = 22050;

// An empty text when bytes are such a file; otherwise what is wrong with them.
QString canonical_wav_problem(const QByteArray& bytes);

// The length of the sound of a canonical file in milliseconds (rounded down).
qint64 wav_duration_ms(const QByteArray& bytes);

// A canonical file holding samples (16-bit mono at k_wav_sample_rate).
QByteArray canonical_wav(const std::vector<qint16>& samples);

} // namespace vimo
