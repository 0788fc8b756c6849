#include "exercises/tasks/typing.h"

#include "core/paths.h"
#include "core/qt_text.h"
#include "core/text_file.h"

#include <QUrl>
#include <algorithm>
#include <array>
#include <string_view>

namespace vimo {

namespace {

// Course text is cut here as whole units; a read line ends at its U+0000.
std::u16string units_of(std::string_view s) {
    std::u16string units;
    for (int k = 1; k <= uni_unit_count(s); ++k) {
        const char16_t unit = uni_unit_at(s, k);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return units;
}

UniString uni_of(std::u16string_view units) {
    UniString uni;
    uni.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        uni.push_back(static_cast<char>(unit & 0xFF));
        uni.push_back(static_cast<char>(unit >> 8));
    }
    return uni;
}

bool is_blank_unit(char16_t unit) {
    return unit <= u' ';
}

std::u16string_view trimmed(std::u16string_view units) {
    while (!units.empty() && is_blank_unit(units.front()))
        units.remove_prefix(1);
    while (!units.empty() && is_blank_unit(units.back()))
        units.remove_suffix(1);
    return units;
}

// What a gap holds: trimmed, and truly empty when nothing is left (uni_trim would
// leave a zero byte there).
UniString held_text(std::string_view text) {
    return uni_is_blank(text) ? UniString{} : uni_trim(text);
}

std::u16string ascii_upper(std::u16string_view units) {
    std::u16string upper(units);
    std::transform(upper.begin(), upper.end(), upper.begin(), uni_upper_ascii);
    return upper;
}

std::u16string ascii_lower(std::u16string_view units) {
    std::u16string lower(units);
    std::transform(lower.begin(), lower.end(), lower.begin(), uni_lower_ascii);
    return lower;
}

std::string eight_bit(std::u16string_view units) {
    return uni_to_qstring(uni_of(units)).toStdString();
}

// The decimal number of digits, or nullopt for anything else (also for more digits
// than any width or tab stop needs).
std::optional<int> whole_number(std::u16string_view digits) {
    constexpr std::size_t kMaxDigits = 6;
    if (digits.empty() || digits.size() > kMaxDigits) return std::nullopt;
    int value = 0;
    for (const char16_t unit : digits) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        value = value * 10 + (unit - u'0');
    }
    return value;
}

// The units of a line after its label of label_units characters, trimmed.
std::u16string after_label(const UniString& line, std::size_t label_units) {
    const std::u16string units = units_of(line);
    if (units.size() <= label_units) return {};
    return std::u16string(trimmed(std::u16string_view(units).substr(label_units)));
}

int gap_width_of(const std::vector<UniString>& lines, const std::string& file) {
    constexpr std::size_t kLabel = 8;
    const std::u16string width = lines.empty() ? std::u16string{} : after_label(lines[0], kLabel);
    if (const std::optional<int> value = whole_number(width)) return *value;
    throw CourseFileError(file, 1,
                          "expected the gap width in pixels after 8 characters of label, found \"" +
                              eight_bit(width) + "\"");
}

bool is_punctuation(std::u16string_view token) {
    return token == u"." || token == u"," || token == u";" || token == u"!" || token == u"?";
}

// A gap's answer with "+" standing for a space.
UniString answer_text(std::u16string_view units) {
    std::u16string answer(units);
    std::replace(answer.begin(), answer.end(), u'+', u' ');
    return uni_of(answer);
}

class TokenReader {
public:
    TokenReader(TypingText& text, const std::string& file) : m_text(text), m_file(file) {}

    // False once the tokens or the gaps are full.
    bool take(std::u16string_view token, int line) {
        if (token.empty()) return true;
        if (token.front() == u'*') {
            m_shown = uni_of(token.substr(1));
            return true;
        }
        const bool gap = token.front() == u'&';
        if (m_text.tokens.size() >= static_cast<std::size_t>(kMaxTypingTokens) ||
            (gap && m_text.gaps.size() >= static_cast<std::size_t>(kMaxTypingGaps))) {
            m_text.overflow_line = line;
            return false;
        }
        TypingToken next = gap ? make_gap(token.substr(1)) : make_token(token, line);
        m_shown.clear();
        m_text.tokens.push_back(std::move(next));
        return true;
    }

private:
    TypingToken make_gap(std::u16string_view answer) {
        TypingToken token{.kind = TypingTokenKind::gap};
        const std::size_t split = answer.find(u'\\');
        TypingGap gap{.answer = answer_text(answer.substr(0, split)),
                      .token = static_cast<int>(m_text.tokens.size())};
        if (split != std::u16string_view::npos)
            gap.alternative = answer_text(answer.substr(split + 1));
        token.gap = static_cast<int>(m_text.gaps.size());
        if (!m_text.box_mode) {
            token.shown = m_shown;
            token.text = m_shown;
        }
        m_text.gaps.push_back(std::move(gap));
        return token;
    }

    TypingToken make_token(std::u16string_view units, int line) {
        const std::u16string upper = ascii_upper(units);
        TypingToken token{.text = uni_of(units)};
        if (upper == u"<BR>")
            token.kind = TypingTokenKind::line_break;
        else if (upper == u"<B>")
            token.kind = TypingTokenKind::bold_on;
        else if (upper == u"</B>")
            token.kind = TypingTokenKind::bold_off;
        else if (upper == u">>")
            token.kind = TypingTokenKind::raise;
        else if (upper == u"$%^")
            token.kind = TypingTokenKind::nothing;
        else if (is_punctuation(units))
            token.kind = TypingTokenKind::punctuation;
        else if (upper.starts_with(u"[TAB=") && upper.ends_with(u"]")) {
            token.kind = TypingTokenKind::tab;
            token.tab = tab_stop(std::u16string_view(upper).substr(5, upper.size() - 6), line);
            m_text.has_tab = true;
        }
        return token;
    }

    int tab_stop(std::u16string_view digits, int line) const {
        if (const std::optional<int> value = whole_number(digits)) return *value;
        throw CourseFileError(
            m_file, line,
            "expected a tab stop [TAB=number], found \"[TAB=" + eight_bit(digits) + "]\"");
    }

    TypingText& m_text;
    const std::string& m_file;
    UniString m_shown; // "*" + text waits for the next token
};

void read_tokens(TypingText& text, const std::vector<UniString>& lines, const std::string& file) {
    constexpr std::size_t kFirstTextLine = 4; // 0-based: line 5
    TokenReader reader(text, file);
    for (std::size_t i = kFirstTextLine; i < lines.size(); ++i) {
        const std::u16string units = units_of(lines[i]);
        std::u16string_view rest(units);
        const int line = static_cast<int>(i) + 1;
        while (!rest.empty()) {
            const std::size_t space = rest.find(u' ');
            if (!reader.take(trimmed(rest.substr(0, space)), line)) return;
            rest =
                space == std::u16string_view::npos ? std::u16string_view{} : rest.substr(space + 1);
        }
    }
}

} // namespace

TypingText parse_typing_file(const std::vector<UniString>& lines, const std::string& file) {
    constexpr std::size_t kGlossaryLabel = 12;
    constexpr std::size_t kModeLabel = 10;
    TypingText text;
    text.gap_width = gap_width_of(lines, file);
    if (lines.size() > 1) text.glossary = uni_of(after_label(lines[1], kGlossaryLabel));
    if (lines.size() > 2) text.box_mode = after_label(lines[2], kModeLabel) == u"1";
    read_tokens(text, lines, file);
    return text;
}

std::string typing_file_path(const std::string& course_root, const std::string& name) {
    return resolve_path(course_root + "Wpisywania\\" + name + "u.fcs");
}

std::optional<TypingText> load_typing_file(const std::string& path) {
    const std::optional<std::vector<UniString>> lines = read_course_text_file(path);
    if (!lines) return std::nullopt;
    return parse_typing_file(*lines, path);
}

std::string translation_file_name(const std::string& name) {
    return name + "_tlumacz.fcs";
}

std::string translation_file_path(const std::string& course_root, const std::string& name) {
    return resolve_path(course_root + "Wpisywania\\" + translation_file_name(name));
}

std::string typing_file_name(std::string_view content_line) {
    std::u16string_view content;
    const std::u16string units = units_of(content_line);
    const std::size_t hash = units.find(u'#');
    if (hash != std::u16string::npos) content = std::u16string_view(units).substr(hash + 1);
    content = trimmed(content);
    if (!content.empty() && content.front() == u'#') content.remove_prefix(1);
    return eight_bit(trimmed(content));
}

bool typing_matches(std::string_view typed, std::string_view expected, bool letter_case) {
    const std::u16string a = units_of(typed);
    const std::u16string b = units_of(expected);
    if (letter_case) return trimmed(a) == trimmed(b);
    return ascii_lower(trimmed(a)) == ascii_lower(trimmed(b));
}

UniString typing_placeholder(int gap_width, const TypingMeasure& measure) {
    // A gap is at most a few hundred pixels; the bound also ends a measure that gives 0.
    constexpr int kMaxUnderscores = 400;
    UniString placeholder;
    for (int n = 0; n < kMaxUnderscores && measure(placeholder, false) < gap_width - 20; ++n)
        placeholder += uni_widen("_");
    return placeholder;
}

int typing_max_scroll(int end_y, int height) {
    if (end_y <= height) return 0;
    return (end_y - height) / typing_metrics::line_step + 1;
}

namespace {

struct Pen {
    int x = typing_metrics::left;
    int y = 0;
    bool bold = false;
    bool restore = false; // ">>" lifted the pen: it comes down after the next drawn token
};

// Moves the pen for a token that draws nothing; false for a token that draws.
bool move_pen(Pen& pen, const TypingToken& token) {
    using namespace typing_metrics;
    switch (token.kind) {
    case TypingTokenKind::nothing:
        return true;
    case TypingTokenKind::raise:
        pen.x = 0;
        pen.y -= raise;
        pen.restore = true;
        return true;
    case TypingTokenKind::tab:
        pen.x = token.tab;
        return true;
    case TypingTokenKind::line_break:
        pen.x = left;
        pen.y += line_step;
        return true;
    case TypingTokenKind::bold_on:
    case TypingTokenKind::bold_off:
        pen.bold = token.kind == TypingTokenKind::bold_on;
        return true;
    default:
        return false;
    }
}

} // namespace

TypingLayout layout_typing(const TypingText& text, int width, int scroll, bool checked,
                           const TypingMeasure& measure) {
    using namespace typing_metrics;
    TypingLayout layout;
    layout.places.resize(text.tokens.size());
    const UniString placeholder =
        text.box_mode ? typing_placeholder(text.gap_width, measure) : UniString{};
    Pen pen{.y = line_step - line_step * scroll};
    for (std::size_t i = 0; i < text.tokens.size(); ++i) {
        const TypingToken& token = text.tokens[i];
        if (move_pen(pen, token)) continue;
        const bool gap = token.kind == TypingTokenKind::gap;
        const bool blank = gap && uni_is_blank(token.text);
        TypingDrawn drawn{.token = static_cast<int>(i), .bold = pen.bold, .blue = gap};
        drawn.text = !blank ? token.text : text.box_mode ? placeholder : token.shown;
        drawn.advance = blank ? text.gap_width + 2 : measure(token.text, pen.bold) + word_gap;
        if (pen.x + drawn.advance + wrap_slack >= width - left &&
            token.kind != TypingTokenKind::punctuation) {
            pen.x = left;
            pen.y += line_step;
        }
        const int place_width = gap ? drawn.advance : drawn.advance - word_gap;
        const bool out_of_reach = checked && gap && text.gaps[token.gap].correct;
        layout.places[i] = out_of_reach ? TypingPlace{-50, -50, place_width, line_step, true}
                                        : TypingPlace{pen.x, pen.y, place_width, line_step, true};
        drawn.x = pen.x;
        drawn.y = pen.y;
        if (checked && gap) {
            const bool correct = text.gaps[token.gap].correct;
            drawn.mark = correct ? TypingMark::ok : TypingMark::bad;
            pen.x += correct ? mark_ok_advance : mark_bad_advance;
        }
        drawn.text_x = pen.x;
        drawn.white_box = blank && uni_unit_at(drawn.text, 1) == u'_';
        drawn.underline = blank && !text.box_mode && uni_is_blank(drawn.text);
        pen.x += drawn.advance;
        if (pen.restore) {
            pen.y += raise;
            pen.restore = false;
        }
        layout.drawn.push_back(std::move(drawn));
    }
    layout.end_y = pen.y;
    return layout;
}

QString typing_style_sheet(const std::string& course_root) {
    const std::string path = resolve_path(course_root + "htm_r\\style.css");
    return QUrl::fromLocalFile(QString::fromStdString(path)).toString();
}

std::pair<QString, QString> typing_lesson_titles(const CourseTables& tables,
                                                 const DisplayNames& names,
                                                 std::string_view task_header) {
    const UniString field = uni_field(2, task_header, u'#');
    int number = 0;
    try {
        number = uni_digits_to_int(field);
    } catch (const ConversionError&) {
        return {};
    }
    for (const ComprehensionText& text : tables.texts) {
        if (text.number != number) continue;
        QString group;
        if (text.group >= 1 && text.group <= static_cast<int>(tables.groups.size()))
            group = uni_to_qstring(
                held_text(tables.groups[static_cast<std::size_t>(text.group - 1)].name));
        const std::string title(trim_8bit(text.title));
        const std::optional<UniString> display = names.find(title);
        return {group, display ? uni_to_qstring(held_text(*display)) : cp1250_to_qstring(title)};
    }
    return {};
}

namespace {

struct PrintedPiece {
    QString html;
    bool punctuation = false;
};

std::optional<PrintedPiece> printed_piece(const TypingToken& token) {
    switch (token.kind) {
    case TypingTokenKind::line_break:
        return PrintedPiece{"<BR>"};
    case TypingTokenKind::bold_on:
        return PrintedPiece{"<B>"};
    case TypingTokenKind::bold_off:
        return PrintedPiece{"</B>"};
    case TypingTokenKind::tab:
    case TypingTokenKind::raise:
    case TypingTokenKind::nothing:
        return std::nullopt; // layout of the screen, nothing to print
    case TypingTokenKind::gap:
        if (uni_is_blank(token.text)) return PrintedPiece{"__________"};
        break;
    default:
        break;
    }
    return PrintedPiece{uni_to_qstring(held_text(token.text)).toHtmlEscaped(),
                        token.kind == TypingTokenKind::punctuation};
}

} // namespace

QString typing_printout_document(const TypingText& text, const TypingPrintout& page) {
    std::vector<PrintedPiece> pieces;
    for (const TypingToken& token : text.tokens)
        if (std::optional<PrintedPiece> piece = printed_piece(token)) pieces.push_back(*piece);

    QString html = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
    html += "<link rel=\"stylesheet\" type=\"text/css\" href=\"" +
            page.style_sheet.toHtmlEscaped() + "\"></head><body>";
    html += QString::fromUtf8("<B>Lexaro Vimo - Rozumienie ze słuchu i Konwersacje</b><BR>");
    html += "<B>" + page.lesson_title.toHtmlEscaped() + "</B><BR>";
    html += "<B>" + page.lesson_name.toHtmlEscaped() + "</B><BR><BR>";
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        html += pieces[i].html;
        const bool before_punctuation = i + 1 < pieces.size() && pieces[i + 1].punctuation;
        if (!before_punctuation) html += ' ';
    }
    html += "<BR><BR>" + page.footer.toHtmlEscaped() + "<br></body></html>";
    return html;
}

void Typing::load(TypingText text) {
    m_text = std::move(text);
    m_scroll = 0;
    m_editing = -1;
    m_attempt = {};
    lay_out();
}

void Typing::relayout(int width, int height, const TypingMeasure& measure) {
    m_width = width;
    m_height = height;
    m_measure = measure;
    lay_out();
}

void Typing::lay_out() {
    if (!m_measure) return;
    m_layout = layout_typing(m_text, m_width, m_scroll, m_attempt.checked, m_measure);
    const int unscrolled_end = m_layout.end_y + typing_metrics::line_step * m_scroll;
    m_max_scroll = typing_max_scroll(unscrolled_end, m_height);
    if (m_scroll <= m_max_scroll) return;
    m_scroll = m_max_scroll;
    m_layout = layout_typing(m_text, m_width, m_scroll, m_attempt.checked, m_measure);
}

int Typing::gap_at(int x, int y) const {
    if (m_attempt.checked) return -1;
    for (std::size_t k = 0; k < m_text.gaps.size(); ++k) {
        const auto token = static_cast<std::size_t>(m_text.gaps[k].token);
        if (token < m_layout.places.size() && m_layout.places[token].contains(x, y))
            return static_cast<int>(k);
    }
    return -1;
}

int Typing::word_at(int x, int y) const {
    for (std::size_t i = 0; i < m_text.tokens.size() && i < m_layout.places.size(); ++i)
        if (m_text.tokens[i].kind == TypingTokenKind::word && m_layout.places[i].contains(x, y))
            return static_cast<int>(i);
    return -1;
}

void Typing::store(const UniString& editor_text) {
    if (m_editing < 0) return;
    const auto token =
        static_cast<std::size_t>(m_text.gaps[static_cast<std::size_t>(m_editing)].token);
    m_text.tokens[token].text = held_text(editor_text);
}

std::optional<UniString> Typing::open_gap(int k, const UniString& editor_text) {
    if (m_attempt.checked || k < 0 || k >= static_cast<int>(m_text.gaps.size()))
        return std::nullopt;
    const auto token = static_cast<std::size_t>(m_text.gaps[static_cast<std::size_t>(k)].token);
    const TypingPlace place =
        token < m_layout.places.size() ? m_layout.places[token] : TypingPlace{};
    if (!place.placed || place.y < 0 || place.y > m_height - typing_metrics::edge) {
        close_editor(editor_text);
        return std::nullopt;
    }
    store(editor_text);
    UniString text = std::move(m_text.tokens[token].text);
    m_text.tokens[token].text.clear();
    m_editing = k;
    lay_out();
    return text;
}

void Typing::close_editor(const UniString& editor_text) {
    store(editor_text);
    m_editing = -1;
    lay_out();
}

int Typing::next_gap() const {
    const int gaps = static_cast<int>(m_text.gaps.size());
    if (m_editing < 0 || gaps == 0) return -1;
    return (m_editing + 1) % gaps;
}

bool Typing::scroll_by(int step, const UniString& editor_text) {
    if (m_editing >= 0) close_editor(editor_text);
    const int next = std::clamp(m_scroll + step, 0, m_max_scroll);
    if (next == m_scroll) return false;
    m_scroll = next;
    lay_out();
    return true;
}

void Typing::check(const UniString& editor_text, bool letter_case) {
    if (m_attempt.checked) return;
    store(editor_text);
    m_editing = -1;
    int correct = 0;
    for (TypingGap& gap : m_text.gaps) {
        UniString& held = m_text.tokens[static_cast<std::size_t>(gap.token)].text;
        gap.correct =
            typing_matches(held, gap.answer, letter_case) ||
            (!uni_is_blank(gap.alternative) && typing_matches(held, gap.alternative, letter_case));
        if (gap.correct) {
            ++correct;
            continue;
        }
        gap.wrong_answer = held;
        held = gap.answer; // the learner sees what belonged there
    }
    const int gaps = static_cast<int>(m_text.gaps.size());
    m_attempt.check(correct, gaps - correct);
    m_scroll = 0;
    lay_out();
}

std::optional<UniString> Typing::hint_at(int x, int y, const UniString& typed_label,
                                         const UniString& nothing_label) const {
    using namespace typing_metrics;
    if (!m_attempt.checked) return std::nullopt;
    for (const TypingGap& gap : m_text.gaps) {
        const auto token = static_cast<std::size_t>(gap.token);
        if (gap.correct || token >= m_layout.places.size()) continue;
        const TypingPlace& place = m_layout.places[token];
        if (x < place.x || x > place.x + mark_width || y < place.y || y > place.y + mark_height)
            continue;
        // The labels are interface texts as read: their line end must not cut the hint.
        if (uni_is_blank(gap.wrong_answer)) return held_text(nothing_label);
        return held_text(typed_label) + uni_widen(" ") + gap.wrong_answer;
    }
    return std::nullopt;
}

} // namespace vimo
