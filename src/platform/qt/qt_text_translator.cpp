#include "platform/qt/qt_text_translator.h"

#include <QCoreApplication>

namespace vorlane {

std::string QtTextTranslator::Translate(const char* context, const char* text) const {
    const QString translated = QCoreApplication::translate(context, text);
    return m_encoding == Encoding::Latin1 ? translated.toLatin1().toStdString() : translated.toStdString();
}

const TextTranslator& QtTexts() {
    static const QtTextTranslator translator(QtTextTranslator::Encoding::Utf8);
    return translator;
}

const TextTranslator& QtLatin1Texts() {
    static const QtTextTranslator translator(QtTextTranslator::Encoding::Latin1);
    return translator;
}

} // namespace vorlane
