#include "html/html_print.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QScreen>
#include <algorithm>
#include <memory>

namespace vimo {

namespace {

constexpr double kMillimetresPerCentimetre = 10.0;

// The resolution the document is laid out at when no paint device is set: the
// screen's, so that a page prints as large as it shows.
QSizeF layout_dpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
    return {96.0, 96.0};
}

} // namespace

int print_html_document(const QTextDocument& document, QPrinter& printer,
                        const PrintRequest& request) {
    const double left = std::max(0.0, request.left_cm) * kMillimetresPerCentimetre;
    const double top = std::max(0.0, request.top_cm) * kMillimetresPerCentimetre;
    printer.setPageMargins(QMarginsF(left, top, left, top), QPageLayout::Millimeter);

    // The copy asks the same parent for its pictures and style sheets.
    const std::unique_ptr<QTextDocument> copy(document.clone(document.parent()));
    const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF dpi = layout_dpi();
    copy->setPageSize(QSizeF(paper.width() * dpi.width() / printer.logicalDpiX(),
                             paper.height() * dpi.height() / printer.logicalDpiY()));

    const int first = std::max(1, request.first_page);
    const int last = std::min(request.last_page, copy->pageCount());
    if (first > last) return 0;
    printer.setFromTo(first, last);
    copy->print(&printer);
    return last - first + 1;
}

} // namespace vimo
