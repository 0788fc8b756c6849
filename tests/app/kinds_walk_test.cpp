#include "app/kind_screens.h"
#include "audio/fixed_take_recorder.h"
#include "controls/answer_popup.h"
#include "core/course_loaders.h"
#include "exercises/tasks/task_screen.h"
#include "navigation/chooser.h"
#include "support/screen_services_fixture.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace vimo {
namespace {

// A course with one item of every source: a text with a task of every task kind, a
// sentence section, a catalogue entry of every type, a letter, a word list, a dialogue
// that offers every mode and an open task; the program's task screens and the
// chooser's way to the screens, noting what could not open.
class KindsWalk : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    KindsWalk() {
        course.config.course_variant = 1;
        files.make_folder("1");
        course.config.learner_folder = files.path("1/"); // closing a task saves there
        learner.settings.block_access = false;           // every task opens in any order
        course.tables.groups = {{uni_widen("G1"), uni_widen("Grupa")}};
        course.tables.texts = {{.number = 1, .level = 1, .group = 1, .title = "T1"}};
        for (const ExerciseKind& kind : exercise_kinds()) {
            if (!kind.is_task()) continue;
            TaskEntry task;
            task.text_number = 1;
            task.kind = std::string(kind.source_key);
            task.header = uni_widen("T1#1#bg#Do it.#x#Do it.#");
            // The typing task reads its text from a file of its own.
            task.kind_line = uni_widen(task.kind == "WP" ? "WP#t1" : task.kind + "#Q?=T_a=b#");
            course.tables.tasks.push_back(task);
        }
        files.write_utf16("Wpisywania/t1u.fcs",
                          {"Luka px:100", "Slowniczek: ", "Tryb ramek1", "-", "Type &it ."});
        course.tables.sections = {{.level = 1, .section = "01", .group = 1, .lines = {}}};
        for (const char* type : {"11", "53", "48", "60"})
            course.tables.catalogue.push_back({.key8 = std::string("A001") + type + "0101"});
        course.tables.letters = {{.file = "list1", .level = 1, .group = 1, .parameter = 0}};
        course.tables.dialogues = {
            {.name = uni_widen("D1"), .level = 1, .group = 1, .modes = "TTTTT"}};
        course.tables.open_tasks = {{.number = 1, .group = 1, .level = 1}};
        // Line 2 begins with the list's file name and gives its level and group.
        std::vector<std::string> word_list(10, "list");
        word_list[1] = "listxx0160";
        word_list.push_back("01 100001 01 cat =kot========cw=0");
        files.write_8bit("cw_r/list.bc4", word_list);
        results.results_build(course.tables, course.config, list_word_lists(files.root()), clock);
    }

    ResultsStore results;
    RepetitionStore repetitions;
    LearnerState learner;
    std::vector<std::string> not_available;

    // The stand-alone screen on view, if any.
    const QWidget* open_item_screen() const {
        for (const auto& opener : screens.item_screens()) {
            const auto* widget = dynamic_cast<const QWidget*>(opener.get());
            if (widget && widget->isVisible()) return widget;
        }
        return nullptr;
    }
    TaskRunner runner{course, learner, clock,
                      TaskRunner::Links{.show_message = [this](const std::string& message) {
                          not_available.push_back(message);
                      }}};
    KindScreens screens{runner, [this] { not_available.emplace_back(kScreenNotAvailableMessage); }};
    test::FixedTakeRecorder recorder;
    TForm6 answer_popup{course.config, &pictures, button_picture::ok};
    StandAloneServices stand_alone{services, recorder, recorder, answer_popup, {}};
};

TEST_F(KindsWalk, EveryKindGetsItsRecordsWithTheirPrefix) {
    std::set<char> kinds;
    for (const cw_Info& record : results.records()) {
        const ExerciseKind* kind = exercise_kind(static_cast<char>(record.kind));
        ASSERT_NE(kind, nullptr) << "kind " << int(record.kind) << " of " << record.name;
        EXPECT_EQ(record.name.substr(0, 4), kind->prefix) << record.name;
        kinds.insert(kind->code);
    }
    EXPECT_EQ(kinds.size(), exercise_kinds().size()) << "every kind has its records";
}

TEST_F(KindsWalk, EveryChooserRowOpensItsScreenOrSaysItIsNotThere) {
    screens.create(stand_alone);
    Chooser chooser{course, learner.results, repetitions, clock};
    learner.results = results;
    chooser.chooser_build(1);
    chooser.expand_all();

    std::map<char, std::string> outcome; // per kind: "screen", "not available", "nothing"
    const std::vector<VisibleRow> rows = chooser.rows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const std::optional<OpenContext> context = chooser.open_context(row);
        if (!context) continue; // a group, or an item with rows
        not_available.clear();
        const bool opened = open_item(context->item_row(), course, learner.results, screens);
        const TaskScreen* screen = runner.open_screen();
        const char code = static_cast<char>(context->kind);
        const QWidget* item_screen = open_item_screen();
        if (screen && screen->isVisible() && screen->kind().code == code)
            outcome[code] = "screen";
        else if (item_screen && not_available.empty())
            outcome[code] = "screen";
        else if (opened && not_available == std::vector<std::string>{kScreenNotAvailableMessage})
            outcome[code] = "not available";
        else
            outcome[code] = opened ? "opened silently" : "nothing";
        runner.close_task();
        if (item_screen) const_cast<QWidget*>(item_screen)->hide();
    }

    for (const ExerciseKind& kind : exercise_kinds()) {
        const auto found = outcome.find(kind.code);
        ASSERT_NE(found, outcome.end()) << "no chooser row of kind " << int(kind.code);
        const bool has_screen =
            kind.screen == KindScreen::multiple_choice || kind.screen == KindScreen::true_false ||
            kind.screen == KindScreen::typing || kind.screen == KindScreen::matching ||
            kind.screen == KindScreen::definitions || kind.screen == KindScreen::drag_drop ||
            kind.screen == KindScreen::drag_drop_variant ||
            kind.screen == KindScreen::vocabulary_drill;
        const std::string expected = kind.source == KindSource::open_tasks ? "nothing"
                                     : has_screen                          ? "screen"
                                                                           : "not available";
        EXPECT_EQ(found->second, expected) << "kind " << int(kind.code);
    }
}

TEST_F(KindsWalk, EveryTaskOfTheTextReportsUnderItsKindAndTab) {
    const std::optional<ComprehensionLesson> lesson = comprehension_lesson(1, course, results);
    ASSERT_TRUE(lesson.has_value());
    LessonContext context = make_lesson_context("tek_1", lesson->tasks, lesson->item_keys,
                                                lesson->media, lesson->media_name);
    TaskAttempt attempt;
    attempt.check(1, 1);
    for (int tab = 1; tab <= context.tab_count(); ++tab) {
        ASSERT_TRUE(report_task(attempt, context, tab, results, repetitions, {}, clock)) << tab;
        const cw_Info& record = *results.record(tab);
        EXPECT_EQ(record.count, 1) << "tab " << tab;
        EXPECT_FALSE(repetitions.powt_due_text("tek_1", record.kind, tab).empty())
            << "no repetition for tab " << tab;
    }
}

} // namespace
} // namespace vimo
