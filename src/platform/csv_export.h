#pragma once
// Saving a CSV file the user names: the save dialog, the overwrite question, the write and
// its message.
#include <QString>

#include <functional>
#include <string>

namespace lukana::platform {

enum class CsvSaveResult { Saved, Cancelled, Failed };

// buildText gives the file's lines joined with CR LF (the writer ends the file with one more);
// it runs after a name was chosen, under the busy pointer. The dialog proposes fileName (no
// extension; see fileNameFrom) in the folder last used for CSV files.
CsvSaveResult saveCsvFile(const std::function<std::string()>& buildText,
                          const QString& fileName = {});

} // namespace lukana::platform
