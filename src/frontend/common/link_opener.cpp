#include "frontend/common/link_opener.h"

#include <QDesktopServices>

namespace zuzazizo {

LinkOpener desktop_link_opener() {
    return [](const QUrl& address) { QDesktopServices::openUrl(address); };
}

}  // namespace zuzazizo
