#include "audio/wav_file.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

std::string silence(int samples) {
    return std::string(static_cast<std::size_t>(2 * samples), '\0');
}

TEST(WavFile, TheCanonicalHeaderReadsBackItsFormatAndSamples) {
    const std::string wav = wav_bytes(recording_format(), silence(10));
    ASSERT_EQ(wav.size(), 44u + 20u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(wav.substr(36, 4), "data");
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.channels, 1);
    EXPECT_EQ(layout->format.sample_rate, 22050);
    EXPECT_EQ(layout->format.byte_rate, 44100);
    EXPECT_EQ(layout->format.block_align, 2);
    EXPECT_EQ(layout->format.bits, 16);
    EXPECT_EQ(layout->data_offset, 44u);
    EXPECT_EQ(layout->data_size, 20u);
}

TEST(WavFile, ChunksBeforeTheSamplesAreSteppedOver) {
    std::string wav = wav_bytes(recording_format(), silence(4));
    // A LIST chunk of odd size (padded) between "fmt " and "data".
    const std::string list = std::string("LIST") + std::string("\x05\0\0\0", 4) + "INFOx" + '\0';
    wav.insert(36, list);
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->data_offset, 44u + list.size());
    EXPECT_EQ(layout->data_size, 8u);
    EXPECT_EQ(layout->format.bits, 16);
}

TEST(WavFile, AFileWithoutTheTagsIsReadByTheFixedLayout) {
    std::string wav = wav_bytes(recording_format(), silence(4));
    wav.replace(0, 4, "XXXX");
    wav.replace(12, 4, "abcd"); // no "fmt " chunk to find either
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.channels, 1);
    EXPECT_EQ(layout->format.bits, 16);
    EXPECT_EQ(layout->data_offset, 44u);
    EXPECT_EQ(layout->data_size, 8u);
}

TEST(WavFile, ADeclaredSizePastTheBytesIsCutAndShortHeadersReadNothing) {
    std::string wav = wav_bytes(recording_format(), silence(4));
    qToLittleEndian<quint32>(1000000, wav.data() + 40);
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->declared_size, 1000000u);
    EXPECT_EQ(layout->data_size, 8u);
    EXPECT_FALSE(read_wav_layout(wav.substr(0, 43)));
}

TEST(WavFile, TheLengthComesFromTheDataBytesAndTheByteRate) {
    // Whole milliseconds: 4388 samples are 199.0 ms, 4410 are 200.
    const struct {
        int samples;
        long long ms;
    } cases[] = {{0, 0},      {4388, 199}, {4409, 199},  {4410, 200},
                 {6593, 299}, {6615, 300}, {22050, 1000}};
    for (const auto& c : cases) {
        const std::optional<WavLayout> layout =
            read_wav_layout(wav_bytes(recording_format(), silence(c.samples)));
        ASSERT_TRUE(layout);
        EXPECT_EQ(wav_duration_ms(*layout), c.ms) << c.samples;
    }
    WavLayout no_rate;
    no_rate.data_size = 100;
    EXPECT_EQ(wav_duration_ms(no_rate), 0);
}

} // namespace
} // namespace vimo
