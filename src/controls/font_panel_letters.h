#pragma once
// The letters of the foreign-letter panel for each course language, with the 8-bit
// code each letter has in its character set.
#include <optional>
#include <vector>

namespace vimo {

enum class FontPanelLanguage { Polski, Niemiecki, Francuski, Hiszpanski, Wloski, Rosyjski };

struct PanelLetter {
    char16_t character = 0;
    unsigned char code = 0; // in the panel's code page
};

struct FontPanelLetters {
    std::optional<int> width;  // none: the panel keeps its width
    std::optional<int> height; // none: the panel keeps its height
    int code_page = 1252;      // 1252 Western, 1251 Cyrillic
    std::vector<PanelLetter> letters;
};

FontPanelLetters font_panel_letters(FontPanelLanguage language);

// The panel's language for a course variant: 2 German, 3 French, 4 Spanish; an
// English course (1) has a panel without letters.
FontPanelLanguage font_panel_language(int course_variant);

// Letter number n (1-based) sits at x = 19 n - 18, y = 1, 20 pixels wide.
inline constexpr int letter_left(int n) {
    return 19 * n - 18;
}
inline constexpr int kLetterTop = 1;
inline constexpr int kLetterWidth = 20;

} // namespace vimo
