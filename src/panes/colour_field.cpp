#include "panes/colour_field.h"

#include "platform/widgets/user_prompts.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace vorlane::ui {

QColor ToQColor(EditorColourValue value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

EditorColourValue FromQColor(const QColor& colour) {
    return static_cast<EditorColourValue>(colour.red()) | (static_cast<EditorColourValue>(colour.green()) << 8) |
           (static_cast<EditorColourValue>(colour.blue()) << 16);
}

ColourField::ColourField(const QString& label, QWidget* parent) : QAbstractButton(parent) {
    setText(label);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, [this] { ChooseColour(); });
}

void ColourField::SetValue(EditorColourValue value) {
    m_value = value;
    update();
}

QSize ColourField::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 24, metrics.height() + 14};
}

void ColourField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor fill = ToQColor(m_value);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), fill);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);
    // The label stays readable on dark and light fills alike.
    painter.setPen(fill.lightness() < 128 ? Qt::white : Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ColourField::ChooseColour() {
    const QColor chosen = UserPrompts::Colour(this, ToQColor(m_value), text());
    if (chosen.isValid())
        SetValue(FromQColor(chosen));
}

} // namespace vorlane::ui
