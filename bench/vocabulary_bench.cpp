// The vocabulary drill: a word list of 5000 records read as the drill reads it, and one
// task built on it (the next word, its distractors and the placement of its choices).
#include "core/encoding.h"
#include "exercises/stand_alone/vocabulary.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <random>

namespace {

// 5000 records in 50 groups, the last 300 drilled (reading stops at the 300th drilled
// one, so every record is read), each with a sound and an example.
std::string write_full_list(const QTemporaryDir& dir) {
    const std::string path = dir.path().toStdString() + "/full.bc4";
    std::ofstream out(path, std::ios::binary);
    for (int k = 0; k < vimo::kHeaderLines; ++k)
        out << "full" << (k == 1 ? "cw0160" : "") << "\r\n";
    std::mt19937 generator(7);
    const char* const letters = "abcdefghijklmnopqrstuvwxyz";
    for (int id = 1; id <= vimo::kWordRecordCapacity; ++id) {
        std::string word;
        for (int n = 0; n < 6; ++n)
            word += letters[generator() % 26];
        char head[16];
        std::snprintf(head, sizeof head, "%02d 1%05d 0%d ", id % 50, id,
                      static_cast<int>(generator() % 5));
        out << head << word << " =" << vimo::utf8_to_cp1250("słowo ") << id << "=" << word
            << "s=" << word << "x/" << word << "y=rzeczownik=" << word
            << ".wav=0===" << (id > vimo::kWordRecordCapacity - 300 ? "cw" : "") << "="
            << 60000 + id % 40 << "\r\n";
    }
    return path;
}

class NoRandom final : public vimo::RandomSource {
public:
    void reseed() override {}
    int below(int n) override {
        return n < 2 ? 0 : static_cast<int>(m_generator() % static_cast<unsigned>(n));
    }

private:
    std::mt19937 m_generator{11};
};

void load_full_word_list(benchmark::State& state) {
    const QTemporaryDir dir;
    const std::string path = write_full_list(dir);
    for (auto _ : state) {
        std::optional<vimo::WordFile> words = vimo::load_word_file(path, 1);
        vimo::build_drill_list(*words);
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(load_full_word_list)->Unit(benchmark::kMillisecond);

// One task after another on the reading tab (distractors by group) and the hearing tab
// (by first letter), answered right so the cycle runs on.
void build_one_task(benchmark::State& state) {
    const QTemporaryDir dir;
    std::optional<vimo::WordFile> words = vimo::load_word_file(write_full_list(dir), 1);
    vimo::build_drill_list(*words);
    vimo::Config config;
    config.course_root = "/c/";
    NoRandom random;
    vimo::VocabularyDrill drill(*words, config, {}, random, {});
    drill.open(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        drill.judge_choice(drill.task().right_choice);
        if (drill.cycle_over())
            drill.start_tab(drill.tab());
        else
            drill.next_task();
        benchmark::DoNotOptimize(drill.task());
    }
}
BENCHMARK(build_one_task)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
