#include "project/grid_table.h"

#include <algorithm>
#include <stdexcept>

#include "project/grid_column_kinds.h"
#include "project/table_registry.h"

TGridTable& TData::AsTable() const { return Column().AsTable(row_); }
double TData::AsFloat() const { return Column().AsFloat(row_); }
std::int32_t TData::AsInteger() const { return Column().AsInteger(row_); }
std::string TData::AsString() const { return Column().AsString(row_); }
void TData::SetFloat(double value) const { Column().SetFloat(row_, value); }
void TData::SetInteger(std::int32_t value) const { Column().SetInteger(row_, value); }
void TData::SetString(const std::string& text) const { Column().SetString(row_, text); }
TColumn& TData::Column() const { return table_->Column(column_); }

TGridTable::TGridTable(TTableRegistry& registry, TGridTable* owner)
    : registry_(&registry), owner_(owner), units_(owner ? owner->Units() : 1)
{
    registry_->Register(this);
}

TGridTable::~TGridTable()
{
    columns_.clear(); // nested tables leave the registry before this one
    registry_->Unregister(this);
}

std::unique_ptr<TGridTable> TGridTable::CloneFromTemplate(TGridTable& owner, int number, const TGridTable& templ)
{
    auto table = std::make_unique<TGridTable>(owner.Registry(), &owner);
    table->Caption = templ.Caption;
    table->Comments = templ.Comments;
    table->TopLeft = templ.TopLeft;
    table->minRows_ = templ.minRows_;
    table->MaxRows = templ.MaxRows;
    table->HardwiredButton = templ.HardwiredButton;
    table->RowGroup = templ.RowGroup;
    for (const auto& column : templ.columns_) table->AdoptColumn(column->CloneSettings());
    table->number_ = number;
    table->SetRowCount(table->minRows_);
    table->ResetChanged();
    return table;
}

int TGridTable::Identifier() const { return registry_->IdentifierOf(this); }

void TGridTable::SetIdentifier(int identifier) { registry_->ChangeIdentifier(this, identifier); }

void TGridTable::SetMinRows(int rows)
{
    if (rows <= 0) throw std::invalid_argument("Value must be greater than 0");
    minRows_ = rows;
}

void TGridTable::AdoptColumn(std::unique_ptr<TColumn> column)
{
    column->AttachTo(this);
    column->InsertRows(0, rowCount_);
    columns_.push_back(std::move(column));
}

void TGridTable::SetRowCount(int n)
{
    if (n < 0) n = 0;
    if (n == rowCount_) return;
    if (n < rowCount_) {
        for (auto& column : columns_)
            while (column->RowCount() > n) column->DeleteRow(column->RowCount() - 1);
    } else {
        // Columns in index order: a table column reads the enumeration code of its new rows.
        for (auto& column : columns_) column->InsertRows(rowCount_, n - rowCount_);
    }
    rowCount_ = n;
    changed_ = true;
}

void TGridTable::FillToMinimum()
{
    if (rowCount_ < minRows_) SetRowCount(minRows_);
}

void TGridTable::AddRows() { SetRowCount(rowCount_ + RowGroup); }

void TGridTable::InsertRows(int row)
{
    if (row < 0 || row > rowCount_) throw std::out_of_range("row index out of range");
    const int at = row == rowCount_ ? row : GroupStart(row);
    for (auto& column : columns_) column->InsertRows(at, RowGroup);
    rowCount_ += RowGroup;
    RenumberNestedTables();
    changed_ = true;
}

void TGridTable::DeleteRows(int row)
{
    if (row < 0 || row >= rowCount_) throw std::out_of_range("row index out of range");
    const int at = GroupStart(row);
    const int count = std::min(RowGroup, rowCount_ - at);
    for (auto& column : columns_)
        for (int i = 0; i < count; ++i) column->DeleteRow(at);
    rowCount_ -= count;
    RenumberNestedTables();
    changed_ = true;
}

void TGridTable::RenumberNestedTables()
{
    for (auto& column : columns_)
        if (auto* tableColumn = dynamic_cast<TTableColumn*>(column.get())) tableColumn->Renumber();
}

void TGridTable::SetUnits(int system)
{
    if (system == units_) return;
    for (auto& column : columns_) column->SetUnits(units_, system);
    units_ = system;
}

bool TGridTable::Changed() const
{
    if (changed_) return true;
    for (const auto& column : columns_)
        if (column->Changed()) return true;
    return false;
}

void TGridTable::ResetChanged()
{
    changed_ = false;
    for (auto& column : columns_) column->ResetChanged();
}

void TGridTable::ValueStored(TColumn& column, int row, bool codeChanged)
{
    changed_ = true;
    if (!codeChanged || column.TypeCode() != 0) return;
    for (auto& other : columns_)
        if (auto* tableColumn = dynamic_cast<TTableColumn*>(other.get())) tableColumn->Rebuild(row);
}
