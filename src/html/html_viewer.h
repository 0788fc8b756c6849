#pragma once
// HtmlViewer: the one HTML viewer of the program. The help, reading, letters and
// translation windows show course pages in it, and every printout is printed by it.
// It loads a page file ("Htm_r\h_comp.html#filmy": a course path, resolved ignoring
// letter case, scrolled to the anchor) or a document held in memory, keeps a history
// of at most 50 pages, follows links and prints page ranges. Style sheets, pictures
// and link targets are looked for next to the page, then under the course root.

#include "html/html_print.h"
#include "html/page_files.h"
#include "html/page_history.h"

#include <QTextBrowser>
#include <functional>
#include <string>

class QPrinter;

namespace vimo {

class HtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    // Asks where to print (the print dialog by default); false when the learner
    // cancelled.
    using PrinterChooser = std::function<bool(QPrinter&)>;

    explicit HtmlViewer(QWidget* parent = nullptr);

    // Where names not found next to the page are looked for ("" for nowhere).
    void setCourseRoot(const std::string& course_root) { m_course_root = course_root; }
    const std::string& courseRoot() const { return m_course_root; }

    // Shows the page at address (file, optionally "#anchor") and adds it to the
    // history. A file that cannot be read shows "Brak pliku: <file>." instead and
    // leaves the history as it was; the result is then false.
    bool loadFile(const std::string& address);
    // Shows html, which is in no file: not added to the history, no current file.
    // Its relative names are looked for under the course root.
    void loadDocument(const QString& html);

    const PageHistory& pageHistory() const { return m_history; }
    int historyPosition() const { return m_history.position(); }
    // Shows the page at position of the history; false when there is none.
    bool setHistoryPosition(int position);
    void clearPageHistory();
    // The resolved path of the page shown, "" for a document from memory or none.
    const std::string& currentFile() const { return m_current_file; }

    // Goes where href leads: an anchor of this page, another course page (both added
    // to the history) or, for an external address, the default browser. True when
    // the viewer shows the target.
    bool followLink(const QString& href);
    // With following off, a click only reports the link (linkClicked).
    void setFollowLinks(bool follow) { m_follow_links = follow; }

    // Prints pages first to last of the page shown with the margins in centimetres,
    // on the printer the chooser sets up. True when pages were printed.
    bool printPages(int first_page, int last_page, double left_cm, double top_cm);
    void setPrinterChooser(PrinterChooser chooser) { m_choose_printer = std::move(chooser); }

    void setBackgroundColour(const QColor& colour);
    void setDefaultFont(const QFont& font);
    void setTextSelection(bool enabled);

signals:
    // The history's pages or its position changed.
    void pageHistoryChanged();
    // The learner activated a link (before the viewer follows it).
    void linkClicked(const QString& href);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // Shows the resolved file and scrolls to anchor; false when it cannot be read.
    bool show_file(const std::string& file, const QString& anchor);
    void scroll_to(const QString& anchor);
    void on_anchor_clicked(const QUrl& url);
    std::string page_folder() const;

    PageHistory m_history;
    std::string m_current_file;
    std::string m_course_root;
    bool m_follow_links = true;
    PrinterChooser m_choose_printer;
};

// The name of the document's anchor equal to name, or failing that equal ignoring
// letter case (course pages were made for a browser that ignored it); "" when none.
QString find_anchor(const QTextDocument& document, const QString& name);

} // namespace vimo
