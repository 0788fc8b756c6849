#pragma once
// TMyWavViewer: the waveform view of a WAV file. LoadWav computes the file's envelope
// for Szer_Wykresu graph columns; the view draws each column as a blue stroke from its
// max to its min level (level 0 at the top, scaled by YScale percent) starting right
// of a Szer_Belek margin, and with Krzywa the red outline of the columns' averaged
// min levels. A file that cannot be read leaves the drawing as it was and says why
// through the message sink.

#include "audio/wav_envelope.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace vimo {

class TMyWavViewer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Szer_Wykresu READ Szer_Wykresu WRITE setSzer_Wykresu)
    Q_PROPERTY(int Szer_Belek READ Szer_Belek WRITE setSzer_Belek)
    Q_PROPERTY(int YScale READ YScale WRITE setYScale)
    Q_PROPERTY(bool Krzywa READ Krzywa WRITE setKrzywa)

public:
    using MessageSink = std::function<void(const QString&)>;

    explicit TMyWavViewer(QWidget* parent = nullptr);

    // Graph columns of the next LoadWav (the drawn envelope keeps the count it was
    // computed for).
    int Szer_Wykresu() const { return m_graph_columns; }
    void setSzer_Wykresu(int columns) { m_graph_columns = columns; }
    // Left margin in pixels before the first column.
    int Szer_Belek() const { return m_margin; }
    void setSzer_Belek(int margin);
    // Vertical scale of the levels, in percent.
    int YScale() const { return m_y_scale; }
    void setYScale(int percent);
    // Whether the outline is drawn over the columns.
    bool Krzywa() const { return m_outline; }
    void setKrzywa(bool outline);

    // Reads the file and draws its envelope; false (and a message, the drawing kept)
    // when it is missing, shorter than a header or not of 8 or 16 bits.
    bool LoadWav(const QString& file);

    // Where the messages of LoadWav go; by default a warning box.
    void set_message_sink(MessageSink sink) { m_message_sink = std::move(sink); }

    // The envelope drawn, empty before the first good LoadWav.
    const std::optional<WavEnvelope>& envelope() const { return m_envelope; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tell(const QString& message);

    int m_graph_columns = 600;
    int m_margin = 0;
    int m_y_scale = 50;
    bool m_outline = false;
    std::optional<WavEnvelope> m_envelope;
    MessageSink m_message_sink;
};

} // namespace vimo
