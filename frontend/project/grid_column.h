#pragma once
// A typed column of a grid table. The five kinds (enumeration, integer, float, nested table,
// text) hold their cells themselves; asking a column for a kind of value it does not hold
// raises "Data of wrong type".
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class TGridTable;

class TColumn {
public:
    explicit TColumn(std::vector<std::string> headings) : Headings(std::move(headings)) {}
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = default;
    TColumn& operator=(const TColumn&) = delete;

    // Type code of the kind: 0 enumeration, 1 integer, 2 float, 3 table, 4 text.
    virtual int TypeCode() const = 0;

    virtual int RowCount() const = 0;
    // Inserts rows with the column's default value at the given index.
    virtual void InsertRows(int at, int count) = 0;
    virtual void DeleteRow(int at) = 0;

    virtual TGridTable& AsTable(int row) const;
    virtual double AsFloat(int row) const;
    virtual void SetFloat(int row, double value);
    virtual std::int32_t AsInteger(int row) const;
    virtual void SetInteger(int row, std::int32_t value);
    virtual std::string AsString(int row) const = 0;
    // Parses the text (an expression for the numeric kinds) and stores the value; failures
    // raise EAssignError.
    virtual void SetString(int row, const std::string& text);

    virtual bool Changed() const { return false; }
    virtual void ResetChanged() {}
    // Converts the stored values from one unit system to another.
    virtual void SetUnits(int oldSystem, int newSystem);
    // True for the kinds edited by a control over the grid instead of text.
    virtual bool IsControlColumn() const { return false; }
    // A copy of the column's settings (not its cells) for a table built from a template.
    virtual std::unique_ptr<TColumn> CloneSettings() const = 0;

    int HeadingLineCount() const { return static_cast<int>(Headings.size()); }
    const std::string& HeadingLine(int index) const { return Headings.at(static_cast<std::size_t>(index)); }

    void AttachTo(TGridTable* table) { table_ = table; }
    TGridTable* Table() const { return table_; }

    std::vector<std::string> Headings;
    bool Visible = true;
    bool Grouped = false;

protected:
    [[noreturn]] static void WrongType();

    TGridTable* table_ = nullptr;
};

// Holds the cells of one kind in a vector.
template <class Value>
class TVectorColumn : public TColumn {
public:
    using TColumn::TColumn;

    int RowCount() const override { return static_cast<int>(cells_.size()); }
    void InsertRows(int at, int count) override
    {
        if (at < 0 || at > RowCount() || count < 0) throw std::out_of_range("row index out of range");
        cells_.insert(cells_.begin() + at, static_cast<std::size_t>(count), DefaultCell());
    }
    void DeleteRow(int at) override
    {
        if (at < 0 || at >= RowCount()) throw std::out_of_range("row index out of range");
        cells_.erase(cells_.begin() + at);
    }

protected:
    virtual Value DefaultCell() const = 0;
    const Value& CellAt(int row) const { return cells_.at(static_cast<std::size_t>(row)); }
    Value& CellAt(int row) { return cells_.at(static_cast<std::size_t>(row)); }

    std::vector<Value> cells_;
};
