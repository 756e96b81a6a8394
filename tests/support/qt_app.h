// One QApplication for all front-end tests in a binary, created on first use.
#pragma once

#include <QApplication>

namespace zuzazizo {

inline QApplication& ensure_qapp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace zuzazizo
