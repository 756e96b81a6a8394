#include "config_writer.h"

#include <QFile>
#include <QTextStream>

#include "core/skin/config_keys.h"
#include "core/skin/picture_scales.h"
#include "core/skin/skin_images.h"

namespace skingen {

namespace {

namespace keys = zuzazizo::config_keys;

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// Config.ini as the program reads it: sections of KEY=VALUE lines.
class IniWriter {
  public:
    explicit IniWriter(QTextStream& out) : out_(out) {}

    void section(std::string_view name) { out_ << "\n[" << text(name) << "]\n"; }
    void value(std::string_view key, const QString& value) {
        out_ << text(key) << "=" << value << "\n";
    }
    void value(std::string_view key, int value) { this->value(key, QString::number(value)); }
    // The key's own default, written out so that a reader of the file sees every setting.
    void fallback(const keys::TextKey& key) { value(key.key, text(key.fallback)); }
    void fallback(const keys::IntKey& key) { value(key.key, key.fallback); }

  private:
    QTextStream& out_;
};

void write_image_section(IniWriter& ini, QTextStream& out, int n, const SkinPart& part,
                         ImageId id) {
    ini.section(std::string(keys::image_section_prefix) + std::to_string(n));
    out << "; " << QString::fromLatin1(zuzazizo::name_of(id)) << "\n";
    ini.value(keys::image_filename, part.file.isEmpty() ? text(keys::no_file) : part.file);
    ini.value(keys::image_left, part.rect.left());
    ini.value(keys::image_top, part.rect.top());
    ini.value(keys::image_width, part.rect.width());
    ini.value(keys::image_height, part.rect.height());
}

void write_fullscreen_section(IniWriter& ini, const FullscreenFiles& fullscreen) {
    ini.section(keys::backdrop_dir.section);
    ini.fallback(keys::backdrop_dir);
    ini.value(keys::backdrop_file.key, fullscreen.backdrop);
    ini.fallback(keys::backdrop_stretch);
    ini.fallback(keys::bg_color);
    ini.fallback(keys::game_offset_x);
    ini.fallback(keys::game_offset_y);
    ini.value(keys::logo_file.key, fullscreen.logo);
    ini.fallback(keys::logo_position);
}

}  // namespace

QString config_ini_text(const Skin& skin, const FullscreenFiles& fullscreen) {
    QString text_out;
    QTextStream out(&text_out);
    IniWriter ini(out);
    out << "; Skin of the Zuzazizo simulator, written by skingen at build time.\n"
           "; Coordinates are pixels of the game area; colours are $00BBGGRR.\n";
    ini.section(keys::skin_dir.section);
    ini.fallback(keys::skin_dir);
    ini.value(keys::game_width.key, game_width_px);
    ini.value(keys::game_height.key, game_height_px);
    write_fullscreen_section(ini, fullscreen);
    ini.section(keys::transp_color.section);
    ini.fallback(keys::transp_color);
    for (int n = 1; n <= zuzazizo::skin_image_count; ++n) {
        const ImageId id = zuzazizo::skin_image(n);
        write_image_section(ini, out, n, skin.at(id), id);
    }
    ini.section(keys::manual_dir.section);
    ini.fallback(keys::manual_dir);
    ini.fallback(keys::manual_width);
    ini.fallback(keys::manual_height);
    return text_out;
}

QString larger_name(const QString& file, int factor) {
    if (factor == 1) return file;
    return QString::fromStdString(zuzazizo::larger_file_name(file.toStdString(), factor));
}

bool write_skin_pictures(const Skin& skin, const QDir& skin_dir, int factor) {
    for (const auto& [id, part] : skin) {
        if (part.picture.isNull()) continue;
        if (!part.picture.save(skin_dir.filePath(larger_name(part.file, factor)), "PNG"))
            return false;
    }
    return true;
}

QString folder_of(std::string_view config_dir) {
    QString folder = text(config_dir);
    folder.replace('\\', '/');
    while (folder.endsWith('/')) folder.chop(1);
    return folder;
}

bool write_text_file(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size();
}

}  // namespace skingen
