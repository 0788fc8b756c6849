#include "exercises/tasks/true_false_screen.h"

#include "controls/picture_controls.h"
#include "core/qt_text.h"

#include <QPainter>

namespace vimo {

namespace {

constexpr int kListHeight = 541;
const QColor kLineColour{51, 153, 204};

QFont list_font(bool bold) {
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(bold);
    return font;
}

} // namespace

TfList::TfList(TC_TF_Form& form) : QWidget(&form), m_form(form) {
    setObjectName("pb_tresc");
}

void TfList::relayout() {
    const QFontMetrics title(list_font(true));
    const QFontMetrics normal(list_font(false));
    const int box_height = m_form.m_box_normal.height();
    m_layout = layout_true_false(
        m_form.m_tf.content(), width(), box_height,
        [&](const UniString& text) { return title.horizontalAdvance(uni_to_qstring(text)); },
        [&](const UniString& word) { return normal.horizontalAdvance(uni_to_qstring(word)); });
    update();
}

void TfList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TfContent& content = m_form.m_tf.content();
    painter.setPen(QPen(kLineColour, 2));
    painter.drawLine(0, 20, m_layout.columns_width, 20);
    painter.setFont(list_font(true));
    const QFontMetrics title(painter.font());
    painter.setPen(Qt::black);
    painter.drawText(QPoint(m_layout.true_title_x, 4 + title.ascent()),
                     uni_to_qstring(uni_trim(content.true_title)));
    painter.drawText(QPoint(m_layout.false_title_x, 4 + title.ascent()),
                     uni_to_qstring(uni_trim(content.false_title)));
    painter.setFont(list_font(false));
    const QFontMetrics normal(painter.font());
    for (const TfWord& word : m_layout.words)
        painter.drawText(QPoint(word.x, word.y + normal.ascent()), uni_to_qstring(word.text));
    painter.setPen(QPen(kLineColour, 2));
    painter.drawLine(m_layout.middle, 0, m_layout.middle, m_layout.end_y + 10);
}

TC_TF_Form::TC_TF_Form(const CourseState& course, const TMyImageList& buttons, HelpLinks& help,
                       InstructionWordTable& instructions, RandomSource& random, QWidget* parent)
    : TaskScreen(course, buttons, help, instructions, "TF", parent), m_random(random) {
    setObjectName("TC_TF_Form");
    m_list = new TfList(*this);
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
    return {50, 150, -1, kListHeight};
}

void TC_TF_Form::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const Config& config = m_course.config;
    m_box_normal = answer_box_picture(config, AnswerBox::normal);
    m_box_checked = answer_box_picture(config, AnswerBox::checked);
    m_box_bad = answer_box_picture(config, AnswerBox::bad);
    m_mark_ok = result_mark_picture(config, true);
    m_mark_bad = result_mark_picture(config, false);

    m_tf.load(task.kind_line, config.language_number, m_random);
    const int left = layout.area_left;
    m_list->setGeometry(left, layout.area_top, 657 - left, kListHeight);
    m_list->relayout();
    for (int i = 0; i < TrueFalse::kMaxStatements; ++i) {
        for (TMImage* image : {m_true_boxes[static_cast<std::size_t>(i)],
                               m_false_boxes[static_cast<std::size_t>(i)]}) {
            image->setPicture(m_box_normal);
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
    m_true_boxes[static_cast<std::size_t>(i)]->setPicture(choice.true_chosen ? m_box_checked
                                                                             : m_box_normal);
    m_false_boxes[static_cast<std::size_t>(i)]->setPicture(choice.false_chosen ? m_box_checked
                                                                               : m_box_normal);
}

void TC_TF_Form::evaluate() {
    m_tf.check();
    const auto& statements = m_tf.content().statements;
    for (std::size_t i = 0; i < statements.size(); ++i) {
        TMImage* true_box = m_true_boxes[i];
        TMImage* false_box = m_false_boxes[i];
        TMImage* mark = m_marks[i];
        true_box->unsetCursor();
        false_box->unsetCursor();
        mark->move(m_list->x() - 15, true_box->y());
        TMImage* right_box = statements[i].is_true ? true_box : false_box;
        TMImage* other_box = statements[i].is_true ? false_box : true_box;
        switch (m_tf.result(static_cast<int>(i))) {
        case TfResult::right:
            mark->setPicture(m_mark_ok);
            break;
        case TfResult::wrong_column:
            other_box->setPicture(m_box_bad);
            right_box->setPicture(m_box_checked);
            mark->setPicture(m_mark_bad);
            break;
        default:
            right_box->setPicture(m_box_checked);
            mark->setPicture(m_mark_bad);
        }
        mark->show();
    }
    m_list->update();
}

} // namespace vimo
