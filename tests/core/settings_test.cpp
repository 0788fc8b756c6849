#include "core/atomic_file.h"
#include "core/settings.h"
#include "core/text_file.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

// Table rows appear in test names by their own name.
template <typename Case> std::string case_name(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

std::string file_bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

// A learner folder "6/" holding (or not yet holding) the settings file.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        course.make_folder("6");
        config.course_root = course.root();
        config.learner_folder = course.root() + "6\\";
        config.results_file_name = "v4r2_55";
    }
    std::string file() const { return course.path("6/ustaw_v4r2_55.txt"); }

    test::TempCourse course;
    Config config;
};

TEST_F(SettingsFile, MissingFileGivesDefaultsAndIsWrittenAtOnce) {
    EXPECT_EQ(settings_file_path(config), course.root() + "6\\ustaw_v4r2_55.txt");

    const Settings loaded = settings_load(settings_file_path(config), 2);

    EXPECT_EQ(loaded, default_settings(2));
    EXPECT_EQ(file_bytes(file()),
              "2\r\nT\r\nT\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n1\r\n61\r\n3\r\n0\r\nT\r\n");
}

TEST_F(SettingsFile, ExistingFileIsReadThroughACoursePath) {
    course.write_8bit("6/USTAW_V4R2_55.TXT",
                      {"1", "N", "T", "N", "T", "N", "T", "N", "T", "0", "75", "5", "1", "N"});

    const Settings loaded = settings_load(config.learner_folder + "ustaw_v4r2_55.txt", 0);

    Settings expected;
    expected.language = 1;
    expected.letter_case = false;
    expected.sentences_drag_drop = false;
    expected.block_access = true;
    expected.sentence_notice = false;
    expected.first_task_notice = false;
    expected.repetitions_on = false;
    expected.repetition_threshold = 75;
    expected.repetition_interval = 5;
    expected.repetitions_when_interrupted = true;
    expected.letter_count = false;
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(file_bytes(file()), "<missing>") << "no second file beside the existing one";
}

TEST_F(SettingsFile, SavedSettingsLoadBackUnchanged) {
    Settings settings = default_settings(3);
    settings.block_access = true;
    settings.animations = false;
    settings.repetitions_on = false;
    settings.repetition_threshold = 100;
    settings.repetition_interval = 1;
    settings.repetitions_when_interrupted = true;

    settings_save(settings_file_path(config), settings);

    EXPECT_EQ(settings_load(settings_file_path(config), 0), settings);
    EXPECT_EQ(file_bytes(file()),
              "3\r\nT\r\nT\r\nT\r\nT\r\nT\r\nT\r\nT\r\nN\r\n0\r\n100\r\n1\r\n1\r\nT\r\n");
}

TEST_F(SettingsFile, UntickingLetterCountWritesNOnLines3And14) {
    Settings settings = default_settings(0);
    settings.set_punctuation_and_letter_count(false);
    settings_save(settings_file_path(config), settings);

    const std::vector<std::string> lines = read_8bit_lines(file()).value();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[2], "N");
    EXPECT_EQ(lines[13], "N");
    EXPECT_EQ(lines[1], "T") << "letter case is a separate line";
}

TEST_F(SettingsFile, MalformedFileIsReportedAndKept) {
    course.write_8bit("6/ustaw_v4r2_55.txt", {"angielski", "T"});
    const std::string before = file_bytes(file());

    try {
        settings_load(settings_file_path(config), 0);
        ADD_FAILURE() << "a word as the language number was accepted";
    } catch (const CourseFileError& error) {
        EXPECT_EQ(error.file(), file());
        EXPECT_EQ(error.line(), 1);
        EXPECT_NE(std::string(error.what()).find("angielski"), std::string::npos) << error.what();
    }
    EXPECT_EQ(file_bytes(file()), before) << "the learner's file must not be replaced by defaults";
}

TEST_F(SettingsFile, LearnerFolderThatCannotHoldTheFileIsAnError) {
    config.learner_folder = course.root() + "7\\";
    EXPECT_THROW(settings_load(settings_file_path(config), 0), FileWriteError);
}

struct ReadCase {
    const char* name;
    std::vector<std::string> lines;
    Settings expected;
};

Settings with(Settings s, void (*change)(Settings&)) {
    change(s);
    return s;
}

class SettingsReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsReading, GivesTheSettings) {
    EXPECT_EQ(parse_settings(GetParam().lines, "ustaw.txt", 2), GetParam().expected);
}

const Settings defaults2 = default_settings(2);

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsReading,
    ::testing::Values(
        ReadCase{"empty_file_is_all_defaults", {}, defaults2},
        ReadCase{"short_file_keeps_defaults_for_missing_lines",
                 {"0", "N", "N"},
                 with(default_settings(0),
                      [](Settings& s) {
                          s.letter_case = false;
                          s.punctuation = false;
                      })},
        ReadCase{
            "lines_are_trimmed",
            {" 4\t", " N ", "T", "T", "\tT", "T", "T", "T", "T", " 1 ", " 80 ", " 7 ", " 1", " N "},
            with(default_settings(4),
                 [](Settings& s) {
                     s.letter_case = false;
                     s.block_access = true;
                     s.repetition_threshold = 80;
                     s.repetition_interval = 7;
                     s.repetitions_when_interrupted = true;
                     s.letter_count = false;
                 })},
        ReadCase{"only_capital_T_is_on",
                 {"1", "t", "TAK", "", "T", "Y", "T", "T", "T", "1", "61", "3", "0", "n"},
                 with(default_settings(1),
                      [](Settings& s) {
                          s.letter_case = false;
                          s.punctuation = false;
                          s.sentences_drag_drop = false;
                          s.block_access = true;
                          s.sentence_notice = false;
                          s.letter_count = false;
                      })},
        ReadCase{"number_flags_are_on_only_for_one",
                 {"1", "T", "T", "T", "N", "T", "T", "T", "T", "2", "61", "3", "01"},
                 with(default_settings(1),
                      [](Settings& s) {
                          s.repetitions_on = false;
                          s.repetitions_when_interrupted = true;
                      })},
        ReadCase{"blank_number_lines_read_as_zero",
                 {"1", "T", "T", "T", "N", "T", "T", "T", "T", "", "", "", ""},
                 with(default_settings(1),
                      [](Settings& s) {
                          s.repetitions_on = false;
                          s.repetition_threshold = 0;
                          s.repetition_interval = 0;
                      })},
        ReadCase{"language_beyond_the_interface_folders_gives_the_default", {"5"}, defaults2},
        ReadCase{"negative_language_gives_the_default", {"-1"}, defaults2},
        ReadCase{"lines_after_the_fourteenth_are_ignored",
                 {"2", "T", "T", "T", "N", "T", "T", "T", "T", "1", "61", "3", "0", "T", "x", "y"},
                 defaults2}),
    case_name<ReadCase>);

struct MalformedCase {
    const char* name;
    std::vector<std::string> lines;
    int line;
};

class MalformedSettings : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedSettings, NamesFileAndLine) {
    try {
        parse_settings(GetParam().lines, "/k/6/ustaw_v1r2_55.txt", 0);
        ADD_FAILURE() << "accepted";
    } catch (const CourseFileError& error) {
        EXPECT_EQ(error.file(), "/k/6/ustaw_v1r2_55.txt");
        EXPECT_EQ(error.line(), GetParam().line);
        EXPECT_NE(std::string(error.what()).find("expected"), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedSettings,
    ::testing::Values(
        MalformedCase{"word_as_language", {"polski"}, 1},
        MalformedCase{"blank_language", {"", "T"}, 1},
        MalformedCase{
            "letters_in_threshold", {"0", "T", "T", "T", "N", "T", "T", "T", "T", "1", "6a"}, 11},
        MalformedCase{"interval_beyond_an_int",
                      {"0", "T", "T", "T", "N", "T", "T", "T", "T", "1", "61", "99999999999"},
                      12},
        MalformedCase{
            "word_as_number_flag", {"0", "T", "T", "T", "N", "T", "T", "T", "T", "tak"}, 10}),
    case_name<MalformedCase>);

struct FieldsCase {
    const char* name;
    const char* threshold;
    const char* interval;
    int text;
};

class RepetitionFields : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(RepetitionFields, GiveTheMessageToShow) {
    EXPECT_EQ(validate_repetition_fields(GetParam().threshold, GetParam().interval),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RepetitionFields,
    ::testing::Values(
        FieldsCase{"defaults", "61", "3", 0}, FieldsCase{"range_ends", "1", "100", 0},
        FieldsCase{"other_range_ends", "100", "1", 0}, FieldsCase{"trimmed", " 61 ", "\t3", 0},
        FieldsCase{"leading_zeros", "007", "010", 0}, FieldsCase{"threshold_zero", "0", "3", 126},
        FieldsCase{"threshold_101", "101", "3", 126},
        FieldsCase{"threshold_of_many_digits", "99999999999999999999", "3", 126},
        FieldsCase{"threshold_6a_before_the_interval", "6a", "x", 124},
        FieldsCase{"empty_threshold", "", "3", 124}, FieldsCase{"blank_threshold", "   ", "3", 124},
        FieldsCase{"signed_threshold", "+5", "3", 124}, FieldsCase{"inner_space", "6 1", "3", 124},
        FieldsCase{"interval_digits_before_threshold_range", "0", "3d", 125},
        FieldsCase{"empty_interval", "61", "", 125},
        FieldsCase{"negative_interval", "61", "-3", 125},
        FieldsCase{"threshold_range_before_interval_range", "0", "0", 126},
        FieldsCase{"interval_zero", "61", "0", 127}, FieldsCase{"interval_101", "61", "101", 127}),
    case_name<FieldsCase>);

} // namespace
} // namespace vimo
