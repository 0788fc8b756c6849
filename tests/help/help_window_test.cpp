#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "help/help_window.h"
#include "help_fixture.h"
#include "html/html_viewer.h"
#include "support/modal.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class HelpWindow : public ::testing::Test, public test::HelpCourse {
protected:
    void SetUp() override { help = std::make_unique<THelpForm>(state, buttons, *messages); }
    void TearDown() override { help->close(); }

    std::string current() const { return help->viewer().currentFile(); }
    std::string page(const std::string& relative) const { return course.path(relative); }
    void click(TTransparentButton& button) {
        ASSERT_TRUE(button.isVisible()) << button.objectName().toStdString();
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    }

    std::unique_ptr<THelpForm> help;
};

TEST_F(HelpWindow, ShowsTheCourseRootsStripAndTheLanguagesHints) {
    test::save_solid(course, "gfx_r/pod_pasek_help.bmp", {100, 768}, QColor(10, 120, 90));
    test::save_solid(course, "Lang_r/0/gfx_r/pod_pasek_help.bmp", {100, 768}, Qt::red);
    help->open_help_page("Htm_r\\h_log.html");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    EXPECT_EQ(help->size(), QSize(1024, 768));
    EXPECT_TRUE(help->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(help->viewer().geometry(), QRect(0, 0, 925, 769));
    EXPECT_FALSE(help->viewer().textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(help->backButton().toolTip(), "Wstecz");
    EXPECT_EQ(help->printButton().toolTip(), "Drukuj strone");
    EXPECT_EQ(help->contentsButton().toolTip(), "Spis tresci");
    EXPECT_EQ(help->grab().toImage().pixelColor(1010, 700), QColor(10, 120, 90));
    EXPECT_EQ(current(), page("Htm_r/h_log.html"));
}

TEST_F(HelpWindow, OnTheIndexContentsHidesAndAFollowedLinkShowsItAndBack) {
    help->open_help_page("Htm_r\\h_index.html");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    EXPECT_EQ(help->depth(), 1);
    EXPECT_FALSE(help->backButton().isVisible());
    EXPECT_FALSE(help->contentsButton().isVisible());

    const QTextCursor link = help->viewer().document()->find("Filmy");
    QTextCursor inside(link);
    inside.setPosition(link.selectionStart() + 1);
    QTest::mouseClick(help->viewer().viewport(), Qt::LeftButton, {},
                      help->viewer().cursorRect(inside).center());
    EXPECT_EQ(current(), page("Htm_r/h_comp.html"));
    EXPECT_EQ(help->depth(), 2);
    EXPECT_TRUE(help->backButton().isVisible());
    EXPECT_TRUE(help->contentsButton().isVisible());
    QTRY_VERIFY(help->viewer().verticalScrollBar()->value() > 0);
}

TEST_F(HelpWindow, BackOnTheSecondPageReturnsToTheFirstAndHidesBack) {
    help->open_help_page("Htm_r\\h_index.html");
    emit help->viewer().linkClicked("h_comp.html#filmy");
    ASSERT_EQ(current(), page("Htm_r/h_comp.html"));
    ASSERT_EQ(help->depth(), 2);

    click(help->backButton());
    EXPECT_EQ(help->depth(), 1);
    EXPECT_EQ(current(), page("Htm_r/h_index.html"));
    EXPECT_FALSE(help->backButton().isVisible());
    EXPECT_FALSE(help->contentsButton().isVisible()) << "back on the index";
}

TEST_F(HelpWindow, BackStepsThroughEveryFollowedPage) {
    help->open_help_page("Htm_r\\h_index.html");
    emit help->viewer().linkClicked("h_comp.html#filmy");
    emit help->viewer().linkClicked("h_log.html");
    ASSERT_EQ(help->depth(), 3);
    click(help->backButton());
    EXPECT_EQ(current(), page("Htm_r/h_comp.html"));
    EXPECT_TRUE(help->backButton().isVisible());
    click(help->backButton());
    EXPECT_EQ(current(), page("Htm_r/h_index.html"));
    EXPECT_FALSE(help->backButton().isVisible());
}

TEST_F(HelpWindow, ALinkThatLeadsNowhereIsNoStep) {
    help->open_help_page("Htm_r\\h_index.html");
    emit help->viewer().linkClicked("brak.html");
    EXPECT_EQ(help->depth(), 1);
    EXPECT_FALSE(help->backButton().isVisible());
    EXPECT_EQ(current(), page("Htm_r/h_index.html"));
}

TEST_F(HelpWindow, APageOpenedWithAnAnchorStartsThere) {
    help->open_help_page("Htm_r\\h_comp.html#filmy");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    QTRY_VERIFY(help->viewer().verticalScrollBar()->value() > 0);
}

TEST_F(HelpWindow, ContentsLoadsTheIndexInLanguagesZeroOneAndFour) {
    const struct {
        int language;
        bool loads;
    } cases[] = {{0, true}, {1, true}, {4, true}, {2, false}, {3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        state.config.language_number = c.language;
        help->open_help_page("Htm_r\\h_log.html");
        click(help->contentsButton());
        EXPECT_EQ(help->depth(), 2);
        EXPECT_TRUE(help->backButton().isVisible());
        EXPECT_EQ(current(), c.loads ? page("Htm_r/h_index.html") : page("Htm_r/h_log.html"));
        EXPECT_EQ(help->contentsButton().isVisible(), !c.loads);
    }
}

TEST_F(HelpWindow, BackAfterContentsInAnotherLanguageCountsDownOnly) {
    state.config.language_number = 2;
    help->open_help_page("Htm_r\\h_log.html");
    click(help->contentsButton());
    click(help->backButton());
    EXPECT_EQ(help->depth(), 1);
    EXPECT_EQ(current(), page("Htm_r/h_log.html")) << "there is no page before the first";
}

TEST_F(HelpWindow, EveryOpeningStartsANewVisit) {
    help->open_help_page("Htm_r\\h_index.html");
    emit help->viewer().linkClicked("h_comp.html");
    emit help->viewer().linkClicked("h_log.html");
    help->open_help_page("Htm_r\\h_comp.html#filmy");
    EXPECT_EQ(help->depth(), 1);
    EXPECT_FALSE(help->backButton().isVisible());
    EXPECT_EQ(help->viewer().pageHistory().size(), 1);
}

TEST_F(HelpWindow, AnEmptyPageOnlyShowsTheWindow) {
    help->open_help_page("");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(current(), "");
    EXPECT_TRUE(help->viewer().pageHistory().empty());
}

TEST_F(HelpWindow, HidesTheMultimediaWindowAndBringsItBackOnlyIfItWasOpen) {
    for (const bool was_open : {true, false}) {
        SCOPED_TRACE(was_open);
        int hidden = 0;
        int shown = 0;
        help->setMediaWindowHooks(
            [&] {
                ++hidden;
                return was_open;
            },
            [&] { ++shown; });
        help->open_help_page("Htm_r\\h_log.html");
        help->open_help_page("Htm_r\\h_comp.html"); // already shown: hides nothing more
        EXPECT_EQ(hidden, 1);
        EXPECT_EQ(shown, 0);
        click(help->exitButton());
        EXPECT_FALSE(help->isVisible());
        EXPECT_EQ(shown, was_open ? 1 : 0);
    }
}

TEST_F(HelpWindow, EscapeCloses) {
    help->open_help_page("Htm_r\\h_log.html");
    QTest::keyClick(&help->viewer(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(HelpWindow, PrintingShowsText128) {
    const QString pdf = QString::fromStdString(course.path("pomoc.pdf"));
    help->viewer().setPrinterChooser([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    help->open_help_page("Htm_r\\h_comp.html");
    QString message;
    test::when_modal_shown([&](QWidget& modal) {
        auto* window = qobject_cast<TForm20*>(&modal);
        ASSERT_NE(window, nullptr);
        message = window->label().shownText();
        window->accept();
    });
    click(help->printButton());
    EXPECT_EQ(message, "Wydruk wyslany");
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
}

TEST_F(HelpWindow, ACancelledPrintSaysNothing) {
    help->viewer().setPrinterChooser([](QPrinter&) { return false; });
    help->open_help_page("Htm_r\\h_comp.html");
    bool message_shown = false;
    // Closes the message window if it wrongly appears, so that the test ends.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            message_shown = true;
            static_cast<QDialog*>(modal)->reject();
        }
    });
    guard.start(10);
    click(help->printButton());
    // A message shown later than the click would come from the events the click left
    // queued: they are handled before looking.
    QCoreApplication::processEvents();
    EXPECT_FALSE(message_shown);
}

TEST_F(HelpWindow, OverAModalWindowItIsModalItself) {
    QDialog options;
    bool help_takes_input = false;
    test::when_modal_shown([&](QWidget&) {
        help->open_help_page("Htm_r\\h_pres.html");
        help_takes_input = QApplication::activeModalWidget() == help.get();
        help->close();
        options.reject();
    });
    options.exec();
    EXPECT_TRUE(help_takes_input);

    help->open_help_page("Htm_r\\h_log.html");
    EXPECT_EQ(help->windowModality(), Qt::NonModal) << "opened from a plain screen";
}

TEST(HelpWindowLinks, PagesGoToTheWindowAndTextsToTheirShower) {
    test::HelpCourse course;
    THelpForm window(course.state, course.buttons, *course.messages);
    std::vector<UniString> texts;
    HelpWindowLinks links(window, [&](const UniString& key) { texts.push_back(key); });
    HelpLinks& help = links;
    help.open_help_page("Htm_r\\h_log.html");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.viewer().currentFile(), course.course.path("Htm_r/h_log.html"));
    help.show_help_text(uni_widen("HH_tekst"));
    EXPECT_EQ(texts, std::vector<UniString>{uni_widen("HH_tekst")});
    window.close();

    HelpWindowLinks without_texts(window, {});
    without_texts.show_help_text(uni_widen("HH_x")); // nothing to show it: no crash
}

} // namespace
} // namespace vimo
