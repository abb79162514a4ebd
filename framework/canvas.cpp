#include "framework/canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "framework/guard.h"

namespace framework {
namespace {

class CanvasWidget final : public QWidget {
public:
    explicit CanvasWidget(Canvas* owner) : owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner_ || !owner_->Paint) return;
        QPainter painter(this);
        Graphics graphics(painter, width(), height());
        CallHandler([&] { owner_->Paint(*owner_, graphics); });
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

}  // namespace framework
