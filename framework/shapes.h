#pragma once
// Vector shapes. A shape is placed by its centre (a text shape: centred on x, baseline at y);
// positions are Doubles and are kept as given.

#include <vector>

#include "framework/color.h"
#include "framework/nil_object.h"
#include "framework/text.h"

namespace framework {

class Object2D {
public:
    virtual ~Object2D() = default;

    double X = 0;
    double Y = 0;
    double Fill = 100;  // opacity of the fill, percent
    Color FillColor = kBlack;
    double BorderWidth = 1;
    double Border = 100;  // opacity of the border, percent
    Color BorderColor = kBlack;
};

class StringShape final : public Object2D {
public:
    String Text;
    double TextSize = 12;
    bool Bold = false;
};

class RectShape final : public Object2D {
public:
    double Width = 100;
    double Height = 100;
};

class Group2D {
public:
    void Append(Ref<Object2D> shape);
    // Removes the first occurrence; a shape that is not in the group is ignored.
    void Remove(const Ref<Object2D>& shape);
    int Count() const { return static_cast<int>(shapes_.size()); }
    const std::vector<Ref<Object2D>>& Items() const { return shapes_; }

private:
    std::vector<Ref<Object2D>> shapes_;
};

}  // namespace framework
