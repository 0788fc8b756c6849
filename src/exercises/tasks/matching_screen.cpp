#include "exercises/tasks/matching_screen.h"

#include "exercises/tasks/multiple_choice.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace vimo {

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

// The platform's input waits in its queue while the pause's loop runs; this also
// drops input handed to a widget directly in that time, so that a pairing never
// starts inside another one.
class InputHold final : public QObject {
public:
    InputHold() { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

QRect rect_of(const MatchBox& box) {
    return {box.left, box.top, box.width, box.height};
}

} // namespace

HhLabel::HhLabel(QWidget* parent, std::function<void()> clicked, LookUp look_up)
    : TUniLabel(parent), m_clicked(std::move(clicked)), m_look_up(std::move(look_up)) {
    setUseNormalCaption(true);
    setFont(TaskScreen::list_font(false));
}

void HhLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    const UniString word = word_at(at.x(), at.y());
    if (!word.empty()) m_look_up(word);
}

void HhLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_clicked();
}

TC_HForm::TC_HForm(ScreenServices& services, QWidget* parent) : TaskScreen(services, "HH", parent) {
    setObjectName("TC_HForm");
    use_own_frame(kCheckAt, kAgainAt, kLeaveAt);
    const auto look_up = [this](const UniString& word) { look_up_word(word); };
    for (int row = 0; row < Matching::kMaxPairs; ++row) {
        const auto make = [&](MatchColumn column, const char* prefix) {
            auto* label = new HhLabel(
                this, [this, column, row] { clicked(column, row); }, look_up);
            label->setObjectName(QString("%1%2").arg(prefix).arg(row + 1));
            label->hide();
            return label;
        };
        m_left[static_cast<std::size_t>(row)] = make(MatchColumn::left, "lbl_L");
        m_right[static_cast<std::size_t>(row)] = make(MatchColumn::right, "lbl_P");
    }
}

const QColor& TC_HForm::grey() {
    static const QColor colour(128, 128, 128);
    return colour;
}

HhLabel& TC_HForm::label(MatchColumn column, int row) {
    auto& labels = column == MatchColumn::left ? m_left : m_right;
    return *labels.at(static_cast<std::size_t>(row));
}

AreaDefaults TC_HForm::area_defaults() const {
    return {kAreaLeft, kAreaTop, kAreaWidth, -1};
}

void TC_HForm::load_content(const TaskEntry& task, const TaskLayout& layout) {
    m_hh.load(task_content(task.kind_line), m_random);
    const int rows = m_hh.rows();
    int left_width = 0;
    int right_width = 0;
    for (int row = 0; row < Matching::kMaxPairs; ++row) {
        for (MatchColumn column : {MatchColumn::left, MatchColumn::right}) {
            HhLabel& item = label(column, row);
            item.setVisible(row < rows);
            if (row >= rows) continue;
            // The label takes its text's width, then the column's common width.
            item.setAutoSize(true);
            item.setCaptionNormal(m_hh.text(column, row));
            int& widest = column == MatchColumn::left ? left_width : right_width;
            widest = std::max(widest, item.width());
            item.setAutoSize(false);
        }
    }
    const int height = QFontMetrics(list_font(false)).height();
    m_places = layout_matching(rows, left_width, right_width, height,
                               {layout.area_left, layout.area_top, layout.area_width});
    for (int row = 0; row < rows; ++row) {
        const MatchRowPlace& place = m_places[static_cast<std::size_t>(row)];
        label(MatchColumn::left, row).setGeometry(rect_of(place.left_label));
        label(MatchColumn::right, row).setGeometry(rect_of(place.right_label));
    }
    show_rows();
}

void TC_HForm::show_rows() {
    const bool checked = m_hh.attempt().checked;
    for (int row = 0; row < m_hh.rows(); ++row) {
        const MatchRowResult result = m_hh.result(row);
        for (MatchColumn column : {MatchColumn::left, MatchColumn::right}) {
            HhLabel& item = label(column, row);
            item.setCaptionNormal(m_hh.text(column, row));
            const QColor colour = m_hh.is_selected(column, row)     ? kRed
                                  : result == MatchRowResult::right ? kGreen
                                  : result == MatchRowResult::wrong ? kRed
                                                                    : QColor(Qt::black);
            set_text_colour(item, colour);
            item.setCursor(checked ? Qt::ArrowCursor : Qt::PointingHandCursor);
        }
    }
    update();
}

void TC_HForm::clicked(MatchColumn column, int row) {
    if (!m_hh.select(column, row)) return;
    show_rows();
    repaint();
    pause();
    m_hh.finish_pairing();
    show_rows();
}

void TC_HForm::pause() {
    m_pausing = true;
    const InputHold hold;
    QEventLoop loop;
    QTimer::singleShot(kPauseMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_pausing = false;
}

void TC_HForm::evaluate() {
    m_hh.check();
    show_rows();
}

void TC_HForm::paintEvent(QPaintEvent* event) {
    TaskScreen::paintEvent(event);
    QPainter painter(this);
    for (int row = 0; row < static_cast<int>(m_places.size()); ++row) {
        const MatchRowPlace& place = m_places[static_cast<std::size_t>(row)];
        painter.fillRect(rect_of(place.connector), grey());
        painter.setBrush(Qt::NoBrush);
        const auto frame = [&](const MatchBox& box, MatchColumn column) {
            painter.setPen(m_hh.is_selected(column, row) ? kRed : grey());
            const QRect r = rect_of(box);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        };
        frame(place.left_frame, MatchColumn::left);
        frame(place.right_frame, MatchColumn::right);
    }
}

} // namespace vimo
