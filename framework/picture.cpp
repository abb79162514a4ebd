#include "framework/picture.h"

#include <QImage>
#include <QRegion>

namespace framework {

Picture::Picture(int width, int height, int depth)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (depth != 0) {
        const auto format = depth == 16 ? QImage::Format_RGB16 : QImage::Format_RGB32;
        // A new bitmap is white, its pixels written only where it is drawn on or read: a blank
        // picture paints as white without its memory being filled.
        image_ = std::make_unique<QImage>(width_, height_, format);
        graphics_ = std::make_unique<framework::Graphics>(*image_);
        graphics_->EraseLater(QRegion(image_->rect()), Qt::white);
    } else {
        objects_ = std::make_unique<Group2D>();
    }
}

Picture::Picture(const QImage& image)
    : width_(image.width()),
      height_(image.height()),
      image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32))),
      graphics_(std::make_unique<framework::Graphics>(*image_)) {}

Picture::~Picture() = default;

Graphics& Picture::Graphics() {
    if (!graphics_) throw NilObjectException();
    return *graphics_;
}

bool Picture::IsBlank() const { return graphics_ && graphics_->IsUnwritten(); }

Group2D& Picture::Objects() {
    if (!objects_) throw NilObjectException();
    return *objects_;
}

const QImage& Picture::Image() const {
    if (!image_) throw NilObjectException();
    graphics_->Flush();
    return *image_;
}

Color Picture::Pixel(int x, int y) const {
    if (!image_ || x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    if (graphics_->IsPending(x, y)) return kWhite;
    const QColor color = Image().pixelColor(x, y);
    return RGB(color.red(), color.green(), color.blue());
}

int Picture::BitsPerPixel() const { return image_ ? image_->depth() : 0; }

Ref<Picture> Picture::FromImage(const QImage& image) { return New<Picture>(image); }

Ref<Picture> NewPicture(int width, int height, int depth) {
    return New<Picture>(width, height, depth);
}

}  // namespace framework
