// `TManualForm` (module `manual`): the paged instruction leaflet, opened from the context menu.
// For now the bare window at its design size; the pages and their buttons come later.
#pragma once

#include <QWidget>

namespace zuzazizo {

class TManualForm final : public QWidget {
    Q_OBJECT

  public:
    // Created hidden, once at program start; the context menu shows it.
    explicit TManualForm(QWidget* parent = nullptr);
};

}  // namespace zuzazizo
