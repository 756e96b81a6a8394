// The in-window game menu of fullscreen mode: the built-in picture behind the menu button and the
// thirteen text rows that unfold below it.
//
// The picture lives in the image model (`btn_game_menu_background`), so it is painted and
// clipped like every other image; this class sizes that image and owns the rows, which are
// widgets of the main window and so lie above all of its images. Whether the menu is open is the
// main window's `game_menu_open`; this class only builds and removes what that flag says.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "core/lcd/image_model.h"

namespace zuzazizo {

// The opaque black title row with the three-bar symbol and "Game menu", and the dark panel below.
QImage game_menu_picture();

// What a row shows: its text as it stands when the menu opens, and whether it reacts at all.
struct GameMenuRow {
    QString text;      // empty for a separator
    bool interactive;  // false for a separator: an inert gap
    bool enabled;
};

class GameMenu {
  public:
    // `run_item(i)` runs the action of row i (0-based, menu order); `released()` is the left
    // button coming up on an enabled row, which closes the menu after the row's click has run.
    GameMenu(QWidget& window, ImageModel& images, std::function<void(std::size_t)> run_item,
             std::function<void()> released);

    void open(const std::vector<GameMenuRow>& rows);
    // Takes the rows away at once but deletes them only once the event loop is back, as a row
    // may be in the middle of its own mouse event. Closing a closed menu only sets the size.
    void close();

    // `menu_labels`, in row order; empty while the menu is closed.
    const std::vector<QPointer<QLabel>>& menu_labels() const { return labels_; }

  private:
    QWidget& window_;
    ImageModel& images_;
    std::function<void(std::size_t)> run_item_;
    std::function<void()> released_;
    std::vector<QPointer<QLabel>> labels_;
};

}  // namespace zuzazizo
