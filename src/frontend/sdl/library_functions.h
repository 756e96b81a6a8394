// Looking up a shared library's functions by name, with the types their header gives them.
#pragma once

#include <QLibrary>

namespace zuzazizo {

template <typename Function>
bool resolve(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

}  // namespace zuzazizo
