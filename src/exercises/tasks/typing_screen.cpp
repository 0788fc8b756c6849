#include "exercises/tasks/typing_screen.h"

#include "controls/MyImageList.h"
#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/fcs_image1.h"
#include "controls/font_panel.h"
#include "controls/message_window.h"
#include "controls/special_letters.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/settings.h"
#include "core/text_file.h"
#include "html/printing.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

const QColor kGapColour{Qt::blue};
const QColor kBoxFrame{102, 204, 255};

TypingMeasure font_measure() {
    return [normal = QFontMetrics(TaskScreen::list_font(false)),
            bold = QFontMetrics(TaskScreen::list_font(true))](const UniString& text, bool b) {
        return (b ? bold : normal).horizontalAdvance(uni_to_qstring(text));
    };
}

} // namespace

TypingBox::TypingBox(QWidget* parent, const Typing& engine, const AnswerPictures& pictures,
                     Events events)
    : QWidget(parent), m_engine(engine), m_pictures(pictures), m_events(std::move(events)) {
    setObjectName("DXRamka");
    setMouseTracking(true);
}

void TypingBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    const QFont normal = TaskScreen::list_font(false);
    const QFont bold = TaskScreen::list_font(true);
    const int ascent = QFontMetrics(normal).ascent();
    for (const TypingDrawn& drawn : m_engine.layout().drawn) {
        if (drawn.mark == TypingMark::ok) painter.drawImage(drawn.x, drawn.y, m_pictures.mark_ok);
        if (drawn.mark == TypingMark::bad) painter.drawImage(drawn.x, drawn.y, m_pictures.mark_bad);
        painter.setFont(drawn.bold ? bold : normal);
        painter.setPen(drawn.blue ? kGapColour : QColor(Qt::black));
        painter.drawText(QPoint(drawn.text_x, drawn.y + ascent), uni_to_qstring(drawn.text));
        const int right = drawn.text_x + drawn.advance - 4; // the box's last column
        if (drawn.white_box) {
            // An empty gap of box mode: a white box over its placeholder.
            painter.setPen(kBoxFrame);
            painter.setBrush(Qt::white);
            painter.drawRect(QRect(QPoint(drawn.text_x, drawn.y - 2), QPoint(right, drawn.y + 18)));
            painter.setBrush(Qt::NoBrush);
        } else if (drawn.underline) {
            // A gap with nothing to show would be invisible: a line marks its place.
            painter.drawLine(drawn.text_x, drawn.y + 18, right, drawn.y + 18);
        }
    }
}

void TypingBox::mousePressEvent(QMouseEvent* event) {
    if (m_events.pressed) m_events.pressed(event->button(), event->position().toPoint());
}

void TypingBox::mouseMoveEvent(QMouseEvent* event) {
    if (m_events.moved) m_events.moved(event->position().toPoint());
}

TCW_Wpisywanie1Form::TCW_Wpisywanie1Form(ScreenServices& services, QWidget* parent)
    : TaskScreen(services, "WP", parent), m_messages(services.messages),
      m_settings(services.settings) {
    setObjectName("TCW_Wpisywanie1Form");
    m_box = new TypingBox(this, m_typing, answer_pictures(),
                          {.pressed = [this](Qt::MouseButton b, QPoint at) { box_pressed(b, at); },
                           .moved = [this](QPoint at) { box_moved(at); }});
    m_edit = new QLineEdit(this);
    m_edit->setObjectName("Edit1");
    m_edit->setFont(list_font(false));
    m_edit->hide();
    const CourseState& course = m_course;
    install_special_letters(m_edit, [&course] { return course.config.course_variant; });
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, [this] { m_typing.typed(); });

    m_up = new TFCSImage1(this);
    m_up->setObjectName("btn_up");
    m_down = new TFCSImage1(this);
    m_down->setObjectName("btn_dn");
    for (TFCSImage1* arrow : {m_up, m_down}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->resize(32, 32);
        arrow->hide();
    }
    connect(m_up, &TFCSImage1::clicked, this, [this] { scroll_by(-1); });
    connect(m_down, &TFCSImage1::clicked, this, [this] { scroll_by(1); });

    const TMyImageList& buttons = services.pictures;
    m_print = make_picture_button(this, buttons, button_picture::print, kPrintAt, "btn_print");
    m_translation = make_picture_button(this, buttons, button_picture::glossary, kTranslationAt,
                                        "btn_tlumacz_tekstu");
    connect(m_print, &TTransparentButton::clicked, this, [this] { btn_printClick(); });
    connect(m_translation, &TTransparentButton::clicked, this,
            [this] { open_translation(translation_file_name(m_name)); });

    m_font_panel = new TFcsFontPanel(this);
    m_font_panel->setObjectName("FontPanel");
    m_font_panel->setObiektEdit(m_edit);
    m_font_panel->hide();
}

AreaDefaults TCW_Wpisywanie1Form::area_defaults() const {
    return {kBoxLeft, kBoxTop, -1, kBoxHeight};
}

int TCW_Wpisywanie1Form::instruction_right() const {
    return layout().instruction_left + kInstructionWidth;
}

void TCW_Wpisywanie1Form::load_content(const TaskEntry& task, const TaskLayout& layout) {
    m_header = task.header;
    m_name = typing_file_name(task.kind_line);
    hide_editor();
    m_box->setToolTip({});
    const Config& config = m_course.config;
    m_font_panel->setJezyk(font_panel_language(config.course_variant));
    place_controls(layout);
    m_up->setPicture(load_masked_picture(config.course_path("gfx_r\\wybor\\up.bmp")));
    m_down->setPicture(load_masked_picture(config.course_path("gfx_r\\wybor\\down.bmp")));
    for (TFCSImage1* arrow : {m_up, m_down})
        if (arrow->size().isEmpty()) arrow->resize(32, 32);
    m_print->setToolTip(uni_to_qstring(m_course.texts.text(kPrintHint)));
    m_translation->setToolTip(uni_to_qstring(m_course.texts.text(kTranslationHint)));
    // The button list is the interface language's, loaded after the screens were made.
    const TMyImageList* buttons = m_translation->imageList();
    m_translation->setBitmapNormal(buttons && buttons->count() > button_picture::translation
                                       ? button_picture::translation
                                       : button_picture::glossary);

    const bool read = read_text(typing_file_path(config.course_root, m_name));
    const TypingText& text = m_typing.text();
    m_print->setVisible(read && !text.has_tab);
    m_translation->setVisible(read &&
                              path_exists(translation_file_path(config.course_root, m_name)));
    if (auto* glossary = findChild<TTransparentButton*>("btn_tlumacz"))
        glossary->setVisible(read && !uni_is_blank(text.glossary) && config.course_variant != 2 &&
                             config.language_number != 2);
    relayout();
}

// The text of the typing file; false (and the learner told why) when there is none.
bool TCW_Wpisywanie1Form::read_text(const std::string& path) {
    std::variant<TypingText, std::string> read = read_typing_text(path);
    if (auto* problem = std::get_if<std::string>(&read)) {
        refuse(*problem);
        return false;
    }
    m_typing.load(std::get<TypingText>(std::move(read)));
    return true;
}

std::variant<TypingText, std::string>
TCW_Wpisywanie1Form::read_typing_text(const std::string& path) {
    try {
        std::optional<TypingText> text = load_typing_file(path);
        if (!text) return "Brak pliku: " + path + ".";
        return std::move(*text);
    } catch (const CourseFileError& error) {
        return std::string(error.what());
    }
}

std::optional<std::string> TCW_Wpisywanie1Form::content_problem(const TaskEntry& task) const {
    const std::string path =
        typing_file_path(m_course.config.course_root, typing_file_name(task.kind_line));
    std::variant<TypingText, std::string> read = read_typing_text(path);
    if (auto* problem = std::get_if<std::string>(&read)) return *problem;
    return std::nullopt;
}

// A typing file that cannot be used leaves the task empty, with nothing to check
// and so nothing to report, and says what is wrong with it.
void TCW_Wpisywanie1Form::refuse(const std::string& message) {
    m_typing.load({});
    check_button().hide();
    m_messages.show_message(qstring_to_uni(QString::fromStdString(message)));
}

void TCW_Wpisywanie1Form::place_controls(const TaskLayout& layout) {
    const int left = layout.area_left;
    const int top = layout.area_top;
    const int width = layout.area_width > 0 ? layout.area_width : kBoxRight - left;
    const int height = layout.area_height > 0 ? layout.area_height : kBoxHeight;
    m_box->setGeometry(left, top, std::max(1, width), std::max(1, height));
    const int arrows_x = m_box->geometry().right() + 1 + kArrowGap;
    m_up->move(arrows_x, top);
    m_down->move(arrows_x, top + m_box->height() - m_down->height());
    m_font_panel->move(left, top + m_box->height() + kArrowGap);
}

void TCW_Wpisywanie1Form::relayout() {
    m_typing.relayout(m_box->width(), m_box->height(), font_measure());
    sync_arrows();
    m_box->update();
}

UniString TCW_Wpisywanie1Form::editor_text() const {
    return qstring_to_uni(m_edit->text());
}

void TCW_Wpisywanie1Form::box_pressed(Qt::MouseButton button, QPoint at) {
    if (button == Qt::RightButton) {
        const int word = m_typing.word_at(at.x(), at.y());
        if (word >= 0) {
            look_up_word(m_typing.text().tokens[static_cast<std::size_t>(word)].text);
            return;
        }
    }
    if (m_typing.attempt().checked) return;
    const int gap = m_typing.gap_at(at.x(), at.y());
    if (gap >= 0)
        open_gap(gap);
    else
        close_editor();
}

void TCW_Wpisywanie1Form::box_moved(QPoint at) {
    const bool checked = m_typing.attempt().checked;
    const bool over_gap = !checked && m_typing.gap_at(at.x(), at.y()) >= 0;
    m_box->setCursor(over_gap ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (!checked) return;
    const InterfaceTexts& texts = m_course.texts;
    const std::optional<UniString> hint =
        m_typing.hint_at(at.x(), at.y(), texts.text(kTypedHint), texts.text(kNothingTypedHint));
    m_box->setToolTip(hint ? uni_to_qstring(*hint) : QString());
}

void TCW_Wpisywanie1Form::open_gap(int k) {
    const std::optional<UniString> text = m_typing.open_gap(k, editor_text());
    if (!text) {
        hide_editor();
        m_box->update();
        return;
    }
    const auto token =
        static_cast<std::size_t>(m_typing.text().gaps[static_cast<std::size_t>(k)].token);
    const TypingPlace& place = m_typing.layout().places[token];
    m_edit->setText(uni_to_qstring(*text));
    m_edit->setGeometry(m_box->x() + place.x + 1, m_box->y() + place.y,
                        std::max(kEditHeight, m_typing.text().gap_width - 5), kEditHeight);
    m_edit->show();
    m_edit->raise();
    m_edit->setFocus();
    m_edit->selectAll();
    m_font_panel->show();
    m_font_panel->raise();
    m_box->update();
}

void TCW_Wpisywanie1Form::close_editor() {
    m_typing.close_editor(editor_text());
    hide_editor();
    m_box->update();
}

void TCW_Wpisywanie1Form::hide_editor() {
    m_edit->hide();
    m_edit->clear();
    m_font_panel->hide();
}

void TCW_Wpisywanie1Form::scroll_by(int step) {
    m_typing.scroll_by(step, editor_text());
    hide_editor();
    sync_arrows();
    m_box->update();
}

void TCW_Wpisywanie1Form::sync_arrows() {
    m_up->setVisible(m_typing.scroll() > 0);
    m_down->setVisible(m_typing.scroll() < m_typing.max_scroll());
}

void TCW_Wpisywanie1Form::evaluate() {
    m_typing.check(editor_text(), m_settings.letter_case);
    hide_editor();
    sync_arrows();
    m_box->setCursor(Qt::ArrowCursor);
    m_box->update();
}

bool TCW_Wpisywanie1Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return TaskScreen::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Tab && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    const int next = m_typing.next_gap();
    if (next >= 0) open_gap(next);
    return true;
}

QString TCW_Wpisywanie1Form::printout_document() {
    // The gap being edited holds its text in the editor until it is stored.
    if (m_typing.editing() >= 0) close_editor();
    const auto [title, name] = typing_lesson_titles(m_course.tables, m_course.names, m_header);
    const TypingPrintout page{.style_sheet = typing_style_sheet(m_course.config.course_root),
                              .lesson_title = title,
                              .lesson_name = name,
                              .footer = QString::fromUtf8(kCopyrightLine)};
    return typing_printout_document(m_typing.text(), page);
}

void TCW_Wpisywanie1Form::btn_printClick() {
    print_document(printout_document());
}

} // namespace vimo
