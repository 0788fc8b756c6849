#include "html/html_viewer.h"
#include "support/modal.h"
#include "support/temp_course.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

using test::TempCourse;

std::string paragraphs(int count, const std::string& word) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "<p>" + word + " " + std::to_string(n) + "</p>\n";
    return text;
}

std::string page(const std::string& body) {
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body + "</body></html>";
}

// How many pixels of the picture lie within tolerance of colour.
int pixels_of(const QImage& image, const QColor& colour, int tolerance = 0) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The pages of a PDF file: its page objects ("/Type /Page", not "/Pages").
int pdf_pages(const QByteArray& pdf) {
    int count = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        if (pdf.mid(at + 11, 1) != "s") ++count;
    }
    return count;
}

class Viewer : public ::testing::Test {
protected:
    void SetUp() override {
        viewer.resize(500, 400);
        viewer.setCourseRoot(course.root());
    }
    void show() {
        viewer.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    }
    // The viewport position of the first occurrence of text.
    QPoint where(const QString& text) {
        const QTextCursor found = viewer.document()->find(text);
        EXPECT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor inside(found);
        inside.setPosition(found.selectionStart() + 1);
        return viewer.cursorRect(inside).center();
    }

    TempCourse course;
    HtmlViewer viewer;
};

TEST_F(Viewer, LoadsAPageAndScrollsToItsAnchor) {
    course.write_bytes("Htm_r/h_comp.html",
                       page(paragraphs(80, "Wstep") + "<h2><a name=\"filmy\">Filmy</a></h2>" +
                            paragraphs(80, "Dalej")));
    show();
    ASSERT_TRUE(viewer.loadFile(course.root() + "HTM_R\\H_Comp.html#filmy"));
    EXPECT_EQ(viewer.currentFile(), course.path("Htm_r/h_comp.html"));
    QTRY_VERIFY(viewer.verticalScrollBar()->value() > 0);
    const QPoint heading = where("Filmy");
    EXPECT_GE(heading.y(), 0);
    EXPECT_LT(heading.y(), 60) << "the anchor stands at the top of the view";

    ASSERT_TRUE(viewer.loadFile(course.root() + "Htm_r/h_comp.html"));
    EXPECT_EQ(viewer.verticalScrollBar()->value(), 0) << "a page without anchor starts at the top";
}

TEST_F(Viewer, AnAnchorWrittenInAnotherCaseStillScrolls) {
    course.write_bytes("Htm_r/a.html",
                       page(paragraphs(100, "Tekst") + "<p><a name=\"Listy\">Listy</a></p>" +
                            paragraphs(60, "Koniec")));
    show();
    ASSERT_TRUE(viewer.loadFile(course.root() + "Htm_r/a.html#listy"));
    QTRY_VERIFY(viewer.verticalScrollBar()->value() > 0);
    EXPECT_EQ(find_anchor(*viewer.document(), "LISTY"), "Listy");
    EXPECT_EQ(find_anchor(*viewer.document(), "brak"), "");
}

TEST_F(Viewer, AMissingPageSaysSoAndLeavesTheHistory) {
    course.write_bytes("Htm_r/a.html", page("<p>Strona A</p>"));
    ASSERT_TRUE(viewer.loadFile(course.root() + "Htm_r/a.html"));
    QSignalSpy changes(&viewer, &HtmlViewer::pageHistoryChanged);
    EXPECT_FALSE(viewer.loadFile(course.root() + "Htm_r/brak.html"));
    EXPECT_TRUE(viewer.toPlainText().contains("Brak pliku: "));
    EXPECT_TRUE(viewer.toPlainText().contains("brak.html."));
    EXPECT_EQ(viewer.currentFile(), "");
    EXPECT_EQ(viewer.pageHistory().size(), 1);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Viewer, KeepsFiftyPagesWithASettablePosition) {
    for (int n = 1; n <= 52; ++n)
        course.write_bytes("p" + std::to_string(n) + ".html",
                           page("<p>Strona " + std::to_string(n) + "</p>"));
    QSignalSpy changes(&viewer, &HtmlViewer::pageHistoryChanged);
    for (int n = 1; n <= 52; ++n)
        ASSERT_TRUE(viewer.loadFile(course.path("p" + std::to_string(n) + ".html")));
    EXPECT_EQ(changes.count(), 52);
    EXPECT_EQ(viewer.pageHistory().size(), 50);
    EXPECT_EQ(viewer.historyPosition(), 49);
    EXPECT_EQ(viewer.pageHistory().at(0), course.path("p3.html"));

    ASSERT_TRUE(viewer.setHistoryPosition(10)); // p13
    EXPECT_EQ(changes.count(), 53);
    EXPECT_EQ(viewer.currentFile(), course.path("p13.html"));
    EXPECT_TRUE(viewer.toPlainText().contains("Strona 13"));
    EXPECT_FALSE(viewer.setHistoryPosition(50));
    EXPECT_EQ(viewer.historyPosition(), 10);

    viewer.clearPageHistory();
    EXPECT_EQ(changes.count(), 54);
    EXPECT_EQ(viewer.historyPosition(), -1);
}

TEST_F(Viewer, AClickedLinkIsReportedAndFollowedWithItsAnchor) {
    course.write_bytes("Htm_r/h_index.html",
                       page("<p><a href=\"H_COMP.html#Slowka\">Slowka</a> i "
                            "<a href=\"http://lexaro.example/\">strona</a></p>"));
    course.write_bytes("Htm_r/h_comp.html",
                       page(paragraphs(90, "Wstep") + "<h2><a name=\"slowka\">Cel</a></h2>" +
                            paragraphs(90, "Dalej")));
    show();
    ASSERT_TRUE(viewer.loadFile(course.path("Htm_r/h_index.html")));
    QSignalSpy clicks(&viewer, &HtmlViewer::linkClicked);
    QSignalSpy changes(&viewer, &HtmlViewer::pageHistoryChanged);

    QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, where("Slowka"));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), "H_COMP.html#Slowka");
    EXPECT_EQ(viewer.currentFile(), course.path("Htm_r/h_comp.html"));
    EXPECT_EQ(viewer.pageHistory().size(), 2);
    EXPECT_EQ(changes.count(), 1);
    QTRY_VERIFY(viewer.verticalScrollBar()->value() > 0);

    ASSERT_TRUE(viewer.setHistoryPosition(0));
    EXPECT_FALSE(viewer.followLink("gdzies.html")) << "a missing target is not followed";
    EXPECT_EQ(viewer.currentFile(), course.path("Htm_r/h_index.html"));
    EXPECT_EQ(viewer.pageHistory().size(), 2);
}

TEST_F(Viewer, ALinkWithBackslashesLeadsToThePageInAnyCase) {
    course.write_bytes("start.html", page("<p><a href=\"htm_r\\H_COMP.HTML#B\">Pomoc</a></p>"));
    course.write_bytes("Htm_r/h_comp.html", page("<p><a name=\"b\">B</a></p>"));
    show();
    ASSERT_TRUE(viewer.loadFile(course.path("start.html")));
    QSignalSpy clicks(&viewer, &HtmlViewer::linkClicked);
    QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, where("Pomoc"));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), "htm_r\\H_COMP.HTML#B");
    EXPECT_EQ(viewer.currentFile(), course.path("Htm_r/h_comp.html"));
    EXPECT_EQ(viewer.pageHistory().current(), course.path("Htm_r/h_comp.html") + "#B");
}

TEST_F(Viewer, WithFollowingOffALinkIsOnlyReported) {
    course.write_bytes("a.html", page("<p><a href=\"b.html\">Dalej</a></p>"));
    course.write_bytes("b.html", page("<p>B</p>"));
    viewer.setFollowLinks(false);
    show();
    ASSERT_TRUE(viewer.loadFile(course.path("a.html")));
    QSignalSpy clicks(&viewer, &HtmlViewer::linkClicked);
    QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, where("Dalej"));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), "b.html");
    EXPECT_EQ(viewer.currentFile(), course.path("a.html"));
}

TEST_F(Viewer, AnAnchorLinkOfThePageIsAStepOfTheHistory) {
    course.write_bytes("a.html", page("<p><a href=\"#dol\">W dol</a></p>" +
                                      paragraphs(150, "Tekst") + "<p><a name=\"dol\">Dol</a></p>"));
    show();
    ASSERT_TRUE(viewer.loadFile(course.path("a.html")));
    ASSERT_TRUE(viewer.followLink("#dol"));
    EXPECT_EQ(viewer.pageHistory().current(), course.path("a.html") + "#dol");
    QTRY_VERIFY(viewer.verticalScrollBar()->value() > 0);
    ASSERT_TRUE(viewer.setHistoryPosition(0));
    EXPECT_EQ(viewer.verticalScrollBar()->value(), 0);
}

class StyleSheet : public Viewer, public ::testing::WithParamInterface<const char*> {};

// The page's link as written: next to the page, the course's own "htm_r\style.css"
// form, found under the course root in another letter case, and absolute with "\".
TEST_P(StyleSheet, AppliesTheClassColoursOfTheLinkedSheet) {
    course.write_bytes("Htm_r/Style.CSS",
                       ".zielony { color: #00b000; background-color: #00b000; }\n"
                       "body { background-color: #ffffff; }\n");
    std::string href = GetParam();
    if (href == "absolute") href = course.root() + "HTM_R\\style.css";
    course.write_bytes(
        "Htm_r/strona.html",
        "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"" + href +
            "\"></head><body><p class=\"zielony\">MMMMMMMMMMMMMMMM</p></body></html>");
    show();
    ASSERT_TRUE(viewer.loadFile(course.path("Htm_r/strona.html")));
    EXPECT_GT(pixels_of(viewer.grab().toImage(), QColor(0, 0xb0, 0)), 100) << href;
}

INSTANTIATE_TEST_SUITE_P(Links, StyleSheet,
                         ::testing::Values("style.css", "htm_r\\style.css", "HTM_R/STYLE.CSS",
                                           "absolute"));

TEST_F(Viewer, AStyleSheetLinkWithoutTypeStillApplies) {
    course.write_bytes("Htm_r/style.css", ".zielony { background-color: #00b000; }\n");
    course.write_bytes("Htm_r/strona.html",
                       "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head>"
                       "<body><p class=\"zielony\">MMMMMMMMMMMMMMMM</p></body></html>");
    show();
    ASSERT_TRUE(viewer.loadFile(course.path("Htm_r/strona.html")));
    EXPECT_GT(pixels_of(viewer.grab().toImage(), QColor(0, 0xb0, 0)), 100);
}

// A 1 by 1 GIF whose one pixel is red, for a Qt that reads GIF but cannot write it.
QByteArray red_gif() {
    return QByteArray::fromHex("474946383961010001008000" // header, 1x1, 2-colour table
                               "00ff0000000000"           // background, aspect, red, black
                               "2c000000000100010000"     // image descriptor
                               "0202440100"               // LZW: the one pixel, index 0
                               "3b");
}

struct PictureCase {
    const char* format;
    const char* file;    // as stored
    const char* written; // as the page names it
    QColor colour;
};

TEST_F(Viewer, ShowsPicturesOfEveryCourseFormatNamedInAnyCase) {
    const PictureCase cases[] = {
        {"BMP", "Htm_r/Gfx/Czerwony.bmp", "GFX\\czerwony.BMP", QColor(220, 0, 0)},
        {"PNG", "Htm_r/Gfx/zielony.png", "gfx/Zielony.png", QColor(0, 160, 0)},
        {"JPEG", "Htm_r/Gfx/niebieski.jpg", "gfx\\NIEBIESKI.JPG", QColor(0, 0, 200)},
        {"GIF", "Htm_r/Gfx/zolty.gif", "Gfx/zolty.gif", QColor(255, 0, 0)},
    };
    const bool gif_writable = QImageWriter::supportedImageFormats().contains("gif");
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.format);
        QImage picture(60, 60, QImage::Format_RGB32);
        picture.fill(c.colour);
        if (std::string(c.format) == "GIF" && !gif_writable) {
            course.write_bytes(c.file, red_gif().toStdString());
            ASSERT_EQ(QImage::fromData(red_gif(), "GIF").pixelColor(0, 0), c.colour);
        } else {
            const std::string file = c.file;
            course.make_folder(file.substr(0, file.rfind('/')));
            ASSERT_TRUE(picture.save(QString::fromStdString(course.path(file)), c.format));
        }
        course.write_bytes("Htm_r/obraz.html", page(std::string("<p><img src=\"") + c.written +
                                                    "\" width=\"60\" height=\"60\"></p>"));
        show();
        ASSERT_TRUE(viewer.loadFile(course.path("Htm_r/obraz.html")));
        EXPECT_GT(pixels_of(viewer.grab().toImage(), c.colour, 24), 2500);
    }
}

TEST_F(Viewer, ADocumentFromMemoryFindsItsPicturesUnderTheCourseRoot) {
    QImage picture(50, 50, QImage::Format_RGB32);
    picture.fill(QColor(0, 160, 0));
    course.make_folder("gfx_r");
    ASSERT_TRUE(picture.save(QString::fromStdString(course.path("gfx_r/ikona.png")), "PNG"));
    course.write_bytes("a.html", page("<p>A</p>"));
    ASSERT_TRUE(viewer.loadFile(course.path("a.html")));
    QSignalSpy changes(&viewer, &HtmlViewer::pageHistoryChanged);

    viewer.loadDocument("<p><img src=\"GFX_R\\Ikona.png\"></p>");
    show();
    EXPECT_GT(pixels_of(viewer.grab().toImage(), QColor(0, 160, 0)), 2000);
    EXPECT_EQ(viewer.currentFile(), "");
    EXPECT_EQ(viewer.pageHistory().size(), 1);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Viewer, AppearanceSettings) {
    viewer.setBackgroundColour(QColor(250, 240, 200));
    viewer.setDefaultFont(QFont("Verdana", 11));
    viewer.setTextSelection(false);
    viewer.loadDocument("<p>Tekst</p>");
    show();
    EXPECT_FALSE(viewer.textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(viewer.textInteractionFlags() & Qt::LinksAccessibleByMouse);
    EXPECT_EQ(viewer.document()->defaultFont().family(), "Verdana");
    EXPECT_EQ(viewer.grab().toImage().pixelColor(viewer.width() - 5, viewer.height() - 5),
              QColor(250, 240, 200));

    viewer.setTextSelection(true);
    EXPECT_TRUE(viewer.textInteractionFlags() & Qt::TextSelectableByMouse);
}

class Printing : public Viewer {
protected:
    void SetUp() override {
        Viewer::SetUp();
        QImage picture(80, 80, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        course.make_folder("Htm_r/gfx");
        ASSERT_TRUE(picture.save(QString::fromStdString(course.path("Htm_r/gfx/rys.png"))));
        course.write_bytes("Htm_r/dlugi.html",
                           page("<p><img src=\"gfx/rys.png\"></p>" + paragraphs(300, "Wiersz")));
        ASSERT_TRUE(viewer.loadFile(course.path("Htm_r/dlugi.html")));
    }
    QString pdf_path(const char* name) const { return QString::fromStdString(course.path(name)); }
    void to_pdf(QPrinter& printer, const QString& path) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
};

TEST_F(Printing, PrintsTheRangeOfPagesWithTheMarginsIntoAPdfFile) {
    QPrinter printer(QPrinter::HighResolution);
    to_pdf(printer, pdf_path("druk.pdf"));
    EXPECT_EQ(print_html_document(*viewer.document(), printer, {2, 3, 2.0, 1.5}), 2);
    const QByteArray pdf = file_bytes(pdf_path("druk.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf_pages(pdf), 2);
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_NEAR(margins.left(), 20.0, 0.1);
    EXPECT_NEAR(margins.top(), 15.0, 0.1);
}

TEST_F(Printing, PagesOneTo999PrintTheWholeDocumentWithItsPictures) {
    QPrinter printer(QPrinter::HighResolution);
    to_pdf(printer, pdf_path("calosc.pdf"));
    const int printed = print_html_document(*viewer.document(), printer, {1, 999, 2.0, 2.0});
    EXPECT_GT(printed, 3);
    const QByteArray pdf = file_bytes(pdf_path("calosc.pdf"));
    EXPECT_EQ(pdf_pages(pdf), printed);
    EXPECT_TRUE(pdf.contains("/Subtype /Image")) << "the page's picture is printed";
}

TEST_F(Printing, ARangeBeyondTheLastPagePrintsNothing) {
    QPrinter printer(QPrinter::HighResolution);
    to_pdf(printer, pdf_path("nic.pdf"));
    EXPECT_EQ(print_html_document(*viewer.document(), printer, {500, 999, 2.0, 2.0}), 0);
    EXPECT_FALSE(QFile::exists(pdf_path("nic.pdf")));
}

TEST_F(Printing, PrintsOnThePrinterTheChooserSetsUp) {
    const QString path = pdf_path("wybrany.pdf");
    viewer.setPrinterChooser([&](QPrinter& printer) {
        to_pdf(printer, path);
        return true;
    });
    EXPECT_TRUE(viewer.printPages(1, 999, 2.0, 2.0));
    EXPECT_GT(pdf_pages(file_bytes(path)), 3);

    viewer.setPrinterChooser([](QPrinter&) { return false; });
    EXPECT_FALSE(viewer.printPages(1, 999, 2.0, 2.0)) << "the learner cancelled";

    // The help and reading windows tell of a printout only when this says it went out.
    const QString nowhere = pdf_path("brak/folderu/wydruk.pdf");
    viewer.setPrinterChooser([&](QPrinter& printer) {
        to_pdf(printer, nowhere);
        return true;
    });
    EXPECT_FALSE(viewer.printPages(1, 999, 2.0, 2.0)) << "a file that cannot be written";
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(Printing, AsksThroughThePrintDialogByDefault) {
    bool dialog_shown = false;
    test::when_modal_shown([&](QWidget& modal) {
        dialog_shown = qobject_cast<QPrintDialog*>(&modal) != nullptr;
        static_cast<QDialog&>(modal).reject();
    });
    EXPECT_FALSE(viewer.printPages(1, 999, 2.0, 2.0));
    EXPECT_TRUE(dialog_shown);
}

} // namespace
} // namespace vimo
