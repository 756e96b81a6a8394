// skingen: draws the simulator's own skin, manual, sounds, documents and dialog pictures.
//
// Usage: skingen <bin-dir> <preview.png> <dialogs-dir> <icons-dir>
// Run by the build on the offscreen platform; writes everything the program reads beside its
// executable, a preview of the skin for people to look at, the pictures of the dialogs and the
// desktop icon in the sizes of an icon theme.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "about_art.h"
#include "art_scale.h"
#include "backdrop_art.h"
#include "config_writer.h"
#include "core/skin/config_keys.h"
#include "core/skin/picture_scales.h"
#include "core/skin/skin_paths.h"
#include "documents.h"
#include "fonts.h"
#include "frontend/common/dialog_pictures.h"
#include "icon_art.h"
#include "manual_draw.h"
#include "manual_pages.h"
#include "preview.h"
#include "skin_art.h"
#include "sounds.h"

namespace {

using namespace skingen;

bool fail(const QString& what) {
    std::fprintf(stderr, "skingen: could not write %s\n", qPrintable(what));
    return false;
}

namespace keys = zuzazizo::config_keys;

// The folders Config.ini names, below the program's folder.
QString skin_folder(const QDir& bin) {
    return bin.filePath(folder_of(keys::skin_dir.fallback));
}
QString backdrop_folder(const QDir& bin) {
    return bin.filePath(folder_of(keys::backdrop_dir.fallback));
}
QString manual_folder(const QDir& bin) {
    return bin.filePath(folder_of(keys::manual_dir.fallback));
}

bool make_dirs(const QDir& bin, const QDir& dialogs) {
    for (const QString& dir : {skin_folder(bin), backdrop_folder(bin), manual_folder(bin)})
        if (!QDir().mkpath(dir)) return fail(dir);
    return dialogs.mkpath(QStringLiteral(".")) || fail(dialogs.path());
}

bool save(const QImage& image, const QString& path, int quality = -1) {
    return image.save(path, nullptr, quality) || fail(path);
}

// Each at its own size and again with twice the pixels, for screens of pixel ratio 2.
bool write_dialog_pictures(const Skin& skin, const QDir& dir) {
    namespace pictures = zuzazizo::dialog_pictures;
    for (const int factor : {1, pictures::larger_factor}) {
        const ArtScale scale(factor);
        const auto path = [&](const char* picture) {
            return dir.filePath(pictures::file_name(picture, factor));
        };
        const bool saved =
            save(splash_background(), path(pictures::splash_background)) &&
            save(splash_box(manual::handheld(skin, 176, factor)), path(pictures::splash_box), 90) &&
            save(dialog_button(QStringLiteral("PLAY \u25B6"), 0xff2e9a3e, true),
                 path(pictures::play)) &&
            save(dialog_button(QStringLiteral("PLAY \u25B6"), 0xffb8bcc2, false),
                 path(pictures::play_disabled)) &&
            save(dialog_button(QStringLiteral("DONATE \u2665"), 0xffe0a020, true),
                 path(pictures::donate)) &&
            save(about_picture(skin), path(pictures::about_handheld));
        if (!saved) return false;
    }
    return true;
}

// Drawn anew at each scale; the 1x skin stays the one everything else is made from. The
// manual's larger pages show the skin drawn at their own scale.
bool write_larger_pictures(const QDir& skin_dir, const QDir& manual_dir) {
    for (int factor = 2; factor <= zuzazizo::largest_picture_factor; ++factor) {
        const ArtScale scale(factor);
        const Skin skin = draw_skin();
        if (!write_skin_pictures(skin, skin_dir, factor))
            return fail(QStringLiteral("the skin pictures"));
        if (factor == zuzazizo::manual_larger_factor && !write_manual(skin, manual_dir, factor))
            return fail(QStringLiteral("the manual's larger pages"));
    }
    return true;
}

bool write_data(const Skin& skin, const QDir& bin) {
    const QDir skin_dir(skin_folder(bin));
    if (!write_skin_pictures(skin, skin_dir)) return fail(QStringLiteral("the skin pictures"));
    if (!write_larger_pictures(skin_dir, QDir(manual_folder(bin)))) return false;
    const FullscreenFiles fullscreen{QStringLiteral("backdrop.jpg"), QStringLiteral("logo.png")};
    const QDir backdrops(backdrop_folder(bin));
    const QString config_file = QString::fromLatin1(zuzazizo::config_file_name);
    return save(backdrop_picture(), backdrops.filePath(fullscreen.backdrop), 88) &&
           save(logo_picture(), backdrops.filePath(fullscreen.logo)) &&
           (write_text_file(bin.filePath(config_file), config_ini_text(skin, fullscreen)) ||
            fail(config_file)) &&
           (write_manual(skin, QDir(manual_folder(bin))) || fail(QStringLiteral("the manual"))) &&
           (write_sounds(bin.path().toStdString()) || fail(QStringLiteral("the sounds"))) &&
           (write_text_file(bin.filePath("Readme.txt"), readme_text()) ||
            fail(QStringLiteral("Readme.txt"))) &&
           (write_text_file(bin.filePath("Whatsnew.txt"), whatsnew_text()) ||
            fail(QStringLiteral("Whatsnew.txt")));
}

bool write_previews_beside(const Skin& skin, const QDir& bin, const QString& preview_path) {
    const QFileInfo preview(preview_path);
    const QString sheet = preview.path() + "/" + preview.completeBaseName() + "-manual.png";
    return (write_previews(skin, preview_path) || fail(preview_path)) &&
           (write_manual_sheet(manual_folder(bin), sheet) || fail(sheet));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: skingen <bin-dir> <preview.png> <dialogs-dir> <icons-dir>\n");
        return 2;
    }
    check_fonts();
    const QDir bin(QString::fromLocal8Bit(argv[1]));
    const QDir dialogs(QString::fromLocal8Bit(argv[3]));
    if (!make_dirs(bin, dialogs)) return 1;
    const Skin skin = draw_skin();
    const bool ok =
        write_data(skin, bin) && write_dialog_pictures(skin, dialogs) &&
        write_previews_beside(skin, bin, QString::fromLocal8Bit(argv[2])) &&
        (write_icons(QDir(QString::fromLocal8Bit(argv[4]))) || fail(QStringLiteral("the icons")));
    return ok ? 0 : 1;
}
