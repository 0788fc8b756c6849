// The chooser on a new learner's 2000 records of the capacity course: building its
// tree, and one full paint of the list with every node unfolded.
#include "capacity_fixture.h"
#include "core/exercise_kinds.h"
#include "navigation/chooser.h"
#include "navigation/chooser_view.h"
#include "repetitions/repetition_store.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using vimo::bench::CapacityCourse;
using vimo::bench::course_for;

void chooser_build(benchmark::State& state) {
    const CapacityCourse* course = course_for(state);
    if (!course) return;
    const vimo::bench::FixedClock clock;
    vimo::RepetitionStore repetitions;
    vimo::Chooser chooser(course->state(), course->store(), repetitions, clock);
    for (auto _ : state) {
        chooser.chooser_build(1);
        benchmark::DoNotOptimize(chooser.root());
    }
    state.counters["records"] = course->store().count();
}
BENCHMARK(chooser_build)->Unit(benchmark::kMillisecond);

// The pictures as large as the course's, so that the paint draws as much as it will.
vimo::ChooserPictures full_size_pictures() {
    const auto picture = [](int width, int height) {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(40, 120, 160, 200));
        return image;
    };
    vimo::ChooserPictures pictures;
    pictures.plus = pictures.minus = pictures.done = pictures.not_done = picture(16, 16);
    for (const int kind : {1, 2, 3, 5})
        pictures.node_kinds[kind] = picture(16, 16);
    for (const vimo::ExerciseKind& kind : vimo::exercise_kinds())
        if (kind.has_icon)
            pictures.kind_codes[static_cast<unsigned char>(kind.code)] = picture(16, 16);
    for (QImage& level : pictures.levels)
        level = picture(20, 16);
    pictures.bar_back = picture(100, 12);
    for (QImage& bar : pictures.bars)
        bar = picture(98, 12);
    return pictures;
}

void chooser_paint(benchmark::State& state) {
    const CapacityCourse* course = course_for(state);
    if (!course) return;
    const vimo::bench::FixedClock clock;
    vimo::RepetitionStore repetitions;
    vimo::Chooser chooser(course->state(), course->store(), repetitions, clock);
    chooser.chooser_build(1);
    chooser.expand_all();
    const vimo::ChooserPictures pictures = full_size_pictures();
    QImage list(vimo::kChooserListSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        list.fill(Qt::white);
        QPainter painter(&list);
        // What the window paints: the visible rows, from the engine's state.
        vimo::paint_chooser_rows(painter, chooser.rows(), chooser.first_visible(), 1, 3, pictures);
    }
    state.counters["rows"] = static_cast<double>(chooser.rows().size());
}
BENCHMARK(chooser_paint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Text needs a GUI application; the benchmark needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
