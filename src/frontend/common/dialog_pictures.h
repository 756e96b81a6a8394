// The pictures of the splash screen and the about box, drawn by skingen and linked in as Qt
// resources. Linking the library zuzazizo_dialog_pictures is all a consumer does: the resource
// objects are linked whole, so they register themselves when the program loads.
//
// The names below are the only list of these pictures: skingen writes the files under these names
// and the build (tools/skingen/CMakeLists.txt) reads its list of them from this header.
#pragma once

#include <QFile>
#include <QSize>
#include <QString>
#include <array>

#include "core/skin/picture_scales.h"

namespace zuzazizo::dialog_pictures {

inline constexpr const char* splash_background = ":/dialogs/splash_background.png";
inline constexpr const char* splash_box = ":/dialogs/splash_box.jpg";
inline constexpr const char* play = ":/dialogs/play.png";
inline constexpr const char* play_disabled = ":/dialogs/play_disabled.png";
inline constexpr const char* donate = ":/dialogs/donate.png";
inline constexpr const char* about_handheld = ":/dialogs/about_handheld.png";

inline constexpr std::array all{splash_background, splash_box, play,
                                play_disabled,     donate,     about_handheld};

// Each picture is drawn to the size of its place in its window: the background fills the splash
// screen's client area, and play, play_disabled and donate share one size.
inline constexpr QSize splash_background_size_px{460, 420};
inline constexpr QSize splash_box_size_px{460, 160};
inline constexpr QSize button_size_px{107, 30};
inline constexpr QSize about_handheld_size_px{116, 160};
// The dark band along the bottom of the splash background, behind the check box, begins here.
inline constexpr int splash_check_band_top_px = 382;

// Every picture is also drawn with twice the pixels, as "name@2x.png", for screens of a pixel
// ratio above 1; loaded by that name, Qt gives the picture the ratio 2 and so its own size.
inline constexpr int larger_factor = 2;

// The resource of a picture for a screen of this pixel ratio.
inline QString for_ratio(const char* path, qreal ratio) {
    if (ratio <= 1.0) return QString::fromLatin1(path);
    return QString::fromStdString(larger_file_name(path, larger_factor));
}

// Where the resources are, and the name of one drawing's file among them.
inline constexpr const char* prefix = ":/dialogs/";
inline QString file_name(const char* path, int factor = 1) {
    const QString name = for_ratio(path, factor);
    return name.mid(QString::fromLatin1(prefix).size());
}

// True when every picture above is present in both drawings: a check for start-up or tests that
// the resource objects were linked in.
inline bool all_present() {
    for (const char* path : all)
        for (const qreal ratio : {1.0, 2.0})
            if (!QFile::exists(for_ratio(path, ratio))) return false;
    return true;
}

}  // namespace zuzazizo::dialog_pictures
