#pragma once
// Printing a page of the viewer: the printing core takes the printer it prints on, so
// that the viewer's print dialog and a test printing to a PDF file share it.

#include <QPrinter>
#include <QTextDocument>

namespace vimo {

struct PrintRequest {
    int first_page = 1;
    int last_page = 999;  // beyond the document's last page means up to its end
    double left_cm = 2.0; // margins of the paper; the right and bottom ones are the same
    double top_cm = 2.0;
};

// Prints the pages first_page to last_page of document (those it has) on printer,
// laid out at the screen's size of type on the printer's paper within the margins.
// Pictures and other resources come from the document's parent (the viewer), as on
// screen. Returns the number of pages printed: 0 when the range holds none.
int print_html_document(const QTextDocument& document, QPrinter& printer,
                        const PrintRequest& request);

} // namespace vimo
