#pragma once
// The learners of a stand-alone installation: the list usr.t in the course root
// (Windows-1250, one "number=name" a line), adding a learner, and the pieces of
// making a learner current (their folder, their settings and interface language).

#include "core/atomic_file.h"
#include "core/config.h"
#include "core/settings.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

struct Learner {
    int number = 0;
    std::string name; // UTF-8, trimmed

    bool operator==(const Learner&) const = default;
};

enum class AddLearnerOutcome {
    added,
    name_too_short,         // fewer than 2 characters after trimming
    name_too_long,          // more than 30 characters
    unsupported_characters, // control characters, or letters usr.t cannot hold
    name_taken,             // equals a learner's name ignoring letter case
    list_full,              // 250 learners
    no_number_left,         // the largest number is the largest int
    files_not_made,         // the learner's files could not be made: not listed
};

struct AddLearnerResult {
    AddLearnerOutcome outcome = AddLearnerOutcome::added;
    int position = -1; // index of the new learner in learners(), when added
};

// The message window shows this interface text for a name that is taken.
inline constexpr int name_taken_text = 83;

class LearnerList {
public:
    static constexpr int capacity = 250;
    static constexpr int max_name_length = 30;

    // Replaces the list with the learner list at path (a course path, resolved) and
    // remembers the path for add_learner. A missing file gives an empty list. Lines
    // are trimmed, a line without "=" is skipped, learners beyond the capacity are
    // left out. Throws CourseFileError naming file and line when the text before
    // the first "=" is not a decimal integer.
    void load(const std::string& path);

    // Makes the new learner's files: called with the learner's position while the
    // learner is in the list but not yet in its file; false when they could not be made.
    using MakeFiles = std::function<bool(int position)>;

    // Adds a learner named name (UTF-8, trimmed first) with the number after the
    // largest, and rewrites the file atomically with every learner as number "="
    // name. A learner is listed in the file only once make_files made their files,
    // so a learner who could never be chosen is never listed. Refused names, files
    // not made and a make_files that throws leave list and file unchanged. Throws
    // FileWriteError when the file cannot be written (the list is then unchanged) and
    // std::logic_error when no list was loaded.
    AddLearnerResult add_learner(std::string_view name, const BeforeRename& before_rename = {},
                                 const MakeFiles& make_files = {});

    const std::vector<Learner>& learners() const { return m_learners; }

private:
    AddLearnerOutcome check_new_name(std::string_view name) const;
    std::optional<int> next_number() const;

    std::string m_path;
    std::vector<Learner> m_learners;
};

// The new-learner window's OK button: the trimmed name has at least 2 characters.
bool can_confirm_new_learner(std::string_view name);

// course root + "usr.t".
std::string learner_list_path(const Config& config);

// The learner's folder, course root + number + "\", created when it does not exist.
// Throws FileWriteError when it cannot be created.
std::string learner_folder(const Config& config, int number);

// The interface language of a new learner: 1 with the English-interface marker,
// else the folder number chosen in the new-learner window.
int new_learner_language(const Config& config, int chosen_language);

// First piece of choosing a learner: name and folder (created) become current.
void make_learner_current(Config& config, const Learner& learner);

// Last piece of choosing a learner: the current learner's settings file is read, or
// written with the defaults and default_language when missing (a new learner's
// chosen language; for an existing learner without the file, the language in use),
// and the interface language is set from it. Throws as settings_load does.
Settings load_learner_settings(Config& config, int default_language);

} // namespace vimo
