#include "framework/picture.h"

#include <QImage>
#include <cstring>

namespace framework {

Picture::Picture(int width, int height, int depth)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), depth_(depth) {
    if (IsBitmap()) {
        const auto format = depth == 16 ? QImage::Format_RGB16 : QImage::Format_RGB32;
        // The pixels stay untouched until the picture is first drawn or read: a blank picture
        // paints as white without its memory being filled.
        image_ = std::make_unique<QImage>(width_, height_, format);
        blank_ = true;
        graphics_ = std::make_unique<framework::Graphics>(*image_);
    } else {
        objects_ = std::make_unique<Group2D>();
    }
}

Picture::~Picture() = default;

Graphics& Picture::Graphics() {
    if (!graphics_) throw NilObjectException();
    FillIfBlank();
    return *graphics_;
}

void Picture::FillIfBlank() const {
    if (!blank_) return;
    blank_ = false;
    // White is all bits set in both formats: one pass, without the toolkit's fill threads.
    std::memset(image_->bits(), 0xFF, static_cast<std::size_t>(image_->sizeInBytes()));
}

Group2D& Picture::Objects() {
    if (!objects_) throw NilObjectException();
    return *objects_;
}

const QImage& Picture::Image() const {
    if (!image_) throw NilObjectException();
    FillIfBlank();
    graphics_->Flush();
    return *image_;
}

Color Picture::Pixel(int x, int y) const {
    if (!image_ || blank_ || x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    const QColor color = Image().pixelColor(x, y);
    return RGB(color.red(), color.green(), color.blue());
}

int Picture::BitsPerPixel() const { return image_ ? image_->depth() : 0; }

Ref<Picture> Picture::FromImage(const QImage& image) {
    auto picture = NewPicture(image.width(), image.height(), 32);
    picture->blank_ = false;
    *picture->image_ = image.convertToFormat(QImage::Format_RGB32);
    return picture;
}

Ref<Picture> NewPicture(int width, int height, int depth) {
    return New<Picture>(width, height, depth);
}

}  // namespace framework
