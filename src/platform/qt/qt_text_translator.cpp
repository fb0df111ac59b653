#include "platform/qt/qt_text_translator.h"

#include <QCoreApplication>

namespace vorlane {

std::string QtTextTranslator::Translate(const char* context, const char* text) const {
    return QCoreApplication::translate(context, text).toStdString();
}

const TextTranslator& QtTexts() {
    static const QtTextTranslator translator;
    return translator;
}

} // namespace vorlane
