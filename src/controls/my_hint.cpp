#include "controls/my_hint.h"

#include "core/qt_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr int kCursorGap = 20; // the hint appears below the mouse pointer

} // namespace

TMyHint::TMyHint(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
}

QFont TMyHint::word_font(bool bold) const {
    QFont result = font();
    result.setBold(bold);
    return result;
}

void TMyHint::showHint(const QRect& rect, const UniString& text) {
    const HintWordWidth measure = [this](const UniString& word, bool bold) {
        return QFontMetrics(word_font(bold)).horizontalAdvance(uni_to_qstring(word));
    };
    m_layout = layout_hint(text, measure);
    QRect widened = rect;
    widened.setRight(rect.right() + m_layout.extra_width);
    setGeometry(widened);
    show();
    update();
}

void TMyHint::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().toolTipBase());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (const HintWord& word : m_layout.words) {
        painter.setFont(word_font(word.bold));
        painter.setPen(word.bold ? Qt::red : Qt::black);
        const QFontMetrics metrics(painter.font());
        painter.drawText(word.x, kHintTop + metrics.ascent(), uni_to_qstring(word.text));
    }
}

MyHintFilter::MyHintFilter(QObject* parent)
    : QObject(parent), m_hint(std::make_unique<TMyHint>()) {}

bool MyHintFilter::show_for(QWidget* widget, const QHelpEvent& event) {
    // A widget without a hint lets the event go on to its parent, as Qt does.
    if (widget == nullptr || widget->toolTip().isEmpty()) return false;
    const QPoint at = event.globalPos() + QPoint(0, kCursorGap);
    const int height = QFontMetrics(m_hint->font()).height() + 2 * kHintTop;
    m_hint->showHint(QRect(at, QSize(0, height)), qstring_to_uni(widget->toolTip()));
    return true;
}

bool MyHintFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::ToolTip) {
        return show_for(qobject_cast<QWidget*>(watched), *static_cast<QHelpEvent*>(event));
    }
    if ((type == QEvent::Leave || type == QEvent::MouseButtonPress) && watched != m_hint.get()) {
        m_hint->hide();
    }
    return false;
}

MyHintFilter* install_my_hint(QApplication& application) {
    auto* filter = new MyHintFilter(&application);
    application.installEventFilter(filter);
    return filter;
}

} // namespace vimo
