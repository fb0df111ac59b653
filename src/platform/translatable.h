#pragma once
// Marks a core text that the editor shows translated: the translation tools collect it (they take the marker for
// Qt's no-op translation marker), the editor looks it up in `context`, and the core itself keeps the English text.
#define VORLANE_TRANSLATABLE(context, text) text
