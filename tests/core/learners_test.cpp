#include "core/atomic_file.h"
#include "core/learners.h"
#include "core/text_file.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace vimo {

void PrintTo(const Learner& learner, std::ostream* os) {
    *os << learner.number << "=" << learner.name;
}

namespace {

VIMO_PRINT_CASES_BY_NAME()

template <typename Case> std::string case_name(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

std::string file_bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

// "Ł" and "ł" in Windows-1250.
const std::string cp1250_capital_l_stroke = "\xA3";
const std::string cp1250_small_l_stroke = "\xB3";

class Learners : public ::testing::Test {
protected:
    void SetUp() override { config.course_root = course.root(); }
    void write_list(const std::vector<std::string>& lines) { course.write_8bit("usr.t", lines); }
    LearnerList loaded() {
        LearnerList list;
        list.load(learner_list_path(config));
        return list;
    }
    std::string list_file() const { return course.path("usr.t"); }

    test::TempCourse course;
    Config config;
};

TEST_F(Learners, ListIsReadInFileOrderWithTrimmedNames) {
    write_list({"  5 =  Ala Kowalska ", "bez znaku", "", "1=" + cp1250_capital_l_stroke + "ukasz",
                "12=Jan=Nowak", "3="});

    const std::vector<Learner> expected = {
        {5, "Ala Kowalska"}, {1, "Łukasz"}, {12, "Jan=Nowak"}, {3, ""}};
    EXPECT_EQ(loaded().learners(), expected);
}

TEST_F(Learners, MissingListIsEmptyAndTheFirstLearnerCreatesIt) {
    LearnerList list = loaded();
    EXPECT_TRUE(list.learners().empty());

    const AddLearnerResult result = list.add_learner("  Ola  ");

    EXPECT_EQ(result.outcome, AddLearnerOutcome::added);
    EXPECT_EQ(result.position, 0);
    EXPECT_EQ(file_bytes(list_file()), "1=Ola\r\n");
}

TEST_F(Learners, NewLearnerGetsTheNumberAfterTheLargestAndTheWholeListIsRewritten) {
    write_list({"5 = Ala ", "bez znaku", "1=" + cp1250_capital_l_stroke + "ukasz"});
    LearnerList list = loaded();

    const AddLearnerResult result = list.add_learner("Zo\xC5\xBA"
                                                     "ka"); // "Zoźka"

    ASSERT_EQ(result.outcome, AddLearnerOutcome::added);
    ASSERT_EQ(result.position, 2);
    EXPECT_EQ(list.learners()[2], (Learner{6, "Zoźka"}));
    EXPECT_EQ(file_bytes(list_file()), "5=Ala\r\n1=" + cp1250_capital_l_stroke +
                                           "ukasz\r\n6=Zo\x9F"
                                           "ka\r\n");
    EXPECT_EQ(loaded().learners(), list.learners()) << "the rewritten file reads back the same";

    make_learner_current(config, list.learners()[2]);
    EXPECT_EQ(config.learner_folder, course.root() + "6\\");
    EXPECT_EQ(config.learner_name, "Zoźka");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(course.path("6"))).isDir());
}

TEST_F(Learners, ListFileWrittenInAnotherCaseIsReadAndReplaced) {
    course.write_8bit("USR.T", {"2=Ewa"});
    LearnerList list = loaded();
    ASSERT_EQ(list.learners().size(), 1u);

    ASSERT_EQ(list.add_learner("Igor").outcome, AddLearnerOutcome::added);

    EXPECT_EQ(file_bytes(course.path("USR.T")), "2=Ewa\r\n3=Igor\r\n");
    EXPECT_EQ(file_bytes(list_file()), "<missing>");
}

struct RefusedCase {
    const char* name;
    std::string new_name;
    AddLearnerOutcome outcome;
};

class RefusedLearner : public Learners, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedLearner, LeavesListAndFileAsTheyWere) {
    write_list({"1=" + cp1250_capital_l_stroke + "ukasz", "2=Anna"});
    const std::string before = file_bytes(list_file());
    LearnerList list = loaded();

    const AddLearnerResult result = list.add_learner(GetParam().new_name);

    EXPECT_EQ(result.outcome, GetParam().outcome);
    EXPECT_EQ(list.learners().size(), 2u);
    EXPECT_EQ(file_bytes(list_file()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedLearner,
    ::testing::Values(
        RefusedCase{"capitals_of_a_polish_name", "ŁUKASZ", AddLearnerOutcome::name_taken},
        RefusedCase{"small_letters", "łukasz", AddLearnerOutcome::name_taken},
        RefusedCase{"trimmed_before_comparing", "  anna ", AddLearnerOutcome::name_taken},
        RefusedCase{"one_letter", "A", AddLearnerOutcome::name_too_short},
        RefusedCase{"one_polish_letter", " Ł ", AddLearnerOutcome::name_too_short},
        RefusedCase{"blank", "   ", AddLearnerOutcome::name_too_short},
        RefusedCase{"thirty_one_characters", std::string(30, 'a') + "ż",
                    AddLearnerOutcome::name_too_long},
        RefusedCase{"line_break", "Jan\r\n3=Nowak", AddLearnerOutcome::unsupported_characters},
        RefusedCase{"tab", "Jan\tNowak", AddLearnerOutcome::unsupported_characters},
        RefusedCase{"letters_windows_1250_lacks", "Иван",
                    AddLearnerOutcome::unsupported_characters},
        RefusedCase{"malformed_utf8", "Jan\xC5", AddLearnerOutcome::unsupported_characters}),
    case_name<RefusedCase>);

TEST_F(Learners, ThirtyCharactersWithPolishLettersAreAccepted) {
    LearnerList list = loaded();
    const std::string name = "Żaneta Źdźbło-Łęcka " + std::string(10, 'x');

    EXPECT_EQ(list.add_learner(name).outcome, AddLearnerOutcome::added);
    EXPECT_EQ(loaded().learners().at(0).name, name);
}

TEST_F(Learners, AtMost250LearnersAndAFullListTakesNoMore) {
    std::vector<std::string> lines;
    for (int number = 1; number <= 260; ++number)
        lines.push_back(std::to_string(number) + "=L" + std::to_string(number));
    write_list(lines);
    const std::string before = file_bytes(list_file());
    LearnerList list = loaded();

    ASSERT_EQ(list.learners().size(), 250u);
    EXPECT_EQ(list.learners().back(), (Learner{250, "L250"}));
    EXPECT_EQ(list.add_learner("Nowy").outcome, AddLearnerOutcome::list_full);
    EXPECT_EQ(file_bytes(list_file()), before) << "learners beyond the capacity must not be lost";
}

TEST_F(Learners, NoNumberAfterTheLargestInt) {
    write_list({"2147483647=Max"});
    LearnerList list = loaded();
    EXPECT_EQ(list.add_learner("Nowy").outcome, AddLearnerOutcome::no_number_left);
}

TEST_F(Learners, FailedWriteKeepsListAndFile) {
    write_list({"1=Anna"});
    LearnerList list = loaded();
    const auto disk_full = [](const std::string&) { throw std::runtime_error("disk full"); };

    EXPECT_THROW(list.add_learner("Ewa", disk_full), std::runtime_error);

    EXPECT_EQ(list.learners().size(), 1u);
    EXPECT_EQ(file_bytes(list_file()), "1=Anna\r\n");
    EXPECT_EQ(list.add_learner("Ewa").outcome, AddLearnerOutcome::added);
}

struct MalformedCase {
    const char* name;
    std::string line;
};

class MalformedLearnerList : public Learners,
                             public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedLearnerList, NamesFileAndLine) {
    write_list({"1=Anna", "bez numeru", GetParam().line});
    try {
        loaded();
        ADD_FAILURE() << "accepted";
    } catch (const CourseFileError& error) {
        EXPECT_EQ(error.file(), list_file());
        EXPECT_EQ(error.line(), 3);
        EXPECT_NE(std::string(error.what()).find("learner number"), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedLearnerList,
                         ::testing::Values(MalformedCase{"word", "jeden=Ala"},
                                           MalformedCase{"nothing_before_equals", "=Ala"},
                                           MalformedCase{"fraction", "1.5=Ala"},
                                           MalformedCase{"beyond_an_int", "99999999999=Ala"}),
                         case_name<MalformedCase>);

TEST(NewLearnerOk, NeedsTwoCharactersAfterTrimming) {
    const std::pair<const char*, bool> cases[] = {
        {"", false},  {"A", false},   {"  A  ", false},       {"Ł", false},
        {"Al", true}, {" Ło ", true}, {"Ala Kowalska", true},
    };
    for (const auto& [name, confirmable] : cases)
        EXPECT_EQ(can_confirm_new_learner(name), confirmable) << '"' << name << '"';
}

TEST_F(Learners, FolderIsCreatedOnceAndAFileInTheWayIsAnError) {
    EXPECT_EQ(learner_folder(config, 7), course.root() + "7\\");
    course.write_bytes("7/ustaw_v1r2_55.txt", "x");
    EXPECT_EQ(learner_folder(config, 7), course.root() + "7\\") << "an existing folder is kept";
    EXPECT_EQ(file_bytes(course.path("7/ustaw_v1r2_55.txt")), "x");

    course.write_bytes("8", "not a folder");
    EXPECT_THROW(learner_folder(config, 8), FileWriteError);
}

struct NewLearnerLanguageCase {
    const char* name;
    bool english_marker;
    int chosen;
    int language;
};

class NewLearnerSettings : public Learners,
                           public ::testing::WithParamInterface<NewLearnerLanguageCase> {};

TEST_P(NewLearnerSettings, FileStartsWithTheLanguageAndTheInterfaceFollows) {
    config.english_marker = GetParam().english_marker;
    config.results_file_name = "v2r2_55";
    LearnerList list = loaded();
    const int position = list.add_learner("Ola").position;
    ASSERT_EQ(position, 0);

    make_learner_current(config, list.learners()[0]);
    const Settings settings =
        load_learner_settings(config, new_learner_language(config, GetParam().chosen));

    const std::string language = std::to_string(GetParam().language);
    EXPECT_EQ(settings.language, GetParam().language);
    EXPECT_EQ(config.language_folder, "Lang_r\\" + language + "\\");
    EXPECT_EQ(file_bytes(course.path("1/ustaw_v2r2_55.txt")).substr(0, 3), language + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Languages, NewLearnerSettings,
                         ::testing::Values(NewLearnerLanguageCase{"chosen_language", false, 3, 3},
                                           NewLearnerLanguageCase{"english_marker", true, 3, 1}),
                         case_name<NewLearnerLanguageCase>);

TEST_F(Learners, ChosenLearnerWithASettingsFileGetsItsLanguage) {
    write_list({"4=Ewa"});
    course.write_8bit("4/ustaw_v1r2_55.txt", {"2", "N"});

    make_learner_current(config, loaded().learners()[0]);
    const Settings settings = load_learner_settings(config, 0);

    EXPECT_EQ(config.language_number, 2);
    EXPECT_FALSE(settings.letter_case);
    EXPECT_EQ(file_bytes(course.path("4/ustaw_v1r2_55.txt")), "2\r\nN\r\n")
        << "read, not rewritten";
}

} // namespace
} // namespace vimo

namespace vimo {
namespace {

TEST(LearnersFiles, ALearnerIsListedOnlyOnceTheirFilesAreMade) {
    test::TempCourse course;
    course.write_8bit("usr.t", {"1=Ewa"});
    LearnerList list;
    list.load(course.path("usr.t"));
    int seen = -1;
    const AddLearnerResult refused = list.add_learner("Ola", {}, [&](int position) {
        seen = position;
        EXPECT_EQ(list.learners()[static_cast<std::size_t>(position)].name, "Ola");
        return false;
    });
    EXPECT_EQ(refused.outcome, AddLearnerOutcome::files_not_made);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(list.learners().size(), 1u);
    LearnerList reread;
    reread.load(course.path("usr.t"));
    EXPECT_EQ(reread.learners().size(), 1u) << "usr.t names no learner without files";

    EXPECT_THROW(
        list.add_learner("Ola", {}, [](int) -> bool { throw CourseFileError("f", 2, "x"); }),
        CourseFileError);
    EXPECT_EQ(list.learners().size(), 1u);

    const AddLearnerResult added = list.add_learner("Ola", {}, [](int) { return true; });
    EXPECT_EQ(added.outcome, AddLearnerOutcome::added);
    reread.load(course.path("usr.t"));
    EXPECT_EQ(reread.learners().size(), 2u);
}

} // namespace
} // namespace vimo
