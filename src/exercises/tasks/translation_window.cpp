#include "exercises/tasks/translation_window.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "exercises/tasks/translation_page.h"
#include "html/html_viewer.h"
#include "html/page_files.h"

#include <QFile>
#include <QHideEvent>
#include <QMessageBox>
#include <QPainter>
#include <optional>

namespace vimo {

namespace {

std::optional<QByteArray> read_file(const std::string& path) {
    QFile file(QString::fromStdString(resolve_path(path)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

} // namespace

// The page is shown from memory, decoded by its own rules, so the viewer does not
// know its file: pictures and style sheets the page names relative to itself are
// found next to it here, before the viewer looks under the course root.
class TTekstTlumaczForm::PageViewer : public HtmlViewer {
public:
    using HtmlViewer::HtmlViewer;
    void set_page_folder(std::string folder) { m_page_folder = std::move(folder); }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (!m_page_folder.empty() && name.isRelative()) {
            const std::string relative = name.path(QUrl::FullyDecoded).toStdString();
            const std::string found = find_page_file(relative, m_page_folder, m_page_folder);
            if (!found.empty())
                return HtmlViewer::loadResource(type,
                                                QUrl::fromLocalFile(QString::fromStdString(found)));
        }
        return HtmlViewer::loadResource(type, name);
    }

private:
    std::string m_page_folder;
};

TTekstTlumaczForm::TTekstTlumaczForm(const CourseState& state, const TMyImageList& buttons,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state),
      m_viewer(new PageViewer(this)), m_exit(new TTransparentButton(this)),
      m_grip(new DragStrip(this, kGripArea)) {
    setObjectName("TTekstTlumaczForm");
    setFixedSize(kSize);
    setModal(true);
    m_viewer->setObjectName("Html");
    m_viewer->setGeometry(kViewerArea);
    m_viewer->setBackgroundColour(Qt::white);
    m_grip->setObjectName("Label1");
    m_exit->setObjectName("lbl_exit");
    m_exit->setImageList(&buttons);
    m_exit->setBitmapNormal(button_picture::exit);
    m_exit->move(kExitAt);
    m_exit->raise();
    // Escape closes it too: the dialog's own reject.
    connect(m_exit, &TTransparentButton::clicked, this, &QDialog::accept);
}

HtmlViewer& TTekstTlumaczForm::viewer() {
    return *m_viewer;
}

QWidget& TTekstTlumaczForm::grip() {
    return *m_grip;
}

bool TTekstTlumaczForm::load_page(const std::string& path) {
    const std::optional<QByteArray> bytes = read_file(path);
    if (!bytes) return false;
    m_viewer->setCourseRoot(m_state.config.course_root);
    m_viewer->set_page_folder(folder_of(resolve_path(path)));
    // HTML whatever the file's extension says.
    m_viewer->loadDocument(decode_translation_page(*bytes));
    return true;
}

void TTekstTlumaczForm::open_translation(const std::string& file_name) {
    const std::string path = translation_path(m_state.config.course_root, file_name);
    if (!load_page(path)) {
        QMessageBox::warning(parentWidget(), cp1250_to_qstring(m_state.config.window_caption),
                             QStringLiteral("Brak pliku: %1.")
                                 .arg(QString::fromStdString(normalize_separators(path))));
        return;
    }
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    m_background = QImage(
        QString::fromStdString(resolve_path(m_state.config.language_path(kBackgroundPicture))));
    center_on_screen(*this);
    exec();
}

void TTekstTlumaczForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TTekstTlumaczForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) m_background = QImage();
}

} // namespace vimo
