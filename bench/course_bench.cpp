// Start-up work on a course as large as the program supports: loading every table, and
// building, saving and loading the 2000 results records a new learner gets.
#include "capacity_course.h"
#include "core/clock.h"
#include "core/config.h"
#include "core/course_loaders.h"
#include "core/course_tables.h"
#include "core/diagnostics.h"
#include "results/results_store.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Records carry the build time; a fixed one keeps every run's bytes the same.
class FixedClock final : public vimo::Clock {
public:
    std::chrono::system_clock::time_point now() const override {
        return std::chrono::sys_days{std::chrono::year{2024} / 3 / 1} + 10h + 30min;
    }
};

vimo::Config course_config(const std::string& root) {
    vimo::Config config;
    config.course_root = root;
    config.media_root = root;
    config.learner_folder = root;
    vimo::apply_course_variant(config, 1);
    return config;
}

void load_all_tables(const vimo::Config& config, vimo::CourseTables& tables,
                     vimo::CourseProblems& problems) {
    vimo::load_lesson_groups(config, tables, problems);
    vimo::load_course_tables(config, tables, problems);
}

// The capacity course, written once into a temporary folder that is removed at exit,
// with its tables loaded and its records built.
class CapacityCourse {
public:
    static const CapacityCourse& instance() {
        static const CapacityCourse course;
        return course;
    }

    const vimo::Config& config() const { return m_config; }
    const vimo::CourseTables& tables() const { return m_tables; }
    const std::vector<std::string>& word_lists() const { return m_word_lists; }
    const vimo::ResultsStore& store() const { return m_store; }
    std::string results_path() const { return vimo::results_file_path(m_config); }
    // Why the benchmarks cannot run, or empty.
    const std::string& failure() const { return m_failure; }

private:
    CapacityCourse() : m_config(course_config(m_folder.path().toStdString() + "/")) {
        if (!m_folder.isValid()) {
            m_failure = "no temporary folder: " + m_folder.errorString().toStdString();
            return;
        }
        try {
            vimo::write_capacity_course(m_config.course_root);
        } catch (const std::exception& e) {
            m_failure = e.what();
            return;
        }
        vimo::CourseProblems problems;
        load_all_tables(m_config, m_tables, problems);
        m_word_lists = vimo::list_word_lists(m_config.course_root);
        const vimo::BuildNotice notice =
            m_store.results_build(m_tables, m_config, m_word_lists, FixedClock{});
        report(problems, notice);
    }

    void report(const vimo::CourseProblems& problems, const vimo::BuildNotice& notice) {
        for (const vimo::CourseProblem& problem : problems.all())
            std::cerr << problem.text() << '\n';
        print_counts();
        if (!problems.all().empty()) m_failure = "the capacity course has problems";
        if (notice.incomplete()) m_failure = notice.message;
        if (m_store.count() != vimo::capacity_course::records)
            m_failure = "the build made " + std::to_string(m_store.count()) + " records, not " +
                        std::to_string(vimo::capacity_course::records);
    }

    void print_counts() const {
        const vimo::CourseTables& t = m_tables;
        std::cerr << "capacity course in " << m_config.course_root << ": groups " << t.groups.size()
                  << ", phrases " << t.phrases.size() << ", texts " << t.texts.size()
                  << ", sentence lines " << t.sentence_lines.size() << " in " << t.sections.size()
                  << " sections, catalogue " << t.catalogue.size() << ", kursu.roz "
                  << t.comprehension_rows.size() << ", kursu.zdn " << t.recording_rows.size()
                  << ", kurs.zdd " << t.drag_rows.size() << ", dialogues " << t.dialogues.size()
                  << ", letters " << t.letters.size() << ", glossary " << t.glossary.size()
                  << ", tasks " << t.tasks.size() << ", open tasks " << t.open_tasks.size()
                  << ", word lists " << m_word_lists.size() << "; records built " << m_store.count()
                  << '\n';
    }

    QTemporaryDir m_folder;
    vimo::Config m_config;
    vimo::CourseTables m_tables;
    std::vector<std::string> m_word_lists;
    vimo::ResultsStore m_store;
    std::string m_failure;
};

// The course, or nullptr after marking the benchmark as failed.
const CapacityCourse* course_for(benchmark::State& state) {
    const CapacityCourse& course = CapacityCourse::instance();
    if (course.failure().empty()) return &course;
    state.SkipWithError(course.failure().c_str());
    return nullptr;
}

void all_tables_loaded(benchmark::State& state) {
    const CapacityCourse* course = course_for(state);
    if (!course) return;
    vimo::CourseTables tables;
    for (auto _ : state) {
        vimo::CourseProblems problems;
        load_all_tables(course->config(), tables, problems);
        benchmark::DoNotOptimize(tables);
    }
}
BENCHMARK(all_tables_loaded)->Unit(benchmark::kMillisecond);

void results_build(benchmark::State& state) {
    const CapacityCourse* course = course_for(state);
    if (!course) return;
    const FixedClock clock;
    vimo::ResultsStore store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            store.results_build(course->tables(), course->config(), course->word_lists(), clock));
    }
    state.counters["records"] = store.count();
}
BENCHMARK(results_build)->Unit(benchmark::kMillisecond);

void results_save_2000(benchmark::State& state) {
    const CapacityCourse* course = course_for(state);
    if (!course) return;
    for (auto _ : state)
        course->store().results_save(course->results_path());
    state.counters["records"] = course->store().count();
}
BENCHMARK(results_save_2000)->Unit(benchmark::kMillisecond);

void results_load_2000(benchmark::State& state) {
    const CapacityCourse* course = course_for(state);
    if (!course) return;
    course->store().results_save(course->results_path());
    const FixedClock clock;
    vimo::ResultsStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.results_load(course->results_path(), clock));
    state.counters["records"] = store.count();
}
BENCHMARK(results_load_2000)->Unit(benchmark::kMillisecond);

} // namespace
