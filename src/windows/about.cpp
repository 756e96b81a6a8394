#include "windows/about.h"

namespace zuzazizo {

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("About the author..."));
    setFixedSize(397, 176);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(8, 41, 82));
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace zuzazizo
