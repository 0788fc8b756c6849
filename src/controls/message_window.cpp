#include "controls/message_window.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"

#include <QKeyEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr QRect kLabelArea{20, 30, 400, 61};
constexpr QPoint kCloseAt{409, 6}; // the exit cross (25 by 25) 6 pixels from the corner

} // namespace

TForm20::TForm20(const Config& config, const TMyImageList* buttons, int close_picture,
                 QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), m_config(config), m_label(new TUniLabel(this)),
      m_close(new TTransparentButton(this)) {
    setFixedSize(kSize);
    setModal(true);
    m_label->setGeometry(kLabelArea);
    m_label->setWordWrap(true);
    m_close->setImageList(buttons);
    m_close->setBitmapNormal(close_picture);
    // A fixed place: the list may not hold the picture yet, so the size is not known.
    m_close->move(kCloseAt);
    m_close->setToolTip(QStringLiteral("Wyjście"));
    connect(m_close, &TTransparentButton::clicked, this, &QDialog::accept);
    load_language_resources();
}

void TForm20::load_language_resources() {
    setWindowTitle(cp1250_to_qstring(m_config.window_caption));
    // A missing picture leaves the window plain rather than stopping the notice.
    m_background =
        QImage(QString::fromStdString(resolve_path(m_config.language_path("gfx_r\\info.bmp"))));
    update();
}

int TForm20::show_message(const UniString& text) {
    m_label->setCaptionNormal(text);
    m_label->setUseNormalCaption(true);
    m_label->setFixedHeight(kLabelArea.height());
    return exec();
}

void TForm20::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TForm20::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        reject();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_close->isVisible()) {
        accept();
        return;
    }
    event->ignore();
}

void TForm20::showEvent(QShowEvent* event) {
    center_on_screen(*this);
    QDialog::showEvent(event);
}

} // namespace vimo
