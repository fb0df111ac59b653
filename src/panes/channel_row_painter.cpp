#include "panes/channel_row_painter.h"

#include "panes/pane_colours.h"

#include <QFontMetrics>
#include <QPainter>

namespace vorlane::ui {
namespace {

constexpr int kNameIndent = 1;

// A box at the right end of the row: inset one pixel on the left and two at the top and bottom.
void PaintMarkBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& text, const QString& mark) {
    const QRect inner = box.adjusted(1, 2, 0, -2);
    painter.fillRect(inner, fill);
    painter.setPen(text);
    painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, mark);
}

} // namespace

QString ShortenedName(const QString& name, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    const QString ellipsis = QStringLiteral("...");
    QString rest = name;
    while (!rest.isEmpty() && metrics.horizontalAdvance(rest + ellipsis) > width)
        rest.chop(1);
    return rest + ellipsis;
}

void PaintChannelRow(QPainter& painter, const QRect& rect, const ChannelRowLook& look, const EditorSettings& colours) {
    const QColor grey = ToQColor(kSkippedGrey);
    const QColor lineBackground = PaneColour(colours, look.oddRow ? EditorColour::CHLine : EditorColour::Bkgnd);

    painter.fillRect(rect, PaneColour(colours, EditorColour::Bkgnd));
    const QRect numberCell(rect.left(), rect.top(), kNumberCellWidth, rect.height());
    painter.fillRect(numberCell, lineBackground);
    painter.setPen(look.skipped ? grey : QColor(Qt::black));
    painter.drawText(numberCell, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::number(look.number) + QLatin1Char(' '));

    const QRect nameArea(rect.left() + kNameAreaLeft, rect.top(), rect.width() - kNameAreaLeft, rect.height());
    QColor nameBackground = lineBackground;
    if (look.selected)
        nameBackground = PaneColour(colours, EditorColour::SelBkgnd);
    else if (look.favourite)
        nameBackground = PaneColour(colours, EditorColour::Favourite);
    painter.fillRect(nameArea, nameBackground);
    QColor nameColour = PaneColour(colours, look.selected ? EditorColour::SelText : EditorColour::Text);
    if (look.skipped)
        nameColour = grey;
    painter.setPen(nameColour);
    const QRect textArea = nameArea.adjusted(kNameIndent, 0, 0, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ShortenedName(look.name, painter.fontMetrics(), textArea.width()));

    int boxRight = rect.right() + 1;
    if (look.locked) {
        boxRight -= kLockBoxWidth;
        PaintMarkBox(painter, QRect(boxRight, rect.top(), kLockBoxWidth, rect.height()),
                     PaneColour(colours, EditorColour::Lock), PaneColour(colours, EditorColour::LockText),
                     QStringLiteral("L"));
    }
    if (look.scrambled) {
        boxRight -= kScrambledBoxWidth;
        PaintMarkBox(painter, QRect(boxRight, rect.top(), kScrambledBoxWidth, rect.height()),
                     PaneColour(colours, EditorColour::Scrambled), PaneColour(colours, EditorColour::ScrambledText),
                     QStringLiteral("$"));
    }
}

} // namespace vorlane::ui
