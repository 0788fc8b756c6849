// The dialogues: each a "D=" header line, its spoken lines and a blank line.

#include "core/course_loaders.h"
#include "core/loader_support.h"

#include <cctype>

namespace vimo {

using namespace loading;

namespace {

constexpr int kDialogueHeaderFields = 8;
constexpr int kSpokenLineFields = 4;
constexpr std::size_t kModeCount = 5;

bool is_dialogue_header(const UniString& line) {
    return narrow_all(uni_copy(uni_trim(line), 1, 2)) == "D=";
}

std::optional<std::string> dialogue_modes(const UniString& field, const LineCheck& check) {
    const std::string modes = narrow_all(uni_trim(field));
    const bool valid = uni_is_single_byte(uni_trim(field)) && modes.size() == kModeCount &&
                       modes.find_first_not_of("TN") == std::string::npos;
    if (valid) return modes;
    check.error("expected the modes as five characters T or N (such as TTNTT), found " +
                shown16(field));
    return std::nullopt;
}

std::optional<int> dialogue_layout(const UniString& field, const LineCheck& check) {
    const std::optional<int> layout = uni_whole_number(field);
    if (layout == 0 || layout == 1) return layout;
    check.error("expected the layout 0 or 1, found " + shown16(field));
    return std::nullopt;
}

std::optional<int> dialogue_glossary(const UniString& field, const LineCheck& check) {
    if (uni_is_blank(field)) return -1;
    return check.uni_number(field, "the glossary number (a whole number, or nothing)");
}

std::optional<Dialogue> parse_dialogue_header(const UniString& line, const LineCheck& check) {
    if (count_units(line, u'=') < kDialogueHeaderFields - 1) {
        check.error("expected the header D=name=level=group=modes=layout=background=glossary=, "
                    "found " +
                    shown16(line));
        return std::nullopt;
    }
    Dialogue dialogue;
    dialogue.name = uni_trim(field16(line, 2));
    const auto level = check.level(check.uni_number(field16(line, 3), kLevelExpected));
    const auto group = check.group(check.uni_number(field16(line, 4), kGroupExpected));
    const auto modes = dialogue_modes(field16(line, 5), check);
    const auto layout = dialogue_layout(field16(line, 6), check);
    const auto glossary = dialogue_glossary(field16(line, 8), check);
    if (uni_is_blank(dialogue.name)) check.error("expected the dialogue's name in field 2");
    if (!level || !group || !modes || !layout || !glossary || uni_is_blank(dialogue.name))
        return std::nullopt;
    dialogue.level = *level;
    dialogue.group = *group;
    dialogue.modes = *modes;
    dialogue.layout = *layout;
    dialogue.background = uni_trim(field16(line, 7));
    dialogue.glossary = *glossary;
    return dialogue;
}

std::optional<int> speaker_person(const UniString& speaker) {
    const std::string letter = narrow_all(speaker);
    if (!uni_is_single_byte(speaker) || letter.size() != 1) return std::nullopt;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
    if (c < 'A' || c > 'E') return std::nullopt;
    return c - 'A' + 1;
}

std::optional<DialogueLine> parse_spoken_line(const UniString& line, const LineCheck& check) {
    if (is_dialogue_header(line) && count_units(line, u'=') >= kDialogueHeaderFields - 1) {
        check.error("expected a spoken line, or a blank line before the next dialogue's header");
        return std::nullopt;
    }
    if (count_units(line, u'=') < kSpokenLineFields - 1) {
        check.error("expected a spoken line speaker=sound=text=translation=, found " +
                    shown16(line));
        return std::nullopt;
    }
    DialogueLine spoken{uni_trim(field16(line, 1)), 0, uni_trim(field16(line, 2)),
                        uni_trim(field16(line, 3)), uni_trim(field16(line, 4))};
    const std::optional<int> person = speaker_person(spoken.speaker);
    if (!person)
        check.error("expected the speaker A to E in field 1, found " + shown16(spoken.speaker));
    if (uni_is_blank(spoken.sound)) check.error("expected the recording's name in field 2");
    if (uni_is_blank(spoken.text)) check.error("expected the spoken text in field 3");
    if (!person || uni_is_blank(spoken.sound) || uni_is_blank(spoken.text)) return std::nullopt;
    spoken.person = *person;
    return spoken;
}

// Reads the spoken lines from lines[first] up to the next blank line (or the end);
// returns the index of that line. A bad spoken line drops the dialogue.
std::size_t read_spoken_lines(const SourceFile& file, const Lines16& lines, std::size_t first,
                              std::optional<Dialogue>& dialogue) {
    std::size_t i = first;
    bool reported_full = false;
    for (; i < lines.size() && !uni_is_blank(lines[i]); ++i) {
        const LineCheck check(file, line_number(i));
        std::optional<DialogueLine> spoken = parse_spoken_line(lines[i], check);
        if (!spoken) {
            dialogue.reset();
            continue;
        }
        if (!dialogue) continue;
        if (is_full(dialogue->lines, table_capacity::lines_per_dialogue)) {
            if (!reported_full)
                file.over_capacity(check.line(), table_capacity::lines_per_dialogue,
                                   "lines in one dialogue");
            reported_full = true;
            continue;
        }
        spoken->line = check.line();
        dialogue->lines.push_back(std::move(*spoken));
    }
    return i;
}

void check_dialogue_lines(const Dialogue& dialogue, const LineCheck& header) {
    if (dialogue.lines.empty()) header.error("the dialogue has no spoken lines");
    if (dialogue.offers_mode(3) && dialogue.lines.size() < 2)
        header.warning("mode 3 needs at least two spoken lines to choose from");
}

// Reads the dialogue whose header is lines[first]; returns the index after it.
std::size_t add_dialogue(const SourceFile& file, const Lines16& lines, std::size_t first,
                         std::vector<Dialogue>& dialogues) {
    const LineCheck header(file, line_number(first));
    if (!is_dialogue_header(lines[first])) {
        header.error("expected a dialogue header D=name=level=group=modes=layout="
                     "background=glossary=, found " +
                     shown16(lines[first]));
        std::optional<Dialogue> skipped; // its lines are checked, then dropped
        return read_spoken_lines(file, lines, first + 1, skipped);
    }
    std::optional<Dialogue> dialogue = parse_dialogue_header(lines[first], header);
    const bool header_good = dialogue.has_value();
    const std::size_t next = read_spoken_lines(file, lines, first + 1, dialogue);
    if (header_good && dialogue) check_dialogue_lines(*dialogue, header);
    if (dialogue && !dialogue->lines.empty()) dialogues.push_back(std::move(*dialogue));
    return next;
}

} // namespace

void load_dialogues(const Config& config, CourseTables& tables, CourseProblems& problems) {
    const SourceFile file(config, variant_name(config, "dialogi_", "u.txt"), problems);
    load_utf16_entries(
        file, {.capacity = table_capacity::dialogues, .entries = "dialogues", .skip = uni_is_blank},
        tables.dialogues, [&](const Lines16& lines, std::size_t first) {
            return add_dialogue(file, lines, first, tables.dialogues);
        });
}

} // namespace vimo
