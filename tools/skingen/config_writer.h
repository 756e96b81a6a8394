// Config.ini and the picture files of the skin it names.
#pragma once

#include <QDir>
#include <QString>
#include <string_view>

#include "skin_part.h"

namespace skingen {

struct FullscreenFiles {
    QString backdrop;
    QString logo;
};

// The whole file as text; the image sections follow the numbered table of the program.
QString config_ini_text(const Skin& skin, const FullscreenFiles& fullscreen);

// Writes every picture of the skin into skin_dir and returns false on the first failure.
bool write_skin_pictures(const Skin& skin, const QDir& skin_dir, int factor = 1);
// "name.png" to "name@2x.png" for a factor above 1.
QString larger_name(const QString& file, int factor);

bool write_text_file(const QString& path, const QString& text);

// A folder as Config.ini writes it ("Graphics\\Skin\\") as a path below the program's folder.
QString folder_of(std::string_view config_dir);

}  // namespace skingen
