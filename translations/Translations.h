// The player's language: the game's own texts and Qt's, chosen once at
// start-up from the languages the desktop names.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the game ships its texts in, as codes ("de", "pt_BR", …).
QStringList ShippedLanguages();

// The language to speak to a player whose languages are uiLanguages, most
// wanted first, as QLocale::system().uiLanguages() gives them from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG. The first that is English or shipped wins.
// Empty means English, the language the texts are written in: also for a
// player none of whose languages is shipped.
QString ChooseLanguage(const QStringList& uiLanguages);

// The two translators of one language: the game's texts, and Qt's own (the
// standard buttons, a text box's menu, the command line's help). English
// needs neither.
class TTranslators {
public:
    explicit TTranslators(const QString& language);
    // Those of the player's language, chosen from the desktop's languages.
    TTranslators();
    TTranslators(const TTranslators&) = delete;
    TTranslators& operator=(const TTranslators&) = delete;
    // Takes both out of the application object again.
    ~TTranslators();

    // Puts both into the application object, which must exist already; to be
    // done before the first window is made.
    void Install();

private:
    QTranslator FGame;
    QTranslator FQt;
    bool FInstalled = false;
};
