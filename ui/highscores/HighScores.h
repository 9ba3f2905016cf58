// The high-scores window: the ten places of the table in a grid, copied from
// the game each time the window is shown.
#pragma once

#include <QWidget>

class TGame;
class TStringGrid;

class TForm3 : public QWidget {
    Q_OBJECT

public:
    // Created hidden; its grid stays empty until the first showing.
    explicit TForm3(TGame& game, QWidget* parent = nullptr);

    TStringGrid* strngrdHS;

public Q_SLOTS:
    // Copies the header and the whole table into the grid.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TGame& FGame;
};
