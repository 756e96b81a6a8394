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
    QPalette colours = palette();
    colours.setColor(QPalette::Window, dialog_blue);
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace zuzazizo
