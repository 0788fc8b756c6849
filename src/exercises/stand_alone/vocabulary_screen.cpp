#include "exercises/stand_alone/vocabulary_screen.h"

#include "audio/record_hold.h"
#include "controls/MyImageList.h"
#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/answer_popup.h"
#include "controls/button_pictures.h"
#include "controls/label_look_up.h"
#include "controls/message_window.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "controls/special_letters.h"
#include "core/help_links.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/text_file.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

namespace vimo {

namespace {

constexpr int kTabLeft = 924;
constexpr std::array<int, kDrillTabs> kTabTops = {56, 82, 108, 134, 160};
constexpr QPoint kExitAt{999, 0};
constexpr QPoint kScoreAt{50, 108};
constexpr QPoint kInstructionAt{50, 151};
constexpr QRect kWordLabel{50, 175, 843, 24};
constexpr QRect kWordLineBox{48, 176, 853, 69};
constexpr QRect kTypingField{48, 205, 401, 28};
constexpr QRect kRightAnswer{46, 206, 453, 78};
constexpr int kRightAnswerBesideMark = 80;
constexpr QPoint kMarkAt{50, 208};
constexpr QRect kTranslation{49, 245, 453, 35};
constexpr int kChoiceLeft = 85;
constexpr std::array<int, 4> kChoiceOffsets = {66, 106, 144, 186};
constexpr int kBulletLeft = 12;
constexpr QPoint kOkAt{137, 304};
constexpr QPoint kPlayAt{935, 198};
constexpr QPoint kReplayAt{57, 611};
constexpr QPoint kDictionaryAt{935, 605};
constexpr QPoint kHelpAt{0, 743};
constexpr QRect kExample{86, 679, 787, 58};
constexpr QPoint kFlagAt{35, 676};
constexpr QPoint kExampleSpeakerAt{63, 676};
constexpr QRect kWordList{49, 175, 808, 404};
constexpr int kOwnSpeakerLeft = 74;
constexpr QSize kBubble{275, 49};
constexpr int kBackgrounds = 16;
constexpr int kWordListText = 144;
constexpr int kYourAnswerText = 176;
constexpr int kNoAnswerText = 177;
constexpr int kDictionaryHint = 161;
constexpr int kFirstTabHint = 149;
constexpr int kFirstHelpText = 155;
constexpr const char* kHelpPage = "Htm_r\\h_comp.html#slowka";
constexpr int kIconSize = 18;

QFont verdana_pixels(int pixels, bool bold = false) {
    QFont font("Verdana");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QImage plain_icon(const QColor& colour, bool round) {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (round)
        painter.drawEllipse(QRectF(4, 4, 10, 10));
    else
        painter.drawRoundedRect(QRectF(3, 3, 12, 12), 3, 3);
    return image;
}

// A drill icon of the course (gfx_r\slowka\), drawn plainly when the course lacks it.
QImage drill_icon(const Config& config, const char* name, const QColor& colour, bool round) {
    QImage image = load_masked_picture(config.course_path(std::string("gfx_r\\slowka\\") + name));
    return image.isNull() ? plain_icon(colour, round) : image;
}

TUniLabel* make_label(QWidget* parent, const char* name, const QFont& font, bool wrap) {
    auto* label = new TUniLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setUseNormalCaption(true);
    label->setWordWrap(wrap);
    label->hide();
    return label;
}

void place_fixed(TUniLabel& label, const QRect& rect) {
    label.setAutoSize(false);
    label.setGeometry(rect);
}

void set_label_text(TUniLabel& label, const QString& text) {
    label.setCaptionNormal(qstring_to_uni(text));
}

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

TMImage* make_icon(QWidget* parent, const char* name, const QImage& picture, QPoint at) {
    auto* icon = new TMImage(parent);
    icon->setObjectName(name);
    icon->setPicture(picture);
    icon->move(at);
    icon->hide();
    return icon;
}

} // namespace

WordLineBox::WordLineBox(QWidget* parent) : QWidget(parent) {
    setObjectName("dxramka");
    setGeometry(kWordLineBox);
    m_base_height = kWordLineBox.height();
    hide();
}

QFont WordLineBox::line_font() {
    QFont font("Verdana");
    font.setPointSize(14);
    return font;
}

void WordLineBox::set_text(const std::string& text, bool highlighting) {
    const QFontMetrics metrics(line_font());
    m_layout = lay_out_word_line(
        word_line_tokens(text), width(), highlighting,
        [&metrics](const std::string& piece) { return metrics.horizontalAdvance(utf8(piece)); });
    const int line_height = metrics.boundingRect(QStringLiteral("Wy")).height();
    resize(width(), std::max(m_base_height, m_layout.lines * line_height));
    update();
}

void WordLineBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(line_font());
    const QFontMetrics metrics(line_font());
    const int line_height = metrics.boundingRect(QStringLiteral("Wy")).height();
    for (const PaintedToken& token : m_layout.tokens) {
        painter.setPen(token.blue ? QColor(Qt::blue) : QColor(Qt::black));
        painter.drawText(QPoint(token.x, token.line * line_height + metrics.ascent()),
                         utf8(token.text));
    }
}

WordListBox::WordListBox(QWidget* parent, QImage microphone, QImage microphone_on, QImage speaker)
    : QWidget(parent), m_microphone(std::move(microphone)),
      m_microphone_on(std::move(microphone_on)), m_speaker(std::move(speaker)) {
    setObjectName("dxramka_mat");
    setGeometry(kWordList);
    setMouseTracking(true);
    hide();
}

void WordListBox::set_rows(std::vector<Row> rows, const QFont& font) {
    m_rows = std::move(rows);
    m_font = font;
    m_row_height = QFontMetrics(font).boundingRect(QStringLiteral("Wy")).height() + 2;
    m_first = 1;
    m_recording_row = 0;
    update();
}

void WordListBox::set_recording_row(int row) {
    m_recording_row = row;
    update();
}

int WordListBox::visible_rows() const {
    return std::max(1, height() / std::max(1, m_row_height));
}

void WordListBox::scroll_rows(int rows) {
    const int last_first = std::max(1, static_cast<int>(m_rows.size()) - visible_rows() + 1);
    m_first = std::clamp(m_first + rows, 1, last_first);
    update();
}

std::optional<int> WordListBox::row_top(int row) const {
    const int top = (row - m_first) * m_row_height;
    if (row < m_first || top + m_row_height > height()) return std::nullopt;
    return top;
}

int WordListBox::text_right(const Row& row) const {
    return 100 + QFontMetrics(m_font).horizontalAdvance(utf8(row.text));
}

WordListBox::Hit WordListBox::hit_at(QPoint at) const {
    if (at.y() < 0 || m_row_height <= 0) return {};
    const int row = m_first + at.y() / m_row_height;
    if (row < 1 || row > static_cast<int>(m_rows.size())) return {};
    const int y_in_row = at.y() % m_row_height;
    const Row& r = m_rows[static_cast<std::size_t>(row - 1)];
    if (at.x() >= 0 && at.x() <= 20 && y_in_row <= 20) return {row, Part::microphone, 20};
    const int right = text_right(r);
    if (at.x() >= 49 && at.x() <= right)
        return {row, at.x() >= 79 ? Part::text : Part::speaker, right};
    return {};
}

void WordListBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(m_font);
    for (int row = m_first; row <= static_cast<int>(m_rows.size()); ++row) {
        const std::optional<int> top = row_top(row);
        if (!top) break;
        const Row& r = m_rows[static_cast<std::size_t>(row - 1)];
        painter.drawImage(QPoint(1, *top), row == m_recording_row ? m_microphone_on : m_microphone);
        if (r.has_sound) painter.drawImage(QPoint(r.sentence ? 70 : 49, *top), m_speaker);
        painter.drawText(QPoint(100, *top + metrics.ascent()), utf8(r.text));
    }
}

void WordListBox::mousePressEvent(QMouseEvent* event) {
    const Hit hit = hit_at(event->position().toPoint());
    if (hit.part != Part::none && m_hooks.pressed)
        m_hooks.pressed(hit.row, hit.part, event->button());
}

void WordListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (m_hooks.released) m_hooks.released(event->button());
}

void WordListBox::mouseMoveEvent(QMouseEvent* event) {
    const Hit hit = hit_at(event->position().toPoint());
    setCursor(hit.part == Part::none ? Qt::ArrowCursor : Qt::PointingHandCursor);
    const int top = hit.row > 0 ? row_top(hit.row).value_or(0) : 0;
    if (m_hooks.hovered) m_hooks.hovered(hit, top);
}

void WordListBox::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    scroll_rows(-3 * steps);
}

TForm4::TForm4(StandAloneServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services),
      m_course(services.screen.course) {
    setObjectName("Form4");
    setFixedSize(kSize);
    m_look_up = new LabelLookUp(this, [this](const UniString& word) {
        if (m_services.links.look_up) m_services.links.look_up(word, 0);
    });
    const TMyImageList& buttons = services.screen.pictures;
    for (int n = 1; n <= kDrillTabs; ++n) {
        auto* tab = new TMImage(this);
        tab->setObjectName(QString("zak_%1").arg(n));
        tab->setCursor(Qt::PointingHandCursor);
        tab->move(kTabLeft, kTabTops[static_cast<std::size_t>(n - 1)]);
        connect(tab, &TMImage::clicked, this, [this, n] { enter_tab(n); });
        m_tabs[static_cast<std::size_t>(n - 1)] = tab;
    }
    m_exit = make_picture_button(this, buttons, button_picture::exit, kExitAt, "menu_image");
    connect(m_exit, &TTransparentButton::clicked, this, &TForm4::leave);
    m_score = new TPanel1(this);
    m_score->setObjectName("panel_wynik");
    m_score->move(kScoreAt);
    m_score->hide();
    build_task_area();
    build_word_list();
    m_dictionary = make_picture_button(this, buttons, button_picture::dictionary, kDictionaryAt,
                                       "btn_slownik");
    connect(m_dictionary, &TTransparentButton::clicked, this, [this] {
        if (m_services.links.dictionary) m_services.links.dictionary();
    });
    m_help = make_picture_button(this, buttons, button_picture::help, kHelpAt, "btn_help");
    connect(m_help, &TTransparentButton::clicked, this, [this] {
        const int tab = m_drill ? m_drill->tab() : 1;
        m_services.screen.help.show_help_text(uni_widen("HH_") +
                                              m_course.texts.text(kFirstHelpText + tab - 1));
    });
}

TForm4::~TForm4() = default;

void TForm4::build_task_area() {
    const TMyImageList& buttons = m_services.screen.pictures;
    const QFont course_font(utf8(m_course.config.course_font.name));
    const auto course_pixels = [&course_font](int pixels, bool bold) {
        QFont font = course_font;
        font.setPixelSize(pixels);
        font.setBold(bold);
        return font;
    };
    m_instruction = make_label(this, "L_Polecenie", verdana_pixels(13), false);
    m_instruction->setAutoSize(true);
    m_instruction->move(kInstructionAt);
    m_instruction->setCursor(Qt::PointingHandCursor);
    m_instruction->installEventFilter(this);
    m_word = make_label(this, "L_Slowko", course_pixels(19, false), false);
    place_fixed(*m_word, kWordLabel);
    m_word_line = new WordLineBox(this);
    m_typing = new QLineEdit(this);
    m_typing->setObjectName("E_Wpisana");
    m_typing->setGeometry(kTypingField);
    m_typing->setFont(course_pixels(16, false));
    m_typing->hide();
    m_typing->installEventFilter(this);
    install_special_letters(m_typing, [this] { return m_course.config.course_variant; });
    m_right_answer = make_label(this, "L_Poprawna", course_pixels(19, false), true);
    place_fixed(*m_right_answer, kRightAnswer);
    m_mark_ok = make_icon(this, "img_ok", {}, kMarkAt);
    m_mark_bad = make_icon(this, "img_bad", {}, kMarkAt);
    m_translation = make_label(this, "L_tlumaczenie", verdana_pixels(16), false);
    place_fixed(*m_translation, kTranslation);
    for (int n = 1; n <= 4; ++n) {
        const auto k = static_cast<std::size_t>(n - 1);
        TUniLabel* label = make_label(this, QString("L_Odp%1").arg(n).toUtf8().constData(),
                                      course_pixels(13, true), false);
        label->setAutoSize(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        m_choices[k] = label;
        m_bullets[k] = make_icon(this, QString("wyr%1").arg(n).toUtf8().constData(), {}, {});
    }
    for (TUniLabel* label : {m_instruction, m_word, m_right_answer, m_translation})
        m_look_up->watch(*label);
    for (TUniLabel* label : m_choices)
        m_look_up->watch(*label);

    m_ok = make_picture_button(this, buttons, button_picture::drill_ok, kOkAt, "B_OK");
    m_repeat = make_picture_button(this, buttons, button_picture::drill_repeat, kOkAt, "b_repeat");
    m_play = make_picture_button(this, buttons, button_picture::drill_play, kPlayAt, "btn_play");
    m_replay = make_picture_button(this, buttons, button_picture::drill_play, kReplayAt,
                                   "TransparentButton1");
    for (TTransparentButton* button : {m_ok, m_repeat, m_replay})
        button->hide();
    connect(m_ok, &TTransparentButton::clicked, this, &TForm4::ok_clicked);
    connect(m_repeat, &TTransparentButton::clicked, this, [this] {
        if (m_drill) enter_tab(m_drill->tab());
    });
    for (TTransparentButton* button : {m_play, m_replay})
        connect(button, &TTransparentButton::clicked, this, [this] {
            if (m_drill) m_drill->replay();
        });

    m_example = make_label(this, "L_zdanie", course_pixels(13, true), true);
    place_fixed(*m_example, kExample);
    m_look_up->watch(*m_example);
    m_example_flag = make_icon(this, "f_zdanie", {}, kFlagAt);
    m_example_speaker = make_icon(this, "g_zdanie", {}, kExampleSpeakerAt);
    m_example_speaker->setCursor(Qt::PointingHandCursor);
    connect(m_example_speaker, &TMImage::clicked, this, [this] { play(m_example_sound, false); });
}

void TForm4::build_word_list() {
    const Config& config = m_course.config;
    m_list = new WordListBox(this, drill_icon(config, "mikrofon.bmp", QColor(90, 90, 110), false),
                             drill_icon(config, "mikrofon_on.bmp", QColor(200, 40, 40), false),
                             drill_icon(config, "glosnik.bmp", QColor(40, 110, 170), true));
    m_list->set_hooks({
        .pressed = [this](int row, WordListBox::Part part,
                          Qt::MouseButton button) { list_pressed(row, part, button); },
        .released =
            [this](Qt::MouseButton button) {
                if (button == Qt::LeftButton && m_record) m_record->release();
            },
        .hovered = [this](const WordListBox::Hit& hit, int top) { list_hovered(hit, top); },
    });
    m_own_speaker = make_icon(this, "img_glosnik2", {}, {kOwnSpeakerLeft, 0});
    m_own_speaker->setCursor(Qt::PointingHandCursor);
    connect(m_own_speaker, &TMImage::clicked, this, [this] {
        show_example(std::nullopt);
        play(vocabulary_caller(m_course.config).target, true);
    });
    m_bubble = new QLabel(this);
    m_bubble->setObjectName("lbl_tlumaczenie");
    m_bubble->setFont(verdana_pixels(13));
    m_bubble->setWordWrap(true);
    m_bubble->resize(kBubble);
    m_bubble->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bubble->setAttribute(Qt::WA_Hover);
    m_bubble->installEventFilter(this);
    m_bubble->hide();

    m_record = new RecordHold(
        static_cast<QObject*>(this), m_services.recorder_a, vocabulary_caller(m_course.config),
        {.show_recording = [this](bool on) { m_list->set_recording_row(on ? m_recorded_row : 0); },
         .stop_playback = [this] { m_services.screen.sound.stop_sound(); },
         .accepted = [this](const RecordingTake&) { recording_accepted(); },
         .show_text =
             [this](int text) {
                 m_services.screen.messages.show_message(m_course.texts.text(text));
             }});
}

void TForm4::load_pictures() {
    const Config& config = m_course.config;
    m_panel = QImage(QString::fromStdString(resolve_path(config.course_path(
        std::string("gfx_r\\panel_prawy_teksty_") + config.variant_letter + ".bmp"))));
    m_score->setTlo(QImage(
        QString::fromStdString(resolve_path(config.language_path("gfx_r\\panel_wynik.bmp")))));
    m_score->setTorcik(load_masked_picture(config.course_path("gfx_r\\torcik.bmp")));
    m_answers = AnswerPictures::load(config);
    m_mark_ok->setPicture(m_answers.mark_ok);
    m_mark_bad->setPicture(m_answers.mark_bad);
    const QImage bullet = drill_icon(config, "punkt.bmp", QColor(40, 110, 170), true);
    for (TMImage* b : m_bullets)
        b->setPicture(bullet);
    m_example_flag->setPicture(drill_icon(config, "flaga.bmp", QColor(200, 40, 40), false));
    m_example_speaker->setPicture(drill_icon(config, "glosnik.bmp", QColor(40, 110, 170), true));
    m_own_speaker->setPicture(
        drill_icon(config, "glosnik_nagranie.bmp", QColor(40, 150, 70), true));
    m_dictionary->setToolTip(uni_to_qstring(m_course.texts.text(kDictionaryHint)));
    for (int n = 1; n <= kDrillTabs; ++n) {
        const std::string name = "but_r\\zakl\\_" + std::to_string(n);
        m_tab_pictures[static_cast<std::size_t>(n - 1)] = {
            load_masked_picture(config.course_path(name + ".bmp")),
            load_masked_picture(config.course_path(name + "a.bmp"))};
        tab(n).setToolTip(uni_to_qstring(m_course.texts.text(kFirstTabHint + n)));
    }
    m_record->set_caller(vocabulary_caller(config));
    // One seed for the screen's opening; F4 draws on from it.
    m_services.screen.random.reseed();
    new_background();
}

void TForm4::new_background() {
    const Config& config = m_course.config;
    const int n = m_services.screen.random.below(kBackgrounds) + 1;
    std::string file = config.media_root + "tla\\slow_" + std::to_string(n) + ".jpg";
    if (!path_exists(file)) file = config.media_root + "tla\\slow_0.jpg";
    m_background_file = file;
    m_background = QImage(QString::fromStdString(resolve_path(file)));
    update();
}

void TForm4::open_vocabulary(const std::string& item, const std::string& file, int mode) {
    const Config& config = m_course.config;
    const std::string path = config.course_path(file);
    TForm20& messages = m_services.screen.messages;
    try {
        m_words = load_word_file(path, config.course_variant);
    } catch (const CourseFileError& error) {
        messages.show_message(
            qstring_to_uni(utf8(course_relative_name(config.course_root, error.file()) + ", line " +
                                std::to_string(error.line()) + ": " + error.problem())));
        return;
    }
    if (!m_words) {
        messages.show_message(qstring_to_uni(utf8("Brak pliku: " + path)));
        return;
    }
    build_drill_list(*m_words);
    if (m_words->drill.empty()) {
        messages.show_message(
            qstring_to_uni(utf8("Ta lista słówek nie ma żadnego słowa do ćwiczenia: " + file)));
        m_words.reset();
        return;
    }
    m_item = item;
    const Settings& settings = m_services.screen.settings;
    m_drill = std::make_unique<VocabularyDrill>(
        *m_words, config,
        DrillOptions{.course_variant = config.course_variant,
                     .letter_case = settings.letter_case,
                     .count_letters = settings.letter_count},
        m_services.screen.random,
        VocabularyDrill::Hooks{
            .play = [this](const std::string& sound, bool wait) { play(sound, wait); },
            .report =
                [this](const DrillReport& report) {
                    if (m_services.links.record)
                        m_services.links.record(drill_item_result(report, m_item));
                }});
    load_pictures();
    fill_word_list();
    setWindowTitle(cp1250_to_qstring(config.window_caption));
    if (const QScreen* screen = QWidget::screen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_drill->open(std::clamp(mode, 1, kDrillTabs));
    show_state();
}

void TForm4::fill_word_list() {
    std::vector<WordListBox::Row> rows;
    for (int position = 1; position <= m_drill->drill_size(); ++position) {
        const WordRecord& r = m_words->record(m_drill->listed_record(position));
        const bool sentence = r.word_id >= 60000;
        rows.push_back({sentence ? strip_marks(r.word) : r.word, sentence,
                        !word_sound_path(r, m_course.config).empty()});
    }
    QFont font(utf8(m_course.config.course_font.name));
    font.setPointSize(12);
    font.setBold(true);
    m_list->set_rows(std::move(rows), font);
    m_recorded_row = 0;
}

void TForm4::enter_tab(int tab) {
    if (!m_drill) return;
    if (m_record->recording()) m_record->release();
    m_drill->start_tab(tab);
    show_state();
}

void TForm4::show_tab_strip() {
    const int current = m_drill->tab();
    for (int n = 1; n <= kDrillTabs; ++n) {
        TMImage& t = tab(n);
        const auto k = static_cast<std::size_t>(n - 1);
        t.setPicture(n == current ? m_tab_pictures[k].open : m_tab_pictures[k].closed);
        if (t.size().isEmpty()) t.resize(25, 25);
        t.show();
    }
    m_play->setVisible(current == 2 || current == 4);
    m_own_speaker->hide();
    m_list->hide();
    m_bubble->hide();
    m_repeat->hide();
}

void TForm4::hide_task_elements() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_typing, m_mark_ok, m_mark_bad, m_right_answer, m_word, m_word_line, m_translation,
             m_ok, m_replay, m_example, m_example_flag, m_example_speaker})
        w->hide();
    for (std::size_t k = 0; k < 4; ++k) {
        m_choices[k]->hide();
        m_bullets[k]->hide();
    }
}

void TForm4::show_state() {
    if (!m_drill) return;
    show_tab_strip();
    hide_task_elements();
    if (m_drill->tab() == 1) {
        m_score->hide();
        m_list->show();
        set_text_colour(*m_instruction, Qt::black);
        m_instruction->setCaptionNormal(m_course.texts.text(kWordListText));
        m_instruction->show();
        return;
    }
    m_score->setWynik(m_drill->drill_score());
    m_score->show();
    show_task();
    update();
}

QString TForm4::instruction_text() const {
    const DrillTask& task = m_drill->task();
    if (!task.answered) {
        QString text = uni_to_qstring(m_course.texts.text(task.instruction_text));
        if (task.letter_count) text += QString(" (%1 letters)").arg(*task.letter_count);
        return text;
    }
    switch (task.verdict) {
    case Verdict::right:
        return QStringLiteral("Bardzo dobrze!");
    case Verdict::accepted:
        return QStringLiteral("Odpowiedź zaakceptowana!");
    default:
        return QStringLiteral("Poprawnie: ") + utf8(task.expected);
    }
}

void TForm4::show_word_line(const std::string& text) {
    m_word->setCaptionNormal({});
    m_word_line->set_text({}, true);
    if (text.empty()) return;
    if (fits_plain_word_line(text)) {
        set_label_text(*m_word, utf8(text));
        m_word->show();
        return;
    }
    m_word_line->set_text(text, true);
    m_word_line->show();
}

void TForm4::show_example(const std::optional<ExampleSentence>& example) {
    m_example->setVisible(example.has_value());
    m_example_flag->setVisible(example.has_value());
    m_example_sound = example ? example->sound : std::string();
    m_example_speaker->setVisible(!m_example_sound.empty());
    if (!example) return;
    set_label_text(*m_example, utf8(example->text));
    m_example_flag->setToolTip(utf8(example->translation));
}

void TForm4::show_task() {
    const DrillTask& task = m_drill->task();
    const bool cycle_over = m_drill->cycle_over();
    if (!m_drill->has_task()) {
        m_repeat->setVisible(cycle_over);
        return;
    }
    const bool right = task.verdict == Verdict::right;
    const bool wrong = task.verdict == Verdict::wrong;
    set_text_colour(*m_instruction, wrong           ? QColor(190, 30, 30)
                                    : task.answered ? QColor(20, 120, 50)
                                                    : QColor(Qt::black));
    set_label_text(*m_instruction, instruction_text());
    m_instruction->show();

    show_word_line(task.answered && !task.word_line_after.empty() ? task.word_line_after
                                                                  : task.shown);
    const bool choices = !task.typed() && !task.answered;
    const int top = kInstructionAt.y();
    for (int n = 1; n <= 4; ++n) {
        const auto k = static_cast<std::size_t>(n - 1);
        const bool shown = choices && task.choice_shown(n);
        set_label_text(*m_choices[k], utf8(task.choices[k]));
        set_text_colour(*m_choices[k], Qt::black);
        m_choices[k]->move(kChoiceLeft, top + kChoiceOffsets[k]);
        m_bullets[k]->move(kBulletLeft, top + kChoiceOffsets[k]);
        m_choices[k]->setVisible(shown);
        m_bullets[k]->setVisible(shown);
    }
    const bool typing = task.typed() && !task.answered;
    m_typing->setVisible(typing);
    if (typing) {
        m_typing->setFocus();
    } else {
        m_typing->clear();
        setFocus();
    }
    m_ok->setVisible(!cycle_over && (typing || task.answered));
    m_repeat->setVisible(cycle_over);

    if (task.answered) {
        m_mark_ok->setVisible(right);
        m_mark_bad->setVisible(wrong);
        const UniString hint = task.answer.empty() && task.typed()
                                   ? m_course.texts.text(kNoAnswerText)
                                   : m_course.texts.text(kYourAnswerText) + uni_widen(" ") +
                                         qstring_to_uni(utf8(task.answer));
        m_mark_bad->setToolTip(uni_to_qstring(hint));
        set_label_text(*m_right_answer, utf8(task.expected));
        m_right_answer->move(right || wrong ? kRightAnswerBesideMark : kRightAnswer.left(),
                             kRightAnswer.top());
        m_right_answer->show();
        if (!task.translation_below.empty()) {
            set_label_text(*m_translation, utf8(task.translation_below));
            m_translation->show();
        }
        show_example(task.example);
    }
    const std::string& sound = task.answered ? task.answer_sound : task.question_sound;
    m_replay->setVisible(!sound.empty());
}

void TForm4::ok_clicked() {
    if (!m_drill || !m_drill->has_task() || m_drill->cycle_over()) return;
    if (m_drill->task().answered) {
        m_word_line->hide();
        m_drill->next_task();
    } else {
        m_drill->judge_typed(m_typing->text().toStdString());
    }
    show_state();
}

bool TForm4::handle_key(int key) {
    if (!m_drill) return false;
    const DrillTask& task = m_drill->task();
    const bool typing_focus = m_typing->isVisible() && m_typing->hasFocus();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // One handler for the typing field and the window: one Enter judges once.
        if (m_ok->isVisible()) ok_clicked();
        return true;
    case Qt::Key_Escape:
        leave();
        return true;
    case Qt::Key_F1:
        m_services.screen.help.open_help_page(kHelpPage);
        return true;
    case Qt::Key_F4:
        new_background();
        return true;
    case Qt::Key_F5:
        show_answer_popup();
        return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        if (typing_focus || task.typed() || task.answered || m_drill->tab() == 1) return false;
        m_drill->judge_choice(key - Qt::Key_0);
        show_state();
        return true;
    case Qt::Key_Space:
        if (typing_focus || !m_example_speaker->isVisible()) return false;
        play(m_example_sound, false);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (m_drill->tab() != 1) return false;
        m_list->scroll_rows(key == Qt::Key_Up ? -1 : 1);
        m_own_speaker->hide();
        return true;
    default:
        return false;
    }
}

void TForm4::keyPressEvent(QKeyEvent* event) {
    if (!handle_key(event->key())) QWidget::keyPressEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_typing && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool window_key = key == Qt::Key_Return || key == Qt::Key_Enter ||
                                key == Qt::Key_Escape || key == Qt::Key_F1 || key == Qt::Key_F4 ||
                                key == Qt::Key_F5;
        return window_key && handle_key(key);
    }
    if (watched == m_bubble && event->type() == QEvent::Enter) {
        m_bubble->hide();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_instruction && m_drill && m_drill->task().answered) {
            show_answer_popup();
            return true;
        }
        for (int n = 1; n <= 4; ++n) {
            if (watched != m_choices[static_cast<std::size_t>(n - 1)] || !m_drill) continue;
            m_drill->judge_choice(n);
            show_state();
            return true;
        }
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        for (TUniLabel* label : m_choices)
            if (watched == label)
                set_text_colour(*label, event->type() == QEvent::Enter ? QColor(Qt::blue)
                                                                       : QColor(Qt::black));
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::show_answer_popup() {
    if (!m_drill || m_drill->tab() == 1 || !m_drill->task().answered) return;
    const std::string& answer = m_drill->task().answer;
    if (answer.empty()) return;
    TForm6& popup = m_services.answer_popup;
    popup.answerLabel().setUseNormalCaption(true);
    popup.answerLabel().resize(popup.answerLabel().width(), 70);
    popup.show_answer(uni_trim(qstring_to_uni(utf8(answer))));
}

void TForm4::play(const std::string& path, bool wait) {
    if (path.empty()) return;
    m_services.screen.sound.play_sound(path, wait);
}

void TForm4::list_pressed(int row, WordListBox::Part part, Qt::MouseButton button) {
    if (!m_drill || m_drill->tab() != 1) return;
    if (part == WordListBox::Part::microphone) {
        if (button != Qt::LeftButton || m_record->recording()) return;
        m_own_speaker->hide();
        m_services.screen.sound.stop_sound();
        m_recorded_row = row;
        m_record->press();
        return;
    }
    m_drill->play_word(row);
    if (part == WordListBox::Part::text)
        show_example(m_drill->example_of(m_drill->listed_record(row)));
    else
        show_example(std::nullopt);
}

void TForm4::list_hovered(const WordListBox::Hit& hit, int top) {
    if (hit.part != WordListBox::Part::text) {
        m_bubble->hide();
        return;
    }
    const WordRecord& r = m_words->record(m_drill->listed_record(hit.row));
    m_bubble->setText(utf8(r.translation));
    m_bubble->move(m_list->x() + hit.right + 25, m_list->y() + top);
    m_bubble->show();
    m_bubble->raise();
}

void TForm4::recording_accepted() {
    const std::optional<int> top = m_list->row_top(m_recorded_row);
    if (top) {
        m_own_speaker->move(kOwnSpeakerLeft, m_list->y() + *top);
        m_own_speaker->show();
        m_own_speaker->raise();
    }
    play(m_record->caller().target, true);
}

void TForm4::leave() {
    if (m_record->recording()) m_record->release();
    m_services.screen.sound.stop_sound();
    if (m_drill) m_drill->close();
    m_services.answer_popup.hide();
    hide();
    m_background = {};
    m_panel = {};
    if (m_services.links.closed) m_services.links.closed();
}

void TForm4::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_background.isNull()) painter.drawImage(QPoint(0, 0), m_background);
    if (!m_panel.isNull()) painter.drawImage(QPoint(924, 0), m_panel);
}

} // namespace vimo
