// The look the dialogs share with the pictures drawn for them: their dark blue and the font their
// texts were designed in. Qt GUI only, so that skingen draws with the same values.
#pragma once

#include <QColor>

#include "core/windows/dialog_colours.h"

namespace zuzazizo {

// RGB(8, 41, 82), the background of the splash screen, the key dialog and the about box, and the
// dark band of every picture drawn to sit among them.
inline const QColor dialog_blue{red_of(dialog_blue_colour), green_of(dialog_blue_colour),
                                blue_of(dialog_blue_colour)};

// The family the windows' texts were laid out in (see use_metric_compatible_arial).
inline constexpr const char* arial_family = "Arial";

}  // namespace zuzazizo
