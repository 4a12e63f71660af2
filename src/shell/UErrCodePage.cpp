#include "shell/UErrCodePage.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "comun/CentrareFereastra.h"
#include "shell/UPornireAplicatie.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

TShellSistem TShellSistem::Real()
{
    TShellSistem shell;
    shell.fisierExista = [](const QString &fisier) { return QFileInfo::exists(fisier); };
    shell.deschide = [](const QString &fisier, const QString &verb) {
#ifdef Q_OS_WIN
        const std::wstring f = fisier.toStdWString();
        const std::wstring v = verb.toStdWString();
        ShellExecuteW(nullptr, verb.isEmpty() ? nullptr : v.c_str(), f.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
#else
        Q_UNUSED(verb);
        QDesktopServices::openUrl(QUrl::fromLocalFile(fisier));
#endif
    };
    return shell;
}

namespace {

QLabel *Text(QWidget *parinte, const QString &text, const QRect &loc, int pixeli, bool gros,
             const char *culoare = nullptr, bool incadrat = false)
{
    auto *eticheta = new QLabel(text, parinte);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixeli);
    font.setBold(gros);
    eticheta->setFont(font);
    eticheta->setGeometry(loc);
    eticheta->setWordWrap(incadrat);
    eticheta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (culoare)
        eticheta->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(culoare)));
    return eticheta;
}

} // namespace

TErrCodePage::TErrCodePage(QWidget *parent, TShellSistem shell)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_shell(std::move(shell))
{
    setObjectName(QStringLiteral("ErrCodePage"));
    setWindowTitle(QStringLiteral("Eroare de limba implicita"));
    setFixedSize(483, 270);

    Text(this, QStringLiteral("Am identificat o problema"), {12, 8, 460, 22}, 16, true, "maroon");
    Text(this,
         QStringLiteral("Limba implicita a programelor pentru calculatorul dumneavoastra nu este limba "
                        "romana. Pentru a putea tipari diplomele CU DIACRITICE este necesar sa stabiliti "
                        "limba implicita limba romana."),
         {12, 34, 460, 50}, 13, false, nullptr, true);
    Text(this, QStringLiteral("Instructiuni pentru Windows XP"), {12, 88, 460, 18}, 13, true);
    Text(this, QStringLiteral("(1)"), {12, 110, 34, 26}, 21, true, "maroon");
    Text(this,
         QStringLiteral("Apasati butonul de mai jos pentru a deschide pagina \"Regional and Language "
                        "Options\" din Control Panel:"),
         {50, 112, 420, 34}, 13, false, nullptr, true);
    RzBitBtn1 = new QPushButton(QStringLiteral("Deschide pagina"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(50, 148, 150, 26);
    Text(this, QStringLiteral("(2)"), {12, 182, 34, 26}, 21, true, "maroon");
    Text(this,
         QStringLiteral("Apoi mergeti in tabul \"Advanced\" si alegeti limba implicita limba Romana."),
         {50, 184, 420, 34}, 13, false, nullptr, true);
    auto *linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(8, 222, 467, 4);
    RzBitBtn2 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(383, 234, 90, 26);
    RzBitBtn2->setDefault(true);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TErrCodePage::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::accept);

    CentreazaFereastra(this);
}

void TErrCodePage::RzBitBtn1Click()
{
    const QString xp = QStringLiteral("C:\\Windows\\System32\\intl.cpl");
    const QString nt = QStringLiteral("C:\\Winnt\\System32\\intl.cpl");
    if (m_shell.fisierExista(xp))
        m_shell.deschide(xp, QString());
    if (m_shell.fisierExista(nt))
        m_shell.deschide(nt, QStringLiteral("Open"));
}
