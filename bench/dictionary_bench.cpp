// The dictionary: loading a full slowniku.txt at start-up, and the searches of the full
// and the small window over its 10000 entries.
#include "core/diagnostics.h"
#include "core/uni.h"
#include "dictionary/dictionary.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kEntries = 10000;

// Headwords of two letters and a number ("ab17"), a phrase every fifth entry, a second
// form every other one: the shapes a course dictionary has.
std::string dictionary_bytes() {
    std::string bytes = "\xFF\xFE";
    for (int i = 1; i <= kEntries; ++i) {
        const std::string stem = std::string(1, char('a' + i % 26)) + char('a' + i / 26 % 26);
        const std::string headword =
            i % 5 == 0 ? "to " + stem + std::to_string(i) : stem + std::to_string(i);
        const std::string second = i % 2 == 0 ? stem + std::to_string(i) + "s" : "";
        const std::string line = "EN:" + std::to_string(i) + " |" + char('1' + i % 7) + headword +
                                 "=tłumaczenie " + std::to_string(i) +
                                 " <I> (uwaga) </I>=========" + stem.substr(0, 1) + "=" + second +
                                 "=\r\n";
        bytes += vimo::uni_widen(line);
    }
    return bytes;
}

const std::string& dictionary_file() {
    static const std::string path = [] {
        const std::string file = "/tmp/vimo_dictionary_bench.txt";
        std::ofstream(file, std::ios::binary) << dictionary_bytes();
        return file;
    }();
    return path;
}

const vimo::DictionaryTable& loaded_table() {
    static const vimo::DictionaryTable table = [] {
        vimo::DictionaryTable loaded;
        vimo::CourseProblems problems;
        vimo::slownik_load(dictionary_file(), loaded, problems);
        return loaded;
    }();
    return table;
}

void load(benchmark::State& state) {
    vimo::DictionaryTable table;
    for (auto _ : state) {
        vimo::CourseProblems problems;
        benchmark::DoNotOptimize(vimo::slownik_load(dictionary_file(), table, problems));
    }
    state.counters["entries"] = table.count();
}
BENCHMARK(load)->Unit(benchmark::kMillisecond);

void full_search(benchmark::State& state, const char* query, vimo::DictionaryChecks checks) {
    const vimo::DictionaryTable& table = loaded_table();
    const vimo::UniString q = vimo::uni_widen(query);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> results =
            vimo::slownik_search(table, std::nullopt, q, vimo::kFullWindow, checks);
        found = results.size();
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["results"] = static_cast<double>(found);
}
// Exact keys only; exact, longer words and the phrases sorted; a query that ends in
// the phrases' second words; the translations, which are all phrases.
BENCHMARK_CAPTURE(full_search, exact, "ba1", {false, true})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(full_search, longer_and_phrases, "a", {false, false})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(full_search, phrases_by_word, "ab", {false, false})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(full_search, translations, "tłumaczenie", {true, false})
    ->Unit(benchmark::kMicrosecond);

void letter_search(benchmark::State& state) {
    const vimo::DictionaryTable& table = loaded_table();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vimo::slownik_search(table, u'a', {}, vimo::kFullWindow, {}).size());
}
BENCHMARK(letter_search)->Unit(benchmark::kMicrosecond);

// The small window: a word found at once, and a plural of nothing, which looks three
// times (as written, without "s", without "es").
void small_lookup(benchmark::State& state, const char* word) {
    const vimo::DictionaryTable& table = loaded_table();
    const vimo::UniString q = vimo::uni_widen(word);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vimo::slownik_search(table, std::nullopt, q, vimo::kSmallWindow, {}).size());
}
BENCHMARK_CAPTURE(small_lookup, found_late, "pu9999")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(small_lookup, not_found, "boxes")->Unit(benchmark::kMicrosecond);

} // namespace
