#include "bank_codes.h"

#include "storage/paths.h"
#include "storage/routines.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace lukana {

QString bankCodeDatabasePath() {
    return QDir(QString::fromStdString(programDir))
        .filePath(QString::fromLatin1(kBankCodeFileName));
}

BankCodeDatabase::BankCodeDatabase(const QString& path) {
    static int serial = 0;
    connection_ = QStringLiteral("lukana-bankcodes-%1").arg(++serial);
    // Opening a missing file would create it; the file is only ever read.
    if (!QFileInfo(path).isFile())
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    open_ = db.open();
}

BankCodeDatabase::~BankCodeDatabase() {
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

std::vector<BankEntry> BankCodeDatabase::banks() {
    std::vector<BankEntry> list;
    if (!open_)
        return list;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT \"金融機関コード\", \"漢字金融機関名\" FROM \"金融機関コード\"")))
        return list;
    while (query.next())
        list.push_back({query.value(0).toString(), query.value(1).toString()});
    return list;
}

std::vector<BranchEntry> BankCodeDatabase::branches(int bankCode) {
    std::vector<BranchEntry> list;
    if (!open_)
        return list;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    // Matched by number, so a code stored with leading zeros and one without are the same bank.
    if (!query.prepare(
            QStringLiteral("SELECT \"支店コード\", \"漢字支店名\", \"カナ支店名\" FROM "
                           "\"支店コード\" WHERE CAST(\"金融機関コード\" AS INTEGER) = ?")))
        return list;
    query.addBindValue(bankCode);
    if (!query.exec())
        return list;
    while (query.next())
        list.push_back(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return list;
}

std::optional<int> bankCodeFromText(std::string_view text) {
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const double rounded = std::nearbyint(leadingNumber(text));
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace lukana
