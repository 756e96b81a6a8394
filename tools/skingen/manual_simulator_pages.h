// The last two pages of the manual, about the simulator rather than the handheld.
#pragma once

#include <QImage>

namespace skingen::manual {

QImage menu_page();
QImage keys_page();

}  // namespace skingen::manual
