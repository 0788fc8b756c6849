#pragma once
// Painting the chooser's list: the pictures it draws (gfx_r\wybor\ under the course
// root) and one full paint of the rows from the engine's state. Kept apart from the
// window so that a paint can be timed and looked at on a plain image.

#include "navigation/chooser.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <array>
#include <map>
#include <string>

namespace vimo {

struct ChooserPictures {
    QImage plus;
    QImage minus;
    std::map<int, QImage> node_kinds; // items with rows: node kinds 1, 2, 3, 5
    std::map<int, QImage> kind_codes; // rows and single items: kind code
    std::array<QImage, 4> levels;     // levels 1..4
    QImage done;
    QImage not_done;
    QImage bar_back;
    std::array<QImage, 4> bars; // the four bar pieces of score_bar
    QImage up;
    QImage down;
};

// The chooser's pictures of the course; a file that is missing leaves its picture
// null, and a null picture is simply not drawn.
ChooserPictures load_chooser_pictures(const std::string& course_root);

inline constexpr QSize kChooserListSize{825, 537};
inline const QColor kHighlightColour{233, 246, 250};
inline const QColor kLastDateColour{102, 102, 102};
inline const QColor kScoreColour{0, 102, 153};

QFont chooser_font();

// Paints the rows from first_visible on into the list area at the painter's origin;
// highlight_row (an index into rows, or -1) gets the light bar.
void paint_chooser_rows(QPainter& painter, const std::vector<VisibleRow>& rows, int first_visible,
                        int mode, int highlight_row, const ChooserPictures& pictures);

} // namespace vimo
