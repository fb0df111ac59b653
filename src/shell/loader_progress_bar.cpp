#include "shell/loader_progress_bar.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cstdint>

namespace vorlane::ui {
namespace {

constexpr int kFrameWidth = 2;

} // namespace

QColor ColourOfBgr(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

LoaderProgressBar::LoaderProgressBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("progressBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LoaderProgressBar::SetState(const ProgressBarState& state) {
    m_state = state;
    repaint();
}

int LoaderProgressBar::FilledWidth(int innerWidth) const {
    if (m_state.solid)
        return innerWidth;
    const std::int64_t span = std::int64_t(m_state.upper) - m_state.lower;
    if (span <= 0)
        return 0;
    const std::int64_t done = std::clamp<std::int64_t>(std::int64_t(m_state.position) - m_state.lower, 0, span);
    return int(done * innerWidth / span);
}

QSize LoaderProgressBar::sizeHint() const {
    return {200, fontMetrics().height() + 2 * kFrameWidth + 6};
}

void LoaderProgressBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::Panel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = kFrameWidth;
    painter.fillRect(rect(), palette().color(QPalette::Base));
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

    const QRect inner = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    const int filled = FilledWidth(inner.width());
    if (filled > 0)
        painter.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), ColourOfBgr(m_state.barColour));

    painter.setPen(ColourOfBgr(m_state.captionColour));
    painter.drawText(inner, Qt::AlignCenter, QString::fromLatin1(m_state.caption.c_str()));
}

} // namespace vorlane::ui
