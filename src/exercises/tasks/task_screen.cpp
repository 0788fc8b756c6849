#include "exercises/tasks/task_screen.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/exercise_kinds.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/uni.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr int kGlossaryHint = 160;
constexpr int kInstructionHeight = 56; // three lines of the instruction's font
constexpr int kDictionaryHint = 161;

// The again button's hint on each screen.
int again_hint(std::string_view kind) {
    if (kind == "DD") return 21;
    if (kind == "DV") return 22;
    if (kind == "DF") return 23;
    if (kind == "HH") return 24;
    if (kind == "MC") return 25;
    if (kind == "TF") return 26;
    return 27; // typing
}

QImage load_picture(const std::string& path) {
    return QImage(QString::fromStdString(resolve_path(path)));
}

QImage plain_picture(const QColor& colour, bool filled) {
    QImage image(18, 18, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 15, 15));
    if (filled) painter.fillRect(QRect(5, 5, 8, 8), colour);
    return image;
}

} // namespace

QImage answer_box_picture(const Config& config, AnswerBox box) {
    static constexpr const char* names[] = {"gfx_r\\img_normal.bmp", "gfx_r\\img_checked.bmp",
                                            "gfx_r\\img_bad.bmp"};
    QImage picture = load_masked_picture(config.course_path(names[static_cast<int>(box)]));
    if (!picture.isNull()) return picture;
    const QColor colour = box == AnswerBox::bad ? QColor(200, 40, 40) : QColor(60, 90, 120);
    return plain_picture(colour, box != AnswerBox::normal);
}

QImage result_mark_picture(const Config& config, bool ok) {
    QImage picture =
        load_masked_picture(config.course_path(ok ? "gfx_r\\stan_ok.bmp" : "gfx_r\\stan_bad.bmp"));
    if (!picture.isNull()) return picture;
    return plain_picture(ok ? QColor(40, 150, 70) : QColor(200, 40, 40), true);
}

InstructionBox::InstructionBox(TaskScreen& screen, InstructionWordTable& table)
    : QWidget(&screen), m_screen(screen), m_table(table) {
    setObjectName("pb_polecenie");
}

void InstructionBox::paintEvent(QPaintEvent*) {
    if (!m_screen.m_task) return;
    const UniString& header = m_screen.m_task->header;
    QPainter painter(this);
    paint_instruction(painter, *this, m_screen.m_course.config.language_folder,
                      uni_field(4, header, u'#'), uni_field(5, header, u'#'),
                      uni_field(6, header, u'#'), m_table);
}

void InstructionBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    instruction_mouse_down(m_table, event->button(), at.x(), at.y(), m_screen.m_links.look_up);
}

TaskScreen::TaskScreen(const CourseState& course, const TMyImageList& buttons, HelpLinks& help,
                       InstructionWordTable& instructions, std::string kind, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_course(course), m_help(help),
      m_kind(std::move(kind)) {
    setFixedSize(kSize);
    m_instruction = new InstructionBox(*this, instructions);
    for (std::size_t k = 0; k < m_tabs.size(); ++k) {
        auto* tab = new TMImage(this);
        tab->setObjectName(QString("MImage%1").arg(k + 1));
        tab->setCursor(Qt::PointingHandCursor);
        tab->move(kTabLeft, kTabTop + static_cast<int>(k) * kTabStep);
        tab->hide();
        const int number = static_cast<int>(k) + 1;
        connect(tab, &TMImage::clicked, this, [this, number] {
            if (m_links.tab_clicked) m_links.tab_clicked(number);
        });
        m_tabs[k] = tab;
    }
    m_check = make_picture_button(this, buttons, button_picture::check, kCheckAt, "btn_ok");
    m_again =
        make_picture_button(this, buttons, button_picture::again, kCheckAt, "lbl_jeszcze_raz");
    m_glossary =
        make_picture_button(this, buttons, button_picture::glossary, kGlossaryAt, "btn_tlumacz");
    m_dictionary = make_picture_button(this, buttons, button_picture::dictionary, kDictionaryAt,
                                       "btn_slownik");
    m_help_button = make_picture_button(this, buttons, button_picture::help, kHelpAt, "btn_help");
    m_media = make_picture_button(this, buttons, button_picture::film, kMediaAt, "btn_media");
    m_exit = make_picture_button(this, buttons, button_picture::exit, kExitAt, "lbl_exit");
    m_score_panel = new TPanel1(this);
    m_score_panel->setObjectName("panel_wynik");
    m_score_panel->move(kScorePanelAt);
    m_again->hide();
    m_score_panel->hide();
    m_help_button->setVisible(task_help_text(m_kind).has_value());

    connect(m_check, &TTransparentButton::clicked, this, &TaskScreen::check);
    connect(m_again, &TTransparentButton::clicked, this, &TaskScreen::reload);
    connect(m_exit, &TTransparentButton::clicked, this, [this] {
        if (m_links.leave) m_links.leave();
    });
    connect(m_media, &TTransparentButton::clicked, this, [this] {
        if (m_links.media) m_links.media();
    });
    connect(m_glossary, &TTransparentButton::clicked, this, [this] {
        if (m_links.glossary) m_links.glossary();
    });
    connect(m_dictionary, &TTransparentButton::clicked, this, [this] {
        if (m_links.dictionary) m_links.dictionary();
    });
    connect(m_help_button, &TTransparentButton::clicked, this, [this] {
        if (const std::optional<int> text = task_help_text(m_kind))
            m_help.show_help_text(uni_widen("HH_") + m_course.texts.text(*text));
    });
}

void TaskScreen::open_task(const LessonContext& lesson, const TaskEntry& task) {
    m_lesson = &lesson;
    m_task = &task;
    load_pictures(lesson, task);
    reload();
    setWindowTitle(cp1250_to_qstring(m_course.config.window_caption));
    show();
    raise();
    activateWindow();
}

void TaskScreen::reload() {
    if (!m_task) return;
    m_check->show();
    m_again->hide();
    m_score_panel->hide();
    m_layout = task_layout(*m_task, area_defaults());
    const int left = m_layout.instruction_left;
    m_instruction->setGeometry(left, m_layout.instruction_top,
                               std::max(0, instruction_right() - left), kInstructionHeight);
    m_instruction->update();
    load_content(*m_task, m_layout);
    update();
}

void TaskScreen::load_pictures(const LessonContext& lesson, const TaskEntry& task) {
    const Config& config = m_course.config;
    const std::string background =
        uni_narrow(uni_field(3, task.header, u'#'), 1, static_cast<int>(task.header.size()));
    m_background = load_picture(config.course_path("teksty_gfx_r\\" + background + ".jpg"));
    if (background.empty() || m_background.isNull())
        m_background = load_picture(config.course_path("teksty_gfx_r\\bitmap_0.jpg"));
    m_panel = load_picture(config.course_path(std::string("gfx_r\\panel_prawy_teksty_") +
                                              config.variant_letter + ".bmp"));
    m_score_panel->setTlo(load_picture(config.language_path("gfx_r\\panel_wynik.bmp")));
    m_score_panel->setTorcik(load_masked_picture(config.course_path("gfx_r\\torcik.bmp")));

    const InterfaceTexts& texts = m_course.texts;
    m_glossary->setToolTip(uni_to_qstring(texts.text(kGlossaryHint)));
    m_dictionary->setToolTip(uni_to_qstring(texts.text(kDictionaryHint)));
    m_again->setToolTip(uni_to_qstring(texts.text(again_hint(m_kind))));
    m_media->setToolTip({});
    for (int k = 1; k <= kMaxTabs; ++k) {
        TMImage& tab_image = tab(k);
        const TaskEntry* tab_task = lesson.task(k);
        tab_image.setVisible(tab_task != nullptr);
        if (!tab_task) continue;
        const std::string name =
            "but_r\\zakl\\_" + std::to_string(k) + (k == lesson.current_tab ? "a" : "") + ".bmp";
        tab_image.setPicture(load_masked_picture(config.course_path(name)));
        if (tab_image.size().isEmpty()) tab_image.resize(80, 20);
        const std::optional<std::uint8_t> code = task_code(*tab_task);
        const ExerciseKind* kind = code ? exercise_kind(static_cast<char>(*code)) : nullptr;
        tab_image.setToolTip(kind && kind->row_text ? uni_to_qstring(texts.text(*kind->row_text))
                                                    : QString());
    }
    // A recording opens in the media window at once; a film and a page have a button.
    m_media->setVisible(lesson.media != TextMedia::recording);
    m_media->setBitmapNormal(lesson.media == TextMedia::page ? button_picture::web_page
                                                             : button_picture::film);
}

void TaskScreen::check() {
    if (m_links.stop_sound) m_links.stop_sound();
    m_check->hide();
    evaluate();
    m_again->show();
    m_score_panel->setWynik(attempt().score());
    m_score_panel->show();
    update();
}

void TaskScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_background.isNull()) painter.drawImage(QPoint(0, 0), m_background);
    if (!m_panel.isNull()) painter.drawImage(QPoint(924, 0), m_panel);
}

void TaskScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        m_help.open_help_page(task_help_page(m_kind));
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vimo
