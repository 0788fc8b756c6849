#include "help/reading_window.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/message_window.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "html/html_viewer.h"

#include <QHideEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr int kTextPrinted = 128;
constexpr double kPrintMarginCm = 2.0;

} // namespace

THtml_SmallForm::THtml_SmallForm(const CourseState& state, const TMyImageList& buttons,
                                 TForm20& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state), m_messages(messages),
      m_viewer(new HtmlViewer(this)), m_print(new TTransparentButton(this)),
      m_exit(new TTransparentButton(this)), m_drag(new DragStrip(this, kDragArea)) {
    setObjectName("THtml_SmallForm");
    setFixedSize(kSize);
    setModal(true);
    m_viewer->setObjectName("Html");
    m_viewer->setGeometry(kViewerArea);
    m_viewer->setBackgroundColour(Qt::white);
    m_viewer->setTextSelection(false);
    m_drag->setObjectName("Label1");

    m_print->setObjectName("btn_print");
    m_print->setImageList(&buttons);
    m_print->setBitmapNormal(button_picture::print);
    m_print->move(kPrintAt);
    m_exit->setObjectName("btn_exit");
    m_exit->setImageList(&buttons);
    m_exit->setBitmapNormal(button_picture::exit);
    m_exit->move(kExitAt);
    // Over the viewer's top edge where a tall print picture reaches into it.
    m_print->raise();
    m_exit->raise();

    connect(m_print, &TTransparentButton::clicked, this, &THtml_SmallForm::btn_printClick);
    connect(m_exit, &TTransparentButton::clicked, this, &QDialog::accept);
}

void THtml_SmallForm::reading_open(const std::string& file, const std::string& background) {
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    const std::string picture =
        background.empty() ? m_state.config.language_path(kBackgroundPicture) : background;
    m_background = QImage(QString::fromStdString(resolve_path(picture)));
    m_viewer->setCourseRoot(m_state.config.course_root);
    m_viewer->loadFile(file);
    center_on_screen(*this);
    exec();
}

void THtml_SmallForm::btn_printClick() {
    // A cancelled print dialog printed nothing, so there is nothing to report.
    if (!m_viewer->printPages(1, 999, kPrintMarginCm, kPrintMarginCm)) return;
    m_messages.show_message(m_state.texts.text(kTextPrinted));
}

void THtml_SmallForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void THtml_SmallForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) m_background = QImage();
}

} // namespace vimo
