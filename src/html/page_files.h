#pragma once
// How the viewer finds the files a course page names: the page itself ("file#anchor"),
// its style sheets and pictures, and the pages its links lead to. Course pages were
// written on a case-insensitive file system with "\" separators, so every name goes
// through the course's resolver; a name that is not found next to the page is looked
// for under the course root, where the course keeps "htm_r\style.css".

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace vimo {

struct PageAddress {
    std::string file;   // as given (a course path)
    std::string anchor; // after the first "#", "" when none
};

// "Htm_r\h_comp.html#filmy" → {"Htm_r\h_comp.html", "filmy"}.
PageAddress split_page_address(std::string_view address);
// file, or file + "#" + anchor.
std::string join_page_address(const PageAddress& address);

// The existing file that name (as written in a page: relative or absolute, "\" or "/",
// any letter case, percent-escapes decoded by the caller) names: first relative to
// page_folder, then relative to course_root (an empty folder is the working folder).
// "" when neither holds it.
std::string find_page_file(std::string_view name, const std::string& page_folder,
                           const std::string& course_root);

// True for a link the viewer does not show itself ("http:", "mailto:", ...): a scheme
// of two or more letters other than "file". A drive letter ("C:") is no scheme.
bool is_external_link(std::string_view href);

// The text of a page file: a byte-order mark or a declared charset decides; without
// them, UTF-8 when the bytes are valid UTF-8, else Windows-1250 (the course's 8-bit
// code page).
QString decode_page(const QByteArray& bytes);

// html with type="text/css" added to each style-sheet link that lacks a type: the
// course pages leave it out, and the text engine only reads sheets that say it.
QString with_style_sheet_types(const QString& html);

} // namespace vimo
