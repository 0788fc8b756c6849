// The sentence lines, one per file line, and the sections they form.

#include "core/course_loaders.h"
#include "core/loader_support.h"

#include <map>
#include <set>
#include <tuple>

namespace vimo {

using namespace loading;

namespace {

SentenceLine blank_sentence_line() {
    SentenceLine line;
    line.translation = uni_widen(missing_translation_text);
    return line;
}

// Level, section and group index from the first five characters of the 8-bit form.
bool parse_sentence_code(const UniString& raw, const LineCheck& check, SentenceLine& line) {
    const std::string code = narrow_all(uni_field(1, raw, u'=')).substr(0, 5);
    if (code.size() < 5) {
        check.error("expected the level, the section and the group index in the first five "
                    "characters (such as 10503=), found " +
                    shown16(raw));
        return false;
    }
    if (code[0] < '0' || code[0] > '9') {
        check.error("expected the level digit as the first character, found " +
                    shown8(code.substr(0, 1)));
        return false;
    }
    const auto group = check.group(check.number(code.substr(3, 2), kGroupExpected));
    if (!group) return false;
    line.level = code[0] - '0';
    line.section = code.substr(1, 2);
    line.group = *group;
    return true;
}

void parse_sentence_fields(const UniString& raw, SentenceLine& line) {
    line.sentence = without_angle_units(field16(raw, 2));
    for (std::size_t k = 0; k < line.alternatives.size(); ++k)
        line.alternatives[k] = field16(raw, static_cast<int>(k) + 3);
    line.field6 = field16(raw, 6);
    const UniString translation = field16(raw, 8);
    line.translation =
        uni_is_blank(translation) ? uni_widen(missing_translation_text) : translation;
    // Each filled field raises the count to its own place: fields 3 and 4 empty with
    // field 5 filled still give 4.
    line.alternatives_count = 1;
    for (std::size_t k = 0; k < line.alternatives.size(); ++k) {
        if (!uni_is_blank(line.alternatives[k])) line.alternatives_count = static_cast<int>(k) + 2;
    }
}

// A file line as a sentence line; false when it belongs to no section (blank or bad).
bool parse_sentence_line(const UniString& raw, const LineCheck& check, SentenceLine& line) {
    line = blank_sentence_line();
    if (uni_is_blank(raw)) return false;
    if (!parse_sentence_code(raw, check, line)) return false;
    parse_sentence_fields(raw, line);
    if (uni_is_blank(line.sentence)) check.warning("the line has no sentence in field 2");
    return true;
}

// The sections in order of their first line: lines of equal level, section text and
// group index.
class SectionBuilder {
public:
    SectionBuilder(const SourceFile& file, std::vector<SentenceSection>& sections)
        : m_file(&file), m_sections(&sections) {}

    void add(const SentenceLine& line, int number) {
        const auto key = std::make_tuple(line.level, line.section, line.group);
        const auto found = m_index.find(key);
        if (found == m_index.end()) {
            start_section(line, number);
            return;
        }
        SentenceSection& section = (*m_sections)[found->second];
        if (is_full(section.lines, table_capacity::lines_per_section)) {
            report_full_section(found->second, number);
            return;
        }
        section.lines.push_back(number);
    }

private:
    void start_section(const SentenceLine& line, int number) {
        if (is_full(*m_sections, table_capacity::sentence_sections)) {
            if (!m_reported_full_table) {
                m_file->over_capacity(number, table_capacity::sentence_sections,
                                      "sentence sections");
            }
            m_reported_full_table = true;
            return;
        }
        m_index.emplace(std::make_tuple(line.level, line.section, line.group), m_sections->size());
        m_sections->push_back({line.level, line.section, line.group, {number}});
    }

    // Once for each section: its later lines are left out with the first.
    void report_full_section(std::size_t index, int number) {
        if (!m_full_sections.insert(index).second) return;
        m_file->over_capacity(number, table_capacity::lines_per_section,
                              "lines in sentence section " + std::to_string(index + 1));
    }

    const SourceFile* m_file = nullptr;
    std::vector<SentenceSection>* m_sections = nullptr;
    std::map<std::tuple<int, std::string, int>, std::size_t> m_index;
    std::set<std::size_t> m_full_sections;
    bool m_reported_full_table = false;
};

} // namespace

void load_sentences(const Config& config, CourseTables& tables, CourseProblems& problems) {
    tables.sections.clear();
    const SourceFile file(config, variant_name(config, "zd", "_rozumu.txt"), problems);
    SectionBuilder sections(file, tables.sections);
    // Every line is a sentence line, blank and bad ones too: the later lines keep
    // their numbers.
    load_utf16_lines(
        file, {.capacity = table_capacity::sentence_lines, .entries = "sentence lines"},
        tables.sentence_lines, [&sections](const UniString& raw, const LineCheck& check) {
            SentenceLine line;
            if (parse_sentence_line(raw, check, line)) sections.add(line, check.line());
            return line;
        });
}

} // namespace vimo
