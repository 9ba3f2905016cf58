#include "ui/highscores/HighScores.h"

#include "store/HighScoreTable.h"
#include "ui/common/Fonts.h"
#include "ui/common/NameText.h"
#include "ui/highscores/StringGrid.h"

#include <QShowEvent>

TForm3::TForm3(const THighScoreTable& table, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      FTable(table) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("High Scores"));
    setFixedSize(405, 277);
    // Closing only hides this window; it must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(SansFont(10));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);
    // The frame's corner, not the client area's, goes to the screen's corner;
    // later showings keep wherever the player left the window.
    move(0, 0);

    strngrdHS = new TStringGrid({34, 206, 80, 79}, 11, 24, this);
    strngrdHS->setObjectName(QStringLiteral("strngrdHS"));
    // Laid out for a sans serif whose digits are about half their height
    // wide; ours is wider, so a smaller size keeps the widths (a score of
    // eight digits fits its column).
    strngrdHS->setFont(SansFont(14));
    strngrdHS->move(0, 0);
    strngrdHS->setFocus();
}

void TForm3::showEvent(QShowEvent* event) {
    // A spontaneous show is a restore from minimized: the copy is taken only
    // when the window goes from hidden to shown.
    if (!event->spontaneous()) {
        FormShow();
    }
    QWidget::showEvent(event);
}

void TForm3::FormShow() {
    strngrdHS->SetCells(1, 0, tr("Name"));
    strngrdHS->SetCells(2, 0, tr("Jewels"));
    strngrdHS->SetCells(3, 0, tr("Score"));
    for (int place = 1; place <= HighScorePlaces; ++place) {
        strngrdHS->SetCells(0, place, QString::number(place));
        strngrdHS->SetCells(1, place, ShownName(FTable.HiName[place]));
        strngrdHS->SetCells(2, place, QString::number(FTable.HiJewels[place]));
        strngrdHS->SetCells(3, place, QString::number(FTable.HiScore[place]));
    }
}
