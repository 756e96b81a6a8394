// The in-window game menu of fullscreen mode: the built-in picture behind the menu button and the
// thirteen text rows that unfold below it.
//
// The picture lives in the image model (`btn_game_menu_background`), so it is painted and
// clipped like every other image; this class sizes that image and owns the rows, which are
// widgets of the main window and so lie above all of its images. It keeps `game_menu_open` and
// builds or removes the rows that flag asks for, from the menu table's rows.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/lcd/image_model.h"
#include "core/shell/menu_table.h"

namespace zuzazizo {

// The opaque black title row with the three-bar symbol and "Game menu", and the dark panel below.
QImage game_menu_picture();

class GameMenu {
  public:
    // `run_item(i)` runs the action of row i (0-based, menu order). Releasing the left button on
    // an enabled row closes the menu, after the row's click has run.
    GameMenu(QWidget& window, ImageModel& images, std::function<void(std::size_t)> run_item);

    // `game_menu_open`: whether the rows exist. Callers set it, then display() acts on it.
    bool is_open() const { return open_; }
    void set_open(bool open) { open_ = open; }
    // `Vid_Display_Game_Menu`: builds the rows with these marks when open, removes them when not.
    void display(const MenuChecks& checks);
    // `btn_game_menu_topClick`: opens a closed menu with these marks, closes an open one.
    void toggle(const MenuChecks& checks);
    // Closes the menu, as a mode switch or the popup menu does; a closed menu only sets its size.
    void fold();

    // Puts the built-in picture into the image model, once: it is drawn with text, which loads
    // the font database, a cost the windowed mode (which never shows the menu) does not pay.
    void draw_picture();

    // A click on the menu button is a press and a release of the left button on it; true when
    // this release completes one.
    void button_press(std::optional<ImageId> hit, bool left_button);
    bool button_release(std::optional<ImageId> hit);

    // `menu_labels`, in row order; empty while the menu is closed.
    const std::vector<QPointer<QLabel>>& menu_labels() const { return labels_; }

  private:
    void open_rows(const std::vector<GameMenuRowText>& rows);
    // Takes the rows away at once but deletes them only once the event loop is back, as a row
    // may be in the middle of its own mouse event.
    void close_rows();

    QWidget& window_;
    ImageModel& images_;
    std::function<void(std::size_t)> run_item_;
    std::vector<QPointer<QLabel>> labels_;
    bool open_ = false;
    bool button_pressed_ = false;
};

}  // namespace zuzazizo
