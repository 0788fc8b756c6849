#include "audio/wav_envelope.h"
#include "audio/wav_file.h"
#include "support/named_case.h"

#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using Column = std::pair<std::uint8_t, std::uint8_t>;

WavFormat format_of(int channels, int bits) {
    const int block_align = channels * bits / 8;
    return {.channels = channels,
            .sample_rate = 22050,
            .byte_rate = 22050 * block_align,
            .block_align = block_align,
            .bits = bits};
}

// A 16-bit sample whose level has the given high byte (and 128 below it).
std::int16_t sample_with_level_byte(int high) {
    const int level = high * 256 + 128;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(level + 32767));
}

void put_sample(std::string& out, int bits, int level_byte) {
    if (bits == 8) {
        out += static_cast<char>(level_byte);
        return;
    }
    char le[2];
    qToLittleEndian<qint16>(sample_with_level_byte(level_byte), le);
    out.append(le, 2);
}

// Frames whose first channel has the level byte left(frame) and whose second (stereo)
// has right(frame).
std::string frames(int channels, int bits, int count, const std::function<int(int)>& left,
                   const std::function<int(int)>& right) {
    std::string out;
    for (int frame = 0; frame < count; ++frame) {
        put_sample(out, bits, left(frame));
        if (channels == 2) put_sample(out, bits, right(frame));
    }
    return out;
}

WavEnvelope envelope_of(const std::string& wav, int graph_columns) {
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    EXPECT_TRUE(layout);
    if (!layout) return {};
    EnvelopeResult result = compute_envelope(*layout, wav, graph_columns);
    EXPECT_TRUE(result.envelope) << result.error;
    return result.envelope.value_or(WavEnvelope{});
}

int start_min(int bits) {
    return bits == 8 ? 255 : 128;
}

// The columns a run of frames gives when each column takes per_column frames in order:
// column k holds the extremes of the left levels of its frames, a column left without a
// frame the start values, and the columns past the graph (0, 0).
std::vector<Column> expected_columns(int graph_columns, int frame_count, int per_column, int bits,
                                     const std::function<int(int)>& left) {
    std::vector<Column> columns(kEnvelopeColumns, Column{0, 0});
    for (int column = 1; column < graph_columns; ++column) {
        int max = 0;
        int min = start_min(bits);
        for (int frame = (column - 1) * per_column;
             frame < std::min(column * per_column, frame_count); ++frame) {
            max = std::max(max, left(frame));
            min = std::min(min, left(frame));
        }
        columns[static_cast<std::size_t>(column - 1)] = {static_cast<std::uint8_t>(max),
                                                         static_cast<std::uint8_t>(min)};
    }
    return columns;
}

std::vector<Column> columns_of(const WavEnvelope& envelope) {
    return {envelope.columns.begin(), envelope.columns.end()};
}

struct SplitCase {
    const char* name;
    int channels;
    int bits;
    int block_align; // as the header says it
    int frame_count;
    int graph_columns;
    int per_column; // worked out by hand from the counting rule
};

class EnvelopeSplit : public ::testing::TestWithParam<SplitCase> {};

// Left levels climb by one a frame (from 20, over 200 frames), so each column's extremes show
// exactly which frames it took; the second channel sits at a level no left sample reaches.
TEST_P(EnvelopeSplit, EachColumnTakesItsShareOfFramesInOrderFromTheFirstChannel) {
    const SplitCase& c = GetParam();
    const auto left = [](int frame) { return 20 + frame % 200; };
    const auto right = [](int) { return 240; };
    WavFormat format = format_of(c.channels, c.bits);
    format.block_align = c.block_align;
    const std::string wav =
        wav_bytes(format, frames(c.channels, c.bits, c.frame_count, left, right));
    const std::optional<WavLayout> layout = read_wav_layout(wav);
    ASSERT_TRUE(layout);
    const std::size_t count = c.bits == 8 ? layout->data_size : layout->data_size / 2;
    EXPECT_EQ(samples_per_column(layout->format, count, c.graph_columns), c.per_column);
    EXPECT_EQ(columns_of(envelope_of(wav, c.graph_columns)),
              expected_columns(c.graph_columns, c.frame_count, c.per_column, c.bits, left));
}

INSTANTIATE_TEST_SUITE_P(Formats, EnvelopeSplit,
                         ::testing::Values(
                             // 45 / (1 × 5)
                             SplitCase{"mono_8", 1, 8, 1, 45, 5, 9},
                             // (45 / (2 × 5)) × 2: rounded down to an even count
                             SplitCase{"mono_16", 1, 16, 2, 45, 5, 8},
                             // (90 / (2 × 2 × 5)) × 2
                             SplitCase{"stereo_8", 2, 8, 2, 45, 5, 8},
                             // (90 / (2 × 4 × 5)) × 4
                             SplitCase{"stereo_16", 2, 16, 4, 45, 5, 8},
                             // (40 / (1 × 5)) × 2 = 16 a column: the frames run out in the third
                             // column and the fourth takes none
                             SplitCase{"mono_16_block_align_too_small", 1, 16, 1, 40, 5, 16},
                             // 8 frames over 600 columns: none a column
                             SplitCase{"mono_8_fewer_frames_than_columns", 1, 8, 1, 8, 600, 0},
                             SplitCase{"mono_16_fewer_frames_than_columns", 1, 16, 2, 8, 600, 0},
                             SplitCase{"stereo_8_fewer_frames_than_columns", 2, 8, 2, 8, 600, 0},
                             // no division by a block align of 0
                             SplitCase{"block_align_0_8", 1, 8, 0, 45, 5, 0},
                             SplitCase{"block_align_0_16", 2, 16, 0, 45, 5, 0},
                             // one graph column is only the starting point
                             SplitCase{"one_graph_column", 1, 8, 1, 45, 1, 45},
                             // (3000 / (1 × 1001)): the graph is cut to the table
                             SplitCase{"graph_past_the_table", 1, 8, 1, 3000, 1001, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Envelope, SilenceOf16BitsLiesOnTheMiddleLevel) {
    const std::string wav = wav_bytes(format_of(1, 16), std::string(2 * 6000, '\0'));
    const WavEnvelope envelope = envelope_of(wav, 600);
    EXPECT_EQ(envelope.graph_columns, 600);
    for (int column = 1; column < 600; ++column)
        EXPECT_EQ(envelope.columns[column - 1], Column(128, 128)) << "column " << column;
    for (int index = 599; index < kEnvelopeColumns; ++index)
        EXPECT_EQ(envelope.columns[index], Column(0, 0)) << "index " << index;
}

TEST(Envelope, TheLevelsOf16BitSamplesRunFromTheTopToTheBottom) {
    struct Case {
        std::int16_t sample;
        std::uint16_t level;
    };
    for (const Case c : {Case{0, 32769}, Case{-32768, 1}, Case{-32767, 2}, Case{-1, 32768},
                         Case{1, 32770}, Case{32766, 65535}, Case{32767, 65535}})
        EXPECT_EQ(level16(c.sample), c.level) << "sample " << c.sample;
}

TEST(Envelope, AFullScalePositiveSampleIsAtTheBottomNotTheTop) {
    // One column of a single +32767 sample between silences, one of -32768.
    std::string samples;
    for (const std::int16_t value :
         {std::int16_t{0}, std::int16_t{32767}, std::int16_t{0}, std::int16_t{-32768}}) {
        char le[2];
        qToLittleEndian<qint16>(value, le);
        samples.append(le, 2);
    }
    // 4 samples over 3 graph columns: (4 / (2 × 3)) × 2 = 0, so give the columns two each
    // with a block align of 1: (4 / 3) × 2 = 2.
    WavFormat format = format_of(1, 16);
    format.block_align = 1;
    const WavEnvelope envelope = envelope_of(wav_bytes(format, samples), 3);
    EXPECT_EQ(envelope.columns[0], Column(255, 128));
    EXPECT_EQ(envelope.columns[1], Column(128, 0));
}

TEST(Envelope, StereoIsDrawnFromTheFirstChannelOnly) {
    struct Case {
        const char* name;
        std::function<int(int)> left;
        std::function<int(int)> right;
        Column column;
    };
    const auto loud = [](int frame) { return frame % 2 == 0 ? 10 : 250; };
    const auto silent = [](int) { return 128; };
    const Case cases[] = {{"left loud, right silent", loud, silent, {250, 10}},
                          {"left silent, right loud", silent, loud, {128, 128}}};
    for (const Case& c : cases) {
        for (const int bits : {8, 16}) {
            // 2400 frames over 600 columns: 4 frames a column in both sample sizes.
            const std::string wav =
                wav_bytes(format_of(2, bits), frames(2, bits, 2400, c.left, c.right));
            const WavEnvelope envelope = envelope_of(wav, 600);
            for (int column = 1; column < 600; ++column)
                ASSERT_EQ(envelope.columns[column - 1], c.column)
                    << c.name << ", " << bits << " bits, column " << column;
        }
    }
}

TEST(Envelope, OtherChannelCountsLeaveEveryColumnAtZero) {
    for (const int channels : {0, 3, 6}) {
        WavFormat format = format_of(1, 16);
        format.channels = channels;
        const WavEnvelope envelope = envelope_of(wav_bytes(format, std::string(4000, '\x40')), 600);
        EXPECT_EQ(columns_of(envelope), std::vector<Column>(kEnvelopeColumns, Column(0, 0)))
            << channels << " channels";
        const std::vector<std::pair<int, int>> flat(39, std::pair(0, 0));
        EXPECT_EQ(envelope.outline, flat);
    }
}

TEST(Envelope, OnlyEightAnd16BitSamplesAreRead) {
    for (const int bits : {0, 4, 12, 24, 32}) {
        WavFormat format = format_of(1, 16);
        format.bits = bits;
        const std::string wav = wav_bytes(format, std::string(600, '\0'));
        const EnvelopeResult result = compute_envelope(*read_wav_layout(wav), wav, 600);
        EXPECT_FALSE(result.envelope) << bits << " bits";
        EXPECT_EQ(result.error, "WavHeader.BytesPerSample is <>8 and <>16!") << bits << " bits";
    }
}

TEST(Envelope, ChunksBeforeTheSamplesGiveTheSameEnvelope) {
    const auto left = [](int frame) { return (frame * 37) % 256; };
    const std::string canonical = wav_bytes(format_of(1, 16), frames(1, 16, 2400, left, left));
    std::string listed = canonical;
    const std::string list = std::string("LIST") + std::string("\x07\0\0\0", 4) + "INFOabc" + '\0';
    listed.insert(36, list);
    const WavEnvelope expected = envelope_of(canonical, 600);
    EXPECT_EQ(envelope_of(listed, 600), expected);
    EXPECT_NE(columns_of(expected), std::vector<Column>(kEnvelopeColumns, Column(0, 0)));
}

TEST(Envelope, ADeclaredSizePastTheFileReadsOnlyTheSamplesThere) {
    const auto left = [](int frame) { return 30 + frame % 100; };
    const std::string present = frames(1, 8, 1200, left, left);
    std::string wav = wav_bytes(format_of(1, 8), present);
    qToLittleEndian<quint32>(4000000, wav.data() + 40);
    const WavEnvelope envelope = envelope_of(wav, 600);
    EXPECT_EQ(columns_of(envelope), expected_columns(600, 1200, 2, 8, left));

    // A layout that claims more than the bytes hold is cut to them as well.
    WavLayout layout = *read_wav_layout(wav);
    layout.data_size = 4000000;
    const EnvelopeResult trusted = compute_envelope(layout, wav, 600);
    ASSERT_TRUE(trusted.envelope);
    EXPECT_EQ(*trusted.envelope, envelope);
}

TEST(Envelope, TheGraphIsCutToTheTable) {
    const auto left = [](int frame) { return frame % 256; };
    const std::string wav = wav_bytes(format_of(1, 8), frames(1, 8, 5000, left, left));
    const WavEnvelope wide = envelope_of(wav, 2000);
    EXPECT_EQ(wide.graph_columns, kMaxGraphColumns);
    EXPECT_EQ(wide, envelope_of(wav, kMaxGraphColumns));
    // 5000 / 1001 = 4 frames a column, and every one of the 1000 columns is filled.
    EXPECT_EQ(columns_of(wide), expected_columns(kMaxGraphColumns, 5000, 4, 8, left));
    EXPECT_EQ(wide.outline.size(), 66u);
}

TEST(Envelope, TheOutlineAveragesGroupsOfFifteenColumns) {
    struct Case {
        int graph_columns;
        std::size_t groups;
    };
    // Uneven levels, so that the averages are cut to whole numbers.
    const auto left = [](int frame) { return (frame * 53 + frame / 7) % 256; };
    const std::string wav = wav_bytes(format_of(1, 8), frames(1, 8, 6000, left, left));
    for (const Case c : {Case{600, 39}, Case{16, 1}, Case{15, 0}, Case{2, 0}, Case{0, 0},
                         Case{-4, 0}, Case{1001, 66}}) {
        const WavEnvelope envelope = envelope_of(wav, c.graph_columns);
        ASSERT_EQ(envelope.outline.size(), c.groups) << c.graph_columns << " columns";
        for (std::size_t group = 0; group < c.groups; ++group) {
            int max_sum = 0;
            int min_sum = 0;
            for (std::size_t j = 0; j < 15; ++j) {
                max_sum += envelope.columns[group * 15 + j].first;
                min_sum += envelope.columns[group * 15 + j].second;
            }
            EXPECT_EQ(envelope.outline[group], std::make_pair(max_sum / 15, min_sum / 15))
                << c.graph_columns << " columns, group " << group;
        }
    }
}

TEST(Envelope, ColumnsAndTheOutlineAreBuiltFromAFewFrames) {
    // Hand-worked: 8-bit mono, 4 graph columns, 6 frames: 6 / 4 = 1 frame a column.
    const std::string wav = wav_bytes(format_of(1, 8), std::string("\x05\x50\x20\x90\x01\x02", 6));
    const WavEnvelope envelope = envelope_of(wav, 4);
    EXPECT_EQ(envelope.columns[0], Column(0x05, 0x05));
    EXPECT_EQ(envelope.columns[1], Column(0x50, 0x50));
    EXPECT_EQ(envelope.columns[2], Column(0x20, 0x20));
    EXPECT_EQ(envelope.columns[3], Column(0, 0));
    EXPECT_TRUE(envelope.outline.empty());
}

} // namespace
} // namespace vimo
