#include "exercises/stand_alone/information.h"

#include "core/word_flow.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vimo::information {

namespace {

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool is_space_unit(std::string_view text, int k) {
    return uni_unit_at(text, k) == u' ';
}

// The 8-bit form of a word, upper-cased, for comparing with the tokens.
std::string token_form(std::string_view word) {
    std::string form = uni_narrow(word, 1, uni_unit_count(word));
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
    // character such as U+0434 can survive that, and so does nothing else.
    while (text.size() >= 2 && text.back() == '\0' &&
           (text[text.size() - 2] == '\0' || text[text.size() - 2] == '\1'))
        text.pop_back();

    // Runs of spaces become one; whole units are compared, so letters whose low byte
    // is 20 hex (U+0420 and the like) stay, and a dangling odd byte, never part of a
    // character, is left out.
    std::string collapsed;
    collapsed.reserve(text.size());
    for (int k = 1; k <= uni_unit_count(text); ++k) {
        if (is_space_unit(text, k) && is_space_unit(text, k + 1)) continue;
        collapsed.append(uni_copy(text, k, 1));
    }
    const int first = is_space_unit(collapsed, 1) ? 2 : 1;

    UniString word;
    for (int k = first; k <= uni_unit_count(collapsed); ++k) {
        if (is_space_unit(collapsed, k)) {
            if (word.empty()) break; // only at a trailing space: runs are collapsed
            prepared.words.push_back(std::move(word));
            word.clear();
            if (prepared.words.size() == kMaxWords) return prepared;
            continue;
        }
        word.append(uni_copy(collapsed, k, 1));
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
    WordFlow flow({.start_x = kStart,
                   .top = kStart,
                   .wrap_x = kStart,
                   .right = kAreaWidth,
                   .line_step = kLineStep,
                   .gap = kGap,
                   .wide_word = WideWord::wraps});
    Style style;
    const UniString space = uni_widen(" ");
    const std::size_t count = words.size();
    for (std::size_t i = 0; i < count; ++i) {
        const UniString& word = words[i];
        const std::string form = token_form(word);
        // A bold word in brackets stands closer to them: "(" <b> word </b> ")".
        if (i > 0 && form == "<B>" && token_form(words[i - 1]) == "(")
            flow.move_pen(-measure.width(space, style));
        if (i + 1 < count && form == "</B>" && token_form(words[i + 1]) == ")")
            flow.move_pen(-measure.width(space, style));

        const Token token = classify(word);
        switch (token.kind) {
        case TokenKind::new_line:
            flow.new_line();
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
        case TokenKind::picture: {
            // Pictures are small and stay on their line: only words are wrapped.
            const WordFlow::Place at = flow.place_inline(measure.picture_width(token.picture));
            result.items.push_back({at.x, at.y, token.picture, {}, style});
            break;
        }
        case TokenKind::word: {
            const WordFlow::Place at = flow.place(measure.width(word, style));
            result.items.push_back({at.x, at.y, std::nullopt, word, style});
            break;
        }
        }
    }
    result.end_y = flow.y();
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
