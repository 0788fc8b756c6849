#include "app/learner_session.h"

#include "core/course_loaders.h"

#include <stdexcept>

namespace vimo {

void save_learner_files(const Config& config, const LearnerState& learner) {
    learner.results.results_save(results_file_path(config));
    learner.repetitions.powt_save(repetitions_file_path(config));
}

std::vector<std::string> choose_learner(CourseState& course, LearnerState& learner, int position,
                                        int default_language, const Clock& clock) {
    const std::vector<Learner>& list = learner.learners.learners();
    if (position < 0 || position >= static_cast<int>(list.size())) {
        throw std::out_of_range("no learner at position " + std::to_string(position));
    }
    Config& config = course.config;
    make_learner_current(config, list[static_cast<std::size_t>(position)]);

    std::vector<std::string> notices;
    const std::string results_path = results_file_path(config);
    const LoadNotice loaded = learner.results.results_load(results_path, clock);
    if (loaded.damaged()) notices.push_back(loaded.message);
    if (learner.results.empty()) {
        const BuildNotice built = learner.results.results_build(
            course.tables, config, list_word_lists(config.course_root), clock);
        if (built.incomplete()) notices.push_back(built.message);
        learner.results.results_save(results_path);
    }

    const LoadNotice repetitions =
        learner.repetitions.powt_load(repetitions_file_path(config), clock);
    if (repetitions.damaged()) notices.push_back(repetitions.message);

    learner.settings = load_learner_settings(config, default_language);
    return notices;
}

} // namespace vimo
