// The key help: a plain modal message box whose tabs line up like the
// system's message boxes do, at every eight average character widths.
#pragma once

#include <QDialog>

class QLabel;

extern const char* const KeysHelpText;

class TKeysBox : public QDialog {
public:
    explicit TKeysBox(QWidget* parent);
    QString Text() const;
};

// A text painted with tabs expanded to fixed tab stops.
class TTabbedText : public QWidget {
public:
    TTabbedText(const QString& text, QWidget* parent);
    const QString& Text() const { return FText; }
    QSize sizeHint() const override;
    qreal TabStop() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FText;
};
