// Compiles every public header of the layer together, so that a header that is not self-contained or
// that clashes with another fails the layer's own build rather than a page's.
#include "platform/Afx.h"
