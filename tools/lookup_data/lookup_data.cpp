#include "lookup_data.h"

#include "storage/cp932.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <filesystem>
#include <system_error>

namespace lukana::lookupdata {
namespace {

Status fail(const QString& what) {
    return Status::failure(what.toStdString());
}

Status readJson(const QString& path, QByteArray bytes, QJsonObject& object) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return fail(path + ": " + error.errorString());
    object = doc.object();
    return {};
}

Status readFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path + ": " + file.errorString());
    bytes = file.readAll();
    return {};
}

// One master file of the zip-code package: {"<key>": {...}}.
Status readMaster(const QString& dir, const char* key, QJsonObject& table) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(key) + ".json");
    QByteArray bytes;
    QJsonObject whole;
    if (Status s = readFile(path, bytes); !s)
        return s;
    if (Status s = readJson(path, bytes, whole); !s)
        return s;
    table = whole.value(QString::fromLatin1(key)).toObject();
    if (table.isEmpty())
        return fail(path + ": no \"" + key + "\" table");
    return {};
}

// A value of the table: no comma, quote or line end, which would split or end it.
QString clean(QString value) {
    value.remove(QLatin1Char(',')).remove(QLatin1Char('"'));
    value.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return value;
}

std::string toCp932Replacing(const QString& value, int& replaced) {
    if (auto whole = toCp932(value.toStdString()))
        return *whole;
    static const std::string geta = *toCp932("〓");
    std::string out;
    for (char32_t c : value.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (auto encoded = toCp932(one.toStdString())) {
            out += *encoded;
        } else {
            out += geta;
            ++replaced;
        }
    }
    return out;
}

} // namespace

Status readZenginData(const QString& path, std::vector<Bank>& banks) {
    QByteArray bytes;
    if (Status s = readFile(path, bytes); !s)
        return s;
    // The file is one object literal in JSON form behind "module.exports =".
    const qsizetype first = bytes.indexOf('{');
    const qsizetype last = bytes.lastIndexOf('}');
    if (first < 0 || last < first)
        return fail(path + ": no object");
    QJsonObject all;
    if (Status s = readJson(path, bytes.mid(first, last - first + 1), all); !s)
        return s;
    banks.clear();
    for (auto b = all.begin(); b != all.end(); ++b) {
        const QJsonObject bank = b.value().toObject();
        Bank entry{bank.value("code").toString(b.key()), bank.value("name").toString(), {}};
        const QJsonObject branches = bank.value("branches").toObject();
        for (auto r = branches.begin(); r != branches.end(); ++r) {
            const QJsonObject branch = r.value().toObject();
            entry.branches.push_back({branch.value("code").toString(r.key()),
                                      branch.value("name").toString(),
                                      branch.value("kana").toString()});
        }
        banks.push_back(std::move(entry));
    }
    if (banks.empty())
        return fail(path + ": no banks");
    return {};
}

Status writeBankCodes(const std::vector<Bank>& banks, const QString& path) {
    const QString building = path + ".building";
    QFile::remove(building);
    const QString connection = QStringLiteral("lukana-lookup-data");
    Status status;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(building);
        if (!db.open()) {
            status = fail(building + ": " + db.lastError().text());
        } else {
            QSqlQuery sql(db);
            auto run = [&](const QString& statement) {
                if (status && !sql.exec(statement))
                    status = fail(statement + ": " + sql.lastError().text());
            };
            run("CREATE TABLE \"金融機関コード\" (\"金融機関コード\" TEXT NOT NULL, "
                "\"漢字金融機関名\" TEXT NOT NULL)");
            run("CREATE TABLE \"支店コード\" (\"金融機関コード\" TEXT NOT NULL, \"支店コード\" "
                "TEXT NOT NULL, \"漢字支店名\" TEXT NOT NULL, \"カナ支店名\" TEXT NOT NULL)");
            if (status && !db.transaction())
                status = fail(db.lastError().text());
            QSqlQuery bank(db), branch(db);
            if (status && (!bank.prepare("INSERT INTO \"金融機関コード\" VALUES (?, ?)") ||
                           !branch.prepare("INSERT INTO \"支店コード\" VALUES (?, ?, ?, ?)")))
                status = fail(bank.lastError().text() + branch.lastError().text());
            for (const Bank& b : banks) {
                if (!status)
                    break;
                bank.bindValue(0, b.code);
                bank.bindValue(1, b.name);
                if (!bank.exec())
                    status = fail(bank.lastError().text());
                for (const Branch& r : b.branches) {
                    branch.bindValue(0, b.code);
                    branch.bindValue(1, r.code);
                    branch.bindValue(2, r.name);
                    branch.bindValue(3, r.kana);
                    if (status && !branch.exec())
                        status = fail(branch.lastError().text());
                }
            }
            if (status && !db.commit())
                status = fail(db.lastError().text());
            // The register asks for the branches of one bank by number.
            run("CREATE INDEX \"支店コード_銀行\" ON \"支店コード\" (CAST(\"金融機関コード\" AS "
                "INTEGER))");
            bank.finish();
            branch.finish();
            sql.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (status) {
        std::error_code ec;
        std::filesystem::rename(building.toStdString(), path.toStdString(), ec);
        if (ec)
            status = fail(path + ": " + QString::fromStdString(ec.message()));
    }
    if (!status)
        QFile::remove(building);
    return status;
}

Status readZipcodeMaster(const QString& masterDir, std::vector<PostalRow>& rows) {
    QJsonObject pref, city, zip5, zip7;
    for (auto [key, table] : {std::pair{"pref", &pref}, std::pair{"city", &city},
                              std::pair{"zip5", &zip5}, std::pair{"zip7", &zip7}})
        if (Status s = readMaster(masterDir, key, *table); !s)
            return s;

    rows.clear();
    for (auto z = zip7.begin(); z != zip7.end(); ++z) {
        const QString code = z.key();
        // A number names the city of the towns after it; a text is a town. The five-digit
        // entry comes first and may name the city or a town for all its codes.
        QString cityCode;
        auto take = [&](const QJsonValue& v) {
            if (v.isDouble()) {
                cityCode = QStringLiteral("%1").arg(v.toInt(), 5, 10, QLatin1Char('0'));
            } else if (v.isString()) {
                const QJsonArray c = city.value(cityCode).toArray();
                const QJsonArray p = pref.value(cityCode.left(2)).toArray();
                rows.push_back({code, clean(p.at(0).toString()), clean(c.at(0).toString()),
                                clean(v.toString())});
            }
        };
        for (const QJsonValue& entry : {zip5.value(code.left(5)), QJsonValue(z.value())}) {
            if (entry.isArray())
                for (const QJsonValue& v : entry.toArray())
                    take(v);
            else
                take(entry);
        }
    }
    if (rows.empty())
        return fail(masterDir + ": no postal codes");
    return {};
}

std::string kenAllCsv(const std::vector<PostalRow>& rows, int& replaced) {
    std::string bytes;
    bytes.reserve(rows.size() * 48);
    for (const PostalRow& r : rows) {
        const QString* values[] = {&r.code, &r.prefecture, &r.city, &r.town};
        for (size_t i = 0; i < 4; ++i) {
            if (i > 0)
                bytes += ',';
            bytes += '"';
            bytes += toCp932Replacing(clean(*values[i]), replaced);
            bytes += '"';
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace lukana::lookupdata
