#include "dialog_pictures.h"

#include <QFile>
#include <array>

namespace zuzazizo::dialog_pictures {

bool all_present() {
    const std::array paths{splash_background, splash_box, play,
                           play_disabled,     donate,     about_handheld};
    for (const char* path : paths)
        if (!QFile::exists(QString::fromLatin1(path))) return false;
    return true;
}

}  // namespace zuzazizo::dialog_pictures
