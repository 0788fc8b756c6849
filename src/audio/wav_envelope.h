#pragma once
// The envelope a waveform view draws: for every graph column the highest and lowest
// sample level it covers (0..255, silence at 128, level 0 at the top), and the outline
// that averages the columns in groups of 15. Pure arithmetic over the bytes of a file.

#include "audio/wav_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vimo {

// The column table holds 1000 columns; a view asking for more graph columns is cut to
// this many plus one (column 0 is the starting point and holds no levels).
inline constexpr int kEnvelopeColumns = 1000;
inline constexpr int kMaxGraphColumns = kEnvelopeColumns + 1;
// Columns averaged by one point of the outline.
inline constexpr int kOutlineGroup = 15;

inline constexpr std::string_view kWavBitsMessage = "WavHeader.BytesPerSample is <>8 and <>16!";

struct WavEnvelope {
    // Graph column k (1 .. graph_columns - 1) is columns[k - 1]: (max level, min level).
    // Columns past graph_columns - 1, and every column of a file with other than one or
    // two channels, stay (0, 0).
    std::array<std::pair<std::uint8_t, std::uint8_t>, kEnvelopeColumns> columns{};
    // Outline point k (1-based) is outline[k - 1]: the whole-number averages of the max
    // and of the min levels of columns 15(k - 1) + 1 .. 15k.
    std::vector<std::pair<int, int>> outline;
    // The graph columns the envelope was computed for, after cutting to 0 .. 1001.
    int graph_columns = 0;

    bool operator==(const WavEnvelope&) const = default;
};

struct EnvelopeResult {
    std::optional<WavEnvelope> envelope; // empty when the samples cannot be read
    std::string error;                   // why not, when envelope is empty
};

// The envelope of the samples that layout describes inside the bytes of a whole file.
// Samples of other than 8 or 16 bits give kWavBitsMessage. The file is read in one pass
// and never past its last byte; a column whose samples ran out keeps the start values of
// an empty column: (0, 255) for 8 bits, (0, 128) for 16.
EnvelopeResult compute_envelope(const WavLayout& layout, std::string_view bytes, int graph_columns);

// The level of one 16-bit sample, 0 .. 65535: the sample less 32767, modulo 65536, with
// a full-scale positive sample held at the bottom (65535) instead of wrapping to the top.
std::uint16_t level16(std::int16_t sample);

// How many sample frames one column takes, for samples of 8 or 16 bits, out of
// sample_count samples of every channel (kept to 16 bits): zero for a block align or
// column count of 0, and for other than one or two channels.
int samples_per_column(const WavFormat& format, std::size_t sample_count, int graph_columns);

} // namespace vimo
