// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/Image.h"
#include "imaging/ImageHeader.h"
#include "imaging/PixelRows.h"
#include "imaging/Surface.h"

namespace vistrel {

// The image library: decoding, drawing onto surfaces, capture and encoding, under the names the
// rest of the program calls it by. Paths are UTF-8 and used as they are. No operation throws or
// ends the process; failures are the results stated below.

// The version of the image library. Start-up refuses to run with 111 or less.
std::uint16_t GetLibraryVersion();

// Decodes a file at full size; null when it is missing, not a regular file (a FIFO never
// blocks), damaged, over kMaxImagePixels or memory runs out. A JPEG comes out upright by its
// EXIF orientation; a GIF gives its first frame.
ImageHandle LoadJpegImage(const std::string& path);
ImageHandle LoadPngImage(const std::string& path);
ImageHandle LoadGifImage(const std::string& path);

// The image's header (width, height, bit count); nullopt for a null image.
std::optional<ImageHeader> GetImageHeader(const Image* image);

// Non-zero when image is usable: not null, with positive sides and pixel, alpha and palette
// storage of the sizes those sides need.
int CheckImage(const Image* image);

// The palette size of an image with a palette, otherwise the number of distinct RGB colours.
std::uint32_t GetColorCount(const Image& image);

// Draws the source rectangle srcX, srcY, srcW x srcH of image scaled onto the rectangle x, y,
// w x h of surface by area averaging. Pixels with alpha, and any part of the source rectangle
// outside the image, are composited over what the surface already holds. Only the part inside
// the surface is drawn; a rectangle with a side that is not positive draws nothing.
void StretchImageToDC(Surface& surface, int x, int y, int w, int h, const Image& image, int srcX,
                      int srcY, int srcW, int srcH);

// Makes image hold its pixels area-averaged to width x height. The alpha plane is kept and
// scaled; the palette is dropped, since averaging makes new colours. Sides that are not
// positive, an area over kMaxImagePixels or lack of memory leave the image unchanged.
void ResizeImage(Image& image, int width, int height);

// Copies image's pixels from srcX, srcY unscaled into the rectangle x, y, w x h of surface,
// composited over the surface where they have alpha; only what lies inside both the image and
// the surface is drawn.
void CopyImageToDC(Surface& surface, int x, int y, int w, int h, const Image& image, int srcX,
                   int srcY);

// A new w x h true-colour image (24 bits, no alpha) of the surface's pixels at x, y; parts of
// the rectangle outside the surface are black. Null when a side is not positive, the rectangle
// misses the surface entirely, the area is over kMaxImagePixels or memory runs out.
ImageHandle CaptureImage(const Surface& surface, int x, int y, int w, int h);

// A writable view of image's RGB rows, top row first (see PixelRows). Writes change the image;
// the palette is dropped, since the caller may write colours it does not hold.
PixelRows GetImageBits(Image& image);

// Encode image and write it to path; false when that fails, leaving no half-written file.
// PNG: 8-bit RGB, or RGBA with an alpha plane. JPEG: baseline at quality 1..100, without alpha.
// GIF: at most 256 colours (an image with no more is stored exactly), pixels with alpha below
// 128 transparent.
bool SavePngImage(const std::string& path, const Image& image);
bool SaveJpegImage(const std::string& path, const Image& image, int quality);
bool SaveGifImage(const std::string& path, const Image& image);

// Releases the image; the handle becomes null.
void FreeImage(ImageHandle& image);

} // namespace vistrel
