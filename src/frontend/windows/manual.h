// `TManualForm` (module `manual`): the paged instruction leaflet, opened from the context menu.
//
// A borderless window that stays on top, sized and filled from Config.ini's Manual section. The
// page turns when a button or arrow key is released; a held arrow key turns one page. The form
// itself takes every mouse event (its children are see-through to the mouse): a press on a
// visible button captures that button until the left button comes up, any other left press on
// the page starts dragging the window. Components keep their designer names and are public.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/lcd/picture.h"
#include "core/windows/manual_pages.h"
#include "frontend/common/error_report_qt.h"
#include "frontend/common/held_keys_qt.h"

class QLabel;

namespace zuzazizo {

class TManualForm final : public QWidget {
    Q_OBJECT

  public:
    // Lays the viewer out from the Config.ini in `base_dir` (the executable's folder); a broken
    // layout or page goes to `errors`.
    TManualForm(const std::string& base_dir, ErrorReport errors, QWidget* parent = nullptr);

    void Vid_Show_Page();
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_esc_down();
    void Inp_esc_up();
    // `key` is a Windows virtual-key code, after the held-key handling.
    void FormKeyDown(std::uint16_t key);
    void FormKeyUp(std::uint16_t key);

    // The page on view; kept while the window is closed, so it reopens where it was left.
    int manual_page = manual_first_page;
    // `im_page_01` .. `im_page_08`, the stores of the page pictures; [0] is unused. Each is made
    // when its page is first shown (see page_pixmap).
    std::array<QPixmap, manual_last_page + 1> manual_pages;

    // The page's picture, decoded from its file when first asked for, so that the pages of a
    // viewer nobody opens cost nothing. Pixels found damaged only then are reported, and the page
    // shows the missing-image marker. On a screen of a pixel ratio above 1 it is the page's
    // drawing with twice the pixels where there is one (manual_page_ratio.h).
    const QPixmap& page_pixmap(int page);

    QLabel* im_page_top = nullptr;
    QWidget* sh_page_top = nullptr;
    QLabel* btn_close_down = nullptr;
    QLabel* btn_close_up = nullptr;
    QLabel* btn_left_down = nullptr;
    QLabel* btn_left_up = nullptr;
    QLabel* btn_right_down = nullptr;
    QLabel* btn_right_up = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void build_components();
    void FormCreate();
    void place_buttons();
    std::optional<ManualButton> button_at(QPoint pos) const;
    void press(ManualButton button);
    void release(ManualButton button);

    std::string base_dir_;
    ErrorReport errors_;
    // What the layout gave each page, until its pixmap is made.
    std::array<PicturePtr, manual_last_page + 1> page_pictures_;
    PicturePtr missing_page_;
    QtHeldKeys held_keys_;
    std::optional<ManualButton> captured_;
    std::optional<QPoint> drag_origin;
};

}  // namespace zuzazizo
