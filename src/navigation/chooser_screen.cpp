#include "navigation/chooser_screen.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/fcs_image1.h"
#include "controls/message_window.h"
#include "controls/window_placement.h"
#include "core/atomic_file.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/uni.h"
#include "navigation/delete_repetitions_screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vimo {

namespace {

constexpr QSize kWindowSize{1024, 768};
constexpr QPoint kExitAt{999, 0};
constexpr QPoint kHelpAt{0, 743};
constexpr QPoint kUpAt{880, 98};
constexpr QPoint kDownAt{880, 603};
constexpr QSize kArrowSize{32, 32};
constexpr QPoint kExpandAt{884, 300};
constexpr QPoint kPrintAt{909, 360};
constexpr QPoint kDeleteAllAt{884, 650};
constexpr int kDeleteOneOffset = 10;

constexpr int kHintExpandAll = 174;
constexpr int kHintCollapseAll = 175;
constexpr int kHintPrint = 178;
constexpr int kAllDeletedText = 184;
constexpr int kHelpTextLessons = 162;
constexpr int kHelpTextRepetitions = 163;

} // namespace

ChooserList::ChooserList(TWyborForm& form) : QWidget(&form), m_form(form) {
    setObjectName("Pb");
    setGeometry(QRect(TWyborForm::kListAt, kChooserListSize));
    setMouseTracking(true);
}

void ChooserList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Chooser& chooser = m_form.m_chooser;
    paint_chooser_rows(painter, chooser.rows(), chooser.first_visible(), chooser.mode(),
                       m_highlight, m_form.m_pictures);
}

void ChooserList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Chooser& chooser = m_form.m_chooser;
    const std::vector<VisibleRow> rows = chooser.rows();
    const int row = row_at(static_cast<int>(rows.size()), chooser.first_visible(), at.y());
    if (row != m_highlight) {
        m_highlight = row;
        update();
    }
    const Hit hit = hit_test(rows, chooser.first_visible(), at.x(), at.y());
    setCursor(hit.region == Region::none ? Qt::ArrowCursor : Qt::PointingHandCursor);
    m_form.hide_delete_one();
}

void ChooserList::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) m_form.left_click(at);
    if (event->button() == Qt::RightButton) m_form.right_click(at, mapToParent(at));
}

void ChooserList::leaveEvent(QEvent*) {
    if (m_highlight < 0) return;
    m_highlight = -1;
    update();
}

void ChooserList::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;
    for (int i = 0; i < std::abs(steps); ++i)
        steps > 0 ? m_form.m_chooser.scroll_up() : m_form.m_chooser.scroll_down();
    m_form.list_changed();
}

TWyborForm::TWyborForm(const CourseState& course, const ResultsStore& results,
                       RepetitionStore& repetitions, const Clock& clock,
                       const TMyImageList& buttons, TForm20& message_window,
                       Tkas_powt_Form& confirmation, HelpLinks& help)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_course(course),
      m_repetitions(repetitions), m_message_window(message_window), m_confirmation(confirmation),
      m_help(help), m_chooser(course, results, repetitions, clock) {
    setObjectName("TWyborForm");
    setFixedSize(kWindowSize);
    m_list = new ChooserList(*this);
    m_exit = make_picture_button(this, buttons, button_picture::exit, kExitAt, "lbl_exit");
    m_help_button = make_picture_button(this, buttons, button_picture::help, kHelpAt, "btn_help");
    m_expand_all =
        make_picture_button(this, buttons, button_picture::expand_all, kExpandAt, "btn_rozwin");
    m_collapse_all =
        make_picture_button(this, buttons, button_picture::collapse_all, kExpandAt, "btn_zwin");
    m_print = make_picture_button(this, buttons, button_picture::print, kPrintAt, "btn_drukuj");
    m_delete_all = make_picture_button(this, buttons, button_picture::delete_all_repetitions,
                                       kDeleteAllAt, "btn_kasuj_powt");
    m_delete_one = make_picture_button(this, buttons, button_picture::delete_one_repetition, {},
                                       "btn_kasuj_1_powt");
    m_up = new TFCSImage1(this);
    m_up->setObjectName("btn_up");
    m_down = new TFCSImage1(this);
    m_down->setObjectName("btn_dn");
    for (TFCSImage1* arrow : {m_up, m_down})
        arrow->setCursor(Qt::PointingHandCursor);
    m_up->move(kUpAt);
    m_down->move(kDownAt);
    m_delete_all->hide();
    m_delete_one->hide();

    connect(m_exit, &TTransparentButton::clicked, this, &QWidget::close);
    connect(m_help_button, &TTransparentButton::clicked, this, &TWyborForm::show_help_text);
    connect(m_expand_all, &TTransparentButton::clicked, this, [this] { set_expanded(true); });
    connect(m_collapse_all, &TTransparentButton::clicked, this, [this] { set_expanded(false); });
    connect(m_print, &TTransparentButton::clicked, this, [this] {
        if (m_links.print) m_links.print();
    });
    connect(m_delete_all, &TTransparentButton::clicked, this, &TWyborForm::delete_all);
    connect(m_delete_one, &TTransparentButton::clicked, this, &TWyborForm::delete_one);
    connect(m_up, &TFCSImage1::clicked, this, [this] {
        m_chooser.scroll_up();
        list_changed();
    });
    connect(m_down, &TFCSImage1::clicked, this, [this] {
        m_chooser.scroll_down();
        list_changed();
    });
}

void TWyborForm::open(int mode) {
    m_delete_all->setVisible(mode == 2);
    m_chooser.chooser_build(mode);
    show();
    raise();
    activateWindow();
}

void TWyborForm::refresh() {
    m_chooser.chooser_refresh();
    list_changed();
}

void TWyborForm::showEvent(QShowEvent* event) {
    const InterfaceTexts& texts = m_course.texts;
    setWindowTitle(cp1250_to_qstring(m_course.config.window_caption));
    m_collapse_all->setToolTip(uni_to_qstring(texts.text(kHintCollapseAll)));
    m_expand_all->setToolTip(uni_to_qstring(texts.text(kHintExpandAll)));
    m_print->setToolTip(uni_to_qstring(texts.text(kHintPrint)));
    m_print->setVisible(static_cast<bool>(m_links.print));
    m_expand_all->show();
    m_collapse_all->hide();
    hide_delete_one();
    m_background = QImage(
        QString::fromStdString(resolve_path(m_course.config.language_path("gfx_r\\wybor.jpg"))));
    m_pictures = load_chooser_pictures(m_course.config.course_root);
    m_up->setPicture(m_pictures.up);
    m_down->setPicture(m_pictures.down);
    // Without their pictures the arrows still have to be there to be clicked.
    for (TFCSImage1* arrow : {m_up, m_down})
        if (arrow->size().isEmpty()) arrow->resize(kArrowSize);
    center_on_screen(*this);
    list_changed();
    QWidget::showEvent(event);
}

void TWyborForm::changeEvent(QEvent* event) {
    // Coming back from an exercise screen: its result may have changed the marks.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) refresh();
    QWidget::changeEvent(event);
}

void TWyborForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), QColor(24, 32, 48));
        painter.fillRect(QRect(kListAt, kChooserListSize), Qt::white);
        return;
    }
    painter.drawImage(QPoint(0, 0), m_background);
}

void TWyborForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        m_help.open_help_page(m_chooser.mode() == 2 ? "Htm_r\\h_rep.html"
                                                    : "Htm_r\\h_comp.html#wybor");
        return;
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Up:
        m_chooser.scroll_up();
        list_changed();
        return;
    case Qt::Key_Down:
        m_chooser.scroll_down();
        list_changed();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TWyborForm::list_changed() {
    const Arrows arrows = m_chooser.arrows();
    m_up->setVisible(arrows.up);
    m_down->setVisible(arrows.down);
    m_list->update();
}

void TWyborForm::left_click(QPoint at) {
    hide_delete_one();
    const Click click = m_chooser.left_click(at.x(), at.y());
    if (click.toggled) list_changed();
    if (click.open && m_links.open) m_links.open(*click.open);
}

void TWyborForm::right_click(QPoint at, QPoint in_window) {
    const std::optional<int> row = m_chooser.right_click(at.x(), at.y());
    if (!row) return;
    m_bound_row = *row;
    m_delete_one->move(in_window - QPoint(kDeleteOneOffset, kDeleteOneOffset));
    m_delete_one->show();
    m_delete_one->raise();
}

void TWyborForm::hide_delete_one() {
    m_delete_one->hide();
    m_bound_row = -1;
}

void TWyborForm::save_repetitions() {
    try {
        m_repetitions.powt_save(repetitions_file_path(m_course.config));
    } catch (const FileWriteError& error) {
        m_message_window.show_message(qstring_to_uni(QString::fromStdString(error.what())));
    }
}

void TWyborForm::delete_one() {
    const int row = m_bound_row;
    hide_delete_one();
    if (row < 0 || !m_chooser.remove_repetition(row)) return;
    save_repetitions();
    list_changed();
}

void TWyborForm::delete_all() {
    hide_delete_one();
    if (!m_confirmation.ask()) return;
    m_repetitions.powt_clear();
    save_repetitions();
    m_message_window.show_message(m_course.texts.text(kAllDeletedText));
    if (m_links.all_repetitions_deleted) m_links.all_repetitions_deleted();
    close();
}

void TWyborForm::set_expanded(bool expanded) {
    hide_delete_one();
    expanded ? m_chooser.expand_all() : m_chooser.collapse_all();
    m_expand_all->setVisible(!expanded);
    m_collapse_all->setVisible(expanded);
    list_changed();
}

void TWyborForm::show_help_text() {
    const int text = m_chooser.mode() == 2 ? kHelpTextRepetitions : kHelpTextLessons;
    m_help.show_help_text(uni_widen("HH_") + m_course.texts.text(text));
}

} // namespace vimo
