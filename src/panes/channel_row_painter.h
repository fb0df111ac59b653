#pragma once
// Drawing of one channel row: the number cell (33 pixels), the name area from 36 pixels with "..." shortening,
// and the "L" (locked) and "$" (scrambled) boxes at the right edge; skipped channels in grey.

#include "panes/editor_settings.h"

#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace vorlane::ui {

struct ChannelRowLook {
    int number = 0; // the channel number shown (main-list key + 1)
    QString name;
    bool oddRow = false;
    bool selected = false;
    bool favourite = false;
    bool skipped = false;
    bool locked = false;
    bool scrambled = false;
};

inline constexpr int kNumberCellWidth = 33;
inline constexpr int kNameAreaLeft = 36;
inline constexpr int kLockBoxWidth = 10;
inline constexpr int kScrambledBoxWidth = 8;
inline constexpr unsigned kSkippedGrey = 0x969696;

void PaintChannelRow(QPainter& painter, const QRect& rect, const ChannelRowLook& look, const EditorSettings& colours);

// The name as drawn in `width` pixels: whole when it fits, else shortened from the end with "..." appended.
QString ShortenedName(const QString& name, const QFontMetrics& metrics, int width);

} // namespace vorlane::ui
