#include "ImageAttributes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace quarlo {

namespace {

// The picture is drawn with 4 bytes a pixel; its copy in the colours chosen and the
// writer's buffers take at most as much again.
constexpr std::uint64_t kBytesPerPixel = 8;
constexpr std::uint64_t kLargestBudget = std::uint64_t{2} << 30;
// A pixel this light in every component counts as white in a black-and-white image; the
// lightest curve colour (silver, 192) is darker.
constexpr unsigned char kWhiteEnough = 224;

constexpr ImageFileType kTypes[] = {ImageFileType::Bitmap, ImageFileType::Png, ImageFileType::Svg};

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<std::int64_t> roundedSide(long double ppi, long double inches)
{
    const long double pixels = std::nearbyint(ppi * inches);
    // 2^63 is the first value beyond int64_t; the comparison is false for a non-number.
    if (!(pixels >= 0 && pixels < 9223372036854775808.0L))
        return std::nullopt;
    return static_cast<std::int64_t>(pixels);
}

}  // namespace

const std::array<PlotColor, 16> SixteenColors{{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

const char* ImageExtension(ImageFileType type)
{
    switch (type) {
    case ImageFileType::Png:
        return "png";
    case ImageFileType::Svg:
        return "svg";
    case ImageFileType::Bitmap:
        break;
    }
    return "bmp";
}

ImageFile ImageFileFor(const std::string& chosenName, ImageFileType chosenType)
{
    const std::string name = lowerCase(chosenName);
    for (const ImageFileType type : kTypes) {
        const std::string ending = std::string(".") + ImageExtension(type);
        if (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
            return {chosenName, type};
    }
    return {chosenName + "." + ImageExtension(chosenType), chosenType};
}

std::string GraphFileName(const std::string& projectFileName, const std::string& caption, const char* extension)
{
    const std::string graph = (caption.empty() ? std::string("graph") : caption) + "." + extension;
    std::filesystem::path name(projectFileName);
    if (name.stem().empty())
        return graph;
    name.replace_extension();
    name += "-" + graph;
    return name.string();
}

std::optional<ImageSize> ImagePixels(long double ppi, long double widthInches, long double heightInches)
{
    const std::optional<std::int64_t> width = roundedSide(ppi, widthInches);
    const std::optional<std::int64_t> height = roundedSide(ppi, heightInches);
    if (!width || !height)
        return std::nullopt;
    return ImageSize{*width, *height};
}

bool ImageFitsInMemory(const std::optional<ImageSize>& size, ImageFileType type, std::uint64_t memoryBudget)
{
    if (!size || size->Width < 1 || size->Height < 1 || size->Width > kLargestImageSide ||
        size->Height > kLargestImageSide)
        return false;
    if (type == ImageFileType::Svg)
        return true;
    // Both sides are at most 2^15, so the product cannot overflow.
    const std::uint64_t pixels = static_cast<std::uint64_t>(size->Width) * static_cast<std::uint64_t>(size->Height);
    return pixels * kBytesPerPixel <= memoryBudget;
}

std::uint64_t ImageMemoryBudget(std::uint64_t physicalMemory)
{
    return std::min(physicalMemory / 4, kLargestBudget);
}

int DotsPerMetre(int ppi)
{
    constexpr long double kMetresPerInch = 0.0254L;
    constexpr long double kLargest = 2147483647;
    return static_cast<int>(std::min(std::nearbyint(std::max(ppi, 0) / kMetresPerInch), kLargest));
}

bool InkInBlackAndWhite(PlotColor colour)
{
    return std::min({colour.R, colour.G, colour.B}) < kWhiteEnough;
}

}  // namespace quarlo
