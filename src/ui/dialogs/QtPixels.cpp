#include "ui/dialogs/QtPixels.h"

void ConvertToQtPixels(const Colour* from, std::uint32_t* to, int count) {
    // A loop the compiler vectorises: red and blue change places, alpha is set.
    for (int k = 0; k < count; ++k) {
        const Colour c = from[k];
        to[k] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
}
