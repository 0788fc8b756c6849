#include "exercises/tasks/translation_page.h"

#include "core/encoding.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>

namespace vimo {

namespace {

// Only the head can declare the charset; a page's text may speak of one.
constexpr qsizetype kDeclarationReach = 1024;

QString from_cp1250(const QByteArray& bytes) {
    const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return QString::fromStdString(cp1250_to_utf8(raw));
}

QString decoded(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

std::optional<QString> by_byte_order_mark(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decoded(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decoded(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decoded(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    return std::nullopt;
}

// The charset a <meta> element of the page's start names, lower-cased; "" when none.
QString declared_charset(const QByteArray& bytes) {
    static const QRegularExpression meta(
        QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*([A-Za-z0-9_.:\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(kDeclarationReach));
    const QRegularExpressionMatch match = meta.match(head);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

std::optional<QString> by_declaration(const QByteArray& bytes) {
    const QString charset = declared_charset(bytes);
    if (charset.isEmpty()) return std::nullopt;
    if (charset == "windows-1250" || charset == "cp1250" || charset == "x-cp1250")
        return from_cp1250(bytes);
    QStringDecoder decoder(charset.toLatin1().constData());
    if (!decoder.isValid()) return std::nullopt;
    return decoder.decode(bytes);
}

} // namespace

std::string translation_path(const std::string& course_root, std::string_view file_name) {
    return course_root + "Wpisywania\\" + std::string(file_name);
}

QString decode_translation_page(const QByteArray& bytes) {
    if (std::optional<QString> text = by_byte_order_mark(bytes)) return *text;
    if (std::optional<QString> text = by_declaration(bytes)) return *text;
    return from_cp1250(bytes);
}

} // namespace vimo
