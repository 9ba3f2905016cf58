#include "ui/common/ErrorText.h"

#include <QCoreApplication>

namespace {

// What store/IniFile.cpp says of a write it could not make. Any other reason
// is the system's own (strerror), in the system's language already.
const char* const Reasons[] = {
    QT_TRANSLATE_NOOP("ErrorText", "the folder is not writable"),
    QT_TRANSLATE_NOOP("ErrorText", "the file cannot be read"),
    QT_TRANSLATE_NOOP("ErrorText", "the disk is full"),
    QT_TRANSLATE_NOOP("ErrorText", "the disk is read-only"),
    QT_TRANSLATE_NOOP("ErrorText", "the folder does not exist"),
    QT_TRANSLATE_NOOP("ErrorText", "the path has too many symbolic links"),
    QT_TRANSLATE_NOOP("ErrorText", "it is a folder, not a file"),
    QT_TRANSLATE_NOOP("ErrorText", "it is not a regular file"),
    QT_TRANSLATE_NOOP("ErrorText", "the file is larger than 1 MiB, too large to rewrite safely"),
    QT_TRANSLATE_NOOP("ErrorText", "the file is read-only"),
    QT_TRANSLATE_NOOP("ErrorText", "the file would grow larger than 1 MiB"),
};

const QString UnableToWrite = QStringLiteral("Unable to write to ");
const QString Separator = QStringLiteral(": ");

class ErrorText {
    Q_DECLARE_TR_FUNCTIONS(ErrorText)
};

} // namespace

QString TranslatedError(const QString& message) {
    if (!message.startsWith(UnableToWrite)) {
        return message;
    }
    const QString rest = message.mid(UnableToWrite.size());
    // The path may hold ": " too; a reason of ours is known by its words,
    // the system's has none of its own.
    for (const char* reason : Reasons) {
        const QString tail = Separator + QLatin1String(reason);
        if (rest.endsWith(tail)) {
            return ErrorText::tr("Unable to write to %1: %2")
                .arg(rest.chopped(tail.size()), ErrorText::tr(reason));
        }
    }
    const qsizetype separator = rest.lastIndexOf(Separator);
    if (separator < 0) {
        return ErrorText::tr("Unable to write to %1").arg(rest);
    }
    return ErrorText::tr("Unable to write to %1: %2")
        .arg(rest.left(separator), rest.mid(separator + Separator.size()));
}
