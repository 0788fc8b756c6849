#pragma once
// The learner who is working: the learner list, their settings, results and
// repetitions, and making a learner of the list current.

#include "core/clock.h"
#include "core/course_state.h"
#include "core/learners.h"
#include "core/settings.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"

#include <string>
#include <vector>

namespace vimo {

struct LearnerState {
    LearnerList learners;
    Settings settings;
    ResultsStore results;
    RepetitionStore repetitions;
};

// Makes the learner at position (0-based) of the list current: their name and folder
// (created), their results (read, or built and written for a learner without them),
// their repetitions, their settings (read, or written with default_language) and the
// interface language from them. The caller then closes the chooser and reloads the
// language resources. Returns the notices to show the learner (a damaged file that was
// kept aside, a course larger than the store). Throws CourseFileError or
// FileWriteError when a file cannot be read or written.
// Replaces the learner's results and repetitions files with the stores. Throws
// FileWriteError; a file not written is left as it was.
void save_learner_files(const Config& config, const LearnerState& learner);

std::vector<std::string> choose_learner(CourseState& course, LearnerState& learner, int position,
                                        int default_language, const Clock& clock);

} // namespace vimo
