// The modal name prompt of a new high score.
#pragma once

#include <QDialog>
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

private:
    QString FValue;
};
