#include "frontend/app/paths_qt.h"

#include <QCoreApplication>

namespace zuzazizo {

std::string executable_dir() {
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace zuzazizo
