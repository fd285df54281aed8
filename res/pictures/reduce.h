// Shrinks a picture by any ratio with an area (box) filter: each pixel of the result is the
// average of the part of the source it covers, weighted by how much of each source pixel that is.
#pragma once

#include "raster.h"

// to is no larger than from in either direction, and from has at most 2^24 pixels (4096 x 4096),
// so that the sums fit in 32 bits: 64-bit ones make it twice as slow on a 32-bit processor.
void ReduceArea(const Canvas& from, Canvas& to);
