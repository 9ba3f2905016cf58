#include "ui/KeysBox.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>
#include <QVBoxLayout>

#include <cmath>

const char* const KeysHelpText =
    "Left:\t\tLeft or numpad 4\r\nRight:\t\tRight or numpad 6\r\nDown:\t\tDown or numpad 2\r\n"
    "Rotate down:\tCtrl or numpad 5\r\nRotate up:\tShift or numpad 8\r\nStart new game:\tSpace\r\n"
    "Pause:\t\tPause\r\nEnd game:\tEsc";

namespace {

QStringList Lines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

} // namespace

TTabbedText::TTabbedText(const QString& text, QWidget* parent) : QWidget(parent), FText(text) {
    setFocusPolicy(Qt::NoFocus);
}

qreal TTabbedText::TabStop() const {
    // The system's stops lie every eight average character widths; where this
    // font's widest action name would run past the second stop, the stops
    // widen just enough for every key name to start at the same one.
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (const QString& line : Lines(FText)) {
        if (line.count(u'\t') == 1) {
            widest = std::max(widest, metrics.horizontalAdvance(line.section(u'\t', 0, 0)));
        }
    }
    return std::max<qreal>(8.0 * metrics.averageCharWidth(), std::floor(widest / 2) + 1);
}

QSize TTabbedText::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int width = 0;
    for (const QString& line : Lines(FText)) {
        width = std::max(width, metrics.horizontalAdvance(line.section(u'\t', 0, 0)) +
                                    static_cast<int>(3 * TabStop()));
    }
    return {width, static_cast<int>(Lines(FText).size()) * metrics.lineSpacing()};
}

void TTabbedText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QTextOption option;
    option.setTabStopDistance(TabStop());
    option.setWrapMode(QTextOption::NoWrap);
    const int lineSpacing = fontMetrics().lineSpacing();
    int y = 0;
    for (const QString& line : Lines(FText)) {
        painter.drawText(QRectF(0, y, width(), lineSpacing), line, option);
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
    auto* text = new TTabbedText(QString::fromLatin1(KeysHelpText), this);
    text->setObjectName(QStringLiteral("text"));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    // OK is both the default and the cancel button: Enter and Esc close the box.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString TKeysBox::Text() const {
    return findChild<TTabbedText*>()->Text();
}
