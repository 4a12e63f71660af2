#include "comun/Exceptie.h"

Exceptie::Exceptie(QString mesaj) : m_mesaj(std::move(mesaj)), m_utf8(m_mesaj.toUtf8())
{
}
