#include "windows/keys.h"

#include "windows/dialog_style.h"

namespace zuzazizo {

TKeysForm::TKeysForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Key settings"));
    setFixedSize(448, 195);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, dialog_blue);
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace zuzazizo
