// Where a window goes when it is centred on the screen: the main window at start-up and at each
// change of display mode, the key settings dialog at each opening, the about box, the manual
// viewer and the splash screen at their first showing.
#pragma once

namespace zuzazizo {

// A screen's area in desktop coordinates; a screen need not begin at 0, 0.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct WindowPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// Halfway in each direction, rounded down, and never above or left of the screen's own corner: a
// window larger than the screen keeps its top-left corner in view, where it can still be grabbed
// and where its own controls begin, rather than hanging off both sides alike.
constexpr WindowPlace centred_on(const ScreenArea& screen, int width_px, int height_px) {
    const auto centred = [](int space_px) { return space_px > 0 ? space_px / 2 : 0; };
    return {screen.left + centred(screen.width - width_px),
            screen.top + centred(screen.height - height_px)};
}

}  // namespace zuzazizo
