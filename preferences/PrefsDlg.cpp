#include "preferences/PrefsDlg.h"

#include "game/Media.h"
#include "game/TolunBug.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/Application.h"
#include "platform/Trunc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int kWidth = 539;
constexpr int kMinSpeed = 4;
constexpr int kMaxSpeed = 50;
constexpr int kSpeedPageStep = 5;
constexpr int kButtonWidth = 80;
constexpr int kLangageLabelWidth = 143;
// The tick marks under the slider's two ends.
constexpr int kTickTop = 128;
constexpr int kTickBottom = 144;
constexpr int kTickLeftX = 50;
constexpr int kTickRightX = 332;

QString speedText(int speed)
{
    return QString::number(speed) + QStringLiteral(" m/s");
}

void setPointSize(QWidget& widget, int points)
{
    QFont font = widget.font();
    font.setPointSize(points);
    widget.setFont(font);
}

// Widens a centred label about its centre when its text needs more room
// than its place gives ("Auswahl der Sprache" at 11 points).
void fitCentred(QLabel& label, int placedWidth)
{
    const int centre = label.x() + label.width() / 2;
    const int width = std::max(placedWidth, label.sizeHint().width());
    label.setGeometry(centre - width / 2, label.y(), width, label.height());
}

template <class Widget>
Widget* place(Widget* widget, QRect geometry)
{
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

PrefsDlg::PrefsDlg()
    : m_cbUpdAtStart(place(new QCheckBox(QStringLiteral("Check for updates at start"), this), { 0, 14, 306, 20 }))
    , m_stLangage(place(new QLabel(this), { 132, 46, kLangageLabelWidth, 20 }))
    , m_ppLangage(place(new QComboBox(this), { 120, 68, 155, 20 }))
    , m_labelVitesse(place(new QLabel(this), { 165, 90, 57, 15 }))
    , m_slider1(place(new QSlider(Qt::Horizontal, this), { 41, 106, 301, 23 }))
    , m_labelSpeed(place(new QLabel(this), { 127, 132, 152, 20 }))
    , m_labelMin(place(new QLabel(this), { 20, 141, 57, 20 }))
    , m_labelMax(place(new QLabel(this), { 308, 141, 57, 20 }))
    , m_imageWell1(place(new QLabel(this), { 376, 14, 128, 128 }))
    , m_pbOk(place(new QPushButton(this), { 132, 171, kButtonWidth, 20 }))
    , m_pbCancel(place(new QPushButton(this), { 308, 171, kButtonWidth, 20 }))
{
    // Movable, modal, not resizable, no close box: OK or Cancel ends it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(kWidth, 211);

    setPointSize(*m_stLangage, 11);
    setPointSize(*m_ppLangage, 11);
    setPointSize(*m_labelVitesse, 9);
    setPointSize(*m_pbOk, 11);
    setPointSize(*m_pbCancel, 11);
    m_stLangage->setAlignment(Qt::AlignCenter);
    m_labelVitesse->setAlignment(Qt::AlignCenter);
    m_labelSpeed->setAlignment(Qt::AlignCenter);

    m_slider1->setRange(kMinSpeed, kMaxSpeed);
    m_slider1->setSingleStep(1);
    m_slider1->setPageStep(kSpeedPageStep);
    m_slider1->setTracking(true);

    if (const QPixmap* icon = Media::Icon128())
        m_imageWell1->setPixmap(*icon);
    m_imageWell1->setScaledContents(true);

    m_pbOk->setDefault(true);
    m_pbOk->setAutoDefault(true);
    m_pbCancel->setAutoDefault(false);

    connect(m_pbOk, &QPushButton::clicked, this, [this] { platform::runGuarded([this] { PBOk_Action(); }); });
    connect(m_pbCancel, &QPushButton::clicked, this, [this] { platform::runGuarded([this] { PBCancel_Action(); }); });
    connect(m_slider1, &QSlider::valueChanged, this, [this](int value) { platform::runGuarded([&] { Slider1_ValueChanged(value); }); });
    // Only a user's pick: filling and selecting the rows from code is no choice.
    connect(m_ppLangage, &QComboBox::activated, this, [this](int row) { platform::runGuarded([&] { PPLangage_Change(row); }); });
}

void PrefsDlg::Init()
{
    m_ppLangage->resize(m_ppLangage->width(), TolunBasic::PBHeight);
    m_pbOk->resize(m_pbOk->width(), TolunBasic::PBHeight);
    m_pbCancel->resize(m_pbCancel->width(), TolunBasic::PBHeight);
    InitWasStarted = true;
    AutoLangModule::SetPrefsLangage();
    setWindowTitle(TolunBasic::PrefsDlgTitle);
    setLangageLabel();

    m_cbUpdAtStart->move(platform::trunc((m_imageWell1->x() - m_cbUpdAtStart->width()) / 2.0), 14);
    m_cbUpdAtStart->setVisible(true);
    m_labelMin->setText(speedText(kMinSpeed));
    m_labelMax->setText(speedText(kMaxSpeed));
    m_labelVitesse->setText(speedText(PrefsMaxVx));
    m_slider1->setValue(TolunBug::MaxVx);

    const int buttonsTop = m_labelMin->y() + m_labelMin->height() + 10;
    m_pbOk->move(m_pbOk->x(), buttonsTop);
    m_pbCancel->move(m_pbCancel->x(), buttonsTop);
    setFixedSize(width(), buttonsTop + m_pbOk->height() + 20);
}

void PrefsDlg::FixeLangage()
{
    TolunBasic::SetLangage();
    setWindowTitle(TolunBasic::PrefsDlgTitle);
    AutoLangModule::SetPrefsLangage();
    // Read from the table when the dialog opens; the switch does not set it.
    setLangageLabel();
}

void PrefsDlg::setLangageLabel()
{
    m_stLangage->setText(TolunBasic::STLangageText);
    fitCentred(*m_stLangage, kLangageLabelWidth);
}

void PrefsDlg::SelectUnit()
{
}

void PrefsDlg::PBOk_Action()
{
    Ok = true;
    QDialog::accept();
}

void PrefsDlg::PBCancel_Action()
{
    Ok = false;
    QDialog::reject();
}

void PrefsDlg::reject()
{
    // Escape acts as the Cancel button.
    PBCancel_Action();
}

void PrefsDlg::PPLangage_Change(int row)
{
    if (row < 0)
        return;
    if (row == 0) {
        AutoLangModule::Automatic = true;
        TolunBasic::Langage = AutoLangModule::SystemLangage();
    } else {
        AutoLangModule::Automatic = false;
        TolunBasic::Langage = row - 1;
    }
    FixeLangage();
}

void PrefsDlg::Slider1_ValueChanged(int value)
{
    PrefsMaxVx = value;
    m_labelVitesse->setText(speedText(value));
}

bool PrefsDlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        platform::runGuarded([this] { Init(); });
    return QDialog::event(event);
}

void PrefsDlg::showEvent(QShowEvent* event)
{
    platform::runGuarded([this] { Init(); });
    QDialog::showEvent(event);
}

void PrefsDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(kTickLeftX, kTickTop, kTickLeftX, kTickBottom);
    painter.drawLine(kTickRightX, kTickTop, kTickRightX, kTickBottom);
}
