// Opening a document or a web or mail address in the user's associated application.
//
// The windows take an opener instead of calling QDesktopServices themselves, so that tests can
// record what would have been opened without starting a browser or an editor.
#pragma once

#include <QUrl>
#include <functional>

namespace zuzazizo {

using LinkOpener = std::function<void(const QUrl& address)>;

// The desktop's handler (xdg-open on Linux, the shell's "open" on Windows). A missing file or
// handler is silently nothing, as the caller expects.
LinkOpener desktop_link_opener();

}  // namespace zuzazizo
