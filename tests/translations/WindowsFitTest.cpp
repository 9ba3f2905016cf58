// Every window and dialog in every language the game ships, in English and in
// a pseudo-language of English texts made 40 % longer with accented letters:
// each text fits the place it is drawn in, with the font it is drawn in, and
// the windows keep their sizes. Offscreen.
#include "store/HighScoreTable.h"
#include "translations/Translations.h"
#include "ui/ClientArea.h"
#include "ui/KeysBox.h"
#include "ui/MainWindow.h"
#include "ui/NamePrompt.h"
#include "ui/common/ErrorBox.h"
#include "ui/common/ErrorText.h"
#include "ui/common/NameText.h"
#include "ui/highscores/HighScores.h"
#include "ui/highscores/StringGrid.h"
#include "ui/options/Options.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

const QString Pseudo = QStringLiteral("pseudo");

// English made 40 % longer, letters accented, so that a text that would break
// shows where. Access marks, placeholders, tabs and line breaks stay.
QString PseudoText(const QString& text) {
    static const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
    static const QString accented = QStringLiteral("áçéîñöšüýžÅÇÉÎÑÖŠÜÝŽ");
    static const QString padding = QStringLiteral("ãëïõ");
    QString result;
    QString segment;
    auto endSegment = [&] {
        const auto extra = static_cast<int>(std::ceil(0.4 * static_cast<double>(segment.size())));
        for (int i = 0; i < extra; ++i) {
            segment += padding[i % padding.size()];
        }
        result += segment;
        segment.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            endSegment();
            result += c;
        } else if (c == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
            segment += c;
            segment += text[++i];
        } else {
            const qsizetype at = plain.indexOf(c);
            segment += at >= 0 ? accented[at] : c;
        }
    }
    endSegment();
    return result;
}

class TPseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return PseudoText(QString::fromUtf8(source));
    }
};

// The translators of a language for as long as it lives; none for English.
class TLanguage {
public:
    explicit TLanguage(const QString& language) {
        if (language == Pseudo) {
            QCoreApplication::installTranslator(&FPseudo);
            FPseudoInstalled = true;
        } else {
            FTranslators.emplace(language);
            FTranslators->Install();
        }
    }
    ~TLanguage() {
        if (FPseudoInstalled) {
            QCoreApplication::removeTranslator(&FPseudo);
        }
    }

private:
    std::optional<TTranslators> FTranslators;
    TPseudoTranslator FPseudo;
    bool FPseudoInstalled = false;
};

QString WithoutAccessMark(QString text) {
    return text.remove(u'&');
}

int Advance(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// With BRINDLEX_FIT_PICTURES set to a folder, every window checked is saved
// there as LANGUAGE-WINDOW.png, to look at.
void Picture(const QString& language, const char* name, QWidget* window) {
    const QString folder = qEnvironmentVariable("BRINDLEX_FIT_PICTURES");
    if (!folder.isEmpty()) {
        window->grab().save(QStringLiteral("%1/%2-%3.png")
                                .arg(folder, language.isEmpty() ? QStringLiteral("en") : language,
                                     QLatin1String(name)));
    }
}

// What a window manager's title bar needs beside the caption: a window menu
// or icon and a close button.
constexpr int TitleButtons = 64;
// The game is laid out for screens from 1024 x 768 up: a box whose lines are
// not wrapped stays within half that width.
constexpr int HalfScreen = 512;

// The places found too small for their texts. A fixed place keeps its size
// whatever its text; any other grows with its text and must still stay in
// bounds (a dialog within half the screen, a word within its line).
class TFit {
public:
    void Check(const QString& place, const QString& text, int width, int room, bool fixed) {
        if (width > room) {
            (fixed ? Fixed : Growing) << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                             .arg(place, text)
                                             .arg(width)
                                             .arg(room);
        }
    }
    void Fail(const QString& what) { Growing << what; }

    QStringList Fixed;
    QStringList Growing;
};

void CheckButton(TFit& fit, const QString& place, const QPushButton* button) {
    // The label is drawn centred in the button's contents, inside its frame.
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    fit.Check(place, button->text(), Advance(button->font(), WithoutAccessMark(button->text())),
              contents.width(), true);
}

void CheckTitle(TFit& fit, const QString& place, const QWidget* window) {
    fit.Check(place + QStringLiteral(" title"), window->windowTitle(),
              Advance(QApplication::font("QMdiSubWindowTitleBar"), window->windowTitle()),
              window->width() - TitleButtons, true);
}

// Each caption of a menu has one access letter, and no two share one.
void CheckAccessLetters(TFit& fit, const QString& place, const QList<QAction*>& actions) {
    QString letters;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        const QString text = action->text();
        const qsizetype mark = text.indexOf(u'&');
        if (mark < 0 || mark + 1 >= text.size() || text.indexOf(u'&', mark + 1) >= 0 ||
            !text[mark + 1].isLetterOrNumber()) {
            fit.Fail(
                QStringLiteral("%1: \"%2\" has not exactly one access letter").arg(place, text));
            continue;
        }
        const QChar letter = text[mark + 1].toLower();
        if (letters.contains(letter)) {
            fit.Fail(QStringLiteral("%1: \"%2\" shares its access letter").arg(place, text));
        }
        letters += letter;
    }
}

void CheckMainWindow(TFit& fit, TForm1& form, const QString& language) {
    form.show();
    Picture(language, "game", &form);
    QMenuBar* bar = form.menuBar();
    CheckAccessLetters(fit, QStringLiteral("menu bar"), bar->actions());
    for (QAction* title : bar->actions()) {
        fit.Check(QStringLiteral("menu bar"), title->text(), bar->actionGeometry(title).right() + 1,
                  bar->width(), true);
        CheckAccessLetters(fit, WithoutAccessMark(title->text()), title->menu()->actions());
    }
    for (QLabel* heading :
         {form.lblScoreHeader, form.lblJewelsHeader, form.lblLevelHeader, form.lblNext}) {
        fit.Check(heading->objectName(), heading->text(),
                  heading->x() + Advance(heading->font(), heading->text()),
                  form.ClientArea()->width(), true);
    }
    CheckTitle(fit, QStringLiteral("game window"), &form);
}

void CheckKeysBox(TFit& fit, TForm1& form, const QString& language) {
    TKeysBox box(&form);
    Picture(language, "keys", &box);
    const auto* text = box.findChild<TTabbedText*>();
    const QFontMetricsF metrics(text->font());
    for (const QString& line : text->Text().split(QStringLiteral("\r\n"))) {
        const QString action = line.section(u'\t', 0, 0);
        const QString keys = line.section(u'\t', -1);
        if (!line.contains(u'\t') || action.isEmpty() || keys.isEmpty()) {
            fit.Fail(
                QStringLiteral("key help: \"%1\" is not an action, a tab and its keys").arg(line));
        }
        // The key names' column stands clear of every action name, and every
        // key name ends inside the box.
        fit.Check(QStringLiteral("key help action"), action,
                  static_cast<int>(std::ceil(metrics.horizontalAdvance(action + u' '))),
                  static_cast<int>(text->KeyColumn()), false);
        fit.Check(QStringLiteral("key help keys"), keys,
                  static_cast<int>(std::ceil(text->KeyColumn() + metrics.horizontalAdvance(keys))),
                  text->width(), false);
    }
    fit.Check(QStringLiteral("key help"), QStringLiteral("the box"), box.width(), HalfScreen,
              false);
    for (const QPushButton* button : box.findChildren<QPushButton*>()) {
        CheckButton(fit, QStringLiteral("key help button"), button);
    }
}

void CheckNamePrompt(TFit& fit, const QString& language) {
    // The longest prompt: place 10, the highest score.
    TNamePrompt dialog(HighScoreCaption(), HighScorePrompt(10, 4294967295u), ShownName("Nobody"),
                       nullptr);
    Picture(language, "prompt", &dialog);
    const QLabel* label = dialog.Label;
    const QRect wrapped =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text());
    fit.Check(QStringLiteral("name prompt text"), label->text(), wrapped.width(), label->width(),
              false);
    fit.Check(QStringLiteral("name prompt text height"), label->text(), wrapped.height(),
              label->height(), false);
    CheckButton(fit, QStringLiteral("name prompt"), dialog.OkButton);
    CheckButton(fit, QStringLiteral("name prompt"), dialog.CancelButton);
    CheckTitle(fit, QStringLiteral("name prompt"), &dialog);
}

void CheckSettings(TFit& fit, TForm1& form, const QString& language) {
    tForm2 settings(form, [] { return std::string(); });
    Picture(language, "settings", &settings);
    for (const QLabel* caption : {settings.lblHeight, settings.lblLvlChg, settings.lblSpeed}) {
        // Clear of the scroll bars to their right.
        fit.Check(caption->objectName(), caption->text(),
                  caption->x() + Advance(caption->font(), caption->text()),
                  settings.scrlHeight->x() - 2, true);
    }
    const QCheckBox* box = settings.chkNext;
    const QStyle* style = box->style();
    fit.Check(QStringLiteral("chkNext"), box->text(),
              style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                  Advance(box->font(), box->text()),
              box->width(), true);
    fit.Check(QStringLiteral("chkNext"), box->text(), box->geometry().right() + 1, settings.width(),
              true);
    CheckButton(fit, QStringLiteral("btnCancel"), settings.btnCancel);
    CheckButton(fit, QStringLiteral("btnOk"), settings.btnOk);
    CheckTitle(fit, QStringLiteral("settings window"), &settings);
}

void CheckHighScores(TFit& fit, TForm1& form, const QString& language) {
    TForm3 highScores(form);
    highScores.show();
    Picture(language, "highscores", &highScores);
    const TStringGrid* grid = highScores.strngrdHS;
    // Cell text stands 2 pixels in from the cell's left edge.
    for (int col = 1; col <= 3; ++col) {
        fit.Check(QStringLiteral("high-scores heading"), grid->Cells(col, 0),
                  2 + Advance(grid->font(), grid->Cells(col, 0)), grid->CellRect(col, 0).width(),
                  true);
    }
    fit.Check(QStringLiteral("high-scores name"), grid->Cells(1, 1),
              2 + Advance(grid->font(), grid->Cells(1, 1)), grid->CellRect(1, 1).width(), true);
    CheckTitle(fit, QStringLiteral("high-scores window"), &highScores);
}

void CheckErrorBox(TFit& fit) {
    QTimer::singleShot(0, [&fit] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            fit.Fail(QStringLiteral("the error box did not open"));
            return;
        }
        fit.Check(QStringLiteral("error box"), box->text(), box->width(), HalfScreen * 2, false);
        for (const QPushButton* button : box->findChildren<QPushButton*>()) {
            CheckButton(fit, QStringLiteral("error box button"), button);
        }
        box->accept();
    });
    ShowErrorBox(TranslatedError(
        QStringLiteral("Unable to write to /home/player/.config/Brindlex/Brindlex.ini: "
                       "the file is larger than 1 MiB, too large to rewrite safely")));
}

} // namespace

class WindowsFitTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    std::string Profile() const { return (FDir.path() + "/Brindlex.ini").toStdString(); }

private slots:
    void everyTextFitsItsPlace_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& language : ShippedLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
        QTest::newRow("pseudo") << Pseudo;
    }

    void everyTextFitsItsPlace() {
        QFETCH(QString, language);
        TLanguage speaking(language);
        TForm1 form(Profile());
        TFit fit;
        CheckMainWindow(fit, form, language);
        CheckKeysBox(fit, form, language);
        CheckNamePrompt(fit, language);
        CheckSettings(fit, form, language);
        CheckHighScores(fit, form, language);
        CheckErrorBox(fit);
        // The windows kept their sizes.
        QCOMPARE(form.ClientArea()->size(), QSize(362, 598));

        if (language == Pseudo) {
            // What a translator has to keep within: the fixed places a text
            // 40 % longer than the English would not fit.
            for (const QString& tight : fit.Fixed) {
                qInfo("tight place: %s", qUtf8Printable(tight));
            }
        } else {
            QVERIFY2(fit.Fixed.isEmpty(), qPrintable(fit.Fixed.join(u'\n')));
        }
        QVERIFY2(fit.Growing.isEmpty(), qPrintable(fit.Growing.join(u'\n')));
    }

    // Each shipped language translates every text of its windows, keeps the
    // numbers plain and the placeholders' values in.
    void everyLanguageSpeaksForItself() {
        for (const QString& language : ShippedLanguages()) {
            TLanguage speaking(language);
            const QString prompt = HighScorePrompt(10, 4294967295u);
            QVERIFY2(prompt.contains(QStringLiteral("4294967295")) &&
                         prompt.contains(QStringLiteral("10")) && !prompt.contains(u"You placed"),
                     qPrintable(language + QStringLiteral(": ") + prompt));
            const QString error = TranslatedError(
                QStringLiteral("Unable to write to /p: q/Brindlex.ini: the disk is full"));
            QVERIFY2(error.contains(QStringLiteral("/p: q/Brindlex.ini")) &&
                         !error.contains(u"Unable") && !error.contains(u"the disk is full"),
                     qPrintable(language + QStringLiteral(": ") + error));
            const QString system = TranslatedError(
                QStringLiteral("Unable to write to /p/Brindlex.ini: input/output error"));
            QVERIFY2(system.contains(QStringLiteral("/p/Brindlex.ini")) &&
                         system.contains(QStringLiteral("input/output error")),
                     qPrintable(language + QStringLiteral(": ") + system));
            QVERIFY2(ShownName("Nobody") != u"Nobody", qPrintable(language));
            QCOMPARE(StoredName(ShownName("Nobody")), std::string("Nobody"));
        }
    }

    void choosesTheFirstLanguageThatIsEnglishOrShipped_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        // As QLocale::system().uiLanguages() gives them for the environment.
        const struct {
            const char* environment;
            QStringList uiLanguages;
            const char* language;
        } cases[] = {
            {"LANG=C", {"C"}, ""},
            {"LANG=en_US.UTF-8", {"en-US", "en-Latn-US", "en"}, ""},
            {"LANG=de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}, "de"},
            {"LANG=de_AT.UTF-8", {"de-AT", "de-Latn-AT", "de"}, "de"},
            {"LANG=pt_BR.UTF-8", {"pt-BR", "pt-Latn-BR", "pt"}, "pt_BR"},
            {"LANG=pt_PT.UTF-8", {"pt-PT", "pt-Latn-PT", "pt"}, ""},
            {"LANG=ja_JP.UTF-8", {"ja-JP", "ja-Jpan-JP", "ja"}, ""},
            {"LANGUAGE=fr:de", {"fr", "fr-Latn-FR", "fr-FR", "de", "de-Latn-DE", "de-DE"}, "fr"},
            {"LANGUAGE=ja:sv", {"ja", "ja-Jpan-JP", "ja-JP", "sv", "sv-Latn-SE", "sv-SE"}, "sv"},
            {"LANGUAGE=en:de", {"en", "en-Latn-US", "en-US", "de", "de-Latn-DE", "de-DE"}, ""},
            {"LANG=ru_RU.UTF-8", {"ru-RU", "ru-Cyrl-RU", "ru"}, "ru"},
        };
        for (const auto& c : cases) {
            QTest::newRow(c.environment) << c.uiLanguages << QString::fromLatin1(c.language);
        }
    }

    void choosesTheFirstLanguageThatIsEnglishOrShipped() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(ChooseLanguage(uiLanguages), language);
    }

    void shipsTheTenLanguages() {
        QStringList shipped = ShippedLanguages();
        shipped.sort();
        QCOMPARE(shipped,
                 QStringList({"cs", "de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", "sv"}));
    }

    // English, an English locale and a language the game does not ship all
    // draw every window as it is without any translator.
    void englishWindowsAreUntouched() {
        auto pictures = [this] {
            TForm1 form(Profile());
            TKeysBox keys(&form);
            TNamePrompt prompt(HighScoreCaption(), HighScorePrompt(1, 1001), ShownName("Nobody"),
                               nullptr);
            tForm2 settings(form, [] { return std::string(); });
            TForm3 highScores(form);
            highScores.FormShow();
            QList<QImage> images;
            for (QWidget* window :
                 std::initializer_list<QWidget*>{&form, &keys, &prompt, &settings, &highScores}) {
                images << window->grab().toImage();
            }
            form.show();
            images << form.menuBar()->actions().first()->menu()->grab().toImage();
            return images;
        };
        const QList<QImage> untranslated = pictures();
        for (const QStringList& uiLanguages :
             {QStringList{"C"}, QStringList{"en-US", "en-Latn-US", "en"},
              QStringList{"ja-JP", "ja-Jpan-JP", "ja"}}) {
            TTranslators translators(ChooseLanguage(uiLanguages));
            translators.Install();
            QVERIFY2(pictures() == untranslated, qPrintable(uiLanguages.first()));
        }
    }
};

QTEST_MAIN(WindowsFitTest)
#include "WindowsFitTest.moc"
