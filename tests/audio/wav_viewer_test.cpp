#include "audio/MyWavViewer.h"
#include "audio/wav_envelope.h"
#include "audio/wav_file.h"
#include "support/named_case.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

WavFormat mono(int bits) {
    return {.channels = 1,
            .sample_rate = 22050,
            .byte_rate = 22050 * bits / 8,
            .block_align = bits / 8,
            .bits = bits};
}

std::string silence16(int frames) {
    return wav_bytes(mono(16), std::string(static_cast<std::size_t>(2 * frames), '\0'));
}

// 8-bit mono, two frames to each of 600 graph columns; column `column` swings between
// the levels low and high, the others are silence.
std::string one_loud_column(int column, int low, int high) {
    std::string samples(1200, '\x80');
    samples[static_cast<std::size_t>(2 * (column - 1))] = static_cast<char>(low);
    samples[static_cast<std::size_t>(2 * (column - 1) + 1)] = static_cast<char>(high);
    return wav_bytes(mono(8), samples);
}

bool is_blue(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::blue);
}
bool is_red(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::red);
}

int red_pixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += is_red(image, x, y) ? 1 : 0;
    return count;
}

class WavViewer : public ::testing::Test {
protected:
    WavViewer() {
        view.resize(420, 128);
        view.set_message_sink([this](const QString& message) { messages << message; });
    }

    QString write(const QString& name, const std::string& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    bool load(const std::string& bytes) { return view.LoadWav(write("view.wav", bytes)); }

    QImage shot() { return view.grab().toImage(); }

    QTemporaryDir dir;
    TMyWavViewer view;
    QStringList messages;
};

TEST_F(WavViewer, StartsWithTheAnalysersSettingsAndABlankGround) {
    EXPECT_EQ(view.Szer_Wykresu(), 600);
    EXPECT_EQ(view.Szer_Belek(), 0);
    EXPECT_EQ(view.YScale(), 50);
    EXPECT_FALSE(view.Krzywa());
    EXPECT_FALSE(view.envelope());
    const QImage image = shot();
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 64), QPoint(200, 64), QPoint(419, 127)})
        EXPECT_EQ(image.pixelColor(at), QColor(Qt::white)) << at.x() << "," << at.y();
}

TEST_F(WavViewer, SilenceIsAFlatLineAcrossTheMiddle) {
    ASSERT_TRUE(load(silence16(6000)));
    EXPECT_TRUE(messages.isEmpty());
    const QImage image = shot();
    for (int x = 1; x < image.width(); ++x) {
        EXPECT_TRUE(is_blue(image, x, 64)) << "x " << x;
        for (int y = 0; y < image.height(); ++y)
            if (y != 64) {
                ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
            }
    }
    EXPECT_EQ(image.pixelColor(0, 64), QColor(Qt::white)) << "the line starts right of x 0";
}

struct ColumnCase {
    const char* name;
    int margin;
    int y_scale;
    int low;      // level of the column's min
    int high;     // level of its max
    int top_row;  // round(low × y_scale / 100), worked out by hand
    int base_row; // round(high × y_scale / 100)
};

class WavViewerColumn : public WavViewer, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(WavViewerColumn, AColumnIsAStrokeBetweenItsScaledLevels) {
    const ColumnCase& c = GetParam();
    constexpr int kColumn = 100;
    view.setSzer_Belek(c.margin);
    view.setYScale(c.y_scale);
    ASSERT_TRUE(load(one_loud_column(kColumn, c.low, c.high)));
    const QImage image = shot();
    const int x = c.margin + 1 + kColumn;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (!is_blue(image, x, y)) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    EXPECT_EQ(top, c.top_row);
    EXPECT_EQ(bottom, c.base_row);
    for (int y = top; y <= bottom; ++y)
        EXPECT_TRUE(is_blue(image, x, y)) << "gap at " << y;
    // The columns either side lie on the silence line (128 scaled).
    const int middle = static_cast<int>(std::lround(128.0 * c.y_scale / 100));
    EXPECT_TRUE(is_blue(image, x - 2, middle));
    EXPECT_TRUE(is_blue(image, x + 2, middle));
    EXPECT_EQ(image.pixelColor(c.margin, middle), QColor(Qt::white)) << "inside the margin";
}

INSTANTIATE_TEST_SUITE_P(Strokes, WavViewerColumn,
                         ::testing::Values(ColumnCase{"half_scale", 0, 50, 40, 200, 20, 100},
                                           ColumnCase{"with_margin", 30, 50, 40, 200, 20, 100},
                                           ColumnCase{"quarter_scale", 0, 25, 40, 200, 10, 50},
                                           // 21.5 and 101.5 round up, not down
                                           ColumnCase{"rounded", 0, 50, 43, 203, 22, 102}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WavViewer, TheOutlineIsDrawnInRedOnlyWhenSwitchedOn) {
    // Every column swings from 10 to 250, so the outline of the min levels runs at
    // round(10 × 50 / 100) = 5, over the tops of the blue strokes.
    std::string samples;
    for (int frame = 0; frame < 1200; ++frame)
        samples += static_cast<char>(frame % 2 ? 250 : 10);
    ASSERT_TRUE(load(wav_bytes(mono(8), samples)));
    ASSERT_TRUE(view.envelope());
    EXPECT_EQ(view.envelope()->outline.size(), 39u);

    QImage image = shot();
    EXPECT_EQ(red_pixels(image), 0);
    EXPECT_TRUE(is_blue(image, 200, 5));

    view.setKrzywa(true);
    EXPECT_TRUE(view.Krzywa());
    image = shot();
    EXPECT_TRUE(is_red(image, 200, 5));
    EXPECT_TRUE(is_red(image, 419, 5)) << "the outline runs on to the right edge";
    EXPECT_TRUE(is_red(image, 1, 40)) << "it rises from the middle at its first point";
    EXPECT_TRUE(is_blue(image, 200, 100)) << "the strokes stay below it";

    view.setKrzywa(false);
    image = shot();
    EXPECT_EQ(red_pixels(image), 0);
    EXPECT_TRUE(is_blue(image, 200, 5));
}

struct FailureCase {
    const char* name;
    std::string bytes; // empty: no file at all
    QString message;   // for the missing file "%1" stands for its path
};

class WavViewerFailure : public WavViewer, public ::testing::WithParamInterface<FailureCase> {};

std::string with_bits(int bits) {
    WavFormat format = mono(16);
    format.bits = bits;
    return wav_bytes(format, std::string(1200, '\x11'));
}

TEST_P(WavViewerFailure, AFileThatCannotBeReadKeepsTheDrawingAndSaysWhy) {
    const FailureCase& c = GetParam();
    ASSERT_TRUE(load(one_loud_column(50, 30, 220)));
    const QImage before = shot();
    const WavEnvelope envelope = *view.envelope();

    const QString path = c.bytes.empty() ? dir.filePath("absent.wav") : write("bad.wav", c.bytes);
    EXPECT_FALSE(view.LoadWav(path));
    const QString expected = c.bytes.empty() ? c.message.arg(path) : c.message;
    EXPECT_EQ(messages, QStringList{expected});
    ASSERT_TRUE(view.envelope());
    EXPECT_EQ(*view.envelope(), envelope);
    EXPECT_EQ(shot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavViewerFailure,
    ::testing::Values(
        FailureCase{"missing", {}, QString::fromUtf8("Plik %1 nie został znaleziony!")},
        FailureCase{"short_header", silence16(0).substr(0, 43),
                    QString::fromUtf8("Błąd podczas odczytu nagłówka pliku! WavHeader <> 44")},
        FailureCase{"bits_24", with_bits(24), "WavHeader.BytesPerSample is <>8 and <>16!"},
        FailureCase{"bits_32", with_bits(32), "WavHeader.BytesPerSample is <>8 and <>16!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WavViewer, ADeclaredSizePastTheFileDrawsTheSamplesThere) {
    const std::string whole = silence16(1200);
    std::string cut = whole;
    qToLittleEndian<quint32>(1000000, cut.data() + 40);
    ASSERT_TRUE(load(cut));
    EXPECT_EQ(*view.envelope(), *compute_envelope(*read_wav_layout(whole), whole, 600).envelope);
    EXPECT_TRUE(is_blue(shot(), 300, 64));
}

TEST_F(WavViewer, TheGraphColumnsOfTheLoadDecideTheStrokes) {
    view.setSzer_Wykresu(300);
    const std::string wav = silence16(6000);
    ASSERT_TRUE(load(wav));
    EXPECT_EQ(*view.envelope(), *compute_envelope(*read_wav_layout(wav), wav, 300).envelope);
    const QImage image = shot();
    // Columns 1 .. 299 at x 2 .. 300.
    EXPECT_TRUE(is_blue(image, 300, 64));
    EXPECT_EQ(image.pixelColor(301, 64), QColor(Qt::white));
}

TEST_F(WavViewer, OddHeadersDrawWithoutFault) {
    struct Case {
        const char* name;
        int channels;
        int block_align;
        int graph_columns;
        int row; // where the strokes lie
    };
    // No channel to read: every column (0, 0), at the top. A block align of 0: every
    // 16-bit column empty, (0, 128), from the top to the middle.
    for (const Case c : {Case{"no channels", 0, 2, 600, 0}, Case{"block align 0", 1, 0, 600, 0},
                         Case{"past the table", 1, 2, 2000, 64}}) {
        WavFormat format = mono(16);
        format.channels = c.channels;
        format.block_align = c.block_align;
        view.setSzer_Wykresu(c.graph_columns);
        ASSERT_TRUE(load(wav_bytes(format, std::string(24000, '\0')))) << c.name;
        EXPECT_TRUE(messages.isEmpty()) << c.name;
        EXPECT_LE(view.envelope()->graph_columns, kMaxGraphColumns) << c.name;
        const QImage image = shot();
        EXPECT_TRUE(is_blue(image, 200, c.row)) << c.name;
        EXPECT_TRUE(is_blue(image, 419, c.row)) << c.name;
    }
}

} // namespace
} // namespace vimo
