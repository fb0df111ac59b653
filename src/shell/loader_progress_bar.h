#pragma once
// The loader's progress bar, drawn by itself: a sunken frame, a bar in the bar colour filled from the left up to
// the position within the range (or across the whole width in solid mode), and the caption drawn centred over it
// in the caption colour.

#include "loader/transfer_commands_ui.h"

#include <QColor>
#include <QWidget>

namespace vorlane::ui {

// A 0x00BBGGRR colour value as the Qt colour it stands for.
QColor ColourOfBgr(std::uint32_t bgr);

class LoaderProgressBar : public QWidget {
public:
    explicit LoaderProgressBar(QWidget* parent = nullptr);

    // Takes the new state and paints it at once, so the bar is current before the loader blocks the thread.
    void SetState(const ProgressBarState& state);
    const ProgressBarState& State() const { return m_state; }

    // The width in pixels of the filled part inside a bar of `innerWidth` pixels.
    int FilledWidth(int innerWidth) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressBarState m_state;
};

} // namespace vorlane::ui
