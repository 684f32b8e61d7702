#include "settings.h"

#include "atomic_file.h"
#include "capacity.h"
#include "routines.h"
#include "state.h"
#include "text_format.h"

#include <algorithm>
#include <initializer_list>

namespace lukana {
void ensureTaxCapacity() {
    ensureCapacity(kTaxCapacity, taxYear, taxMonth, taxDay, taxRate);
}

// ---------------------------------------------------------------- opt.dat

Status readTaxTable(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    ensureTaxCapacity();
    TextReader in(bytes);
    // Tolerant after opening and clearing nothing: every failure from here on ends the read
    // quietly, the values not read keeping what they held (an over-capacity count included).
    if (!in.readCount(taxCount, kTaxCapacity))
        return {};
    for (int i = 0; i < taxCount; ++i)
        if (!in.readInteger(taxYear[i]) || !in.readInteger(taxMonth[i]) ||
            !in.readInteger(taxDay[i]) || !in.readInteger(taxRate[i]))
            return {};
    if (!in.readInteger(taxRounding))
        return {};
    (void)in.readInteger(salesTiming);
    return {};
}

Status writeTaxTable(const std::string& path) {
    ensureTaxCapacity();
    TextWriter out;
    const int n = out.putCount(taxCount, kTaxCapacity);
    for (int i = 0; i < n; ++i) {
        out.putInteger(taxYear[i]);
        out.putInteger(taxMonth[i]);
        out.putInteger(taxDay[i]);
        out.putInteger(taxRate[i]);
    }
    out.putInteger(taxRounding);
    out.putInteger(salesTiming);
    return out.commit(path);
}

void setDefaultTax() {
    ensureTaxCapacity();
    taxCount = 1;
    taxYear[0] = 2000;
    taxMonth[0] = 1;
    taxDay[0] = 1;
    taxRate[0] = 5;
    taxRounding = 0;
    salesTiming = 0;
}

void setStandardTaxRates() {
    setTaxTable({{1989, 4, 1, 3}, {1997, 4, 1, 5}, {2014, 4, 1, 8}, {2019, 10, 1, 10}});
}

void setTaxTable(std::initializer_list<TaxEntry> entries) {
    ensureTaxCapacity();
    taxCount = 0;
    for (const TaxEntry& e : entries) {
        taxYear[taxCount] = e.year;
        taxMonth[taxCount] = e.month;
        taxDay[taxCount] = e.day;
        taxRate[taxCount] = e.rate;
        ++taxCount;
    }
}

// ---------------------------------------------------------------- simebi.dat

Status readClosingDays(const std::string& path) {
    simeKinmu = simeGenkin = simeKyuuryou = simeKurejitto = 0;
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    if (!in.readInteger(simeKinmu) || !in.readInteger(simeGenkin))
        return unreadableFile(path, in.error());
    if (!in.readInteger(simeKyuuryou))
        return {};
    (void)in.readInteger(simeKurejitto);
    return {};
}

Status writeClosingDays(const std::string& path) {
    TextWriter out;
    for (int value : {simeKinmu, simeGenkin, simeKyuuryou, simeKurejitto})
        out.putInteger(value);
    return out.commit(path);
}

// ---------------------------------------------------------------- kesan.dat

Status readFiscalYearEnd(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    if (!in.readInteger(kesanTuki) || !in.readInteger(kesanBi))
        return unreadableFile(path, in.error());
    return {};
}

Status writeFiscalYearEnd(const std::string& path) {
    TextWriter out;
    out.putInteger(kesanTuki);
    out.putInteger(kesanBi);
    return out.commit(path);
}

// ---------------------------------------------------------------- through filePath

Status optModosi() {
    return readTaxTable(filePath);
}
Status optHozon() {
    return writeTaxTable(filePath);
}
Status simebiModosi() {
    return readClosingDays(filePath);
}
Status simebiHozon() {
    return writeClosingDays(filePath);
}
Status kesanModosi() {
    return readFiscalYearEnd(filePath);
}
Status kesanHozon() {
    return writeFiscalYearEnd(filePath);
}

// ---------------------------------------------------------------- Zeiritu

std::optional<int> Zeiritu(long long year, long long month, long long day) {
    const long long date = serialDay(year, month, day);
    const int count = std::min({taxCount, kTaxCapacity, static_cast<int>(taxYear.size()),
                                static_cast<int>(taxMonth.size()), static_cast<int>(taxDay.size()),
                                static_cast<int>(taxRate.size())});
    // From the last entry down: the last entry in table order not after the date wins.
    for (int i = count - 1; i >= 0; --i)
        if (date >= serialDay(taxYear[i], taxMonth[i], taxDay[i]))
            return taxRate[i];
    return std::nullopt;
}

} // namespace lukana
