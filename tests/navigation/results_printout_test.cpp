#include "core/qt_text.h"
#include "html/printing.h"
#include "navigation/chooser_fixture.h"
#include "navigation/results_printout.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using test::TempCourse;

ChooserNode* add(ChooserNode& parent, int row_level, int kind, const QString& caption,
                 int level = 0) {
    auto node = std::make_unique<ChooserNode>();
    node->row_level = row_level;
    node->kind = kind;
    node->caption = qstring_to_uni(caption);
    node->level = level;
    node->selectable = row_level == kLeafRow;
    return parent.add_child(std::move(node));
}

// Two lessons: the first with a film text of two rows and a word list, the second with
// a letter.
struct Course {
    Course() {
        lesson1 = add(root, kGroupRow, node_kind::group, "Lekcja 1");
        lesson1->score = 40;
        lesson1->done = true;
        text = add(*lesson1, kItemRow, node_kind::video_text, "Tekst o Gdańsku", 2);
        text->done = true;
        text->last_date = "2026-11-05";
        text->score = 40;
        choice = add(*text, kLeafRow, '(', "Wybór", 2);
        choice->done = true;
        choice->score = 80;
        choice->last_date = "2026-11-05";
        choice->repetition_date = "2026-12-20";
        truth = add(*text, kLeafRow, ')', "Prawda", 2);
        list = add(*lesson1, kLeafRow, 60, "Lista <A & B>", 3);
        lesson2 = add(root, kGroupRow, node_kind::group, "Lekcja 2");
        letter = add(*lesson2, kLeafRow, '9', "List", 1);
    }
    ChooserNode root;
    ChooserNode* lesson1 = nullptr;
    ChooserNode* text = nullptr;
    ChooserNode* choice = nullptr;
    ChooserNode* truth = nullptr;
    ChooserNode* list = nullptr;
    ChooserNode* lesson2 = nullptr;
    ChooserNode* letter = nullptr;
};

// The cells of each row of the table, title and header rows included.
std::vector<QStringList> table_rows(const QString& html) {
    static const QRegularExpression row("<TR>(.*?)</TR>");
    static const QRegularExpression cell("<TD[^>]*>(.*?)</TD>");
    std::vector<QStringList> rows;
    for (const auto& r : row.globalMatch(html)) {
        QStringList cells;
        for (const auto& c : cell.globalMatch(r.captured(1)))
            cells << c.captured(1);
        rows.push_back(cells);
    }
    return rows;
}

// The body rows: without the title, header and footer rows.
std::vector<QStringList> body_rows(const QString& html) {
    std::vector<QStringList> rows = table_rows(html);
    EXPECT_GE(rows.size(), 3U);
    if (rows.size() < 3) return {};
    return {rows.begin() + 2, rows.end() - 1};
}

QStringList captions(const QString& html) {
    QStringList shown;
    for (const QStringList& cells : body_rows(html))
        shown << cells.value(0);
    return shown;
}

class ResultsPrintout : public ::testing::Test {
protected:
    QString printout(int language = 0) const {
        return results_printout(course.root, language, files.root());
    }
    TempCourse files;
    Course course;
};

// --- which rows are printed ---

struct FoldCase {
    std::string name;
    bool lesson1_open = false;
    bool text_open = false;
    QStringList printed;
};

class PrintedRows : public ResultsPrintout, public ::testing::WithParamInterface<FoldCase> {};

TEST_P(PrintedRows, OnlyTheUnfoldedPartOfTheTreeIsPrinted) {
    const FoldCase& c = GetParam();
    course.lesson1->expanded = c.lesson1_open;
    course.text->expanded = c.text_open;
    course.lesson2->expanded = false;
    EXPECT_EQ(captions(printout()), c.printed);
}

const QString kItem = "&nbsp;&nbsp;&nbsp;";
const QString kRow = kItem + kItem;

INSTANTIATE_TEST_SUITE_P(
    Folding, PrintedRows,
    ::testing::Values(
        FoldCase{"AllGroupsFoldedPrintOnlyTheGroups", false, false, {"Lekcja 1", "Lekcja 2"}},
        FoldCase{
            "AnUnfoldedItemUnderAFoldedGroupIsNotPrinted", false, true, {"Lekcja 1", "Lekcja 2"}},
        FoldCase{
            "AnUnfoldedGroupPrintsItsItemsButNotTheRowsOfAFoldedItem",
            true,
            false,
            {"Lekcja 1", kItem + "Tekst o Gdańsku", kRow + "Lista &lt;A &amp; B&gt;", "Lekcja 2"}},
        FoldCase{"AnUnfoldedItemUnderAnUnfoldedGroupPrintsItsRows",
                 true,
                 true,
                 {"Lekcja 1", kItem + "Tekst o Gdańsku", kRow + "Wybór", kRow + "Prawda",
                  kRow + "Lista &lt;A &amp; B&gt;", "Lekcja 2"}}),
    [](const auto& info) { return info.param.name; });

// --- what a row holds ---

class ExpandedPrintout : public ResultsPrintout {
protected:
    void SetUp() override {
        course.lesson1->expanded = true;
        course.text->expanded = true;
        course.lesson2->expanded = true;
    }
    // The cells of the body row whose caption ends with caption.
    QStringList row(const QString& caption) const {
        for (const QStringList& cells : body_rows(printout()))
            if (cells.value(0).endsWith(caption)) return cells;
        ADD_FAILURE() << "no row " << caption.toStdString();
        return QStringList(7, QString());
    }
};

TEST_F(ExpandedPrintout, ADoneRowPrintsItsPicturesDatesAndScore) {
    const QStringList cells = row("Wybór");
    ASSERT_EQ(cells.size(), 7);
    EXPECT_TRUE(cells[1].contains("/htm_r/11_mchoice.jpg\"")) << cells[1].toStdString();
    EXPECT_TRUE(cells[2].contains("/htm_r/poziom2.jpg\"")) << cells[2].toStdString();
    EXPECT_TRUE(cells[3].contains("/htm_r/ruszone.jpg\"")) << cells[3].toStdString();
    EXPECT_EQ(cells[4], "2026-11-05");
    EXPECT_EQ(cells[5], "2026-12-20");
    EXPECT_EQ(cells[6], "80%");
}

TEST_F(ExpandedPrintout, ARowNeverDonePrintsNoDateAndTheNotDoneMark) {
    const QStringList cells = row("Prawda");
    ASSERT_EQ(cells.size(), 7);
    EXPECT_EQ(cells[4], "&nbsp;");
    EXPECT_EQ(cells[5], "&nbsp;");
    EXPECT_TRUE(cells[3].contains("/htm_r/ruszonenie.jpg\"")) << cells[3].toStdString();
    EXPECT_EQ(cells[6], "0%");
}

TEST_F(ExpandedPrintout, GroupsAndItemsPrintNoLastDate) {
    const QStringList group = row("Lekcja 1");
    const QStringList item = row("Tekst o Gdańsku");
    ASSERT_EQ(group.size(), 7);
    ASSERT_EQ(item.size(), 7);
    EXPECT_EQ(group[4], "&nbsp;") << "done, yet a group has no date of its own";
    EXPECT_EQ(item[4], "&nbsp;");
    EXPECT_EQ(group[1], "") << "groups have no kind picture";
    EXPECT_EQ(group[2], "") << "nor a level";
    EXPECT_TRUE(item[1].contains("/htm_r/1_film.jpg\""));
    EXPECT_EQ(group[6], "40%");
}

TEST_F(ExpandedPrintout, CaptionsAreEscapedAsText) {
    const QString html = printout();
    EXPECT_FALSE(html.contains("<A & B>"));
    EXPECT_EQ(row("Lista &lt;A &amp; B&gt;").size(), 7);
}

TEST_F(ExpandedPrintout, PicturesAndTheStyleSheetAreFilesUnderTheCourseRootAsFound) {
    // Copied from a Windows medium: the folder and files in other letter cases.
    files.make_folder("HTM_R");
    files.write_bytes("HTM_R/Poziom3.JPG", "jpeg");
    files.write_bytes("HTM_R/Style.CSS", "td { }");
    const QString root = QString::fromStdString(files.root());
    const QString html = printout();
    EXPECT_TRUE(
        row("Lista &lt;A &amp; B&gt;")[2].contains("src=\"file://" + root + "HTM_R/Poziom3.JPG\""));
    EXPECT_TRUE(html.contains("href=\"file://" + root + "HTM_R/Style.CSS\""));
    EXPECT_TRUE(html.contains("charset=utf-8"));
}

TEST_F(ExpandedPrintout, TitleAndFooterSpanTheTable) {
    const std::vector<QStringList> rows = table_rows(printout());
    ASSERT_GE(rows.size(), 3U);
    EXPECT_EQ(rows.front(), QStringList{"<BR><B>Lexaro Vimo - Rozumienie ze słuchu i Konwersacje - "
                                        "Zestawienie wyników</B><BR>"});
    EXPECT_EQ(rows.back(), QStringList{"<BR><BR><B>" + QString::fromUtf8(kCopyrightLine) + "</B>"});
    EXPECT_EQ(printout().count("<TD colspan=\"7\">"), 2);
}

// --- header words ---

struct HeaderCase {
    std::string name;
    int language = 0;
    QStringList words;
};

class HeaderWords : public ExpandedPrintout, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderWords, FollowTheInterfaceLanguageAndTheRowsArePrintedAlways) {
    const HeaderCase& c = GetParam();
    const QString html = printout(c.language);
    const std::vector<QStringList> rows = table_rows(html);
    ASSERT_GE(rows.size(), 2U);
    QStringList bold;
    for (const QString& word : c.words)
        bold << "<B>" + word + "</B>";
    EXPECT_EQ(rows[1], bold);
    EXPECT_EQ(body_rows(html).size(), 7U) << "every row of the unfolded tree";
}

INSTANTIATE_TEST_SUITE_P(
    Languages, HeaderWords,
    ::testing::Values(HeaderCase{"Polish",
                                 0,
                                 {"Ćwiczenie", "Zadanie", "Poziom", "Wykonane?",
                                  "Ostatnio wykonane", "Powtórka", "Wynik"}},
                      HeaderCase{"English",
                                 1,
                                 {"Exercise", "Task", "Level", "Done", "Last done", "Repetition",
                                  "Result"}},
                      HeaderCase{"GermanHasNoWords", 2, QStringList(7, QString())},
                      HeaderCase{"RussianHasNoWords", 3, QStringList(7, QString())},
                      HeaderCase{"Spanish",
                                 4,
                                 {"Ejercicio", "&nbsp;", "Nivel", "¿Hecho?", "La última vez",
                                  "Repetición", "Resultado"}}),
    [](const auto& info) { return info.param.name; });

// --- the kind pictures ---

struct PictureCase {
    std::string name;
    int row_level = kLeafRow;
    int kind = 0;
    std::string picture;
};

class KindPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(KindPicture, ByNodeKindForItemsAndByKindCodeForRows) {
    const PictureCase& c = GetParam();
    ChooserNode node;
    node.row_level = c.row_level;
    node.kind = c.kind;
    EXPECT_EQ(results_kind_picture(node), c.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindPicture,
    ::testing::Values(PictureCase{"RecordedText", kItemRow, node_kind::recorded_text,
                                  "2_nagranie.jpg"},
                      PictureCase{"PageText", kItemRow, node_kind::page_text, "3_tekst.jpg"},
                      PictureCase{"SentencesShareTheVocabularyPicture", kItemRow,
                                  node_kind::sentences, "7_slowka.jpg"},
                      PictureCase{"UndecidedTextHasNone", kItemRow, node_kind::undecided, ""},
                      PictureCase{"Group", kGroupRow, node_kind::group, ""},
                      PictureCase{"TrueFalse", kLeafRow, ')', "8_truefalse.jpg"},
                      PictureCase{"Curiosity", kLeafRow, ':', "6_ciekawostka.jpg"},
                      PictureCase{"DictationDrill", kLeafRow, 63, "16_dyktando.jpg"},
                      PictureCase{"MatchingHasNone", kLeafRow, '+', ""},
                      PictureCase{"DialogueHasNone", kLeafRow, 71, ""},
                      // A leaf's code is a kind code even where it equals a node kind.
                      PictureCase{"CodeOneIsNoFilm", kLeafRow, 1, ""}),
    [](const auto& info) { return info.param.name; });

// --- from the chooser as the learner left it ---

class PrintedChooser : public test::ChooserTest {};

TEST_F(PrintedChooser, TheTreeIsPrintedAsTheChooserShowsIt) {
    add("tek_1", 40, 1, 80, 1, "Tekst <1>");
    add("tek_1", 41, 1, 0, 0, "Tekst <1>");
    add("lst_1", '9', 2, 0, 1, "List");
    chooser.chooser_build(1);
    ASSERT_TRUE(chooser.toggle(0)) << "the first lesson unfolded";

    const QString item = "&nbsp;&nbsp;&nbsp;";
    EXPECT_EQ(captions(results_printout(chooser.root(), 0, files.root())),
              (QStringList{"Grupa pierwsza", item + "Tekst &lt;1&gt;", "Listy"}));

    chooser.expand_all();
    const std::vector<QStringList> rows =
        body_rows(results_printout(chooser.root(), 0, files.root()));
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(rows[2].value(0), item + item + "T29") << "the row's kind name";
    EXPECT_EQ(rows[2].value(6), "80%");
    EXPECT_EQ(rows[2].value(4), "2026-11-05");
    EXPECT_TRUE(rows[1].value(1).contains("2_nagranie.jpg")) << "a recorded text";
    EXPECT_EQ(rows[3].value(4), "&nbsp;") << "never done";
    EXPECT_EQ(rows[5].value(0), item + item + "List") << "a single item stands as a row";
}

// --- printed for real ---

QString pdf_text(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << pdf.toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(ExpandedPrintout, PrintsToAPdfWithItsWordsRowsScoresAndPictures) {
    files.make_folder("htm_r");
    QImage mark(12, 12, QImage::Format_RGB32);
    mark.fill(Qt::darkGreen);
    ASSERT_TRUE(mark.save(QString::fromStdString(files.path("htm_r/ruszone.jpg")), "JPEG"));
    const QString pdf = QString::fromStdString(files.path("wyniki.pdf"));
    int notices = 0;
    Printing printing(
        [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        },
        [&] { ++notices; }, [](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
    ASSERT_EQ(printing.print(printout(0)), PrintOutcome::printed);
    EXPECT_EQ(notices, 1);

    const QString text = pdf_text(pdf);
    for (const char* expected :
         {"Zestawienie wyników", "Ćwiczenie", "Zadanie", "Wykonane?", "Ostatnio", "Powtórka",
          "Wynik", "Lekcja 1", "Tekst o Gdańsku", "Wybór", "Prawda", "Lista <A & B>", "Lekcja 2",
          "2026-11-05", "2026-12-20", "80%", "40%", "Wszelkie prawa"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    // The row of the multiple choice holds its dates and score on one line.
    static const QRegularExpression choice_line("Wybór.*2026-11-05.*2026-12-20.*80%");
    EXPECT_TRUE(choice_line.match(text).hasMatch()) << text.toStdString();

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("/Subtype /Image")) << "the done mark is printed";
}

} // namespace
} // namespace vimo
