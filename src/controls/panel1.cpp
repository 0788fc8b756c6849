#include "controls/panel1.h"

#include "controls/image_strip.h"

#include <QLabel>
#include <QPainter>

namespace vimo {

TPanel1::TPanel1(QWidget* parent) : QWidget(parent), m_label(new QLabel(this)) {
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(true);
    m_label->setFont(font);
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 101, 156));
    m_label->setPalette(palette);
    m_label->move(110, 8);
    setWynik(0);
}

void TPanel1::setTlo(const QImage& background) {
    m_background = background;
    update();
}

void TPanel1::setTorcik(const QImage& strip) {
    m_strip = strip;
    update();
}

void TPanel1::setWynik(int score) {
    m_score = score;
    m_label->setText(QString::number(score) + QLatin1Char('%'));
    m_label->adjustSize();
    update();
}

void TPanel1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
    const FrameRect source = strip_frame(score_frame(m_score), kFrameSize, kFrameSize);
    painter.drawImage(kFrameAt, m_strip, QRect(source.x, source.y, source.width, source.height));
}

} // namespace vimo
