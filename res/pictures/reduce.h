// Shrinks a picture by any ratio with an area (box) filter: each pixel of the result is the
// average of the part of the source it covers, weighted by how much of each source pixel that is.
#pragma once

#include "raster.h"

// to is no larger than from in either direction.
void ReduceArea(const Canvas& from, Canvas& to);
