#pragma once
// Fitting a loaded image to the size a caller asks for.

#include "imagefile/DecodedImage.h"

// The image at width x height. A width or height below 1 asks for the natural
// size (both sides are then taken as the image's own), and so does the natural
// size itself: the image comes back unchanged. Otherwise the whole image is
// stretched or shrunk onto the whole new size by nearest neighbour: each new
// pixel takes the colour of the source pixel under its centre. A size with a
// side above 500 gives an empty image (0 x 0), as no surface is ever that big;
// so does an image whose pixels do not fill its own size.
DecodedImage ResizeImage(const DecodedImage& image, int width, int height);
