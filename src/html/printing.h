#pragma once
// The program's one way to print an HTML document: the document is laid out by a hidden
// viewer and printed, pages 1 to 999 with 2.0 cm margins, on the printer that the
// printer provider sets up (the print dialog, which offers a PDF file where no printer
// exists). The learner hears of a printout only when it really went out.

#include "html/html_print.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QTextDocument;
class QWidget;

namespace vimo {

class HtmlViewer;

// The footer line of every printout, UTF-8.
inline constexpr char kCopyrightLine[] = "© 2026 Lexaro Vimo. Wszelkie prawa zastrzeżone.";

enum class PrintOutcome {
    printed,   // the job was accepted and pages went out
    cancelled, // the learner closed the dialog: nothing to report
    failed,    // accepted, but nothing could be printed
};

// Sets up the printer and says whether to go on; false when the learner cancelled.
using PrinterProvider = std::function<bool(QPrinter&)>;

// The platform's print dialog over parent (nullptr: no parent).
PrinterProvider print_dialog_provider(QWidget* parent = nullptr);

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::cancelled;
    QString problem; // for failed: what went wrong, in words for the learner
};

// Prints request's pages of document on the printer provider sets up, and says what
// became of it.
PrintResult print_with_provider(const QTextDocument& document, const PrinterProvider& provider,
                                const PrintRequest& request);

class Printing {
public:
    using PrintedNotice = std::function<void()>;
    using FailureNotice = std::function<void(const QString& message)>;

    // printed runs after a printout went out (the program shows interface text 128);
    // failed gets a plain message (by default a message box).
    Printing(PrinterProvider provider, PrintedNotice printed, FailureNotice failed = {});
    ~Printing();
    Printing(const Printing&) = delete;
    Printing& operator=(const Printing&) = delete;

    // Where relative names of a document (pictures, style sheet) are looked for.
    void set_course_root(const std::string& course_root);

    // Loads document (HTML text that declares UTF-8) and prints all its pages.
    PrintOutcome print(const QString& document);

    // The hidden viewer the last document was laid out in.
    const HtmlViewer& viewer() const { return *m_viewer; }

private:
    PrinterProvider m_provider;
    PrintedNotice m_printed;
    FailureNotice m_failed;
    std::unique_ptr<HtmlViewer> m_viewer;
};

} // namespace vimo
