#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "PlotColors.h"

namespace quarlo {

// The colours an image of a graph is saved with, as "Save Attributes" offers them.
enum class ImageColors {
    BlackAndWhite,   // one bit a pixel: everything not white is black
    Colors16,        // the sixteen standard colours, which hold every curve colour exactly
    Colors256,       // at most 256 colours, chosen from the picture
    HighColor,       // 16 bits: 5 bits of red, 6 of green, 5 of blue
    TrueColor,       // 24 bits
};

// What "Save Attributes" opens with.
inline constexpr ImageColors kDefaultImageColors = ImageColors::Colors16;

// The file types a graph is saved as.
enum class ImageFileType { Bitmap, Png, Svg };

// The extension of a file type, without its full stop ("bmp", "png", "svg").
const char* ImageExtension(ImageFileType type);

// The file a save goes to and its type. A name that ends in the extension of one of the
// types is written as that type, whichever type the save dialog showed; any other name is
// written as the type chosen, with its extension added.
struct ImageFile {
    std::string Path;
    ImageFileType Type = ImageFileType::Bitmap;
};
ImageFile ImageFileFor(const std::string& chosenName, ImageFileType chosenType);

// The file a graph's printout or picture is proposed as: beside the project, named after it
// and the graph ("pile-Load Distribution.pdf"); a project not yet named gives the graph's
// name alone.
std::string GraphFileName(const std::string& projectFileName, const std::string& caption, const char* extension);

// The pixels of an image, counted in 64 bits.
struct ImageSize {
    std::int64_t Width = 0;
    std::int64_t Height = 0;
};

// What "Save Attributes" asks for: the picture's size, the colours it is saved with, and
// the resolution it is meant for (recorded in the file).
struct ImageRequest {
    ImageSize Size;
    ImageColors Colors = kDefaultImageColors;
    int Ppi = 72;
};

// An image `widthInches` by `heightInches` at `ppi` pixels per inch: each side the rounded
// product (halves to even). None when a side is not a number or beyond 64 bits.
std::optional<ImageSize> ImagePixels(long double ppi, long double widthInches, long double heightInches);

// Whether the program can make and write a picture of `size`: each side at most
// kLargestImageSide pixels, and the picture, with its copy in the colours chosen and what
// writing it takes, within `memoryBudget` bytes. An SVG drawing holds no pixels; only its
// sides must fit.
inline constexpr std::int64_t kLargestImageSide = 32767;
bool ImageFitsInMemory(const std::optional<ImageSize>& size, ImageFileType type, std::uint64_t memoryBudget);

// The memory a picture may take on a machine with `physicalMemory` bytes: a quarter of
// it, so that saving never drives the machine into swapping, and never more than 2 GiB,
// which already holds a picture of 16384 by 16384 pixels.
std::uint64_t ImageMemoryBudget(std::uint64_t physicalMemory);

// What the user is told when a picture is too large to make.
inline constexpr const char* kNotEnoughMemory = "There is not enough memory to complete this task.";

// The resolution recorded in a picture file, in pixels per metre (72 pixels per inch are
// 2835), at most the largest a file can hold.
int DotsPerMetre(int ppi);

// The sixteen standard colours of a 16-colour image.
extern const std::array<PlotColor, 16> SixteenColors;

// In a black-and-white image a pixel is black unless it is white or nearly so: every curve
// colour, light ones such as yellow and silver included, stays visible.
bool InkInBlackAndWhite(PlotColor colour);

}  // namespace quarlo
