#include "html/html_viewer.h"

#include "core/paths.h"
#include "html/printing.h"

#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <optional>

namespace vimo {

namespace {

constexpr Qt::TextInteractionFlags kLinksOnly =
    Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;

bool default_printer_choice(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    // The page range is the caller's; the learner picks the printer (or a PDF file).
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QByteArray> read_bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

// The local name a resource or link URL stands for, as the page wrote it.
std::string local_name(const QUrl& url) {
    if (url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
        return url.toLocalFile().toStdString();
    return url.path(QUrl::FullyDecoded).toStdString();
}

// An empty value of the kind the document expects, so that it does not go looking for
// a missing resource in the working folder.
QVariant nothing_of(int type) {
    if (type == QTextDocument::ImageResource) return QImage();
    if (type == QTextDocument::StyleSheetResource) return QString();
    return QByteArray();
}

} // namespace

QString find_anchor(const QTextDocument& document, const QString& name) {
    QString ignoring_case;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QStringList names = block.charFormat().anchorNames();
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
        for (const QString& anchor : names) {
            if (anchor == name) return anchor;
            if (ignoring_case.isEmpty() && anchor.compare(name, Qt::CaseInsensitive) == 0)
                ignoring_case = anchor;
        }
    }
    return ignoring_case;
}

HtmlViewer::HtmlViewer(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    m_choose_printer = [this](QPrinter& printer) {
        return default_printer_choice(printer, window());
    };
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlViewer::on_anchor_clicked);
}

std::string HtmlViewer::page_folder() const {
    return m_current_file.empty() ? std::string() : folder_of(m_current_file);
}

bool HtmlViewer::loadFile(const std::string& address) {
    const PageAddress page = split_page_address(address);
    const std::string file = find_page_file(page.file, {}, m_course_root);
    if (file.empty() || !show_file(file, QString::fromStdString(page.anchor))) {
        loadDocument(QStringLiteral("<p>Brak pliku: %1.</p>")
                         .arg(QString::fromStdString(page.file).toHtmlEscaped()));
        return false;
    }
    m_history.push(join_page_address({file, page.anchor}));
    emit pageHistoryChanged();
    return true;
}

void HtmlViewer::loadDocument(const QString& html) {
    m_current_file.clear();
    setHtml(with_style_sheet_types(html));
}

bool HtmlViewer::show_file(const std::string& file, const QString& anchor) {
    const std::optional<QByteArray> bytes = read_bytes(file);
    if (!bytes) return false;
    // Set first: the page's style sheets and pictures are looked for next to it while
    // it is parsed and laid out.
    m_current_file = file;
    setHtml(with_style_sheet_types(decode_page(*bytes)));
    scroll_to(anchor);
    return true;
}

void HtmlViewer::scroll_to(const QString& anchor) {
    if (anchor.isEmpty()) {
        verticalScrollBar()->setValue(0);
        return;
    }
    const QString name = find_anchor(*document(), anchor);
    if (!name.isEmpty()) scrollToAnchor(name);
}

bool HtmlViewer::setHistoryPosition(int position) {
    const std::string address = m_history.at(position);
    if (address.empty()) return false;
    const PageAddress page = split_page_address(address);
    const QString anchor = QString::fromStdString(page.anchor);
    if (page.file == m_current_file) {
        scroll_to(anchor);
    } else if (!show_file(page.file, anchor)) {
        loadDocument(QStringLiteral("<p>Brak pliku: %1.</p>")
                         .arg(QString::fromStdString(page.file).toHtmlEscaped()));
    }
    m_history.set_position(position);
    emit pageHistoryChanged();
    return true;
}

void HtmlViewer::clearPageHistory() {
    m_history.clear();
    emit pageHistoryChanged();
}

bool HtmlViewer::followLink(const QString& href) {
    const QString trimmed = href.trimmed();
    if (trimmed.isEmpty()) return false;
    if (is_external_link(trimmed.toStdString())) {
        QDesktopServices::openUrl(QUrl(trimmed));
        return false;
    }
    const PageAddress link = split_page_address(trimmed.toStdString());
    const QString anchor = QString::fromStdString(link.anchor);
    if (link.file.empty()) {
        scroll_to(anchor);
        if (m_current_file.empty()) return true; // a document from memory has no history
        m_history.push(join_page_address({m_current_file, link.anchor}));
        emit pageHistoryChanged();
        return true;
    }
    const QByteArray escaped = QByteArray::fromStdString(link.file);
    const std::string name = QUrl::fromPercentEncoding(escaped).toStdString();
    const std::string target = find_page_file(name, page_folder(), m_course_root);
    if (target.empty() || !show_file(target, anchor)) return false;
    m_history.push(join_page_address({target, link.anchor}));
    emit pageHistoryChanged();
    return true;
}

void HtmlViewer::on_anchor_clicked(const QUrl& url) {
    QString href;
    if (!url.scheme().isEmpty() &&
        url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0) {
        href = url.toString();
    } else {
        href = QString::fromStdString(local_name(url));
        if (url.hasFragment()) href += u'#' + url.fragment(QUrl::FullyDecoded);
    }
    emit linkClicked(href);
    if (m_follow_links) followLink(href);
}

QVariant HtmlViewer::loadResource(int type, const QUrl& name) {
    if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0) return {};
    if (is_external_link(name.toString().toStdString())) return nothing_of(type);
    const std::string file = find_page_file(local_name(name), page_folder(), m_course_root);
    if (file.empty()) return nothing_of(type);
    if (type == QTextDocument::ImageResource) {
        // By content: course pictures do not always carry the extension of their format.
        QImageReader reader(QString::fromStdString(file));
        reader.setDecideFormatFromContent(true);
        return reader.read();
    }
    const std::optional<QByteArray> bytes = read_bytes(file);
    if (!bytes) return nothing_of(type);
    if (type == QTextDocument::StyleSheetResource) return decode_page(*bytes);
    return *bytes;
}

bool HtmlViewer::printPages(int first_page, int last_page, double left_cm, double top_cm) {
    // A printer that could not be opened prints nothing and must not count as printed.
    if (!m_choose_printer) return false;
    const PrintResult result = print_with_provider(*document(), m_choose_printer,
                                                   {first_page, last_page, left_cm, top_cm});
    return result.outcome == PrintOutcome::printed;
}

void HtmlViewer::setBackgroundColour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    setPalette(palette);
}

void HtmlViewer::setDefaultFont(const QFont& font) {
    setFont(font);
    document()->setDefaultFont(font);
}

void HtmlViewer::setTextSelection(bool enabled) {
    setTextInteractionFlags(enabled ? Qt::TextBrowserInteraction : kLinksOnly);
}

} // namespace vimo
