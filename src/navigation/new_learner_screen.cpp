#include "navigation/new_learner_screen.h"

#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/message_window.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/atomic_file.h"
#include "core/encoding.h"
#include "core/interface_texts.h"
#include "core/paths.h"
#include "core/qt_text.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>
#include <algorithm>

namespace vimo {

namespace {

constexpr QRect kNameArea{40, 90, 380, 28};
constexpr QRect kLanguageLabelArea{40, 132, 380, 20};
constexpr QRect kLanguageListArea{40, 154, 380, 28};
constexpr QPoint kClosePosition{170, 240};
constexpr QPoint kOkPosition{300, 240};
constexpr QPoint kHelpPosition{10, 265};
constexpr int kHelpText = 2;
constexpr const char* kHelpPage = "Htm_r\\h_log.html";

// usr.t is Windows-1250 text with one learner a line: a name holding a line break or
// a letter the code page lacks could not be read back as it was typed, so the field
// does not take such characters in the first place.
class LearnerNameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        const bool has_control = std::any_of(input.begin(), input.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7F;
        });
        if (has_control) return Invalid;
        const std::string utf8 = input.toStdString();
        return cp1250_to_utf8(utf8_to_cp1250(utf8)) == utf8 ? Acceptable : Invalid;
    }
};

QFont verdana(int pixel_size) {
    QFont font("Verdana");
    font.setPixelSize(pixel_size);
    return font;
}

} // namespace

TForm10::TForm10(const CourseState& state, LearnerList& learners, const TMyImageList& buttons,
                 TForm20& messages, HelpLinks& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state), m_learners(learners),
      m_messages(messages), m_help(help) {
    setObjectName("TForm10");
    setModal(true);
    setFixedSize(kSize);
    new DragStrip(this, QRect(0, 0, kSize.width(), kCaptionStripHeight));

    m_name = new QLineEdit(this);
    m_name->setObjectName("Edit1");
    m_name->setGeometry(kNameArea);
    m_name->setFont(verdana(14));
    m_name->setMaxLength(LearnerList::max_name_length);
    m_name->setValidator(new LearnerNameValidator(m_name));
    connect(m_name, &QLineEdit::textChanged, this, &TForm10::update_ok);

    m_language_label = new TUniLabel(this);
    m_language_label->setObjectName("Label2");
    m_language_label->setGeometry(kLanguageLabelArea);
    m_language_label->setFont(verdana(12));
    m_language_label->setCaption(QStringLiteral("Język interfejsu"));

    m_languages = new QComboBox(this);
    m_languages->setObjectName("cb_lang");
    m_languages->setGeometry(kLanguageListArea);
    m_languages->setFont(verdana(14));
    m_languages->setCursor(Qt::PointingHandCursor);

    m_close =
        make_picture_button(this, buttons, button_picture::close, kClosePosition, "B_Zamknij");
    m_ok = make_picture_button(this, buttons, button_picture::ok, kOkPosition, "B_OK");
    m_help_button =
        make_picture_button(this, buttons, button_picture::help, kHelpPosition, "btn_help");
    connect(m_close, &TTransparentButton::clicked, this, &QDialog::reject);
    connect(m_ok, &TTransparentButton::clicked, this, &TForm10::confirm);
    connect(m_help_button, &TTransparentButton::clicked, this, [this] {
        UniString key = m_state.texts.text(kHelpText);
        uni_insert(uni_widen("HH_"), key, 1);
        m_help.show_help_text(key);
    });
}

bool TForm10::run() {
    form_show();
    center_on_screen(*this);
    m_chosen = false;
    exec();
    return m_chosen;
}

void TForm10::form_show() {
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    // A missing picture leaves the window plain rather than keeping a learner out.
    m_background = QImage(
        QString::fromStdString(resolve_path(m_state.config.language_path("gfx_r\\logow_new.bmp"))));
    const bool english_only = m_state.config.english_marker;
    m_language_label->setVisible(!english_only);
    m_languages->setVisible(!english_only);
    if (!english_only) fill_languages();
    m_name->clear();
    m_name->setFocus();
    update_ok();
}

void TForm10::fill_languages() {
    m_languages->clear();
    for (const int number : available_languages(m_state.config.course_root)) {
        m_languages->addItem(QString::fromStdString(language_display_name(number)), number);
    }
    if (m_languages->count() == 0) return;
    m_languages->setCurrentIndex(
        preselected_language_entry(m_languages->count(), m_state.config.course_variant));
}

int TForm10::chosen_language() const {
    // Without any language folder to offer, the learner keeps the language in use.
    if (m_languages->currentIndex() < 0) return m_state.config.language_number;
    return m_languages->currentData().toInt();
}

void TForm10::update_ok() {
    m_ok->setVisible(can_confirm_new_learner(m_name->text().toStdString()));
}

void TForm10::show_message(const UniString& text) {
    m_messages.show_message(text);
    m_name->setFocus();
}

void TForm10::confirm() {
    if (m_ok->isHidden()) return;
    AddLearnerResult result;
    const int language = new_learner_language(m_state.config, chosen_language());
    // The learner is chosen (their files made) before the list names them.
    LearnerList::MakeFiles make_current;
    if (m_learner_added)
        make_current = [this, language](int position) {
            return m_learner_added(position, language);
        };
    try {
        result = m_learners.add_learner(m_name->text().toStdString(), {}, make_current);
    } catch (const FileWriteError& error) {
        show_message(qstring_to_uni(QString::fromStdString(error.what())));
        return;
    }
    switch (result.outcome) {
    case AddLearnerOutcome::added:
        break;
    case AddLearnerOutcome::files_not_made:
        // The learner was told why; nobody new is listed.
        m_chosen = false;
        accept();
        return;
    case AddLearnerOutcome::name_taken:
        m_name->clear();
        show_message(m_state.texts.text(name_taken_text));
        return;
    case AddLearnerOutcome::name_too_short:
        update_ok();
        return;
    case AddLearnerOutcome::name_too_long:
        show_message(qstring_to_uni(QString::fromUtf8(kNameTooLongMessage)));
        return;
    case AddLearnerOutcome::unsupported_characters:
        show_message(qstring_to_uni(QString::fromUtf8(kNameCharactersMessage)));
        return;
    case AddLearnerOutcome::list_full:
        show_message(qstring_to_uni(QString::fromUtf8(kLearnerListFullMessage)));
        return;
    case AddLearnerOutcome::no_number_left:
        show_message(qstring_to_uni(QString::fromUtf8(kNoLearnerNumberLeftMessage)));
        return;
    }
    m_chosen = static_cast<bool>(m_learner_added);
    accept();
}

void TForm10::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TForm10::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Taken here also when OK is hidden, so Enter in the name field stays silent.
        confirm();
        return;
    case Qt::Key_F1:
        m_help.open_help_page(kHelpPage);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace vimo
