#include "exercises/tasks/true_false_screen.h"

#include "controls/picture_controls.h"
#include "core/qt_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

const QColor kLineColour{51, 153, 204};

} // namespace

TfList::TfList(QWidget* parent, const TrueFalse& engine, LookUp look_up)
    : QWidget(parent), m_engine(engine), m_look_up(std::move(look_up)) {
    setObjectName("pb_tresc");
}

void TfList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    const int height = QFontMetrics(TaskScreen::list_font(false)).height();
    if (const std::optional<UniString> word =
            painted_word_at(m_layout.words, at.x(), at.y(), height))
        m_look_up(*word);
}

void TfList::relayout(int box_height) {
    const QFontMetrics title(TaskScreen::list_font(true));
    const QFontMetrics normal(TaskScreen::list_font(false));
    m_layout = layout_true_false(
        m_engine.content(), width(), box_height,
        [&](const UniString& text) { return title.horizontalAdvance(uni_to_qstring(text)); },
        [&](const UniString& word) { return normal.horizontalAdvance(uni_to_qstring(word)); });
    update();
}

void TfList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TfContent& content = m_engine.content();
    painter.setPen(QPen(kLineColour, 2));
    painter.drawLine(0, 20, m_layout.columns_width, 20);
    painter.setFont(TaskScreen::list_font(true));
    const QFontMetrics title(painter.font());
    painter.setPen(Qt::black);
    painter.drawText(QPoint(m_layout.true_title_x, 4 + title.ascent()),
                     uni_to_qstring(uni_trim(content.true_title)));
    painter.drawText(QPoint(m_layout.false_title_x, 4 + title.ascent()),
                     uni_to_qstring(uni_trim(content.false_title)));
    painter.setFont(TaskScreen::list_font(false));
    const QFontMetrics normal(painter.font());
    for (const TfWord& word : m_layout.words)
        painter.drawText(QPoint(word.x, word.y + normal.ascent()), uni_to_qstring(word.text));
    painter.setPen(QPen(kLineColour, 2));
    painter.drawLine(m_layout.middle, 0, m_layout.middle, m_layout.end_y + 10);
}

TC_TF_Form::TC_TF_Form(ScreenServices& services, QWidget* parent)
    : TaskScreen(services, "TF", parent) {
    setObjectName("TC_TF_Form");
    m_list = new TfList(this, m_tf, [this](const UniString& word) { look_up_word(word); });
    for (int i = 0; i < TrueFalse::kMaxStatements; ++i) {
        const auto box = [&](const QString& name, bool answer_true) {
            auto* image = new TMImage(this);
            image->setObjectName(name.arg(i + 1));
            image->hide();
            connect(image, &TMImage::clicked, this,
                    [this, i, answer_true] { choose(i, answer_true); });
            return image;
        };
        m_true_boxes[static_cast<std::size_t>(i)] = box("L_%1", true);
        m_false_boxes[static_cast<std::size_t>(i)] = box("R_%1", false);
        auto* mark = new TMImage(this);
        mark->setObjectName(QString("wyk_%1").arg(i + 1));
        mark->hide();
        m_marks[static_cast<std::size_t>(i)] = mark;
    }
}

AreaDefaults TC_TF_Form::area_defaults() const {
    return {kListLeft, kListTop, -1, kListHeight};
}

void TC_TF_Form::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const AnswerPictures& pictures = answer_pictures();
    m_tf.load(task.kind_line, m_course.config.language_number, m_random);
    const int left = layout.area_left;
    m_list->setGeometry(left, layout.area_top, kListRight - left, kListHeight);
    m_list->relayout(pictures.box_normal.height());
    for (int i = 0; i < TrueFalse::kMaxStatements; ++i) {
        for (TMImage* image : {m_true_boxes[static_cast<std::size_t>(i)],
                               m_false_boxes[static_cast<std::size_t>(i)]}) {
            image->setPicture(pictures.box_normal);
            image->setCursor(Qt::PointingHandCursor);
            image->hide();
        }
        m_marks[static_cast<std::size_t>(i)]->hide();
    }
    place_boxes();
}

void TC_TF_Form::place_boxes() {
    const TfLayout& list = m_list->layout();
    const QPoint origin = m_list->pos();
    const int quarter = list.columns_width / 4;
    for (std::size_t i = 0; i < list.box_tops.size(); ++i) {
        TMImage* true_box = m_true_boxes[i];
        TMImage* false_box = m_false_boxes[i];
        const int top = origin.y() + list.box_tops[i];
        true_box->move(origin.x() + quarter - true_box->width() / 2, top);
        false_box->move(origin.x() + quarter * 3 - false_box->width() / 2, top);
        true_box->show();
        false_box->show();
    }
}

void TC_TF_Form::choose(int i, bool answer_true) {
    if (!m_tf.choose(i, answer_true)) return;
    show_choice(i);
}

void TC_TF_Form::show_choice(int i) {
    const TfChoice& choice = m_tf.choice(i);
    const AnswerPictures& pictures = answer_pictures();
    m_true_boxes[static_cast<std::size_t>(i)]->setPicture(choice.true_chosen ? pictures.box_checked
                                                                             : pictures.box_normal);
    m_false_boxes[static_cast<std::size_t>(i)]->setPicture(
        choice.false_chosen ? pictures.box_checked : pictures.box_normal);
}

void TC_TF_Form::evaluate() {
    m_tf.check();
    const AnswerPictures& pictures = answer_pictures();
    const auto& statements = m_tf.content().statements;
    for (std::size_t i = 0; i < statements.size(); ++i) {
        TMImage* true_box = m_true_boxes[i];
        TMImage* false_box = m_false_boxes[i];
        TMImage* mark = m_marks[i];
        true_box->unsetCursor();
        false_box->unsetCursor();
        mark->move(m_list->x() - kMarkOffset, true_box->y());
        TMImage* right_box = statements[i].is_true ? true_box : false_box;
        TMImage* other_box = statements[i].is_true ? false_box : true_box;
        switch (m_tf.result(static_cast<int>(i))) {
        case TfResult::right:
            mark->setPicture(pictures.mark_ok);
            break;
        case TfResult::wrong_column:
            other_box->setPicture(pictures.box_bad);
            right_box->setPicture(pictures.box_checked);
            mark->setPicture(pictures.mark_bad);
            break;
        default:
            right_box->setPicture(pictures.box_checked);
            mark->setPicture(pictures.mark_bad);
        }
        mark->show();
    }
    m_list->update();
}

} // namespace vimo
