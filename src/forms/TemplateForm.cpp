#include "forms/TemplateForm.h"

#include <QGuiApplication>
#include <QScreen>

TTemplate::TTemplate(QWidget *parent) : QDialog(parent)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    if (const QScreen *ecran = QGuiApplication::primaryScreen()) {
        const QRect zona = ecran->availableGeometry();
        move(zona.left() + (zona.width() - width()) / 2, zona.top() + (zona.height() - height()) / 2);
    }
}

void TListaHandlerFormularDePrintat::Add(std::unique_ptr<THandlerFormularDePrintat> handler)
{
    m_handlere.push_back(std::move(handler));
}

TListaHandlerFormularDePrintat &ListaHandlere()
{
    static TListaHandlerFormularDePrintat lista;
    return lista;
}
