#include "exercises/tasks/options_screen.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/message_window.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/atomic_file.h"
#include "core/interface_texts.h"
#include "core/paths.h"
#include "core/qt_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <string>

namespace vimo {

namespace {

constexpr int kTextX = 4;
constexpr int kListFontPixels = 13;
constexpr int kLabelFontPixels = 11;
constexpr int kFieldLength = 3;
constexpr int kHelpText = 3;
constexpr const char* kHelpPage = "Htm_r\\h_pres.html";
constexpr int kSpanishFolder = 4;

constexpr QPoint kClosePosition{140, 372};
constexpr QPoint kOkPosition{265, 372};
constexpr QPoint kHelpPosition{10, 388};
constexpr QRect kLanguageListArea{24, 138, 200, 26};
constexpr QRect kThresholdArea{326, 242, 50, 24};
constexpr QRect kIntervalArea{326, 280, 50, 24};

enum RowFlag : unsigned {
    kHidden = 1,       // kept off the screen
    kClickToggles = 2, // a click on the label toggles the box
    kHeading = 4,      // the label is bold
};

// A label and the tick box beside it, one row of the screen. Rows the screen keeps
// hidden share the places of the rows around them.
struct Row {
    const char* label;
    int text; // interface text of the label
    QRect label_area;
    const char* box = nullptr; // none: the label stands alone
    unsigned flags = 0;
};

QRect box_area_of(const QRect& label_area) {
    return {24, label_area.y() + 2, 16, 16};
}

QFont verdana(int pixel_size, bool bold = false) {
    QFont font("Verdana");
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

} // namespace

QString language_entry_text(int folder_number, const QString& name) {
    return folder_number == kSpanishFolder ? QStringLiteral("español") : name;
}

void LanguageItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem face(option);
    initStyleOption(&face, index);
    face.text.clear();
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &face, painter, widget);

    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setFont(verdana(kListFontPixels));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QString text =
        language_entry_text(index.data(Qt::UserRole).toInt(), index.data().toString());
    painter->drawText(option.rect.adjusted(kTextX, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      text);
    painter->restore();
}

LanguageComboBox::LanguageComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new LanguageItemDelegate(this));
    setFont(verdana(kListFontPixels));
}

void LanguageComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox face;
    initStyleOption(&face);
    face.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, face);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &face, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(kTextX, 0, field.right() - kTextX, height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     language_entry_text(currentData().toInt(), currentText()));
}

TOpcjeForm::TOpcjeForm(const CourseState& state, Settings& settings, const TMyImageList& buttons,
                       TForm20& messages, HelpLinks& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state), m_settings(settings),
      m_messages(messages), m_help(help) {
    setObjectName("TOpcjeForm");
    setModal(true);
    setFixedSize(kSize);
    new DragStrip(this, QRect(0, 0, kSize.width(), kCaptionStripHeight));
    create_rows();
    create_fields();

    m_close =
        make_picture_button(this, buttons, button_picture::close, kClosePosition, "B_Zamknij");
    m_ok = make_picture_button(this, buttons, button_picture::ok, kOkPosition, "B_OK");
    m_help_button =
        make_picture_button(this, buttons, button_picture::help, kHelpPosition, "btn_help");
    connect(m_close, &TTransparentButton::clicked, this, &QDialog::reject);
    connect(m_ok, &TTransparentButton::clicked, this, &TOpcjeForm::confirm);
    connect(m_help_button, &TTransparentButton::clicked, this, [this] {
        UniString key = m_state.texts.text(kHelpText);
        uni_insert(uni_widen("HH_"), key, 1);
        m_help.show_help_text(key);
    });
}

void TOpcjeForm::create_rows() {
    const Row rows[] = {
        {"label1", 56, {48, 44, 328, 30}, "cb_wielkoscliter", kClickToggles},
        {"label2", 57, {48, 80, 328, 30}, "cb_countletters"},
        {"label3", 58, {48, 80, 328, 30}, "cb_zdaniadragdrop", kHidden},
        {"label5", 59, {48, 80, 328, 30}, "cb_blokujdostep", kHidden},
        {"label6", 60, {48, 80, 328, 30}, "cb_slownikslownictwo", kHidden | kClickToggles},
        {"label7", 61, {24, 118, 352, 18}},
        {"label8", 115, {48, 80, 328, 30}, "cb_animacje", kHidden | kClickToggles},
        {"label22", 118, {24, 178, 352, 18}, nullptr, kHeading},
        {"label15", 119, {48, 202, 328, 30}, "CB_czy_Powtorki", kClickToggles},
        {"label16", 120, {24, 242, 290, 30}},
        {"label17", 122, {24, 280, 290, 30}},
        {"label19", 121, {48, 320, 328, 34}, "CB_Powtorki_gdy_przerwano", kClickToggles},
    };
    std::map<std::string, QCheckBox*> boxes;
    for (const Row& row : rows) {
        auto* label = new TUniLabel(this);
        label->setObjectName(row.label);
        label->setGeometry(row.label_area);
        label->setWordWrap(true);
        label->setFont(verdana(kLabelFontPixels, (row.flags & kHeading) != 0));
        m_labels.emplace_back(label, row.text);
        const bool hidden = (row.flags & kHidden) != 0;
        if (hidden) m_hidden_labels.push_back(label);
        if (row.box == nullptr) continue;
        auto* box = new QCheckBox(this);
        box->setObjectName(row.box);
        box->setGeometry(box_area_of(row.label_area));
        box->setCursor(Qt::PointingHandCursor);
        box->setVisible(!hidden);
        connect(box, &QCheckBox::toggled, this, &TOpcjeForm::edited);
        boxes[row.box] = box;
        if ((row.flags & kClickToggles) != 0) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            m_label_boxes[label] = box;
        }
    }
    m_letter_case = boxes["cb_wielkoscliter"];
    m_count_letters = boxes["cb_countletters"];
    m_drag_drop = boxes["cb_zdaniadragdrop"];
    m_block_access = boxes["cb_blokujdostep"];
    m_dictionary = boxes["cb_slownikslownictwo"];
    m_animations = boxes["cb_animacje"];
    m_repetitions = boxes["CB_czy_Powtorki"];
    m_when_interrupted = boxes["CB_Powtorki_gdy_przerwano"];
}

void TOpcjeForm::create_fields() {
    m_languages = new LanguageComboBox(this);
    m_languages->setObjectName("cb_lang");
    m_languages->setGeometry(kLanguageListArea);
    m_languages->setCursor(Qt::PointingHandCursor);
    fill_languages();
    connect(m_languages, &QComboBox::currentIndexChanged, this, &TOpcjeForm::edited);

    const std::pair<QLineEdit**, std::pair<const char*, QRect>> fields[] = {
        {&m_threshold, {"E_powtorki_wynik", kThresholdArea}},
        {&m_interval, {"E_powtorki_interwal", kIntervalArea}},
    };
    for (const auto& [field, place] : fields) {
        *field = new QLineEdit(this);
        (*field)->setObjectName(place.first);
        (*field)->setGeometry(place.second);
        (*field)->setFont(verdana(kListFontPixels));
        (*field)->setMaxLength(kFieldLength);
        connect(*field, &QLineEdit::textChanged, this, &TOpcjeForm::edited);
    }
}

void TOpcjeForm::fill_languages() {
    m_filling = true;
    m_languages->clear();
    m_language_folders = available_languages(m_state.config.course_root);
    for (const int number : m_language_folders) {
        m_languages->addItem(QString::fromStdString(language_display_name(number)), number);
    }
    m_languages->setCurrentIndex(m_language_folders.size() >= 2 ? 1 : 0);
    m_filling = false;
}

bool TOpcjeForm::run() {
    m_confirmed = false;
    exec();
    return m_confirmed;
}

void TOpcjeForm::load_language_resources() {
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    // A missing picture leaves the screen plain rather than keeping the options shut.
    m_background = QImage(QString::fromStdString(
        resolve_path(m_state.config.language_path("gfx_r\\ustawienia_rozum.bmp"))));
    for (const auto& [label, text] : m_labels) {
        label->setCaptionNormal(m_state.texts.text(text));
        label->setUseNormalCaption(true);
    }
    update();
}

void TOpcjeForm::showEvent(QShowEvent* event) {
    form_show();
    center_on_screen(*this);
    QDialog::showEvent(event);
}

void TOpcjeForm::form_show() {
    for (TUniLabel* label : m_hidden_labels)
        label->hide();
    load_language_resources();
    m_remembered_language = m_state.config.language_number;
    m_ok->hide();
    set_controls();
}

void TOpcjeForm::set_controls() {
    m_filling = true;
    // The list shows the language in use, so that confirming other changes keeps it.
    int entry = -1;
    for (std::size_t i = 0; i < m_language_folders.size(); ++i) {
        if (m_language_folders[i] == m_remembered_language) entry = static_cast<int>(i);
    }
    m_languages->setCurrentIndex(entry);
    m_letter_case->setChecked(m_settings.letter_case);
    m_count_letters->setChecked(m_settings.punctuation);
    m_drag_drop->setChecked(m_settings.sentences_drag_drop);
    m_block_access->setChecked(m_settings.block_access);
    m_dictionary->setChecked(m_settings.dictionary_for_vocabulary);
    m_dictionary->setEnabled(path_exists(m_state.config.course_path("slow_4_s.exe")));
    m_animations->setChecked(m_settings.animations);
    m_repetitions->setChecked(m_settings.repetitions_on);
    m_threshold->setText(QString::number(m_settings.repetition_threshold));
    m_interval->setText(QString::number(m_settings.repetition_interval));
    m_when_interrupted->setChecked(m_settings.repetitions_when_interrupted);
    m_filling = false;
}

void TOpcjeForm::edited() {
    if (!m_filling) m_ok->show();
}

Settings TOpcjeForm::settings_from_controls() const {
    Settings settings = m_settings; // the one-time notices have no control
    const int entry = m_languages->currentIndex();
    settings.language =
        entry >= 0 ? m_language_folders[static_cast<std::size_t>(entry)] : m_remembered_language;
    settings.letter_case = m_letter_case->isChecked();
    settings.set_punctuation_and_letter_count(m_count_letters->isChecked());
    settings.sentences_drag_drop = m_drag_drop->isChecked();
    settings.block_access = m_block_access->isChecked();
    settings.dictionary_for_vocabulary = m_dictionary->isChecked();
    settings.animations = m_animations->isChecked();
    settings.repetitions_on = m_repetitions->isChecked();
    settings.repetition_threshold = m_threshold->text().trimmed().toInt();
    settings.repetition_interval = m_interval->text().trimmed().toInt();
    settings.repetitions_when_interrupted = m_when_interrupted->isChecked();
    return settings;
}

void TOpcjeForm::confirm() {
    if (m_ok->isHidden()) return;
    // Both fields are checked before anything changes, so a refused field leaves the
    // interface language and the settings as they were.
    const int refusal = validate_repetition_fields(m_threshold->text().toStdString(),
                                                   m_interval->text().toStdString());
    if (refusal != 0) {
        m_messages.show_message(m_state.texts.text(refusal));
        return;
    }
    const Settings updated = settings_from_controls();
    try {
        if (m_save) m_save(updated);
    } catch (const FileWriteError& error) {
        m_messages.show_message(qstring_to_uni(QString::fromStdString(error.what())));
        return;
    }
    m_settings = updated;
    if (updated.language != m_remembered_language && m_language_changed) {
        m_language_changed(updated.language);
        load_language_resources();
    }
    m_confirmed = true;
    accept();
}

void TOpcjeForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TOpcjeForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirm();
        return;
    case Qt::Key_F1:
        m_help.open_help_page(kHelpPage);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool TOpcjeForm::eventFilter(QObject* watched, QEvent* event) {
    const auto box = m_label_boxes.find(watched);
    if (box == m_label_boxes.end() || event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    box->second->toggle();
    return true;
}

} // namespace vimo
