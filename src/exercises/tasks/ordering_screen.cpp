#include "exercises/tasks/ordering_screen.h"

#include "controls/MyImageList.h"
#include "controls/UniLabel.h"
#include "controls/label_drag.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"

#include <QLabel>
#include <QPainter>

namespace vimo {

namespace {

// The score's picture where the course has none: a light box with a dark frame.
QImage plain_score_picture() {
    QImage image(64, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 90, 120), 1.5));
    painter.setBrush(QColor(255, 250, 225));
    painter.drawRoundedRect(QRectF(1, 1, 62, 30), 6, 6);
    return image;
}

} // namespace

TC_DDVForm::TC_DDVForm(ScreenServices& services, QWidget* parent)
    : TaskScreen(services, "DV", parent) {
    setObjectName("TC_DDVForm");
    use_own_score();
    m_comment = new QLabel(this);
    m_comment->setObjectName("lbl_komentarz");
    QFont comment_font = list_font(true);
    m_comment->setFont(comment_font);
    m_comment->hide();
    m_score_picture = new TMImage(this);
    m_score_picture->setObjectName("ptoc_panel");
    m_score_picture->hide();
    m_score = new QLabel(this);
    m_score->setObjectName("lbl_proc");
    QFont score_font = list_font(true);
    score_font.setPointSize(12);
    m_score->setFont(score_font);
    m_score->setAlignment(Qt::AlignCenter);
    m_score->hide();

    m_drag = new LabelDrag(
        *this,
        {.start = [this](QWidget& label) { return m_dv.start_drag(widget_index(m_labels, label)); },
         .end =
             [this](QWidget& label, QPoint drop) {
                 m_dv.drop(widget_index(m_labels, label), drop.x(), drop.y());
                 place_labels();
             }});
    for (std::size_t k = 0; k < m_labels.size(); ++k) {
        m_labels[k] = make_drag_label("lbl_" + QString::number(k + 1), *m_drag);
    }
    // The marks stand in front of the words.
    for (std::size_t k = 0; k < m_marks.size(); ++k) {
        m_marks[k] = new TMImage(this);
        m_marks[k]->setObjectName("img_" + QString::number(k + 1));
        m_marks[k]->hide();
    }
}

AreaDefaults TC_DDVForm::area_defaults() const {
    // The table's left depends on its width: the engine centres it.
    return {-1, Ordering::kDefaultTop, -1, -1};
}

void TC_DDVForm::place_labels() {
    for (int k = 0; k < m_dv.count(); ++k)
        word_label(k).setGeometry(to_qrect(m_dv.home(k)));
}

void TC_DDVForm::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const QFontMetrics metrics(drag_label_font());
    m_dv.load(
        task.kind_line, layout,
        {.word_width =
             [&](const UniString& text) { return metrics.horizontalAdvance(uni_to_qstring(text)); },
         .word_height = metrics.height()},
        m_random);
    for (int k = 0; k < Ordering::kMaxWords; ++k) {
        m_marks[static_cast<std::size_t>(k)]->hide();
        m_marks[static_cast<std::size_t>(k)]->setToolTip({});
        TUniLabel& label = word_label(k);
        label.setVisible(k < m_dv.count());
        if (k >= m_dv.count()) continue;
        label.setCaptionNormal(m_dv.caption(k));
        label.setCursor(Qt::PointingHandCursor);
    }
    place_labels();
    m_comment->hide();
    m_comment->move(m_dv.table_left(), m_dv.table_top() - 25);
    m_score_picture->hide();
    m_score->hide();
}

void TC_DDVForm::evaluate() {
    m_dv.check();
    const QImage& exclamation = answer_pictures().exclamation;
    for (int row = 1; row <= m_dv.count(); ++row) {
        const std::optional<UniString>& wrong = m_dv.mark(row);
        if (!wrong) continue;
        TMImage& image = mark(row);
        image.setPicture(exclamation);
        image.setToolTip(uni_to_qstring(*wrong));
        image.move(m_dv.table_left() - Ordering::kMarkLeft,
                   m_dv.table_top() + Ordering::kRowHeight * (row - 1) + Ordering::kWordTop);
        image.show();
        image.raise();
    }
    const bool all_right = m_dv.all_right();
    m_comment->setText(uni_to_qstring(
        uni_trim(m_course.texts.text(all_right ? Ordering::kTextRight : Ordering::kTextWrong))));
    set_text_colour(*m_comment, all_right ? QColor(Qt::black) : QColor(Qt::red));
    m_comment->adjustSize();
    m_comment->show();
    place_labels();
    for (int k = 0; k < m_dv.count(); ++k)
        word_label(k).unsetCursor();

    QImage picture = load_masked_picture(m_course.config.course_path("gfx_r\\ptoc_panel.bmp"));
    if (picture.isNull()) picture = plain_score_picture();
    m_score_picture->setPicture(picture);
    m_score_picture->move(kScoreAt);
    m_score_picture->show();
    m_score->setText(QString::number(attempt().score()) + '%');
    m_score->setGeometry(QRect(kScoreAt, m_score_picture->size()));
    m_score->show();
    m_score->raise();
}

void TC_DDVForm::paintEvent(QPaintEvent* event) {
    TaskScreen::paintEvent(event);
    if (m_dv.count() == 0) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    const AreaRect table = m_dv.table();
    painter.drawRect(table.left, table.top, table.width, table.height);
    for (int k = 1; k < m_dv.count(); ++k)
        painter.drawLine(table.left, m_dv.line_y(k), table.left + table.width - 1, m_dv.line_y(k));
}

} // namespace vimo
