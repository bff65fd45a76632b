#include "PlotImageFile.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include <unistd.h>

#include <new>

#include "AtomicFile.h"
#include "EInOutError.h"

namespace quarlo {

namespace {

// Texts drawn smoothed would come out as blotches in one bit a pixel, as fringes of the
// nearest of sixteen colours, and with 256 colours their shades would crowd the curve colours
// out of the palette; they are drawn crisp for those. Every text font of the graph is made
// from the base font and keeps this.
QFont pictureFont(const QFont& baseFont, ImageColors colors)
{
    QFont font(baseFont);
    if (colors != ImageColors::HighColor && colors != ImageColors::TrueColor)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage drawPicture(const ImageRequest& request, const QFont& baseFont, const PaintImage& paint)
{
    QImage image(static_cast<int>(request.Size.Width), static_cast<int>(request.Size.Height), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(pictureFont(baseFont, request.Colors));
    paint(painter, {0, 0, image.width(), image.height()});
    painter.end();
    return image;
}

QImage blackAndWhite(const QImage& drawn)
{
    QImage mono(drawn.size(), QImage::Format_Mono);
    if (mono.isNull())
        return mono;
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.fill(0);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        uchar* out = mono.scanLine(y);
        for (int x = 0; x < drawn.width(); ++x) {
            const PlotColor colour{static_cast<unsigned char>(qRed(in[x])), static_cast<unsigned char>(qGreen(in[x])),
                                   static_cast<unsigned char>(qBlue(in[x]))};
            if (InkInBlackAndWhite(colour))
                out[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
        }
    }
    return mono;
}

QList<QRgb> sixteenColorTable()
{
    QList<QRgb> table;
    for (const PlotColor& colour : SixteenColors)
        table << qRgb(colour.R, colour.G, colour.B);
    return table;
}

// The picture's own colours, dithered only when it has more than 256; the palette is always
// of 256 entries, so that the file is the 8-bit picture asked for even when a graph needs
// fewer colours.
QImage with256Colors(const QImage& drawn)
{
    constexpr int kColours = 256;
    QImage indexed = drawn.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!indexed.isNull() && indexed.colorCount() < kColours)
        indexed.setColorCount(kColours);
    return indexed;
}

QString quoted(const QString& path)
{
    return QStringLiteral("\"%1\"").arg(path);
}

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw EInOutError(QStringLiteral("Cannot write %1: %2").arg(quoted(path), reason).toStdString());
}

void writeRaster(const QString& path, const QImage& image, ImageFileType type)
{
    writeFileAtomically(QFile::encodeName(path).toStdString(), [&](const std::string& newFile) {
        QImageWriter writer(QFile::decodeName(newFile.c_str()), type == ImageFileType::Png ? "png" : "bmp");
        if (!writer.write(image))
            cannotWrite(path, writer.errorString());
    });
}

void writeSvg(const QString& path, const ImageRequest& request, const QString& title, const QFont& baseFont,
              const PaintImage& paint)
{
    writeFileAtomically(QFile::encodeName(path).toStdString(), [&](const std::string& newFile) {
        QFile file(QFile::decodeName(newFile.c_str()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            cannotWrite(path, file.errorString());
        const QSize size(static_cast<int>(request.Size.Width), static_cast<int>(request.Size.Height));
        {
            QSvgGenerator generator;
            generator.setOutputDevice(&file);
            generator.setSize(size);
            generator.setViewBox(QRect(QPoint(0, 0), size));
            generator.setResolution(request.Ppi);
            generator.setTitle(title);
            QPainter painter;
            if (!painter.begin(&generator))
                cannotWrite(path, file.errorString());
            painter.setFont(baseFont);
            paint(painter, {0, 0, size.width(), size.height()});
            painter.end();
        }
        if (!file.flush() || file.error() != QFileDevice::NoError)
            cannotWrite(path, file.errorString());
    });
}

}  // namespace

std::uint64_t AvailableImageMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return ImageMemoryBudget(0);
    return ImageMemoryBudget(static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize));
}

QImage InColors(const QImage& drawn, ImageColors colors)
{
    switch (colors) {
    case ImageColors::BlackAndWhite:
        return blackAndWhite(drawn);
    case ImageColors::Colors16:
        return drawn.convertToFormat(QImage::Format_Indexed8, sixteenColorTable(), Qt::ThresholdDither);
    case ImageColors::Colors256:
        return with256Colors(drawn);
    case ImageColors::HighColor:
        return drawn.convertToFormat(QImage::Format_RGB16);
    case ImageColors::TrueColor:
        break;
    }
    // Both file types write 32-bit pictures with 24 bits of colour.
    return drawn;
}

bool WritePlotImage(const ImageFile& file, const ImageRequest& request, const QString& title, const QFont& baseFont,
                    const PaintImage& paint)
{
    const QString path = QString::fromStdString(file.Path);
    if (file.Type == ImageFileType::Svg) {
        writeSvg(path, request, title, baseFont, paint);
        return true;
    }
    QImage picture;
    try {
        const QImage drawn = drawPicture(request, baseFont, paint);
        if (drawn.isNull())
            return false;
        picture = InColors(drawn, request.Colors);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (picture.isNull())
        return false;
    picture.setDotsPerMeterX(DotsPerMetre(request.Ppi));
    picture.setDotsPerMeterY(DotsPerMetre(request.Ppi));
    writeRaster(path, picture, file.Type);
    return true;
}

}  // namespace quarlo
