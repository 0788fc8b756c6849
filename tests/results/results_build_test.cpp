#include "core/dates.h"
#include "core/text_file.h"
#include "core/uni.h"
#include "results/results_store.h"
#include "support/fixed_sources.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

using namespace std::chrono;
using namespace std::string_literals;

// A group as the loader cuts it from "1=x=ID=NAME=": both values start with the zero
// high byte of the "=" before them.
LessonGroup loaded_group(const std::string& id, const std::string& name) {
    return {std::string(1, '\0') + uni_widen(id), std::string(1, '\0') + uni_widen(name)};
}

TaskEntry task(int text_number, std::string kind) {
    TaskEntry t;
    t.text_number = text_number;
    t.kind = std::move(kind);
    return t;
}

CatalogueEntry catalogue_entry(std::string key8) {
    CatalogueEntry e;
    e.key8 = std::move(key8);
    return e;
}

Dialogue dialogue(std::string name, std::string modes, int level, int group) {
    Dialogue d;
    d.name = uni_widen(name);
    d.modes = std::move(modes);
    d.level = level;
    d.group = group;
    return d;
}

// One or two entries of every source, with entries that make no record in between.
CourseTables small_course() {
    CourseTables t;
    t.groups = {loaded_group("G1", "Gramatyka"), loaded_group("LONGGROUPID_ABCDEF", "Dom")};
    t.texts = {{12, 2, 1, "T12"}, {5, 1, 2, "T5"}};
    t.tasks = {task(12, "MC"), task(5, "TF"),  task(12, "DD"),
               task(12, "XX"), task(99, "MC"), task(12, "ZDD")};
    t.letters = {{"list1", 1, 2, 0}, {"list2", 3, 1, 0}};
    t.catalogue = {catalogue_entry("R001110201"), catalogue_entry("X001990101"),
                   catalogue_entry("N002530302"), catalogue_entry("D003600101"),
                   catalogue_entry("C004480402")};
    t.sections = {{1, "05", 1, {1, 2}}, {2, "10", 2, {3}}};
    t.dialogues = {dialogue("Na poczcie", "TTFTT", 2, 1), dialogue("Nic", "FFFFF", 1, 1),
                   dialogue("W domu", "T", 4, 2)};
    t.open_tasks = {{1, 2, 3, "a", "b"}, {2, 1, 1, "c", "d"}};
    return t;
}

struct Expected {
    std::string name;
    std::string title;
    int kind;
    int key;
    int level;
    std::string group_id;
};

class ResultsBuild : public ::testing::Test {
protected:
    void SetUp() override {
        config.course_root = course.root();
        course.write_8bit("cw_r/abcd.bc4", {"first line", "abcd010261", "words"});
        course.write_8bit("cw_r/efgh.bc4", {"first line", "efgh000460"});
    }
    // The middle name is listed but gone by the time the build reads it.
    const std::vector<std::string> word_lists{"abcd.bc4", "gone.bc4", "efgh.bc4"};

    test::TempCourse course;
    Config config;
    test::FixedClock clock{*moment_of_day_count(day_number(2026y / 12 / 10) + 0.25)};
};

TEST_F(ResultsBuild, CreatesEveryItemInTheFixedOrderWithItsNumbers) {
    ResultsStore store;
    const BuildNotice notice = store.results_build(small_course(), config, word_lists, clock);
    EXPECT_FALSE(notice.incomplete());
    const std::string dialogue_title = uni_widen("Na poczcie");
    const std::vector<Expected> expected{
        // Texts × tasks: the key is the record's own number.
        {"tek_12", "T12", 40, 1, 2, "G1"},
        {"tek_12", "T12", 42, 2, 2, "G1"},
        {"tek_12", "T12", 47, 3, 2, "G1"},
        {"tek_5", "T5", 41, 4, 1, "LONGGROUPID_"},
        {"lst_1", "L1", 57, 0, 1, "LONGGROUPID_"},
        {"lst_2", "L2", 57, 0, 3, "G1"},
        // Catalogue entry 2 has an unknown type: no record, but its number is used.
        {"rpg_1", "PR001", 54, 0, 2, "G1"},
        {"zdn_3", "ZDN_N002", 56, 0, 3, "LONGGROUPID_"},
        {"zdd_4", "ZDD_D003", 59, 0, 1, "G1"},
        {"cie_5", "C_C004", 58, 0, 4, "LONGGROUPID_"},
        {"zda_1", "DZIAL=G1=(5)", 50, 0, 1, "G1"},
        {"zda_1", "DZIAL=G1=(5)", 51, 0, 1, "G1"},
        {"zda_1", "DZIAL=G1=(5)", 52, 0, 1, "G1"},
        {"zda_2", "DZIAL=LONGGROUPID_ABCDEF=(10)", 50, 0, 2, "LONGGROUPID_"},
        {"zda_2", "DZIAL=LONGGROUPID_ABCDEF=(10)", 51, 0, 2, "LONGGROUPID_"},
        {"zda_2", "DZIAL=LONGGROUPID_ABCDEF=(10)", 52, 0, 2, "LONGGROUPID_"},
        // Dialogues: one record per offered mode; dialogue 2 offers none.
        {"dia_1", dialogue_title, 70, 0, 2, "G1"},
        {"dia_1", dialogue_title, 71, 0, 2, "G1"},
        {"dia_1", dialogue_title, 73, 0, 2, "G1"},
        {"dia_1", dialogue_title, 74, 0, 2, "G1"},
        {"dia_3", uni_widen("W domu"), 70, 0, 4, "LONGGROUPID_"},
        // Word lists: numbered by their place in the listing.
        {"slo_1", "Sabcd", 60, 0, 2, "LONGGROUPID_"},
        {"slo_1", "Sabcd", 61, 0, 2, "LONGGROUPID_"},
        {"slo_1", "Sabcd", 62, 0, 2, "LONGGROUPID_"},
        {"slo_1", "Sabcd", 63, 0, 2, "LONGGROUPID_"},
        {"slo_1", "Sabcd", 64, 0, 2, "LONGGROUPID_"},
        {"slo_3", "Sefgh", 60, 0, 4, "G1"},
        {"slo_3", "Sefgh", 61, 0, 4, "G1"},
        {"slo_3", "Sefgh", 62, 0, 4, "G1"},
        {"slo_3", "Sefgh", 63, 0, 4, "G1"},
        {"slo_3", "Sefgh", 64, 0, 4, "G1"},
        {"otw_1", "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM=", 90, 0, 3, "LONGGROUPID_"},
        {"otw_2", "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM=", 90, 0, 1, "G1"},
    };
    ASSERT_EQ(store.count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const cw_Info& r = store.records()[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("record " + std::to_string(i + 1) + " " + e.name);
        EXPECT_EQ(r.name, e.name);
        EXPECT_EQ(r.title, e.title);
        EXPECT_EQ(r.kind, e.kind);
        EXPECT_EQ(r.key, e.key);
        EXPECT_EQ(r.level, e.level);
        EXPECT_EQ(r.group_id, e.group_id);
        EXPECT_EQ(r.group_name, e.group_id == "G1" ? "Gramatyka" : "Dom");
    }
}

TEST_F(ResultsBuild, NewRecordsStartUndoneAtTheBuildTime) {
    ResultsStore store;
    store.results_build(small_course(), config, word_lists, clock);
    for (const cw_Info& r : store.records()) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.count, 0);
        EXPECT_EQ(r.score, 0);
        EXPECT_EQ(r.completed, 0);
        EXPECT_EQ(r.mode, 1);
        EXPECT_EQ(day_count_date_time_text(r.last_date), "2026-12-10 06:00:00");
        EXPECT_DOUBLE_EQ(r.time_of_day, 0.25);
        EXPECT_EQ(r.server_text, "");
        EXPECT_EQ(r.server_value_1, 0);
        EXPECT_EQ(r.server_value_2, 0);
        EXPECT_EQ(r.pack_text, "");
    }
}

TEST_F(ResultsBuild, TheGermanCourseHasTwoSentenceRowsPerSection) {
    for (const int variant : {1, 2, 3, 4}) {
        config.course_variant = variant;
        ResultsStore store;
        store.results_build(small_course(), config, word_lists, clock);
        std::vector<int> kinds;
        for (const cw_Info& r : store.records())
            if (r.name == "zda_1") kinds.push_back(r.kind);
        const std::vector<int> expected =
            variant == 2 ? std::vector<int>{50, 51} : std::vector<int>{50, 51, 52};
        EXPECT_EQ(kinds, expected) << "variant " << variant;
    }
}

TEST_F(ResultsBuild, ACatalogueThatLostAnEntryShiftsTheLaterNumbers) {
    CourseTables tables = small_course();
    tables.catalogue.erase(tables.catalogue.begin());
    ResultsStore store;
    store.results_build(tables, config, {}, clock);
    std::vector<std::string> names;
    for (const cw_Info& r : store.records())
        if (r.kind == 56 || r.kind == 59 || r.kind == 58) names.push_back(r.name);
    EXPECT_EQ(names, (std::vector<std::string>{"zdn_2", "zdd_3", "cie_4"}));
}

TEST_F(ResultsBuild, ItemKeysWrapAt256) {
    CourseTables tables;
    tables.groups = {loaded_group("G1", "Gramatyka")};
    tables.texts = {{1, 1, 1, "T1"}};
    tables.tasks.assign(300, task(1, "MC"));
    ResultsStore store;
    store.results_build(tables, config, {}, clock);
    ASSERT_EQ(store.count(), 300);
    EXPECT_EQ(store.record(255)->key, 255);
    EXPECT_EQ(store.record(256)->key, 0);
    EXPECT_EQ(store.record(300)->key, 44);
}

TEST_F(ResultsBuild, ACourseBeyondTheCapacityStopsAddingAndSaysHowManyAreMissing) {
    CourseTables tables = small_course();
    tables.letters.assign(2010, Letter{"l", 1, 1, 0});
    ResultsStore store;
    const BuildNotice notice = store.results_build(tables, config, word_lists, clock);
    EXPECT_EQ(store.count(), kResultsCapacity);
    EXPECT_EQ(store.record(kResultsCapacity)->name, "lst_1996"); // 4 text records before
    // Everything after the 2000th record is missing: 14 letters, and the rest.
    EXPECT_EQ(notice.records_not_created, 4 + 2010 - kResultsCapacity + 4 + 6 + 5 + 10 + 2);
    EXPECT_NE(notice.message.find("2000"), std::string::npos);
}

TEST_F(ResultsBuild, AWordListWithoutALevelIsAnErrorNamingItsLineAndKeepsTheStore) {
    course.write_8bit("cw_r/bad.bc4", {"first line", "badx"});
    ResultsStore store;
    store.results_build(small_course(), config, word_lists, clock);
    const std::vector<cw_Info> before = store.records();
    try {
        store.results_build(small_course(), config, {"bad.bc4"}, clock);
        ADD_FAILURE() << "a word list without a level was accepted";
    } catch (const CourseFileError& error) {
        EXPECT_EQ(error.file(), course.path("cw_r/bad.bc4"));
        EXPECT_EQ(error.line(), 2);
    }
    EXPECT_EQ(store.records(), before);
}

TEST_F(ResultsBuild, ACatalogueKeyWithoutALevelIsAnError) {
    CourseTables tables = small_course();
    tables.catalogue.push_back(catalogue_entry("Z00911xx01"));
    ResultsStore store;
    EXPECT_THROW(store.results_build(tables, config, {}, clock), CourseFileError);
}

TEST_F(ResultsBuild, GroupIndexesOutsideTheTableGiveEmptyGroups) {
    CourseTables tables;
    tables.groups = {loaded_group("G1", "Gramatyka")};
    tables.letters = {{"l", 1, 0, 0}, {"l", 1, 7, 0}};
    ResultsStore store;
    store.results_build(tables, config, {}, clock);
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.record(1)->group_id, "");
    EXPECT_EQ(store.record(2)->group_name, "");
}

TEST_F(ResultsBuild, LongDialogueNamesAreCutToTheTitleArea) {
    CourseTables tables;
    tables.dialogues = {dialogue(std::string(200, 'd'), "T", 1, 1)};
    ResultsStore store;
    store.results_build(tables, config, {}, clock);
    EXPECT_EQ(store.record(1)->title.size(), cw_area::title);
}

} // namespace
} // namespace vimo
