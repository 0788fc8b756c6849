#include "exercises/tasks/sorting_screen.h"

#include "controls/UniLabel.h"
#include "controls/label_drag.h"
#include "core/qt_text.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace vimo {

TC_DDForm::TC_DDForm(ScreenServices& services, QWidget* parent)
    : TaskScreen(services, "DD", parent) {
    setObjectName("TC_DDForm");
    use_plain_background();
    setMouseTracking(true);
    for (std::size_t c = 0; c < m_titles.size(); ++c) {
        auto* title = new TUniLabel(this);
        title->setObjectName("lbl_kolumna" + QString::number(c + 1));
        title->setFont(title_font());
        title->setUseNormalCaption(true);
        title->hide();
        look_up_on_right_click(*title);
        m_titles[c] = title;
    }
    m_drag = new LabelDrag(
        *this,
        {.start = [this](QWidget& label) { return m_dd.start_drag(widget_index(m_labels, label)); },
         .end =
             [this](QWidget& label, QPoint drop) {
                 const int k = widget_index(m_labels, label);
                 m_dd.drop(k, drop.x(), drop.y());
                 place_label(k);
             }},
        Sorting::kWordShift);
    for (std::size_t k = 0; k < m_labels.size(); ++k) {
        m_labels[k] = make_drag_label("lbl_" + QString::number(k + 1), *m_drag);
    }
}

QFont TC_DDForm::title_font() {
    return TaskScreen::list_font(true);
}

AreaDefaults TC_DDForm::area_defaults() const {
    // The table's left depends on its columns' width: the engine centres it.
    return {-1, Sorting::kDefaultTop, -1, -1};
}

void TC_DDForm::place_label(int k) {
    word_label(k).setGeometry(to_qrect(m_dd.position(k)));
}

void TC_DDForm::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const QFontMetrics word_metrics(drag_label_font());
    const QFontMetrics title_metrics(title_font());
    const SortMeasures measures{.word_width =
                                    [&](const UniString& text) {
                                        return word_metrics.horizontalAdvance(uni_to_qstring(text));
                                    },
                                .title_width =
                                    [&](const UniString& text) {
                                        return title_metrics.horizontalAdvance(
                                            uni_to_qstring(text));
                                    },
                                .word_height = word_metrics.height()};
    m_dd.load(task.kind_line, layout, measures, m_random);

    for (int c = 1; c <= Sorting::kMaxColumns; ++c) {
        TUniLabel& title = title_label(c);
        title.setVisible(c <= m_dd.columns());
        if (c > m_dd.columns()) continue;
        title.setCaptionNormal(m_dd.title(c));
        title.setGeometry(m_dd.title_x(c), m_dd.table_top() + Sorting::kTitleTop,
                          m_dd.title_width(c), title_metrics.height());
    }
    for (int k = 0; k < Sorting::kMaxWords; ++k) {
        TUniLabel& label = word_label(k);
        label.setVisible(k < m_dd.count());
        if (k >= m_dd.count()) continue;
        label.setCaptionNormal(m_dd.caption(k));
        label.setCursor(Qt::PointingHandCursor);
        place_label(k);
        label.raise();
    }
    unsetCursor();
}

void TC_DDForm::evaluate() {
    m_dd.check();
    for (int k = 0; k < m_dd.count(); ++k) {
        place_label(k);
        word_label(k).unsetCursor();
    }
}

void TC_DDForm::paintEvent(QPaintEvent* event) {
    TaskScreen::paintEvent(event);
    if (!m_dd.attempt().checked) return;
    QPainter painter(this);
    const QImage& mark = answer_pictures().mark_bad;
    for (int c = 1; c <= m_dd.columns(); ++c)
        for (int row = 1; row <= m_dd.rows(); ++row)
            if (m_dd.remark(c, row))
                painter.drawImage(m_dd.column_left(c), m_dd.cell_top(row), mark);
}

void TC_DDForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_dd.remark_at(at.x(), at.y()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    TaskScreen::mouseMoveEvent(event);
}

bool TC_DDForm::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return TaskScreen::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<UniString> remark = m_dd.remark_at(help->pos().x(), help->pos().y());
    if (remark)
        QToolTip::showText(help->globalPos(), uni_to_qstring(*remark), this);
    else
        QToolTip::hideText();
    return true;
}

} // namespace vimo
