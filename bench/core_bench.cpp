// Reading and cutting course text: the work every table loader repeats at start-up.
#include "core/text_file.h"
#include "core/uni.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>

namespace {

std::string catalogue_bytes(int lines) {
    std::string bytes = "\xFF\xFE";
    for (int i = 1; i <= lines; ++i) {
        const std::string line =
            "tek_" + std::to_string(i) + "=Lekcja " + std::to_string(i) + "=04=2=opis=\r\n";
        bytes += vimo::uni_widen(line);
    }
    return bytes;
}

void read_lines(benchmark::State& state) {
    const std::string bytes = catalogue_bytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vimo::CourseTextReader reader(bytes.substr(2));
        int count = 0;
        while (!reader.at_end()) {
            benchmark::DoNotOptimize(vimo::uni_read_line(reader));
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(read_lines)->Arg(10000);

void read_file(benchmark::State& state) {
    const std::string path = "/tmp/vimo_core_bench.txt";
    std::ofstream(path, std::ios::binary) << catalogue_bytes(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(vimo::read_course_text_file(path));
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(read_file)->Arg(10000);

void cut_fields(benchmark::State& state) {
    const vimo::UniString line =
        vimo::uni_widen("tek_12=Lekcja 12=04=2=opis lekcji=") + '\0' + '\0';
    for (auto _ : state) {
        for (int n = 1; n <= 6; ++n)
            benchmark::DoNotOptimize(vimo::uni_field(n, line, u'='));
    }
}
BENCHMARK(cut_fields);

} // namespace
