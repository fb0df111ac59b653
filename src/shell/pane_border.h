#pragma once
// A thin strip between two pane columns of the main form. Dragging it sideways moves the border: the form is told
// each step of the pointer and the end of the drag.

#include <QWidget>
#include <functional>

namespace vorlane {

class PaneBorder : public QWidget {
public:
    using Moved = std::function<void(int dx)>;
    using Released = std::function<void()>;

    PaneBorder(QWidget* parent, Moved moved, Released released);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Moved m_moved;
    Released m_released;
    int m_lastX = 0;
    bool m_dragging = false;
};

} // namespace vorlane
