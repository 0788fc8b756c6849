#include "demo_builder/source_text.h"

#include "core/encoding.h"

#include <QStringDecoder>

namespace vimo {

namespace {

QString located(const QString& file, int line, const QString& problem) {
    if (line <= 0) return file + QStringLiteral(": ") + problem;
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(problem);
}

QByteArray without_utf8_bom(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    return bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes;
}

// Each line is decoded on its own so that an error can be pinned to its line; the
// byte-order mark has already been handled, so a U+FEFF inside the text is kept.
QString decode_line(const QByteArray& line, const QString& file, int number) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(line);
    if (decoder.hasError()) throw DemoSourceError(file, number, QStringLiteral("not valid UTF-8"));
    return text;
}

} // namespace

DemoSourceError::DemoSourceError(const QString& file, int line, const QString& problem)
    : std::runtime_error(located(file, line, problem).toStdString()), m_file(file), m_line(line),
      m_problem(problem) {}

QStringList decode_utf8_lines(const QByteArray& bytes, const QString& file) {
    QList<QByteArray> raw = without_utf8_bom(bytes).split('\n');
    if (raw.last().isEmpty()) raw.removeLast();
    QStringList lines;
    lines.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (line.endsWith('\r')) line.chop(1);
        lines << decode_line(line, file, static_cast<int>(i + 1));
    }
    return lines;
}

QByteArray encode_course_text(const QStringList& lines) {
    QByteArray out("\xFF\xFE", 2);
    const auto put_unit = [&out](char16_t unit) {
        out.append(static_cast<char>(unit & 0xFF));
        out.append(static_cast<char>(unit >> 8));
    };
    for (const QString& line : lines) {
        for (const QChar c : line)
            put_unit(c.unicode());
        put_unit(u'\r');
        put_unit(u'\n');
    }
    return out;
}

QByteArray encode_cp1250_text(const QStringList& lines, const QString& file) {
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::string utf8 = lines[i].toStdString();
        const std::string cp1250 = utf8_to_cp1250(utf8);
        // The converter puts "?" where the code page has no character; converting back
        // shows whether anything was lost.
        if (cp1250_to_utf8(cp1250) != utf8) {
            throw DemoSourceError(file, static_cast<int>(i + 1),
                                  QStringLiteral("holds a character Windows-1250 cannot hold"));
        }
        out.append(cp1250.data(), static_cast<qsizetype>(cp1250.size()));
        out.append("\r\n");
    }
    return out;
}

} // namespace vimo
