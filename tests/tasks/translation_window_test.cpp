#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "core/course_state.h"
#include "exercises/tasks/translation_page.h"
#include "exercises/tasks/translation_window.h"
#include "html/html_viewer.h"
#include "support/modal.h"
#include "support/named_case.h"
#include "support/temp_course.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using test::TempCourse;

// --- decoding ---

struct DecodeCase {
    std::string name;
    QByteArray bytes;
    QString text; // what the page must read
};

class TranslationDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(TranslationDecoding, ReadsThePageAsItIsWritten) {
    const DecodeCase& c = GetParam();
    const QString page = decode_translation_page(c.bytes);
    EXPECT_TRUE(page.contains(c.text)) << page.toStdString();
    EXPECT_FALSE(page.startsWith(QChar(0xFEFF))) << "the mark is no text";
}

QByteArray utf16(const QString& text, bool little_endian) {
    QByteArray bytes = little_endian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (const QChar c : text) {
        const char low = static_cast<char>(c.unicode() & 0xFF);
        const char high = static_cast<char>(c.unicode() >> 8);
        bytes += little_endian ? QByteArray{&low, 1} + QByteArray{&high, 1}
                               : QByteArray{&high, 1} + QByteArray{&low, 1};
    }
    return bytes;
}

const QString kPolish = QStringLiteral("Zażółć gęślą jaźń");
// The same words in Windows-1250.
const QByteArray kPolish1250 = "Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1";

INSTANTIATE_TEST_SUITE_P(
    Pages, TranslationDecoding,
    ::testing::Values(
        DecodeCase{"Utf16LittleEndianMark", utf16("<p>" + kPolish + "</p>", true), kPolish},
        DecodeCase{"Utf16BigEndianMark", utf16("<p>" + kPolish + "</p>", false), kPolish},
        DecodeCase{"Utf8Mark", "\xEF\xBB\xBF<p>" + kPolish.toUtf8() + "</p>", kPolish},
        // The mark wins over a head that says otherwise.
        DecodeCase{"MarkBeforeDeclaration",
                   "\xEF\xBB\xBF<meta charset=\"windows-1250\"><p>" + kPolish.toUtf8(), kPolish},
        DecodeCase{"MetaCharsetUtf8",
                   "<html><head><META CHARSET=utf-8></head><p>" + kPolish.toUtf8(), kPolish},
        DecodeCase{"ContentTypeUtf8",
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">" +
                       kPolish.toUtf8(),
                   kPolish},
        DecodeCase{"ContentTypeWindows1250",
                   "<meta http-equiv='Content-Type' content='text/html; charset=windows-1250'>" +
                       kPolish1250,
                   kPolish},
        DecodeCase{"NoDeclarationIsWindows1250", "<p>" + kPolish1250 + "</p>", kPolish},
        // Undeclared UTF-8 is still read as the course's 8-bit code page.
        DecodeCase{"UndeclaredUtf8BytesAreWindows1250", "<p>\xC5\x82</p>", QStringLiteral("Ĺ‚")},
        DecodeCase{"UnknownCharsetIsWindows1250", "<meta charset=\"x-nieznany\"><p>" + kPolish1250,
                   kPolish},
        // Only a meta element declares; words of the text do not.
        DecodeCase{"CharsetInTheTextIsNoDeclaration", "<p>charset=utf-8 " + kPolish1250, kPolish}),
    [](const auto& info) { return info.param.name; });

TEST(TranslationPath, LiesInTheTypingFolder) {
    EXPECT_EQ(translation_path("/kurs/", "t12_tlumacz.fcs"), "/kurs/Wpisywania\\t12_tlumacz.fcs");
}

// --- the window ---

class TranslationWindow : public ::testing::Test {
protected:
    TranslationWindow() {
        state.config.course_root = files.root();
        state.config.window_caption = "Kurs";
        files.make_folder("wpisywania");
        // Written on Windows: the folder's case differs, the page is Windows-1250.
        files.write_bytes(
            "wpisywania/t12_tlumacz.fcs",
            ("<html><body><p>" + kPolish1250 + "</p><img src=\"obrazek.png\">" + "</body></html>")
                .toStdString());
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(QColor(230, 20, 20));
        picture.save(QString::fromStdString(files.path("wpisywania/obrazek.png")), "PNG");
    }

    void background(const QColor& colour) const {
        files.make_folder("Lang_r/0/gfx_r");
        QImage image(TTekstTlumaczForm::kSize, QImage::Format_RGB32);
        image.fill(colour);
        image.save(QString::fromStdString(files.path("Lang_r/0/gfx_r/tlumaczenie.bmp")), "BMP");
    }

    TempCourse files;
    CourseState state;
    TMyImageList buttons;
    TTekstTlumaczForm window{state, buttons};
};

bool holds_colour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

TEST_F(TranslationWindow, ShowsThePageModallyCentredOverItsPicture) {
    background(QColor(30, 120, 60));
    bool checked = false;
    test::when_modal_shown([&](QWidget& modal) {
        ASSERT_EQ(&modal, &window);
        EXPECT_EQ(modal.size(), QSize(540, 600));
        EXPECT_TRUE(modal.windowFlags() & Qt::FramelessWindowHint);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_EQ(modal.geometry().center(), screen.center());
        EXPECT_EQ(window.viewer().geometry(), QRect(16, 51, 509, 536));
        EXPECT_EQ(window.viewer().objectName(), "Html");
        EXPECT_EQ(window.exitButton().pos(), QPoint(513, 2));
        EXPECT_EQ(window.grip().geometry(), QRect(0, 0, 221, 35));
        EXPECT_EQ(window.grip().objectName(), "Label1");
        EXPECT_TRUE(window.viewer().toPlainText().contains(kPolish))
            << "read as HTML in Windows-1250: " << window.viewer().toPlainText().toStdString();
        EXPECT_FALSE(window.viewer().toPlainText().contains("<p>"));
        EXPECT_EQ(modal.grab().toImage().pixelColor(5, 595), QColor(30, 120, 60));
        EXPECT_TRUE(holds_colour(window.viewer().grab().toImage(), QColor(230, 20, 20)))
            << "the picture next to the page is shown";
        checked = true;
        QTest::mouseClick(&window.exitButton(), Qt::LeftButton, {}, QPoint(3, 3));
    });
    window.open_translation("T12_TLUMACZ.FCS");
    EXPECT_TRUE(checked);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.background().isNull()) << "the picture is released on closing";
}

TEST_F(TranslationWindow, WithoutItsPictureTheWindowIsPlainlyFilled) {
    QImage face;
    test::when_modal_shown([&](QWidget& modal) {
        face = modal.grab().toImage();
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    window.open_translation("t12_tlumacz.fcs");
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.pixelColor(5, 595), face.pixelColor(534, 595)) << "one plain ground";
}

TEST_F(TranslationWindow, EscapeClosesAndLeavesTheTypingScreenAsItWas) {
    QWidget screen;
    auto* answer = new QLineEdit(&screen);
    answer->setText("domek");
    answer->setCursorPosition(2);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    bool shown = false;
    test::when_modal_shown([&](QWidget&) {
        shown = true;
        // The viewer has the focus; Escape still closes the window.
        QTest::keyClick(&window.viewer(), Qt::Key_Escape);
    });
    window.open_translation("t12_tlumacz.fcs");
    EXPECT_TRUE(shown);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(answer->text(), "domek");
    EXPECT_EQ(answer->cursorPosition(), 2);
}

TEST_F(TranslationWindow, DraggingTheGripKeepsThePointerOnTheSameSpot) {
    bool dragged = false;
    test::when_modal_shown([&](QWidget& modal) {
        QWidget& grip = window.grip();
        const QPoint spot(30, 12);
        const QPoint start = modal.pos();
        const QPoint pressed_at = grip.mapToGlobal(spot);
        QTest::mousePress(&grip, Qt::LeftButton, {}, spot);
        for (const QPoint travel : {QPoint(37, 21), QPoint(-15, 44)}) {
            const QPoint pointer = pressed_at + travel;
            QTest::mouseMove(&grip, grip.mapFromGlobal(pointer));
            EXPECT_TRUE(QTest::qWaitFor([&] { return grip.mapFromGlobal(pointer) == spot; }))
                << "pointer at " << grip.mapFromGlobal(pointer).x() << ","
                << grip.mapFromGlobal(pointer).y();
            EXPECT_EQ(modal.pos(), start + travel);
        }
        QTest::mouseRelease(&grip, Qt::LeftButton, {}, spot);
        const QPoint after = modal.pos();
        QTest::mouseMove(&grip, spot + QPoint(50, 10));
        QCoreApplication::processEvents(); // a move the window would still make
        EXPECT_EQ(modal.pos(), after) << "the release ends the drag";
        dragged = true;
        static_cast<QDialog&>(modal).reject();
    });
    window.open_translation("t12_tlumacz.fcs");
    EXPECT_TRUE(dragged);
}

TEST_F(TranslationWindow, AMissingFileIsNamedAndTheWindowStaysClosed) {
    QString message;
    test::when_modal_shown([&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr) << "a plain message";
        message = box->text();
        box->accept();
    });
    window.open_translation("brak_tlumacz.fcs");
    EXPECT_TRUE(message.contains("Wpisywania/brak_tlumacz.fcs")) << message.toStdString();
    EXPECT_TRUE(message.startsWith("Brak pliku: "));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vimo
