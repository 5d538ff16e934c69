#include "messages.h"

#include <QCoreApplication>

namespace tavrolin {

QString translated(const char *text)
{
    return *text ? QCoreApplication::translate("Tavrolin", text) : QString();
}

QString failureMessage(calc::Failure failure, const QString &boxCaption)
{
    QString box = QCoreApplication::translate("Tavrolin", "this box");
    if (!boxCaption.isEmpty()) {
        //: %1 is the caption beside the box, as the window shows it.
        box = QCoreApplication::translate("Tavrolin", "the %1 box").arg(boxCaption);
    }
    switch (failure) {
    case calc::Failure::ZeroTransferRate:
        //: %1 is "the ... box" or "this box", translated above.
        return QCoreApplication::translate("Tavrolin",
            "No download time can be worked out while the transfer rate is 0. Type a transfer "
            "rate above 0 in %1, or convert your Internet speed first.")
            .arg(box);
    case calc::Failure::InputOutOfRange:
        //: %1 is "the ... box" or "this box", translated above.
        return QCoreApplication::translate(
            "Tavrolin", "The number in %1 is too large to work with. Please type a smaller one.")
            .arg(box);
    case calc::Failure::ResultOutOfRange:
        //: %1 is "the ... box" or "this box", translated above.
        return QCoreApplication::translate("Tavrolin",
            "The result would be too large to show. Please type a smaller number in %1.")
            .arg(box);
    case calc::Failure::None:
        break;
    }
    return {};
}

} // namespace tavrolin
