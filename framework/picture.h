#pragma once
// Off-screen pictures. Depth 16 makes a bitmap with 16 bits per pixel, drawn through its
// Graphics; depth 0 makes a vector picture whose content is the shapes in Objects.

#include <memory>

#include "framework/color.h"
#include "framework/graphics.h"
#include "framework/nil_object.h"
#include "framework/shapes.h"

class QImage;

namespace framework {

class Picture {
public:
    Picture(int width, int height, int depth);
    // A 32-bit bitmap holding a copy of `image`; for the framework's own use.
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsBitmap() const { return image_ != nullptr; }

    // The bitmap's drawing surface; a vector picture has none (NilObjectException).
    framework::Graphics& Graphics();
    // The shapes of a vector picture; a bitmap has none (NilObjectException).
    Group2D& Objects();

    // With Transparent 1 a vector picture shows only its shapes; otherwise it is white beneath.
    int Transparent = 0;

    // The colour at (x, y); white outside the picture and for a vector picture.
    Color Pixel(int x, int y) const;
    int BitsPerPixel() const;
    // A bitmap that is all white in name only: nothing has been written into it since it was
    // made or cleared.
    bool IsBlank() const;

    // The bitmap as it stands, drawing finished; for the framework's own use.
    const QImage& Image() const;
    // A bitmap holding a copy of `image`; for the framework's own use.
    static Ref<Picture> FromImage(const QImage& image);

private:
    int width_;
    int height_;
    std::unique_ptr<QImage> image_;
    std::unique_ptr<framework::Graphics> graphics_;
    std::unique_ptr<Group2D> objects_;
};

Ref<Picture> NewPicture(int width, int height, int depth);

}  // namespace framework
