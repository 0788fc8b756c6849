#include "audio/wav_envelope.h"

#include <QtEndian>
#include <algorithm>

namespace vimo {

namespace {

// A sample as stored: the byte of an 8-bit sample, the signed value of a 16-bit one.
template <int Bits> int raw_at(const unsigned char* samples, std::size_t index) {
    if constexpr (Bits == 8) {
        return samples[index];
    } else {
        return qFromLittleEndian<qint16>(samples + 2 * index);
    }
}

// Levels rise with the stored value (the full-scale positive 16-bit sample is held at
// the bottom rather than wrapped), so a column's extreme levels are the levels of its
// extreme stored values, and the loop over the samples only compares them.
template <int Bits> int level_of(int raw) {
    if constexpr (Bits == 8) {
        return raw;
    } else {
        return level16(static_cast<std::int16_t>(raw));
    }
}

template <int Bits>
void fill_columns(WavEnvelope& envelope, const unsigned char* samples, std::size_t count,
                  int per_column, std::size_t stride) {
    // An empty column: max 0, min at the top of the range (32768 for 16 bits, so that
    // silence, 32769, never lowers it).
    constexpr int kStartMin = Bits == 8 ? 255 : 32768;
    constexpr int kShift = Bits == 8 ? 0 : 8;
    std::size_t next = 0;
    for (int column = 1; column < envelope.graph_columns; ++column) {
        const std::size_t left = next < count ? (count - next + stride - 1) / stride : 0;
        const std::size_t taken = std::min(left, static_cast<std::size_t>(per_column));
        int max = 0;
        int min = kStartMin;
        if (taken > 0) {
            int raw_max = raw_at<Bits>(samples, next);
            int raw_min = raw_max;
            for (std::size_t i = 1; i < taken; ++i) {
                const int raw = raw_at<Bits>(samples, next + i * stride);
                raw_max = std::max(raw_max, raw);
                raw_min = std::min(raw_min, raw);
            }
            max = level_of<Bits>(raw_max);
            min = std::min(min, level_of<Bits>(raw_min));
            next += taken * stride;
        }
        envelope.columns[static_cast<std::size_t>(column - 1)] = {
            static_cast<std::uint8_t>(max >> kShift), static_cast<std::uint8_t>(min >> kShift)};
    }
}

void fill_outline(WavEnvelope& envelope) {
    const int groups = std::max(0, (envelope.graph_columns - 1) / kOutlineGroup);
    envelope.outline.reserve(static_cast<std::size_t>(groups));
    for (int group = 0; group < groups; ++group) {
        int max_sum = 0;
        int min_sum = 0;
        for (int j = 0; j < kOutlineGroup; ++j) {
            const auto& [max, min] =
                envelope.columns[static_cast<std::size_t>(group * kOutlineGroup + j)];
            max_sum += max;
            min_sum += min;
        }
        envelope.outline.emplace_back(max_sum / kOutlineGroup, min_sum / kOutlineGroup);
    }
}

} // namespace

std::uint16_t level16(std::int16_t sample) {
    // (sample - 32767) mod 65536 is sample + 32769 for every sample below the top one.
    return static_cast<std::uint16_t>(std::min(sample + 32769, 0xFFFF));
}

int samples_per_column(const WavFormat& format, std::size_t sample_count, int graph_columns) {
    // Stereo counts both channels in sample_count but takes only the first of each frame.
    const int channels = format.channels;
    if (channels != 1 && channels != 2) return 0;
    const long long divisor = static_cast<long long>(channels) * format.block_align *
                              static_cast<long long>(graph_columns);
    if (divisor <= 0) return 0;
    const int multiplier = (format.bits == 16 ? 2 : 1) * channels;
    const unsigned long long frames = sample_count / static_cast<unsigned long long>(divisor);
    return static_cast<int>((frames * static_cast<unsigned long long>(multiplier)) & 0xFFFF);
}

EnvelopeResult compute_envelope(const WavLayout& layout, std::string_view bytes,
                                int graph_columns) {
    const int bits = layout.format.bits;
    if (bits != 8 && bits != 16)
        return {.envelope = std::nullopt, .error = std::string(kWavBitsMessage)};

    WavEnvelope envelope;
    envelope.graph_columns = std::clamp(graph_columns, 0, kMaxGraphColumns);
    const int channels = layout.format.channels;
    if (channels == 1 || channels == 2) {
        // The layout comes from these bytes, but a caller's layout is never trusted to
        // stay inside them.
        const std::size_t offset = std::min(layout.data_offset, bytes.size());
        const std::size_t data_size = std::min(layout.data_size, bytes.size() - offset);
        const auto* samples = reinterpret_cast<const unsigned char*>(bytes.data() + offset);
        const std::size_t count = bits == 8 ? data_size : data_size / 2;
        const int per_column = samples_per_column(layout.format, count, envelope.graph_columns);
        const auto stride = static_cast<std::size_t>(channels);
        if (bits == 8)
            fill_columns<8>(envelope, samples, count, per_column, stride);
        else
            fill_columns<16>(envelope, samples, count, per_column, stride);
    }
    fill_outline(envelope);
    return {.envelope = std::move(envelope), .error = {}};
}

} // namespace vimo
