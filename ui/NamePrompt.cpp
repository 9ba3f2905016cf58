#include "ui/NamePrompt.h"

#include "store/HighScoreTable.h"
#include "ui/FreshKeys.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool IsBreak(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString HighScoreCaption() {
    return QCoreApplication::translate("TNamePrompt", "You're Winner!");
}

QString HighScorePrompt(int place, uint32_t score) {
    // Plain digits, as the counters show them: arg() takes no group separators.
    return QCoreApplication::translate("TNamePrompt", "You placed #%1 with your score of %2.")
               .arg(place)
               .arg(score) +
           QStringLiteral("\r\n") + QCoreApplication::translate("TNamePrompt", "Enter your name:");
}

QValidator::State TNameValidator::validate(QString& input, int& pos) const {
    QString line;
    line.reserve(input.size());
    int cursor = -1;
    bool inRun = false;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (i == pos) {
            cursor = static_cast<int>(line.size());
        }
        if (!IsBreak(input[i])) {
            line += input[i];
            inRun = false;
        } else if (!inRun) {
            line += u' ';
            inRun = true;
        }
    }
    if (cursor < 0) {
        cursor = static_cast<int>(line.size());
    }
    // Characters as the player sees them: a pair of UTF-16 surrogates is one.
    qsizetype excess =
        static_cast<qsizetype>(line.toUcs4().size()) - static_cast<qsizetype>(MaxNameLength);
    while (excess > 0) {
        // What went in last ends at the cursor; without one, the end goes.
        qsizetype end = cursor > 0 ? cursor : line.size();
        qsizetype width =
            end >= 2 && line[end - 1].isLowSurrogate() && line[end - 2].isHighSurrogate() ? 2 : 1;
        line.remove(end - width, width);
        if (end == cursor) {
            cursor -= static_cast<int>(width);
        }
        --excess;
    }
    input = line;
    pos = cursor;
    return Acceptable;
}

TNamePrompt::TNamePrompt(const QString& caption, const QString& prompt, const QString& value,
                         QWidget* parent)
    : QDialog(parent), FValue(value) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowModality(Qt::ApplicationModal);

    // Laid out in dialog units: a quarter of the average letter width across,
    // an eighth of the letter height down.
    const QFontMetrics metrics = fontMetrics();
    auto dx = [&metrics](int units) { return units * metrics.averageCharWidth() / 4; };
    auto dy = [&metrics](int units) { return units * metrics.height() / 8; };

    Label = new QLabel(prompt, this);
    Label->setWordWrap(true);
    Label->setTextFormat(Qt::PlainText);
    Label->setFixedWidth(dx(164));
    Label->move(dx(8), dy(8));
    Label->adjustSize();
    Label->setFixedHeight(Label->heightForWidth(dx(164)));

    Edit = new QLineEdit(this);
    // The validator counts characters; the box's own limit counts UTF-16
    // units, two for a character beyond the Basic Multilingual Plane.
    Edit->setMaxLength(2 * static_cast<int>(MaxNameLength));
    Edit->setValidator(new TNameValidator(Edit));
    Edit->setText(value);
    Edit->setFixedWidth(dx(164));
    Edit->move(dx(8), Label->geometry().bottom() + 1 + 5);
    Edit->selectAll();

    const int buttonTop = Edit->geometry().bottom() + 1 + 15;
    OkButton = new QPushButton(QCoreApplication::translate("TNamePrompt", "OK"), this);
    OkButton->setDefault(true);
    OkButton->setGeometry(dx(38), buttonTop, dx(50), dy(14));
    CancelButton = new QPushButton(QCoreApplication::translate("TNamePrompt", "Cancel"), this);
    CancelButton->setGeometry(dx(92), buttonTop, dx(50), dy(14));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(dx(180), buttonTop + dy(14) + 13);
    Edit->setFocus();
    // A key still held from the game goes on repeating into the prompt as it
    // opens; those repeats are not the player's answer.
    new TFreshKeys(this);
}

QString TNamePrompt::Answer() const {
    return result() == Accepted ? Edit->text() : FValue;
}
