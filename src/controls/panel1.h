#pragma once
// TPanel1: the score panel of the task screens: a background picture, the score in
// percent as text, and one 22 by 22 frame of a strip of score pictures.
#include <QImage>
#include <QWidget>

class QLabel;

namespace vimo {

class TPanel1 : public QWidget {
    Q_OBJECT
public:
    explicit TPanel1(QWidget* parent = nullptr);

    void setTlo(const QImage& background);
    void setTorcik(const QImage& strip);
    void setWynik(int score);
    int wynik() const { return m_score; }
    const QLabel& scoreLabel() const { return *m_label; }

    static constexpr int kFrameSize = 22;
    static constexpr QPoint kFrameAt{160, 6};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
    QImage m_strip;
    int m_score = 0;
    QLabel* m_label = nullptr;
};

} // namespace vimo
