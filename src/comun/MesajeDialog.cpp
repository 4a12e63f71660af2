#include "comun/MesajeDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

void Arata(QMessageBox::Icon icoana, const QString &titlu, const QString &text)
{
    QMessageBox box(icoana, titlu, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void TMesajeDialog::Eroare(const QString &text)
{
    Arata(QMessageBox::Critical, QStringLiteral("Eroare"), text);
}

void TMesajeDialog::Avertizare(const QString &text)
{
    Arata(QMessageBox::Warning, QStringLiteral("Atentie"), text);
}

void TMesajeDialog::Informare(const QString &text)
{
    Arata(QMessageBox::Information, QStringLiteral("Informatie"), text);
}

bool TMesajeDialog::Intrebare(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmare"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *da = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    QPushButton *nu = box.addButton(QStringLiteral("Nu"), QMessageBox::NoRole);
    box.setDefaultButton(nu);
    box.exec();
    return box.clickedButton() == da;
}
