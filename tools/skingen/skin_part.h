// The pieces of the skin as the generator builds them: one picture and one rectangle per image
// section of Config.ini, in game-area coordinates.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <map>

#include "core/lcd/image_id.h"
#include "core/skin/config_keys.h"

namespace skingen {

using zuzazizo::ImageId;

struct SkinPart {
    QRect rect;
    QImage picture;  // null: the section names no file (the digit places)
    QString file;    // file name inside the skin folder, empty with a null picture
};

// Keyed by image so that the Config.ini writer can walk the numbered table and the preview the
// stacking order, each without caring in which order the artwork was drawn.
using Skin = std::map<ImageId, SkinPart>;

// The game area the whole skin is laid out in: the size Config.ini gives when it names none.
inline constexpr int game_width_px = zuzazizo::config_keys::game_width.fallback;
inline constexpr int game_height_px = zuzazizo::config_keys::game_height.fallback;

}  // namespace skingen
