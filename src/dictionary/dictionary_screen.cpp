#include "dictionary/dictionary_screen.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/font_panel.h"
#include "controls/picture_controls.h"
#include "controls/special_letters.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWindow>
#include <functional>
#include <utility>

namespace vimo {

namespace {

namespace list = dictionary_list;

constexpr int kTextNothingFound = 166;
constexpr int kTextHeading = 167;
constexpr int kTextHeadwords = 168;
constexpr int kTextTranslations = 169;
constexpr int kTextWholeWords = 170;

constexpr QRect kDragStrip{0, 0, 131, 34};
constexpr QRect kSearchField{23, 49, 157, 19};
constexpr QPoint kSearchButtonAt{200, 46};
constexpr QPoint kFontPanelAt{18, 75};
constexpr int kFontPanelHeight = 22;
constexpr QPoint kHeadingAt{316, 11};
constexpr QPoint kHeadwordsBoxAt{316, 28};
constexpr QPoint kHeadwordsLabelAt{340, 30};
constexpr QPoint kTranslationsBoxAt{316, 48};
constexpr QPoint kTranslationsLabelAt{340, 51};
constexpr QPoint kWholeWordsBoxAt{316, 76};
constexpr QPoint kWholeWordsLabelAt{340, 79};
constexpr int kIndexTop = 133;
constexpr int kIndexSize = 18;
constexpr int kOthersLeft = 4;
constexpr int kFirstLetterLeft = 28;
constexpr int kLetterStep = 24;
constexpr QRect kFullList{10, 157, list::kFullWidth, list::kFullHeight};
constexpr QRect kScrollBar{625, 157, 16, 257};
constexpr QPoint kExitAt{622, 1};
constexpr QRect kSmallList{25, 46, list::kSmallWidth, 83};
constexpr QPoint kMoreAt{314, 46};
constexpr QPoint kSmallExitAt{373, 1};
constexpr int kCheckBoxSize = 18;

const QColor kSilver{192, 192, 192};
const QColor kLabelGrey{128, 128, 128};

// Letter n (0-based) of the index row. X has no label on screen, so Y and Z take the
// places after W.
int index_left(int n) {
    constexpr int x_index = 'x' - 'a';
    return kFirstLetterLeft + kLetterStep * (n > x_index ? n - 1 : n);
}

// Pb and Pb2: they paint whatever their window laid out.
class PaintBox final : public QWidget {
public:
    PaintBox(QWidget* parent, std::function<void(QPainter&)> paint)
        : QWidget(parent), m_paint(std::move(paint)) {}
    std::function<void(int)> wheel; // steps down (positive) or up

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_paint(painter);
    }
    void wheelEvent(QWheelEvent* event) override {
        const int steps = -event->angleDelta().y() / 120;
        if (wheel && steps != 0) wheel(steps);
    }

private:
    std::function<void(QPainter&)> m_paint;
};

// The course's answer-box pictures where it has them; a plain box otherwise, so that the
// check box can still be seen and clicked.
QImage check_box_picture(const Config& config, bool checked) {
    const QImage loaded = load_masked_picture(
        config.course_path(checked ? "gfx_r\\img_checked.bmp" : "gfx_r\\img_normal.bmp"));
    if (!loaded.isNull()) return loaded;
    QImage drawn(kCheckBoxSize, kCheckBoxSize, QImage::Format_ARGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.drawRect(0, 0, kCheckBoxSize - 1, kCheckBoxSize - 1);
    if (checked) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(4, 9, 7, 13);
        painter.drawLine(7, 13, 14, 4);
    }
    return drawn;
}

QFont verdana_pixels(int pixels) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixels);
    return font;
}

void set_label_colour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

} // namespace

QFont dictionary_font(DictionaryFont kind) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(kind == DictionaryFont::label ? 8 : 10);
    font.setItalic(kind == DictionaryFont::italic);
    font.setBold(kind == DictionaryFont::bold);
    return font;
}

int QtDictionaryMeasure::width(const UniString& text, DictionaryFont font) const {
    return QFontMetrics(dictionary_font(font), &m_device).horizontalAdvance(uni_to_qstring(text));
}

TSlownikForm::TSlownikForm(const CourseState& state, const TMyImageList& pictures,
                           const DictionaryTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state), m_table(table) {
    setObjectName("TSlownikForm");
    setWindowTitle(QStringLiteral("Słownik"));
    setWindowModality(Qt::ApplicationModal);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kSmallSize);

    m_drag_strip = new DragStrip(this, kDragStrip);
    m_drag_strip->setObjectName("lbl_dd");
    create_full_controls();
    create_index_labels();
    create_check_boxes();

    namespace bp = button_picture;
    m_search_button =
        make_picture_button(this, pictures, bp::search, kSearchButtonAt, "btn_szukaj");
    m_exit = make_picture_button(this, pictures, bp::exit, kExitAt, "btn_exit");
    m_more = make_picture_button(this, pictures, bp::more, kMoreAt, "btn_wiecej");
    m_exit_small = make_picture_button(this, pictures, bp::exit, kSmallExitAt, "btn_exit2");
    connect(m_search_button, &TTransparentButton::clicked, this, &TSlownikForm::search_field_click);
    connect(m_exit, &TTransparentButton::clicked, this, &QWidget::close);
    connect(m_exit_small, &TTransparentButton::clicked, this, &QWidget::close);
    connect(m_more, &TTransparentButton::clicked, this, &TSlownikForm::btn_wiecejClick);

    auto* small_list =
        new PaintBox(this, [this](QPainter& painter) { paint_list(painter, smallListLayout()); });
    m_small_list = small_list;
    m_small_list->setObjectName("Pb2");
    m_small_list->setGeometry(kSmallList);
    hide_controls();
}

void TSlownikForm::create_full_controls() {
    m_search = new QLineEdit(this);
    m_search->setObjectName("edit_szukaj");
    m_search->setGeometry(kSearchField);
    m_search->setFrame(false);
    m_search->setFont(verdana_pixels(13));
    connect(m_search, &QLineEdit::returnPressed, this, &TSlownikForm::search_field_click);
    install_special_letters(m_search, [this] { return m_state.config.course_variant; });

    m_font_panel = new TFcsFontPanel(this);
    m_font_panel->setObjectName("FontPanel");
    m_font_panel->move(kFontPanelAt);
    m_font_panel->resize(m_font_panel->width(), kFontPanelHeight);
    m_font_panel->setObiektEdit(m_search);
    m_font_panel->setJezyk(font_panel_language(m_state.config.course_variant));

    const std::pair<TUniLabel**, std::pair<const char*, QPoint>> labels[] = {
        {&m_heading, {"label3", kHeadingAt}},
        {&m_headwords_label, {"lbl_jezyk", kHeadwordsLabelAt}},
        {&m_translations_label, {"lbl_jezyk2", kTranslationsLabelAt}},
        {&m_whole_words_label, {"lbl_cale_wyrazy", kWholeWordsLabelAt}},
    };
    for (const auto& [label, place] : labels) {
        *label = new TUniLabel(this);
        (*label)->setObjectName(place.first);
        (*label)->move(place.second);
        (*label)->setFont(verdana_pixels(11));
        (*label)->setAutoSize(true);
    }

    auto* full_list =
        new PaintBox(this, [this](QPainter& painter) { paint_list(painter, fullListLayout()); });
    m_list = full_list;
    m_list->setObjectName("Pb");
    m_list->setGeometry(kFullList);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName("ScrollBar1");
    m_scroll->setGeometry(kScrollBar);
    m_scroll->setPageStep(kPageResults);
    m_scroll->setSingleStep(1);
    m_scroll->setRange(0, 0);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_first = value;
        m_list->update();
    });
    full_list->wheel = [this](int steps) {
        if (m_scroll->isVisible()) m_scroll->setValue(m_scroll->value() + steps);
    };
}

void TSlownikForm::create_index_labels() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(16);
    font.setBold(true);
    const auto make = [this, &font](const QString& text, int left, const QString& name) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setGeometry(left, kIndexTop, kIndexSize, kIndexSize);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        set_label_colour(*label, kSilver);
        label->installEventFilter(this);
        return label;
    };
    for (int n = 0; n < kLetterCount; ++n) {
        m_letters[static_cast<std::size_t>(n)] =
            make(QString(QChar('A' + n)), index_left(n), QStringLiteral("lbl_%1").arg(n + 1));
    }
    m_others = make(QStringLiteral("..."), kOthersLeft, QStringLiteral("lbl_27"));
}

void TSlownikForm::create_check_boxes() {
    const Config& config = m_state.config;
    const QImage unchecked = check_box_picture(config, false);
    const QImage checked = check_box_picture(config, true);
    const std::pair<TFOM_Cb**, std::pair<const char*, QPoint>> boxes[] = {
        {&m_headwords, {"Fom_slowka", kHeadwordsBoxAt}},
        {&m_translations, {"Fom_tlumaczenia", kTranslationsBoxAt}},
        {&m_whole_words, {"Fom_cale_wyrazy", kWholeWordsBoxAt}},
    };
    for (const auto& [box, place] : boxes) {
        *box = new TFOM_Cb(this);
        (*box)->setObjectName(place.first);
        (*box)->move(place.second);
        (*box)->setRysunek(unchecked);
        (*box)->setRysunekChecked(checked);
        (*box)->setCursor(Qt::PointingHandCursor);
    }
    m_headwords->setAktywny(true);
    connect(m_headwords, &TFOM_Cb::clicked, this, &TSlownikForm::Fom_slowkaClick);
    connect(m_translations, &TFOM_Cb::clicked, this, &TSlownikForm::Fom_tlumaczeniaClick);
    connect(m_whole_words, &TFOM_Cb::clicked, this,
            [this] { m_whole_words->setAktywny(!m_whole_words->aktywny()); });
}

// ---------------------------------------------------------------------------------
// Opening and laying out

void TSlownikForm::slownik_open(int mode, const UniString& word) {
    hide_controls();
    m_mode = mode == kFullWindow ? kFullWindow : kSmallWindow;
    if (m_mode == kSmallWindow) {
        slownik_search(std::nullopt, word);
    } else if (uni_is_blank(word)) {
        index_label_click(u'a');
    } else {
        m_search->setText(uni_to_qstring(uni_trim(word)));
        slownik_search(std::nullopt, word);
    }
    lay_out();

    // Over the screen that opened it: the window manager keeps it above that one.
    QWidget* opener = QApplication::activeWindow();
    if (opener != nullptr && opener != this && !isVisible()) {
        winId();
        if (QWindow* own = windowHandle()) own->setTransientParent(opener->windowHandle());
    }
    show();
    raise();
    activateWindow();
    if (m_mode == kFullWindow) {
        m_search->setFocus();
    } else {
        setFocus();
    }
}

void TSlownikForm::slownik_search(std::optional<char16_t> letter, const UniString& query) {
    m_results = vimo::slownik_search(m_table, letter, query, m_mode, checks());
    m_first = 0;
    if (m_mode == kFullWindow) {
        {
            const QSignalBlocker quiet(m_scroll);
            m_scroll->setRange(0, std::max(0, static_cast<int>(m_results.size()) - kPageResults));
            m_scroll->setValue(0);
        }
        show_scroll_bar();
        m_list->update();
    } else {
        m_small_list->update();
    }
}

void TSlownikForm::hide_controls() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_drag_strip) child->hide();
    }
    m_search->clear();
}

void TSlownikForm::lay_out() {
    const char* picture = m_mode == kFullWindow ? "gfx_r\\slownik.bmp" : "gfx_r\\slownik_small.bmp";
    // A course without the picture gets a plain window that works all the same.
    m_background =
        QImage(QString::fromStdString(resolve_path(m_state.config.language_path(picture))));
    if (m_mode == kSmallWindow) {
        m_small_list->show();
        m_more->show();
        m_exit_small->show();
        setFixedSize(kSmallSize);
    } else {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 m_exit, m_search, m_others, m_list, m_heading, m_headwords_label,
                 m_translations_label, m_headwords, m_translations, m_whole_words,
                 m_whole_words_label, m_search_button}) {
            control->show();
        }
        for (int n = 0; n < kLetterCount; ++n) {
            if (n != 'x' - 'a') m_letters[static_cast<std::size_t>(n)]->show();
        }
        show_scroll_bar();
        show_font_panel();
        setFixedSize(kFullSize);
    }
    center_on_screen(*this);
    update();
}

void TSlownikForm::show_scroll_bar() {
    m_scroll->setVisible(m_mode == kFullWindow &&
                         static_cast<int>(m_results.size()) >= kScrollFrom);
}

// The letters of the course language are typed into the headword search only.
void TSlownikForm::show_font_panel() {
    m_font_panel->setVisible(m_mode == kFullWindow && m_state.config.course_variant > 1 &&
                             !m_translations->aktywny());
}

// ---------------------------------------------------------------------------------
// Events

void TSlownikForm::index_label_click(char16_t letter) {
    if (m_highlighted != nullptr) set_label_colour(*m_highlighted, kSilver);
    slownik_search(letter, {});
    m_highlighted = &indexLabel(letter);
    set_label_colour(*m_highlighted, Qt::black);
}

void TSlownikForm::search_field_click() {
    slownik_search(std::nullopt, qstring_to_uni(m_search->text()));
}

void TSlownikForm::btn_wiecejClick() {
    hide_controls();
    m_mode = kFullWindow;
    if (m_results.empty()) {
        index_label_click(u'a');
    } else {
        slownik_search(std::nullopt, m_table.entry(m_results.front()).headword);
    }
    lay_out();
    m_search->setFocus();
}

void TSlownikForm::Fom_slowkaClick() {
    m_headwords->setAktywny(!m_headwords->aktywny());
    m_translations->setAktywny(!m_headwords->aktywny());
    show_font_panel();
}

void TSlownikForm::Fom_tlumaczeniaClick() {
    m_translations->setAktywny(!m_translations->aktywny());
    m_headwords->setAktywny(!m_translations->aktywny());
    show_font_panel();
}

DictionaryChecks TSlownikForm::checks() const {
    return {m_translations->aktywny(), m_whole_words->aktywny()};
}

QLabel& TSlownikForm::indexLabel(char16_t letter) {
    if (letter >= u'a' && letter <= u'z')
        return *m_letters[static_cast<std::size_t>(letter - u'a')];
    return *m_others;
}

std::vector<DictionaryText> TSlownikForm::fullListLayout() const {
    return layout_full_list(m_table, m_results, m_first, QtDictionaryMeasure(*m_list));
}

std::vector<DictionaryText> TSlownikForm::smallListLayout() const {
    return layout_small_list(m_table, m_results, m_state.texts.text(kTextNothingFound),
                             QtDictionaryMeasure(*m_small_list));
}

void TSlownikForm::paint_list(QPainter& painter, const std::vector<DictionaryText>& texts) const {
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const DictionaryText& text : texts) {
        const QFont font = dictionary_font(text.font);
        painter.setFont(font);
        painter.setPen(text.font == DictionaryFont::label ? kLabelGrey : QColor(Qt::black));
        const int ascent = QFontMetrics(font, painter.device()).ascent();
        painter.drawText(QPoint(text.x, text.y + ascent), uni_to_qstring(text.text));
    }
}

void TSlownikForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawImage(QPoint(0, 0), m_background);
    } else {
        painter.fillRect(rect(), QColor(236, 240, 244));
        painter.fillRect(QRect(0, 0, kDragStrip.width(), kCaptionStripHeight), QColor(24, 48, 72));
    }
    paint_window_caption(painter, kDragStrip.width(), windowTitle());
}

void TSlownikForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TSlownikForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    const std::pair<TUniLabel*, int> texts[] = {
        {m_heading, kTextHeading},
        {m_headwords_label, kTextHeadwords},
        {m_translations_label, kTextTranslations},
        {m_whole_words_label, kTextWholeWords},
    };
    for (const auto& [label, n] : texts) {
        label->setCaptionNormal(m_state.texts.text(n));
        label->setUseNormalCaption(true);
    }
}

void TSlownikForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) m_background = QImage();
}

bool TSlownikForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == nullptr || mouse->button() != Qt::LeftButton ||
        !label->rect().contains(mouse->position().toPoint())) {
        return QWidget::eventFilter(watched, event);
    }
    if (label == m_others) {
        index_label_click(kOtherEntriesLetter);
        return true;
    }
    for (int n = 0; n < kLetterCount; ++n) {
        if (label == m_letters[static_cast<std::size_t>(n)]) {
            index_label_click(static_cast<char16_t>(u'a' + n));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vimo
