#include "controls/label_look_up.h"

#include "controls/UniLabel.h"

#include <QMouseEvent>

namespace vimo {

void LabelLookUp::watch(TUniLabel& label) {
    label.installEventFilter(this);
}

bool LabelLookUp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = qobject_cast<TUniLabel*>(watched);
    if (!label || mouse->button() != Qt::RightButton) return false;
    const QPoint at = mouse->position().toPoint();
    const UniString word = label->word_at(at.x(), at.y());
    if (!word.empty() && m_look_up) m_look_up(word);
    return true;
}

} // namespace vimo
