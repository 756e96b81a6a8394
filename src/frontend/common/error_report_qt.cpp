#include "frontend/common/error_report_qt.h"

#include <utility>

#include <QMessageBox>

namespace zuzazizo {
namespace {

ErrorHook& error_hook() {
    static ErrorHook hook;
    return hook;
}

}  // namespace

void show_error(const QString& text) {
    if (const ErrorHook& hook = error_hook()) {
        hook(text);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Error"), text, QMessageBox::Ok);
}

void set_error_hook(ErrorHook hook) {
    error_hook() = std::move(hook);
}

}  // namespace zuzazizo
