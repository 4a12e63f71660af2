// Excel 97-2003 workbooks (.xls, BIFF), read with FreeXL.
#include <freexl.h>

#include <QDateTime>
#include <QFile>

#include "import/AfisareCelula.h"
#include "import/RegistruCalcul.h"

namespace {

class TRegistruXls : public IRegistruCalcul
{
public:
    explicit TRegistruXls(const QString &fisier) : IRegistruCalcul(fisier)
    {
        // freexl_open reads the whole file: a damaged one fails here.
        if (freexl_open(QFile::encodeName(fisier).constData(), &m_xls.p) != FREEXL_OK)
            Esec(QStringLiteral("fisierul este deteriorat sau nu este o foaie de calcul Excel (.xls)."));
        unsigned int info = 0;
        if (freexl_get_info(m_xls.p, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
            info == FREEXL_BIFF_OBFUSCATED)
            Esec(QStringLiteral("fisierul este protejat cu parola."));
        unsigned int foi = 0;
        if (freexl_get_info(m_xls.p, FREEXL_BIFF_SHEET_COUNT, &foi) != FREEXL_OK)
            Esec(QStringLiteral("fisierul este deteriorat (nu pot afla foile de calcul)."));
        for (unsigned int i = 0; i < foi && i < 65535; ++i) {
            const char *nume = nullptr;
            if (freexl_get_worksheet_name(m_xls.p, static_cast<unsigned short>(i), &nume) != FREEXL_OK)
                Esec(QStringLiteral("nu pot citi numele foii %1.").arg(i + 1));
            m_foi.append(QString::fromUtf8(nume ? nume : ""));
        }
    }

    QStringList Foi() const override { return m_foi; }

protected:
    TCelule CitesteFoaia(int foaie) override
    {
        if (freexl_select_active_worksheet(m_xls.p, static_cast<unsigned short>(foaie)) != FREEXL_OK)
            Esec(QStringLiteral("nu pot deschide foaia \"%1\".").arg(m_foi.value(foaie)));
        unsigned int randuri = 0;
        unsigned short coloane = 0;
        if (freexl_worksheet_dimensions(m_xls.p, &randuri, &coloane) != FREEXL_OK)
            Esec(QStringLiteral("nu pot afla marimea foii \"%1\".").arg(m_foi.value(foaie)));
        TCelule celule;
        const unsigned int nr = qMin(randuri, unsigned(kRanduriCitite));
        const int nc = qMin(int(coloane), kColoaneCitite);
        for (unsigned int r = 0; r < nr; ++r) {
            for (int c = 0; c < nc; ++c) {
                FreeXL_CellValue v;
                if (freexl_get_cell_value(m_xls.p, r, static_cast<unsigned short>(c), &v) != FREEXL_OK)
                    Esec(QStringLiteral("celula %1%2 nu poate fi citita.").arg(LitereColoana(c)).arg(r + 1));
                const QString text = Text(v);
                if (!text.isEmpty())
                    celule.insert(Cheie(c, int(r) + 1), text);
            }
        }
        return celule;
    }

private:
    static QString Text(const FreeXL_CellValue &v)
    {
        switch (v.type) {
        case FREEXL_CELL_INT:
            return AfisareCelula::Numar(v.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return AfisareCelula::Numar(v.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
            return QString::fromUtf8(v.value.text_value ? v.value.text_value : "");
        case FREEXL_CELL_DATE:
            return AfisareCelula::Data(QDateTime(
                QDate::fromString(QString::fromLatin1(v.value.text_value), QStringLiteral("yyyy-MM-dd")),
                QTime(0, 0)));
        case FREEXL_CELL_DATETIME:
            return AfisareCelula::Data(QDateTime::fromString(QString::fromLatin1(v.value.text_value),
                                                             QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        case FREEXL_CELL_TIME:
            return QString::fromLatin1(v.value.text_value).left(5);
        default:
            return QString();
        }
    }

    // Closed also when opening fails, as FreeXL asks, and when the
    // constructor gives up after it.
    struct TManer
    {
        const void *p = nullptr;
        TManer() = default;
        TManer(const TManer &) = delete;
        TManer &operator=(const TManer &) = delete;
        ~TManer()
        {
            if (p)
                freexl_close(p);
        }
    } m_xls;
    QStringList m_foi;
};

} // namespace

std::unique_ptr<IRegistruCalcul> DeschideXls(const QString &fisier)
{
    return std::make_unique<TRegistruXls>(fisier);
}
