#include "controls/answer_popup.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/window_caption.h"
#include "core/paths.h"

#include <QKeyEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr QRect kAnswerArea{20, 40, 460, 70};
constexpr QPoint kOkAt{372, 106}; // the OK picture (120 by 36) 8 pixels from the corner

} // namespace

TForm6::TForm6(const Config& config, const TMyImageList* buttons, int ok_picture, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), m_config(config), m_answer(new TUniLabel(this)),
      m_ok(new TTransparentButton(this)) {
    setFixedSize(kSize);
    setWindowTitle(QStringLiteral("Twoja odpowiedź"));
    m_answer->setGeometry(kAnswerArea);
    m_answer->setWordWrap(true);
    m_answer->setUseNormalCaption(true);
    m_ok->setImageList(buttons);
    m_ok->setBitmapNormal(ok_picture);
    // A fixed place: the list may not hold the picture yet, so the size is not known.
    m_ok->move(kOkAt);
    connect(m_ok, &TTransparentButton::clicked, this, &QDialog::accept);
    load_language_resources();
}

void TForm6::load_language_resources() {
    m_background = QImage(
        QString::fromStdString(resolve_path(m_config.language_path("gfx_r\\twoja_odp_2.bmp"))));
    update();
}

void TForm6::show_answer(const UniString& answer) {
    m_answer->setCaptionNormal(answer);
    show();
    raise();
    activateWindow();
}

void TForm6::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TForm6::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_F1:
        emit helpRequested(QStringLiteral("Htm_r\\h_pomoc.html"));
        return;
    default:
        event->ignore();
    }
}

void TForm6::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) accept();
}

} // namespace vimo
