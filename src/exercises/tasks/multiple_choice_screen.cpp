#include "exercises/tasks/multiple_choice_screen.h"

#include "controls/MyImageList.h"
#include "controls/fcs_image1.h"
#include "core/qt_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

McList::McList(QWidget* parent, const MultipleChoice& engine, const AnswerPictures& pictures,
               Chosen chosen, LookUp look_up)
    : QWidget(parent), m_engine(engine), m_pictures(pictures), m_chosen(std::move(chosen)),
      m_look_up(std::move(look_up)) {
    setObjectName("pb_tresc");
    setMouseTracking(true);
}

void McList::relayout(int scroll) {
    const QFontMetrics normal(TaskScreen::list_font(false));
    const QFontMetrics bold(TaskScreen::list_font(true));
    m_layout = layout_multiple_choice(
        m_engine.questions(), width(), scroll, [&](const UniString& word, bool b) {
            return (b ? bold : normal).horizontalAdvance(uni_to_qstring(word));
        });
    update();
}

void McList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool checked = m_engine.attempt().checked;
    for (const McAnswerPlace& place : m_layout.answers) {
        const McMarks& marks = m_engine.marks(place.question, place.item);
        if (checked && marks.mark_bad)
            painter.drawImage(QPoint(-1, place.top - 2), m_pictures.mark_bad);
        if (checked && marks.mark_ok)
            painter.drawImage(QPoint(-1, place.top - 2), m_pictures.mark_ok);
        const QImage& box = marks.wrong      ? m_pictures.box_bad
                            : marks.selected ? m_pictures.box_checked
                                             : m_pictures.box_normal;
        painter.drawImage(QPoint(25, place.top - 2), box);
    }
    painter.setPen(Qt::black);
    const QFont normal = TaskScreen::list_font(false);
    const QFont bold = TaskScreen::list_font(true);
    const int ascent = QFontMetrics(normal).ascent();
    for (const McWord& word : m_layout.words) {
        painter.setFont(word.bold ? bold : normal);
        painter.drawText(QPoint(word.x, word.y + ascent), uni_to_qstring(word.text));
    }
}

void McList::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const int height = QFontMetrics(TaskScreen::list_font(false)).height();
        if (const std::optional<UniString> word =
                painted_word_at(m_layout.words, at.x(), at.y(), height))
            m_look_up(*word);
        return;
    }
    if (const McAnswerPlace* place = answer_at(m_layout, at.x(), at.y()))
        m_chosen(place->question, place->item);
}

void McList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool over = !m_engine.attempt().checked && answer_at(m_layout, at.x(), at.y());
    setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

TC_MC_Form::TC_MC_Form(ScreenServices& services, QWidget* parent)
    : TaskScreen(services, "MC", parent) {
    setObjectName("TC_MC_Form");
    m_list = new McList(
        this, m_mc, answer_pictures(), [this](int question, int item) { choose(question, item); },
        [this](const UniString& word) { look_up_word(word); });
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
    return {kAreaLeft, kAreaTop, -1, -1};
}

void TC_MC_Form::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const std::string root = m_course.config.course_root;
    m_up->setPicture(load_masked_picture(root + "gfx_r\\wybor\\up.bmp"));
    m_down->setPicture(load_masked_picture(root + "gfx_r\\wybor\\down.bmp"));
    for (TFCSImage1* arrow : {m_up, m_down})
        if (arrow->size().isEmpty()) arrow->resize(32, 32);

    m_mc.load(task_content(task.kind_line), m_random);
    const int left = layout.area_left;
    const int top = layout.area_top;
    const int width = layout.area_width > 0 ? layout.area_width : kAreaRight - left;
    const int height = layout.area_height > 0 ? layout.area_height : kAreaBottom - top;
    m_list->setGeometry(left, top, width, height);
    m_up->move(left + width + kArrowGap, kUpTop);
    m_down->move(left + width + kArrowGap, kDownTop);
    m_scroll = 0;
    m_list->relayout(m_scroll);
    m_max_scroll = mc_max_scroll(m_list->layout().end_y, height);
    sync_arrows();
}

void TC_MC_Form::choose(int question, int item) {
    if (m_mc.choose(question, item)) m_list->update();
}

void TC_MC_Form::evaluate() {
    m_mc.check();
    m_list->update();
}

void TC_MC_Form::scroll_by(int step) {
    m_scroll = std::clamp(m_scroll + step, 0, m_max_scroll);
    sync_arrows();
    m_list->relayout(m_scroll);
}

void TC_MC_Form::sync_arrows() {
    m_up->setVisible(m_scroll > 0);
    m_down->setVisible(m_scroll < m_max_scroll);
}

} // namespace vimo
