#include "core/atomic_file.h"
#include "core/dates.h"
#include "core/text_file.h"
#include "core/uni.h"
#include "results/results_store.h"
#include "support/fixed_sources.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::chrono;
using namespace std::string_literals;

system_clock::time_point local_time(year_month_day date, int hour, int minute) {
    return *moment_of_day_count(day_number(date) + (hour * 60 + minute) / 1440.0);
}

std::string content_of(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

QStringList files_in(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name);
}

cw_Info item(std::string name, std::uint8_t kind, std::uint8_t key = 0) {
    cw_Info r;
    r.name = std::move(name);
    r.title = "T";
    r.kind = kind;
    r.key = key;
    r.level = 1;
    r.group_id = "G1";
    return r;
}

ResultsStore store_of(const std::vector<cw_Info>& records) {
    ResultsStore store;
    for (const cw_Info& r : records)
        EXPECT_TRUE(store.append(r));
    return store;
}

class Recording : public ::testing::Test {
protected:
    test::FixedClock clock{local_time(2026y / 12 / 10, 10, 44)};
};

TEST_F(Recording, OnlyTheLastOfTwoEqualRecordsIsUpdated) {
    ResultsStore store = store_of({item("tek_1", 40, 1), item("tek_1", 40, 1)});
    EXPECT_EQ(store.results_record(70, "tek_1", 40, 1, true, clock), 2);
    EXPECT_EQ(store.record(1)->count, 0);
    EXPECT_EQ(store.record(2)->count, 1);
    EXPECT_EQ(store.record(2)->score, 70);
}

TEST_F(Recording, ASecondResultKeepsItsScoreAndDateAndCountsTwo) {
    ResultsStore store = store_of({item("slo_3", 61)});
    store.results_record(-5, "slo_3", 61, 0, false, clock);
    EXPECT_EQ(store.record(1)->score, 0);
    const auto later = local_time(2026y / 12 / 12, 18, 30);
    clock.set(later);
    store.results_record(88, "slo_3", 61, 0, true, clock);
    const cw_Info& r = *store.record(1);
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(r.score, 88);
    EXPECT_EQ(r.completed, 1);
    EXPECT_EQ(r.mode, 0);
    EXPECT_DOUBLE_EQ(r.last_date, day_count(later));
    EXPECT_NEAR(r.time_of_day, 18.5 / 24, 1e-9); // well within a millisecond
    EXPECT_EQ(day_count_date_time_text(r.last_date), "2026-12-12 18:30:00");
}

TEST_F(Recording, ScoresAboveOneHundredStoreOneHundred) {
    ResultsStore store = store_of({item("rpg_2", 54)});
    store.results_record(300, "rpg_2", 54, 0, true, clock); // would wrap to 44 in a byte
    EXPECT_EQ(store.record(1)->score, 100);
}

struct MissCase {
    const char* name;
    const char* item_name;
    std::uint8_t kind;
    std::uint8_t key;
};

class RecordingMisses : public Recording, public ::testing::WithParamInterface<MissCase> {};

TEST_P(RecordingMisses, ChangeNothing) {
    ResultsStore store = store_of({item("tek_4", 40, 9), item("Otw_2001", 90)});
    const std::vector<cw_Info> before = store.records();
    const MissCase& c = GetParam();
    EXPECT_EQ(store.results_record(50, c.item_name, c.kind, c.key, true, clock), 0);
    EXPECT_EQ(store.records(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Results, RecordingMisses,
    ::testing::Values(MissCase{"other_kind", "tek_4", 41, 9}, MissCase{"other_key", "tek_4", 40, 8},
                      MissCase{"other_name", "tek_5", 40, 9},
                      // The name is lower-cased, so records added with a capital never match.
                      MissCase{"capitalised_server_record", "Otw_2001", 90, 0}));

TEST_F(Recording, NamesAreLowerCasedBeforeTheSearch) {
    ResultsStore store = store_of({item("tek_4", 40, 9)});
    EXPECT_EQ(store.results_record(50, "TEK_4", 40, 9, true, clock), 1);
}

TEST_F(Recording, SendsTheUpdatedRecordOnlyInNetworkMode) {
    ResultsStore store = store_of({item("zda_2", 51)});
    std::vector<cw_Info> sent;
    store.set_result_sender([&sent](const cw_Info& r) { sent.push_back(r); });
    store.results_record(40, "zda_2", 51, 0, true, clock);
    EXPECT_TRUE(sent.empty());
    store.set_network_mode(1);
    store.results_record(60, "zda_2", 51, 0, true, clock);
    store.results_record(60, "zda_9", 51, 0, true, clock); // no record: nothing to send
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], *store.record(1));
    EXPECT_EQ(sent[0].count, 2);
}

TEST(ResultsCapacity, AppendStopsAtTwoThousandRecords) {
    ResultsStore store;
    for (int i = 1; i <= kResultsCapacity; ++i)
        ASSERT_TRUE(store.append(item("otw_" + std::to_string(i), 90)));
    EXPECT_FALSE(store.append(item("Otw_2000", 90)));
    EXPECT_EQ(store.count(), kResultsCapacity);
    EXPECT_EQ(store.record(kResultsCapacity)->name, "otw_2000");
    EXPECT_EQ(store.record(0), nullptr);
    EXPECT_EQ(store.record(kResultsCapacity + 1), nullptr);
}

TEST(ResultsGroups, IdsAndNamesAreTheTrimmedTextInWindows1250) {
    // As the loader cuts them: after the "=" byte, so they start with its zero high byte.
    const LessonGroup group{std::string(1, '\0') + uni_widen("G1"),
                            std::string(1, '\0') + "S\0\x42\x01o\0w\0n\0i\0c\0t\0w\0o\0"s};
    EXPECT_EQ(group_id_text(group), "G1");
    EXPECT_EQ(record_group_id(group), "G1");
    EXPECT_EQ(record_group_name(group), "S\xB3ownictwo"); // ł is B3 in Windows-1250
    EXPECT_TRUE(same_group("G1", group));
    EXPECT_FALSE(same_group("G10", group));
    EXPECT_FALSE(same_group("g1", group));
}

TEST(ResultsGroups, LongIdsCompareByTheTwelveBytesARecordHolds) {
    const LessonGroup group{uni_widen("GRAMATYKA_2026_A"), uni_widen("Gramatyka")};
    EXPECT_EQ(group_id_text(group), "GRAMATYKA_2026_A");
    EXPECT_EQ(record_group_id(group), "GRAMATYKA_20");
    EXPECT_TRUE(same_group("GRAMATYKA_20", group));
    EXPECT_TRUE(same_group("GRAMATYKA_2026_A", group)); // an uncut id is cut the same way
    EXPECT_FALSE(same_group("GRAMATYKA_2", group));
    const LessonGroup long_name{uni_widen("G"), uni_widen(std::string(60, 'n'))};
    EXPECT_EQ(record_group_name(long_name), std::string(50, 'n'));
}

TEST(ResultsGroups, SectionTitlesCarryTheGroupIdAndTheNumberWithoutZeros) {
    const LessonGroup group{std::string(1, '\0') + uni_widen("G1"), uni_widen("Gramatyka")};
    EXPECT_EQ(section_title(&group, "05"), "DZIAL=G1=(5)");
    EXPECT_EQ(section_title(&group, "10"), "DZIAL=G1=(10)");
    EXPECT_EQ(section_title(&group, "00"), "DZIAL=G1=(0)");
    EXPECT_EQ(section_title(nullptr, "7"), "DZIAL==(7)");

    const auto parts = split_section_title("DZIAL=G1=(5)");
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->group_id, "G1");
    EXPECT_EQ(parts->rest, "(5)");
    EXPECT_EQ(split_section_title("DZIAL=G1")->group_id, "G1");
    EXPECT_FALSE(split_section_title("T12").has_value());
    EXPECT_FALSE(split_section_title("DZIA").has_value());
}

class ResultsFile : public ::testing::Test {
protected:
    std::string path() const { return course.path("7/v1r2_55"); }
    void SetUp() override { course.make_folder("7"); }

    test::TempCourse course;
    test::FixedClock clock{local_time(2026y / 12 / 10, 10, 44)};
};

TEST_F(ResultsFile, WrittenAndReadBackGivesTheSameRecords) {
    ResultsStore store = store_of({item("tek_12", 40, 1), item("tek_12", 42, 2)});
    cw_Info dialogue = item("dia_1", 70);
    dialogue.title = uni_widen("Dialog ") + "\x05\x01"; // UTF-16 bytes, ą included
    dialogue.server_text = "s#1";
    dialogue.server_value_1 = -7;
    dialogue.pack_text = "pack";
    ASSERT_TRUE(store.append(dialogue));
    store.results_record(77, "tek_12", 42, 2, true, clock);
    store.results_save(path());
    EXPECT_EQ(content_of(path()).size(), 3 * kCwInfoSize);

    ResultsStore next;
    const LoadNotice notice = next.results_load(path(), clock);
    EXPECT_FALSE(notice.damaged());
    EXPECT_EQ(next.records(), store.records());
}

TEST_F(ResultsFile, PathsResolveLikeCoursePaths) {
    store_of({item("lst_1", 57)}).results_save(path());
    ResultsStore next;
    next.results_load(course.root() + "7\\V1R2_55", clock);
    EXPECT_EQ(next.count(), 1);
}

TEST_F(ResultsFile, AMissingFileGivesAnEmptyStore) {
    ResultsStore store = store_of({item("lst_1", 57)});
    const LoadNotice notice = store.results_load(path(), clock);
    EXPECT_TRUE(store.empty());
    EXPECT_FALSE(notice.damaged());
}

TEST_F(ResultsFile, AFolderInPlaceOfTheFileIsAnErrorNotAnEmptyStore) {
    // An empty store would be rebuilt and saved over the learner's history.
    course.make_folder("7/v1r2_55");
    ResultsStore store;
    EXPECT_THROW(store.results_load(path(), clock), CourseFileError);
}

TEST_F(ResultsFile, AnInterruptedSaveKeepsThePreviousFile) {
    store_of({item("lst_1", 57)}).results_save(path());
    const std::string previous = content_of(path());
    const auto crash = [](const std::string& temporary) {
        throw FileWriteError(temporary, "simulated crash before the rename");
    };
    const ResultsStore bigger = store_of({item("lst_1", 57), item("lst_2", 57)});
    EXPECT_THROW(bigger.results_save(path(), crash), FileWriteError);
    EXPECT_EQ(content_of(path()), previous);
    EXPECT_EQ(files_in(course.path("7")), QStringList{"v1r2_55"});
}

struct DamagedCase {
    const char* name;
    std::size_t records_in_file;
    std::size_t extra_bytes;
    std::size_t over_long_lengths; // records whose name length byte says 200
    int loaded;
    bool damaged;
};

class DamagedResultsFile : public ResultsFile, public ::testing::WithParamInterface<DamagedCase> {
protected:
    std::string file_bytes(const DamagedCase& c) const {
        std::string bytes;
        for (std::size_t i = 0; i < c.records_in_file; ++i) {
            std::string record = encode_cw_info(item("otw_" + std::to_string(i + 1), 90));
            if (i < c.over_long_lengths) record[0] = static_cast<char>(200);
            bytes += record;
        }
        return bytes + std::string(c.extra_bytes, '\x5A');
    }
};

TEST_P(DamagedResultsFile, LoadsTheWholeRecordsKeepsACopyAndReports) {
    const DamagedCase& c = GetParam();
    const std::string bytes = file_bytes(c);
    course.write_bytes("7/v1r2_55", bytes);
    ResultsStore store;
    const LoadNotice notice = store.results_load(path(), clock);
    EXPECT_EQ(store.count(), c.loaded);
    ASSERT_EQ(notice.damaged(), c.damaged);
    if (c.damaged) {
        EXPECT_EQ(QFileInfo(QString::fromStdString(notice.damaged_copy)).fileName(),
                  "v1r2_55.damaged-2026-12-10-104400");
        EXPECT_EQ(content_of(notice.damaged_copy), bytes);
        EXPECT_NE(notice.message.find(path()), std::string::npos) << notice.message;
        EXPECT_NE(notice.message.find(notice.damaged_copy), std::string::npos);
        EXPECT_EQ(notice.shape.trailing_bytes, c.extra_bytes);
    } else {
        EXPECT_EQ(files_in(course.path("7")), QStringList{"v1r2_55"});
    }
    // The next save writes whole records only.
    store.results_save(path());
    EXPECT_EQ(content_of(path()).size(), static_cast<std::size_t>(c.loaded) * kCwInfoSize);
    ResultsStore again;
    EXPECT_FALSE(again.results_load(path(), clock).damaged());
    EXPECT_EQ(again.records(), store.records());
}

INSTANTIATE_TEST_SUITE_P(Results, DamagedResultsFile,
                         ::testing::Values(DamagedCase{"empty", 0, 0, 0, 0, false},
                                           DamagedCase{"one_byte", 0, 1, 0, 0, true},
                                           DamagedCase{"559_bytes", 0, 559, 0, 0, true},
                                           DamagedCase{"561_bytes", 1, 1, 0, 1, true},
                                           DamagedCase{"1121_bytes", 2, 1, 0, 2, true},
                                           DamagedCase{"exactly_full", 2000, 0, 0, 2000, false},
                                           DamagedCase{"over_capacity", 2003, 0, 0, 2000, true},
                                           DamagedCase{"over_long_length_bytes", 3, 0, 2, 3,
                                                       true}));

TEST_F(ResultsFile, OverCapacityIsReportedWithTheRecordsLeftOut) {
    std::string bytes;
    for (int i = 0; i < kResultsCapacity + 3; ++i)
        bytes += encode_cw_info(item("otw_" + std::to_string(i + 1), 90));
    course.write_bytes("7/v1r2_55", bytes);
    ResultsStore store;
    const LoadNotice notice = store.results_load(path(), clock);
    EXPECT_EQ(notice.shape.over_capacity, 3u);
    EXPECT_EQ(store.record(kResultsCapacity)->name, "otw_2000");
    EXPECT_NE(notice.message.find("2000: 3"), std::string::npos) << notice.message;
}

TEST_F(ResultsFile, ASecondCopyInTheSameSecondGetsItsOwnName) {
    course.write_bytes("7/v1r2_55", "x");
    ResultsStore store;
    const LoadNotice first = store.results_load(path(), clock);
    const LoadNotice second = store.results_load(path(), clock);
    EXPECT_EQ(QFileInfo(QString::fromStdString(second.damaged_copy)).fileName(),
              "v1r2_55.damaged-2026-12-10-104400-2");
    EXPECT_EQ(content_of(first.damaged_copy), "x");
    EXPECT_EQ(content_of(second.damaged_copy), "x");
}

TEST_F(ResultsFile, AFolderNamedLikeTheCopyDoesNotStopTheLoad) {
    course.write_bytes("7/v1r2_55", encode_cw_info(item("lst_1", 57)) + "xy");
    course.make_folder("7/v1r2_55.damaged-2026-12-10-104400");
    ResultsStore store;
    const LoadNotice notice = store.results_load(path(), clock);
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(QFileInfo(QString::fromStdString(notice.damaged_copy)).fileName(),
              "v1r2_55.damaged-2026-12-10-104400-2");
}

} // namespace
} // namespace vimo
