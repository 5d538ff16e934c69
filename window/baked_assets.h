#pragma once

// Pixels decoded at build time by tavrolin_asset_baker (asset_baker.cpp), so that the window
// needs no image format plugin and no decoding to start.

#include <cstdint>
#include <span>

namespace tavrolin::baked {

struct BakedPicture
{
    int width;
    int height;
    const std::uint32_t *pixels; // rows of 0xffRRGGBB, as QImage::Format_RGB32
};

// The picture of Image1: assets/modem.jpg as Qt decodes it, and the same drawing at twice the
// size (assets/modem@2x.jpg) for screens with more than one pixel to each of the window's.
extern const BakedPicture picture;
extern const BakedPicture picture2x;

// The program icon at every size it ships, smallest first, in the layout of the X11
// _NET_WM_ICON property: width, height, then width * height 0xAARRGGBB pixels (straight
// alpha, as QImage::Format_ARGB32), for each size in turn.
extern const std::span<const std::uint32_t> windowIcon;

} // namespace tavrolin::baked
