// The modal name prompt of a new high score.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

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
