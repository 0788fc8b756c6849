#pragma once
// The results printout: the chooser's tree as the learner sees it (a group's items
// only below an unfolded group, an item's rows only below an unfolded item) composed
// as an HTML table with the kind pictures, level, done mark, dates and score of every
// row, ready for the program's printing. No widgets.

#include "navigation/chooser.h"

#include <QString>
#include <array>
#include <string>
#include <string_view>

namespace vimo {

// The seven header cells of the interface language, as HTML (0, 1 and 4 have words;
// the cells of any other language are empty).
std::array<QString, 7> results_header_words(int interface_language);

// The picture under "htm_r\" of a row's second column: by node kind for an item with
// rows, by kind code for a row or single item; "" for groups and kinds without one.
std::string_view results_kind_picture(const ChooserNode& node);

// The whole document: title, header, one row per shown row of the tree below root,
// footer. Pictures and the style sheet are file addresses under course_root.
QString results_printout(const ChooserNode& root, int interface_language,
                         const std::string& course_root);

} // namespace vimo
