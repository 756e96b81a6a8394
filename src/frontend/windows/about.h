// `TAboutForm` (module `about`): the box that presents the author, opened from the context menu.
// For now the bare window: its caption, size and colours; its labels and links come later.
#pragma once

#include <QDialog>

namespace zuzazizo {

class TAboutForm final : public QDialog {
    Q_OBJECT

  public:
    // Created hidden, once at program start; the context menu shows it.
    explicit TAboutForm(QWidget* parent = nullptr);
};

}  // namespace zuzazizo
