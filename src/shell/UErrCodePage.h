#pragma once

#include <functional>

#include <QDialog>

class QPushButton;

// How the code page dialog reaches the system: whether a file exists, and
// opening a file through the shell with a verb ("" for the default one).
struct TShellSistem
{
    std::function<bool(const QString &)> fisierExista;
    std::function<void(const QString &fisier, const QString &verb)> deschide;

    static TShellSistem Real();
};

// Tells the user that the system's default language is not Romanian and how
// to change it.
class TErrCodePage : public QDialog
{
    Q_OBJECT

public:
    explicit TErrCodePage(QWidget *parent = nullptr, TShellSistem shell = TShellSistem::Real());

    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;

public slots:
    void RzBitBtn1Click();

private:
    TShellSistem m_shell;
};
