#pragma once
// The capacity course of the benchmarks, written once into a temporary folder that is
// removed at exit, with its tables, interface texts and a new learner's records.

#include "capacity_course.h"
#include "core/clock.h"
#include "core/course_state.h"
#include "results/results_store.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace vimo::bench {

// Records carry the build time; a fixed one keeps every run's bytes the same.
class FixedClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override;
};

void load_all_tables(const Config& config, CourseTables& tables, CourseProblems& problems);

class CapacityCourse {
public:
    static const CapacityCourse& instance();

    const Config& config() const { return m_state.config; }
    const CourseTables& tables() const { return m_state.tables; }
    // Configuration, tables and the interface texts of Lang_r/0/.
    const CourseState& state() const { return m_state; }
    const std::vector<std::string>& word_lists() const { return m_word_lists; }
    const ResultsStore& store() const { return m_store; }
    std::string results_path() const { return results_file_path(m_state.config); }
    // Why the benchmarks cannot run, or empty.
    const std::string& failure() const { return m_failure; }

private:
    CapacityCourse();
    void report(const CourseProblems& problems, const BuildNotice& notice);
    void print_counts() const;

    QTemporaryDir m_folder;
    CourseState m_state;
    std::vector<std::string> m_word_lists;
    ResultsStore m_store;
    std::string m_failure;
};

// The course, or nullptr after marking the benchmark as failed.
const CapacityCourse* course_for(benchmark::State& state);

} // namespace vimo::bench
