#pragma once
// PCM WAV files as the recorder writes them and the waveform view reads them. The
// recorder writes the canonical 44-byte header; reading finds the "fmt " and "data"
// chunks wherever they sit and falls back on the fixed 44-byte layout for a file
// without the RIFF/WAVE tags.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vimo {

inline constexpr int kCanonicalWavHeader = 44;

struct WavFormat {
    int channels = 0;
    int sample_rate = 0;
    int byte_rate = 0;   // bytes of samples per second
    int block_align = 0; // bytes per sample frame
    int bits = 0;        // bits per sample
};

// What the header of a WAV file says: its format, where its samples start and how
// many bytes of them there are (cut to the bytes the file holds).
struct WavLayout {
    WavFormat format;
    std::size_t data_offset = kCanonicalWavHeader;
    std::size_t data_size = 0;
    std::size_t declared_size = 0; // the size the header gives, before cutting
};

// The layout of the bytes of a whole file, or nullopt when they hold fewer than the 44
// bytes of a header.
std::optional<WavLayout> read_wav_layout(std::string_view bytes);

// A canonical WAV file of PCM samples: the 44-byte header and the samples.
std::string wav_bytes(const WavFormat& format, std::string_view samples);
// The format the recorder writes: 22050 Hz, mono, 16 bits.
WavFormat recording_format();

// The length of a recording in milliseconds from its header: data bytes × 1000 / byte
// rate (whole milliseconds); 0 for a byte rate of 0.
long long wav_duration_ms(const WavLayout& layout);
// The same for a file; nullopt when it cannot be read or holds no header.
std::optional<long long> wav_file_duration_ms(const std::string& path);

} // namespace vimo
