#include "demo_builder/demo_course.h"

#include "demo_builder/source_text.h"
#include "demo_builder/speech_source.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

namespace vimo {

namespace {

enum class SourceRule { CourseText, Cp1250Text, Copy, Artwork, Speech };

struct RuleFolder {
    const char* name = "";
    SourceRule rule = SourceRule::Copy;
};

constexpr std::array k_rule_folders{
    RuleFolder{"utf16", SourceRule::CourseText},
    RuleFolder{"cp1250", SourceRule::Cp1250Text},
    RuleFolder{"copy", SourceRule::Copy},
    RuleFolder{k_art_folder, SourceRule::Artwork},
    RuleFolder{k_speech_folder, SourceRule::Speech},
};

QString known_folder_names() {
    QStringList names;
    for (const RuleFolder& folder : k_rule_folders)
        names << QString::fromLatin1(folder.name);
    return names.join(QStringLiteral(", "));
}

bool is_rule_folder(const QFileInfo& entry) {
    if (!entry.isDir()) return false;
    for (const RuleFolder& folder : k_rule_folders) {
        if (entry.fileName() == QLatin1String(folder.name)) return true;
    }
    return false;
}

// A stray folder or file at the top would otherwise be left out without a word.
void check_top_level(const QDir& source) {
    const auto entries = source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (is_rule_folder(entry)) continue;
        throw DemoSourceError(entry.filePath(), 0,
                              QStringLiteral("no rule for this entry (the top level holds only "
                                             "the folders %1)")
                                  .arg(known_folder_names()));
    }
}

QByteArray read_source(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw DemoSourceError(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    }
    return file.readAll();
}

QByteArray convert(SourceRule rule, const QString& path, const QString& course_root) {
    const QByteArray bytes = read_source(path);
    if (rule == SourceRule::Copy) return bytes;
    QStringList lines = decode_utf8_lines(bytes, path);
    if (rule == SourceRule::CourseText) return encode_course_text(lines);
    lines.replaceInStrings(QLatin1String(k_course_root_token), course_root);
    return encode_cp1250_text(lines, path);
}

// Files in a stable order, so that the first bad source reported is always the same.
QStringList files_under(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QStringList build_rule_folder(const RuleFolder& folder, const QDir& source,
                              const QString& course_root) {
    const QString folder_path = source.filePath(QString::fromLatin1(folder.name));
    const QDir base(folder_path);
    QStringList written;
    for (const QString& path : files_under(folder_path)) {
        const QString target = course_root + base.relativeFilePath(path);
        write_file_atomically(target, convert(folder.rule, path, course_root));
        written << target;
    }
    return written;
}

} // namespace

QString course_root_path(const QString& folder) {
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return absolute.endsWith(u'/') ? absolute : absolute + u'/';
}

void write_file_atomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        throw DemoSourceError(path, 0, QStringLiteral("its folder cannot be created"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw DemoSourceError(path, 0, QStringLiteral("cannot be written: ") + file.errorString());
    }
    file.write(bytes);
    if (!file.commit()) {
        throw DemoSourceError(path, 0, QStringLiteral("cannot be written: ") + file.errorString());
    }
}

QStringList build_demo_texts(const QString& source_dir, const QString& output_dir) {
    const QDir source(source_dir);
    if (!source.exists()) {
        throw DemoSourceError(source_dir, 0, QStringLiteral("source folder does not exist"));
    }
    check_top_level(source);
    const QString course_root = course_root_path(output_dir);
    QStringList written;
    for (const RuleFolder& folder : k_rule_folders) {
        // Drawn and synthesised by their own builders (artwork.h, speech_build.h).
        if (folder.rule == SourceRule::Artwork || folder.rule == SourceRule::Speech) continue;
        if (!source.exists(QString::fromLatin1(folder.name))) continue;
        written << build_rule_folder(folder, source, course_root);
    }
    return written;
}

} // namespace vimo
