#include "config_writer.h"

#include <QFile>
#include <QTextStream>

#include "core/skin/skin_images.h"

namespace skingen {

namespace {

void write_image_section(QTextStream& out, int n, const SkinPart& part, ImageId id) {
    out << "\n[Image" << n << "]\n";
    out << "; " << QString::fromLatin1(zuzazizo::name_of(id)) << "\n";
    out << "Filename=" << (part.file.isEmpty() ? QStringLiteral("nil") : part.file) << "\n";
    out << "Left=" << part.rect.left() << "\n";
    out << "Top=" << part.rect.top() << "\n";
    out << "Width=" << part.rect.width() << "\n";
    out << "Height=" << part.rect.height() << "\n";
}

}  // namespace

QString config_ini_text(const Skin& skin, const FullscreenFiles& fullscreen) {
    QString text;
    QTextStream out(&text);
    out << "; Skin of the Zuzazizo simulator, written by skingen at build time.\n"
           "; Coordinates are pixels of the game area; colours are $00BBGGRR.\n"
           "\n[Common]\n"
           "SkinDir=Graphics\\Skin\\\n"
        << "GameWidth=" << game_width_px << "\n"
        << "GameHeight=" << game_height_px << "\n"
        << "\n[Fullscreen]\n"
           "BackdropDir=Graphics\\Backdrops\\\n"
        << "BackdropFile=" << fullscreen.backdrop << "\n"
        << "BackdropStretch=0\n"
           "BgColor=$00000000\n"
           "GameOffsetX=Center\n"
           "GameOffsetY=Center\n"
        << "LogoFile=" << fullscreen.logo << "\n"
        << "LogoPosition=1\n"
           "\n[VideoMode]\n"
           "TranspColor=$00ff00ff\n";
    for (int n = 1; n <= zuzazizo::skin_image_count; ++n) {
        const ImageId id = zuzazizo::skin_image(n);
        write_image_section(out, n, skin.at(id), id);
    }
    out << "\n[Manual]\n"
           "ManualDir=Graphics\\Manual\\\n"
           "ManualWidth=390\n"
           "ManualHeight=300\n";
    return text;
}

QString larger_name(const QString& file, int factor) {
    if (factor == 1) return file;
    const qsizetype dot = file.lastIndexOf('.');
    const QString stem = dot < 0 ? file : file.left(dot);
    const QString extension = dot < 0 ? QString() : file.mid(dot);
    return stem + "@" + QString::number(factor) + "x" + extension;
}

bool write_skin_pictures(const Skin& skin, const QDir& skin_dir, int factor) {
    for (const auto& [id, part] : skin) {
        if (part.picture.isNull()) continue;
        if (!part.picture.save(skin_dir.filePath(larger_name(part.file, factor)), "PNG"))
            return false;
    }
    return true;
}

bool write_text_file(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size();
}

}  // namespace skingen
