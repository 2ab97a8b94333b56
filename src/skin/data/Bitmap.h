#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <cstdint>
#include <optional>

namespace skin {

// A colour value in the layout 0x00BBGGRR (red in the low byte). Negative values name system
// colours; the engine resolves those through the palette.
using ColorRef = int32_t;

QColor ToQColor(ColorRef colour);  // only for values >= 0
ColorRef FromQColor(const QColor& colour);

// A 24-bit picture with a transparent colour and a transparent mode, as skin pictures are.
// Copies are cheap (the pixels are shared until written).
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height);
    explicit Bitmap(const QImage& image);  // converted to 24 bits per pixel

    // A Windows BMP file; nothing when the bytes are not a valid one, or hold a picture larger
    // than skins use (CheckBmpHeader).
    static std::optional<Bitmap> FromBmp(const QByteArray& bytes);
    // An uncompressed 24-bit BMP file.
    QByteArray ToBmp() const;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QSize Size() const { return image_.size(); }
    bool IsEmpty() const { return image_.isNull(); }

    ColorRef Pixel(int x, int y) const;
    void SetPixel(int x, int y, ColorRef colour);

    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }  // Format_RGB888

    ColorRef TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(ColorRef colour) { transparentColor_ = colour; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { transparent_ = on; }

private:
    QImage image_;
    ColorRef transparentColor_ = -1;
    bool transparent_ = false;
};

}  // namespace skin
