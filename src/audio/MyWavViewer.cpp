#include "audio/MyWavViewer.h"

#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <cmath>

namespace vimo {

namespace {

// A level scaled to its row; halves round away from zero.
int row_of(int level, int y_scale) {
    return static_cast<int>(std::lround(static_cast<double>(level) * y_scale / 100.0));
}

} // namespace

TMyWavViewer::TMyWavViewer(QWidget* parent) : QWidget(parent) {
    m_message_sink = [this](const QString& message) {
        QMessageBox::warning(this, QString(), message);
    };
}

void TMyWavViewer::setSzer_Belek(int margin) {
    m_margin = margin;
    update();
}

void TMyWavViewer::setYScale(int percent) {
    m_y_scale = percent;
    update();
}

void TMyWavViewer::setKrzywa(bool outline) {
    m_outline = outline;
    // Every paint starts from a clear ground, so the next one drops an outline drawn
    // before.
    update();
}

void TMyWavViewer::tell(const QString& message) {
    if (m_message_sink) m_message_sink(message);
}

bool TMyWavViewer::LoadWav(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        tell(QString::fromUtf8("Plik ") + file + QString::fromUtf8(" nie został znaleziony!"));
        return false;
    }
    const QByteArray bytes = input.readAll();
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::optional<WavLayout> layout = read_wav_layout(view);
    if (!layout) {
        tell(QString::fromUtf8("Błąd podczas odczytu nagłówka pliku! WavHeader <> 44"));
        return false;
    }
    EnvelopeResult result = compute_envelope(*layout, view, m_graph_columns);
    if (!result.envelope) {
        tell(QString::fromStdString(result.error));
        return false;
    }
    m_envelope = std::move(result.envelope);
    update();
    return true;
}

void TMyWavViewer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_envelope) return;
    const WavEnvelope& envelope = *m_envelope;
    const int left = m_margin + 1;
    const QPoint start(left, height() / 2);

    painter.setPen(QPen(Qt::blue, 1));
    QPoint at = start;
    for (int column = 1; column < envelope.graph_columns; ++column) {
        const auto [max, min] = envelope.columns[static_cast<std::size_t>(column - 1)];
        const QPoint top(left + column, row_of(max, m_y_scale));
        const QPoint bottom(left + column, row_of(min, m_y_scale));
        painter.drawLine(at, top);
        painter.drawLine(top, bottom);
        at = bottom;
    }

    if (!m_outline) return;
    painter.setPen(QPen(Qt::red, 1));
    at = start;
    for (std::size_t group = 0; group < envelope.outline.size(); ++group) {
        const QPoint point(left + kOutlineGroup * static_cast<int>(group),
                           row_of(envelope.outline[group].second, m_y_scale));
        painter.drawLine(at, point);
        at = point;
    }
}

} // namespace vimo
