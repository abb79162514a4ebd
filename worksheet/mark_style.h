#pragma once
// A mark in other than plain text: the worksheet's one text shape takes the mark's colour,
// opacity and weight for the life of this object, and is plain again afterwards (black,
// opaque, not bold), so that no drawing after the mark can inherit its style.

#include "framework/color.h"
#include "framework/shapes.h"

namespace worksheet {

class MarkStyle {
public:
    MarkStyle(framework::StringShape& shape, framework::Color colour, double fill = 100,
              bool bold = false)
        : shape_(shape) {
        shape_.FillColor = colour;
        shape_.Fill = fill;
        shape_.Bold = bold;
    }
    ~MarkStyle() {
        shape_.FillColor = framework::kBlack;
        shape_.Fill = 100;
        shape_.Bold = false;
    }
    MarkStyle(const MarkStyle&) = delete;
    MarkStyle& operator=(const MarkStyle&) = delete;

private:
    framework::StringShape& shape_;
};

}  // namespace worksheet
