#include "controls/UniLabel.h"

#include "core/qt_text.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace vimo {

TUniLabel::TUniLabel(QWidget* parent) : QWidget(parent) {
    resize(120, 12);
}

void TUniLabel::setCaption(const QString& caption) {
    m_caption = caption;
    text_changed();
}

void TUniLabel::setCaptionNormal(const UniString& caption) {
    m_caption_normal = caption;
    text_changed();
}

void TUniLabel::setUseNormalCaption(bool use) {
    m_use_normal = use;
    text_changed();
}

void TUniLabel::setWordWrap(bool wrap) {
    m_word_wrap = wrap;
    text_changed();
}

void TUniLabel::setTextAlignH(TextAlign align) {
    m_align = align;
    update();
}

void TUniLabel::setAutoSize(bool autosize) {
    m_auto_size = autosize;
    text_changed();
}

QString TUniLabel::shownText() const {
    return m_use_normal ? uni_to_qstring(m_caption_normal) : m_caption;
}

void TUniLabel::text_changed() {
    fit_to_text();
    update();
}

void TUniLabel::fit_to_text() {
    if (!m_auto_size) return;
    const QFontMetrics metrics(font());
    const QString text = shownText();
    const int width = metrics.horizontalAdvance(text);
    const QRect drawn = metrics.boundingRect(QRect(0, 0, width, 0), alignment_flags(), text);
    resize(width, drawn.height());
}

int TUniLabel::alignment_flags() const {
    int flags = Qt::AlignTop;
    if (m_word_wrap) flags |= Qt::TextWordWrap;
    switch (m_align) {
    case TextAlign::Center:
        return flags | Qt::AlignHCenter;
    case TextAlign::Right:
        return flags | Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return flags | Qt::AlignLeft;
}

void TUniLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.drawText(rect(), alignment_flags(), shownText());
}

void TUniLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fit_to_text();
    QWidget::changeEvent(event);
}

UniString TUniLabel::word_at(int x, int y) const {
    const QFontMetrics metrics(font());
    const WordHitMetrics layout{width(), m_align, metrics.height(),
                                metrics.horizontalAdvance(QChar(' '))};
    const WordWidth measure = [&metrics](const UniString& word) {
        return metrics.horizontalAdvance(uni_to_qstring(word));
    };
    return vimo::word_at(m_caption_normal, layout, measure, x, y);
}

} // namespace vimo
