#include "shell/USplashForm.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "data/UCai.h"
#include "comun/CentrareFereastra.h"
#include "shell/UPornireAplicatie.h"

namespace {
constexpr int kLatime = 480;
constexpr int kInaltime = 248;
constexpr int kSusEticheta = 226;
constexpr int kDreaptaEticheta = 474;
} // namespace

TSplashForm::TSplashForm(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(kLatime, kInaltime);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kLatime, kInaltime);
    const QPixmap imagine(Locatii().CaleProgram(QStringLiteral("splash.gif")));
    if (imagine.isNull())
        Image1->setStyleSheet(QStringLiteral("background-color: #1d3b6e;"));
    else
        Image1->setPixmap(imagine);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    Timer1->start();

    CentreazaFereastra(this);
}

void TSplashForm::SeteazaText(const QString &text)
{
    Label1->setText(text);
    Label1->adjustSize();
    Label1->move(kDreaptaEticheta - Label1->width(), kSusEticheta);
}

void TSplashForm::Timer1Timer()
{
    ++m_tag;
    if (m_tag > 50)
        done(QDialog::Accepted);
}
