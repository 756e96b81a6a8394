// Readme.txt and Whatsnew.txt, opened from the simulator's menu.
#pragma once

#include <QString>

namespace skingen {

QString readme_text();
QString whatsnew_text();

}  // namespace skingen
