#include "windows/keys.h"

namespace zuzazizo {

TKeysForm::TKeysForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Key settings"));
    setFixedSize(448, 195);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(8, 41, 82));
    setPalette(colours);
    setAutoFillBackground(true);
}

}  // namespace zuzazizo
