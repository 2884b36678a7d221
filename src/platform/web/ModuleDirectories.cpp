#include "platform/web/ModuleDirectories.h"

#include <QCoreApplication>
#include <QDir>

// Set by the build: the modules' install folder, relative to the executable's and absolute.
#if !defined(VINTORA_PLUGIN_DIR_FROM_BINDIR) || !defined(VINTORA_PLUGIN_INSTALL_DIR)
#error "the build names the install folder of the layer's modules"
#endif

namespace layer {

QStringList ModuleDirectories()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    return {exeDir, QDir::cleanPath(QDir(exeDir).filePath(QStringLiteral(VINTORA_PLUGIN_DIR_FROM_BINDIR))),
            QStringLiteral(VINTORA_PLUGIN_INSTALL_DIR)};
}

} // namespace layer
