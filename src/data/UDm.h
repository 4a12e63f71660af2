#pragma once

#include <functional>
#include <memory>

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "comun/Exceptie.h"
#include "data/UCai.h"
#include "data/UConexiuneBaza.h"
#include "data/UCopiiBaza.h"
#include "data/UReferintaCamp.h"

class ICeas;
class ICopiereFisier;

class TDM;
class TInregistrari;

// A failure the database engine reported, with what kind of failure it was.
class EroareBaza : public Exceptie
{
public:
    enum TTip {
        Alta,
        // Another connection changed or created the same thing at the same
        // time (a lock or update conflict, a key already taken).
        Conflict,
        // The server cannot be reached, or the connection to it broke.
        Conexiune,
        // The server refused the user name or the password.
        Autentificare,
    };
    EroareBaza(QString mesaj, TTip tip) : Exceptie(std::move(mesaj)), m_tip(tip) {}
    TTip Tip() const { return m_tip; }

private:
    TTip m_tip;
};

// The program's one transaction on its one connection. Every routine that
// touches the database starts it and ends it (commit or roll back) before
// control returns to the user.
class TTranzactie
{
public:
    explicit TTranzactie(TDM &dm) : m_dm(dm) {}
    TTranzactie(const TTranzactie &) = delete;
    TTranzactie &operator=(const TTranzactie &) = delete;

    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return m_activa; }

private:
    friend class TDM;
    TDM &m_dm;
    bool m_activa = false;
};

// A shared SQL statement object: set its text, bind its named parameters
// (":NUME"), then open it and walk its rows or execute it. Within one
// transaction every text it has run stays prepared and is reused.
class TQuery
{
public:
    TQuery(TDM &dm, QString nume);
    TQuery(const TQuery &) = delete;
    TQuery &operator=(const TQuery &) = delete;

    const QString &Name() const { return m_nume; }

    void SetSQL(const QString &sql);
    const QString &SQL() const { return m_sql; }
    // Text values are stored as the database's code page can hold them
    // (Cp1250::PentruStocare); a null text is written as an empty text.
    void ParamByName(const QString &nume, const QVariant &valoare);
    // Binds a field's three codes to :COD_FORMULAR, :COD_PAGINA and :COD_CAMP.
    void LeagaCodurile(const TReferintaCamp &camp);

    void Open();
    void ExecSQL();
    void Close();
    bool Active() const { return m_activa; }

    bool Eof() const { return m_eof; }
    void Next();
    QVariant FieldByName(const QString &nume) const;
    // The open statement's column of that name (in any case), or -1; and the
    // current row's value by that position, for reading many rows.
    int IndexCamp(const QString &nume) const;
    QVariant Camp(int index) const;
    // The open statement's number of columns.
    int NumarCampuri() const { return m_coloane.count(); }
    QString AsString(const QString &nume) const { return FieldByName(nume).toString(); }
    int AsInteger(const QString &nume) const;
    // Rows changed by the last ExecSQL.
    int RowsAffected() const { return m_randuriAfectate; }

private:
    friend class TDM;
    QSqlQuery &Pregateste();
    void Leaga(QSqlQuery &q) const;
    void UitaPregatirile();
    [[noreturn]] void Esec(const QSqlQuery &q, const QString &ce) const;

    TDM &m_dm;
    QString m_nume;
    QString m_sql;
    QStringList m_parametri;
    QHash<QString, QVariant> m_valori;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_pregatite;
    std::shared_ptr<QSqlQuery> m_curent;
    QSqlRecord m_coloane;
    bool m_activa = false;
    bool m_eof = true;
    int m_randuriAfectate = 0;
};

// What the data module needs to know from the program that creates it.
struct TOptiuniDm
{
    TLocatii locatii;
    const TInregistrari *inregistrari = nullptr;
    // The start routine (temporary folder, code page check, splash).
    std::function<void()> pornire;
    // The clock and the file copy of the database's copies; the system's when null.
    ICeas *ceas = nullptr;
    ICopiereFisier *copiere = nullptr;
    // False: the database is neither created nor opened, nor copied at start
    // (a copy saved or restored from the command line).
    bool deschide = true;
    // A database on a server instead of the file in the data folder.
    TConexiuneBaza conexiune = {};
};

// How many statements of each kind the data module has executed.
struct TContorComenzi
{
    int ddl = 0;
    int inserari = 0;
    int actualizari = 0;
    int stergeri = 0;
};

// The data module: the only connection, transaction and shared statements of
// the program. Creating it brings the database file up (see DataModuleCreate).
class TDM
{
public:
    explicit TDM(TOptiuniDm optiuni);
    ~TDM();
    TDM(const TDM &) = delete;
    TDM &operator=(const TDM &) = delete;

    TTranzactie Tr;
    TQuery Q1, Q2, Q3, Q4, Q5, Q6;

    bool Conectat() const;
    // Whether the database is on a server (else the file in the data folder).
    bool PeServer() const { return m_optiuni.conexiune.PeServer(); }
    const TConexiuneBaza &Conexiune() const { return m_optiuni.conexiune; }
    // Whether the start-up work on the database all succeeded.
    bool Pregatit() const { return m_pregatit; }
    const QString &CaleBazaDeDate() const { return m_caleBaza; }
    const TLocatii &Locatii() const { return m_optiuni.locatii; }
    // The program's registrations it was created with; none in some tests.
    const TInregistrari *Inregistrarile() const { return m_optiuni.inregistrari; }

    // Raises when the database is on a server: its copies are the server's
    // own (its administrator's backups), not the program's.
    void CopiiDoarInDosar() const;
    // Opens and closes a connection of its own to a server's database;
    // raises what opening it at start would say.
    static void IncearcaConexiunea(const TConexiuneBaza &conexiune);

    // The copies of the database file (the automatic ones in "DB/copii").
    TCopiiBaza Copii() const;
    // One more automatic copy, after a spreadsheet import wrote at least one
    // row: the connection is closed for the copy and opened again. A copy
    // that fails is reported and false returned; only failing to open the
    // database again raises.
    bool CopieDupaImport();
    // Saves a copy of the database file as `tinta` (a file the user chose).
    void SalveazaCopie(const QString &tinta);
    // Puts a copy of `fisier` in the place of the database: the copy is
    // checked to open and to have the program's tables before anything else
    // (else it raises and nothing changes), the current database is kept as
    // "<base>-inainte-de-restaurare.FDB", then the database is opened,
    // upgraded and synchronised as at start. Returns its candidates.
    int RestaureazaBaza(const QString &fisier);

    // The schema version stored in CONFID_DB.
    int CitesteVersiune();
    const TContorComenzi &Contor() const { return m_contor; }

    // Field references and values.
    static TReferintaCamp ParseCamp(const QString &referinta);
    static QString SeparaCuvinte(const QString &cod);
    // The candidate's value of a field, honouring the field's sharing and
    // its entity table. Starts (and then rolls back) Tr only when it is not
    // active; uses Q1, Q2 and Q3.
    QString ValoareCamp(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                        int idElev);
    QString ValoareCamp(const TReferintaCamp &camp, int idElev);
    static QString FormateazaValoare(const QString &tipDeDate, const QString &text, qint64 numar);
    // The value a value row shows, from its VALOARE_TEXT and VALOARE_NUM.
    static QString ValoareRand(const QString &tipDeDate, const QVariant &text, const QVariant &numar);
    // The expression with every "{FORMULAR.PAGINA.CAMP}" replaced by its
    // value for the record; Tr must be active.
    QString ParseExp(const QString &expresie, int id);
    // The expression with every "{...}" replaced by the value given for that
    // reference; a reference left open at the end is dropped.
    static QString ExpandeazaReferinte(const QString &expresie,
                                       const std::function<QString(const TReferintaCamp &)> &valoare);

    // Writing the entity table list, the entity tables' own schema, the data
    // types and the form profile into the database; run at every start.
    void SincronizeazaTabele();
    void CreeazaSchemaEntitati();
    void SincronizeazaTipuriDeDate();
    void SincronizeazaProfil();

    // Creates an object of the schema in a transaction of its own when
    // `lipseste` (run in that transaction) says it is missing. When another
    // workstation creates the same object at the same moment, this one's
    // statement fails; the object existing afterwards counts as done, and
    // one still missing (the other changed the same table) is tried again a
    // few times. Returns whether this call created it.
    bool CreeazaDacaLipseste(const std::function<bool()> &lipseste, const std::function<void()> &creeaza);

private:
    friend class TTranzactie;
    friend class TQuery;

    void DataModuleCreate();
    void DeschideConexiunea();
    void InchideConexiunea();
    // Before any work: a server connection that broke, or never opened, is
    // opened again (and the start's work done if it was not); raises the
    // server's message when it cannot.
    void AsiguraConexiunea();
    // Raises the engine's error as an EroareBaza: `inainte`, the engine's
    // words, `dupa`; a server out of reach or refusing the login is named in
    // a message of its own, and a broken connection is remembered, to be
    // opened again before the next work.
    [[noreturn]] void Esec(const QSqlError &eroare, const QString &inainte, const QString &dupa = QString());
    // An empty database on a server gets the template's tables.
    void CreeazaSchemaDinSablon();
    // Runs one synchronisation again when another workstation's start got in its way.
    void CuReincercare(const std::function<void()> &lucru);
    // The schema upgrade and the synchronisations of every start.
    void PregatesteBaza();
    // Runs `lucru` with the engine detached from the file, attached again after.
    void CuBazaInchisa(const std::function<void()> &lucru);
    // A checked copy of `sursa` takes the database's place; the current file
    // is renamed `pastrare`. Raises with the database file untouched.
    int PuneInLoc(const QString &sursa, const QString &pastrare);
    // The database did not open at start: offers the newest copy that opens.
    void RestaureazaLaPornire(const QString &eroare);
    ICeas &Ceas() const;
    ICopiereFisier &Copiere() const;
    void ActualizeazaSchema();
    void InchideInterogarile();
    void UitaPregatirile();
    void NumaraComanda(const QString &sql);
    QString ValoareCamp(const TReferintaCamp &camp, int idElev, int adancime);
    QString ValoareProprie(const TReferintaCamp &camp, int idElev);

    TOptiuniDm m_optiuni;
    QString m_numeConexiune;
    QString m_caleBaza;
    QSqlDatabase Db;
    bool m_pregatit = false;
    // The server connection broke; it is opened again before the next work.
    bool m_legaturaPierduta = false;
    // Why the server connection is not open, for every action that needs it.
    QString m_eroareConexiune;
    TContorComenzi m_contor;
};

// The program's data module, created first at start.
extern TDM *DM;
