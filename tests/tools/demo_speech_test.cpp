#include "demo_builder/course_pictures.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"
#include "demo_builder/speech_build.h"
#include "demo_builder/speech_source.h"
#include "demo_builder/wav_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace vimo {
namespace {

std::string str(const QString& text) {
    return text.toStdString();
}

void write_file(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Drawing text needs fonts, and fonts need a QGuiApplication; this test program has
// none of its own. Made once, on the offscreen platform, and kept to the end.
void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "tools_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// --- speech sources ---------------------------------------------------------------

struct SpeechCase {
    const char* name = "";
    QByteArray source;
    int line = 0;
    const char* output = "";
    const char* voice = "";
    int speed = k_default_speech_speed;
    const char* text = "";
    bool film = false;
};

void PrintTo(const SpeechCase& c, std::ostream* os) {
    *os << c.name;
}

class SpeechSourceTest : public ::testing::TestWithParam<SpeechCase> {};

TEST_P(SpeechSourceTest, ReadsTheOneEntry) {
    const SpeechCase& c = GetParam();
    const QList<SpeechEntry> entries = read_speech_source(c.source, "s.txt");
    ASSERT_EQ(entries.size(), 1);
    const SpeechEntry& entry = entries.front();
    EXPECT_EQ(entry.line, c.line);
    EXPECT_EQ(str(entry.output), c.output);
    EXPECT_EQ(str(entry.voice), c.voice);
    EXPECT_EQ(entry.speed, c.speed);
    EXPECT_EQ(str(entry.text), c.text);
    EXPECT_EQ(entry.is_film(), c.film);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SpeechSourceTest,
    ::testing::Values(SpeechCase{"BackslashesBecomeSlashes", "Teksty_wav\\1.wav=en-gb=Hello.", 1,
                                 "Teksty_wav/1.wav", "en-gb", 150, "Hello."},
                      SpeechCase{"SpacesAroundFieldsTrimmed", "a.wav  =  pl  =  Dzień dobry  ", 1,
                                 "a.wav", "pl", 150, "Dzień dobry"},
                      SpeechCase{"VariantAndSpeed", "a.wav = en-gb+f2@130 = Hi.", 1, "a.wav",
                                 "en-gb+f2", 130, "Hi."},
                      SpeechCase{"EqualsSignInTheText", "a.wav = en-us = 2 + 2 = 4", 1, "a.wav",
                                 "en-us", 150, "2 + 2 = 4"},
                      SpeechCase{"IndentedLinesContinue",
                                 "a.wav = en-gb = One,\n    two,\n\tthree.", 1, "a.wav", "en-gb",
                                 150, "One, two, three."},
                      SpeechCase{"CommentsAndBlankLinesSkipped",
                                 "# recordings\n\n# next\nd/a.wav=en-gb=Hi\n", 4, "d/a.wav",
                                 "en-gb", 150, "Hi"},
                      SpeechCase{"Film", "Teksty_mpg_r\\2.mpg = en-gb = A film.", 1,
                                 "Teksty_mpg_r/2.mpg", "en-gb", 150, "A film.", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadSpeechCase {
    const char* name = "";
    QByteArray source;
    int line = 0;
};

void PrintTo(const BadSpeechCase& c, std::ostream* os) {
    *os << c.name;
}

class BadSpeechSourceTest : public ::testing::TestWithParam<BadSpeechCase> {};

TEST_P(BadSpeechSourceTest, StopsNamingTheLine) {
    try {
        read_speech_source(GetParam().source, "s.txt");
        ADD_FAILURE() << "accepted";
    } catch (const DemoSourceError& error) {
        EXPECT_EQ(str(error.file()), "s.txt");
        EXPECT_EQ(error.line(), GetParam().line) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BadSpeechSourceTest,
    ::testing::Values(BadSpeechCase{"OneField", "a.wav=en-gb=ok\na.wav\n", 2},
                      BadSpeechCase{"TwoFields", "a.wav=en-gb\n", 1},
                      BadSpeechCase{"NoText", "a.wav=en-gb=\nb.wav=en-gb=ok\n", 1},
                      BadSpeechCase{"NoTextAtTheEnd", "a.wav=en-gb=ok\n\nb.wav=en-gb=  \n", 3},
                      BadSpeechCase{"VoiceWithSpace", "a.wav=en gb=Hi\n", 1},
                      BadSpeechCase{"SpeedTooHigh", "a.wav=en-gb@900=Hi\n", 1},
                      BadSpeechCase{"ClimbsOutOfTheCourse", "x\\..\\..\\a.wav=en-gb=Hi\n", 1},
                      BadSpeechCase{"AbsolutePath", "/tmp/a.wav=en-gb=Hi\n", 1},
                      BadSpeechCase{"UnknownKind", "a.mp3=en-gb=Hi\n", 1},
                      BadSpeechCase{"ContinuationAfterBlankLine", "a.wav=en-gb=Hi\n\n  more\n", 3},
                      BadSpeechCase{"ContinuationAfterSpacesOnlyLine",
                                    "a.wav=en-gb=Hi\n   \n  more\n", 3},
                      BadSpeechCase{"ContinuationAfterComment", "a.wav=en-gb=Hi\n# c\n  more\n", 3},
                      BadSpeechCase{"BadUtf8", "a.wav=en-gb=ok\nb.wav=en-gb=\xC3\x28\n", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeechSourcesTest, StopsAtTheSecondEntryForTheSameFile) {
    const QTemporaryDir folder;
    write_file(folder.filePath("a.txt"), "Dialogi\\x.wav = en-gb = One\n");
    write_file(folder.filePath("b.txt"), "# other\ndialogi/X.wav = en-gb = Two\n");
    try {
        read_speech_sources(folder.path());
        ADD_FAILURE() << "accepted";
    } catch (const DemoSourceError& error) {
        EXPECT_EQ(str(error.file()), str(folder.filePath("b.txt")));
        EXPECT_EQ(error.line(), 2);
    }
}

// --- WAV headers ------------------------------------------------------------------

QByteArray wav_bytes(quint16 channels, quint32 rate, quint16 bits, quint32 data, quint32 declared) {
    QByteArray bytes(k_wav_header_size, '\0');
    const auto put32 = [&bytes](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    const auto put16 = [&bytes](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes.replace(0, 4, "RIFF");
    put32(4, 36 + data);
    bytes.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, 1);
    put16(22, channels);
    put32(24, rate);
    put32(28, rate * channels * bits / 8);
    put16(32, static_cast<quint16>(channels * bits / 8));
    put16(34, bits);
    bytes.replace(36, 4, "data");
    put32(40, declared);
    return bytes + QByteArray(static_cast<qsizetype>(data), '\x01');
}

TEST(WavFileTest, AcceptsOnlyTheCanonicalCourseForm) {
    struct Case {
        const char* name;
        QByteArray bytes;
        bool canonical;
    };
    const Case cases[] = {
        {"canonical", wav_bytes(1, 22050, 16, 4410, 4410), true},
        {"stereo", wav_bytes(2, 22050, 16, 4410, 4410), false},
        {"44100 Hz", wav_bytes(1, 44100, 16, 4410, 4410), false},
        {"8-bit", wav_bytes(1, 22050, 8, 4410, 4410), false},
        {"streamed size", wav_bytes(1, 22050, 16, 4410, 0x7FFFFFFF), false},
        {"too short", QByteArray("RIFF"), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(canonical_wav_problem(c.bytes).isEmpty(), c.canonical)
            << c.name << ": " << str(canonical_wav_problem(c.bytes));
    }
    EXPECT_EQ(wav_duration_ms(wav_bytes(1, 22050, 16, 44100, 44100)), 1000);
}

// --- answer pictures --------------------------------------------------------------

TEST(AnswerPictureTest, DrawsKnownNamesOnly) {
    ensure_gui_application();
    struct Case {
        const char* name;
        bool drawn;
    };
    const Case cases[] = {{"clock_0730", true},  {"clock_1200", true}, {"clock_1300", false},
                          {"clock_0060", false}, {"clock_730", false}, {"price_5", true},
                          {"price_1250", true},  {"price_0", false},   {"price_12x", false},
                          {"umbrella", true},    {"Umbrella", false},  {"piano", false}};
    for (const Case& c : cases) {
        const std::optional<QImage> image = draw_answer_picture(c.name);
        EXPECT_EQ(image.has_value(), c.drawn) << c.name;
        if (image) {
            EXPECT_EQ(image->size(), k_answer_picture_size) << c.name;
        }
    }
}

TEST(CoursePicturesTest, DrawsEveryPictureTheRowsNameAndStopsAtAnUnknownOne) {
    ensure_gui_application();
    const QTemporaryDir source;
    const QTemporaryDir output;
    write_file(source.filePath("utf16/kursu.roz"),
               "r1=s1=Pl=En=clock_0315=sun=price_250=\nr2=s2=Pl=En=sun=key=cup=\n");
    const QStringList written = build_course_pictures(source.path(), output.path());
    for (const char* name : {"clock_0315", "sun", "price_250", "key", "cup", "tmp_1"}) {
        const QString path = output.filePath(QStringLiteral("Rozumienia_gfx_r/%1.bmp").arg(name));
        EXPECT_TRUE(QFile::exists(path)) << name;
        EXPECT_TRUE(written.contains(path)) << name;
    }
    write_file(source.filePath("utf16/kursu.roz"),
               "r1=s1=Pl=En=sun=key=cup=\nr2=s2=P=E=sun=harp=key=\n");
    try {
        build_course_pictures(source.path(), output.path());
        ADD_FAILURE() << "accepted";
    } catch (const DemoSourceError& error) {
        EXPECT_EQ(error.line(), 2);
        EXPECT_TRUE(error.problem().contains("harp")) << error.what();
    }
}

// --- synthesis (runs espeak-ng, sox and ffmpeg, which scripts/setup.sh installs) ---

class SpeechBuildTest : public ::testing::Test {
protected:
    void set_source(const QByteArray& text) const {
        write_file(m_source.filePath("speech/s.txt"), text);
    }
    SpeechBuild build() const { return build_demo_speech(m_source.path(), m_output.path()); }
    QString output(const QString& relative) const { return m_output.filePath(relative); }

    QTemporaryDir m_source;
    QTemporaryDir m_output;
};

TEST_F(SpeechBuildTest, WritesCanonicalRecordingsAndRemakesOnlyChangedOnes) {
    set_source("Dialogi\\a.wav = en-gb = Good morning.\nb.wav = en-gb+f2 = Hello.\n");
    const SpeechBuild first = build();
    EXPECT_EQ(first.written.size(), 2);
    const QByteArray a = read_file(output("Dialogi/a.wav"));
    EXPECT_EQ(str(canonical_wav_problem(a)), "");
    EXPECT_GT(wav_duration_ms(a), 500);

    const SpeechBuild again = build();
    EXPECT_TRUE(again.written.isEmpty());
    EXPECT_EQ(again.unchanged, 2);

    set_source("Dialogi\\a.wav = en-gb = Good morning.\nb.wav = en-gb+f2 = Hello there.\n");
    const SpeechBuild changed = build();
    EXPECT_EQ(changed.written, QStringList{output("b.wav")});
    EXPECT_EQ(changed.unchanged, 1);

    QFile::remove(output("Dialogi/a.wav"));
    EXPECT_EQ(build().written, QStringList{output("Dialogi/a.wav")});
}

TEST_F(SpeechBuildTest, MakesAnMpegProgramStreamFilm) {
    ensure_gui_application();
    set_source("f/film.mpg = en-gb = A bus.\n");
    build();
    const QByteArray film = read_file(output("f/film.mpg"));
    // Every MPEG program stream starts with a pack header.
    EXPECT_EQ(film.left(4).toHex(), "000001ba");
}

TEST_F(SpeechBuildTest, AFailingToolNamesTheSourceLine) {
    set_source("a.wav = en-gb = Fine.\n\nb.wav = xx-no-such-voice = Hi.\n");
    try {
        build();
        ADD_FAILURE() << "accepted";
    } catch (const DemoSourceError& error) {
        EXPECT_EQ(str(error.file()), str(m_source.filePath("speech/s.txt")));
        EXPECT_EQ(error.line(), 3);
        EXPECT_TRUE(error.problem().startsWith("espeak-ng failed making b.wav")) << error.what();
    }
    // What was made before the failure is kept and stamped.
    EXPECT_TRUE(QFile::exists(output("a.wav")));
    EXPECT_TRUE(read_file(output(k_speech_stamps)).contains("a.wav"));
}

} // namespace
} // namespace vimo
