#pragma once
// A WAV file to play in tests: 16-bit mono PCM with the canonical 44-byte header,
// holding a 440 Hz sine.

#include <string>

namespace vimo::test {

std::string tone_wav(double seconds, int amplitude, int sample_rate = 22050);

} // namespace vimo::test
