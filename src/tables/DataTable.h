#pragma once
// A table of records with typed columns, the unbound data behind a grid. Records are numbered
// from 0 in the order of addition; everything goes in and out through five operations.
#include "analysis/Amount.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace vinta {

// An unwritten cell holds std::monostate.
using TCellValue = std::variant<std::monostate, std::string, TAmount>;

enum class TValueType { Text, Amount };

struct TColumnSpec {
    std::string caption; // UTF-8, as a view shows it
    TValueType type = TValueType::Text;
};

// Told of every change, so that a view can sit on the table without copying it.
class TTableObserver {
public:
    virtual ~TTableObserver() = default;
    virtual void RecordsResizing(int oldCount, int newCount) = 0;
    virtual void RecordsResized(int oldCount, int newCount) = 0;
    virtual void CellWritten(int record, int column) = 0;
};

class TDataTable {
public:
    explicit TDataTable(std::vector<TColumnSpec> columns);
    virtual ~TDataTable() = default;
    TDataTable(const TDataTable&) = delete;
    TDataTable& operator=(const TDataTable&) = delete;

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const TColumnSpec& Column(int column) const;

    int CountRecords() const { return count_; }
    // 0 empties the table; a larger count appends unwritten records.
    void ResizeRecords(int count);
    const TCellValue& ReadCell(int record, int column) const { return cells_[Slot(record, column)]; }
    // An amount column takes amounts only, a text column texts only.
    void WriteCell(int record, int column, TCellValue value);
    // The first record in record order whose text in the column equals the given text once
    // both are upper-cased by the Windows-1250 rules; -1 where there is none. Whole texts are
    // compared; an unwritten cell counts as the empty text. Constant time per look-up.
    int LocateText(int column, std::string_view text) const;

    // The text of a cell, empty for an unwritten one.
    std::string_view ReadText(int record, int column) const
    {
        const auto* text = std::get_if<std::string>(&ReadCell(record, column));
        return text ? std::string_view(*text) : std::string_view();
    }
    // The amount of a cell, 0 for an unwritten one.
    TAmount ReadAmount(int record, int column) const
    {
        const auto* amount = std::get_if<TAmount>(&ReadCell(record, column));
        return amount ? *amount : TAmount();
    }

    void SetObserver(TTableObserver* observer) { observer_ = observer; }

private:
    struct TKeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };
    using TIndex = std::unordered_map<std::string, int, TKeyHash, std::equal_to<>>;

    // Inline, as every department line reads two cells; the checks throw out of line.
    std::size_t Slot(int record, int column) const
    {
        if (static_cast<unsigned>(record) >= static_cast<unsigned>(count_))
            CheckRecord(record);
        if (static_cast<unsigned>(column) >= columns_.size())
            CheckColumn(column);
        return static_cast<std::size_t>(record) * columns_.size() + static_cast<std::size_t>(column);
    }
    void CheckRecord(int record) const;
    void CheckColumn(int column) const;
    TIndex& IndexOf(int column) const;
    void IndexRemove(TIndex& index, int column, int record, const TCellValue& old);
    void IndexAdd(TIndex& index, int column, int record) const;
    const std::string* KeySource(int record, int column) const;

    std::vector<TColumnSpec> columns_;
    std::vector<TCellValue> cells_;
    int count_ = 0;
    TTableObserver* observer_ = nullptr;
    // Upper-cased text to first record, built for a column on its first look-up.
    mutable std::vector<std::unique_ptr<TIndex>> indexes_;
    mutable std::string keyBuffer_;
};

} // namespace vinta
