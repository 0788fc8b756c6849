#include "core/atomic_file.h"
#include "core/dates.h"
#include "core/text_file.h"
#include "repetitions/repetition_store.h"
#include "support/fixed_sources.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <bit>
#include <cstring>
#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::chrono;

double at_local(year_month_day date, int hour, int minute) {
    return day_number(date) + (hour * 60 + minute) / 1440.0;
}

system_clock::time_point local_time(year_month_day date, int hour, int minute) {
    return *moment_of_day_count(at_local(date, hour, minute));
}

std::string content_of(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

bool exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

const RepetitionSettings defaults{};
constexpr year_month_day kToday = 2026y / 12 / 10;

class Scheduler : public ::testing::Test {
protected:
    // Reports a checked result of multiple choice, task 1 of tek_12 (item key 5).
    RepetitionChange report(int score, const RepetitionSettings& settings = defaults) {
        return store.powt_record_result(score, "tek_12", 40, true, 5, 1, settings, clock);
    }
    const Repetition& only_entry() const {
        EXPECT_EQ(store.count(), 1);
        return store.entries().front();
    }
    void next_day(int days = 1) { clock.set(clock.now() + days * 24h); }

    RepetitionStore store;
    test::FixedClock clock{local_time(kToday, 10, 44)};
};

TEST_F(Scheduler, AFirstReportEntersTheTaskDueAfterTheFirstIntervalWhateverTheScore) {
    EXPECT_EQ(report(100), RepetitionChange::added);
    const Repetition& e = only_entry();
    EXPECT_EQ(e.name, "tek_12");
    EXPECT_EQ(e.kind, 40);
    EXPECT_EQ(e.task_id, 5);
    EXPECT_EQ(e.task_pos, 1);
    EXPECT_EQ(e.interval, 3);
    EXPECT_DOUBLE_EQ(e.due, at_local(2026y / 12 / 13, 10, 44)); // now + 3 days, time kept
    EXPECT_EQ(e.last_done, day_number(kToday));
    EXPECT_EQ(store.powt_due_text("tek_12", 40, 1), "2026-12-13");
}

TEST_F(Scheduler, ScoresAboveTheThresholdDropTheEntryAndTheThresholdItselfKeepsIt) {
    report(50);
    next_day();
    EXPECT_EQ(report(61), RepetitionChange::updated);
    EXPECT_EQ(only_entry().interval, 6); // doubled: the first report was the day before
    EXPECT_EQ(only_entry().due, day_number(2026y / 12 / 11) + 6);
    EXPECT_EQ(report(62), RepetitionChange::dropped);
    EXPECT_EQ(only_entry().name, ""); // the slot stays until the next load
    EXPECT_EQ(store.powt_due_text("tek_12", 40, 1), "");
    // A dropped exercise is entered afresh.
    EXPECT_EQ(report(62), RepetitionChange::added);
    EXPECT_EQ(store.count(), 2);
}

TEST_F(Scheduler, TheIntervalDoublesOnlyOnTheFirstReportOfALaterDay) {
    report(40);
    EXPECT_EQ(only_entry().interval, 3);
    report(40); // the same day
    EXPECT_EQ(only_entry().interval, 3);
    next_day();
    report(40);
    EXPECT_EQ(only_entry().interval, 6);
    report(40);
    EXPECT_EQ(only_entry().interval, 6);
    next_day(5);
    report(15);
    EXPECT_EQ(only_entry().interval, 12);
    EXPECT_EQ(store.powt_due_text("tek_12", 40, 1), "2026-12-28"); // today (16th) + 12
}

TEST_F(Scheduler, AScoreBelowFifteenResetsTheIntervalToThreeDays) {
    RepetitionSettings settings;
    settings.first_interval = 24;
    report(40, settings);
    EXPECT_EQ(only_entry().interval, 24);
    next_day();
    report(14, settings);
    EXPECT_EQ(only_entry().interval, 3);
    EXPECT_EQ(only_entry().due, day_number(2026y / 12 / 11) + 3);
}

TEST_F(Scheduler, TheLearnersSettingsSteerTheScheduler) {
    Settings learner = default_settings(0);
    learner.repetition_threshold = 80;
    learner.repetition_interval = 7;
    learner.repetitions_when_interrupted = true;
    const RepetitionSettings settings = repetition_settings(learner);
    EXPECT_TRUE(settings.on);
    EXPECT_EQ(settings.threshold, 80);
    EXPECT_EQ(settings.first_interval, 7);
    EXPECT_TRUE(settings.when_interrupted);
    store.powt_record_result(40, "tek_12", 40, false, 5, 1, settings, clock);
    EXPECT_EQ(only_entry().interval, 7);
    learner.repetitions_on = false;
    EXPECT_FALSE(repetition_settings(learner).on);
}

TEST_F(Scheduler, TaskPositionsAndKindsMakeSeparateEntries) {
    store.powt_record_result(40, "tek_12", 40, true, 5, 1, defaults, clock);
    store.powt_record_result(40, "tek_12", 40, true, 6, 2, defaults, clock);
    store.powt_record_result(40, "tek_12", 41, true, 5, 1, defaults, clock);
    EXPECT_EQ(store.count(), 3);
}

TEST_F(Scheduler, NamesDifferingOnlyInLetterCaseUpdateOneEntry) {
    store.powt_record_result(40, "TEK_12", 40, true, 5, 1, defaults, clock);
    store.powt_record_result(40, "Tek_12", 40, true, 5, 1, defaults, clock);
    EXPECT_EQ(only_entry().name, "tek_12");
    EXPECT_TRUE(store.powt_is_due("TEK_12", 40, 1, test::FixedClock(clock.now() + 72h)));
}

TEST_F(Scheduler, TheTaskIdOfAnEntryIsNeverUpdated) {
    store.powt_record_result(40, "tek_12", 40, true, 5, 1, defaults, clock);
    store.powt_record_result(40, "tek_12", 40, true, 9, 1, defaults, clock);
    EXPECT_EQ(only_entry().task_id, 5);
}

TEST_F(Scheduler, LongIntervalsStopDoublingAtTheLongestInterval) {
    RepetitionSettings settings;
    settings.first_interval = 100;
    report(40, settings);
    for (int day = 0; day < 40; ++day) {
        next_day();
        report(40, settings);
    }
    EXPECT_EQ(only_entry().interval, kLongestInterval);
    EXPECT_FALSE(store.powt_due_text("tek_12", 40, 1).empty());
}

struct OffCase {
    const char* name;
    bool on;
    bool when_interrupted;
    bool completed;
    bool recorded;
};

class SchedulerSwitches : public Scheduler, public ::testing::WithParamInterface<OffCase> {};

TEST_P(SchedulerSwitches, DecideWhetherAnythingIsRecorded) {
    const OffCase& c = GetParam();
    RepetitionSettings settings;
    settings.on = c.on;
    settings.when_interrupted = c.when_interrupted;
    const RepetitionChange change =
        store.powt_record_result(10, "tek_12", 40, c.completed, 5, 1, settings, clock);
    EXPECT_EQ(change != RepetitionChange::none, c.recorded);
    EXPECT_EQ(store.count(), c.recorded ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Repetitions, SchedulerSwitches,
                         ::testing::Values(OffCase{"off", false, true, true, false},
                                           OffCase{"unchecked_option_off", true, false, false,
                                                   false},
                                           OffCase{"unchecked_option_on", true, true, false, true},
                                           OffCase{"checked", true, false, true, true}));

struct DueCase {
    const char* name;
    double due;
    bool is_due;
};

class DueToday : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueToday, ComparesCalendarDaysOnly) {
    const DueCase& c = GetParam();
    test::TempCourse course;
    Repetition entry{"zda_3", 51, 0, 3, c.due, day_number(kToday) - 3, 2};
    course.write_bytes("powt_v1r2_55", encode_repetition(entry));
    RepetitionStore store;
    const test::FixedClock clock(local_time(kToday, 10, 44));
    store.powt_load(course.path("powt_v1r2_55"), clock);
    EXPECT_EQ(store.powt_is_due("zda_3", 51, 2, clock), c.is_due);
    EXPECT_FALSE(store.powt_is_due("zda_3", 51, 1, clock));
    ResultsStore results;
    cw_Info record;
    record.name = "ZDA_3"; // compared after lower-casing
    record.kind = 51;
    results.append(record);
    EXPECT_EQ(store.powt_any_due(results, clock), c.is_due);
}

INSTANTIATE_TEST_SUITE_P(
    Repetitions, DueToday,
    ::testing::Values(DueCase{"yesterday_23_59", at_local(2026y / 12 / 9, 23, 59), true},
                      DueCase{"today_23_59", at_local(kToday, 23, 59), true},
                      DueCase{"today_00_00", at_local(kToday, 0, 0), true},
                      DueCase{"tomorrow_00_00", at_local(2026y / 12 / 11, 0, 0), false},
                      DueCase{"a_year_ago", at_local(2025y / 12 / 10, 12, 0), true}));

TEST_F(Scheduler, AnyDueNeedsAResultsRecordOfTheSameNameAndKind) {
    report(40);
    const test::FixedClock later(clock.now() + 96h);
    ResultsStore results;
    cw_Info record;
    record.name = "tek_12";
    record.kind = 41;
    results.append(record);
    EXPECT_FALSE(store.powt_any_due(results, later)); // other kind
    record.kind = 40;
    results.append(record);
    EXPECT_TRUE(store.powt_any_due(results, later));
    EXPECT_FALSE(store.powt_any_due(results, clock)); // not due yet
    EXPECT_FALSE(RepetitionStore().powt_any_due(results, later));
}

TEST_F(Scheduler, RemoveTakesTheLastEntryOfNameKindAndTaskId) {
    store.powt_record_result(40, "tek_12", 40, true, 5, 1, defaults, clock);
    store.powt_record_result(40, "tek_12", 40, true, 5, 2, defaults, clock);
    EXPECT_FALSE(store.powt_remove("tek_12", 40, 6));
    EXPECT_TRUE(store.powt_remove("TEK_12", 40, 5));
    EXPECT_EQ(store.entries()[0].name, "tek_12");
    EXPECT_EQ(store.entries()[1].name, "");
    EXPECT_TRUE(store.powt_remove("tek_12", 40, 5));
    EXPECT_FALSE(store.powt_remove("tek_12", 40, 5));
}

TEST_F(Scheduler, AFullTableReusesAFreeSlotThenGivesUpTheBestLearntEntry) {
    for (int i = 1; i <= kRepetitionCapacity; ++i)
        store.powt_record_result(40, "tek_" + std::to_string(i), 40, true, 0, 1, defaults, clock);
    // tek_7 has been learnt longest: its interval has doubled twice.
    for (int day = 1; day <= 2; ++day) {
        next_day();
        store.powt_record_result(40, "tek_7", 40, true, 0, 1, defaults, clock);
    }
    ASSERT_EQ(store.entries()[6].interval, 12);
    store.powt_remove("tek_500", 40, 0);

    EXPECT_EQ(store.powt_record_result(40, "slo_1", 60, true, 0, 1, defaults, clock),
              RepetitionChange::added);
    EXPECT_EQ(store.entries()[499].name, "slo_1");
    EXPECT_EQ(store.powt_record_result(40, "slo_2", 60, true, 0, 1, defaults, clock),
              RepetitionChange::added_in_place);
    EXPECT_EQ(store.entries()[6].name, "slo_2");
    EXPECT_EQ(store.count(), kRepetitionCapacity);
    EXPECT_EQ(store.powt_due_text("tek_7", 40, 1), "");
}

TEST(RepetitionLayout, EveryFieldSitsAtItsOffset) {
    const Repetition entry{"tek_12", 40, 0x0A0B0C0D, 6, 46369.25, 46366.0, 3};
    const std::string bytes = encode_repetition(entry);
    ASSERT_EQ(bytes.size(), 144u);
    EXPECT_EQ(bytes[0], 6);
    EXPECT_EQ(bytes.substr(1, 6), "tek_12");
    EXPECT_EQ(bytes.substr(7, 97), std::string(97, '\0'));
    EXPECT_EQ(bytes.substr(101, 3), std::string(3, '\0'));
    EXPECT_EQ(bytes.substr(104, 4), std::string("\x28\0\0\0", 4));
    EXPECT_EQ(bytes.substr(108, 4), "\x0D\x0C\x0B\x0A");
    EXPECT_EQ(bytes.substr(112, 4), std::string("\x06\0\0\0", 4));
    EXPECT_EQ(bytes.substr(116, 4), std::string(4, '\0'));
    std::uint64_t due = 0;
    for (int i = 7; i >= 0; --i)
        due = (due << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(120 + i)]);
    EXPECT_EQ(std::bit_cast<double>(due), 46369.25);
    EXPECT_EQ(bytes.substr(128, 8), std::string("\0\0\0\0\xC0\xA3\xE6\x40", 8)); // 46366.0
    EXPECT_EQ(bytes[136], 3);
    EXPECT_EQ(bytes.substr(137, 7), std::string(7, '\0'));
    const DecodedRepetition decoded = decode_repetition(bytes);
    EXPECT_FALSE(decoded.malformed);
    EXPECT_EQ(decoded.entry, entry);
}

class RepetitionFile : public ::testing::Test {
protected:
    std::string path() const { return course.path("powt_v1r2_55"); }

    test::TempCourse course;
    test::FixedClock clock{local_time(kToday, 10, 44)};
};

TEST_F(RepetitionFile, SavedEntriesLoadBackWithoutTheRemovedOnes) {
    RepetitionStore store;
    for (const char* name : {"tek_1", "tek_2", "tek_3"})
        store.powt_record_result(40, name, 40, true, 1, 1, defaults, clock);
    store.powt_remove("tek_2", 40, 1);
    store.powt_save(path());
    EXPECT_EQ(content_of(path()).size(), 2 * kRepetitionSize);
    RepetitionStore next;
    EXPECT_FALSE(next.powt_load(path(), clock).damaged());
    ASSERT_EQ(next.count(), 2);
    EXPECT_EQ(next.entries()[0], store.entries()[0]);
    EXPECT_EQ(next.entries()[1], store.entries()[2]);
}

TEST_F(RepetitionFile, ClearThenSaveLeavesAnEmptyFile) {
    RepetitionStore store;
    store.powt_record_result(40, "tek_1", 40, true, 1, 1, defaults, clock);
    store.powt_save(path());
    store.powt_clear();
    EXPECT_EQ(store.count(), 0);
    store.powt_save(path());
    ASSERT_TRUE(exists(path()));
    EXPECT_EQ(content_of(path()), "");
}

TEST_F(RepetitionFile, AReportThatChangesNothingStillRewritesTheFile) {
    RepetitionStore store;
    store.powt_record_result(40, "tek_1", 40, true, 1, 1, defaults, clock);
    store.powt_save(path());
    const std::string before = content_of(path());
    course.write_bytes("powt_v1r2_55", "stale");
    EXPECT_EQ(store.powt_record_result(40, "tek_1", 40, false, 1, 1, defaults, clock),
              RepetitionChange::none);
    store.powt_save(path());
    EXPECT_EQ(content_of(path()), before);
}

TEST_F(RepetitionFile, AMissingFileIsAnEmptyTableAndAFolderIsAnError) {
    RepetitionStore store;
    store.powt_record_result(40, "tek_1", 40, true, 1, 1, defaults, clock);
    EXPECT_FALSE(store.powt_load(path(), clock).damaged());
    EXPECT_EQ(store.count(), 0);
    course.make_folder("powt_v1r2_55");
    EXPECT_THROW(store.powt_load(path(), clock), CourseFileError);
}

TEST_F(RepetitionFile, AnInterruptedSaveKeepsThePreviousFile) {
    RepetitionStore store;
    store.powt_record_result(40, "tek_1", 40, true, 1, 1, defaults, clock);
    store.powt_save(path());
    const std::string previous = content_of(path());
    store.powt_record_result(40, "tek_2", 40, true, 1, 1, defaults, clock);
    const auto crash = [](const std::string& temporary) {
        throw FileWriteError(temporary, "simulated crash before the rename");
    };
    EXPECT_THROW(store.powt_save(path(), crash), FileWriteError);
    EXPECT_EQ(content_of(path()), previous);
}

struct DamagedCase {
    const char* name;
    std::size_t records_in_file;
    std::size_t extra_bytes;
    bool over_long_name; // the first record's length byte says 101
    int loaded;
    bool damaged;
};

class DamagedRepetitionFile : public RepetitionFile,
                              public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedRepetitionFile, LoadsTheWholeRecordsKeepsACopyAndReports) {
    const DamagedCase& c = GetParam();
    std::string bytes;
    for (std::size_t i = 0; i < c.records_in_file; ++i) {
        const Repetition entry{"tek_" + std::to_string(i + 1), 40, 0, 3, 46369.0, 46366.0, 1};
        bytes += encode_repetition(entry);
    }
    if (c.over_long_name) bytes[0] = static_cast<char>(101);
    bytes += std::string(c.extra_bytes, '\x07');
    course.write_bytes("powt_v1r2_55", bytes);

    RepetitionStore store;
    const LoadNotice notice = store.powt_load(path(), clock);
    EXPECT_EQ(store.count(), c.loaded);
    ASSERT_EQ(notice.damaged(), c.damaged);
    if (c.damaged) {
        EXPECT_EQ(QFileInfo(QString::fromStdString(notice.damaged_copy)).fileName(),
                  "powt_v1r2_55.damaged-2026-12-10-104400");
        EXPECT_EQ(content_of(notice.damaged_copy), bytes);
        EXPECT_NE(notice.message.find(path()), std::string::npos) << notice.message;
    }
    if (c.over_long_name) {
        EXPECT_EQ(store.entries()[0].name.size(), 100u);
    }
    store.powt_save(path());
    EXPECT_EQ(content_of(path()).size(), static_cast<std::size_t>(c.loaded) * kRepetitionSize);
}

INSTANTIATE_TEST_SUITE_P(Repetitions, DamagedRepetitionFile,
                         ::testing::Values(DamagedCase{"empty", 0, 0, false, 0, false},
                                           DamagedCase{"one_byte", 0, 1, false, 0, true},
                                           DamagedCase{"143_bytes", 0, 143, false, 0, true},
                                           DamagedCase{"145_bytes", 1, 1, false, 1, true},
                                           DamagedCase{"289_bytes", 2, 1, false, 2, true},
                                           DamagedCase{"exactly_full", 1000, 0, false, 1000, false},
                                           DamagedCase{"over_capacity", 1002, 0, false, 1000, true},
                                           DamagedCase{"over_long_name", 2, 0, true, 2, true}));

TEST_F(RepetitionFile, RecordsWithoutANameAreNotLoaded) {
    const Repetition kept{"tek_1", 40, 0, 3, 46369.0, 46366.0, 1};
    course.write_bytes("powt_v1r2_55", encode_repetition(Repetition{}) + encode_repetition(kept));
    RepetitionStore store;
    EXPECT_FALSE(store.powt_load(path(), clock).damaged());
    ASSERT_EQ(store.count(), 1);
    EXPECT_EQ(store.entries()[0], kept);
}

TEST_F(RepetitionFile, GarbageDatesNeverCrashAndShowNoDate) {
    Repetition entry{"tek_1", 40, 0, 3, std::bit_cast<double>(~0ULL), 1e300, 1};
    course.write_bytes("powt_v1r2_55", encode_repetition(entry));
    RepetitionStore store;
    store.powt_load(path(), clock);
    EXPECT_EQ(store.powt_due_text("tek_1", 40, 1), "");
    EXPECT_EQ(store.powt_record_result(40, "tek_1", 40, true, 0, 1, defaults, clock),
              RepetitionChange::updated);
    EXPECT_EQ(store.powt_due_text("tek_1", 40, 1), "2026-12-16"); // doubled to 6
}

} // namespace
} // namespace vimo
