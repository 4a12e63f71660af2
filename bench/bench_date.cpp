// Makes a data folder for the whole-process benchmarks: bench_date FOLDER N
// leaves FOLDER/DB/CertificatAcordare2006.FDB with N candidates linked to one
// institution.
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

#include "DateBench.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    bool ok = false;
    const int n = argumente.value(2).toInt(&ok);
    if (argumente.size() != 3 || !ok || n < 0) {
        std::fprintf(stderr, "usage: bench_date FOLDER N\n");
        return 2;
    }
    const TDateBench date(n, argumente.at(1));
    return date.dm->Pregatit() ? 0 : 1;
}
