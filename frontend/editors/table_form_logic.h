#pragma once
// The rules of the table editing window without its widgets: the caption with the numbers of
// the owning tables, the column headings with their units, and the enabling of the row buttons.
#include <string>
#include <vector>

class TGridTable;

class TTableFormLogic {
public:
    // The table's caption, a blank, then a blank and the number of each numbered table from
    // the outermost owner down to this one ("Sand Layer Data  3").
    static std::string Caption(const TGridTable& table);
    // Heading of a column: its lines one below the other; a float column with a unit shows
    // the unit name of the table's system after the last line.
    static std::string Heading(const TGridTable& table, int column);
    // Indices of the visible columns.
    static std::vector<int> VisibleColumns(const TGridTable& table);

    static bool ButtonsShown(const TGridTable& table);
    static bool AddEnabled(const TGridTable& table);
    static bool DeleteEnabled(const TGridTable& table);
    // Insert and Delete act on the current row, which must be one of the table's rows.
    static bool RowInRange(const TGridTable& table, int row);
    // Text of the top-left header cell and the text that sets the row-number column's width:
    // the top-left text followed by two blanks.
    static std::string RowHeaderSizingText(const TGridTable& table);
};
