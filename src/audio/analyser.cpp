#include "audio/analyser.h"

#include "audio/MyWavViewer.h"
#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/message_window.h"
#include "controls/picture_controls.h"
#include "core/help_links.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/sound.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <tuple>

namespace vimo {

namespace {

constexpr int kOutlineHint = 129;
constexpr int kModelHint = 130;
constexpr int kOwnHint = 131;
constexpr int kRecordHint = 132;

// The ground where the course has no picture: a light panel with a dark title strip and
// frames around the two views.
QImage plain_background() {
    QImage image(TWavWievForm::kSize, QImage::Format_RGB32);
    image.fill(QColor(236, 242, 248));
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, image.width(), 32), QColor(20, 50, 80));
    painter.setPen(QColor(20, 50, 80));
    painter.drawRect(QRect(QPoint(0, 0), image.size() - QSize(1, 1)));
    for (const QRect& view : {TWavWievForm::kUpperView, TWavWievForm::kLowerView})
        painter.drawRect(view.adjusted(-1, -1, 0, 0));
    return image;
}

QImage check_box(bool checked) {
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(20, 50, 80), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 16, 16));
    if (checked) painter.fillRect(QRect(5, 5, 10, 10), QColor(200, 40, 40));
    return image;
}

void make_view(TMyWavViewer& view, const QRect& place) {
    view.setGeometry(place);
    view.setSzer_Wykresu(600);
    view.setSzer_Belek(0);
    view.setYScale(50);
}

} // namespace

TWavWievForm::TWavWievForm(const CourseState& course, const TMyImageList& buttons,
                           SoundService& sound, HelpLinks& help, TForm20& messages,
                           Recorder& recorder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_course(course), m_sound(sound),
      m_help(help), m_messages(messages) {
    setObjectName("TWavWievForm");
    setFixedSize(kSize);
    m_strip = new DragStrip(this, kStrip);
    const auto show_message = [this](const QString& text) {
        QMessageBox::warning(this, windowTitle(), text);
    };
    m_upper = new TMyWavViewer(this);
    m_upper->setObjectName("WavViewer1");
    make_view(*m_upper, kUpperView);
    m_upper->set_message_sink(show_message);
    m_upper->setKrzywa(true);
    m_lower = new TMyWavViewer(this);
    m_lower->setObjectName("WavViewer2");
    make_view(*m_lower, kLowerView);
    m_lower->set_message_sink(show_message);

    m_model_play =
        make_picture_button(this, buttons, button_picture::play, kModelPlayAt, "btn_oryginal");
    connect(m_model_play, &TTransparentButton::clicked, this, &TWavWievForm::play_model);
    m_record = new TMImage(this);
    m_record->setObjectName("btn_nagraj");
    m_record->move(kRecordAt);
    m_record->setCursor(Qt::PointingHandCursor);
    m_record->installEventFilter(this);
    m_own_play = new TMImage(this);
    m_own_play->setObjectName("btn_odtworz");
    m_own_play->move(kOwnPlayAt);
    m_own_play->setCursor(Qt::PointingHandCursor);
    connect(m_own_play, &TMImage::clicked, this, &TWavWievForm::play_own);
    m_upper_outline = new TFOM_Cb(this);
    m_upper_outline->setObjectName("FOM_Cb1");
    m_lower_outline = new TFOM_Cb(this);
    m_lower_outline->setObjectName("FOM_Cb2");
    for (auto [box, at, view] : {std::tuple{m_upper_outline, kUpperOutlineAt, m_upper},
                                 std::tuple{m_lower_outline, kLowerOutlineAt, m_lower}}) {
        box->setRysunek(check_box(false));
        box->setRysunekChecked(check_box(true));
        box->move(at);
        box->setCursor(Qt::PointingHandCursor);
        connect(box, &TMImage::clicked, this, [box, view] {
            box->setAktywny(!box->aktywny());
            view->setKrzywa(box->aktywny());
        });
    }
    m_exit = make_picture_button(this, buttons, button_picture::exit, kExitAt, "btn_zamknij");
    connect(m_exit, &TTransparentButton::clicked, this, &QWidget::close);

    m_hold = new RecordHold(
        *m_record, recorder, analyser_caller(m_course.config),
        {.show_recording =
             [this](bool recording) {
                 m_record->setPicture(recording ? m_pictures.microphone_on : m_pictures.microphone);
             },
         .stop_playback = [this] { m_sound.stop_sound(); },
         .accepted =
             [this](const RecordingTake&) {
                 m_own_recording = true;
                 m_own_play->show();
                 m_lower_outline->show();
                 play_own();
             },
         .show_text = [this](int text) { m_messages.show_message(m_course.texts.text(text)); }});
}

TWavWievForm::~TWavWievForm() = default;

void TWavWievForm::load_pictures() {
    m_background = QImage(
        QString::fromStdString(resolve_path(m_course.config.language_path(kBackgroundPicture))));
    if (m_background.isNull()) m_background = plain_background();
    m_pictures = RecordPictures::load(m_course.config);
    m_record->setPicture(m_pictures.microphone);
    m_own_play->setPicture(m_pictures.speaker);
    const InterfaceTexts& texts = m_course.texts;
    m_model_play->setToolTip(uni_to_qstring(uni_trim(texts.text(kModelHint))));
    m_upper_outline->setToolTip(uni_to_qstring(uni_trim(texts.text(kOutlineHint))));
    m_lower_outline->setToolTip(m_upper_outline->toolTip());
    m_record->setToolTip(uni_to_qstring(uni_trim(texts.text(kRecordHint))));
    m_own_play->setToolTip(uni_to_qstring(uni_trim(texts.text(kOwnHint))));
}

void TWavWievForm::wav_view_open(const std::string& model) {
    m_own_recording = false;
    m_model = model;
    // The analyser works on the file the task names, and the take of this opening.
    m_hold->set_caller(analyser_caller(m_course.config));
    load_pictures();
    m_upper->LoadWav(QString::fromStdString(resolve_path(model)));
    m_upper->setKrzywa(false);
    m_lower->setKrzywa(false);
    m_upper_outline->setAktywny(false);
    m_lower_outline->setAktywny(false);
    m_lower->hide();
    m_own_play->hide();
    m_lower_outline->hide();
    setWindowTitle(cp1250_to_qstring(m_course.config.window_caption));
    setWindowModality(Qt::ApplicationModal);
    if (parentWidget()) {
        move(parentWidget()->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

std::string TWavWievForm::own_take() const {
    return resolve_path(m_hold->caller().target);
}

void TWavWievForm::play_model() {
    m_sound.stop_sound();
    m_sound.play_sound_quiet(m_model, false);
}

void TWavWievForm::play_own() {
    if (!m_own_recording) return;
    m_lower->LoadWav(QString::fromStdString(own_take()));
    m_lower->show();
    m_sound.stop_sound();
    m_sound.play_sound_quiet(own_take(), false);
}

void TWavWievForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
}

void TWavWievForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        m_help.open_help_page(kHelpPage);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TWavWievForm::hideEvent(QHideEvent* event) {
    m_sound.stop_sound();
    QWidget::hideEvent(event);
}

bool TWavWievForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_record && m_hold && !m_hold->recording()) {
        if (event->type() == QEvent::Enter) m_record->setPicture(m_pictures.microphone_over);
        if (event->type() == QEvent::Leave) m_record->setPicture(m_pictures.microphone);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vimo
