// `TKeysForm` (module `keys`): the dialog that binds keys to the handheld's six buttons.
// For now the bare window: its caption, size and colour; its lists and button come later.
#pragma once

#include <QDialog>

namespace zuzazizo {

class TKeysForm final : public QDialog {
    Q_OBJECT

  public:
    // Created hidden, once at program start; the context menu shows it.
    explicit TKeysForm(QWidget* parent = nullptr);
};

}  // namespace zuzazizo
