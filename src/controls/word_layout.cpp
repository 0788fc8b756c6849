#include "controls/word_layout.h"

#include "core/word_flow.h"

namespace vimo {

namespace {

constexpr char16_t kSpace = 0x20;

void keep_word(std::vector<UniString>& words, std::string_view piece) {
    if (!uni_is_blank(piece)) words.push_back(uni_trim(piece));
}

int line_start(const WordHitMetrics& metrics, int line_width) {
    switch (metrics.align) {
    case TextAlign::Center:
        return (metrics.label_width - line_width) / 2;
    case TextAlign::Right:
        return metrics.label_width - line_width;
    case TextAlign::Left:
        break;
    }
    return 0;
}

// Index of the line looked at, or -1 when the point lies below the text.
int line_index(int line_count, int line_height, int y) {
    if (line_count == 0 || line_height <= 0) return -1;
    const int wanted = y / line_height;
    if (wanted < line_count) return wanted;
    if (line_count * line_height < y) return -1;
    return line_count - 1;
}

} // namespace

std::vector<UniString> split_words(std::string_view caption) {
    std::vector<UniString> words;
    int first = 1; // the unit the current word starts at
    int k = 1;
    for (; k <= uni_unit_count(caption); ++k) {
        const char16_t unit = uni_unit_at(caption, k);
        if (unit == 0) break;
        if (unit != kSpace) continue;
        keep_word(words, uni_copy(caption, first, k - first));
        first = k + 1;
    }
    keep_word(words, uni_copy(caption, first, k - first));
    return words;
}

std::vector<WordLine> break_lines(const std::vector<UniString>& words, int label_width,
                                  int space_width, const WordWidth& width) {
    std::vector<WordLine> lines;
    // Only the line numbers count here: the label paints its lines itself.
    WordFlow flow(0, 0, label_width, 0, space_width);
    for (int index = 0; index < static_cast<int>(words.size()); ++index) {
        const int word_width = width(words[static_cast<std::size_t>(index)]);
        const WordFlow::Place at = flow.place(word_width);
        while (static_cast<int>(lines.size()) <= at.line)
            lines.emplace_back();
        WordLine& line = lines.back();
        line.words.push_back(index);
        line.width = at.x + word_width;
    }
    return lines;
}

UniString word_at(std::string_view caption, const WordHitMetrics& metrics, const WordWidth& width,
                  int x, int y) {
    const std::vector<UniString> words = split_words(caption);
    const std::vector<WordLine> lines =
        break_lines(words, metrics.label_width, metrics.space_width, width);
    const int index = line_index(static_cast<int>(lines.size()), metrics.line_height, y);
    if (index < 0) return {};
    const WordLine& line = lines[static_cast<std::size_t>(index)];
    int start = line_start(metrics, line.width);
    for (const int word : line.words) {
        const UniString& text = words[static_cast<std::size_t>(word)];
        const int word_width = width(text);
        if (start < x && x < start + word_width) return text;
        start += word_width + metrics.space_width;
    }
    return {};
}

} // namespace vimo
