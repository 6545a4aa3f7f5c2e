// Where a control stands on its container, or a form on the screen: a
// rectangle in twips. Controls and forms share it; each tells its own window
// when the rectangle changes.
#pragma once

#include <cstdint>

namespace lumo::forms {

class Placeable {
public:
    std::int32_t left() const { return left_; }
    std::int32_t top() const { return top_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
        if (left == left_ && top == top_ && width == width_ && height == height_) return;
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        geometryChanged();
    }
    void setLeft(std::int32_t v) { move(v, top_, width_, height_); }
    void setTop(std::int32_t v) { move(left_, v, width_, height_); }
    void setWidth(std::int32_t v) { move(left_, top_, v, height_); }
    void setHeight(std::int32_t v) { move(left_, top_, width_, v); }
    // The point lies inside (twips, in the frame left and top are measured in).
    bool contains(double x, double y) const {
        return x >= left_ && y >= top_ && x < left_ + width_ && y < top_ + height_;
    }

protected:
    Placeable() = default;
    ~Placeable() = default;
    virtual void geometryChanged() = 0;
    // The window was moved from outside the model (the user dragged it): the
    // model follows, and there is nothing to tell the window.
    void followMove(std::int32_t left, std::int32_t top) {
        left_ = left;
        top_ = top;
    }

private:
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace lumo::forms
