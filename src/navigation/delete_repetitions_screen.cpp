#include "navigation/delete_repetitions_screen.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/window_placement.h"
#include "core/paths.h"

#include <QPainter>

namespace vimo {

namespace {

constexpr int kQuestionText = 117;
constexpr QRect kLabelArea{20, 8, 260, 50};
constexpr QPoint kOkAt{20, 58};
constexpr QPoint kCloseAt{160, 58};

} // namespace

Tkas_powt_Form::Tkas_powt_Form(const CourseState& state, const TMyImageList& buttons,
                               QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), m_state(state), m_label(new TUniLabel(this)),
      m_ok(new TTransparentButton(this)), m_close(new TTransparentButton(this)) {
    setObjectName("Tkas_powt_Form");
    setFixedSize(kSize);
    setModal(true);
    m_label->setObjectName("Label1");
    m_label->setGeometry(kLabelArea);
    m_label->setWordWrap(true);
    QFont font("Verdana");
    font.setPixelSize(13);
    font.setBold(true);
    m_label->setFont(font);
    m_ok->setObjectName("B_OK");
    m_close->setObjectName("B_Zamknij");
    for (TTransparentButton* button : {m_ok, m_close}) {
        button->setImageList(&buttons);
        button->setCursor(Qt::PointingHandCursor);
    }
    m_ok->setBitmapNormal(button_picture::ok);
    m_close->setBitmapNormal(button_picture::close);
    m_ok->move(kOkAt);
    m_close->move(kCloseAt);
    connect(m_ok, &TTransparentButton::clicked, this, [this] {
        m_confirmed = true;
        accept();
    });
    // Escape rejects through QDialog.
    connect(m_close, &TTransparentButton::clicked, this, &QDialog::reject);
}

bool Tkas_powt_Form::ask() {
    m_confirmed = false;
    exec();
    return m_confirmed;
}

void Tkas_powt_Form::showEvent(QShowEvent* event) {
    m_label->setCaptionNormal(m_state.texts.text(kQuestionText));
    m_label->setUseNormalCaption(true);
    m_label->setFixedHeight(kLabelArea.height());
    m_background = QImage(QString::fromStdString(
        resolve_path(m_state.config.language_path("gfx_r\\skasowacpowtorki.bmp"))));
    center_on_screen(*this);
    QDialog::showEvent(event);
}

void Tkas_powt_Form::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(QPoint(0, 0), m_background);
}

} // namespace vimo
