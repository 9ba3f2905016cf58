#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace {

const QString GameFolder = QStringLiteral(":/translations");

QString GameFile(const QString& language) {
    return QStringLiteral("%1/brindlex_%2.qm").arg(GameFolder, language);
}

// Qt's texts of the widgets' own: qtbase_LL.qm, or for a language that Qt
// translates only in its older whole catalogue (Swedish), qt_LL.qm.
QString QtFile(const QString& language) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase", "qt"}) {
        const QString file =
            QStringLiteral("%1/%2_%3.qm").arg(folder, QLatin1String(catalogue), language);
        if (QFile::exists(file)) {
            return file;
        }
    }
    return {};
}

} // namespace

QStringList ShippedLanguages() {
    QStringList languages;
    const QString prefix = QStringLiteral("brindlex_");
    const QString suffix = QStringLiteral(".qm");
    for (const QString& file : QDir(GameFolder).entryList({prefix + u'*' + suffix})) {
        languages << file.mid(prefix.size()).chopped(suffix.size());
    }
    return languages;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        // "de-DE", "de-Latn-DE", "de", "pt-BR"; "C" is no language.
        const QStringList parts = name.split(u'-');
        const QString& language = parts.first();
        if (language == u"en") {
            return {};
        }
        QStringList codes;
        if (parts.size() > 1 && parts.last().size() == 2 && parts.last().isUpper()) {
            codes << language + u'_' + parts.last();
        }
        // Then the language alone, as shipped without a territory: so pt_PT
        // finds no pt, and is not given pt_BR.
        codes << language;
        for (const QString& code : codes) {
            if (QFile::exists(GameFile(code))) {
                return code;
            }
        }
    }
    return {};
}

TTranslators::TTranslators(const QString& language) {
    if (language.isEmpty()) {
        return;
    }
    // A language of ours is always there; Qt's may not be installed, and
    // then Qt's few texts stay English.
    if (!FGame.load(GameFile(language))) {
        qWarning("brindlex: the texts for %s cannot be read", qUtf8Printable(language));
    }
    const QString qt = QtFile(language);
    if (!qt.isEmpty() && !FQt.load(qt)) {
        qWarning("brindlex: Qt's texts %s cannot be read", qUtf8Printable(qt));
    }
}

TTranslators::TTranslators() : TTranslators(ChooseLanguage(QLocale::system().uiLanguages())) {}

TTranslators::~TTranslators() {
    if (FInstalled && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(&FQt);
        QCoreApplication::removeTranslator(&FGame);
    }
}

void TTranslators::Install() {
    // The one installed last is asked first; the two share no context.
    if (!FQt.isEmpty()) {
        QCoreApplication::installTranslator(&FQt);
    }
    if (!FGame.isEmpty()) {
        QCoreApplication::installTranslator(&FGame);
    }
    FInstalled = true;
}
