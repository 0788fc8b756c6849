#include "html/page_files.h"

#include "core/encoding.h"
#include "core/paths.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <cctype>

namespace vimo {

namespace {

bool is_absolute(std::string_view name) {
    return !name.empty() && (name.front() == '/' || name.front() == '\\');
}

std::string existing(const std::string& path) {
    if (!path_exists(path)) return {};
    return resolve_path(path);
}

std::string joined(const std::string& folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    return folder + "/" + std::string(name);
}

// Strips a "file:" scheme, which only says the name is local.
std::string_view without_file_scheme(std::string_view name) {
    constexpr std::string_view scheme = "file:";
    if (name.size() < scheme.size()) return name;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != scheme[i]) return name;
    }
    name.remove_prefix(scheme.size());
    // "file:///x" and "file:/x" both name /x.
    while (name.size() > 1 && name[0] == '/' && name[1] == '/')
        name.remove_prefix(1);
    return name;
}

bool valid_utf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

PageAddress split_page_address(std::string_view address) {
    const std::size_t hash = address.find('#');
    if (hash == std::string_view::npos) return {std::string(address), {}};
    return {std::string(address.substr(0, hash)), std::string(address.substr(hash + 1))};
}

std::string join_page_address(const PageAddress& address) {
    if (address.anchor.empty()) return address.file;
    return address.file + "#" + address.anchor;
}

std::string find_page_file(std::string_view name, const std::string& page_folder,
                           const std::string& course_root) {
    name = without_file_scheme(name);
    if (name.empty()) return {};
    if (is_absolute(name)) return existing(std::string(name));
    if (!page_folder.empty()) {
        if (std::string found = existing(joined(page_folder, name)); !found.empty()) return found;
    }
    return existing(joined(course_root, name));
}

bool is_external_link(std::string_view href) {
    const std::size_t colon = href.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    std::string scheme;
    for (const char c : href.substr(0, colon)) {
        const auto ch = static_cast<unsigned char>(c);
        const bool allowed =
            std::isalpha(ch) ||
            (!scheme.empty() && (std::isdigit(ch) || c == '+' || c == '-' || c == '.'));
        if (!allowed) return false;
        scheme += static_cast<char>(std::tolower(ch));
    }
    return scheme != "file";
}

QString with_style_sheet_types(const QString& html) {
    static const QRegularExpression link(QStringLiteral("<link\\b[^>]*>"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression style_sheet(
        QStringLiteral("\\brel\\s*=\\s*[\"']?\\s*stylesheet"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression typed(QStringLiteral("\\btype\\s*="),
                                          QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype done = 0;
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString tag = match.captured();
        if (!tag.contains(style_sheet) || tag.contains(typed)) continue;
        out += QStringView(html).mid(done, match.capturedStart() - done);
        out += QStringLiteral("<link type=\"text/css\"");
        out += QStringView(tag).mid(5);
        done = match.capturedEnd();
    }
    if (done == 0) return html;
    out += QStringView(html).mid(done);
    return out;
}

QString decode_page(const QByteArray& bytes) {
    const bool declared = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
                          bytes.startsWith("\xFE\xFF") ||
                          bytes.left(1024).toLower().contains("charset");
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (declared && decoder.isValid()) return decoder.decode(bytes);
    if (valid_utf8(bytes)) return QString::fromUtf8(bytes);
    const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return QString::fromStdString(cp1250_to_utf8(raw));
}

} // namespace vimo
