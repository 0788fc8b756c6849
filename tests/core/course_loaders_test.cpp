#include "core/course_loaders.h"
#include "core/qt_text.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// UTF-8 of a UTF-16 byte string after uni_trim, for readable comparisons.
std::string text(const UniString& uni) {
    return uni_to_qstring(uni_trim(uni)).toStdString();
}

std::vector<std::string> problem_texts(const CourseProblems& problems) {
    std::vector<std::string> texts;
    for (const CourseProblem& p : problems.all())
        texts.push_back(p.text());
    return texts;
}

// A temporary course of variant "a" with the Polish interface folder.
class CourseLoaders : public testing::Test {
protected:
    Config config() const {
        Config c;
        c.course_root = course.root();
        c.variant_letter = 'a';
        c.language_folder = "Lang_r\\0\\";
        return c;
    }
    template <typename Loader> void load(Loader loader) { loader(config(), tables, problems); }
    void expect_no_problems() const {
        EXPECT_TRUE(problems.all().empty()) << testing::PrintToString(problem_texts(problems));
    }

    test::TempCourse course;
    CourseTables tables;
    CourseProblems problems;
};

// --- Lesson groups -------------------------------------------------------------

TEST_F(CourseLoaders, LessonGroupFieldsKeepTheZeroByteOfTheEqualsAndTrimToIdAndName) {
    course.write_utf16("Lang_r/0/grau.txt", {"1=x=G1=Grammar=", "2=y=G2=Słownictwo"});
    load(load_lesson_groups);
    expect_no_problems();
    ASSERT_EQ(tables.groups.size(), 2u);
    EXPECT_EQ(tables.groups[0].id, "\0G\0001\0"s);
    EXPECT_EQ(text(tables.groups[0].id), "G1");
    EXPECT_EQ(text(tables.groups[0].name), "Grammar");
    // Without a closing "=" the name runs to the end of the line.
    EXPECT_EQ(text(tables.groups[1].name), "Słownictwo");
}

TEST_F(CourseLoaders, LessonGroupSeparatorsAreWholeUnits) {
    // "н" is the unit 043D: its low byte is "=", which must not cut the name.
    course.write_utf16("Lang_r/0/grau.txt", {"1=x=G1=Грамматика начальная="});
    load(load_lesson_groups);
    expect_no_problems();
    ASSERT_EQ(tables.groups.size(), 1u);
    EXPECT_EQ(text(tables.groups[0].name), "Грамматика начальная");
}

TEST_F(CourseLoaders, BlankLessonGroupLineKeepsTheLaterGroupsAtTheirLineNumbers) {
    course.write_utf16("Lang_r/0/grau.txt", {"1=x=G1=A=", "", "3=x=G3=C=", "", ""});
    load(load_lesson_groups);
    ASSERT_EQ(tables.groups.size(), 3u); // trailing blank lines make no groups
    EXPECT_EQ(text(tables.groups[2].id), "G3");
    ASSERT_EQ(problems.all().size(), 1u);
    EXPECT_EQ(problems.all()[0].severity, Severity::warning);
    EXPECT_EQ(problems.all()[0].line, 2);
}

TEST_F(CourseLoaders, ReloadingLessonGroupsReplacesThem) {
    course.write_utf16("Lang_r/0/grau.txt", {"1=x=G1=A=", "2=x=G2=B="});
    course.write_utf16("Lang_r/1/grau.txt", {"1=x=E1=Grammar="});
    load(load_lesson_groups);
    Config english = config();
    english.language_folder = "Lang_r\\1\\";
    load_lesson_groups(english, tables, problems);
    ASSERT_EQ(tables.groups.size(), 1u);
    EXPECT_EQ(text(tables.groups[0].id), "E1");
}

// --- Missing files and file names ------------------------------------------------

TEST_F(CourseLoaders, MissingRequiredFilesAreErrorsAtLineZeroAndOptionalOnesLeaveTablesEmpty) {
    load(load_lesson_groups);
    load(load_course_tables);
    const std::vector<std::string> expected{
        "Lang_r/0/grau.txt:0: error: Brak pliku: " + course.root() + "Lang_r/0/grau.txt.",
        "rozumienia_a.txt:0: error: Brak pliku: " + course.root() + "rozumienia_a.txt.",
        "St_au.txt:0: error: Brak pliku: " + course.root() + "St_au.txt."};
    EXPECT_EQ(problem_texts(problems), expected);
    EXPECT_TRUE(tables.phrases.empty());
    EXPECT_TRUE(tables.catalogue.empty());
    EXPECT_TRUE(tables.dialogues.empty());
}

TEST_F(CourseLoaders, FilesAreFoundIgnoringCaseAndReportedAsSpelledOnDisk) {
    course.write_utf16("LANG_R/0/GRAU.TXT", {"1=x=G1=A"});
    course.write_8bit("Rozumienia_A.TXT", {"1=x=1=T="});
    load(load_lesson_groups);
    load(load_comprehension_texts);
    ASSERT_EQ(tables.groups.size(), 1u);
    ASSERT_EQ(problems.all().size(), 1u);
    EXPECT_EQ(problems.all()[0].file, "Rozumienia_A.TXT");
    EXPECT_EQ(problems.all()[0].line, 1);
}

TEST_F(CourseLoaders, LoadingReplacesEveryTableItFills) {
    course.write_8bit("ss_r.t", {"a=b"});
    load(load_phrases);
    course.write_8bit("ss_r.t", {"c=d"});
    load(load_phrases);
    ASSERT_EQ(tables.phrases.size(), 1u);
    EXPECT_EQ(tables.phrases[0].key, "c");
}

// --- Phrases and comprehension texts ---------------------------------------------

TEST_F(CourseLoaders, PhraseValueRunsToTheSecondEqualsAndLinesWithoutOneAreSkipped) {
    course.write_8bit("ss_r.t", {"isn't=is not=comment", "no pair here", "can't=cannot", "=x="});
    load(load_phrases);
    expect_no_problems();
    ASSERT_EQ(tables.phrases.size(), 3u);
    EXPECT_EQ(tables.phrases[0].key, "isn't");
    EXPECT_EQ(tables.phrases[0].value, "is not");
    EXPECT_EQ(tables.phrases[1].value, "cannot");
    EXPECT_EQ(tables.phrases[2].key, "");
}

TEST_F(CourseLoaders, PhrasesBeyondSeventyAreIgnoredWithOneWarningAtTheFirstLeftOut) {
    Lines lines;
    for (int i = 1; i <= 75; ++i)
        lines.push_back("k" + std::to_string(i) + "=v");
    course.write_8bit("ss_r.t", lines);
    load(load_phrases);
    ASSERT_EQ(tables.phrases.size(), 70u);
    EXPECT_EQ(tables.phrases.back().key, "k70");
    EXPECT_FALSE(problems.has_errors()); // the course still starts
    EXPECT_EQ(problem_texts(problems),
              Lines{"ss_r.t:71: warning: more than 70 phrase pairs: the table holds 70, this "
                    "line and the rest are left out"});
}

TEST_F(CourseLoaders, ComprehensionTextsSkipCommentsAndGoOnAfterABadLine) {
    course.write_8bit("rozumienia_a.txt", {"/ number=level=group=title=", "12=2=3=Na dworcu=",
                                           "13=x=1=Zły=", "", "14= 4 =1=Lekcja"});
    load(load_comprehension_texts);
    ASSERT_EQ(tables.texts.size(), 2u);
    EXPECT_EQ(tables.texts[0].number, 12);
    EXPECT_EQ(tables.texts[0].level, 2);
    EXPECT_EQ(tables.texts[0].group, 3);
    EXPECT_EQ(tables.texts[0].title, "Na dworcu");
    EXPECT_EQ(tables.texts[1].level, 4);
    EXPECT_EQ(tables.texts[1].title, "Lekcja");
    EXPECT_EQ(problem_texts(problems),
              Lines{"rozumienia_a.txt:3: error: expected the level 1 to 4, found \"x\""});
}

// --- Sentences -------------------------------------------------------------------

struct AlternativesCase {
    const char* name;
    std::string fields_3_to_5;
    int expected;
};

class SentenceAlternatives : public CourseLoaders,
                             public testing::WithParamInterface<AlternativesCase> {};

TEST_P(SentenceAlternatives, CountRisesToTheLastFilledField) {
    course.write_utf16("zda_rozumu.txt",
                       {"10101=Zdanie=" + GetParam().fields_3_to_5 + "=f6=f7=T="});
    load(load_sentences);
    expect_no_problems();
    ASSERT_EQ(tables.sentence_lines.size(), 1u);
    EXPECT_EQ(tables.sentence_lines[0].alternatives_count, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SentenceAlternatives,
                         testing::Values(AlternativesCase{"only_field_5", "==e", 4},
                                         AlternativesCase{"only_field_3", "c==", 2},
                                         AlternativesCase{"none", "==", 1},
                                         AlternativesCase{"blanks_only", " = \t= ", 1},
                                         AlternativesCase{"fields_3_and_4", "c=d=", 3},
                                         AlternativesCase{"all_three", "c=d=e", 4}));

TEST_F(CourseLoaders, SentenceLineFieldsAreCutAsStored) {
    course.write_utf16("zda_rozumu.txt",
                       {"20712=I <am> here.=I'm here.=alt4=alt5=f6=f7=Jestem tu.=",
                        "20712=No translation=a=b=c=d=e=", "10101=Short"});
    load(load_sentences);
    expect_no_problems();
    ASSERT_EQ(tables.sentence_lines.size(), 3u);
    const SentenceLine& first = tables.sentence_lines[0];
    EXPECT_EQ(first.level, 2);
    EXPECT_EQ(first.section, "07");
    EXPECT_EQ(first.group, 12);
    EXPECT_EQ(first.sentence, uni_widen("I am here."));
    EXPECT_EQ(text(first.alternatives[0]), "I'm here.");
    EXPECT_EQ(text(first.field6), "f6");
    EXPECT_EQ(first.translation, uni_widen("Jestem tu."));
    // An empty field 8, and one holding only the U+0000 that ends the line, both mean
    // the line has no translation.
    EXPECT_EQ(tables.sentence_lines[1].translation, uni_widen("Brak tlumaczenia!!!"));
    EXPECT_EQ(tables.sentence_lines[2].translation, uni_widen("Brak tlumaczenia!!!"));
}

TEST_F(CourseLoaders, SectionsDifferBySectionTextAndKeepTheirLinesInFileOrder) {
    course.write_utf16("zda_rozumu.txt",
                       {"10503=a=", "1 503=b=", "", "10503=c=", "10504=d=", "20503=e="});
    load(load_sentences);
    expect_no_problems();
    ASSERT_EQ(tables.sentence_lines.size(), 6u); // the blank line keeps its number
    ASSERT_EQ(tables.sections.size(), 4u);
    EXPECT_EQ(tables.sections[0].section, "05");
    EXPECT_EQ(tables.sections[0].lines, (std::vector<int>{1, 4}));
    EXPECT_EQ(tables.sections[1].section, " 5");
    EXPECT_EQ(tables.sections[1].lines, std::vector<int>{2});
    EXPECT_EQ(tables.sections[2].group, 4);
    EXPECT_EQ(tables.sections[3].level, 2);
}

// --- Catalogue -------------------------------------------------------------------

TEST_F(CourseLoaders, CatalogueKeyGroupFromSixtyOnIsLessFiftyNine) {
    course.write_utf16("kurs_cwiczu.kvt", {"  0001110263  ", " Tytuł ", "b", "c", "-----",
                                           "0002530207", "d", "e", "f", "-----"});
    load(load_catalogue);
    expect_no_problems();
    ASSERT_EQ(tables.catalogue.size(), 2u);
    const CatalogueEntry& entry = tables.catalogue[0];
    EXPECT_EQ(entry.key, uni_widen("00011102") + "04");
    EXPECT_EQ(entry.key8, "0001110204");
    EXPECT_EQ(text(entry.texts[0]), "Tytuł");
    EXPECT_EQ(tables.catalogue[1].key8, "0002530207");
}

TEST_F(CourseLoaders, CatalogueCommentAndBlankKeyLinesSkipOnlyThemselves) {
    course.write_utf16("kurs_cwiczu.kvt",
                       {"*comment", "0001110201", "*not a comment here", "", "c", "-----", "   ",
                        "*", "0002480201", "d", "e", "f"}); // the last separator may be missing
    load(load_catalogue);
    expect_no_problems();
    ASSERT_EQ(tables.catalogue.size(), 2u);
    EXPECT_EQ(text(tables.catalogue[0].texts[0]), "*not a comment here");
    EXPECT_EQ(text(tables.catalogue[0].texts[1]), "");
    EXPECT_EQ(tables.catalogue[1].key8, "0002480201");
    EXPECT_EQ(text(tables.catalogue[1].texts[2]), "f");
}

// --- Row tables ------------------------------------------------------------------

TEST_F(CourseLoaders, ComprehensionRowFieldFourIsUntrimmedWhenItStartsWithCAcute) {
    course.write_utf16("kursu.roz", {" id1 = snd =  pl  =Ćwiczenie  = p1=p2=p3=",
                                     "//id2=snd=pl=  Ala  =p1=p2=p3="});
    load(load_comprehension_rows);
    expect_no_problems();
    ASSERT_EQ(tables.comprehension_rows.size(), 2u); // "//" is no comment in a UTF-16 file
    const auto& fields = tables.comprehension_rows[0].fields;
    EXPECT_EQ(fields[0], uni_widen("id1"));
    EXPECT_EQ(fields[2], uni_widen("pl"));
    EXPECT_EQ(uni_to_qstring(fields[3]).toStdString(), "Ćwiczenie  ");
    EXPECT_EQ(fields[6], uni_widen("p3"));
    EXPECT_EQ(tables.comprehension_rows[1].fields[0], uni_widen("//id2"));
    EXPECT_EQ(tables.comprehension_rows[1].fields[3], uni_widen("Ala"));
}

TEST_F(CourseLoaders, RecordingRowsAreThreeTrimmedFields) {
    course.write_utf16("kursu.zdn", {" z1 = nagranie1 =  Tekst zdania  "});
    load(load_recording_rows);
    expect_no_problems();
    ASSERT_EQ(tables.recording_rows.size(), 1u);
    EXPECT_EQ(tables.recording_rows[0].fields[0], uni_widen("z1"));
    EXPECT_EQ(tables.recording_rows[0].fields[1], uni_widen("nagranie1"));
    EXPECT_EQ(tables.recording_rows[0].fields[2], uni_widen("Tekst zdania"));
}

TEST_F(CourseLoaders, DragRowJoinsTheMarkedWordsAndStripsAnglesFromFieldB) {
    course.write_8bit("kurs.zdd", {"00001 I <am not> here <x y>=I <am not> here.=rest", "",
                                   "00002#no marks here=b>c<d="});
    load(load_drag_rows);
    expect_no_problems();
    ASSERT_EQ(tables.drag_rows.size(), 2u);
    EXPECT_EQ(tables.drag_rows[0].id, "00001");
    EXPECT_EQ(tables.drag_rows[0].field_a, "I <am+not> here <x y>");
    EXPECT_EQ(tables.drag_rows[0].field_b, "I am not here.");
    EXPECT_EQ(tables.drag_rows[1].field_a, "no marks here");
    EXPECT_EQ(tables.drag_rows[1].field_b, "bcd");
}

// --- Dialogues -------------------------------------------------------------------

TEST_F(CourseLoaders, DialoguesAreHeaderSpokenLinesAndABlankLine) {
    course.write_utf16("dialogi_au.txt",
                       {"D=At the station=2=3=TTNTT=1=Bstation=7=", "A=d1_1=Anna: Hello!=Cześć!=",
                        "b=d1_2=Ben: Hi.=Hej.", "", "",
                        "D= Shop =1=1=TNNNN=0===", "E=d2_1=Good morning.=Dzień dobry.="});
    load(load_dialogues);
    expect_no_problems();
    ASSERT_EQ(tables.dialogues.size(), 2u);
    const Dialogue& first = tables.dialogues[0];
    EXPECT_EQ(text(first.name), "At the station");
    EXPECT_EQ(first.level, 2);
    EXPECT_EQ(first.group, 3);
    EXPECT_EQ(first.modes, "TTNTT");
    EXPECT_TRUE(first.offers_mode(4));
    EXPECT_FALSE(first.offers_mode(3));
    EXPECT_EQ(first.layout, 1);
    EXPECT_EQ(text(first.background), "Bstation"); // as written, prefix included
    EXPECT_EQ(first.glossary, 7);
    ASSERT_EQ(first.lines.size(), 2u);
    EXPECT_EQ(first.lines[0].person, 1);
    EXPECT_EQ(text(first.lines[0].sound), "d1_1");
    EXPECT_EQ(text(first.lines[0].text), "Anna: Hello!");
    EXPECT_EQ(text(first.lines[0].translation), "Cześć!");
    EXPECT_EQ(first.lines[1].person, 2);
    EXPECT_EQ(text(first.lines[1].translation), "Hej.");
    const Dialogue& second = tables.dialogues[1];
    EXPECT_EQ(text(second.name), "Shop");
    EXPECT_EQ(second.glossary, -1);
    EXPECT_EQ(second.lines[0].person, 5);
}

// --- Letters, glossary, open tasks -----------------------------------------------

TEST_F(CourseLoaders, LettersGlossaryAndOpenTasksKeepTheirFields) {
    course.write_8bit("Listy_r/index.txt", {"list_1=2=3=3001=reszta", "list_2=1=1=0="});
    course.write_utf16("slowniczeku.txt", {"3001=<b>Dear</b> Sir @ Szanowny Panie", "", "12=a=b"});
    course.write_8bit("otwarte.txt", {"/ comment", " 1 = 2 = 3 =  Nazwa  = Opis "});
    load(load_letters);
    load(load_glossary);
    load(load_open_tasks);
    expect_no_problems();
    ASSERT_EQ(tables.letters.size(), 2u);
    EXPECT_EQ(tables.letters[0].file, "list_1");
    EXPECT_EQ(tables.letters[0].level, 2);
    EXPECT_EQ(tables.letters[0].group, 3);
    EXPECT_EQ(tables.letters[0].parameter, 3001);
    ASSERT_EQ(tables.glossary.size(), 2u);
    EXPECT_EQ(tables.glossary[0].number, "3001");
    // The last field keeps the U+0000 that ends the line.
    EXPECT_EQ(tables.glossary[0].text, uni_widen("<b>Dear</b> Sir @ Szanowny Panie") + "\0\0"s);
    EXPECT_EQ(tables.glossary[1].text, uni_widen("a"));
    ASSERT_EQ(tables.open_tasks.size(), 1u);
    EXPECT_EQ(tables.open_tasks[0].number, 1);
    EXPECT_EQ(tables.open_tasks[0].group, 2);
    EXPECT_EQ(tables.open_tasks[0].level, 3);
    EXPECT_EQ(tables.open_tasks[0].text1, "Nazwa");
    EXPECT_EQ(tables.open_tasks[0].text2, "Opis");
}

TEST_F(CourseLoaders, GlossaryOfMoreThan250LinesStopsWithTheProgramsMessage) {
    Lines lines;
    for (int i = 1; i <= 252; ++i)
        lines.push_back(std::to_string(i) + "=t");
    course.write_utf16("slowniczeku.txt", lines);
    load(load_glossary);
    EXPECT_EQ(tables.glossary.size(), 250u);
    EXPECT_EQ(problem_texts(problems),
              Lines{"slowniczeku.txt:251: error: Za duza ilosc linijek slowniczka!!!"});
}

// --- Task list -------------------------------------------------------------------

const Lines kTaskEntry{"#12#tlo_12#Polecenie#Instruction#Anweisung#x#30#60#90#",
                       "MC#Pytanie?=a=b=", "5=0==80=120=", "-----"};

TEST_F(CourseLoaders, TaskEntryHeaderKindAndParameters) {
    course.write_utf16("St_au.txt", kTaskEntry);
    load(load_tasks);
    expect_no_problems();
    ASSERT_EQ(tables.tasks.size(), 1u);
    const TaskEntry& task = tables.tasks[0];
    EXPECT_EQ(task.text_number, 12);
    EXPECT_EQ(task.media_name, "12");
    EXPECT_EQ(task.kind, "MC");
    EXPECT_EQ(task.kind_line, uni_widen("MC#Pytanie?=a=b="));
    EXPECT_EQ(task.header, uni_trim(uni_widen(kTaskEntry[0])));
    const std::array<int, 10> parameters{5, -1, -1, 80, 120, -1, -1, -1, -1, -1};
    EXPECT_EQ(task.parameters, parameters);
    EXPECT_EQ(task.glossary_number(), 5);
    ASSERT_TRUE(task.times_ms.has_value());
    EXPECT_EQ(*task.times_ms, (std::array<int, 3>{30000, 60000, 90000}));
}

TEST_F(CourseLoaders, BlankLinesBeforeATaskEntryChangeNothing) {
    course.write_utf16("St_au.txt", kTaskEntry);
    load(load_tasks);
    const TaskEntry plain = tables.tasks.at(0);

    Lines padded{"", "   ", "\t"};
    padded.insert(padded.end(), kTaskEntry.begin(), kTaskEntry.end());
    padded.insert(padded.end(), {"", ""});
    padded.insert(padded.end(), kTaskEntry.begin(), kTaskEntry.end());
    course.write_utf16("St_au.txt", padded);
    load(load_tasks);
    expect_no_problems();
    ASSERT_EQ(tables.tasks.size(), 2u);
    for (const TaskEntry& task : tables.tasks) {
        EXPECT_EQ(task.header, plain.header);
        EXPECT_EQ(task.kind, plain.kind);
        EXPECT_EQ(task.parameters, plain.parameters);
        EXPECT_EQ(task.times_ms, plain.times_ms);
    }
}

struct TimesCase {
    const char* name;
    std::string header;
    std::optional<std::array<int, 3>> expected;
};

class TaskTimes : public CourseLoaders, public testing::WithParamInterface<TimesCase> {};

TEST_P(TaskTimes, ComeFromFieldsEightToTenWithAtLeastFiveHashes) {
    course.write_utf16("St_au.txt", {GetParam().header, "TF#x", "", ""});
    load(load_tasks);
    expect_no_problems();
    ASSERT_EQ(tables.tasks.size(), 1u);
    EXPECT_EQ(tables.tasks[0].times_ms, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TaskTimes,
                         testing::Values(TimesCase{"four_hashes", "#3#tlo#a#b", std::nullopt},
                                         TimesCase{"five_hashes_without_time_fields",
                                                   "#3#tlo#a#b#c", std::array<int, 3>{-1, -1, -1}},
                                         TimesCase{"all_ten_fields", "#3#t#a#b#c#x#1#2# 3 #",
                                                   std::array<int, 3>{1000, 2000, 3000}},
                                         TimesCase{"blank_middle_time", "#3#t#a#b#c#x#1##3",
                                                   std::array<int, 3>{1000, -1, 3000}}));

// --- Word lists ------------------------------------------------------------------

TEST(WordLists, MatchIgnoringCaseSortedAsTheMediumListsThem) {
    test::TempCourse course;
    for (const char* name : {"b.bc4", "A_b.BC4", "AAB.bc4", "c.txt", "c.bc4.bak"})
        course.write_bytes("Cw_R/"s + name, "x");
    course.make_folder("Cw_R/dir.bc4");
    EXPECT_EQ(list_word_lists(course.root()), (Lines{"AAB.bc4", "A_b.BC4", "b.bc4"}));
}

TEST(WordLists, AtMostTwoHundredAndMoreIsAnError) {
    test::TempCourse course;
    EXPECT_TRUE(list_word_lists(course.root()).empty());
    for (int i = 0; i < 201; ++i) {
        const std::string number = std::to_string(1000 + i);
        course.write_bytes("cw_r/w" + number + ".bc4", "x");
    }
    const Lines names = list_word_lists(course.root());
    ASSERT_EQ(names.size(), 200u);
    EXPECT_EQ(names.back(), "w1199.bc4");
    CourseProblems problems;
    check_word_lists(course.root(), problems);
    ASSERT_EQ(problems.all().size(), 1u);
    EXPECT_EQ(problems.all()[0].file, "cw_r");
    EXPECT_NE(problems.all()[0].message.find("w1200.bc4"), std::string::npos);
}

// --- The whole start-up set --------------------------------------------------------

TEST_F(CourseLoaders, LoadCourseTablesFillsEveryTable) {
    course.write_utf16("Lang_r/0/grau.txt", {"1=x=G1=Grammar="});
    course.write_8bit("ss_r.t", {"a=b"});
    course.write_8bit("rozumienia_a.txt", {"12=1=1=Tekst="});
    course.write_utf16("zda_rozumu.txt", {"10101=Zdanie="});
    course.write_utf16("kurs_cwiczu.kvt", {"0001110101", "a", "b", "c", "-"});
    course.write_utf16("kursu.roz", {"id=s=pl=en=p1=p2=p3="});
    course.write_utf16("kursu.zdn", {"id=m=t"});
    course.write_8bit("kurs.zdd", {"00001 a=b="});
    course.write_utf16("dialogi_au.txt", {"D=d=1=1=TTTTT=0=tlo=0=", "A=s=t=p=", "B=s=t=p="});
    course.write_8bit("Listy_r/index.txt", {"l=1=1=0="});
    course.write_utf16("slowniczeku.txt", {"1=g"});
    course.write_utf16("St_au.txt", kTaskEntry);
    course.write_8bit("otwarte.txt", {"1=1=1=a=b="});
    load(load_lesson_groups);
    load(load_course_tables);
    expect_no_problems();
    EXPECT_EQ(tables.groups.size(), 1u);
    EXPECT_EQ(tables.phrases.size(), 1u);
    EXPECT_EQ(tables.texts.size(), 1u);
    EXPECT_EQ(tables.sentence_lines.size(), 1u);
    EXPECT_EQ(tables.sections.size(), 1u);
    EXPECT_EQ(tables.catalogue.size(), 1u);
    EXPECT_EQ(tables.comprehension_rows.size(), 1u);
    EXPECT_EQ(tables.recording_rows.size(), 1u);
    EXPECT_EQ(tables.drag_rows.size(), 1u);
    EXPECT_EQ(tables.dialogues.size(), 1u);
    EXPECT_EQ(tables.letters.size(), 1u);
    EXPECT_EQ(tables.glossary.size(), 1u);
    EXPECT_EQ(tables.tasks.size(), 1u);
    EXPECT_EQ(tables.open_tasks.size(), 1u);
}

} // namespace
} // namespace vimo

namespace vimo {
namespace {

// The course tool names the line of an entry a warning is about.
TEST(EntryLines, EntriesKnowTheLineTheyStandOn) {
    test::TempCourse course;
    course.write_minimal_course();
    course.write_8bit("rozumienia_a.txt", {"/ comment", "", "1=1=1=My morning=", "2=1=1=Later="});
    course.write_8bit("Listy_r/index.txt", {"list1=1=1=7=x=", "", "list2=1=1=8=y="});
    course.write_utf16("St_au.txt", {"", "T1#1#bg#i#", "MC#Q=T_a=b#", "0=", "-", "T2#2#bg#i#",
                                     "TF#x#", "0=", "-"});
    Config config;
    config.course_root = course.root();
    CourseTables tables;
    CourseProblems problems;
    load_course_tables(config, tables, problems);
    ASSERT_FALSE(problems.has_errors()) << problems.first_error()->text();
    ASSERT_EQ(tables.texts.size(), 2u);
    EXPECT_EQ(tables.texts[0].line, 3);
    EXPECT_EQ(tables.texts[1].line, 4);
    ASSERT_EQ(tables.letters.size(), 2u);
    EXPECT_EQ(tables.letters[1].line, 3);
    ASSERT_EQ(tables.tasks.size(), 2u);
    EXPECT_EQ(tables.tasks[0].line, 2);
    EXPECT_EQ(tables.tasks[1].line, 6);
}

} // namespace
} // namespace vimo
