#pragma once
// The editor colours as the panes paint with them.

#include "panes/colour_field.h"
#include "panes/editor_settings.h"

#include <QColor>

namespace vorlane::ui {

inline QColor PaneColour(const EditorSettings& settings, EditorColour which) {
    return ToQColor(settings.Colour(which));
}

// Unselected rows alternate between the background and the pane's line colour (odd rows).
inline QColor RowBackground(const EditorSettings& settings, int row, EditorColour lineColour) {
    return PaneColour(settings, row % 2 == 1 ? lineColour : EditorColour::Bkgnd);
}

} // namespace vorlane::ui
