// The monthly sales list: its table of cell texts and its CSV text.
#include "daily/core/sales_list.h"
#include "daily/core/sales_list_csv.h"
#include "storage/cp932.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace lukana;

namespace {

enum Column {
    Sales,
    Profit,
    Groups,
    Guests,
    PerGroup,
    PerGuest,
    CashOut,
    Drinks,
    Food,
    Other,
    DrinksShare,
    FoodShare,
    OtherShare,
    Last
};

std::unique_ptr<NippouMonth> emptyMonth() {
    return std::make_unique<NippouMonth>();
}

void pay(NippouDay& day, int supplierId, double amount) {
    day.kaidasiSiireId[day.kaidasiCount] = supplierId;
    day.kaidasiGaku[day.kaidasiCount] = amount;
    ++day.kaidasiCount;
}

const SupplierClasses kClasses = {{1, 0}, {2, 1}, {3, 2}, {5000, 1}, {2000000, 0}, {7, 3}};

} // namespace

TEST(SalesList, DaysAndAveragesFollowTheMonthsLength) {
    struct Case {
        int days;
        const char* secondHalfAverage;
        const char* monthAverage;
    };
    // 1500 on day 1 and 1300 on day 16.
    const Case cases[] = {
        {28, "100", "100"}, // 1300 / 13, 2800 / 28
        {30, "87", "93"},   // 1300 / 15, 2800 / 30
        {31, "81", "90"},   // 1300 / 16 = 81.25, 2800 / 31 = 90.3
    };
    auto month = emptyMonth();
    (*month)[1].kingaku[7] = 1500;
    (*month)[16].kingaku[7] = 1300;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        const SalesList list = computeSalesList(*month, c.days, kClasses);
        ASSERT_EQ(list.days.size(), static_cast<size_t>(c.days));
        EXPECT_EQ(list.summary[0][Sales], "2,800");
        EXPECT_EQ(list.summary[1][Sales], "100"); // always over 15 days
        EXPECT_EQ(list.summary[2][Sales], c.secondHalfAverage);
        EXPECT_EQ(list.summary[3][Sales], c.monthAverage);
        EXPECT_EQ(list.days[c.days - 1][Sales], "0");
    }
}

TEST(SalesList, ClassesAndShares) {
    struct Case {
        const char* what;
        double sales;
        std::vector<std::pair<int, double>> payments;
        SalesListRow expected;
    };
    const Case cases[] = {
        {"a quarter in drinks",
         123456,
         {{1, 30864}},
         {"123,456", "0", "0", "0", "0", "0", "0", "30,864", "0", "0", "25.%", "", "", ""}},
        {"half a percent",
         1000,
         {{3, 5}},
         {"1,000", "0", "0", "0", "0", "0", "0", "0", "0", "5", "", "", ".5%", ""}},
        {"sales without payments",
         5000,
         {},
         {"5,000", "0", "0", "0", "0", "0", "0", "0", "0", "0", "", "", "", ""}},
        {"payments without sales",
         0,
         {{1, 100}, {2, 200}},
         {"0", "0", "0", "0", "0", "0", "0", "100", "200", "0", "", "", "", ""}},
        {"その他, unregistered, a large id, a class outside 0-2",
         1000,
         {{-1, 10}, {999, 20}, {5000, 30}, {7, 40}, {2000000, 50}},
         {"1,000", "0", "0", "0", "0", "0", "0", "50", "30", "0", "5.%", "3.%", "", ""}},
        {"payments adding up",
         3000,
         {{2, 1000}, {2, 500.5}},
         {"3,000", "0", "0", "0", "0", "0", "0", "0", "1,501", "0", "", "50.02%", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto month = emptyMonth();
        NippouDay& day = (*month)[3];
        day.kingaku[7] = c.sales;
        for (const auto& [id, amount] : c.payments)
            pay(day, id, amount);
        const SalesList list = computeSalesList(*month, 30, kClasses);
        EXPECT_EQ(list.days[2], c.expected);
    }
}

TEST(SalesList, EveryDayColumnComesFromItsAmount) {
    auto month = emptyMonth();
    NippouDay& day = (*month)[2];
    const int positions[] = {7, 21, 12, 13, 16, 15, 4};
    for (int j = 0; j < 7; ++j)
        day.kingaku[positions[j]] = 1000 * (j + 1) + 0.5;
    day.kingaku[4] = -1234.5;
    const SalesList list = computeSalesList(*month, 31, kClasses);
    const SalesListRow expected = {"1,001", "2,001", "3,001", "4,001", "5,001", "6,001", "-1,235",
                                   "0",     "0",     "0",     "",      "",      "",      ""};
    EXPECT_EQ(list.days[1], expected);
}

TEST(SalesList, TotalRowDividesTheMonth) {
    auto month = emptyMonth();
    (*month)[1].kingaku[7] = 100000;
    (*month)[1].kingaku[12] = 3;
    (*month)[1].kingaku[13] = 7;
    (*month)[1].kingaku[16] = 33333;
    (*month)[1].kingaku[15] = 14286;
    (*month)[20].kingaku[7] = 23456;
    (*month)[20].kingaku[12] = 7;
    (*month)[20].kingaku[13] = 18;
    (*month)[20].kingaku[16] = 3351;
    (*month)[20].kingaku[15] = 1303;
    pay((*month)[20], 1, 1000);
    const SalesList list = computeSalesList(*month, 31, kClasses);
    const SalesListRow& total = list.summary[0];
    EXPECT_EQ(total[Sales], "123,456");
    EXPECT_EQ(total[Groups], "10");
    EXPECT_EQ(total[PerGroup], "12,346"); // 123456 / 10, not the sum of the days' 36,684
    EXPECT_EQ(total[PerGuest], "4,938");  // 123456 / 25
    EXPECT_EQ(total[DrinksShare], ".81%");
    EXPECT_EQ(total[FoodShare], ".%");
    EXPECT_EQ(total[OtherShare], ".%");
    EXPECT_EQ(total[Last], "");
    // Averages of the daily values, shares empty.
    EXPECT_EQ(list.summary[1][PerGroup], "2,222");
    EXPECT_EQ(list.summary[2][PerGroup], "209");
    EXPECT_EQ(list.summary[3][PerGroup], "1,183");
    for (int r = 1; r < 4; ++r)
        for (int j : {DrinksShare, FoodShare, OtherShare, Last})
            EXPECT_EQ(list.summary[r][j], "") << r << " " << j;

    // No groups or guests in the month: 0, and no sales: no shares.
    auto quiet = emptyMonth();
    (*quiet)[5].kingaku[7] = 9000;
    (*quiet)[5].kingaku[16] = 4500;
    const SalesList noGroups = computeSalesList(*quiet, 30, kClasses);
    EXPECT_EQ(noGroups.summary[0][PerGroup], "0");
    EXPECT_EQ(noGroups.summary[0][PerGuest], "0");
    const SalesList empty = computeSalesList(*emptyMonth(), 30, kClasses);
    for (int j = Sales; j <= Other; ++j)
        EXPECT_EQ(empty.summary[0][j], "0");
    for (int j : {DrinksShare, FoodShare, OtherShare})
        EXPECT_EQ(empty.summary[0][j], "");
}

TEST(SalesList, RegisteredClassesComeFromTheSupplierRegister) {
    siireCount = 3;
    siireIds = {4, 2000000, 4, 9};
    siireBunrui = {0, 2, 1, 0};
    const SupplierClasses classes = registeredSupplierClasses();
    EXPECT_EQ(classes.size(), 2u);
    EXPECT_EQ(classes.at(4), 1); // a repeated id: the later entry
    EXPECT_EQ(classes.at(2000000), 2);
    EXPECT_EQ(classes.count(9), 0u); // beyond the count
    resetSharedState();
}

TEST(SalesListCsv, LinesOfAnAprilMonth) {
    auto month = emptyMonth();
    NippouDay& day = (*month)[1];
    day.kingaku[7] = 123456;
    day.kingaku[21] = 50000;
    day.kingaku[12] = 10;
    day.kingaku[13] = 25;
    day.kingaku[16] = 12346;
    day.kingaku[15] = 4938;
    day.kingaku[4] = 30000;
    pay(day, 1, 30864);
    const SalesList list = computeSalesList(*month, Nissuu(2003, 4), kClasses);
    const std::string text = salesListCsv(list, 2003, 4, "本店");

    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], " 2003年 4月　本店");
    EXPECT_EQ(lines[1], ",,総売上,仮想粗利,組数,客数,組単,客単,出金,酒類,食品一般,その他雑費");
    EXPECT_EQ(lines[2], " 1,火,\"123,456\",\"50,000\",10,25,\"12,346\",\"4,938\",\"30,000\","
                        "\"30,864\",0,0,25.%,,,");
    EXPECT_EQ(lines[3], " 2,水,0,0,0,0,0,0,0,0,0,0,,,,");
    EXPECT_EQ(lines[31], " 30,水,0,0,0,0,0,0,0,0,0,0,,,,");
    EXPECT_EQ(lines[32], "合計,,\"123,456\",\"50,000\",10,25,\"12,346\",\"4,938\",\"30,000\","
                         "\"30,864\",0,0,25.%,.%,.%,");
    EXPECT_EQ(lines[33], "上平均,,\"8,230\",\"3,333\",1,2,823,329,\"2,000\",\"2,058\",0,0,,,,");
    EXPECT_EQ(lines[34], "下平均,,0,0,0,0,0,0,0,0,0,0,,,,");
    EXPECT_EQ(lines[35], "平均,,\"4,115\",\"1,667\",0,1,412,165,\"1,000\",\"1,029\",0,0,,,,");

    // Written as the file: code page 932, and the writer's empty last line.
    TempDir dir;
    filePath = (dir.path() / "list.csv").string();
    csvText = text;
    ASSERT_TRUE(csvHozon().ok());
    EXPECT_EQ(readBytes(filePath), *toCp932(text) + "\r\n");
    resetSharedState();
}
