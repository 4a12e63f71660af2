#include "data/UDm.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <random>
#include <thread>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

#include "data/Cp1250.h"
#include "data/UGardaTranzactie.h"
#include "data/UJurnalTiparire.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "comun/Ceas.h"
#include "comun/CopiereFisier.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

TDM *DM = nullptr;

namespace {

QString TextEroare(const QSqlError &e)
{
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.driverText().trimmed();
    return text;
}

EroareBaza::TTip TipEroare(const QSqlError &e)
{
    const QString text = e.databaseText() + QLatin1Char(' ') + e.driverText();
    const QString cod = e.nativeErrorCode();
    const auto are = [&text](const char *ce) {
        return text.contains(QLatin1String(ce), Qt::CaseInsensitive);
    };
    if (are("user name and password are not defined"))
        return EroareBaza::Autentificare;
    if (are("network request") || are("reading data from the connection") ||
        are("writing data to the connection") || are("connection shutdown") || are("connection lost") ||
        are("connection rejected") || are("Failed to establish a connection"))
        return EroareBaza::Conexiune;
    if (cod == QLatin1String("-913") || cod == QLatin1String("-803") || are("lock conflict") ||
        are("update conflicts with concurrent update") || are("deadlock") || are("duplicate value") ||
        are("violation of PRIMARY or UNIQUE KEY"))
        return EroareBaza::Conflict;
    return EroareBaza::Alta;
}

// What the user reads when the server is out of reach or refuses the login;
// the engine's own words follow. A password never appears in them.
QString MesajServer(EroareBaza::TTip tip, const TConexiuneBaza &c, const QString &motor, bool deschidere)
{
    QString mesaj;
    if (tip == EroareBaza::Autentificare)
        mesaj =
            QStringLiteral("Serverul de baze de date %1 nu a acceptat utilizatorul \"%2\" cu parola data.\r\n"
                           "Verificati utilizatorul si parola in Configurare > Baza de date.")
                .arg(c.NumeServer(), c.Utilizator);
    else if (deschidere)
        mesaj = QStringLiteral("Nu pot ajunge la serverul de baze de date %1.\r\nVerificati ca serverul este "
                               "pornit si ca reteaua functioneaza; programul incearca din nou la fiecare "
                               "operatie.")
                    .arg(c.NumeServer());
    else
        mesaj =
            QStringLiteral("Legatura cu serverul de baze de date %1 s-a intrerupt; ce faceati acum nu a fost "
                           "salvat. Programul se leaga din nou la urmatoarea operatie, cand serverul este "
                           "iar accesibil.")
                .arg(c.NumeServer());
    return mesaj + QStringLiteral("\r\n\r\n") + motor;
}

void LeagaDeServer(QSqlDatabase &db, const TConexiuneBaza &c)
{
    db.setDatabaseName(c.Text());
    db.setUserName(c.Utilizator);
    db.setPassword(c.Parola);
}

// Why a server's database did not open.
EroareBaza EroareDeschidere(const TConexiuneBaza &c, const QSqlError &eroare)
{
    const EroareBaza::TTip tip = TipEroare(eroare);
    if (tip == EroareBaza::Conexiune || tip == EroareBaza::Autentificare)
        return EroareBaza(MesajServer(tip, c, TextEroare(eroare), true), tip);
    return EroareBaza(QStringLiteral("Nu pot deschide baza de date \"%1\" de pe serverul %2.\r\n\r\n%3")
                          .arg(c.Cale, c.NumeServer(), TextEroare(eroare)),
                      EroareBaza::Conexiune);
}

// Statements that change the schema; prepared statements must not outlive them.
bool EsteDDL(const QString &sql)
{
    static const QRegularExpression ddl(
        QStringLiteral("^\\s*(CREATE|ALTER|DROP|RECREATE|SET\\s+GENERATOR|DECLARE|COMMENT|GRANT|REVOKE)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return ddl.match(sql).hasMatch();
}

// Names of the ":NUME" parameters, outside quoted texts and names.
QStringList NumeParametri(const QString &sql)
{
    QStringList nume;
    QChar ghilimea;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!ghilimea.isNull()) {
            if (c == ghilimea)
                ghilimea = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            ghilimea = c;
            continue;
        }
        if (c != QLatin1Char(':'))
            continue;
        qsizetype j = i + 1;
        while (j < sql.size() && (sql.at(j).isLetterOrNumber() || sql.at(j) == QLatin1Char('_')))
            ++j;
        if (j > i + 1) {
            const QString n = sql.mid(i + 1, j - i - 1);
            if (!nume.contains(n, Qt::CaseInsensitive))
                nume.append(n);
        }
        i = j - 1;
    }
    return nume;
}

} // namespace

// ---------------------------------------------------------------------------

void TTranzactie::StartTransaction()
{
    if (m_activa)
        throw Exceptie(QStringLiteral("Tranzactia este deja activa."));
    m_dm.AsiguraConexiunea();
    m_dm.InchideInterogarile();
    m_dm.UitaPregatirile();
    if (!m_dm.Db.transaction())
        m_dm.Esec(m_dm.Db.lastError(), QStringLiteral("Nu pot incepe tranzactia:\r\n"));
    m_activa = true;
}

void TTranzactie::Commit()
{
    if (!m_activa)
        throw Exceptie(QStringLiteral("Tranzactia nu este activa."));
    m_dm.InchideInterogarile();
    m_dm.UitaPregatirile();
    if (!m_dm.Db.commit())
        m_dm.Esec(m_dm.Db.lastError(), QStringLiteral("Nu pot salva modificarile in baza de date:\r\n"));
    m_activa = false;
}

void TTranzactie::Rollback()
{
    if (!m_activa)
        throw Exceptie(QStringLiteral("Tranzactia nu este activa."));
    m_dm.InchideInterogarile();
    m_dm.UitaPregatirile();
    m_activa = false;
    if (!m_dm.Db.rollback())
        m_dm.Esec(m_dm.Db.lastError(), QStringLiteral("Nu pot anula tranzactia:\r\n"));
}

// ---------------------------------------------------------------------------

TQuery::TQuery(TDM &dm, QString nume) : m_dm(dm), m_nume(std::move(nume))
{}

void TQuery::SetSQL(const QString &sql)
{
    Close();
    m_sql = sql;
    m_parametri = NumeParametri(sql);
    m_valori.clear();
}

void TQuery::ParamByName(const QString &nume, const QVariant &valoare)
{
    const QString cheie = nume.toUpper();
    if (!m_parametri.contains(nume, Qt::CaseInsensitive))
        throw Exceptie(QStringLiteral("%1: parametrul \"%2\" nu exista.").arg(m_nume, nume));
    if (valoare.typeId() == QMetaType::QString)
        m_valori.insert(cheie, Cp1250::PentruStocare(valoare.toString()));
    else
        m_valori.insert(cheie, valoare);
}

void TQuery::LeagaCodurile(const TReferintaCamp &camp)
{
    ParamByName(QStringLiteral("COD_FORMULAR"), camp.CodFormular);
    ParamByName(QStringLiteral("COD_PAGINA"), camp.CodPagina);
    ParamByName(QStringLiteral("COD_CAMP"), camp.CodCamp);
}

QSqlQuery &TQuery::Pregateste()
{
    if (!m_dm.Tr.InTransaction())
        m_dm.AsiguraConexiunea();
    // Qt's Firebird statements keep the transaction they were first run in,
    // so a prepared statement is reused only inside the same transaction.
    const bool refolosit = m_dm.Tr.InTransaction();
    std::shared_ptr<QSqlQuery> q = refolosit ? m_pregatite.value(m_sql) : nullptr;
    if (!q) {
        q = std::make_shared<QSqlQuery>(m_dm.Db);
        q->setForwardOnly(true);
        if (!q->prepare(m_sql))
            Esec(*q, QStringLiteral("pregatirea"));
        if (refolosit)
            m_pregatite.insert(m_sql, q);
    }
    m_curent = q;
    return *q;
}

void TQuery::Leaga(QSqlQuery &q) const
{
    // Bound by the name as the statement spells it: Qt matches it exactly.
    for (const QString &nume : m_parametri)
        q.bindValue(QLatin1Char(':') + nume, m_valori.value(nume.toUpper()));
}

void TQuery::Open()
{
    Close();
    QSqlQuery &q = Pregateste();
    Leaga(q);
    if (!q.exec())
        Esec(q, QStringLiteral("deschiderea"));
    m_coloane = q.record();
    m_activa = true;
    m_eof = !q.next();
    if (m_eof && q.lastError().isValid())
        Esec(q, QStringLiteral("citirea"));
}

void TQuery::ExecSQL()
{
    Close();
    m_randuriAfectate = 0;
    m_dm.NumaraComanda(m_sql);
    if (EsteDDL(m_sql)) {
        // Schema changes fail while statements on the same objects are prepared.
        m_dm.InchideInterogarile();
        m_dm.UitaPregatirile();
        QSqlQuery q(m_dm.Db);
        QString ddl = m_sql.trimmed();
        while (ddl.endsWith(QLatin1Char(';')))
            ddl.chop(1);
        if (!q.exec(ddl))
            Esec(q, QStringLiteral("executia"));
        return;
    }
    QSqlQuery &q = Pregateste();
    Leaga(q);
    if (!q.exec())
        Esec(q, QStringLiteral("executia"));
    m_randuriAfectate = q.numRowsAffected();
    q.finish();
}

void TQuery::Close()
{
    if (m_curent)
        m_curent->finish();
    m_curent.reset();
    m_activa = false;
    m_eof = true;
}

void TQuery::Next()
{
    if (!m_activa || !m_curent)
        throw Exceptie(QStringLiteral("%1: interogarea nu este deschisa.").arg(m_nume));
    if (m_eof)
        return;
    m_eof = !m_curent->next();
    if (m_eof && m_curent->lastError().isValid())
        Esec(*m_curent, QStringLiteral("citirea"));
}

QVariant TQuery::FieldByName(const QString &nume) const
{
    if (!m_activa || !m_curent)
        throw Exceptie(QStringLiteral("%1: interogarea nu este deschisa.").arg(m_nume));
    const int index = m_coloane.indexOf(nume);
    if (index < 0)
        throw Exceptie(QStringLiteral("%1: campul \"%2\" nu exista.").arg(m_nume, nume));
    if (m_eof)
        return QVariant();
    return m_curent->value(index);
}

int TQuery::IndexCamp(const QString &nume) const
{
    if (!m_activa || !m_curent)
        throw Exceptie(QStringLiteral("%1: interogarea nu este deschisa.").arg(m_nume));
    return m_coloane.indexOf(nume);
}

QVariant TQuery::Camp(int index) const
{
    if (!m_activa || !m_curent)
        throw Exceptie(QStringLiteral("%1: interogarea nu este deschisa.").arg(m_nume));
    if (m_eof || index < 0 || index >= m_coloane.count())
        return QVariant();
    return m_curent->value(index);
}

int TQuery::AsInteger(const QString &nume) const
{
    const QVariant v = FieldByName(nume);
    if (v.isNull())
        return 0;
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok)
        throw Exceptie(QStringLiteral("\"%1\" nu este un numar intreg.").arg(v.toString()));
    return n;
}

void TQuery::UitaPregatirile()
{
    Close();
    m_pregatite.clear();
}

void TQuery::Esec(const QSqlQuery &q, const QString &ce) const
{
    m_dm.Esec(q.lastError(), QStringLiteral("Eroare la %1 comenzii SQL (%2):\r\n").arg(ce, m_nume),
              QStringLiteral("\r\n\r\n") + m_sql.trimmed());
}

// ---------------------------------------------------------------------------

TDM::TDM(TOptiuniDm optiuni)
    : Tr(*this), Q1(*this, QStringLiteral("Q1")), Q2(*this, QStringLiteral("Q2")),
      Q3(*this, QStringLiteral("Q3")), Q4(*this, QStringLiteral("Q4")), Q5(*this, QStringLiteral("Q5")),
      Q6(*this, QStringLiteral("Q6")), m_optiuni(std::move(optiuni))
{
    static std::atomic<int> numar{0};
    m_numeConexiune = QStringLiteral("DM%1").arg(++numar);
    try {
        DataModuleCreate();
    } catch (const Exceptie &e) {
        // The rest of the start goes on; what needs the database reports its own errors.
        if (Tr.InTransaction())
            try {
                Tr.Rollback();
            } catch (const Exceptie &) {
            }
        Mesaje().Eroare(e.Mesaj());
    } catch (const Anulare &) {
        // The user was asked and said no; the question said why.
    }
}

TDM::~TDM()
{
    InchideConexiunea();
    if (DM == this)
        DM = nullptr;
}

bool TDM::Conectat() const
{
    return Db.isValid() && Db.isOpen();
}

void TDM::InchideInterogarile()
{
    for (TQuery *q : {&Q1, &Q2, &Q3, &Q4, &Q5, &Q6})
        q->Close();
}

void TDM::UitaPregatirile()
{
    for (TQuery *q : {&Q1, &Q2, &Q3, &Q4, &Q5, &Q6})
        q->UitaPregatirile();
}

void TDM::DataModuleCreate()
{
    // 1. Start routine: temporary folder, code page check, splash.
    if (m_optiuni.pornire)
        m_optiuni.pornire();

    // 2-3. The registered profile names the database.
    const TClasaListaProfilDiploma *profil =
        m_optiuni.inregistrari ? m_optiuni.inregistrari->Profil() : nullptr;
    if (!profil)
        throw Exceptie(QStringLiteral("NU ai definit profilul diplomei"));
    const QString numeBaza = profil->NumeBazaDeDate();

    if (PeServer()) {
        // The server keeps the file and its copies; the data folder holds none.
        m_caleBaza = m_optiuni.conexiune.Text();
        if (!m_optiuni.deschide)
            return;
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
            throw Exceptie(QStringLiteral("Lipseste componenta de acces la baza de date Firebird (QIBASE)."));
        DeschideConexiunea();
        CreeazaSchemaDinSablon();
        PregatesteBaza();
        return;
    }

    // 4. The folder "DB" among the program's data.
    m_caleBaza = m_optiuni.locatii.CaleDate(TLocatii::BazaDeDate(numeBaza));
    const QString dosar = QFileInfo(m_caleBaza).absolutePath();
    if (!QDir().mkpath(dosar))
        throw Exceptie(QStringLiteral("Nu pot crea dosarul bazei de date:\r\n") +
                       QDir::toNativeSeparators(dosar));
    if (!m_optiuni.deschide)
        return;

    // 5. A missing database is made from the empty template.
    const bool existenta = QFileInfo::exists(m_caleBaza);
    if (!existenta) {
        const QString sablon = m_optiuni.locatii.CaleProgram(QStringLiteral("BLANK.FDB"));
        if (!QFileInfo::exists(sablon)) {
            Mesaje().Avertizare(
                QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru "
                               "initializare.\r\nDB Curent:") +
                QDir::toNativeSeparators(m_caleBaza) + QStringLiteral("\r\nDB Blank:") +
                QDir::toNativeSeparators(sablon));
            throw IesireProgram(1);
        }
        // A failed copy shows itself when the file is opened.
        if (QFile::copy(sablon, m_caleBaza))
            QFile::setPermissions(m_caleBaza,
                                  QFile::permissions(m_caleBaza) | QFile::ReadOwner | QFile::WriteOwner);
    }

    // Without the engine the file is not damaged, only out of reach: nothing to restore.
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw Exceptie(QStringLiteral("Lipseste componenta de acces la baza de date Firebird (QIBASE)."));

    // The automatic copy, while no connection holds the file and before any upgrade.
    TCopiiBaza copii = Copii();
    QString copieNoua;
    if (existenta) {
        try {
            copieNoua = copii.CopieAutomata();
        } catch (const Exceptie &e) {
            Mesaje().Avertizare(e.Mesaj() +
                                QStringLiteral("\r\n\r\nProgramul porneste fara o copie noua; "
                                               "copiile mai vechi au ramas in\r\n") +
                                QDir::toNativeSeparators(copii.Dosar()));
        }
    }

    // 6. Open the connection.
    try {
        DeschideConexiunea();
        CitesteVersiune();
    } catch (const Exceptie &e) {
        InchideConexiunea();
        if (!existenta)
            throw;
        // A copy of its bytes that opens shows the file is sound, only held by
        // another process: nothing to restore, and the file must stay in place.
        const bool intreg = !copieNoua.isEmpty() && TCopiiBaza::VerificaBaza(copieNoua).valida;
        // That copy holds the same bytes as the file, which stays where it is.
        if (!copieNoua.isEmpty())
            QFile::remove(copieNoua);
        if (intreg)
            throw Exceptie(e.Mesaj() + QStringLiteral("\r\n\r\nFisierul bazei de date nu este deteriorat: il "
                                                      "foloseste probabil chiar acum alt program (de exemplu "
                                                      "o alta pornire a acestui program)."));
        RestaureazaLaPornire(e.Mesaj());
        copieNoua.clear();
    }
    // Old copies go only once there is a new one of a database that opens.
    if (!copieNoua.isEmpty())
        copii.Curata();

    // 7-12. Tr and Q1..Q6 are members, reachable through DM from here on.
    PregatesteBaza();
}

void TDM::DeschideConexiunea()
{
    PregatesteDosarBlocariFirebird();
    Db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_numeConexiune);
    if (!Db.isValid())
        throw Exceptie(QStringLiteral("Lipseste componenta de acces la baza de date Firebird (QIBASE)."));
    const TConexiuneBaza &c = m_optiuni.conexiune;
    if (c.PeServer()) {
        LeagaDeServer(Db, c);
        if (Db.open()) {
            m_legaturaPierduta = false;
            m_eroareConexiune.clear();
            return;
        }
        const EroareBaza eroare = EroareDeschidere(c, Db.lastError());
        m_eroareConexiune = eroare.Mesaj();
        InchideConexiunea();
        throw eroare;
    }
    Db.setDatabaseName(m_caleBaza);
    Db.setUserName(QStringLiteral("sysdba"));
    Db.setPassword(QStringLiteral("plivremox"));
    if (!Db.open())
        throw Exceptie(QStringLiteral("Nu pot deschide baza de date\r\n%1\r\n\r\n%2")
                           .arg(QDir::toNativeSeparators(m_caleBaza), TextEroare(Db.lastError())));
}

void TDM::IncearcaConexiunea(const TConexiuneBaza &conexiune)
{
    static std::atomic<int> numar{0};
    const QString nume = QStringLiteral("incercare%1").arg(++numar);
    std::optional<EroareBaza> eroare;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), nume);
        if (!db.isValid())
            throw Exceptie(QStringLiteral("Lipseste componenta de acces la baza de date Firebird (QIBASE)."));
        LeagaDeServer(db, conexiune);
        if (db.open())
            db.close();
        else
            eroare = EroareDeschidere(conexiune, db.lastError());
    }
    QSqlDatabase::removeDatabase(nume);
    if (eroare)
        throw *eroare;
}

void TDM::AsiguraConexiunea()
{
    if (!PeServer()) {
        if (!Conectat())
            throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
        return;
    }
    if (Conectat() && !m_legaturaPierduta)
        return;
    // A start that stopped before it knew where the database is has nothing to open.
    if (m_caleBaza.isEmpty())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    if (Tr.InTransaction())
        throw EroareBaza(m_eroareConexiune, EroareBaza::Conexiune);
    InchideConexiunea();
    DeschideConexiunea();
    if (!m_pregatit) {
        CreeazaSchemaDinSablon();
        PregatesteBaza();
    }
}

void TDM::Esec(const QSqlError &eroare, const QString &inainte, const QString &dupa)
{
    const EroareBaza::TTip tip = TipEroare(eroare);
    if (PeServer() && (tip == EroareBaza::Conexiune || tip == EroareBaza::Autentificare)) {
        m_legaturaPierduta = true;
        m_eroareConexiune = MesajServer(tip, m_optiuni.conexiune, TextEroare(eroare), false);
        throw EroareBaza(m_eroareConexiune, tip);
    }
    throw EroareBaza(inainte + TextEroare(eroare) + dupa, tip);
}

void TDM::InchideConexiunea()
{
    InchideInterogarile();
    UitaPregatirile();
    if (Db.isValid()) {
        if (Tr.InTransaction())
            Db.rollback();
        Db.close();
    }
    Tr.m_activa = false;
    Db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_numeConexiune);
}

void TDM::PregatesteBaza()
{
    m_pregatit = false;
    // 8. Schema upgrade.
    ActualizeazaSchema();
    // 9-12. The profile's tables, the entity tables, the data types and the
    // profile; workstations starting at the same moment may meet in them.
    CuReincercare([this] { SincronizeazaTabele(); });
    CreeazaSchemaEntitati();
    CuReincercare([this] { SincronizeazaTipuriDeDate(); });
    CuReincercare([this] { SincronizeazaProfil(); });
    // The print log, beside the schema's versions.
    JurnalTiparire::CreeazaSchema(*this);
    m_pregatit = true;
}

ICeas &TDM::Ceas() const
{
    return m_optiuni.ceas ? *m_optiuni.ceas : CeasSistem();
}

ICopiereFisier &TDM::Copiere() const
{
    return m_optiuni.copiere ? *m_optiuni.copiere : CopiereSistem();
}

bool TDM::CreeazaDacaLipseste(const std::function<bool()> &lipseste, const std::function<void()> &creeaza)
{
    std::minstd_rand aleator(std::random_device{}());
    for (int incercare = 1;; ++incercare) {
        try {
            TGardaTranzactie garda(*this);
            if (!lipseste()) {
                garda.Commit();
                return false;
            }
            creeaza();
            garda.Commit();
            return true;
        } catch (const EroareBaza &e) {
            if (e.Tip() == EroareBaza::Conexiune || e.Tip() == EroareBaza::Autentificare)
                throw;
            // The other workstation's statement has ended by now (the engine
            // waits for it): what it created is seen from a new transaction.
            TGardaTranzactie garda(*this);
            const bool inca = lipseste();
            garda.Commit();
            if (!inca)
                return false;
            // Its change of the same table made this one fail: once more,
            // unless the statement itself is at fault.
            if (incercare == 8)
                throw;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + aleator() % 200));
    }
}

void TDM::CuReincercare(const std::function<void()> &lucru)
{
    std::minstd_rand aleator(std::random_device{}());
    for (int incercare = 1;; ++incercare) {
        try {
            lucru();
            return;
        } catch (const EroareBaza &e) {
            if (e.Tip() != EroareBaza::Conflict || incercare == 8)
                throw;
        }
        // The other start's transaction has committed; a new one sees its rows.
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + aleator() % 200));
    }
}

void TDM::CreeazaSchemaDinSablon()
{
    // Q_INIT_RESOURCE must not sit in a namespace.
    Q_INIT_RESOURCE(sablon);
    const auto citeste = [this](const QString &sql) {
        Q2.SetSQL(sql);
        Q2.Open();
        const QVariant v = Q2.Eof() ? QVariant() : Q2.Camp(0);
        Q2.Close();
        return v;
    };
    const auto areRand = [&] {
        TGardaTranzactie garda(*this);
        const bool tabel =
            citeste(QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = "
                                   "'CONFID_DB'"))
                .toInt() > 0;
        const bool rand = tabel && citeste(QStringLiteral("select count(*) from CONFID_DB")).toInt() > 0;
        garda.Commit();
        return rand;
    };
    if (areRand())
        return;
    // The template's texts are in the Romanian code page: a database its
    // administrator created with another default gets it before any table.
    CreeazaDacaLipseste(
        [&] {
            return citeste(QStringLiteral("select RDB$CHARACTER_SET_NAME from RDB$DATABASE"))
                       .toString()
                       .trimmed() != QLatin1String("WIN1250");
        },
        [&] {
            Q2.SetSQL(QStringLiteral("ALTER DATABASE SET DEFAULT CHARACTER SET WIN1250"));
            Q2.ExecSQL();
        });

    QFile fisier(QStringLiteral(":/baza/BLANK.sql"));
    if (!fisier.open(QIODevice::ReadOnly))
        throw Exceptie(QStringLiteral("Lipseste descrierea bazei de date goale din program."));
    QString text = QString::fromUtf8(fisier.readAll());
    static const QRegularExpression comentariu(QStringLiteral("/\\*.*?\\*/"),
                                               QRegularExpression::DotMatchesEverythingOption);
    text.remove(comentariu);

    // Every statement names the object it creates; a lost race on it counts as done.
    static const QRegularExpression obiect(
        QStringLiteral("^(?:CREATE\\s+(TABLE|INDEX|GENERATOR|SEQUENCE)\\s+(\"[^\"]+\"|\\w+)|ALTER\\s+"
                       "TABLE\\s+\\S+\\s+ADD\\s+"
                       "(CONSTRAINT)\\s+(\\w+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression spatii(QStringLiteral("\\s+"));
    QStringList randuri;
    bool amCreatVersiunea = false;
    bool amCreat = false;
    for (QString comanda : text.split(QLatin1Char(';'))) {
        comanda = comanda.simplified();
        const QString inceput = comanda.section(spatii, 0, 1).toUpper();
        // The script's own settings, the file's creation and its commit are isql's.
        if (comanda.isEmpty() || inceput == QLatin1String("SET SQL") ||
            inceput == QLatin1String("SET NAMES") || inceput == QLatin1String("CREATE DATABASE") ||
            inceput == QLatin1String("COMMIT"))
            continue;
        // A new generator starts at 0; setting it again could undo another workstation's numbers.
        if (inceput == QLatin1String("SET GENERATOR"))
            continue;
        if (inceput.startsWith(QLatin1String("INSERT "))) {
            randuri.append(comanda);
            continue;
        }
        const QRegularExpressionMatch m = obiect.match(comanda);
        if (!m.hasMatch())
            throw Exceptie(QStringLiteral("Comanda necunoscuta in descrierea bazei de date goale:\r\n") +
                           comanda);
        const QString fel = (m.captured(1).isEmpty() ? m.captured(3) : m.captured(1)).toUpper();
        QString nume = m.captured(1).isEmpty() ? m.captured(4) : m.captured(2);
        if (nume.startsWith(QLatin1Char('"')))
            nume = nume.mid(1, nume.size() - 2);
        else
            nume = nume.toUpper();
        QString sistem;
        if (fel == QLatin1String("TABLE"))
            sistem = QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = '%1'");
        else if (fel == QLatin1String("INDEX"))
            sistem = QStringLiteral("select count(*) from RDB$INDICES where RDB$INDEX_NAME = '%1'");
        else if (fel == QLatin1String("CONSTRAINT"))
            sistem = QStringLiteral(
                "select count(*) from RDB$RELATION_CONSTRAINTS where RDB$CONSTRAINT_NAME = '%1'");
        else
            sistem = QStringLiteral("select count(*) from RDB$GENERATORS where RDB$GENERATOR_NAME = '%1'");
        const bool creat = CreeazaDacaLipseste([&] { return citeste(sistem.arg(nume)).toInt() == 0; },
                                               [&] {
                                                   Q2.SetSQL(comanda);
                                                   Q2.ExecSQL();
                                               });
        if (nume == QLatin1String("CONFID_DB"))
            amCreatVersiunea = creat;
        amCreat = amCreat || creat;
    }

    // The version row marks the schema complete: the workstation that created
    // its table writes it once everything else is there; another waits for it.
    // One that found the creation half done and finished it writes the row
    // itself when the other does not (it stopped half-way). One that found
    // every object there and no row for long is looking at a damaged
    // database: reading the version says so.
    if (!amCreatVersiunea) {
        for (int i = 0; i < (amCreat ? 150 : 50); ++i) {
            if (areRand())
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        if (!amCreat)
            return;
    }
    TGardaTranzactie garda(*this);
    for (const QString &comanda : std::as_const(randuri)) {
        Q2.SetSQL(comanda);
        Q2.ExecSQL();
    }
    garda.Commit();
}

TCopiiBaza TDM::Copii() const
{
    return TCopiiBaza(m_caleBaza, Ceas(), Copiere());
}

void TDM::CuBazaInchisa(const std::function<void()> &lucru)
{
    // A start that stopped before it knew the file has nothing to copy.
    if (m_caleBaza.isEmpty())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    if (Tr.InTransaction())
        throw Exceptie(QStringLiteral("Baza de date nu se poate copia in timpul unei tranzactii."));
    const bool conectat = Conectat();
    if (conectat)
        InchideConexiunea();
    try {
        lucru();
    } catch (...) {
        if (conectat)
            DeschideConexiunea();
        throw;
    }
    if (conectat)
        DeschideConexiunea();
}

bool TDM::CopieDupaImport()
{
    // A database on a server is copied by the server's own backups.
    if (PeServer())
        return true;
    bool reusit = true;
    CuBazaInchisa([&] {
        try {
            TCopiiBaza copii = Copii();
            copii.CopieAutomata();
            copii.Curata();
        } catch (const Exceptie &e) {
            Mesaje().Avertizare(e.Mesaj());
            reusit = false;
        }
    });
    return reusit;
}

void TDM::CopiiDoarInDosar() const
{
    if (PeServer())
        throw Exceptie(QStringLiteral("Baza de date este pe serverul %1: copiile ei se fac pe server, de "
                                      "administratorul lui (de exemplu cu gbak).")
                           .arg(m_optiuni.conexiune.NumeServer()));
}

void TDM::SalveazaCopie(const QString &tinta)
{
    CopiiDoarInDosar();
    if (!QFileInfo(m_caleBaza).isFile())
        throw Exceptie(QStringLiteral("Nu exista baza de date\r\n") + QDir::toNativeSeparators(m_caleBaza));
    if (QFileInfo(tinta).absoluteFilePath() == QFileInfo(m_caleBaza).absoluteFilePath())
        throw Exceptie(QStringLiteral("Copia nu poate lua locul bazei de date curente."));
    CuBazaInchisa([&] { Copii().CopiazaSigur(m_caleBaza, tinta); });
}

int TDM::PuneInLoc(const QString &sursa, const QString &pastrare)
{
    // Checked as a copy beside the database: the file chosen stays as it was,
    // and what is checked is exactly what takes the database's place.
    const QString temporar = TCopiiBaza::NumeLiber(m_caleBaza + QStringLiteral(".restaurare.tmp"));
    const QString eroare = Copiere().Copiaza(sursa, temporar);
    if (!eroare.isEmpty()) {
        QFile::remove(temporar);
        throw Exceptie(QStringLiteral("Nu am putut copia fisierul\r\n%1\r\n\r\n%2")
                           .arg(QDir::toNativeSeparators(sursa), eroare));
    }
    const TInfoBaza info = TCopiiBaza::VerificaBaza(temporar);
    if (!info.valida) {
        QFile::remove(temporar);
        throw Exceptie(
            QStringLiteral("Fisierul\r\n%1\r\nnu este o baza de date a acestui program; baza de date "
                           "curenta a ramas neschimbata.\r\n\r\n%2")
                .arg(QDir::toNativeSeparators(sursa), info.eroare));
    }
    const bool existenta = QFileInfo::exists(m_caleBaza);
    if (existenta && !QFile::rename(m_caleBaza, pastrare)) {
        QFile::remove(temporar);
        throw Exceptie(QStringLiteral("Nu pot pastra baza de date curenta ca\r\n%1")
                           .arg(QDir::toNativeSeparators(pastrare)));
    }
    if (!QFile::rename(temporar, m_caleBaza)) {
        QFile::remove(temporar);
        QString mesaj = QStringLiteral("Nu pot pune copia in locul bazei de date\r\n%1")
                            .arg(QDir::toNativeSeparators(m_caleBaza));
        // The user must know where the database is if it cannot go back either.
        if (existenta && !QFile::rename(pastrare, m_caleBaza))
            mesaj += QStringLiteral("\r\n\r\nBaza de date curenta se afla acum in\r\n") +
                     QDir::toNativeSeparators(pastrare);
        throw Exceptie(mesaj);
    }
    return info.candidati;
}

int TDM::RestaureazaBaza(const QString &fisier)
{
    CopiiDoarInDosar();
    if (m_caleBaza.isEmpty())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    if (!QFileInfo(fisier).isFile())
        throw Exceptie(QStringLiteral("Fisierul nu exista:\r\n") + QDir::toNativeSeparators(fisier));
    if (QFileInfo(fisier).absoluteFilePath() == QFileInfo(m_caleBaza).absoluteFilePath())
        throw Exceptie(QStringLiteral("Fisierul ales este chiar baza de date curenta."));
    if (Tr.InTransaction())
        throw Exceptie(QStringLiteral("Baza de date nu se poate restaura in timpul unei tranzactii."));
    const bool conectat = Conectat();
    InchideConexiunea();
    int candidati = 0;
    try {
        candidati = PuneInLoc(fisier, Copii().NumeAlaturi(QStringLiteral("inainte-de-restaurare")));
    } catch (const Exceptie &) {
        if (conectat)
            DeschideConexiunea();
        throw;
    }
    DeschideConexiunea();
    PregatesteBaza();
    return candidati;
}

void TDM::RestaureazaLaPornire(const QString &eroare)
{
    TCopiiBaza copii = Copii();
    for (const TCopieBaza &copie : copii.Lista()) {
        const TInfoBaza info = TCopiiBaza::VerificaBaza(copie.cale);
        if (!info.valida)
            continue;
        const QString intrebare =
            QStringLiteral("Baza de date nu poate fi deschisa. Restaurez copia din %1 (%2 candidati)?")
                .arg(copie.data.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")))
                .arg(info.candidati);
        if (!Mesaje().Intrebare(intrebare + QStringLiteral("\r\n\r\n") + eroare))
            throw Anulare();
        // The damaged file is kept under a name of its own, never overwritten.
        PuneInLoc(copie.cale,
                  copii.NumeAlaturi(QStringLiteral("deteriorat-") + TCopiiBaza::Marca(Ceas().Acum())));
        DeschideConexiunea();
        return;
    }
    throw Exceptie(
        eroare + QStringLiteral("\r\n\r\nNu exista nicio copie a bazei de date care sa se deschida, in\r\n") +
        QDir::toNativeSeparators(copii.Dosar()));
}

int TDM::CitesteVersiune()
{
    const TGardaTranzactie garda(*this);
    Q1.SetSQL(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
    Q1.Open();
    if (Q1.Eof())
        throw Exceptie(QStringLiteral("Tabela CONFID_DB nu contine versiunea bazei de date."));
    const int versiune = Q1.AsInteger(QStringLiteral("VERSIUNE"));
    Q1.Close();
    return versiune;
}

void TDM::ActualizeazaSchema()
{
    const int versiune = CitesteVersiune();
    const auto pas = [this](int tinta, const QString &ddl, const QString &actualizare) {
        try {
            // The step and its version commit together.
            TGardaTranzactie garda(*this);
            Q1.SetSQL(ddl);
            Q1.ExecSQL();
            Q1.SetSQL(actualizare);
            Q1.ExecSQL();
            garda.Commit();
        } catch (const EroareBaza &e) {
            // Another workstation starting at the same moment took the step first.
            if (e.Tip() == EroareBaza::Conexiune || e.Tip() == EroareBaza::Autentificare ||
                CitesteVersiune() < tinta)
                throw;
        }
    };
    if (versiune < 2)
        pas(2,
            QStringLiteral(
                "ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)"),
            QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=2"));
    if (versiune < 3)
        pas(3, QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER"),
            QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=3"));
}

void TDM::NumaraComanda(const QString &sql)
{
    static const QRegularExpression spatii(QStringLiteral("\\s+"));
    const QString inceput = sql.trimmed().section(spatii, 0, 0).toUpper();
    if (inceput == QLatin1String("INSERT"))
        ++m_contor.inserari;
    else if (inceput == QLatin1String("UPDATE"))
        ++m_contor.actualizari;
    else if (inceput == QLatin1String("DELETE"))
        ++m_contor.stergeri;
    else if (EsteDDL(sql))
        ++m_contor.ddl;
}
