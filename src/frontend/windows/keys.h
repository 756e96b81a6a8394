// `TKeysForm` (module `keys`): the dialog that binds keys to the handheld's six buttons.
//
// Created once at program start and never rebuilt: its lists are filled and set from the bindings
// only then, so a selection left unsaved by Escape is what the next opening shows. The menu
// disables the main window before showing the dialog; the dialog enables it again however it
// closes (accept, Escape, or the platform's close command, which acts like Escape), since a main
// window left disabled would no longer answer at all. Components keep their designer names and
// are public, as on the form they were drawn on.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "core/input/key_bindings.h"
#include "core/input/key_dialog_model.h"
#include "core/lcd/image_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zuzazizo {

class TKeysForm final : public QDialog {
    Q_OBJECT

  public:
    // `main_window` is enabled again whenever the dialog closes; it may be null in tests.
    TKeysForm(KeyBindings& keys, ImageModel& images, QWidget* main_window,
              QWidget* parent = nullptr);

    void FormActivate();
    // `key` is a Windows virtual-key code; true when the key was used and goes no further.
    bool FormKeyDown(std::uint16_t key);
    void cbChange();
    void btn_acceptClick();
    bool CheckKeys();

    QLabel* la_main = nullptr;
    QLabel* la_1 = nullptr;
    QLabel* la_2 = nullptr;
    QLabel* la_3 = nullptr;
    QLabel* la_controls = nullptr;
    QLabel* la_4 = nullptr;
    QLabel* la_5 = nullptr;
    QLabel* la_6 = nullptr;
    QComboBox* cb_1 = nullptr;
    QComboBox* cb_2 = nullptr;
    QComboBox* cb_3 = nullptr;
    QComboBox* cb_4 = nullptr;
    QComboBox* cb_5 = nullptr;
    QComboBox* cb_6 = nullptr;
    QPushButton* btn_accept = nullptr;

  public slots:
    // QDialog's Escape and the platform's close command both end here.
    void reject() override;

  protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Key preview: the form sees a key before the focused list does.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_components();
    void FormCreate();
    void close_dialog();
    void owner_activated();

    KeyBindings& keys_;
    ImageModel& images_;
    QWidget* main_window_;
    KeyDialogModel model_;
    // [slot 1..6]; entry 0 unused, as in the bindings.
    std::array<QLabel*, key_slot_count + 1> labels_{};
    std::array<QComboBox*, key_slot_count + 1> lists_{};
};

}  // namespace zuzazizo
