#include "core/settings.h"

#include "core/atomic_file.h"
#include "core/interface_texts.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace vimo {

namespace {

constexpr int first_repetition_value = 1;
constexpr int last_repetition_value = 100;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The lines of one settings file, numbered from 1 as the file's layout counts them.
class SettingsLines {
public:
    SettingsLines(const std::vector<std::string>& lines, const std::string& file)
        : m_lines(lines), m_file(file) {}

    bool has(int line) const { return static_cast<std::size_t>(line) <= m_lines.size(); }
    std::string_view text(int line) const { return trim_8bit(m_lines[line - 1]); }

    bool flag(int line, bool fallback) const { return has(line) ? text(line) == "T" : fallback; }

    int number(int line, int fallback, const std::string& expected) const {
        if (!has(line)) return fallback;
        try {
            return int_or_zero(text(line));
        } catch (const ConversionError& error) {
            throw CourseFileError(m_file, line,
                                  "expected " + expected + ", found \"" + error.text() + "\"");
        }
    }

    bool number_is_one(int line, bool fallback) const {
        return number(line, fallback ? 1 : 0, "the number 1 or 0") == 1;
    }

    // Line 1 must hold a number: a blank one is as malformed as a word.
    int language(int fallback) const {
        const std::string expected = "the interface language number 0 to 4";
        if (!has(1)) return fallback;
        if (text(1).empty())
            throw CourseFileError(m_file, 1, "expected " + expected + ", found an empty line");
        const int number = this->number(1, fallback, expected);
        return number >= 0 && number < language_count ? number : fallback;
    }

private:
    const std::vector<std::string>& m_lines;
    const std::string& m_file;
};

const char* flag_text(bool on) {
    return on ? "T" : "N";
}

const char* number_flag_text(bool on) {
    return on ? "1" : "0";
}

// Digits only, and the number they write within the repetition range (no overflow for
// any count of digits).
bool is_digits_only(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), is_digit);
}

bool is_repetition_value(std::string_view digits) {
    const std::size_t first_nonzero = digits.find_first_not_of('0');
    if (first_nonzero == std::string_view::npos) return false;
    const std::string_view significant = digits.substr(first_nonzero);
    if (significant.size() > 3) return false;
    const int value = std::stoi(std::string(significant));
    return value >= first_repetition_value && value <= last_repetition_value;
}

} // namespace

void Settings::set_punctuation_and_letter_count(bool on) {
    punctuation = on;
    letter_count = on;
}

Settings default_settings(int language) {
    Settings settings;
    settings.language = language;
    return settings;
}

std::string settings_file_path(const Config& config) {
    return config.learner_folder + "ustaw_" + config.results_file_name + ".txt";
}

Settings parse_settings(const std::vector<std::string>& lines, const std::string& file,
                        int default_language) {
    const SettingsLines in(lines, file);
    const Settings defaults = default_settings(default_language);
    const std::string whole_number = "a whole number";
    Settings s;
    s.language = in.language(default_language);
    s.letter_case = in.flag(2, defaults.letter_case);
    s.punctuation = in.flag(3, defaults.punctuation);
    s.sentences_drag_drop = in.flag(4, defaults.sentences_drag_drop);
    s.block_access = in.flag(5, defaults.block_access);
    s.sentence_notice = in.flag(6, defaults.sentence_notice);
    s.dictionary_for_vocabulary = in.flag(7, defaults.dictionary_for_vocabulary);
    s.first_task_notice = in.flag(8, defaults.first_task_notice);
    s.animations = in.flag(9, defaults.animations);
    s.repetitions_on = in.number_is_one(10, defaults.repetitions_on);
    s.repetition_threshold = in.number(11, defaults.repetition_threshold, whole_number);
    s.repetition_interval = in.number(12, defaults.repetition_interval, whole_number);
    s.repetitions_when_interrupted = in.number_is_one(13, defaults.repetitions_when_interrupted);
    s.letter_count = in.flag(14, defaults.letter_count);
    return s;
}

std::string settings_file_text(const Settings& s) {
    const std::string values[settings_line_count] = {
        std::to_string(s.language),
        flag_text(s.letter_case),
        flag_text(s.punctuation),
        flag_text(s.sentences_drag_drop),
        flag_text(s.block_access),
        flag_text(s.sentence_notice),
        flag_text(s.dictionary_for_vocabulary),
        flag_text(s.first_task_notice),
        flag_text(s.animations),
        number_flag_text(s.repetitions_on),
        std::to_string(s.repetition_threshold),
        std::to_string(s.repetition_interval),
        number_flag_text(s.repetitions_when_interrupted),
        flag_text(s.letter_count),
    };
    std::string text;
    for (const std::string& value : values)
        text += value + "\r\n";
    return text;
}

Settings settings_load(const std::string& path, int default_language) {
    const std::string resolved = resolve_path(path);
    const std::optional<std::vector<std::string>> lines = read_8bit_lines(resolved);
    if (lines) return parse_settings(*lines, resolved, default_language);

    const Settings defaults = default_settings(default_language);
    write_file_atomically(resolved, settings_file_text(defaults));
    return defaults;
}

void settings_save(const std::string& path, const Settings& settings) {
    write_file_atomically(resolve_path(path), settings_file_text(settings));
}

int validate_repetition_fields(std::string_view threshold, std::string_view interval) {
    const std::string_view threshold_text = trim_8bit(threshold);
    const std::string_view interval_text = trim_8bit(interval);
    if (!is_digits_only(threshold_text)) return threshold_not_digits_text;
    if (!is_digits_only(interval_text)) return interval_not_digits_text;
    if (!is_repetition_value(threshold_text)) return threshold_out_of_range_text;
    if (!is_repetition_value(interval_text)) return interval_out_of_range_text;
    return 0;
}

} // namespace vimo
