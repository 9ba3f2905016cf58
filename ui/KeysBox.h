// The key help: a plain modal message box, centred on the screen, whose key
// names stand in one column.
#pragma once

#include <QDialog>

// The help's eight lines of an action, tabs and its keys, joined by "\r\n",
// in the player's language.
QString KeysHelp();

class TKeysBox : public QDialog {
public:
    // Placed in the middle of the screen that parent is on, wherever parent stands.
    explicit TKeysBox(QWidget* parent);
    QString Text() const;
};

// Lines of an action name, tabs and a key name, painted in two columns: the
// key names all start at the first tab stop (every eight average character
// widths of the font in use) that leaves a space after the widest action name.
class TTabbedText : public QWidget {
public:
    TTabbedText(const QString& text, QWidget* parent);
    const QString& Text() const { return FText; }
    QSize sizeHint() const override;
    // Where every line's key names start.
    qreal KeyColumn() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FText;
};
