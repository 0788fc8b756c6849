#pragma once
// TUniLabel: a transparent label that paints a wide caption or a UTF-16 byte string
// (the interface and course texts), and finds the word under a point for the
// dictionary look-up.
#include "controls/word_layout.h"
#include "core/uni.h"

#include <QString>
#include <QWidget>

namespace vimo {

class TUniLabel : public QWidget {
    Q_OBJECT
public:
    explicit TUniLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void setCaptionNormal(const UniString& caption);
    void setUseNormalCaption(bool use);
    void setWordWrap(bool wrap);
    void setTextAlignH(TextAlign align);
    void setAutoSize(bool autosize);

    const QString& caption() const { return m_caption; }
    const UniString& captionNormal() const { return m_caption_normal; }
    bool useNormalCaption() const { return m_use_normal; }
    bool wordWrap() const { return m_word_wrap; }
    TextAlign textAlignH() const { return m_align; }
    bool autoSize() const { return m_auto_size; }

    // The text painted: the caption, or the units of CaptionNormal.
    QString shownText() const;
    // The word of CaptionNormal under (x, y) in the label's font; empty if none.
    UniString word_at(int x, int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void text_changed();
    void fit_to_text();
    int alignment_flags() const;

    QString m_caption = QStringLiteral("UniLabel");
    UniString m_caption_normal;
    bool m_use_normal = false;
    bool m_word_wrap = false;
    TextAlign m_align = TextAlign::Left;
    bool m_auto_size = false;
};

} // namespace vimo
