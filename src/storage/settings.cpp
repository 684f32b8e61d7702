#include "settings.h"

#include "atomic_file.h"
#include "routines.h"
#include "state.h"
#include "text_format.h"

#include <algorithm>
#include <initializer_list>

namespace lukana {
namespace {

Status readFailure(const TextReader& reader) {
    return Status::failure(filePath + " を読めません: " + reader.error());
}

// Writes Integer values, refusing (without touching the file) what the reader could not
// read back: a value outside 16 bits or a count outside the table's capacity.
class IntegerFileWriter {
  public:
    void put(int value) {
        if (value < -32768 || value > 32767)
            fail("Integer の範囲を超える値があります (" + std::to_string(value) + ")");
        writer_.putInteger(value);
    }
    void fail(std::string what) {
        if (error_.empty())
            error_ = std::move(what);
    }
    Status commit() const {
        if (!error_.empty())
            return Status::failure(filePath + " に保存できません: " + error_);
        return writer_.commit(filePath);
    }

  private:
    TextWriter writer_;
    std::string error_;
};

void ensureTaxCapacity() {
    for (auto* list : {&taxYear, &taxMonth, &taxDay, &taxRate})
        if (list->size() < static_cast<size_t>(kTaxCapacity))
            list->resize(static_cast<size_t>(kTaxCapacity));
}

} // namespace

// ---------------------------------------------------------------- opt.dat

Status optModosi() {
    std::string bytes;
    if (Status opened = readWholeFile(filePath, bytes); !opened)
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

Status optHozon() {
    IntegerFileWriter out;
    bool fits = taxCount >= 0 && taxCount <= kTaxCapacity;
    for (auto* list : {&taxYear, &taxMonth, &taxDay, &taxRate})
        fits = fits && static_cast<size_t>(taxCount) <= list->size();
    if (!fits) {
        out.fail("件数が上限を超えています (" + std::to_string(taxCount) + ")");
        return out.commit();
    }
    out.put(taxCount);
    for (int i = 0; i < taxCount; ++i) {
        out.put(taxYear[i]);
        out.put(taxMonth[i]);
        out.put(taxDay[i]);
        out.put(taxRate[i]);
    }
    out.put(taxRounding);
    out.put(salesTiming);
    return out.commit();
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

// ---------------------------------------------------------------- simebi.dat

Status simebiModosi() {
    simeKinmu = simeGenkin = simeKyuuryou = simeKurejitto = 0;
    std::string bytes;
    if (Status opened = readWholeFile(filePath, bytes); !opened)
        return opened;
    TextReader in(bytes);
    if (!in.readInteger(simeKinmu) || !in.readInteger(simeGenkin))
        return readFailure(in);
    if (!in.readInteger(simeKyuuryou))
        return {};
    (void)in.readInteger(simeKurejitto);
    return {};
}

Status simebiHozon() {
    IntegerFileWriter out;
    for (int value : {simeKinmu, simeGenkin, simeKyuuryou, simeKurejitto})
        out.put(value);
    return out.commit();
}

// ---------------------------------------------------------------- kesan.dat

Status kesanModosi() {
    std::string bytes;
    if (Status opened = readWholeFile(filePath, bytes); !opened)
        return opened;
    TextReader in(bytes);
    if (!in.readInteger(kesanTuki) || !in.readInteger(kesanBi))
        return readFailure(in);
    return {};
}

Status kesanHozon() {
    IntegerFileWriter out;
    out.put(kesanTuki);
    out.put(kesanBi);
    return out.commit();
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
