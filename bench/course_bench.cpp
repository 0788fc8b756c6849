// Start-up work on a course as large as the program supports: loading every table, and
// building, saving and loading the 2000 results records a new learner gets.
#include "capacity_fixture.h"
#include "core/clock.h"
#include "core/course_loaders.h"
#include "core/course_tables.h"
#include "core/diagnostics.h"
#include "results/results_store.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using vimo::bench::CapacityCourse;
using vimo::bench::course_for;
using vimo::bench::FixedClock;
using vimo::bench::load_all_tables;

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
