#include "ui/options/Options.h"

#include "store/GameSettings.h"
#include "store/IniFile.h"
#include "ui/common/ErrorBox.h"
#include "ui/common/Fonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace {

// A click in a scroll bar's track must move it by one step, whatever the
// desktop's style prefers (some jump straight to the clicked place). The page
// step of 1 that makes it so would also shrink the thumb to a sliver of the
// track on Qt's reckoning; the thumb keeps the style's fixed size instead.
class TTrackStepStyle : public QProxyStyle {
public:
    // On a fresh copy of the application's style (a proxy without a base would
    // take the desktop's default, not the style the program runs with).
    TTrackStepStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control == CC_ScrollBar) {
            if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
                QStyleOptionSlider unpaged(*bar);
                unpaged.pageStep = 0;
                return QProxyStyle::subControlRect(control, &unpaged, part, widget);
            }
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    // Few styles mark a focused scroll bar, yet Tab leads through the three
    // and the arrow keys change the one that has the focus: frame it.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ScrollBar && option->state & State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*option);
            focus.backgroundColor = option->palette.color(QPalette::Window);
            // Styles show focus only once the keyboard has moved it; here the
            // arrow keys act on the bar from the start, so it always shows.
            focus.state |= State_KeyboardFocusChange;
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QScrollBar* MakeBar(QWidget* parent, const char* name, QStyle* style, int y, TSettingRange range) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setStyle(style);
    bar->setGeometry(128, y, 193, 25);
    bar->setRange(range.Min, range.Max);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(true);
    // Qt's scroll bars invert their keys (Up means less, for reading); in a
    // settings bar Right must mean more.
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFocusPolicy(Qt::NoFocus);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 144, 137, 33);
    button->setDefault(false);
    button->setAutoDefault(false);
    return button;
}

void ShowPosition(QLabel* label, int position) {
    label->setText(QString::number(position));
    label->adjustSize();
}

} // namespace

tForm2::tForm2(TGameSettings& settings, std::function<std::string()> profilePath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FSettings(settings), FProfilePath(std::move(profilePath)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Settings"));
    setFixedSize(346, 188);
    // Closing only hides this window; it must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Laid out in pixels for a 14-pixel sans serif; 11 pixels of ours give the
    // same text widths ("Jewels to level up:" in 109, two digits in 14).
    setFont(SansFont(11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);

    auto* trackStep = new TTrackStepStyle;
    trackStep->setParent(this);
    scrlHeight = MakeBar(this, "scrlHeight", trackStep, 8, StartingHeightRange);
    scrlLvlChg = MakeBar(this, "scrlLvlChg", trackStep, 40, LevelChangeRange);
    scrlSpeed = MakeBar(this, "scrlSpeed", trackStep, 72, SpeedRange);

    chkNext = new QCheckBox(tr("Show next  block"), this);
    chkNext->setObjectName(QStringLiteral("chkNext"));
    chkNext->setGeometry(8, 112, 201, 25);

    btnCancel = MakeButton(this, "btnCancel", tr("Cancel"), 8);
    btnOk = MakeButton(this, "btnOk", tr("Ok"), 184);

    lblHeight = MakeLabel(this, "lblHeight", tr("Starting height:"), 8, 8);
    lblLvlChg = MakeLabel(this, "lblLvlChg", tr("Jewels to level up:"), 8, 40);
    lblSpeed = MakeLabel(this, "lblSpeed", tr("Game speed:"), 8, 72);
    lblHeightV = MakeLabel(this, "lblHeightV", QString(), 328, 8);
    lblLvlChgV = MakeLabel(this, "lblLvlChgV", QString(), 328, 40);
    lblSpeedV = MakeLabel(this, "lblSpeedV", QString(), 328, 72);

    setTabOrder(scrlHeight, scrlLvlChg);
    setTabOrder(scrlLvlChg, scrlSpeed);
    setTabOrder(scrlSpeed, chkNext);
    setTabOrder(chkNext, btnCancel);
    setTabOrder(btnCancel, btnOk);

    connect(scrlHeight, &QScrollBar::valueChanged, this, &tForm2::scrlHeightChange);
    connect(scrlLvlChg, &QScrollBar::valueChanged, this, &tForm2::scrlLvlChgChange);
    connect(scrlSpeed, &QScrollBar::valueChanged, this, &tForm2::scrlSpeedChange);
    connect(btnOk, &QPushButton::clicked, this, &tForm2::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &tForm2::btnCancelClick);

    Guarded([this] { FormCreate(); });
}

void tForm2::FormCreate() {
    // setValue clamps into the bar's range and signals only a real change,
    // so a stored value outside the range shows as the nearest end.
    scrlHeight->setValue(FSettings.StartingHeight);
    scrlLvlChg->setValue(FSettings.LevelChange);
    scrlSpeed->setValue(FSettings.Speed);
    // A bar already standing at its value signalled nothing; show them all.
    ShowPosition(lblHeightV, scrlHeight->value());
    ShowPosition(lblLvlChgV, scrlLvlChg->value());
    ShowPosition(lblSpeedV, scrlSpeed->value());
    chkNext->setChecked(FSettings.ShowNext);
}

void tForm2::scrlHeightChange(int position) {
    ShowPosition(lblHeightV, position);
}

void tForm2::scrlLvlChgChange(int position) {
    ShowPosition(lblLvlChgV, position);
}

void tForm2::scrlSpeedChange(int position) {
    ShowPosition(lblSpeedV, position);
}

void tForm2::btnOkClick() {
    Guarded([this] {
        // The game uses the new values from now on, even if the save fails.
        FSettings.StartingHeight = scrlHeight->value();
        FSettings.LevelChange = scrlLvlChg->value();
        FSettings.Speed = scrlSpeed->value();
        FSettings.ShowNext = chkNext->isChecked();
        TIniFile ini(FProfilePath());
        ini.WriteBatch([this](TCustomIniFile& profile) { FSettings.SaveSettings(profile); });
        // Reached only when every key was written: after a failure the window
        // stays open so that OK can be tried again.
        close();
    });
}

void tForm2::btnCancelClick() {
    close();
}

void tForm2::keyPressEvent(QKeyEvent* event) {
    // Neither button is a default button, yet Enter presses the one that has
    // the focus, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
