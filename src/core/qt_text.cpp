#include "core/qt_text.h"

#include "core/encoding.h"

namespace vimo {

QString uni_to_qstring(std::string_view uni) {
    const int units = uni_unit_count(uni);
    QString text;
    text.reserve(units);
    for (int k = 1; k <= units; ++k) {
        const char16_t unit = uni_unit_at(uni, k);
        if (unit == 0) break; // the text ends at its first U+0000
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
