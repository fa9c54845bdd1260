#pragma once
// What a sort compares, per row of the sort column: the Keys of Quicksort
// (quicksort.h) for each sort type. Most read every cell's value once before
// the sort and exchange their entries with the rows, which gives exactly the
// comparisons of reading the cells anew each time, without making a string
// per comparison. Terms: P is the pivot's value, C(r) the value at row r;
// Less(P, r) is P <= C(r), Greater(P, r) is P >= C(r).
//
// Reading a number, date or boolean from a text cell can fail with a
// conversion error. Such a column is read cell by cell during the sort
// (TConvertingSortKeys), so the error stops the sort where the comparison
// meets the cell.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

class TCell;
class ICellsHost;

// stAlphabetic: ordinal order of UTF-16 code units, the shorter of a text and
// its prefix first. Each row's text is read once, where the cell keeps it;
// equal texts share one rank, and the ranks follow the texts' order, so
// comparing two rows' ranks answers exactly what comparing their texts would.
// Ranking sorts the distinct texts only, by a key holding the first four
// units packed, so most comparisons read no text.
struct TTextKey {
    uint64_t prefix;
    const QChar *data;
    qsizetype size;
};
TTextKey TextKeyOf(QStringView text);
int CompareTextKeys(const TTextKey &a, const TTextKey &b);
std::vector<uint32_t> ReadTextRanks(TCell *const *column, int count);

// Values compared with <= and >=, one per row.
template <typename T>
class TValueSortKeys {
public:
    explicit TValueSortKeys(std::vector<T> keys) : keys_(std::move(keys)) {}
    const T &PivotAt(int row) const { return keys_[size_t(row)]; }
    bool Less(const T &p, int row) const { return p <= keys_[size_t(row)]; }
    bool Greater(const T &p, int row) const { return p >= keys_[size_t(row)]; }
    void Swap(int a, int b) { std::swap(keys_[size_t(a)], keys_[size_t(b)]); }

private:
    std::vector<T> keys_;
};

// stNumeric (GetAsFloat), stDate (GetAsDateTime), stBoolean (GetAsBoolean,
// false < true) as one number.
using TReadNumber = double (*)(TCell &cell);
double ReadFloat(TCell &cell);
double ReadDateTime(TCell &cell);
double ReadBoolean(TCell &cell);
// Raises the conversion error of the first cell that cannot be read.
std::vector<double> ReadNumbers(TCell *const *column, int count, TReadNumber read);

// A number column with a cell that cannot be read: every comparison reads
// the cell again, as the rows stand.
class TConvertingSortKeys {
public:
    TConvertingSortKeys(TCell *const *column, TReadNumber read) : column_(column), read_(read) {}
    double PivotAt(int row) const { return read_(*column_[row]); }
    bool Less(double p, int row) const { return p <= read_(*column_[row]); }
    bool Greater(double p, int row) const { return p >= read_(*column_[row]); }
    void Swap(int, int) {}

private:
    TCell *const *column_;
    TReadNumber read_;
};

// stCaseInsensitive: the text in the system's 8-bit code page with A to Z
// lowered, ordinal by bytes.
std::vector<QByteArray> ReadLoweredBytes(TCell *const *column, int count);

// stIP: up to four numbers read from the 8-bit text (digits collected, a
// number ending at each '.' and at the last character, other characters
// skipped), compared from the first to the last.
using TAddress = std::array<uint32_t, 4>;
TAddress AddressOf(const QByteArray &text);
std::vector<TAddress> ReadAddresses(TCell *const *column, int count);

// stCustom: the grid's comparison of the pivot's cell with the row's, asked
// anew for every test.
class TCustomSortKeys {
public:
    TCustomSortKeys(TCell *const *column, ICellsHost &host) : column_(column), host_(host) {}
    TCell *PivotAt(int row) const { return column_[row]; }
    bool Less(TCell *p, int row) const;
    bool Greater(TCell *p, int row) const;
    void Swap(int, int) {}

private:
    TCell *const *column_;
    ICellsHost &host_;
};
