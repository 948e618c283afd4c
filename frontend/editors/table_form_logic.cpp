#include "editors/table_form_logic.h"

#include <vector>

#include "project/grid_column_kinds.h"
#include "project/grid_table.h"
#include "project/units.h"

std::string TTableFormLogic::Caption(const TGridTable& table)
{
    std::vector<int> numbers;
    for (const TGridTable* t = &table; t != nullptr; t = t->Owner())
        if (t->Number() != 0) numbers.insert(numbers.begin(), t->Number());
    std::string caption = table.Caption + " ";
    for (int n : numbers) caption += " " + std::to_string(n);
    return caption;
}

std::string TTableFormLogic::Heading(const TGridTable& table, int column)
{
    const TColumn& c = table.Column(column);
    std::string text;
    for (int i = 0; i < c.HeadingLineCount(); ++i) {
        if (i > 0) text += "\n";
        text += c.HeadingLine(i);
    }
    if (const auto* f = dynamic_cast<const TFloatColumn*>(&c); f && !f->UnitCode.empty())
        text += " (" + units::HeadingName(f->UnitCode, table.Units()) + ")  ";
    return text;
}

std::vector<int> TTableFormLogic::VisibleColumns(const TGridTable& table)
{
    std::vector<int> visible;
    for (int i = 0; i < table.ColumnCount(); ++i)
        if (table.Column(i).Visible) visible.push_back(i);
    return visible;
}

bool TTableFormLogic::ButtonsShown(const TGridTable& table) { return table.MinRows() != table.MaxRows; }

bool TTableFormLogic::AddEnabled(const TGridTable& table) { return table.RowCount() != table.MaxRows; }

bool TTableFormLogic::DeleteEnabled(const TGridTable& table) { return table.RowCount() > table.MinRows(); }

bool TTableFormLogic::RowInRange(const TGridTable& table, int row) { return row >= 0 && row < table.RowCount(); }

std::string TTableFormLogic::RowHeaderSizingText(const TGridTable& table) { return table.TopLeft + "  "; }
