// The settings window: the four game settings as three scroll bars and a
// check box, saved to the profile by OK.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
struct TGameSettings;

class tForm2 : public QWidget {
    Q_OBJECT

public:
    // Takes the controls' states from settings, which OK changes and saves to
    // the profile that profilePath names, asked anew for every save. The
    // window is created hidden and lives until the program ends.
    tForm2(TGameSettings& settings, std::function<std::string()> profilePath,
           QWidget* parent = nullptr);

    QScrollBar* scrlHeight;
    QScrollBar* scrlLvlChg;
    QScrollBar* scrlSpeed;
    QCheckBox* chkNext;
    QPushButton* btnCancel;
    QPushButton* btnOk;
    QLabel* lblHeight;
    QLabel* lblLvlChg;
    QLabel* lblSpeed;
    QLabel* lblHeightV;
    QLabel* lblLvlChgV;
    QLabel* lblSpeedV;

public Q_SLOTS:
    void scrlHeightChange(int position);
    void scrlLvlChgChange(int position);
    void scrlSpeedChange(int position);
    void btnOkClick();
    void btnCancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();

    TGameSettings& FSettings;
    std::function<std::string()> FProfilePath;
};
