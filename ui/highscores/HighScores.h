// The high-scores window: the ten places of the table in a grid, copied from
// the table each time the window is shown.
#pragma once

#include <QWidget>

class TStringGrid;
struct THighScoreTable;

class TForm3 : public QWidget {
    Q_OBJECT

public:
    // Created hidden; its grid stays empty until the first showing. A
    // top-level window without a parent: its owner deletes it.
    explicit TForm3(const THighScoreTable& table);

    TStringGrid* strngrdHS;

public Q_SLOTS:
    // Copies the header and the whole table into the grid.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const THighScoreTable& FTable;
};
