#include "core/qt_text.h"

#include "core/encoding.h"

namespace vimo {

QString uni_to_qstring(std::string_view uni) {
    QString text;
    text.reserve(static_cast<qsizetype>(uni.size() / 2));
    for (std::size_t i = 0; i + 1 < uni.size(); i += 2) {
        const auto low = static_cast<unsigned char>(uni[i]);
        const auto high = static_cast<unsigned char>(uni[i + 1]);
        const auto unit = static_cast<char16_t>(low | (high << 8));
        if (unit == 0) break;
        text.append(QChar(unit));
    }
    return text;
}

UniString qstring_to_uni(const QString& text) {
    UniString uni;
    uni.reserve(2 * static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        uni.push_back(static_cast<char>(c.unicode() & 0xFF));
        uni.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return uni;
}

QString cp1250_to_qstring(std::string_view text) {
    return QString::fromStdString(cp1250_to_utf8(text));
}

} // namespace vimo
