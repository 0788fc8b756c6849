#include "navigation/open_item.h"
#include "support/fixed_sources.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

// Writes down what was opened, as one line.
class RecordingScreens : public ItemScreens {
public:
    std::string opened;
    const ComprehensionLesson* lesson = nullptr;

    void open_comprehension(const ComprehensionLesson& l, int ordinal) override {
        m_lesson = l;
        lesson = &m_lesson;
        opened = "text " + std::to_string(l.text_number) + " task " + std::to_string(ordinal);
    }
    void open_sentences(int s, int mode) override { note("sentences", s, mode); }
    void open_dialogue(int d, int mode) override { note("dialogue", d, mode); }
    void open_listening(int k) override { note("listening", k, 0); }
    void open_sentence_recording(int k) override { note("recording", k, 0); }
    void open_sentence_drag_drop(int k) override { note("drag", k, 0); }
    void open_curiosity(int k) override { note("curiosity", k, 0); }
    void open_letter(const std::string& page, int parameter) override {
        opened = "letter " + page + " " + std::to_string(parameter);
    }
    void open_vocabulary(const std::string& item, const std::string& file, int mode) override {
        opened = "vocabulary " + item + " " + file + " " + std::to_string(mode);
    }

private:
    void note(const std::string& what, int k, int mode) {
        opened = what + " " + std::to_string(k) + (mode ? " mode " + std::to_string(mode) : "");
    }
    ComprehensionLesson m_lesson;
};

TaskEntry task(int text, const std::string& kind, const std::string& media) {
    TaskEntry entry;
    entry.text_number = text;
    entry.kind = kind;
    entry.media_name = media;
    return entry;
}

class OpenItem : public ::testing::Test {
protected:
    void SetUp() override {
        course.config.course_root = files.root();
        files.write_bytes("Teksty_mpg_r/2.MPG", "film");
        course.tables.tasks = {task(1, "MC", "1"), task(2, "TF", "2"), task(1, "WP", "1")};
        course.tables.sections.resize(2);
        course.tables.dialogues.resize(1);
        course.tables.letters = {Letter{"list1", 1, 1, 7}};
        course.tables.catalogue.resize(3);
        for (const int key : {4, 9, 12}) {
            cw_Info record;
            record.name = "tek_1";
            record.key = static_cast<std::uint8_t>(key);
            results_records.push_back(record);
        }
    }
    ResultsStore results() const {
        ResultsStore store;
        for (const cw_Info& record : results_records)
            store.append(record);
        return store;
    }

    test::TempCourse files;
    CourseState course;
    std::vector<cw_Info> results_records;
};

TEST_F(OpenItem, EachPrefixOpensItsScreen) {
    const std::pair<ItemRow, std::string> cases[] = {
        {{"tek_1", 44, "", 2}, "text 1 task 2"},
        {{"zda_2", 51, "DZIAL=G1=(2)"}, "sentences 2 mode 2"},
        {{"dia_1", 74, ""}, "dialogue 1 mode 5"},
        {{"lst_1", 57, "L1"}, "letter Listy_r\\list1.htm 7"},
        {{"slo_3", 62, "Sdom1"}, "vocabulary slo_3 cw_r\\dom1.bc4 3"},
        {{"rpg_1", 54, ""}, "listening 1"},
        {{"zdn_2", 56, ""}, "recording 2"},
        {{"zdd_3", 59, ""}, "drag 3"},
        {{"cie_3", 58, ""}, "curiosity 3"},
    };
    const ResultsStore store = results();
    for (const auto& [row, expected] : cases) {
        RecordingScreens screens;
        EXPECT_TRUE(open_item(row, course, store, screens)) << row.name;
        EXPECT_EQ(screens.opened, expected) << row.name;
    }
}

TEST_F(OpenItem, RowsThatOpenNothing) {
    const ItemRow cases[] = {
        {"otw_3", 90, "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM="},
        {"Otw_2001", 90, "x"},
        {"abc_1", 40, ""},
        {"tek_7", 40, "", 1}, // a text without tasks
        {"tek_1", 40, "", 3}, // beyond its two tasks
        {"zda_3", 50, ""},    // only two sections
        {"rpg_4", 54, ""},    // only three catalogue entries
        {"lst_0", 57, ""},
        {"tek_", 40, ""},
        {"tek_1x", 40, ""},
    };
    const ResultsStore store = results();
    for (const ItemRow& row : cases) {
        RecordingScreens screens;
        EXPECT_FALSE(open_item(row, course, store, screens)) << row.name;
        EXPECT_EQ(screens.opened, "") << row.name;
    }
}

TEST_F(OpenItem, ATextCollectsItsTasksKeysAndMedia) {
    const ResultsStore store = results();
    const auto first = comprehension_lesson(1, course, store);
    ASSERT_TRUE(first);
    ASSERT_EQ(first->tasks.size(), 2u);
    EXPECT_EQ(first->tasks[1]->kind, "WP");
    // Two tasks take the first two of the text's three records.
    EXPECT_EQ(first->item_keys, (std::vector<std::optional<std::uint8_t>>{4, 9}));
    EXPECT_EQ(first->media, TextMedia::recording);

    const auto film = comprehension_lesson(2, course, store);
    ASSERT_TRUE(film);
    EXPECT_EQ(film->media, TextMedia::film); // found whatever the letter case on disk
    files.write_bytes("Teksty_htm_r/1.htm", "<p>");
    EXPECT_EQ(comprehension_lesson(1, course, store)->media, TextMedia::page);
}

// A task of a kind the program does not know has no results record; the tasks after it
// keep their own tabs, records and keys.
TEST_F(OpenItem, ATaskOfAnUnknownKindShiftsNoOtherTask) {
    course.tables.tasks = {task(1, "MC", "1"), task(1, "QQ", "1"), task(2, "TF", "2"),
                           task(1, "WP", "1")};
    results_records.resize(2); // the two records results_build makes for text 1
    EXPECT_EQ(recorded_task_ordinals(course.tables, 1), (std::vector<int>{1, 3}));
    EXPECT_EQ(recorded_task_ordinals(course.tables, 2), (std::vector<int>{1}));
    EXPECT_EQ(record_ordinal({1, 3}, 2), 3);
    EXPECT_EQ(record_ordinal({1, 3}, 3), 3); // a record beyond the tasks keeps its place

    const ResultsStore store = results();
    const auto lesson = comprehension_lesson(1, course, store);
    ASSERT_TRUE(lesson);
    ASSERT_EQ(lesson->tasks.size(), 3u);
    EXPECT_EQ(lesson->item_keys, (std::vector<std::optional<std::uint8_t>>{4, std::nullopt, 9}));

    RecordingScreens screens;
    EXPECT_TRUE(open_item({"tek_1", 40, "", 3}, course, store, screens));
    EXPECT_EQ(screens.opened, "text 1 task 3");
    EXPECT_EQ(screens.lesson->tasks[2]->kind, "WP");
}

} // namespace
} // namespace vimo
