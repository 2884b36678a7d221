#pragma once
// Where the layer looks for its modules (the browser plugin, the download module), in this order: beside
// the executable (a program kept in one folder), then the installed program's library folder
// (<libdir>/vintora), found from the executable's folder and, failing that, at the absolute path it was
// installed to.

#include <QStringList>

namespace layer {

QStringList ModuleDirectories();

} // namespace layer
