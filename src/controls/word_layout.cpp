#include "controls/word_layout.h"

namespace vimo {

namespace {

constexpr char16_t kSpace = 0x20;

char16_t unit_at(std::string_view s, std::size_t byte) {
    const auto low = static_cast<unsigned char>(s[byte]);
    const auto high = static_cast<unsigned char>(s[byte + 1]);
    return static_cast<char16_t>(low | (high << 8));
}

bool has_visible_unit(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        if (unit_at(s, i) != 0) return true;
    }
    return false;
}

void keep_word(std::vector<UniString>& words, std::string_view piece) {
    UniString trimmed = uni_trim(piece);
    if (has_visible_unit(trimmed)) words.push_back(std::move(trimmed));
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
    std::size_t start = 0;
    std::size_t i = 0;
    for (; i + 1 < caption.size(); i += 2) {
        const char16_t unit = unit_at(caption, i);
        if (unit == 0) break;
        if (unit != kSpace) continue;
        keep_word(words, caption.substr(start, i - start));
        start = i + 2;
    }
    keep_word(words, caption.substr(start, i - start));
    return words;
}

std::vector<WordLine> break_lines(const std::vector<UniString>& words, int label_width,
                                  int space_width, const WordWidth& width) {
    std::vector<WordLine> lines;
    for (int index = 0; index < static_cast<int>(words.size()); ++index) {
        const int word_width = width(words[static_cast<std::size_t>(index)]);
        if (!lines.empty() && !lines.back().words.empty()) {
            WordLine& line = lines.back();
            const int joined = line.width + space_width + word_width;
            if (joined <= label_width) {
                line.words.push_back(index);
                line.width = joined;
                continue;
            }
        }
        lines.push_back(WordLine{{index}, word_width});
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
