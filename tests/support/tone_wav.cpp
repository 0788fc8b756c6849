#include "support/tone_wav.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace vimo::test {

namespace {

void append_le(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string tone_wav(double seconds, int amplitude, int sample_rate) {
    const auto rate = static_cast<std::uint32_t>(sample_rate);
    const auto samples = static_cast<std::uint32_t>(seconds * sample_rate);
    std::string bytes = "RIFF";
    append_le(bytes, 36 + samples * 2, 4);
    bytes += "WAVEfmt ";
    append_le(bytes, 16, 4);
    append_le(bytes, 1, 2); // PCM
    append_le(bytes, 1, 2); // mono
    append_le(bytes, rate, 4);
    append_le(bytes, rate * 2, 4);
    append_le(bytes, 2, 2);
    append_le(bytes, 16, 2);
    bytes += "data";
    append_le(bytes, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double phase = 2 * std::numbers::pi * 440.0 * i / sample_rate;
        append_le(bytes, static_cast<std::uint16_t>(std::lround(amplitude * std::sin(phase))), 2);
    }
    return bytes;
}

} // namespace vimo::test
