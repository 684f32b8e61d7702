#pragma once
// Register files that exist but cannot be read. Such a file is moved aside before anything
// can be written in its place, and the user is told where the damaged copy lies; a file that
// cannot be moved stays as it is and is not written over.
#include "storage/damaged_file.h"
#include "storage/masters.h"
#include "storage/status.h"

#include <QString>

namespace lukana {

// Reads tekiyou.dat and ty.dat of the data root, creating the defaults where one cannot be
// read; the user is told where a damaged file went and when the defaults could not be saved.
void loadAccountTitlesTelling();
// Tells what loading file with its defaults as fallback did: a damaged file, defaults that
// could not be saved.
void tellLoadOutcome(const QString& file, const LoadOutcome& outcome);

// Reads path with reader; a damaged file is moved aside and the user told.
LoadOutcome readTellingDamage(const std::string& path, PathReader reader);

// The one file a register reads and saves.
class RegisterFileGuard {
  public:
    // As readTellingDamage; true when the file was read.
    bool read(const std::string& path, PathReader reader);
    // Takes over what a load made elsewhere found (and told).
    void noteLoad(const LoadOutcome& outcome);
    // Runs writer for path, unless that is a damaged file that could not be moved aside.
    Status write(const std::string& path, PathWriter writer) const;

  private:
    DamagedFileGuard damaged_;
};

// tekiyou.dat and ty.dat are loaded at start-up, by the daily report and by the account-title
// register, and saved by two registers: one guard each serves them all.
RegisterFileGuard& accountTitleFile();
RegisterFileGuard& subAccountFile();

} // namespace lukana
