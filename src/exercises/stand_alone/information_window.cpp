#include "exercises/stand_alone/information_window.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/picture_controls.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr QSize kArrowSize{22, 22}; // where the course lacks the arrow pictures
constexpr const char* kPictureFolder = "gfx_r\\informacja\\";

QFont information_font(information::Style style) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(information::kPointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

class QtInformationMeasure final : public information::Measure {
public:
    QtInformationMeasure(const QWidget& device,
                         const std::array<QImage, information::kPictureCount>& pictures)
        : m_device(device), m_pictures(pictures) {}
    int width(const UniString& word, information::Style style) const override {
        return QFontMetrics(information_font(style), &m_device)
            .horizontalAdvance(uni_to_qstring(word));
    }
    int picture_width(information::Picture picture) const override {
        return m_pictures[static_cast<std::size_t>(picture)].width();
    }

private:
    const QWidget& m_device;
    const std::array<QImage, information::kPictureCount>& m_pictures;
};

// Pb1: paints whatever the window has laid out.
class InformationArea final : public QWidget {
public:
    explicit InformationArea(TInformacjaForm& window) : QWidget(&window), m_window(window) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_window.paint_text(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) m_window.look_up_at(event->position().toPoint());
    }

private:
    TInformacjaForm& m_window;
};

TMImage* make_arrow(QWidget* parent, const std::string& file, QPoint at) {
    auto* arrow = new TMImage(parent);
    const QImage picture = load_masked_picture(file);
    if (picture.isNull())
        arrow->resize(kArrowSize);
    else
        arrow->setPicture(picture);
    arrow->move(at);
    arrow->setCursor(Qt::PointingHandCursor);
    arrow->hide();
    return arrow;
}

} // namespace

TInformacjaForm::TInformacjaForm(const Config& config, const TMyImageList* buttons, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), m_config(config) {
    setFixedSize(kSize);
    setModal(true);
    new DragStrip(this, kDragStrip);
    m_area = new InformationArea(*this);
    m_area->setGeometry(kTextArea);
    m_exit = new TTransparentButton(this);
    m_exit->setImageList(buttons);
    m_exit->setBitmapNormal(button_picture::exit);
    m_exit->move(kExitAt);
    m_exit->setToolTip(QStringLiteral("Wyjście"));
    connect(m_exit, &TTransparentButton::clicked, this, &QDialog::accept);

    const std::string folder = m_config.course_path(kPictureFolder);
    m_up = make_arrow(this, folder + "up.bmp", kUpAt);
    m_down = make_arrow(this, folder + "down.bmp", kDownAt);
    connect(m_up, &TMImage::clicked, this, &TInformacjaForm::scroll_up);
    connect(m_down, &TMImage::clicked, this, &TInformacjaForm::scroll_down);
    for (int i = 0; i < information::kPictureCount; ++i) {
        const auto picture = static_cast<information::Picture>(i);
        m_pictures[static_cast<std::size_t>(i)] =
            load_masked_picture(folder + information::picture_name(picture) + ".bmp");
    }
    load_language_resources();
}

void TInformacjaForm::load_language_resources() {
    setWindowTitle(cp1250_to_qstring(m_config.window_caption));
}

int TInformacjaForm::show_information() {
    m_prepared = information::prepare_text(m_information_text);
    const char* picture = m_prepared.background == information::Background::help
                              ? "gfx_r\\help.bmp"
                              : "gfx_r\\tlumaczenia.bmp";
    // A missing picture leaves the window plain rather than hiding the text.
    m_background = QImage(QString::fromStdString(resolve_path(m_config.language_path(picture))));
    m_scroll.reset(0);
    m_layout_pending = true;
    m_up->hide();
    m_down->hide();
    m_area->update();
    return exec();
}

int TInformacjaForm::show_text(const UniString& text) {
    setInformationText(text);
    return show_information();
}

void TInformacjaForm::paint_text(QPainter& painter) {
    const QtInformationMeasure measure(*m_area, m_pictures);
    const information::Layout laid = information::layout(m_prepared.words, measure);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int shift = m_scroll.offset();
    for (const information::Item& item : laid.items) {
        const int y = item.y - shift;
        if (item.picture) {
            painter.drawImage(QPoint(item.x, y),
                              m_pictures[static_cast<std::size_t>(*item.picture)]);
            continue;
        }
        const QFont font = information_font(item.style);
        painter.setFont(font);
        painter.drawText(QPoint(item.x, y + QFontMetrics(font, m_area).ascent()),
                         uni_to_qstring(item.word));
    }
    if (m_layout_pending) {
        m_layout_pending = false;
        m_scroll.reset(information::largest_scroll_position(laid.end_y));
        show_arrows();
    }
}

std::optional<UniString> TInformacjaForm::word_at(QPoint point) const {
    const QtInformationMeasure measure(*m_area, m_pictures);
    const information::Layout laid = information::layout(m_prepared.words, measure);
    const int shift = m_scroll.offset();
    for (const information::Item& item : laid.items) {
        if (item.picture) continue;
        const int x = item.x;
        const int y = item.y - shift;
        const int width = measure.width(item.word, item.style);
        const int height = QFontMetrics(information_font(item.style), m_area).height();
        if (x <= point.x() && point.x() <= x + width && y <= point.y() && point.y() <= y + height)
            return item.word;
    }
    return std::nullopt;
}

void TInformacjaForm::look_up_at(QPoint point) const {
    if (!m_look_up || m_prepared.background != information::Background::note) return;
    if (const std::optional<UniString> word = word_at(point)) m_look_up(*word);
}

void TInformacjaForm::scroll_up() {
    m_scroll.up();
    show_arrows();
    m_area->update();
}

void TInformacjaForm::scroll_down() {
    m_scroll.down();
    show_arrows();
    m_area->update();
}

void TInformacjaForm::show_arrows() {
    m_up->setVisible(m_scroll.up_shown());
    m_down->setVisible(m_scroll.down_shown());
}

void TInformacjaForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TInformacjaForm::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        reject();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_exit->isVisible()) {
        accept();
        return;
    }
    event->ignore();
}

void TInformacjaForm::showEvent(QShowEvent* event) {
    center_on_screen(*this);
    QDialog::showEvent(event);
}

void TInformacjaForm::done(int result) {
    m_background = QImage();
    QDialog::done(result);
}

} // namespace vimo
