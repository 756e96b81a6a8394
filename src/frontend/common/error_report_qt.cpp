#include "frontend/common/error_report_qt.h"

#include <QMessageBox>
#include <QTimer>

namespace zuzazizo {

void ErrorReport::show(const QString& text) const {
    if (sink_) {
        sink_(text);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Error"), text, QMessageBox::Ok);
}

void ErrorReport::show_later(QObject* context, const QString& text) const {
    QTimer::singleShot(0, context, [report = *this, text] { report.show(text); });
}

}  // namespace zuzazizo
