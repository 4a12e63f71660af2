#pragma once

#include <QByteArray>
#include <QString>

// The Central European code page (Windows-1250) in which the database and the
// program's files keep their texts. Inside the program every text is a QString.
namespace Cp1250 {

// Whether the character has a place in the code page.
bool Reprezentabil(char32_t c);

// Romanian comma-below letters (ș ț Ș Ț) become the cedilla letters of the
// code page (ş ţ Ş Ţ); everything else is left as it is.
QString CuSedila(const QString &text);

// Bytes of the code page; a character without a place becomes '?'.
QByteArray Codifica(const QString &text);
QString Decodifica(const QByteArray &octeti);

// The text as it can be stored: comma-below letters as cedilla letters, and a
// letter with an accent the code page lacks as its bare letter. Any character
// still without a place makes it fail with a message that names it; nothing
// is dropped silently.
QString PentruStocare(const QString &text);

} // namespace Cp1250
