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
    // A canvas that paints erases its own background, and only where its drawing leaves the
    // background showing; from then on nothing needs painting beneath it. One that does not
    // paint lets what lies beneath show.
    void paintEvent(QPaintEvent* event) override {
        setAttribute(Qt::WA_OpaquePaintEvent, owner_ && owner_->Paint);
        if (!owner_ || !owner_->Paint) return;
        QPainter painter(this);
        Graphics graphics(painter, width(), height());
        graphics.EraseLater(event->region(), palette().color(backgroundRole()));
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
