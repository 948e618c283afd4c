#include "project/grid_column_kinds.h"

#include <algorithm>
#include <cmath>

#include "project/assign_error.h"
#include "project/evaluator.h"
#include "project/grid_table.h"
#include "project/number_format.h"
#include "project/table_registry.h"
#include "project/units.h"

namespace {

std::string BetweenMessage(std::int64_t low, std::int64_t high)
{
    return "Entry must be between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

void Tell(TColumn& column, int row, bool codeChanged = false)
{
    if (column.Table() != nullptr) column.Table()->ValueStored(column, row, codeChanged);
}

std::int32_t ToInt32(double value)
{
    if (std::isnan(value)) return 0;
    return static_cast<std::int32_t>(std::clamp(std::nearbyint(value), -2147483648.0, 2147483647.0));
}

} // namespace

// ---- enumeration ----

void TEnumColumn::SetInteger(int row, std::int32_t code)
{
    const int count = static_cast<int>(Names.size());
    if (code < 1 || code > count) throw EAssignError(BetweenMessage(1, count));
    const bool changed = CellAt(row) != code;
    CellAt(row) = code;
    Tell(*this, row, changed);
}

void TEnumColumn::SetFloat(int row, double value) { SetInteger(row, ToInt32(value)); }

void TEnumColumn::SetString(int row, const std::string& text)
{
    const double value = evaluator::Evaluate(text);
    if (value != std::trunc(value)) throw EAssignError("Value must be an integer.");
    SetInteger(row, ToInt32(value));
}

std::unique_ptr<TColumn> TEnumColumn::CloneSettings() const
{
    auto copy = std::make_unique<TEnumColumn>(Headings, Names);
    copy->Visible = Visible;
    copy->Grouped = Grouped;
    return copy;
}

// ---- integer ----

void TIntColumn::SetInteger(int row, std::int32_t value)
{
    CellAt(row) = value;
    Tell(*this, row);
}

void TIntColumn::SetFloat(int row, double value) { SetInteger(row, ToInt32(value)); }

void TIntColumn::SetString(int row, const std::string& text)
{
    const double value = evaluator::Evaluate(text);
    if (Table() != nullptr && Table()->EditorOpen()) {
        if (std::fabs(value - std::nearbyint(value)) > 1e-10) throw EAssignError("Entry must be an integer.");
        if (value < Minimum || value > Maximum) throw EAssignError(BetweenMessage(Minimum, Maximum));
    }
    SetInteger(row, ToInt32(value));
}

std::unique_ptr<TColumn> TIntColumn::CloneSettings() const
{
    auto copy = std::make_unique<TIntColumn>(Headings, Default, Minimum, Maximum);
    copy->Visible = Visible;
    copy->Grouped = Grouped;
    return copy;
}

// ---- float ----

void TFloatColumn::SetFloat(int row, double value)
{
    CellAt(row) = value;
    Tell(*this, row);
}

std::string TFloatColumn::AsString(int row) const { return FormatGeneral8(CellAt(row)); }

void TFloatColumn::SetString(int row, const std::string& text) { SetFloat(row, evaluator::Evaluate(text)); }

void TFloatColumn::SetUnits(int oldSystem, int newSystem)
{
    const double factor = units::Factor(oldSystem, newSystem, UnitCode);
    if (factor == 1.0) return;
    for (double& cell : cells_) cell *= factor;
}

std::unique_ptr<TColumn> TFloatColumn::CloneSettings() const
{
    auto copy = std::make_unique<TFloatColumn>(Headings, UnitCode, Default);
    copy->Visible = Visible;
    copy->Grouped = Grouped;
    copy->TopDepth = TopDepth;
    return copy;
}

// ---- nested table ----

std::unique_ptr<TGridTable> TTableColumn::BuildFor(int row) const
{
    TGridTable& owner = *Table();
    const int code = owner.Column(0).AsInteger(row);
    if (code < 1 || code > static_cast<int>(TemplateIdentifiers.size())) return nullptr;
    const TGridTable* templ = owner.Registry().Find(TemplateIdentifiers[static_cast<std::size_t>(code - 1)]);
    if (templ == nullptr) return nullptr;
    return TGridTable::CloneFromTemplate(owner, row + 1, *templ);
}

void TTableColumn::InsertRows(int at, int count)
{
    if (at < 0 || at > RowCount() || count < 0) throw std::out_of_range("row index out of range");
    for (int i = 0; i < count; ++i) tables_.insert(tables_.begin() + at + i, BuildFor(at + i));
}

void TTableColumn::DeleteRow(int at)
{
    if (at < 0 || at >= RowCount()) throw std::out_of_range("row index out of range");
    tables_.erase(tables_.begin() + at);
}

bool TTableColumn::HasTable(int row) const { return tables_.at(static_cast<std::size_t>(row)) != nullptr; }

TGridTable& TTableColumn::AsTable(int row) const
{
    const auto& table = tables_.at(static_cast<std::size_t>(row));
    if (!table) WrongType();
    return *table;
}

std::string TTableColumn::AsString(int row) const
{
    const auto& table = tables_.at(static_cast<std::size_t>(row));
    return std::to_string(row + 1) + ": " + (table ? table->Caption : std::string());
}

bool TTableColumn::Changed() const
{
    for (const auto& table : tables_)
        if (table && table->Changed()) return true;
    return false;
}

void TTableColumn::ResetChanged()
{
    for (auto& table : tables_)
        if (table) table->ResetChanged();
}

void TTableColumn::SetUnits(int, int newSystem)
{
    for (auto& table : tables_)
        if (table) table->SetUnits(newSystem);
}

std::unique_ptr<TColumn> TTableColumn::CloneSettings() const
{
    auto copy = std::make_unique<TTableColumn>(Headings, TemplateIdentifiers);
    copy->Visible = Visible;
    copy->Grouped = Grouped;
    return copy;
}

void TTableColumn::Rebuild(int row)
{
    auto& slot = tables_.at(static_cast<std::size_t>(row));
    slot.reset();
    slot = BuildFor(row);
}

void TTableColumn::Renumber()
{
    for (std::size_t row = 0; row < tables_.size(); ++row)
        if (tables_[row]) tables_[row]->SetNumber(static_cast<int>(row) + 1);
}

// ---- text ----

void TStringColumn::SetString(int row, const std::string& text)
{
    CellAt(row) = text;
    Tell(*this, row);
}

std::unique_ptr<TColumn> TStringColumn::CloneSettings() const
{
    auto copy = std::make_unique<TStringColumn>(Headings, DefaultText, Number);
    copy->Visible = Visible;
    copy->Grouped = Grouped;
    return copy;
}

std::unique_ptr<TColumn> CreateColumnOfType(int typeCode)
{
    switch (typeCode) {
    case 0: return std::make_unique<TEnumColumn>(std::vector<std::string>{}, std::vector<std::string>{});
    case 1: return std::make_unique<TIntColumn>(std::vector<std::string>{});
    case 2: return std::make_unique<TFloatColumn>(std::vector<std::string>{});
    case 3: return std::make_unique<TTableColumn>(std::vector<std::string>{}, std::vector<int>{});
    case 4: return std::make_unique<TStringColumn>(std::vector<std::string>{});
    default: return nullptr;
    }
}
