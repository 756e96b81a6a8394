// The floor for start-up: a minimal Qt program that shows one window with one picture.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include "first_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setPixmap(
        QPixmap(QApplication::applicationDirPath() + "/Graphics/Skin/im_background.png"));
    report_first_frame_and_quit(window);
    window.show();
    return QApplication::exec();
}
