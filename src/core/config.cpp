#include "core/config.h"

#include "core/text_file.h"
#include "core/uni.h"

#include <array>

namespace vimo {

std::string Config::language_path(std::string_view name) const {
    return course_root + language_folder + std::string(name);
}

std::string Config::course_path(std::string_view name) const {
    return course_root + std::string(name);
}

std::string media_root_from_vr60(std::string_view line2) {
    std::string root(line2.size() > 3 ? line2.substr(3) : std::string_view{});
    if (root.empty() || root.back() != '\\') root += '\\';
    return root;
}

namespace {

int parse_line(const std::vector<std::string>& lines, std::size_t index, const std::string& file,
               const std::string& expected) {
    if (index >= lines.size()) return 0;
    try {
        return int_or_zero(lines[index]);
    } catch (const ConversionError& error) {
        throw CourseFileError(file, static_cast<int>(index) + 1,
                              "expected " + expected + ", found \"" + error.text() + "\"");
    }
}

} // namespace

CourseProfile parse_prof_r(const std::vector<std::string>& lines, const std::string& file) {
    const std::string variant_expected = "the course variant 1 to 4";
    CourseProfile profile;
    if (!lines.empty()) profile.window_caption = lines[0];
    const int variant = parse_line(lines, 1, file, variant_expected);
    if (variant < 0 || variant > 4) {
        throw CourseFileError(
            file, 2, "expected " + variant_expected + ", found " + std::to_string(variant));
    }
    profile.course_variant = variant == 0 ? 1 : variant;
    profile.vocabulary_flag = parse_line(lines, 2, file, "the vocabulary flag 0 or 1") == 1;
    return profile;
}

void apply_course_variant(Config& config, int variant) {
    static constexpr std::array<char, 4> letters{'a', 'n', 'f', 'p'};
    config.course_variant = variant;
    config.variant_letter = letters.at(static_cast<std::size_t>(variant - 1));
    config.results_file_name = "v" + std::to_string(variant) + "r2_55";
    config.course_font = CourseFont{"Verdana", variant == 3 ? 0 : 238};
}

void set_interface_language(Config& config, int number) {
    config.language_number = number;
    config.language_folder = "Lang_r\\" + std::to_string(number) + "\\";
}

} // namespace vimo
