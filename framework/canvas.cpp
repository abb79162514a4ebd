#include "framework/canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "framework/guard.h"

namespace framework {
namespace {

class CanvasWidget final : public QWidget {
public:
    explicit CanvasWidget(Canvas* owner) : owner_(owner) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!owner_ || !owner_->Paint()) return;
        QPainter painter(this);
        Graphics graphics(painter, width(), height());
        graphics.EraseLater(event->region(), palette().color(backgroundRole()));
        CallHandler([&] { owner_->Paint()(*owner_, graphics); });
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (!owner_ || !owner_->MouseDown) return;
        const QPoint at = event->position().toPoint();
        CallHandler([&] { return owner_->MouseDown(*owner_, at.x(), at.y()); }, false);
    }

private:
    Canvas* owner_;
};

}  // namespace

Canvas::Canvas(ControlDesign design) : Control(new CanvasWidget(this), std::move(design)) {}

// A canvas that paints erases its own background, so nothing needs painting beneath it, from its
// first paint on.
void Canvas::SetPaint(PaintHandler handler) {
    paint_ = std::move(handler);
    NativeWidget()->setAttribute(Qt::WA_OpaquePaintEvent, bool(paint_));
}

}  // namespace framework
