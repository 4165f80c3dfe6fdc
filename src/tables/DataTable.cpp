#include "DataTable.h"

#include "analysis/Text1250.h"

#include <stdexcept>
#include <utility>

namespace vinta {
namespace {

const std::string kEmptyText;

} // namespace

TDataTable::TDataTable(std::vector<TColumnSpec> columns)
    : columns_(std::move(columns)), indexes_(columns_.size())
{
}

const TColumnSpec& TDataTable::Column(int column) const
{
    CheckColumn(column);
    return columns_[static_cast<std::size_t>(column)];
}

void TDataTable::CheckRecord(int record) const
{
    if (record < 0 || record >= count_)
        throw std::out_of_range("record " + std::to_string(record) + " of " + std::to_string(count_));
}

void TDataTable::CheckColumn(int column) const
{
    if (column < 0 || column >= ColumnCount())
        throw std::out_of_range("column " + std::to_string(column));
}

void TDataTable::ResizeRecords(int count)
{
    if (count < 0)
        throw std::out_of_range("record count " + std::to_string(count));
    const int old = count_;
    if (observer_)
        observer_->RecordsResizing(old, count);
    cells_.resize(static_cast<std::size_t>(count) * columns_.size());
    if (count == 0)
        cells_.shrink_to_fit();
    count_ = count;
    for (std::size_t c = 0; c < indexes_.size(); ++c) {
        TIndex* index = indexes_[c].get();
        if (!index)
            continue;
        if (count < old) {
            // Entries at or past the new end were the first of their text, so no record
            // below the end carries that text.
            std::erase_if(*index, [count](const auto& entry) { return entry.second >= count; });
        }
        for (int r = old; r < count; ++r)
            IndexAdd(*index, static_cast<int>(c), r);
    }
    if (observer_)
        observer_->RecordsResized(old, count);
}

void TDataTable::WriteCell(int record, int column, TCellValue value)
{
    const std::size_t slot = Slot(record, column);
    const TValueType type = columns_[static_cast<std::size_t>(column)].type;
    if ((type == TValueType::Text && std::holds_alternative<TAmount>(value)) ||
        (type == TValueType::Amount && std::holds_alternative<std::string>(value)))
        throw std::invalid_argument("value of the wrong type for column " + std::to_string(column));
    TIndex* index = indexes_[static_cast<std::size_t>(column)].get();
    TCellValue old = std::exchange(cells_[slot], std::move(value));
    if (index) {
        IndexRemove(*index, column, record, old);
        IndexAdd(*index, column, record);
    }
    if (observer_)
        observer_->CellWritten(record, column);
}

const std::string* TDataTable::KeySource(int record, int column) const
{
    const TCellValue& cell = cells_[static_cast<std::size_t>(record) * columns_.size() +
                                    static_cast<std::size_t>(column)];
    if (const auto* text = std::get_if<std::string>(&cell))
        return text;
    return std::holds_alternative<std::monostate>(cell) ? &kEmptyText : nullptr;
}

void TDataTable::IndexAdd(TIndex& index, int column, int record) const
{
    const std::string* source = KeySource(record, column);
    if (!source)
        return;
    UpperCase1250Into(*source, keyBuffer_);
    auto it = index.find(std::string_view(keyBuffer_));
    if (it == index.end())
        index.emplace(keyBuffer_, record);
    else if (it->second > record)
        it->second = record;
}

void TDataTable::IndexRemove(TIndex& index, int column, int record, const TCellValue& old)
{
    std::string key;
    if (const auto* text = std::get_if<std::string>(&old))
        key = UpperCase1250(*text);
    else if (!std::holds_alternative<std::monostate>(old))
        return;
    auto it = index.find(std::string_view(key));
    if (it == index.end() || it->second != record)
        return;
    // The record was the first of its text: the next one, if any, takes its place. Rewriting
    // a cell is rare (the commands only write fresh records), so a scan is fine here.
    index.erase(it);
    for (int r = record + 1; r < count_; ++r) {
        const std::string* source = KeySource(r, column);
        if (source && UpperCase1250(*source) == key) {
            index.emplace(key, r);
            break;
        }
    }
}

TDataTable::TIndex& TDataTable::IndexOf(int column) const
{
    auto& slot = indexes_[static_cast<std::size_t>(column)];
    if (!slot) {
        slot = std::make_unique<TIndex>();
        for (int r = 0; r < count_; ++r)
            IndexAdd(*slot, column, r);
    }
    return *slot;
}

int TDataTable::LocateText(int column, std::string_view text) const
{
    CheckColumn(column);
    TIndex& index = IndexOf(column);
    UpperCase1250Into(text, keyBuffer_);
    const auto it = index.find(std::string_view(keyBuffer_));
    return it == index.end() ? -1 : it->second;
}

} // namespace vinta
