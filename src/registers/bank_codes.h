#pragma once
// The bank and branch codes the department register offers in its pickers. They come from a
// read-only SQLite file beside the program, with a bank table and a branch table:
//   "金融機関コード" (columns "金融機関コード", "漢字金融機関名")
//   "支店コード"     (columns "金融機関コード", "支店コード", "漢字支店名", "カナ支店名")
// Without the file the lists are empty and names can still be typed.
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace lukana {

inline constexpr const char* kBankCodeFileName = "bankcodes.sqlite";

struct BankEntry {
    QString code; // as stored, e.g. "0005"
    QString name;
};

struct BranchEntry {
    QString code;
    QString name;
    QString kana;
};

class BankCodeSource {
  public:
    virtual ~BankCodeSource() = default;
    virtual std::vector<BankEntry> banks() = 0;
    // The branches of the bank whose code is this number ("0005" and "5" are bank 5).
    virtual std::vector<BranchEntry> branches(int bankCode) = 0;
};

// The file in the program's folder.
QString bankCodeDatabasePath();

// Opens the file read-only for as long as it lives; a missing or unreadable file gives
// empty lists.
class BankCodeDatabase final : public BankCodeSource {
  public:
    explicit BankCodeDatabase(const QString& path);
    ~BankCodeDatabase() override;
    BankCodeDatabase(const BankCodeDatabase&) = delete;
    BankCodeDatabase& operator=(const BankCodeDatabase&) = delete;

    bool isOpen() const { return open_; }
    std::vector<BankEntry> banks() override;
    std::vector<BranchEntry> branches(int bankCode) override;

  private:
    QString connection_;
    bool open_ = false;
};

// The bank code a code box asks for: its leading number rounded to a whole number, halves to
// the even neighbour. Nothing for a box without a number or one outside 16 bits.
std::optional<int> bankCodeFromText(std::string_view text);

} // namespace lukana
