// One QApplication for all front-end tests in a binary, created on first use.
//
// It is never destroyed: QTest's key and mouse functions register input devices that a
// QApplication torn down among the static destructors at exit deletes twice, crashing a test
// binary whose tests all passed. The process ends right after, so nothing is lost.
#pragma once

#include <QApplication>

#include "frontend/windows/dialog_style.h"

namespace zuzazizo {

inline QApplication& ensure_qapp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = [] {
        auto* created = new QApplication(argc, argv);
        // As the program does, so that layout tests measure the texts in the fonts it shows.
        use_metric_compatible_arial();
        return created;
    }();
    return *app;
}

}  // namespace zuzazizo
