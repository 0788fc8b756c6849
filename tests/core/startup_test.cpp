#include "core/course_state.h"
#include "core/startup.h"
#include "core/text_file.h"
#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// configure() changes the current folder; each test gets it back.
class Startup : public ::testing::Test {
protected:
    void TearDown() override { QDir::setCurrent(m_previous); }
    test::TempCourse course;

private:
    QString m_previous = QDir::currentPath();
};

TEST(MediaRoot, DropsThePrefixAndEndsWithBackslash) {
    EXPECT_EQ(media_root_from_vr60("MR=D:\\KURS"), "D:\\KURS\\");
    EXPECT_EQ(media_root_from_vr60("MR=D:\\KURS\\"), "D:\\KURS\\");
    EXPECT_EQ(media_root_from_vr60("MR=/srv/kurs/"), "/srv/kurs/\\");
    EXPECT_EQ(media_root_from_vr60("MR"), "\\");
}

TEST(ProfR, VariantCaptionAndVocabularyFlag) {
    struct Case {
        std::vector<std::string> lines;
        int variant;
        bool vocabulary;
    };
    const Case cases[] = {
        {{"Kurs", "2", "1"}, 2, true},
        {{"Kurs", "", "0"}, 1, false},
        {{"Kurs", " 0 ", ""}, 1, false},
        {{"Kurs", "\t4\t", " 1 "}, 4, true},
        {{"Kurs"}, 1, false},
        {{}, 1, false},
    };
    for (const Case& c : cases) {
        const CourseProfile profile = parse_prof_r(c.lines, "prof_r.txt");
        EXPECT_EQ(profile.course_variant, c.variant) << ::testing::PrintToString(c.lines);
        EXPECT_EQ(profile.vocabulary_flag, c.vocabulary) << ::testing::PrintToString(c.lines);
    }
    EXPECT_EQ(parse_prof_r({"Kurs angielskiego"}, "p").window_caption, "Kurs angielskiego");
}

TEST(ProfR, GarbageNamesFileAndLine) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"Kurs", "abc"}, 2},
        {{"Kurs", "7"}, 2},
        {{"Kurs", "-1"}, 2},
        {{"Kurs", "1", "tak"}, 3},
    };
    for (const auto& [lines, line] : cases) {
        try {
            parse_prof_r(lines, "/k/prof_r.txt");
            ADD_FAILURE() << "accepted " << ::testing::PrintToString(lines);
        } catch (const CourseFileError& error) {
            EXPECT_EQ(error.file(), "/k/prof_r.txt");
            EXPECT_EQ(error.line(), line);
        }
    }
}

TEST(CourseVariant, LetterResultsFileAndFont) {
    const std::tuple<int, char, std::string, int> cases[] = {{1, 'a', "v1r2_55", 238},
                                                             {2, 'n', "v2r2_55", 238},
                                                             {3, 'f', "v3r2_55", 0},
                                                             {4, 'p', "v4r2_55", 238}};
    for (const auto& [variant, letter, results, charset] : cases) {
        Config config;
        apply_course_variant(config, variant);
        EXPECT_EQ(config.variant_letter, letter);
        EXPECT_EQ(config.results_file_name, results);
        EXPECT_EQ(config.course_font.charset, charset);
    }
}

TEST(Display, SmallestAcceptedSizeIs800By600) {
    EXPECT_TRUE(display_is_sufficient(800, 600));
    EXPECT_TRUE(display_is_sufficient(1024, 768));
    EXPECT_FALSE(display_is_sufficient(1024, 576));
    EXPECT_FALSE(display_is_sufficient(799, 768));
}

TEST_F(Startup, CourseRootIsTheProgramFolderWhenItHoldsVr60) {
    course.write_minimal_course();
    const CourseRootChoice own = find_course_root(course.root(), {"--course-root", "/nowhere"});
    EXPECT_EQ(own.root, course.root());
    EXPECT_FALSE(own.failure);
}

TEST_F(Startup, CourseRootFromTheCommandLine) {
    course.write_minimal_course();
    test::TempCourse program_folder;
    const std::string given = course.root().substr(0, course.root().size() - 1);
    EXPECT_EQ(find_course_root(program_folder.root(), {"--course-root", given}).root,
              course.root());

    const CourseRootChoice none = find_course_root(program_folder.root(), {});
    ASSERT_TRUE(none.failure);
    EXPECT_EQ(none.failure->text, "Brak plików systemowych, proszę powtórzyć instalację programu!");

    const CourseRootChoice missing =
        find_course_root(program_folder.root(), {"--course-root", course.path("nie_ma")});
    ASSERT_TRUE(missing.failure);
    EXPECT_NE(missing.failure->detail.find(course.path("nie_ma")), std::string::npos);
}

TEST_F(Startup, ReadsTheConfigurationOfAWellFormedCourse) {
    course.write_minimal_course();
    course.make_folder("media");
    course.write_8bit("vr60.ini", {"x", "MR=" + course.root() + "media"});
    course.write_8bit("prof_r.txt", {"Kurs testowy \xB3\xB9", "3", "1"});
    const Configuration result = configure(course.root());
    EXPECT_EQ(result.stop, StartupStop::none);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.config.media_root, course.root() + "media\\");
    EXPECT_EQ(result.config.sentence_root, course.root() + "media\\bsgram\\");
    EXPECT_EQ(result.config.window_caption, "Kurs testowy \xB3\xB9");
    EXPECT_EQ(result.config.course_variant, 3);
    EXPECT_EQ(result.config.variant_letter, 'f');
    EXPECT_TRUE(result.config.vocabulary_flag);
    EXPECT_FALSE(result.config.english_marker);
    EXPECT_EQ(QDir::currentPath().toStdString() + "/", course.root());
}

TEST_F(Startup, DriveMediaRootFallsBackToTheCourseRoot) {
    course.write_minimal_course();
    course.write_8bit("vr60.ini", {"x", "MR=D:\\KURS"});
    EXPECT_EQ(configure(course.root()).config.media_root, course.root());
}

TEST_F(Startup, EnglishMarkerChoosesLanguageOne) {
    course.write_minimal_course();
    EXPECT_EQ(startup_language(configure(course.root()).config), 0);
    course.write_bytes("BE.INI", "");
    EXPECT_EQ(startup_language(configure(course.root()).config), 1);
}

TEST_F(Startup, MissingAndMalformedConfigurationFiles) {
    struct Case {
        const char* name;
        std::function<void(const test::TempCourse&)> damage;
        StartupStop stop;
        std::string message_start;
    };
    const Case cases[] = {
        {"no vr60.ini", [](auto& c) { QFile::remove(QString::fromStdString(c.path("vr60.ini"))); },
         StartupStop::exit_now, "Brak plików systemowych, proszę powtórzyć instalację programu!"},
        {"no prof_r.txt",
         [](auto& c) { QFile::remove(QString::fromStdString(c.path("prof_r.txt"))); },
         StartupStop::terminate, "Brak plików systemowych programu!"},
        {"garbage variant",
         [](auto& c) {
             c.write_8bit("prof_r.txt", {"Kurs", "abc", "1"});
         },
         StartupStop::exit_now, ""},
    };
    for (const Case& c : cases) {
        test::TempCourse damaged;
        damaged.write_minimal_course();
        c.damage(damaged);
        const Configuration result = configure(damaged.root());
        EXPECT_EQ(result.stop, c.stop) << c.name;
        ASSERT_EQ(result.messages.size(), 1u) << c.name;
        if (!c.message_start.empty()) {
            EXPECT_EQ(result.messages[0].text, c.message_start) << c.name;
        } else {
            EXPECT_NE(result.messages[0].text.find("prof_r.txt, line 2"), std::string::npos)
                << result.messages[0].text;
        }
    }
}

TEST_F(Startup, NetworkModeFromDdT) {
    course.write_minimal_course();
    Config config = configure(course.root()).config;
    decide_network_mode(config);
    EXPECT_EQ(config.network_mode, -1);
    course.write_8bit("dd.t", {"127.0.0.1", "9099"});
    decide_network_mode(config);
    EXPECT_EQ(config.network_mode, 1);
    EXPECT_EQ(config.dd_lines, (std::vector<std::string>{"127.0.0.1", "9099"}));
}

TEST_F(Startup, LanguageTablesOfTheChosenFolder) {
    course.write_minimal_course();
    course.write_utf16("Lang_r/1/infa_ru.txt", {"1=first=First="});
    course.write_utf16("Lang_r/1/nazwy_ru.txt", {"G1=Grammar"});
    course.write_utf16("Lang_r/1/grau.txt", {"1=x=G1=Grammar=", "2=x=G2=Reading="});
    CourseState state;
    state.config = configure(course.root()).config;
    set_interface_language(state.config, 1);
    EXPECT_EQ(state.config.language_folder, "Lang_r\\1\\");
    CourseProblems problems;
    load_language_tables(state, problems);
    EXPECT_TRUE(problems.all().empty()) << problems.all().front().text();
    EXPECT_EQ(state.texts.count(), 1);
    EXPECT_EQ(state.names.count(), 1);
    EXPECT_EQ(state.tables.groups.size(), 2u);

    // A folder without its files: each required file is named, the message box says
    // which one is missing.
    set_interface_language(state.config, 2);
    CourseProblems missing;
    load_language_tables(state, missing);
    ASSERT_EQ(missing.all().size(), 3u);
    EXPECT_EQ(missing.all()[0].file, "Lang_r/2/infa_ru.txt");
    EXPECT_EQ(startup_message(missing.all()[0]),
              "Brak pliku: " + course.root() + "Lang_r/2/infa_ru.txt.");
    EXPECT_EQ(state.texts.count(), 0);
}

TEST_F(Startup, MalformedInterfaceTextFilesNameFileAndLine) {
    course.write_minimal_course();
    CourseState state;
    state.config = configure(course.root()).config;
    const std::pair<std::string, int> cases[] = {
        {std::string("1\0=\0", 4), 1}, // no byte-order mark
        {std::string("\xFF\xFE"
                     "a\0\r\0\n\0b",
                     9),
         2}, // odd byte count
    };
    for (const auto& [bytes, line] : cases) {
        course.write_bytes("Lang_r/0/infa_ru.txt", bytes);
        CourseProblems problems;
        load_language_tables(state, problems);
        const CourseProblem* problem = problems.first_error();
        ASSERT_NE(problem, nullptr) << line;
        EXPECT_EQ(problem->file, "Lang_r/0/infa_ru.txt");
        EXPECT_EQ(problem->line, line);
        EXPECT_EQ(startup_message(*problem).rfind(
                      "Lang_r/0/infa_ru.txt, line " + std::to_string(line) + ": ", 0),
                  0u)
            << startup_message(*problem);
    }
}

} // namespace
} // namespace vimo
