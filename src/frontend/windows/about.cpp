#include "windows/about.h"

#include "windows/dialog_style.h"

namespace zuzazizo {

namespace {
constexpr QSize client_size_px{397, 176};
}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("About the author..."));
    setFixedSize(client_size_px);
    fill_with_dialog_blue(*this);
}

}  // namespace zuzazizo
