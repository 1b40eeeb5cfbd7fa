#pragma once

#include <QRect>

// Layouts are drawn in twips; 15 twips make one pixel at 96 dots per inch.
namespace Twips {

constexpr int toPixels(int twips)
{
    return twips / 15;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

constexpr QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

} // namespace Twips
