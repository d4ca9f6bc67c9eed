#include "controls/HyperlinkError.h"

#include <array>

namespace {

struct ErrorMessage {
    int code;
    const char* text;
};

constexpr std::array kMessages{
    ErrorMessage{0, "The operating system is out\nof memory or resources."},
    ErrorMessage{2, "The specified file was not found."},
    ErrorMessage{3, "The specified path was not found."},
    ErrorMessage{5, "The operating system denied\naccess to the specified file."},
    ErrorMessage{8, "There was not enough memory to complete the operation."},
    ErrorMessage{11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    ErrorMessage{26, "A sharing violation occurred. "},
    ErrorMessage{27, "The filename association is\nincomplete or invalid."},
    ErrorMessage{28, "The DDE transaction could not\nbe completed because the request timed out."},
    ErrorMessage{29, "The DDE transaction failed."},
    ErrorMessage{30, "The DDE transaction could not\nbe completed because other DDE "
                     "transactions\nwere being processed."},
    ErrorMessage{31, "There is no application associated\nwith the given filename extension."},
    ErrorMessage{32, "The specified dynamic-link library was not found."},
};

QString ReasonText(int code) {
    for (const ErrorMessage& message : kMessages) {
        if (message.code == code) {
            return QString::fromLatin1(message.text);
        }
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
}

} // namespace

QString HyperlinkErrorText(int code) {
    return QStringLiteral("Unable to open hyperlink:\n\n") + ReasonText(code);
}
