#include "html/printing.h"

#include "html/html_viewer.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace vimo {

namespace {

// Every printout prints all its pages with 2 cm margins.
constexpr PrintRequest kWholeDocument{1, 999, 2.0, 2.0};

void show_plain_failure(const QString& message) {
    QMessageBox::warning(nullptr, QString(), message);
}

QString failure_message(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("Nie można zapisać wydruku do pliku %1.")
            .arg(printer.outputFileName());
    return QStringLiteral("Nie można wydrukować dokumentu.");
}

} // namespace

PrinterProvider print_dialog_provider(QWidget* parent) {
    return [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        // The page range is the printout's own; the learner picks the printer or a file.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        return dialog.exec() == QDialog::Accepted;
    };
}

PrintResult print_with_provider(const QTextDocument& document, const PrinterProvider& provider,
                                const PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    if (!provider || !provider(printer)) return {PrintOutcome::cancelled, {}};
    const int pages = print_html_document(document, printer, request);
    // A printer that could not be opened (a PDF file in a folder that cannot be written)
    // leaves the job in its error state although the range held pages.
    if (pages == 0 || printer.printerState() == QPrinter::Error)
        return {PrintOutcome::failed, failure_message(printer)};
    return {PrintOutcome::printed, {}};
}

Printing::Printing(PrinterProvider provider, PrintedNotice printed, FailureNotice failed)
    : m_provider(std::move(provider)), m_printed(std::move(printed)),
      m_failed(failed ? std::move(failed) : FailureNotice(show_plain_failure)),
      m_viewer(std::make_unique<HtmlViewer>()) {}

Printing::~Printing() = default;

void Printing::set_course_root(const std::string& course_root) {
    m_viewer->setCourseRoot(course_root);
}

PrintOutcome Printing::print(const QString& document) {
    m_viewer->loadDocument(document);
    const PrintResult result =
        print_with_provider(*m_viewer->document(), m_provider, kWholeDocument);
    if (result.outcome == PrintOutcome::printed && m_printed) m_printed();
    if (result.outcome == PrintOutcome::failed) m_failed(result.problem);
    return result.outcome;
}

} // namespace vimo
