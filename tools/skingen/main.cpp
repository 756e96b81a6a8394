// skingen: draws the simulator's own skin, manual, sounds, documents and dialog pictures.
//
// Usage: skingen <bin-dir> <preview.png> <dialogs-dir>
// Run by the build on the offscreen platform; writes everything the program reads beside its
// executable, a preview of the skin for people to look at, and the pictures of the dialogs.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "config_writer.h"
#include "fonts.h"
#include "preview.h"
#include "skin_art.h"

namespace {

bool fail(const char* what) {
    std::fprintf(stderr, "skingen: could not write %s\n", what);
    return false;
}

bool make_dir(const QDir& base, const QString& path) {
    return base.mkpath(path) || fail(qPrintable(path));
}

bool generate(const QDir& bin, const QString& preview_path, const QDir& dialogs) {
    using namespace skingen;
    if (!make_dir(bin, "Graphics/Skin") || !make_dir(bin, "Graphics/Backdrops") ||
        !make_dir(bin, "Graphics/Manual") || !make_dir(bin, "Sound") || !make_dir(dialogs, "."))
        return false;
    const Skin skin = draw_skin();
    if (!write_skin_pictures(skin, QDir(bin.filePath("Graphics/Skin"))))
        return fail("the skin pictures");
    const FullscreenFiles fullscreen{QStringLiteral("backdrop.jpg"), QStringLiteral("logo.png")};
    if (!write_text_file(bin.filePath("Config.ini"), config_ini_text(skin, fullscreen)))
        return fail("Config.ini");
    if (!write_previews(skin, preview_path)) return fail("the previews");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: skingen <bin-dir> <preview.png> <dialogs-dir>\n");
        return 2;
    }
    skingen::check_fonts();
    const QDir bin(QString::fromLocal8Bit(argv[1]));
    const QDir dialogs(QString::fromLocal8Bit(argv[3]));
    return generate(bin, QString::fromLocal8Bit(argv[2]), dialogs) ? 0 : 1;
}
