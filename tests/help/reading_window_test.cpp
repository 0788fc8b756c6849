#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "help/reading_window.h"
#include "help_fixture.h"
#include "html/html_viewer.h"
#include "support/modal.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class ReadingWindow : public ::testing::Test, public test::HelpCourse {
protected:
    void SetUp() override {
        test::save_solid(course, "Lang_r/0/gfx_r/reading.bmp", {730, 727}, QColor(200, 180, 40));
        test::save_solid(course, "Lang_r/0/gfx_r/tips.bmp", {730, 727}, QColor(40, 90, 200));
        course.write_bytes("Teksty_htm_r/3.htm", test::help_page("<p>Pocztowka z Gdanska</p>"));
        reading = std::make_unique<THtml_SmallForm>(state, buttons, *messages);
    }

    std::unique_ptr<THtml_SmallForm> reading;
};

TEST_F(ReadingWindow, ShowsThePageModallyOverItsPictureUntilClosed) {
    bool checked = false;
    test::when_modal_shown([&](QWidget& modal) {
        ASSERT_EQ(&modal, reading.get());
        EXPECT_EQ(modal.size(), QSize(730, 727));
        EXPECT_TRUE(modal.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(reading->viewer().size(), QSize(726, 682));
        EXPECT_TRUE(reading->viewer().toPlainText().contains("Pocztowka z Gdanska"));
        EXPECT_FALSE(reading->viewer().textInteractionFlags() & Qt::TextSelectableByMouse);
        EXPECT_EQ(modal.grab().toImage().pixelColor(729, 726), QColor(200, 180, 40));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_EQ(modal.geometry().center(), screen.center());
        ASSERT_NE(modal.findChild<QWidget*>("Label1"), nullptr) << "the drag strip";
        checked = true;
        QTest::mouseClick(&reading->exitButton(), Qt::LeftButton, {}, QPoint(3, 3));
    });
    reading->reading_open(course.root() + "Teksty_htm_r\\3.htm");
    EXPECT_TRUE(checked);
    EXPECT_FALSE(reading->isVisible());
    EXPECT_TRUE(reading->background().isNull()) << "the picture is released on closing";
}

TEST_F(ReadingWindow, ALettersTipsComeWithTheirOwnPicture) {
    QColor ground;
    test::when_modal_shown([&](QWidget& modal) {
        ground = modal.grab().toImage().pixelColor(729, 726);
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    reading->reading_open(course.root() + "Teksty_htm_r\\3.htm",
                          state.config.language_path("gfx_r\\tips.bmp"));
    EXPECT_EQ(ground, QColor(40, 90, 200));
}

TEST_F(ReadingWindow, PrintingShowsText128) {
    const QString pdf = QString::fromStdString(course.path("tekst.pdf"));
    reading->viewer().setPrinterChooser([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QString message;
    test::when_modal_shown([&](QWidget& modal) {
        test::when_modal_shown([&](QWidget& notice) {
            auto* window = qobject_cast<TForm20*>(&notice);
            ASSERT_NE(window, nullptr);
            message = window->label().shownText();
            window->accept();
            static_cast<QDialog&>(modal).accept();
        });
        QTest::mouseClick(&reading->printButton(), Qt::LeftButton, {}, QPoint(3, 3));
    });
    reading->reading_open(course.root() + "Teksty_htm_r\\3.htm");
    EXPECT_EQ(message, "Wydruk wyslany");
    EXPECT_TRUE(QFile::exists(pdf));
}

} // namespace
} // namespace vimo
