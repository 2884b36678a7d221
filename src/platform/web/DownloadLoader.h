#pragma once
// Loads the download module of the layer (DownloadModule.h) once, on the user-interface thread, and sets
// libcurl up there before any download uses it. Asked for on a worker, it is loaded once the program's
// first frame is on the screen, and the worker waits for it; asked for on the user-interface thread
// itself, it is loaded at once. It is looked for where the layer's modules are (ModuleDirectories.h).

#include "platform/web/DownloadModule.h"

namespace layer {

using DownloadFunction = decltype(&VintoraDownload);

// The module's download; null when the module cannot be had (not installed, libcurl failed to start, or
// the program ends before the module could be loaded).
DownloadFunction LoadedDownload();

} // namespace layer
