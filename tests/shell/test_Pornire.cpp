#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "VersiuneProgram.h"
#include "shell/Actiune.h"
#include "shell/CEVersionInfo.h"
#include "shell/Exceptie.h"
#include "shell/Pozitionare.h"
#include "shell/UErrCodePage.h"
#include "shell/UPornireAplicatie.h"
#include "shell/USplashForm.h"
#include "support/MesajeTest.h"

TEST(CentreazaFereastra, CentresOnTheWorkAreaAndPinsLargeWindowsToItsCorner)
{
    struct Caz
    {
        QRect zona;
        QSize fereastra;
        QPoint asteptat;
    };
    const Caz cazuri[] = {
        {{0, 0, 1920, 1040}, {869, 623}, {525, 208}},
        {{1920, 30, 1280, 994}, {481, 270}, {1920 + 399, 30 + 362}},
        {{0, 0, 1024, 738}, {1200, 900}, {0, 0}},
        {{100, 50, 800, 600}, {1000, 300}, {100, 200}},
        {{-1280, 0, 1280, 1024}, {101, 101}, {-1280 + 589, 461}},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(PozitieCentrata(c.zona, c.fereastra), c.asteptat) << c.zona.x() << "," << c.zona.y();
}

TEST(TCEVersionInfo, SplitsAtDotsOrCommas)
{
    const TCEVersionInfo puncte(QStringLiteral("2.1.0.57"));
    const TCEVersionInfo virgule(QStringLiteral("2,1,0,57"));
    for (const TCEVersionInfo *v : {&puncte, &virgule}) {
        EXPECT_EQ(v->MajorVersion, QStringLiteral("2"));
        EXPECT_EQ(v->MinorVersion, QStringLiteral("1"));
        EXPECT_EQ(v->Release, QStringLiteral("0"));
        EXPECT_EQ(v->Build, QStringLiteral("57"));
    }
    const TCEVersionInfo fara(QStringLiteral("2106"));
    EXPECT_EQ(fara.MajorVersion, QStringLiteral("<info not available>"));
    EXPECT_EQ(fara.Build, QStringLiteral("<info not available>"));
}

TEST(TCEVersionInfo, VersionTextIsTheStampedVersion)
{
    EXPECT_EQ(TextVersiune(), QStringLiteral(CERT_FILE_VERSION));
    EXPECT_EQ(TextVersiune().count(QLatin1Char('.')), 3);
}

TEST(TSplashForm, LabelEndsSixPixelsFromTheRightEdgeWhateverItsLength)
{
    TSplashForm splash;
    EXPECT_EQ(splash.size(), QSize(480, 248));
    for (const QString &text : {QStringLiteral("Certificat de acordare - 1.0.0.1"),
                                QStringLiteral("Certificat de acordare - <info not available>.<info not "
                                               "available>.<info not available>.<info not available>")}) {
        splash.SeteazaText(text);
        EXPECT_EQ(splash.Label1->geometry().right() + 1, 474) << text.toStdString();
        EXPECT_EQ(splash.Label1->y(), 226);
        EXPECT_EQ(splash.Label1->text(), text);
    }
}

TEST(TSplashForm, ClosesAfterFiftyOneTicks)
{
    TSplashForm splash;
    EXPECT_EQ(splash.Timer1->interval(), 100);
    splash.show();
    for (int i = 0; i < 50; ++i)
        splash.Timer1Timer();
    EXPECT_TRUE(splash.isVisible());
    splash.Timer1Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
    EXPECT_EQ(splash.Tag(), 51);
}

TEST(TErrCodePage, OpensTheControlPanelPageOncePerFilePresent)
{
    struct Caz
    {
        QStringList prezente;
        QStringList asteptate;
    };
    const QString xp = QStringLiteral("C:\\Windows\\System32\\intl.cpl");
    const QString nt = QStringLiteral("C:\\Winnt\\System32\\intl.cpl");
    const Caz cazuri[] = {
        {{xp, nt}, {xp + QStringLiteral("|"), nt + QStringLiteral("|Open")}},
        {{xp}, {xp + QStringLiteral("|")}},
        {{}, {}},
    };
    for (const Caz &caz : cazuri) {
        QStringList deschise;
        TShellSistem shell;
        shell.fisierExista = [&](const QString &f) { return caz.prezente.contains(f); };
        shell.deschide = [&](const QString &f, const QString &verb) { deschise.append(f + QLatin1Char('|') + verb); };
        TErrCodePage dialog(nullptr, shell);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Eroare de limba implicita"));
        dialog.show();
        dialog.RzBitBtn1->click();
        EXPECT_EQ(deschise, caz.asteptate);
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        dialog.RzBitBtn2->click();
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(PornireAplicatie, ShowsTheCodePageDialogOnlyForAnotherCodePage)
{
    EXPECT_EQ(CodPaginaSistem(), 1250) << "printing takes Unicode text here";
    for (const int cod : {1250, 1252}) {
        QStringList titluri;
        // A modal dialog shown by the start routine is read and closed from the event loop.
        QTimer inchizator;
        QObject::connect(&inchizator, &QTimer::timeout, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                titluri.append(w->windowTitle());
                if (auto *ok = w->findChild<QPushButton *>(QStringLiteral("RzBitBtn2")))
                    ok->click();
            }
        });
        inchizator.start(20);
        TOptiuniPornire optiuni;
        optiuni.faraSplash = true;
        optiuni.codPagina = [cod] { return cod; };
        if (cod != 1250) {
            PornireAplicatie(QStringLiteral("Certificat de acordare"), optiuni);
            EXPECT_EQ(titluri, QStringList{QStringLiteral("Eroare de limba implicita")});
        } else {
            PornireAplicatie(QStringLiteral("Certificat de acordare"), optiuni);
            EXPECT_TRUE(titluri.isEmpty());
        }
    }
}

TEST(RuleazaActiune, ShowsTheFailureAndReturnsFalse)
{
    MesajeTest().Reseteaza();
    EXPECT_TRUE(RuleazaActiune([] {}));
    EXPECT_FALSE(RuleazaActiune([] { throw Exceptie(QStringLiteral("Nu ati selectat nimic")); }));
    EXPECT_FALSE(RuleazaActiune([] { throw std::runtime_error("disk full"); }));
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare),
              (QStringList{QStringLiteral("Nu ati selectat nimic"), QStringLiteral("disk full")}));
}

TEST(MesajExceptieCurenta, EveryKindOfExceptionHasAMessageForTheUser)
{
    const auto mesaj = [](const std::function<void()> &arunca) {
        try {
            arunca();
        } catch (...) {
            return MesajExceptieCurenta();
        }
        return QString();
    };
    EXPECT_EQ(mesaj([] { throw Exceptie(QStringLiteral("Fisierul lipseste")); }), QStringLiteral("Fisierul lipseste"));
    EXPECT_EQ(mesaj([] { throw std::bad_alloc(); }), QStringLiteral("Memorie insuficienta pentru aceasta operatie."));
    EXPECT_EQ(mesaj([] { throw std::runtime_error("disk full"); }), QStringLiteral("disk full"));
    EXPECT_EQ(mesaj([] { throw 42; }), QStringLiteral("Eroare necunoscuta."));
}
