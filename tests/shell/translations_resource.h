#pragma once
// The translations are compiled into the shell library; their resource is registered by name, outside any namespace.

#include <QtGlobal>

inline void RegisterTranslations() {
    Q_INIT_RESOURCE(translations);
}
