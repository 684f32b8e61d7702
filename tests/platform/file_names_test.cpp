// The file names and folders proposed for CSV files and printouts to a file.
#include "platform/csv_export.h"
#include "platform/dialogs.h"
#include "platform/file_names.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {

QString documents() {
    const QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(d).isDir() ? d : QDir::homePath();
}

// The file the print dialog offers for a document; the dialog is then answered with a PDF
// at chosen (or cancelled when chosen is empty).
QString proposedPdf(const QString& documentName, const QString& chosen = {}) {
    QString offered;
    setPrinterHook([&](QPrinter& printer) {
        offered = printer.outputFileName();
        if (chosen.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosen);
        return true;
    });
    Printout printout = startPrintout(Orientation::Portrait, documentName);
    if (printout.writer)
        printout.writer->abort();
    setPrinterHook({});
    return offered;
}

} // namespace

TEST(FileNames, PartsAreJoinedAndWhatAFileNameCannotHoldIsReplaced) {
    struct Case {
        QStringList parts;
        const char* name;
    };
    for (const Case& c :
         {Case{{"売上一覧", "本店", "202612"}, "売上一覧_本店_202612"},
          Case{{"期間一覧", "", "2026年 4月～2026年 12月"}, "期間一覧_2026年 4月～2026年 12月"},
          Case{{"a/b\\c:d*e?f\"g<h>i|j", " 本店 "}, "a_b_c_d_e_f_g_h_i_j_本店"},
          Case{{"", ""}, ""}})
        EXPECT_EQ(fileNameFrom(c.parts), QString::fromUtf8(c.name));
}

TEST(FileNames, CsvDialogProposesTheNameInTheFolderLastUsedForCsv) {
    forgetFolders();
    TempDir dir;
    const auto build = [] { return std::string("a"); };
    {
        TestScript script;
        script.saveFile(toQString(dir.path() / "first.csv")).answer(Answer::Ok);
        EXPECT_EQ(saveCsvFile(build, QStringLiteral("売上一覧_本店_202612")), CsvSaveResult::Saved);
        script.saveFile(std::nullopt);
        EXPECT_EQ(saveCsvFile(build, QStringLiteral("月別集計_本店_2026")),
                  CsvSaveResult::Cancelled);
        ASSERT_EQ(script.saveRequests().size(), 2u);
        EXPECT_EQ(script.saveRequests()[0].folder, documents());
        EXPECT_EQ(script.saveRequests()[0].suggested, "売上一覧_本店_202612.csv");
        EXPECT_EQ(script.saveRequests()[1].folder, toQString(dir.path()));
        EXPECT_EQ(script.saveRequests()[1].suggested, "月別集計_本店_2026.csv");
    }
    // A printout to a file has a folder of its own.
    EXPECT_EQ(proposedPdf(QStringLiteral("売上一覧_本店_202612")),
              QDir(documents()).filePath(QStringLiteral("売上一覧_本店_202612.pdf")));
    forgetFolders();
}

TEST(FileNames, PrintDialogProposesTheNameInTheFolderLastUsedForPdf) {
    forgetFolders();
    TempDir dir;
    const QString chosen = toQString(dir.path() / "mine.pdf");
    EXPECT_EQ(proposedPdf(QStringLiteral("詳細日報_本店_20261211"), chosen),
              QDir(documents()).filePath(QStringLiteral("詳細日報_本店_20261211.pdf")));
    EXPECT_EQ(proposedPdf(QStringLiteral("売上一覧_本店_202612")),
              toQString(dir.path() / "売上一覧_本店_202612.pdf"));
    {
        TestScript script;
        script.saveFile(std::nullopt);
        (void)saveCsvFile([] { return std::string(); }, QStringLiteral("x"));
        EXPECT_EQ(script.saveRequests().at(0).folder, documents());
    }
    forgetFolders();
}
