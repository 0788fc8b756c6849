#include "demo_builder/drill_art.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/pictograms.h"
#include "demo_builder/wav_file.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace vimo {

namespace {

using namespace art_colour;

constexpr QSize k_screen{1024, 768};
// The screen's text starts at y 100 (the score panel at 108): the motifs stay above.
constexpr int k_band_bottom = 92;
constexpr int k_band_line = 96;
// Below the example sentence line (y 679 to 737); only the help button stands here.
constexpr int k_foot_top = 748;
constexpr QSize k_icon{18, 18};

enum class Motif { plain, waves, bubbles, hills, letters, stripes };

struct Theme {
    QColor tint;
    Motif motif = Motif::plain;
};

// One theme per background, slow_0 first.
const std::array<Theme, k_drill_backgrounds + 1> k_themes{{
    {mist, Motif::plain},
    {teal, Motif::waves},
    {QColor(120, 170, 230), Motif::bubbles},
    {leaf, Motif::hills},
    {amber, Motif::letters},
    {coral, Motif::stripes},
}};

// colour mixed with white: share 0 is white, 1 the colour itself.
QColor soft(const QColor& colour, qreal share) {
    const auto mix = [share](int c) { return qRound(255 - (255 - c) * share); };
    return {mix(colour.red()), mix(colour.green()), mix(colour.blue())};
}

void paint_waves(QPainter& painter, const QColor& tint) {
    painter.setBrush(Qt::NoBrush);
    const std::array<qreal, 3> centres{28, 48, 68};
    for (std::size_t i = 0; i < centres.size(); ++i) {
        QPainterPath wave;
        const qreal phase = static_cast<qreal>(i) * 1.3;
        for (int x = -10; x <= k_screen.width() + 10; x += 4) {
            const qreal y = centres[i] + 7 * std::sin(x / 38.0 + phase);
            if (x == -10) {
                wave.moveTo(x, y);
            } else {
                wave.lineTo(x, y);
            }
        }
        painter.setPen(
            QPen(soft(tint, 0.62 - 0.14 * static_cast<qreal>(i)), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(wave);
    }
}

void paint_bubbles(QPainter& painter, const QColor& tint) {
    // A fixed sequence, so that every build draws the same picture.
    unsigned int state = 12345;
    const auto next = [&state](int range) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<unsigned int>(range));
    };
    for (int i = 0; i < 34; ++i) {
        const qreal radius = 5 + next(22);
        const QPointF centre(next(k_screen.width()), 12 + next(k_band_bottom - 24));
        painter.setPen(QPen(soft(tint, 0.45), 1.5));
        painter.setBrush(soft(tint, 0.16 + 0.02 * next(5)));
        painter.drawEllipse(centre, radius, radius);
    }
}

void paint_hills(QPainter& painter, const QColor& tint) {
    painter.setPen(Qt::NoPen);
    const std::array<std::pair<qreal, qreal>, 2> layers{{{46, 0.2}, {64, 0.34}}};
    for (const auto& [base, share] : layers) {
        QPainterPath hills;
        hills.moveTo(0, k_band_bottom);
        for (int x = 0; x <= k_screen.width(); x += 8) {
            hills.lineTo(x, base + 12 * std::sin(x / (base * 2.4) + share * 9));
        }
        hills.lineTo(k_screen.width(), k_band_bottom);
        hills.closeSubpath();
        painter.setBrush(soft(tint, share));
        painter.drawPath(hills);
    }
}

void paint_letters(QPainter& painter, const QColor& tint) {
    const QString letters = QStringLiteral("AbcDefGhiJklMnoPqr");
    constexpr qreal tile = 44;
    constexpr qreal step = 58;
    const QFont font = art_font(24, QFont::Bold);
    for (int i = 0; i < letters.size(); ++i) {
        const QRectF box(14 + step * i, i % 2 == 0 ? 18 : 30, tile, tile);
        painter.setPen(QPen(soft(tint, 0.42), 1.5));
        painter.setBrush(soft(tint, 0.16));
        painter.drawRoundedRect(box, 8, 8);
        draw_text(painter, box, letters.mid(i, 1), font, soft(tint, 0.6));
    }
}

void paint_stripes(QPainter& painter, const QColor& tint) {
    painter.setPen(QPen(soft(tint, 0.28), 6, Qt::SolidLine, Qt::FlatCap));
    for (int x = -k_band_bottom; x < k_screen.width(); x += 26) {
        painter.drawLine(QPointF(x, k_band_bottom), QPointF(x + k_band_bottom, 0));
    }
}

void paint_motif(QPainter& painter, const Theme& theme) {
    painter.save();
    painter.setClipRect(QRect(0, 0, k_screen.width(), k_band_bottom));
    switch (theme.motif) {
    case Motif::plain:
        break;
    case Motif::waves:
        paint_waves(painter, theme.tint);
        break;
    case Motif::bubbles:
        paint_bubbles(painter, theme.tint);
        break;
    case Motif::hills:
        paint_hills(painter, theme.tint);
        break;
    case Motif::letters:
        paint_letters(painter, theme.tint);
        break;
    case Motif::stripes:
        paint_stripes(painter, theme.tint);
        break;
    }
    painter.restore();
}

QImage draw_icon(const std::function<void(QPainter&)>& paint) {
    QImage canvas = transparent_canvas(k_icon);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    // The icons stand on the light backgrounds and the light word list.
    return keyed_picture(canvas, paper);
}

const QRectF k_icon_box(1, 1, 16, 16);

QImage draw_bullet() {
    return draw_icon([](QPainter& painter) {
        QLinearGradient fill(0, 4, 0, 14);
        fill.setColorAt(0, action.lighter(135));
        fill.setColorAt(1, action);
        painter.setPen(QPen(action.darker(120), 1));
        painter.setBrush(fill);
        painter.drawEllipse(QPointF(9, 9), 5, 5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawEllipse(QPointF(7.6, 7.4), 1.6, 1.4);
    });
}

// The Polish flag: the hint beside it is the Polish translation of the sentence.
QImage draw_flag() {
    return draw_icon([](QPainter& painter) {
        const QColor red(220, 20, 60);
        const QRectF flag(1.5, 3.5, 15, 11);
        painter.setPen(Qt::NoPen);
        painter.setBrush(paper);
        painter.drawRect(QRectF(flag.left(), flag.top(), flag.width(), flag.height() / 2));
        painter.setBrush(red);
        painter.drawRect(QRectF(flag.left(), flag.center().y(), flag.width(), flag.height() / 2));
        painter.setPen(QPen(QColor(120, 132, 146), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(flag);
    });
}

QImage draw_speaker(const QColor& colour) {
    return draw_icon([colour](QPainter& painter) {
        draw_pictogram(painter, Pictogram::loudspeaker, k_icon_box, {colour, colour, paper});
    });
}

QImage draw_microphone(bool recording) {
    return draw_icon([recording](QPainter& painter) {
        if (recording) {
            // A soft red halo and a red dot: the microphone is listening.
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(coral.red(), coral.green(), coral.blue(), 90));
            painter.drawEllipse(QPointF(9, 9), 8.5, 8.5);
            painter.setBrush(coral.darker(115));
            painter.drawEllipse(QPointF(14.6, 3.4), 2.2, 2.2);
        }
        const QColor body = recording ? coral.darker(125) : sea;
        draw_pictogram(painter, Pictogram::microphone, k_icon_box, {body, body, paper});
    });
}

// One tone of the buzz: odd harmonics, softened, with a short rise and a gentle fall so
// that it starts and ends without a click.
void append_tone(std::vector<double>& wave, double frequency, double seconds) {
    constexpr double rise = 0.008;
    constexpr double fall = 0.035;
    const int count = static_cast<int>(seconds * k_wav_sample_rate);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / k_wav_sample_rate;
        double value = 0;
        for (int k = 1; k <= 9; k += 2) {
            value += std::sin(2 * std::numbers::pi * frequency * k * t) / std::pow(k, 1.6);
        }
        const double envelope =
            std::min({1.0, t / rise, (seconds - t) / fall}) * std::exp(-3.0 * t);
        wave.push_back(value * envelope);
    }
}

} // namespace

QImage draw_drill_background(int n) {
    const Theme& theme = k_themes[static_cast<std::size_t>(std::clamp(n, 0, k_drill_backgrounds))];
    QImage image(k_screen, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient page(0, 0, 0, k_screen.height());
    page.setColorAt(0, soft(theme.tint, 0.3));
    page.setColorAt(static_cast<qreal>(k_band_line) / k_screen.height(), QColor(252, 252, 250));
    page.setColorAt(1, QColor(247, 247, 244));
    painter.fillRect(image.rect(), page);
    paint_motif(painter, theme);
    painter.fillRect(QRect(0, k_band_line, k_screen.width(), 1), soft(theme.tint, 0.45));
    painter.fillRect(QRect(0, k_foot_top, k_screen.width(), k_screen.height() - k_foot_top),
                     soft(theme.tint, 0.14));
    painter.fillRect(QRect(0, k_foot_top, k_screen.width(), 1), soft(theme.tint, 0.4));
    painter.end();
    return image;
}

std::vector<DrillIcon> draw_drill_icons() {
    return {
        {QStringLiteral("punkt.bmp"), draw_bullet()},
        {QStringLiteral("flaga.bmp"), draw_flag()},
        {QStringLiteral("glosnik.bmp"), draw_speaker(action)},
        // The learner's own take is amber, as in the speech analyser.
        {QStringLiteral("glosnik_nagranie.bmp"), draw_speaker(deep_amber)},
        {QStringLiteral("mikrofon.bmp"), draw_microphone(false)},
        {QStringLiteral("mikrofon_on.bmp"), draw_microphone(true)},
    };
}

std::vector<qint16> wrong_answer_samples() {
    std::vector<double> wave;
    append_tone(wave, 196, 0.14);
    wave.insert(wave.end(), static_cast<std::size_t>(0.02 * k_wav_sample_rate), 0.0);
    append_tone(wave, 147, 0.14);
    // Soft: the loudest sample at about a quarter of full scale.
    constexpr double peak = 0.27 * 32767;
    double loudest = 0;
    for (const double value : wave)
        loudest = std::max(loudest, std::abs(value));
    std::vector<qint16> samples;
    samples.reserve(wave.size());
    for (const double value : wave)
        samples.push_back(static_cast<qint16>(std::lround(value / loudest * peak)));
    return samples;
}

QStringList write_drill_files(const QString& course_root) {
    QStringList written;
    for (int n = 0; n <= k_drill_backgrounds; ++n) {
        written << write_picture(course_root + QStringLiteral("tla/slow_%1.jpg").arg(n),
                                 draw_drill_background(n), "JPG");
    }
    for (const DrillIcon& icon : draw_drill_icons()) {
        written << write_picture(course_root + QStringLiteral("gfx_r/slowka/") + icon.file,
                                 icon.image, "BMP");
    }
    const QString sound = course_root + QStringLiteral("zla.wav");
    write_file_atomically(sound, canonical_wav(wrong_answer_samples()));
    written << sound;
    return written;
}

} // namespace vimo
