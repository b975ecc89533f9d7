// Records every icon drawing; image n is the n-th drawing made (1-based).
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/icon_image.h"

void FakeIconImageReset();
void FakeIconImageSetSystemSize(std::int32_t size);
// Null for an image never made or already destroyed.
const IconDrawing* FakeIconDrawingOf(IconImage image);
// Images made and not destroyed yet.
std::size_t FakeIconImagesLive();
// Destroying an image that is not live (twice, or never made).
std::size_t FakeIconImageBadDestroys();
