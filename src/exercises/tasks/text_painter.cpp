#include "exercises/tasks/text_painter.h"

#include "core/qt_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace vimo {

namespace {

constexpr char16_t kSpace = u' ';

// word spells ascii exactly (or, with ignore_case, up to the letter case of a..z).
bool spells(std::string_view word, std::string_view ascii, bool ignore_case) {
    if (word.size() != 2 * ascii.size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        char16_t unit = uni_unit_at(word, static_cast<int>(i) + 1);
        if (ignore_case) unit = uni_upper_ascii(unit);
        if (unit != static_cast<char16_t>(static_cast<unsigned char>(ascii[i]))) return false;
    }
    return true;
}

} // namespace

std::vector<MarkedWord> split_marked_words(std::string_view text) {
    std::vector<MarkedWord> words;
    UniString current;
    int spaces = 0;
    const int units = uni_unit_count(text);
    for (int k = 1; k <= units; ++k) {
        const char16_t unit = uni_unit_at(text, k);
        if (unit == 0) break;
        if (unit == kSpace) {
            if (!current.empty()) {
                words.push_back({std::move(current), 0});
                current.clear();
                spaces = 0;
            }
            ++spaces;
            continue;
        }
        if (current.empty() && !words.empty()) words.back().spaces_after = spaces;
        current.append(uni_copy(text, k, 1));
    }
    if (!current.empty()) words.push_back({std::move(current), 0});
    return words;
}

int pen_steps(int spaces) {
    return spaces <= 0 ? 0 : 2 * spaces - 1;
}

bool is_tag_word(std::string_view word) {
    const int units = uni_unit_count(word);
    if (units == 0 || uni_unit_at(word, 1) != u'<') return false;
    for (int k = 2; k <= units; ++k) {
        if (uni_unit_at(word, k) == u'>') return true;
    }
    return false;
}

TagEffect tag_effect(std::string_view word, BreakMatch match) {
    if (!is_tag_word(word)) return TagEffect::none;
    if (spells(word, "<B>", false)) return TagEffect::bold_on;
    if (spells(word, "</B>", false)) return TagEffect::bold_off;
    if (spells(word, "<I>", false)) return TagEffect::italic_on;
    if (spells(word, "</I>", false)) return TagEffect::italic_off;
    if (spells(word, "<BR>", match == BreakMatch::any_case)) return TagEffect::line_break;
    return TagEffect::none;
}

TextStyle apply_tag(TextStyle style, TagEffect effect) {
    switch (effect) {
    case TagEffect::bold_on:
        style.bold = true;
        break;
    case TagEffect::bold_off:
        style.bold = false;
        break;
    case TagEffect::italic_on:
        style.italic = true;
        break;
    case TagEffect::italic_off:
        style.italic = false;
        break;
    case TagEffect::none:
    case TagEffect::line_break:
        break;
    }
    return style;
}

bool InstructionWordTable::add(const InstructionEntry& entry) {
    if (m_count >= kCapacity) return false;
    m_entries[static_cast<std::size_t>(m_count)] = entry;
    ++m_count;
    return true;
}

std::string_view instruction_variant(std::string_view language_folder, std::string_view field4,
                                     std::string_view field5, std::string_view field6) {
    if (language_folder == "Lang_r\\0\\" || language_folder == "Lang_r\\2\\") return field4;
    if (language_folder == "Lang_r\\1\\") return field6;
    if (language_folder == "Lang_r\\4\\") return field5;
    return {};
}

std::vector<PaintedWord> layout_instruction(std::string_view text, int box_width,
                                            const TextMeasure& measure,
                                            InstructionWordTable& table) {
    using namespace instruction_metrics;
    table.clear();
    std::vector<PaintedWord> painted;
    // A word that reaches the margin (x + w >= box_width - 10) starts a new line, so
    // the last pixel a word may end on is the one before the margin.
    WordFlow flow({.start_x = 0,
                   .top = 0,
                   .wrap_x = 0,
                   .right = box_width - right_margin - 1,
                   .line_step = line_step,
                   .gap = step,
                   .wide_word = WideWord::wraps});
    TextStyle style;
    // A drawn word and a pen step are placed alike: the margin test first, then the
    // entry, then the pen moves on.
    const auto place = [&](const UniString& word, int width) {
        const WordFlow::Place at = flow.place(width);
        table.add({at.x, at.y, at.x + width + step, at.y + entry_height, word});
        return at;
    };
    for (const MarkedWord& word : split_marked_words(text)) {
        if (is_tag_word(word.text)) {
            const TagEffect effect = tag_effect(word.text, BreakMatch::any_case);
            if (effect == TagEffect::line_break) flow.new_line();
            style = apply_tag(style, effect);
        } else {
            const int width = measure.width(word.text, style);
            const WordFlow::Place at = place(word.text, width);
            painted.push_back({at.x, at.y, word.text, style});
        }
        for (int s = pen_steps(word.spaces_after); s > 0; --s)
            place({}, 0);
    }
    return painted;
}

std::optional<UniString> instruction_word_at(const InstructionWordTable& table, int x, int y) {
    for (int i = 0; i < table.count(); ++i) {
        const InstructionEntry& e = table.entry(i);
        if (e.left <= x && x <= e.right && e.top <= y && y <= e.bottom) return e.word;
    }
    return std::nullopt;
}

bool instruction_mouse_down(const InstructionWordTable& table, Qt::MouseButton button, int x, int y,
                            const DictionaryOpen& open_dictionary) {
    if (button != Qt::RightButton) return false;
    const std::optional<UniString> word = instruction_word_at(table, x, y);
    if (!word) return false;
    if (open_dictionary) open_dictionary(*word, 0);
    return true;
}

QFont painter_font(int points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(points);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

QtTextMeasure::QtTextMeasure(QFont base, const QWidget* device)
    : m_base(std::move(base)), m_device(device) {}

QFont QtTextMeasure::font(TextStyle style) const {
    QFont styled = m_base;
    styled.setBold(style.bold);
    styled.setItalic(style.italic);
    return styled;
}

int QtTextMeasure::width(const UniString& word, TextStyle style) const {
    const QFontMetrics metrics =
        m_device ? QFontMetrics(font(style), m_device) : QFontMetrics(font(style));
    return metrics.horizontalAdvance(uni_to_qstring(word));
}

int QtTextMeasure::height() const {
    const QFontMetrics metrics = m_device ? QFontMetrics(m_base, m_device) : QFontMetrics(m_base);
    return metrics.height();
}

void draw_words(QPainter& painter, const QFont& base, const std::vector<PaintedWord>& words,
                const QWidget* device) {
    const QtTextMeasure measure(base, device);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const PaintedWord& word : words) {
        const QFont font = measure.font(word.style);
        painter.setFont(font);
        const int ascent =
            device ? QFontMetrics(font, device).ascent() : QFontMetrics(font).ascent();
        painter.drawText(QPoint(word.x, word.y + ascent), uni_to_qstring(word.text));
    }
}

void paint_instruction(QPainter& painter, const QWidget& box, std::string_view language_folder,
                       std::string_view field4, std::string_view field5, std::string_view field6,
                       InstructionWordTable& table) {
    const QFont font = painter_font(instruction_metrics::point_size);
    painter.setFont(font);
    painter.setPen(box.palette().color(QPalette::WindowText));
    const QtTextMeasure measure(font, &box);
    const std::string_view text = instruction_variant(language_folder, field4, field5, field6);
    draw_words(painter, font, layout_instruction(text, box.width(), measure, table), &box);
}

} // namespace vimo
