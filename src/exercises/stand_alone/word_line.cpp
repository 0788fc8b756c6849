#include "exercises/stand_alone/word_line.h"

#include <algorithm>

namespace vimo {

namespace {

bool is_single(char c) {
    return c == '%' || c == ',' || c == '<' || c == '>' || c == '@' || c == '^';
}

bool is_attached_mark(std::string_view token) {
    return token == "," || token == ";" || token == "!" || token == "." || token == ":";
}

bool is_blank(std::string_view token) {
    return std::all_of(token.begin(), token.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

} // namespace

std::vector<std::string> word_line_tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size() && tokens.size() < kMaxWordLineTokens) {
        const char c = text[i];
        std::size_t end = i + 1;
        if (c == ' ') {
            while (end < text.size() && text[end] == ' ')
                ++end;
        } else if (!is_single(c)) {
            while (end < text.size() && text[end] != ' ' && !is_single(text[end]))
                ++end;
        }
        const std::string_view token = text.substr(i, end - i);
        if (!is_blank(token)) tokens.emplace_back(token);
        i = end;
    }
    return tokens;
}

WordLineLayout lay_out_word_line(const std::vector<std::string>& tokens, int box_width,
                                 bool highlighting, const TextWidth& width) {
    WordLineLayout layout;
    int x = 0;
    int line = 0;
    bool blue = false;
    bool drawn = false;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const std::string& token = tokens[k];
        if (highlighting && (token == "<" || token == ">")) {
            blue = token == "<";
            continue;
        }
        std::string piece = token + " ";
        const bool next_is_mark = k + 1 < tokens.size() && is_attached_mark(tokens[k + 1]);
        if (next_is_mark && token != "...") piece = token;
        const int piece_width = width(piece);
        if (!is_attached_mark(token) && x > 0 && x + piece_width > box_width - 4) {
            x = 0;
            ++line;
        }
        if (token == "@") {
            x = 0;
            ++line;
            continue;
        }
        layout.tokens.push_back({token, x, line, blue});
        drawn = true;
        x += piece_width;
    }
    layout.lines = drawn ? line + 1 : 0;
    return layout;
}

bool fits_plain_word_line(std::string_view text) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return characters <= kPlainWordLineCharacters;
}

} // namespace vimo
