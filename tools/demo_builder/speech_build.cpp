#include "demo_builder/speech_build.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/film_scene.h"
#include "demo_builder/source_text.h"
#include "demo_builder/speech_source.h"
#include "demo_builder/wav_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

namespace vimo {

namespace {

// Raised whenever the way a file is made changes, so that every file is made again.
constexpr auto k_recipe = "espeak-ng|sox pad 0.15 0.35|film street 1";
constexpr int k_tool_timeout_ms = 300'000;
constexpr int k_frames_per_second = 10;
constexpr int k_stderr_shown = 400;

using Stamps = QMap<QString, QString>; // course file -> stamp

QString stamp_of(const SpeechEntry& entry) {
    const QString recipe = QStringList{QLatin1String(k_recipe), entry.is_film() ? "film" : "wav",
                                       entry.voice, QString::number(entry.speed), entry.text}
                               .join(u'\n');
    return QString::fromLatin1(
        QCryptographicHash::hash(recipe.toUtf8(), QCryptographicHash::Sha1).toHex());
}

Stamps read_stamps(const QString& path) {
    Stamps stamps;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return stamps;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space <= 0) continue;
        stamps.insert(QString::fromUtf8(line.mid(space + 1)),
                      QString::fromLatin1(line.left(space)));
    }
    return stamps;
}

void write_stamps(const QString& path, const Stamps& stamps) {
    QByteArray bytes;
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        bytes += it.value().toLatin1() + ' ' + it.key().toUtf8() + '\n';
    }
    write_file_atomically(path, bytes);
}

// Runs program to its end with input on its standard input.
void run_tool(const SpeechEntry& entry, const QString& program, const QStringList& arguments,
              const QByteArray& input = {}) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        throw DemoSourceError(
            entry.file, entry.line,
            QStringLiteral("%1 cannot be started (scripts/setup.sh installs it)").arg(program));
    }
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(k_tool_timeout_ms);
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return;
    const QString said =
        QString::fromLocal8Bit(process.readAllStandardError()).trimmed().left(k_stderr_shown);
    throw DemoSourceError(entry.file, entry.line,
                          QStringLiteral("%1 failed making %2%3")
                              .arg(program, entry.output, said.isEmpty() ? "" : ": " + said));
}

QByteArray read_made(const SpeechEntry& entry, const QString& path, const QString& program) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
        throw DemoSourceError(entry.file, entry.line,
                              QStringLiteral("%1 wrote nothing for %2").arg(program, entry.output));
    }
    return file.readAll();
}

// The spoken text as a canonical WAV file at work/speech.wav; returns its bytes.
QByteArray speak(const SpeechEntry& entry, const QDir& work) {
    const QString raw = work.filePath(QStringLiteral("espeak.wav"));
    const QString padded = work.filePath(QStringLiteral("speech.wav"));
    run_tool(entry, QStringLiteral("espeak-ng"),
             {"-v", entry.voice, "-s", QString::number(entry.speed), "-w", raw, "--stdin"},
             entry.text.toUtf8());
    run_tool(entry, QStringLiteral("sox"),
             {raw, "-r", QString::number(k_wav_sample_rate), "-c", "1", "-b", "16", "-e",
              "signed-integer", padded, "pad", "0.15", "0.35"});
    QByteArray wav = read_made(entry, padded, QStringLiteral("sox"));
    if (const QString problem = canonical_wav_problem(wav); !problem.isEmpty()) {
        throw DemoSourceError(entry.file, entry.line,
                              QStringLiteral("sox wrote %1 as %2").arg(entry.output, problem));
    }
    return wav;
}

void write_frames(const SpeechEntry& entry, const QDir& work, qint64 duration_ms) {
    const qint64 count = duration_ms * k_frames_per_second / 1000 + 1;
    for (qint64 i = 0; i < count; ++i) {
        const QString path =
            work.filePath(QStringLiteral("frame%1.png").arg(i, 5, 10, QChar(u'0')));
        const QByteArray png = encoded_image(
            draw_film_frame(static_cast<double>(i) / static_cast<double>(count)), "PNG");
        QFile file(path);
        if (png.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
            throw DemoSourceError(
                entry.file, entry.line,
                QStringLiteral("a frame of %1 cannot be written").arg(entry.output));
        }
    }
}

QStringList film_arguments(const QDir& work, const QString& mpg) {
    const QStringList quiet{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    const QStringList frames{"-framerate", QString::number(k_frames_per_second), "-i",
                             work.filePath("frame%05d.png")};
    const QStringList speech{"-i", work.filePath("speech.wav")};
    // MPEG-1 needs a standard frame rate, so the drawn frames are repeated up to 25.
    const QStringList video{"-r", "25", "-pix_fmt", "yuv420p", "-c:v", "mpeg1video", "-q:v", "3"};
    const QStringList sound{"-c:a", "mp2", "-ar", "44100", "-b:a", "128k"};
    return quiet + frames + speech + video + sound + QStringList{"-shortest", "-f", "mpeg", mpg};
}

QByteArray film(const SpeechEntry& entry, const QDir& work, const QByteArray& wav) {
    write_frames(entry, work, wav_duration_ms(wav));
    const QString mpg = work.filePath(QStringLiteral("film.mpg"));
    run_tool(entry, QStringLiteral("ffmpeg"), film_arguments(work, mpg));
    return read_made(entry, mpg, QStringLiteral("ffmpeg"));
}

QByteArray make(const SpeechEntry& entry) {
    const QTemporaryDir temporary;
    if (!temporary.isValid()) {
        throw DemoSourceError(entry.file, entry.line,
                              QStringLiteral("no temporary folder: ") + temporary.errorString());
    }
    const QDir work(temporary.path());
    const QByteArray wav = speak(entry, work);
    return entry.is_film() ? film(entry, work, wav) : wav;
}

} // namespace

SpeechBuild build_demo_speech(const QString& source_dir, const QString& output_dir) {
    const QString folder = QDir(source_dir).filePath(QLatin1String(k_speech_folder));
    SpeechBuild build;
    if (!QDir(folder).exists()) return build;
    const QList<SpeechEntry> entries = read_speech_sources(folder);
    const QString course_root = course_root_path(output_dir);
    const QString stamps_path = course_root + QLatin1String(k_speech_stamps);
    Stamps stamps = read_stamps(stamps_path);
    for (const SpeechEntry& entry : entries) {
        const QString target = course_root + entry.output;
        const QString stamp = stamp_of(entry);
        if (stamps.value(entry.output) == stamp && QFile::exists(target)) {
            ++build.unchanged;
            continue;
        }
        write_file_atomically(target, make(entry));
        stamps.insert(entry.output, stamp);
        write_stamps(stamps_path, stamps);
        build.written << target;
    }
    return build;
}

} // namespace vimo
