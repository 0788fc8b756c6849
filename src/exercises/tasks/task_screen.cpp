#include "exercises/tasks/task_screen.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/label_drag.h"
#include "controls/label_look_up.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/exercise_kinds.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/uni.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <stdexcept>

namespace vimo {

namespace {

constexpr int kGlossaryHint = 160;
constexpr int kInstructionHeight = 56; // three lines of the instruction's font
constexpr int kDictionaryHint = 161;

const ExerciseKind& task_kind_row(std::string_view task_kind) {
    const ExerciseKind* kind = exercise_kind_for_task(task_kind);
    if (!kind) throw std::invalid_argument("no task kind " + std::string(task_kind));
    return *kind;
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

QImage plain_exclamation(const QColor& colour) {
    QImage image(14, 18, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(5, 1, 4, 11), 2, 2);
    painter.drawEllipse(QRectF(4.5, 13, 5, 5));
    return image;
}

} // namespace

AnswerPictures AnswerPictures::load(const Config& config) {
    const QColor frame(60, 90, 120);
    const QColor wrong(200, 40, 40);
    const QColor right(40, 150, 70);
    const auto picture = [&config](const char* name, const QColor& colour, bool filled) {
        QImage image = load_masked_picture(config.course_path(name));
        return image.isNull() ? plain_picture(colour, filled) : image;
    };
    QImage exclamation = load_masked_picture(config.course_path("gfx_r\\wykrzyknik.bmp"));
    if (exclamation.isNull()) exclamation = plain_exclamation(wrong);
    return {.box_normal = picture("gfx_r\\img_normal.bmp", frame, false),
            .box_checked = picture("gfx_r\\img_checked.bmp", frame, true),
            .box_bad = picture("gfx_r\\img_bad.bmp", wrong, true),
            .mark_ok = picture("gfx_r\\stan_ok.bmp", right, true),
            .mark_bad = picture("gfx_r\\stan_bad.bmp", wrong, true),
            .exclamation = std::move(exclamation)};
}

InstructionBox::InstructionBox(QWidget* parent, InstructionWordTable& table)
    : QWidget(parent), m_table(table) {
    setObjectName("pb_polecenie");
}

void InstructionBox::set_instruction(std::string language_folder, UniString field4,
                                     UniString field5, UniString field6) {
    m_language_folder = std::move(language_folder);
    m_fields = {std::move(field4), std::move(field5), std::move(field6)};
    update();
}

void InstructionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_instruction(painter, *this, m_language_folder, m_fields[0], m_fields[1], m_fields[2],
                      m_table);
}

void InstructionBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    instruction_mouse_down(m_table, event->button(), at.x(), at.y(), m_look_up);
}

TaskScreen::TaskScreen(ScreenServices& services, std::string_view task_kind, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_course(services.course),
      m_random(services.random), m_help(services.help), m_kind(task_kind_row(task_kind)) {
    const TMyImageList& buttons = services.pictures;
    setFixedSize(kSize);
    m_instruction = new InstructionBox(this, services.instructions);
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
    m_help_button->setVisible(m_kind.help_text.has_value());

    connect(m_check, &TTransparentButton::clicked, this, &TaskScreen::check);
    connect(m_again, &TTransparentButton::clicked, this, [this] {
        reload();
        // The task starts again with its recording, whose player the learner may
        // have closed meanwhile.
        if (m_lesson && m_lesson->media == TextMedia::recording && m_links.media) m_links.media();
    });
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
        if (m_kind.help_text)
            m_help.show_help_text(uni_widen("HH_") + m_course.texts.text(*m_kind.help_text));
    });
}

void TaskScreen::set_links(Links links) {
    m_links = std::move(links);
    m_instruction->set_look_up(m_links.look_up);
}

QFont TaskScreen::list_font(bool bold) {
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(bold);
    return font;
}

QFont TaskScreen::drag_label_font() {
    QFont font("Verdana");
    font.setPixelSize(13);
    return font;
}

TUniLabel* TaskScreen::make_drag_label(const QString& name, LabelDrag& drag) {
    auto* label = new TUniLabel(this);
    label->setObjectName(name);
    label->setFont(drag_label_font());
    label->setUseNormalCaption(true);
    label->hide();
    look_up_on_right_click(*label);
    drag.add(*label);
    return label;
}

void TaskScreen::print_document(const QString& document) const {
    if (m_links.print) m_links.print(document);
}

void TaskScreen::look_up_word(const UniString& word) const {
    if (m_links.look_up) m_links.look_up(word, 0);
}

void TaskScreen::open_translation(const std::string& file_name) const {
    if (m_links.open_translation) m_links.open_translation(file_name);
}

void TaskScreen::use_own_frame(QPoint check_at, QPoint again_at, QPoint leave_at) {
    m_check->move(check_at);
    m_again->move(again_at);
    m_exit->move(leave_at);
    m_glossary->hide();
    m_dictionary->hide();
    m_shows_score = false;
}

void TaskScreen::use_plain_background() {
    m_plain_background = true;
}

void TaskScreen::look_up_on_right_click(TUniLabel& label) {
    if (!m_label_look_up)
        m_label_look_up =
            new LabelLookUp(this, [this](const UniString& word) { look_up_word(word); });
    m_label_look_up->watch(label);
}

std::optional<std::string> TaskScreen::content_problem(const TaskEntry&) const {
    return std::nullopt;
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
    const UniString& header = m_task->header;
    m_instruction->set_instruction(m_course.config.language_folder, uni_field(4, header, u'#'),
                                   uni_field(5, header, u'#'), uni_field(6, header, u'#'));
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
    m_answers = AnswerPictures::load(config);

    const InterfaceTexts& texts = m_course.texts;
    m_glossary->setToolTip(uni_to_qstring(texts.text(kGlossaryHint)));
    m_dictionary->setToolTip(uni_to_qstring(texts.text(kDictionaryHint)));
    m_again->setToolTip(m_kind.again_hint ? uni_to_qstring(texts.text(*m_kind.again_hint))
                                          : QString());
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
        const ExerciseKind* kind = exercise_kind_for_task(tab_task->kind);
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
    if (m_shows_score) {
        m_score_panel->setWynik(attempt().score());
        m_score_panel->show();
    }
    update();
}

void TaskScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_plain_background) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
    } else {
        painter.fillRect(rect(), Qt::white);
        if (!m_background.isNull()) painter.drawImage(QPoint(0, 0), m_background);
    }
    if (!m_panel.isNull()) painter.drawImage(QPoint(924, 0), m_panel);
}

void TaskScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        m_help.open_help_page(std::string(m_kind.help_page));
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vimo
