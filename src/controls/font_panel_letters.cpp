#include "controls/font_panel_letters.h"

#include <string_view>

namespace vimo {

namespace {

// In Windows-1252 the accented Latin letters have the code of their Unicode value.
std::vector<PanelLetter> western(std::u16string_view letters) {
    std::vector<PanelLetter> result;
    for (const char16_t letter : letters) {
        result.push_back(PanelLetter{letter, static_cast<unsigned char>(letter)});
    }
    return result;
}

// In Windows-1251 а..я are 0xE0..0xFF and ё is 0xB8.
std::vector<PanelLetter> cyrillic(std::u16string_view letters) {
    std::vector<PanelLetter> result;
    for (const char16_t letter : letters) {
        const unsigned char code =
            letter == u'ё' ? 0xB8 : static_cast<unsigned char>(letter - u'а' + 0xE0);
        result.push_back(PanelLetter{letter, code});
    }
    return result;
}

} // namespace

FontPanelLetters font_panel_letters(FontPanelLanguage language) {
    switch (language) {
    case FontPanelLanguage::Niemiecki:
        return {100, std::nullopt, 1252, western(u"äöüß")};
    case FontPanelLanguage::Francuski:
        return {210, std::nullopt, 1252, western(u"âàçéèêëïîôùû")};
    case FontPanelLanguage::Hiszpanski:
        return {172, 21, 1252, western(u"áéíñóúü¡¿")};
    case FontPanelLanguage::Wloski:
        return {140, std::nullopt, 1252, western(u"àèéìòù")};
    case FontPanelLanguage::Rosyjski:
        return {550, std::nullopt, 1251, cyrillic(u"ёйцукенгшщзхъфывапролджэячсмитьбю")};
    case FontPanelLanguage::Polski:
        break;
    }
    return {};
}

FontPanelLanguage font_panel_language(int course_variant) {
    switch (course_variant) {
    case 2:
        return FontPanelLanguage::Niemiecki;
    case 3:
        return FontPanelLanguage::Francuski;
    case 4:
        return FontPanelLanguage::Hiszpanski;
    default:
        return FontPanelLanguage::Polski;
    }
}

} // namespace vimo
