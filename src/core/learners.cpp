#include "core/learners.h"

#include "core/atomic_file.h"
#include "core/encoding.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <QString>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace vimo {

namespace {

constexpr int min_name_length = 2;

// Names are compared and measured as the learner sees them: in characters, with
// Polish capitals such as Ł equal to their small letters.
int character_count(std::string_view utf8) {
    return static_cast<int>(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).size());
}

QString folded(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toCaseFolded();
}

// A line break would split the learner's line in usr.t, and a letter Windows-1250
// lacks would come back as "?": such a name could not be found again.
bool fits_learner_list(std::string_view name) {
    const bool has_control = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    return !has_control && cp1250_to_utf8(utf8_to_cp1250(name)) == name;
}

int learner_number(std::string_view text, const std::string& file, int line) {
    const std::string_view number = trim_8bit(text);
    const std::string expected = "expected a learner number before \"=\", found ";
    if (number.empty()) throw CourseFileError(file, line, expected + "nothing");
    try {
        return int_or_zero(number);
    } catch (const ConversionError& error) {
        throw CourseFileError(file, line, expected + "\"" + error.text() + "\"");
    }
}

std::vector<Learner> parse_learner_list(const std::vector<std::string>& lines,
                                        const std::string& file) {
    std::vector<Learner> learners;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (learners.size() == static_cast<std::size_t>(LearnerList::capacity)) break;
        const std::string_view line = trim_8bit(lines[index]);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const int number =
            learner_number(line.substr(0, equals), file, static_cast<int>(index) + 1);
        learners.push_back({number, cp1250_to_utf8(trim_8bit(line.substr(equals + 1)))});
    }
    return learners;
}

std::string learner_list_text(const std::vector<Learner>& learners) {
    std::string text;
    for (const Learner& learner : learners)
        text += std::to_string(learner.number) + "=" + utf8_to_cp1250(learner.name) + "\r\n";
    return text;
}

} // namespace

void LearnerList::load(const std::string& path) {
    const std::string resolved = resolve_path(path);
    const std::optional<std::vector<std::string>> lines = read_8bit_lines(resolved);
    std::vector<Learner> learners =
        lines ? parse_learner_list(*lines, resolved) : std::vector<Learner>{};
    m_path = path;
    m_learners = std::move(learners);
}

AddLearnerResult LearnerList::add_learner(std::string_view name, const BeforeRename& before_rename,
                                          const MakeFiles& make_files) {
    if (m_path.empty()) throw std::logic_error("add_learner: no learner list was loaded");
    const std::string new_name(trim_8bit(name));
    const AddLearnerOutcome refusal = check_new_name(new_name);
    if (refusal != AddLearnerOutcome::added) return {refusal};

    const std::vector<Learner> before = m_learners;
    m_learners.push_back({*next_number(), new_name});
    const int position = static_cast<int>(m_learners.size()) - 1;
    try {
        if (make_files && !make_files(position)) {
            m_learners = before;
            return {AddLearnerOutcome::files_not_made};
        }
        write_file_atomically(resolve_path(m_path), learner_list_text(m_learners), before_rename);
    } catch (...) {
        m_learners = before;
        throw;
    }
    return {AddLearnerOutcome::added, position};
}

AddLearnerOutcome LearnerList::check_new_name(std::string_view name) const {
    if (m_learners.size() >= static_cast<std::size_t>(capacity))
        return AddLearnerOutcome::list_full;
    if (!can_confirm_new_learner(name)) return AddLearnerOutcome::name_too_short;
    if (!fits_learner_list(name)) return AddLearnerOutcome::unsupported_characters;
    if (character_count(name) > max_name_length) return AddLearnerOutcome::name_too_long;
    const QString wanted = folded(name);
    const bool taken =
        std::any_of(m_learners.begin(), m_learners.end(),
                    [&](const Learner& learner) { return folded(learner.name) == wanted; });
    if (taken) return AddLearnerOutcome::name_taken;
    if (!next_number()) return AddLearnerOutcome::no_number_left;
    return AddLearnerOutcome::added;
}

// The number after the largest one (1 for an empty list); none when the largest is
// the largest int.
std::optional<int> LearnerList::next_number() const {
    int largest = 0;
    if (!m_learners.empty()) {
        largest =
            std::max_element(m_learners.begin(), m_learners.end(),
                             [](const Learner& a, const Learner& b) { return a.number < b.number; })
                ->number;
    }
    if (largest == INT_MAX) return std::nullopt;
    return largest + 1;
}

bool can_confirm_new_learner(std::string_view name) {
    return character_count(trim_8bit(name)) >= min_name_length;
}

std::string learner_list_path(const Config& config) {
    return config.course_path("usr.t");
}

std::string learner_folder(const Config& config, int number) {
    const std::string folder = config.course_path(std::to_string(number) + "\\");
    const std::string local = resolve_path(folder);
    std::error_code error;
    std::filesystem::create_directories(local, error);
    if (!std::filesystem::is_directory(local)) {
        const std::string reason = error ? error.message() : "a file of that name is in the way";
        throw FileWriteError(local, "cannot create the learner folder: " + reason);
    }
    return folder;
}

int new_learner_language(const Config& config, int chosen_language) {
    return config.english_marker ? 1 : chosen_language;
}

void make_learner_current(Config& config, const Learner& learner) {
    config.learner_folder = learner_folder(config, learner.number);
    config.learner_name = learner.name;
}

Settings load_learner_settings(Config& config, int default_language) {
    const Settings settings = settings_load(settings_file_path(config), default_language);
    set_interface_language(config, settings.language);
    return settings;
}

} // namespace vimo
