#include "windows/about.h"

#include "windows/dialog_style.h"

namespace zuzazizo {

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("About the author..."));
    setFixedSize(397, 176);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, dialog_blue);
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace zuzazizo
