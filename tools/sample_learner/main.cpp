// vimo-sample-learner COURSE_ROOT NAME: adds the learner NAME to the course's usr.t and
// gives them what weeks of work would leave: results on every third exercise, on
// dates of the last weeks, and repetitions, some due today, some later. Their settings
// file gets the defaults with interface language 0.
#include "core/atomic_file.h"
#include "core/clock.h"
#include "core/course_loaders.h"
#include "core/learners.h"
#include "course_tool/course_check.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"

#include <chrono>
#include <iostream>

namespace {

using namespace std::chrono;

class SettableClock final : public vimo::Clock {
public:
    system_clock::time_point now() const override { return m_now; }
    void set(system_clock::time_point now) { m_now = now; }

private:
    system_clock::time_point m_now = system_clock::now();
};

bool forms_runs(const std::string& name) {
    return name.starts_with("tek_") || name.starts_with("zda_") || name.starts_with("slo_");
}

// The task position a repetition of record n carries: its place in a run of records
// with the same name (from 1), or 0 for a record on its own.
int task_position(const vimo::ResultsStore& store, int n) {
    const std::string& name = store.record(n)->name;
    if (!forms_runs(name)) return 0;
    const auto same = [&](int m) {
        return m >= 1 && m <= store.count() && store.record(m)->name == name;
    };
    if (!same(n - 1) && !same(n + 1)) return 0;
    int position = 1;
    for (int m = n - 1; same(m); --m)
        ++position;
    return position;
}

int make_sample_learner(const std::string& root, const std::string& name) {
    vimo::LoadedCourse course = vimo::load_course_for_check(root);
    if (course.problems.has_errors()) {
        std::cerr << "the course has errors; run vimo-course check " << root << '\n';
        return 1;
    }
    vimo::Config& config = course.config;
    vimo::LearnerList learners;
    learners.load(vimo::learner_list_path(config));
    const vimo::AddLearnerResult added = learners.add_learner(name);
    if (added.outcome != vimo::AddLearnerOutcome::added) {
        std::cerr << "the name \"" << name << "\" cannot be added (taken, too short or too long)\n";
        return 1;
    }
    vimo::make_learner_current(config,
                               learners.learners()[static_cast<std::size_t>(added.position)]);

    SettableClock clock;
    const system_clock::time_point today = system_clock::now();
    vimo::ResultsStore results;
    results.results_build(course.tables, config, vimo::list_word_lists(config.course_root), clock);
    vimo::RepetitionStore repetitions;
    const vimo::RepetitionSettings settings{};
    for (int n = 1; n <= results.count(); n += 3) {
        const vimo::cw_Info record = *results.record(n);
        const int score = (n * 37) % 101;
        const int days_ago = 1 + n % 20;
        clock.set(today - days_ago * 24h);
        results.results_record(score, record.name, record.kind, record.key, true, clock);
        // With the first interval of 3 days, results of 3 or more days ago are due.
        repetitions.powt_record_result(score, record.name, record.kind, true, record.key,
                                       task_position(results, n), settings, clock);
    }
    results.results_save(vimo::results_file_path(config));
    repetitions.powt_save(vimo::repetitions_file_path(config));
    vimo::load_learner_settings(config, 0);
    std::cout << "learner " << learners.learners()[static_cast<std::size_t>(added.position)].number
              << " \"" << name << "\" in " << config.learner_folder << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "Usage: vimo-sample-learner COURSE_ROOT NAME\n";
        return 2;
    }
    std::string root = argv[1];
    if (!root.ends_with('/')) root += '/';
    try {
        return make_sample_learner(root, argv[2]);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
