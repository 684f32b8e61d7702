#pragma once
// The names and folders proposed when the user saves a file: a name made of what the window
// shows (its title, department and period) in the folder last used for that kind of file.
#include <QString>
#include <QStringList>

namespace lukana::platform {

enum class FileKind { Csv, Pdf };

// The parts joined by "_", empty ones left out, each character a file name cannot hold
// replaced by "_": {"売上一覧", "本店", "202612"} gives "売上一覧_本店_202612".
QString fileNameFrom(const QStringList& parts);

// A month or a day as a file name gives it: "202612", "20261211".
QString fileDate(int year, int month, int day = 0);

// The folder last used for files of that kind in this run; the documents folder (the home
// folder without one) the first time.
QString lastFolder(FileKind kind);
// Remembers the folder of a file just chosen.
void rememberFolder(FileKind kind, const QString& filePath);
// Forgets every remembered folder (a fresh start, for tests).
void forgetFolders();

} // namespace lukana::platform
