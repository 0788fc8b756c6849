#pragma once
// The picture button's states and which frame of its strip each one shows.
namespace vimo {

enum ButtonStyleFlag : unsigned {
    tbs_Highlighted = 1u, // state 1 while the mouse is over the button
    tbs_Pressed = 2u,     // state 2 while the left button is down
    tbs_DefPos = 4u,      // position taken from the strip's default position
};

inline constexpr int kStateNormal = 0;
inline constexpr int kStateHighlighted = 1;
inline constexpr int kStatePressed = 2;
inline constexpr int kNoFrame = -1;

// The frame drawn in a state, or kNoFrame. A pressed button without the highlight
// style shows the highlighted frame: its strips have two frames only.
int button_frame(int state, unsigned style, bool hide_normal);

int state_after_enter(int state, unsigned style);
int state_after_leave(int state, unsigned style);
int state_after_press(int state, unsigned style);
int state_after_release(int state, unsigned style);

} // namespace vimo
