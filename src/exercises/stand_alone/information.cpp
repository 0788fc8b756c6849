#include "exercises/stand_alone/information.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vimo::information {

namespace {

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool is_space_unit(std::string_view text, std::size_t byte) {
    return text[byte] == ' ' && text[byte + 1] == '\0';
}

// The 8-bit form of a word, upper-cased, for comparing with the tokens.
std::string token_form(std::string_view word) {
    std::string form = uni_narrow(word, 1, static_cast<int>(word.size() / 2));
    std::ranges::transform(form, form.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return form;
}

struct PictureToken {
    const char* token;
    const char* name;
};

// In the order of enum Picture.
constexpr std::array<PictureToken, kPictureCount> kPictures{{
    {"[1]", "poz_1"},
    {"[2]", "poz_2"},
    {"[3]", "poz_3"},
    {"[4]", "poz_4"},
    {"[TYP_1]", "zda_dyk"},
    {"[TYP_2]", "zda_roz"},
    {"[TYP_3]", "zda_tek"},
    {"[TYP_4]", "img_rpg"},
    {"[TYP_5]", "img_dia"},
    {"[YES]", "rob_yes"},
    {"[NO]", "rob_no"},
    {"[STAT_OK]", "stat_1"},
    {"[STAT_NO]", "stat_2"},
    {"[STAT_PROC]", "stat_3"},
    {"[STAT_ABC]", "stat_4"},
    {"[STAT_STRZ]", "stat_5"},
}};

} // namespace

PreparedText prepare_text(std::string_view information_text) {
    PreparedText prepared;
    std::string text(information_text);
    const std::string wide_marker("H\0H\0_\0", 6);
    if (starts_with(text, wide_marker)) {
        text.erase(0, wide_marker.size());
        prepared.background = Background::help;
    } else if (starts_with(text, "HH_")) {
        text.erase(0, 3);
        prepared.background = Background::help;
    }
    // The line's U+0000 and the zero byte uni_trim appends; a zero high byte of a
    // character such as U+0434 can survive that, and so does nothing else: a
    // dangling odd byte is never part of a character.
    while (text.size() >= 2 && text.back() == '\0' &&
           (text[text.size() - 2] == '\0' || text[text.size() - 2] == '\1'))
        text.pop_back();
    if (text.size() % 2 != 0) text.pop_back();

    // Runs of spaces become one; whole units are compared, so letters whose low byte
    // is 20 hex (U+0420 and the like) stay.
    std::string collapsed;
    collapsed.reserve(text.size());
    for (std::size_t byte = 0; byte + 1 < text.size(); byte += 2) {
        const bool space = is_space_unit(text, byte);
        if (space && byte + 3 < text.size() && is_space_unit(text, byte + 2)) continue;
        collapsed.append(text, byte, 2);
    }
    std::size_t start = 0;
    if (collapsed.size() >= 2 && is_space_unit(collapsed, 0)) start = 2;

    UniString word;
    for (std::size_t byte = start; byte + 1 < collapsed.size(); byte += 2) {
        if (is_space_unit(collapsed, byte)) {
            if (word.empty()) break; // only at a trailing space: runs are collapsed
            prepared.words.push_back(std::move(word));
            word.clear();
            if (prepared.words.size() == kMaxWords) return prepared;
            continue;
        }
        word.append(collapsed, byte, 2);
    }
    if (!word.empty() && prepared.words.size() < kMaxWords)
        prepared.words.push_back(std::move(word));
    return prepared;
}

std::string picture_name(Picture picture) {
    return kPictures[static_cast<std::size_t>(picture)].name;
}

Token classify(std::string_view word) {
    const std::string form = token_form(word);
    if (form == "<BR>" || form == "@") return {TokenKind::new_line};
    if (form == "<B>") return {TokenKind::bold_on};
    if (form == "</B>") return {TokenKind::bold_off};
    if (form == "<I>") return {TokenKind::italic_on};
    if (form == "</I>") return {TokenKind::italic_off};
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        if (form == kPictures[i].token) return {TokenKind::picture, static_cast<Picture>(i)};
    }
    return {TokenKind::word};
}

Layout layout(const std::vector<UniString>& words, const Measure& measure) {
    Layout result;
    int x = kStart;
    int y = kStart;
    Style style;
    const UniString space = uni_widen(" ");
    const std::size_t count = words.size();
    for (std::size_t i = 0; i < count; ++i) {
        const UniString& word = words[i];
        const std::string form = token_form(word);
        // A bold word in brackets stands closer to them: "(" <b> word </b> ")".
        if (i > 0 && form == "<B>" && token_form(words[i - 1]) == "(")
            x -= measure.width(space, style);
        if (i + 1 < count && form == "</B>" && token_form(words[i + 1]) == ")")
            x -= measure.width(space, style);

        const Token token = classify(word);
        switch (token.kind) {
        case TokenKind::new_line:
            y += kLineStep;
            x = kStart;
            break;
        case TokenKind::bold_on:
            style.bold = true;
            break;
        case TokenKind::bold_off:
            style.bold = false;
            break;
        case TokenKind::italic_on:
            style.italic = true;
            break;
        case TokenKind::italic_off:
            style.italic = false;
            break;
        case TokenKind::picture:
            result.items.push_back({x, y, token.picture, {}, style});
            x += measure.picture_width(token.picture) + kGap;
            break;
        case TokenKind::word: {
            const int width = measure.width(word, style);
            if (x + width > kAreaWidth) {
                y += kLineStep;
                x = kStart;
            }
            result.items.push_back({x, y, std::nullopt, word, style});
            x += width + kGap;
            break;
        }
        }
    }
    result.end_y = y;
    return result;
}

int largest_scroll_position(int end_y) {
    if (end_y < kAreaHeight) return 0;
    return (end_y - kAreaHeight) / kLineStep + 1;
}

void Scroll::reset(int largest) {
    m_position = 0;
    m_largest = std::max(0, largest);
    m_up_shown = false;
    m_down_shown = m_largest > 0;
}

void Scroll::up() {
    if (m_position > 0) --m_position;
    if (m_position == 0) m_up_shown = false;
    m_down_shown = true;
}

void Scroll::down() {
    if (m_position < m_largest) ++m_position;
    if (m_position == m_largest) m_down_shown = false;
    m_up_shown = true;
}

} // namespace vimo::information
