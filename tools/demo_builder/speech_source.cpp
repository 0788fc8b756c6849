#include "demo_builder/speech_source.h"

#include "demo_builder/source_text.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace vimo {

namespace {

constexpr int k_slowest = 80;
constexpr int k_fastest = 300;

bool is_continuation(const QString& line) {
    return !line.isEmpty() && (line[0] == u' ' || line[0] == u'\t');
}

bool is_skipped(const QString& line) {
    return line.trimmed().isEmpty() || line.startsWith(u'#');
}

// A relative path below the course root, ending in a kind the builder can make.
QString checked_output(QString path, const QString& file, int line) {
    path.replace(u'\\', u'/');
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_.\\-/]+$"));
    const QStringList parts = path.split(u'/');
    const bool climbs = parts.contains(QStringLiteral("..")) || parts.contains(QString());
    if (!allowed.match(path).hasMatch() || climbs) {
        throw DemoSourceError(file, line,
                              QStringLiteral("%1 is not a plain path below the course root "
                                             "(letters, digits, _ . - and folders)")
                                  .arg(path));
    }
    if (!path.endsWith(QLatin1String(".wav")) && !path.endsWith(QLatin1String(".mpg"))) {
        throw DemoSourceError(file, line, QStringLiteral("%1 must end in .wav or .mpg").arg(path));
    }
    return path;
}

void set_voice(SpeechEntry& entry, const QString& field) {
    static const QRegularExpression form(QStringLiteral("^([A-Za-z0-9_+\\-]+)(?:@(\\d+))?$"));
    const QRegularExpressionMatch match = form.match(field);
    if (!match.hasMatch()) {
        throw DemoSourceError(entry.file, entry.line,
                              QStringLiteral("voice %1 is not VOICE or VOICE@SPEED").arg(field));
    }
    entry.voice = match.captured(1);
    if (match.captured(2).isEmpty()) return;
    entry.speed = match.captured(2).toInt();
    if (entry.speed < k_slowest || entry.speed > k_fastest) {
        throw DemoSourceError(entry.file, entry.line,
                              QStringLiteral("speed %1 is outside %2 to %3")
                                  .arg(match.captured(2))
                                  .arg(k_slowest)
                                  .arg(k_fastest));
    }
}

SpeechEntry parse_entry(const QString& text, const QString& file, int line) {
    const qsizetype first = text.indexOf(u'=');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u'=', first + 1);
    if (second < 0) {
        throw DemoSourceError(file, line, QStringLiteral("expected FILE = VOICE = TEXT"));
    }
    SpeechEntry entry;
    entry.file = file;
    entry.line = line;
    entry.output = checked_output(text.left(first).trimmed(), file, line);
    set_voice(entry, text.mid(first + 1, second - first - 1).trimmed());
    entry.text = text.mid(second + 1).trimmed();
    return entry;
}

void check_text(const SpeechEntry& entry) {
    if (entry.text.isEmpty()) {
        throw DemoSourceError(entry.file, entry.line,
                              QStringLiteral("%1 has no text to speak").arg(entry.output));
    }
}

void append_continuation(SpeechEntry& entry, const QString& line) {
    const QString more = line.trimmed();
    entry.text = entry.text.isEmpty() ? more : entry.text + u' ' + more;
}

} // namespace

QList<SpeechEntry> read_speech_source(const QByteArray& bytes, const QString& file) {
    const QStringList lines = decode_utf8_lines(bytes, file);
    QList<SpeechEntry> entries;
    // An indented line continues the last entry until a blank line or a comment.
    bool open = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int number = static_cast<int>(i + 1);
        if (is_skipped(line)) {
            open = false;
            continue;
        }
        if (is_continuation(line) && open) {
            append_continuation(entries.last(), line);
            continue;
        }
        if (is_continuation(line)) {
            throw DemoSourceError(file, number,
                                  QStringLiteral("an indented line continues no entry"));
        }
        if (!entries.isEmpty()) check_text(entries.last());
        entries << parse_entry(line, file, number);
        open = true;
    }
    if (!entries.isEmpty()) check_text(entries.last());
    return entries;
}

QList<SpeechEntry> read_speech_sources(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    QList<SpeechEntry> all;
    QHash<QString, const SpeechEntry*> seen;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            throw DemoSourceError(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
        }
        all << read_speech_source(file.readAll(), path);
    }
    for (const SpeechEntry& entry : all) {
        const QString key = entry.output.toLower();
        if (const SpeechEntry* earlier = seen.value(key)) {
            throw DemoSourceError(entry.file, entry.line,
                                  QStringLiteral("%1 is already made by %2:%3")
                                      .arg(entry.output, earlier->file)
                                      .arg(earlier->line));
        }
        seen.insert(key, &entry);
    }
    return all;
}

} // namespace vimo
