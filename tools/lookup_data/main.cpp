// lukana-lookup-data --zengin <zengin-data.js> --zipcodes <master folder> --out <folder>
// Writes bankcodes.sqlite and KenAll.csv into the output folder (the program's folder).
#include "lookup_data.h"
#include "storage/atomic_file.h"
#include "storage/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

using namespace lukana;

namespace {

int failed(const Status& s) {
    std::fprintf(stderr, "lukana-lookup-data: %s\n", s.message().c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString zengin, zipcodes, out;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--zengin")
            zengin = args[i + 1];
        else if (args[i] == "--zipcodes")
            zipcodes = args[i + 1];
        else if (args[i] == "--out")
            out = args[i + 1];
    }
    if (zengin.isEmpty() || zipcodes.isEmpty() || out.isEmpty()) {
        std::fprintf(stderr, "usage: lukana-lookup-data --zengin <zengin-data.js> "
                             "--zipcodes <master folder> --out <folder>\n");
        return 2;
    }

    std::vector<lookupdata::Bank> banks;
    if (Status s = lookupdata::readZenginData(zengin, banks); !s)
        return failed(s);
    size_t branches = 0;
    for (const auto& b : banks)
        branches += b.branches.size();
    if (Status s = lookupdata::writeBankCodes(banks, QDir(out).filePath("bankcodes.sqlite")); !s)
        return failed(s);
    std::printf("bankcodes.sqlite: %zu banks, %zu branches\n", banks.size(), branches);

    std::vector<lookupdata::PostalRow> rows;
    if (Status s = lookupdata::readZipcodeMaster(zipcodes, rows); !s)
        return failed(s);
    if (rows.size() > static_cast<size_t>(kKenAllCapacity))
        return failed(Status::failure("too many postal rows for the register's table: " +
                                      std::to_string(rows.size())));
    int replaced = 0;
    const std::string csv = lookupdata::kenAllCsv(rows, replaced);
    if (Status s = writeFileAtomically(QDir(out).filePath("KenAll.csv").toStdString(), csv); !s)
        return failed(s);
    std::printf("KenAll.csv: %zu rows, %d characters outside code page 932 replaced\n", rows.size(),
                replaced);
    return 0;
}
