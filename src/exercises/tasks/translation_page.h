#pragma once
// The translation of a typing text: an HTML page in "Wpisywania\" whatever its file's
// extension, and how its bytes become text. No widgets.

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace vimo {

// The course path of the translation file_name ("Wpisywania\" + file_name under
// course_root), not yet resolved.
std::string translation_path(const std::string& course_root, std::string_view file_name);

// The page's text: a byte-order mark (UTF-8, UTF-16 either way round) decides; else
// the charset its head declares (<meta charset=...> or content="...; charset=...");
// else, as for every 8-bit course file, Windows-1250. A charset the program cannot
// read counts as none.
QString decode_translation_page(const QByteArray& bytes);

} // namespace vimo
