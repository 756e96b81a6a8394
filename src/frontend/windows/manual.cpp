#include "windows/manual.h"

namespace zuzazizo {

namespace {
// The size before Config.ini's ManualWidth and ManualHeight replace it.
constexpr QSize design_size_px{390, 300};
}  // namespace

TManualForm::TManualForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    // No caption bar is shown; the title names the window in task lists.
    setWindowTitle(QStringLiteral("Manual"));
    resize(design_size_px);
}

}  // namespace zuzazizo
