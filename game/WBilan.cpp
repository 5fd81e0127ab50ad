#include "game/WBilan.h"

#include "localization/TolunBasic.h"
#include "platform/Application.h"
#include "platform/Trunc.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kSize { 322, 182 };
constexpr int kTextPixelSize = 18;

QLabel* makeLabel(QWidget* parent, QRect geometry, QColor colour, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(kTextPixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

WBilan::WBilan()
    : m_pbOk(new QPushButton(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kSize);
    setModal(true);

    m_pbOk->setGeometry(110, 142, 120, 20);
    m_pbOk->setDefault(true);
    connect(m_pbOk, &QPushButton::clicked, this, [this] { platform::runGuarded([this] { PBOk_Action(); }); });

    m_labelParties = makeLabel(this, { 70, 14, 215, 20 }, Qt::black);
    m_labelAbattus = makeLabel(this, { 20, 41, 265, 20 }, Qt::black);
    m_labelTirs = makeLabel(this, { 70, 69, 215, 20 }, Qt::black);
    // A sample line, shown until a score is first computed.
    m_labelScore = makeLabel(this, { 70, 97, 215, 20 }, QColor(0xFF, 0x00, 0x00), QStringLiteral("Votre score: 100"));
}

void WBilan::Event_Activate()
{
    m_pbOk->resize(m_pbOk->width(), TolunBasic::PBHeight);
    m_pbOk->setText(TolunBasic::StrOk);
    m_pbOk->move(platform::trunc((width() - m_pbOk->width()) / 2.0), m_pbOk->y());
    IsOk = false;
}

void WBilan::PBOk_Action()
{
    IsOk = true;
    // Hiding ends the modal showing.
    hide();
}

bool WBilan::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        platform::runGuarded([this] { Event_Activate(); });
    return QDialog::event(event);
}
