#include "ui/KeysBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The lines of the help, each text apart for the translators: an action,
// tabs, and its keys as the keyboard labels them.
const struct {
    const char* Action;
    const char* Tabs;
    const char* Keys;
} KeysHelpLines[] = {
    {QT_TRANSLATE_NOOP("TKeysBox", "Left:"), "\t\t",
     //: The arrow key, and the key on the numeric keypad
     QT_TRANSLATE_NOOP("TKeysBox", "Left or numpad 4")},
    {QT_TRANSLATE_NOOP("TKeysBox", "Right:"), "\t\t",
     QT_TRANSLATE_NOOP("TKeysBox", "Right or numpad 6")},
    {QT_TRANSLATE_NOOP("TKeysBox", "Down:"), "\t\t",
     QT_TRANSLATE_NOOP("TKeysBox", "Down or numpad 2")},
    //: Cycles the falling trio's jewels: the bottom one goes to the top
    {QT_TRANSLATE_NOOP("TKeysBox", "Rotate down:"), "\t",
     //: Ctrl as the keyboard labels it (German: Strg)
     QT_TRANSLATE_NOOP("TKeysBox", "Ctrl or numpad 5")},
    //: Cycles the falling trio's jewels: the top one goes to the bottom
    {QT_TRANSLATE_NOOP("TKeysBox", "Rotate up:"), "\t",
     //: Shift as the keyboard labels it
     QT_TRANSLATE_NOOP("TKeysBox", "Shift or numpad 8")},
    {QT_TRANSLATE_NOOP("TKeysBox", "Start new game:"), "\t",
     //: The space bar, as the keyboard labels it
     QT_TRANSLATE_NOOP("TKeysBox", "Space")},
    {QT_TRANSLATE_NOOP("TKeysBox", "Pause:"), "\t\t",
     //: The Pause key, as the keyboard labels it
     QT_TRANSLATE_NOOP("TKeysBox", "Pause")},
    {QT_TRANSLATE_NOOP("TKeysBox", "End game:"), "\t",
     //: The Escape key, as the keyboard labels it
     QT_TRANSLATE_NOOP("TKeysBox", "Esc")},
};

} // namespace

QString KeysHelp() {
    QStringList lines;
    for (const auto& line : KeysHelpLines) {
        lines << QCoreApplication::translate("TKeysBox", line.Action) + QLatin1String(line.Tabs) +
                     QCoreApplication::translate("TKeysBox", line.Keys);
    }
    return lines.join(QStringLiteral("\r\n"));
}

namespace {

QStringList Lines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

QString ActionName(const QString& line) {
    return line.section(u'\t', 0, 0);
}

QString KeyName(const QString& line) {
    return line.section(u'\t', -1);
}

} // namespace

TTabbedText::TTabbedText(const QString& text, QWidget* parent) : QWidget(parent), FText(text) {
    setFocusPolicy(Qt::NoFocus);
}

qreal TTabbedText::KeyColumn() const {
    // Expanding each line's own tabs would put a key name one stop further
    // right wherever its action name runs past a stop; every key name takes
    // the stop past the widest name instead, on a whole pixel so it is crisp.
    const QFontMetricsF metrics(font());
    const qreal stop = 8.0 * metrics.averageCharWidth();
    qreal widest = 0;
    for (const QString& line : Lines(FText)) {
        widest = std::max(widest, metrics.horizontalAdvance(ActionName(line)));
    }
    const qreal stops = std::ceil((widest + metrics.horizontalAdvance(u' ')) / stop);
    return std::ceil(stops * stop);
}

QSize TTabbedText::sizeHint() const {
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (const QString& line : Lines(FText)) {
        widest = std::max(widest, metrics.horizontalAdvance(KeyName(line)));
    }
    return {static_cast<int>(std::ceil(KeyColumn() + widest)),
            static_cast<int>(Lines(FText).size()) * fontMetrics().lineSpacing()};
}

void TTabbedText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal column = KeyColumn();
    const int lineSpacing = fontMetrics().lineSpacing();
    const int ascent = fontMetrics().ascent();
    int y = 0;
    for (const QString& line : Lines(FText)) {
        painter.drawText(QPointF(0, y + ascent), ActionName(line));
        painter.drawText(QPointF(column, y + ascent), KeyName(line));
        y += lineSpacing;
    }
}

TKeysBox::TKeysBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Brindlex"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(true);
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->setSpacing(18);
    auto* text = new TTabbedText(KeysHelp(), this);
    text->setObjectName(QStringLiteral("text"));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    // OK is both the default and the cancel button: Enter and Esc close the box.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // A dialog opens over its parent unless it has been placed; this one
    // belongs in the middle of the screen.
    adjustSize();
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QString TKeysBox::Text() const {
    return findChild<TTabbedText*>()->Text();
}
