// The one way an error reaches the user: a modal "Error" box with a critical icon and one OK
// button. Every front-end failure message (missing Config.ini, a broken layout, an unloadable
// sound folder, a settings write that failed) goes through here, so the look of the box and the
// way tests silence it are decided in one place.
#pragma once

#include <functional>

#include <QString>

namespace zuzazizo {

void show_error(const QString& text);

// Tests replace the modal box, which would block an unattended run, with a recorder. An empty
// hook brings the box back.
using ErrorHook = std::function<void(const QString& text)>;
void set_error_hook(ErrorHook hook);

}  // namespace zuzazizo
