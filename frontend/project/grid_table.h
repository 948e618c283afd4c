#pragma once
// A table of typed project data: typed columns, a row count with limits, and the unit system
// in which its float columns are held. A row of a table with a table column owns a nested
// table built from a template. Every table is listed in the program's table registry.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/grid_column.h"

class TTableRegistry;
class TGridTable;

// Accessor of one cell.
class TData {
public:
    TData(TGridTable& table, int column, int row) : table_(&table), column_(column), row_(row) {}
    TGridTable& AsTable() const;
    double AsFloat() const;
    std::int32_t AsInteger() const;
    std::string AsString() const;
    void SetFloat(double value) const;
    void SetInteger(std::int32_t value) const;
    void SetString(const std::string& text) const;

private:
    TColumn& Column() const;
    TGridTable* table_;
    int column_;
    int row_;
};

class TGridTable {
public:
    // A table of the main window (owner null, unit system English) or a nested table (which
    // starts in its owner's unit system).
    explicit TGridTable(TTableRegistry& registry, TGridTable* owner = nullptr);
    ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    // A nested table for row `number - 1` of `owner`, with the template's caption, comments,
    // top-left text, row limits and column settings, and MinRows rows of default values.
    static std::unique_ptr<TGridTable> CloneFromTemplate(TGridTable& owner, int number, const TGridTable& templ);

    int Identifier() const;
    void SetIdentifier(int identifier);

    int MinRows() const { return minRows_; }
    // At least 1; smaller values raise std::invalid_argument "Value must be greater than 0".
    void SetMinRows(int rows);

    int RowCount() const { return rowCount_; }
    // Deletes rows beyond n, appends rows of default values up to n (negative n counts as 0).
    void SetRowCount(int n);
    // Sets the row count to MinRows when it is lower.
    void FillToMinimum();
    void AddRows();
    void InsertRows(int row);
    void DeleteRows(int row);

    int Units() const { return units_; }
    // Converts every float column (and every nested table) to the new unit system.
    void SetUnits(int system);

    int Number() const { return number_; }
    // Stores the number shown after the caption and tells an open editing window to retitle.
    void SetNumber(int number)
    {
        number_ = number;
        if (OnNumberChanged) OnNumberChanged();
    }
    // Set by an open editing window.
    std::function<void()> OnNumberChanged;

    bool Changed() const;
    void ResetChanged();
    void MarkChanged() { changed_ = true; }

    // Adds a column (the table takes ownership) and gives it the table's rows.
    template <class Kind, class... Args>
    Kind& AddColumn(Args&&... args)
    {
        auto column = std::make_unique<Kind>(std::forward<Args>(args)...);
        Kind& ref = *column;
        AdoptColumn(std::move(column));
        return ref;
    }
    void AdoptColumn(std::unique_ptr<TColumn> column);

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TColumn& Column(int index) const { return *columns_.at(static_cast<std::size_t>(index)); }
    TData Cell(int column, int row) { return TData(*this, column, row); }

    // True while an editing window shows the table; integer cells then check their limits.
    bool EditorOpen() const { return editorOpen_; }
    void SetEditorOpen(bool open) { editorOpen_ = open; }

    TTableRegistry& Registry() const { return *registry_; }
    TGridTable* Owner() const { return owner_; }

    // Called by a column after a value was stored; codeChanged is true when an enumeration
    // cell received a different code.
    void ValueStored(TColumn& column, int row, bool codeChanged);

    std::string Caption;
    std::string Comments;
    std::string TopLeft;
    int MaxRows = 0;
    bool HardwiredButton = false;
    int RowGroup = 1;

private:
    int GroupStart(int row) const { return row - row % RowGroup; }
    void RenumberNestedTables();

    TTableRegistry* registry_;
    TGridTable* owner_;
    std::vector<std::unique_ptr<TColumn>> columns_;
    int minRows_ = 1;
    int rowCount_ = 0;
    int units_ = 1;
    int number_ = 0;
    bool changed_ = false;
    bool editorOpen_ = false;
};
