#pragma once
// The letters of the course language that a Polish keyboard lacks, typed with Ctrl +
// a letter key (Shift gives the capital where there is one). One table for every edit
// field that takes them: typing gaps, the dictionary's search field, the sentence and
// vocabulary answers.

#include <functional>
#include <optional>

class QWidget;

namespace vimo {

// The letter that Ctrl + qt_key types on a course of course_variant (2 German,
// 3 French, 4 Spanish), with shift for the capital; none where the key keeps its own
// meaning (every key of an English course, keys outside the table).
std::optional<char16_t> special_letter(int course_variant, int qt_key, bool shift);

// Makes Ctrl + letter keys in edit (a line edit or a text edit) type the letters of
// the course variant that course_variant() gives at the time of the key. Ctrl + Alt
// (AltGr) and keys outside the table pass unchanged. The handler is a child of edit.
void install_special_letters(QWidget* edit, std::function<int()> course_variant);

} // namespace vimo
