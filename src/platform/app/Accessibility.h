#pragma once
// What screen readers find of the program: the application with its windows, each host's own accessible
// interface where it has one (Host::CreateAccessible), Qt's for everything else.

namespace layer {

// Installs the layer's accessibility factory; the application does it before any window exists, since
// an interface once made serves its object for good.
void InstallAccessibility();

} // namespace layer
