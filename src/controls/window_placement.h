#pragma once

#include <QWidget>

namespace vimo {

// Moves a top-level window to the centre of the screen it is on.
void center_on_screen(QWidget& window);

} // namespace vimo
