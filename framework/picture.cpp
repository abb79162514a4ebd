#include "framework/picture.h"

#include <QImage>

namespace framework {

Picture::Picture(int width, int height, int depth)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), depth_(depth) {
    if (IsBitmap()) {
        const auto format = depth == 16 ? QImage::Format_RGB16 : QImage::Format_RGB32;
        image_ = std::make_unique<QImage>(width_, height_, format);
        image_->fill(Qt::white);
        graphics_ = std::make_unique<framework::Graphics>(*image_);
    } else {
        objects_ = std::make_unique<Group2D>();
    }
}

Picture::~Picture() = default;

Graphics& Picture::Graphics() {
    if (!graphics_) throw NilObjectException();
    return *graphics_;
}

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
    const QColor color = Image().pixelColor(x, y);
    return RGB(color.red(), color.green(), color.blue());
}

int Picture::BitsPerPixel() const { return image_ ? image_->depth() : 0; }

Ref<Picture> Picture::FromImage(const QImage& image) {
    auto picture = NewPicture(image.width(), image.height(), 32);
    *picture->image_ = image.convertToFormat(QImage::Format_RGB32);
    return picture;
}

Ref<Picture> NewPicture(int width, int height, int depth) {
    return New<Picture>(width, height, depth);
}

}  // namespace framework
