// The modal name prompt of a new high score.
#pragma once

#include <QDialog>
#include <QSet>
#include <QValidator>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

// Keeps a name to one line of at most 255 characters as it is typed or
// pasted: each run of line breaks, tabs and other control characters becomes
// a single space, and a name grown too long loses what went in last.
class TNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The prompt's texts for a score that earned place, in the player's language.
QString HighScoreCaption();
QString HighScorePrompt(int place, uint32_t score);

class TNamePrompt : public QDialog {
public:
    TNamePrompt(const QString& caption, const QString& prompt, const QString& value,
                QWidget* parent);

    // The confirmed text, or value unchanged after Cancel, Esc or the close box.
    QString Answer() const;

    QLabel* Label;
    QLineEdit* Edit;
    QPushButton* OkButton;
    QPushButton* CancelButton;

protected:
    // A key still held from the game goes on repeating into the prompt as it
    // opens; those repeats are not the player's answer and are dropped until
    // the key is let go. A fresh press acts at once.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString FValue;
    QSet<quint64> FPressedHere;
    // The last release: on X a repeat comes as a release and a press of one
    // moment, and a pair that comes too fast to be told apart arrives as if
    // the key had been let go and pressed again.
    struct {
        quint64 identity = 0;
        quint64 timestamp = 0;
        bool pressedHere = false;
    } FLastRelease;
};
