#pragma once
// A small framed area filled with a colour and carrying its label; clicking it (or Space while it has the focus)
// offers the colour chooser, through the prompt seam, preset with the field's colour.

#include "panes/editor_settings.h"

#include <QAbstractButton>
#include <QColor>

namespace vorlane::ui {

QColor ToQColor(EditorColourValue value);
EditorColourValue FromQColor(const QColor& colour);

class ColourField : public QAbstractButton {
public:
    ColourField(const QString& label, QWidget* parent);

    EditorColourValue Value() const { return m_value; }
    void SetValue(EditorColourValue value);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ChooseColour();

    EditorColourValue m_value = 0;
};

} // namespace vorlane::ui
