// The texts, sizes and places of the page's windows (the key settings dialog, the manual viewer
// and the about box) as one JSON text: the core's designs of them, so the page writes none of
// them itself.
#pragma once

#include <string>

namespace zuzazizo {

std::string windows_design_json();

}  // namespace zuzazizo
