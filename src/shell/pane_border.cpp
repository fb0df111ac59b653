#include "shell/pane_border.h"

#include <QMouseEvent>

namespace vorlane {

PaneBorder::PaneBorder(QWidget* parent, Moved moved, Released released)
    : QWidget(parent), m_moved(std::move(moved)), m_released(std::move(released)) {
    setCursor(Qt::SplitHCursor);
}

void PaneBorder::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_lastX = event->globalPosition().toPoint().x();
}

void PaneBorder::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const int x = event->globalPosition().toPoint().x();
    const int dx = x - m_lastX;
    m_lastX = x;
    if (dx != 0)
        m_moved(dx);
}

void PaneBorder::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    m_released();
}

} // namespace vorlane
