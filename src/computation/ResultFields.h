#pragma once

#include "records/RecordIO.h"

#include <array>
#include <type_traits>
#include <vector>

// A result object describes its fields once, as a walk (template <class IO> void Fields(IO&)).
// The same walk zeroes the object (ResultResetter) and writes it as JSON (JsonDumper), so the
// reset and the dump never miss a field that the other one knows.
class ResultResetter {
public:
    void Amount(const char*, Money& v) { v = Money(); }
    void Int(const char*, qint32& v) { v = 0; }
    void Str(const char*, QString& v) { v.clear(); }
    void Date(const char*, TDateTime& v) { v = 0; }
    void BeginObject(const char* = nullptr) {}
    void EndObject() {}
};

// Zeroes every walked field and empties every walked list.
template <class Result> void ResetFields(Result& result) {
    ResultResetter io;
    result.Fields(io);
}

// A fixed array of amounts (months, for instance): one JSON array in the dump.
template <class IO, size_t N> void Amounts(IO& io, const char* key, std::array<Money, N>& values) {
    if constexpr (std::is_same_v<IO, JsonDumper>) {
        io.BeginValueList(key);
        for (const Money& v : values)
            io.ValueAmount(v);
        io.EndList();
    } else {
        for (Money& v : values)
            io.Amount(key, v);
    }
}

// An ordered list of result rows, each with its own Fields walk: emptied by the reset.
template <class IO, class Row> void RowList(IO& io, const char* key, std::vector<Row>& rows) {
    if constexpr (std::is_same_v<IO, ResultResetter>) {
        rows.clear();
    } else {
        io.BeginList(key);
        for (Row& row : rows) {
            io.BeginItem();
            row.Fields(io);
            io.EndItem();
        }
        io.EndList();
    }
}

// A nested result object under its member name.
template <class IO, class Result> void Sheet(IO& io, const char* key, Result& result) {
    io.BeginObject(key);
    result.Fields(io);
    io.EndObject();
}
