#include "exercises/tasks/multiple_choice_screen.h"

#include "controls/MyImageList.h"
#include "controls/fcs_image1.h"
#include "core/qt_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr int kUpTop = 176;
constexpr int kDownTop = 680;

QFont list_font(bool bold) {
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(bold);
    return font;
}

} // namespace

McList::McList(TC_MC_Form& form) : QWidget(&form), m_form(form) {
    setObjectName("pb_tresc");
    setMouseTracking(true);
}

void McList::relayout() {
    const QFontMetrics normal(list_font(false));
    const QFontMetrics bold(list_font(true));
    m_layout = layout_multiple_choice(
        m_form.m_mc.questions(), width(), m_form.m_scroll, [&](const UniString& word, bool b) {
            return (b ? bold : normal).horizontalAdvance(uni_to_qstring(word));
        });
    update();
}

void McList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const MultipleChoice& mc = m_form.m_mc;
    const bool checked = mc.attempt().checked;
    for (const McAnswerPlace& place : m_layout.answers) {
        const McMarks& marks = mc.marks(place.question, place.item);
        if (checked && marks.mark_bad)
            painter.drawImage(QPoint(-1, place.top - 2), m_form.m_mark_bad);
        if (checked && marks.mark_ok)
            painter.drawImage(QPoint(-1, place.top - 2), m_form.m_mark_ok);
        const QImage& box = marks.wrong      ? m_form.m_box_bad
                            : marks.selected ? m_form.m_box_checked
                                             : m_form.m_box_normal;
        painter.drawImage(QPoint(25, place.top - 2), box);
    }
    painter.setPen(Qt::black);
    const QFontMetrics metrics(list_font(false));
    for (const McWord& word : m_layout.words) {
        painter.setFont(list_font(word.bold));
        painter.drawText(QPoint(word.x, word.y + metrics.ascent()), uni_to_qstring(word.text));
    }
}

void McList::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const McAnswerPlace* place = answer_at(m_layout, at.x(), at.y());
    if (place && m_form.m_mc.choose(place->question, place->item)) update();
}

void McList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool over = !m_form.m_mc.attempt().checked && answer_at(m_layout, at.x(), at.y());
    setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

TC_MC_Form::TC_MC_Form(const CourseState& course, const TMyImageList& buttons, HelpLinks& help,
                       InstructionWordTable& instructions, RandomSource& random, QWidget* parent)
    : TaskScreen(course, buttons, help, instructions, "MC", parent), m_random(random) {
    setObjectName("TC_MC_Form");
    m_list = new McList(*this);
    m_up = new TFCSImage1(this);
    m_up->setObjectName("btn_up");
    m_down = new TFCSImage1(this);
    m_down->setObjectName("btn_dn");
    for (TFCSImage1* arrow : {m_up, m_down}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->resize(32, 32);
    }
    connect(m_up, &TFCSImage1::clicked, this, [this] { scroll_by(-1); });
    connect(m_down, &TFCSImage1::clicked, this, [this] { scroll_by(1); });
}

AreaDefaults TC_MC_Form::area_defaults() const {
    return {35, 150, -1, -1};
}

void TC_MC_Form::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const std::string root = m_course.config.course_root;
    const Config& config = m_course.config;
    m_box_normal = answer_box_picture(config, AnswerBox::normal);
    m_box_checked = answer_box_picture(config, AnswerBox::checked);
    m_box_bad = answer_box_picture(config, AnswerBox::bad);
    m_mark_ok = result_mark_picture(config, true);
    m_mark_bad = result_mark_picture(config, false);
    m_up->setPicture(load_masked_picture(root + "gfx_r\\wybor\\up.bmp"));
    m_down->setPicture(load_masked_picture(root + "gfx_r\\wybor\\down.bmp"));
    for (TFCSImage1* arrow : {m_up, m_down})
        if (arrow->size().isEmpty()) arrow->resize(32, 32);

    m_mc.load(task_content(task.kind_line), m_random);
    const int left = layout.area_left;
    const int top = layout.area_top;
    const int width = layout.area_width > 0 ? layout.area_width : 870 - left;
    const int height = layout.area_height > 0 ? layout.area_height : 725 - top;
    m_list->setGeometry(left, top, width, height);
    m_up->move(left + width + 5, kUpTop);
    m_down->move(left + width + 5, kDownTop);
    m_scroll = 0;
    m_list->relayout();
    m_max_scroll = mc_max_scroll(m_list->layout().end_y, height);
    sync_arrows();
}

void TC_MC_Form::evaluate() {
    m_mc.check();
    m_list->update();
}

void TC_MC_Form::scroll_by(int step) {
    m_scroll = std::clamp(m_scroll + step, 0, m_max_scroll);
    sync_arrows();
    m_list->relayout();
}

void TC_MC_Form::sync_arrows() {
    m_up->setVisible(m_scroll > 0);
    m_down->setVisible(m_scroll < m_max_scroll);
}

} // namespace vimo
