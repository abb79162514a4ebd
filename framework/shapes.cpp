#include "framework/shapes.h"

#include <algorithm>

namespace framework {

void Group2D::Append(Ref<Object2D> shape) {
    if (!shape) throw NilObjectException();
    shapes_.push_back(std::move(shape));
}

void Group2D::Remove(const Ref<Object2D>& shape) {
    const auto at = std::find(shapes_.begin(), shapes_.end(), shape);
    if (at != shapes_.end()) shapes_.erase(at);
}

}  // namespace framework
