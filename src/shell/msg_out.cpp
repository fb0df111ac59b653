#include "shell/msg_out.h"

#include "platform/widgets/user_prompts.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include <QCoreApplication>

namespace vorlane {
namespace {

std::string FormatBounded(const char* format, va_list arguments) {
    char buffer[kMsgOutBufferSize];
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    if (length < 0)
        return {};
    return std::string(buffer);
}

} // namespace

} // namespace vorlane

void MsgOut(QWidget* owner, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::string text = vorlane::FormatBounded(format, arguments);
    va_end(arguments);
    vorlane::ui::UserPrompts::Message(owner, QMessageBox::NoIcon, QCoreApplication::translate("MsgOut", "Message"),
                                      QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                                      QMessageBox::Ok);
}
