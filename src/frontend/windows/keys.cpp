#include "windows/keys.h"

#include "windows/dialog_style.h"

namespace zuzazizo {

namespace {
constexpr QSize client_size_px{448, 195};
}  // namespace

TKeysForm::TKeysForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Key settings"));
    setFixedSize(client_size_px);
    fill_with_dialog_blue(*this);
}

}  // namespace zuzazizo
