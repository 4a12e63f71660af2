#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "shell/UErrCodePage.h"
#include "shell/UPornireAplicatie.h"
#include "shell/USplashForm.h"
#include "support/MesajeTest.h"

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

