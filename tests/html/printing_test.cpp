#include "html/printing.h"
#include "support/temp_course.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <string>

namespace vimo {
namespace {

using test::TempCourse;

QString document(const QString& body) {
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
           "charset=utf-8\"></head><body>" +
           body + "</body></html>";
}

// What pdftotext reads from the PDF file (with -bbox, the words with their boxes).
QString pdf_text(const QString& pdf, const QStringList& options = {}) {
    QProcess process;
    process.start("pdftotext", options + QStringList{pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << pdf.toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

PrinterProvider pdf_provider(const QString& path) {
    return [path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
}

class PrintingJob : public ::testing::Test {
protected:
    QString pdf_path(const char* name) const { return QString::fromStdString(course.path(name)); }

    TempCourse course;
    int notices = 0;
    QStringList failures;
    Printing::FailureNotice record_failure = [this](const QString& message) {
        failures << message;
    };
};

TEST_F(PrintingJob, PrintsTheDocumentToThePrinterTheProviderSetsUp) {
    const QString pdf = pdf_path("wyniki.pdf");
    bool printed_before_notice = false;
    Printing printing(
        pdf_provider(pdf),
        [&] {
            ++notices;
            printed_before_notice = QFile::exists(pdf);
        },
        record_failure);
    EXPECT_EQ(printing.print(document("<p>Zażółć gęślą jaźń</p>")), PrintOutcome::printed);
    EXPECT_EQ(notices, 1);
    EXPECT_TRUE(printed_before_notice) << "the notice comes after the job went out";
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_TRUE(pdf_text(pdf).contains(QStringLiteral("Zażółć gęślą jaźń")));
}

TEST_F(PrintingJob, EveryPageIsPrintedWithinTwoCentimetreMargins) {
    const QString pdf = pdf_path("dlugi.pdf");
    Printing printing(
        pdf_provider(pdf), [&] { ++notices; }, record_failure);
    QString body;
    for (int n = 1; n <= 150; ++n)
        body += QStringLiteral("<p>Akapit %1</p>").arg(n);
    ASSERT_EQ(printing.print(document(body)), PrintOutcome::printed);
    const QString text = pdf_text(pdf);
    EXPECT_TRUE(text.contains("Akapit 1\n"));
    EXPECT_TRUE(text.contains("Akapit 150")) << "the last page is printed too";
    EXPECT_GT(text.count(u'\f'), 1) << "the document spans several pages";

    // 2 cm are 56.7 points; the first word starts just inside the margins.
    const QRegularExpression first_word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>Akapit</word>)re");
    const QRegularExpressionMatch box = first_word.match(pdf_text(pdf, {"-bbox"}));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GE(box.captured(1).toDouble(), 56.0);
    EXPECT_LT(box.captured(1).toDouble(), 75.0);
    EXPECT_GE(box.captured(2).toDouble(), 56.0);
    EXPECT_LT(box.captured(2).toDouble(), 85.0);
}

TEST_F(PrintingJob, ACancelledDialogPrintsNothingAndSaysNothing) {
    const QString pdf = pdf_path("anulowany.pdf");
    Printing printing(
        [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return false;
        },
        [&] { ++notices; }, record_failure);
    EXPECT_EQ(printing.print(document("<p>Nic</p>")), PrintOutcome::cancelled);
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintingJob, APrinterThatCannotBeOpenedIsAFailureNotAPrintout) {
    const QString pdf = pdf_path("brak_folderu/wydruk.pdf");
    Printing printing(
        pdf_provider(pdf), [&] { ++notices; }, record_failure);
    EXPECT_EQ(printing.print(document("<p>Tekst</p>")), PrintOutcome::failed);
    EXPECT_EQ(notices, 0);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.front().contains(pdf)) << failures.front().toStdString();
}

} // namespace
} // namespace vimo
