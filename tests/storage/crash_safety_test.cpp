// A writer killed at any moment leaves every file either as it was or as it was meant to be.
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace lukana;

namespace {

const char* const kFiles[] = {"misena.dat", "本店/20037.dat", "本店/20037u.dat", "ttid.dat"};

// Two versions of the state; every file differs between them.
void fillVersion(int version) {
    resetSharedState();
    busyoCount = 1 + version;
    for (int i = 0; i < busyoCount; ++i) {
        busyoRecs[i].name = i == 0 ? "本店" : "支店" + std::to_string(i);
        busyoRecs[i].id = 2 * (i + 1);
        busyoRecs[i].street = std::string(200 * (version + 1), 'x');
    }
    ttidKyoutuu = 100 + version;
    for (int day = 1; day <= 31; ++day) {
        NippouDay& d = nippouMonth[day];
        d.kingaku[7] = 1000 * day + version;
        d.slipCount = 20 + version;
        for (int s = 0; s < d.slipCount; ++s) {
            d.slipValues[s][8] = 3000 + s;
            d.lineCount[s] = 5;
        }
        denpyouMonth[day].denpyouCount = 3 + version;
        denpyouMonth[day].note[0] = version ? "新しい" : "古い";
    }
}

bool writeAll() {
    bool ok = writeDepartments(rootFilePath("misena.dat")).ok();
    ok = writeNippouMonth(busyoFilePath("本店", "20037.dat"), nippouMonth, koteihi).ok() && ok;
    ok = writeDenpyouMonth(busyoFilePath("本店", "20037u.dat"), denpyouMonth).ok() && ok;
    return writeIdCounters(rootFilePath("ttid.dat")).ok() && ok;
}

} // namespace

TEST(CrashSafety, KilledWritersNeverTearAFile) {
    TempDir dir;
    driveRoot = dir.str();
    std::filesystem::create_directories(busyoFolderPath("本店"));

    std::string expected[2][std::size(kFiles)];
    for (int version = 0; version < 2; ++version) {
        fillVersion(version);
        ASSERT_TRUE(writeAll());
        for (size_t f = 0; f < std::size(kFiles); ++f)
            expected[version][f] =
                readBytes((std::filesystem::path(dataRoot()) / kFiles[f]).string());
    }

    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                fillVersion(i % 2);
                writeAll();
            }
        }
        usleep(std::uniform_int_distribution<int>(0, 4000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        for (size_t f = 0; f < std::size(kFiles); ++f) {
            std::string bytes = readBytes((std::filesystem::path(dataRoot()) / kFiles[f]).string());
            ASSERT_TRUE(bytes == expected[0][f] || bytes == expected[1][f])
                << kFiles[f] << " torn in round " << round << " (" << bytes.size() << " bytes)";
        }
    }
}
