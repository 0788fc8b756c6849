#include "exercises/tasks/definitions_screen.h"

#include "controls/UniLabel.h"
#include "controls/label_drag.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/text_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

void set_colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace

DefBox::DefBox(QWidget* parent, const Definitions& engine, LookUp look_up)
    : QWidget(parent), m_engine(engine), m_look_up(std::move(look_up)) {
    setObjectName("DxRamka");
}

QFont DefBox::box_font() {
    QFont font("Verdana");
    font.setPointSize(10);
    return font;
}

void DefBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(box_font());
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(box_font()).ascent();
    for (const DefWord& word : m_engine.words())
        painter.drawText(QPoint(word.x, word.y + ascent), uni_to_qstring(word.text));
}

void DefBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    const int height = QFontMetrics(box_font()).height();
    if (const std::optional<UniString> word =
            painted_word_at(m_engine.words(), at.x(), at.y(), height))
        m_look_up(*word);
}

TC_DefForm::TC_DefForm(ScreenServices& services, QWidget* parent)
    : TaskScreen(services, "DF", parent) {
    setObjectName("TC_DefForm");
    // Created from the bottom up: frames under slots, the labels above everything.
    for (std::size_t i = 0; i < Definitions::kMaxPairs; ++i) {
        const QString n = QString::number(i + 1);
        m_frames[i] = new QFrame(this);
        m_frames[i]->setObjectName("shp" + n);
        m_frames[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_slots[i] = new QWidget(this);
        m_slots[i]->setObjectName("podkl_" + n);
        set_colour(*m_slots[i], Qt::white);
        m_dashes[i] = new QFrame(this);
        m_dashes[i]->setObjectName("mys_" + n);
        set_colour(*m_dashes[i], Qt::black);
        m_marks[i] = new TMImage(this);
        m_marks[i]->setObjectName("img_" + n);
        // A hint names a whole term and its lead text: it stays long enough to read.
        m_marks[i]->setToolTipDuration(kHintMs);
    }
    m_box = new DefBox(this, m_df, [this](const UniString& word) { look_up_word(word); });
    m_drag = new LabelDrag(
        *this,
        {.start = [this](QWidget& label) { return m_df.start_drag(widget_index(m_labels, label)); },
         .end =
             [this](QWidget& label, QPoint drop) {
                 const int k = widget_index(m_labels, label);
                 m_df.drop(k, drop.x(), drop.y());
                 place_label(k);
             }});
    for (std::size_t k = 0; k < Definitions::kMaxPairs; ++k) {
        m_labels[k] = make_drag_label("lbl_" + QString::number(k + 1), *m_drag);
    }
}

AreaDefaults TC_DefForm::area_defaults() const {
    return {Definitions::kPoolLeft, kPoolTop, -1, -1};
}

void TC_DefForm::place_label(int k) {
    term_label(k).setGeometry(to_qrect(m_df.position(k)));
}

void TC_DefForm::load_content(const TaskEntry& task, const TaskLayout& layout) {
    const QFontMetrics label_metrics(drag_label_font());
    const QFontMetrics box_metrics(DefBox::box_font());
    const DefMeasures measures{.term_width =
                                   [&](const UniString& term) {
                                       return label_metrics.horizontalAdvance(uni_to_qstring(term));
                                   },
                               .word_width =
                                   [&](const UniString& word) {
                                       return box_metrics.horizontalAdvance(uni_to_qstring(word));
                                   },
                               .space_width = box_metrics.horizontalAdvance(QChar(' ')),
                               .label_height = label_metrics.height()};
    m_df.load(task.kind_line, layout.area_top, measures, m_random);

    for (std::size_t i = 0; i < Definitions::kMaxPairs; ++i) {
        for (QWidget* part :
             {static_cast<QWidget*>(m_labels[i]), m_slots[i], static_cast<QWidget*>(m_frames[i]),
              static_cast<QWidget*>(m_dashes[i]), static_cast<QWidget*>(m_marks[i])})
            part->hide();
        m_marks[i]->setToolTip({});
    }
    for (int i = 0; i < m_df.count(); ++i) {
        slot_frame(i).setGeometry(to_qrect(m_df.frame(i)));
        slot(i).setGeometry(to_qrect(m_df.slot(i)));
        dash(i).setGeometry(to_qrect(m_df.dash(i)));
        for (QWidget* part :
             {static_cast<QWidget*>(&slot_frame(i)), &slot(i), static_cast<QWidget*>(&dash(i))})
            part->show();
    }
    const AreaRect box = m_df.box();
    m_box->setGeometry(box.left, box.top, kAreaRight - box.left, std::max(box.height, 1));
    for (int k = 0; k < m_df.count(); ++k) {
        TUniLabel& label = term_label(k);
        label.setCaptionNormal(m_df.caption(k));
        label.setCursor(Qt::PointingHandCursor);
        place_label(k);
        label.show();
        label.raise();
    }
    m_box->update();
}

void TC_DefForm::evaluate() {
    m_df.check();
    const AnswerPictures& pictures = answer_pictures();
    const UniString wrong_text = m_course.texts.text(kWrongHint);
    const UniString empty_text = m_course.texts.text(kEmptyHint);
    for (int i = 0; i < m_df.count(); ++i) {
        const QImage& picture = m_df.slot_right(i) ? pictures.mark_ok : pictures.mark_bad;
        TMImage& image = mark(i);
        image.setPicture(picture);
        image.setGeometry(to_qrect(m_df.mark(i, picture.width(), picture.height())));
        image.setToolTip(uni_to_qstring(m_df.slot_hint(i, wrong_text, empty_text)));
        image.show();
    }
    for (int k = 0; k < m_df.count(); ++k) {
        place_label(k);
        term_label(k).unsetCursor();
    }
    m_box->update();
}

} // namespace vimo
