#include "controls/button_state.h"

namespace vimo {

int button_frame(int state, unsigned style, bool hide_normal) {
    if (hide_normal && state == kStateNormal) return kNoFrame;
    if (state == kStatePressed && (style & tbs_Highlighted) == 0) return kStateHighlighted;
    return state;
}

int state_after_enter(int state, unsigned style) {
    return (style & tbs_Highlighted) != 0 ? kStateHighlighted : state;
}

int state_after_leave(int state, unsigned style) {
    return (style & tbs_Highlighted) != 0 ? kStateNormal : state;
}

int state_after_press(int state, unsigned style) {
    return (style & tbs_Pressed) != 0 ? kStatePressed : state;
}

int state_after_release(int state, unsigned style) {
    return (style & tbs_Pressed) != 0 ? kStateNormal : state;
}

} // namespace vimo
