#pragma once
// The five kinds of grid-table column.
#include <cstdint>

#include "project/grid_column.h"

// Integer codes 1 ... N, one per value name.
class TEnumColumn : public TVectorColumn<std::int32_t> {
public:
    TEnumColumn(std::vector<std::string> headings, std::vector<std::string> names)
        : TVectorColumn(std::move(headings)), Names(std::move(names)) {}
    int TypeCode() const override { return 0; }
    std::int32_t AsInteger(int row) const override { return CellAt(row); }
    double AsFloat(int row) const override { return CellAt(row); }
    void SetInteger(int row, std::int32_t code) override;
    void SetFloat(int row, double value) override;
    std::string AsString(int row) const override { return std::to_string(CellAt(row)); }
    void SetString(int row, const std::string& text) override;
    bool IsControlColumn() const override { return true; }
    std::unique_ptr<TColumn> CloneSettings() const override;

    std::vector<std::string> Names;

protected:
    std::int32_t DefaultCell() const override { return 1; }
};

class TIntColumn : public TVectorColumn<std::int32_t> {
public:
    TIntColumn(std::vector<std::string> headings, std::int32_t defaultValue = 0,
               std::int32_t minimum = INT32_MIN, std::int32_t maximum = INT32_MAX)
        : TVectorColumn(std::move(headings)), Default(defaultValue), Minimum(minimum), Maximum(maximum) {}
    int TypeCode() const override { return 1; }
    std::int32_t AsInteger(int row) const override { return CellAt(row); }
    double AsFloat(int row) const override { return CellAt(row); }
    void SetInteger(int row, std::int32_t value) override;
    void SetFloat(int row, double value) override;
    std::string AsString(int row) const override { return std::to_string(CellAt(row)); }
    void SetString(int row, const std::string& text) override;
    std::unique_ptr<TColumn> CloneSettings() const override;

    std::int32_t Default;
    std::int32_t Minimum;
    std::int32_t Maximum;

protected:
    std::int32_t DefaultCell() const override { return Default; }
};

class TFloatColumn : public TVectorColumn<double> {
public:
    TFloatColumn(std::vector<std::string> headings, std::string unitCode = "", double defaultValue = 0.0)
        : TVectorColumn(std::move(headings)), UnitCode(std::move(unitCode)), Default(defaultValue) {}
    int TypeCode() const override { return 2; }
    double AsFloat(int row) const override { return CellAt(row); }
    void SetFloat(int row, double value) override;
    std::string AsString(int row) const override;
    void SetString(int row, const std::string& text) override;
    void SetUnits(int oldSystem, int newSystem) override;
    std::unique_ptr<TColumn> CloneSettings() const override;

    std::string UnitCode;
    double Default;
    bool TopDepth = false;

protected:
    double DefaultCell() const override { return Default; }
};

// Each row owns a nested table built from the template that belongs to the row's code in the
// enumeration column at index 0 of the same table.
class TTableColumn : public TColumn {
public:
    TTableColumn(std::vector<std::string> headings, std::vector<int> templateIdentifiers)
        : TColumn(std::move(headings)), TemplateIdentifiers(std::move(templateIdentifiers)) {}
    TTableColumn(const TTableColumn& other) : TColumn(other), TemplateIdentifiers(other.TemplateIdentifiers) {}
    int TypeCode() const override { return 3; }
    int RowCount() const override { return static_cast<int>(tables_.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRow(int at) override;
    // The row's nested table; a row whose code has no template has none ("Data of wrong type").
    TGridTable& AsTable(int row) const override;
    bool HasTable(int row) const;
    std::string AsString(int row) const override;
    bool Changed() const override;
    void ResetChanged() override;
    void SetUnits(int oldSystem, int newSystem) override;
    bool IsControlColumn() const override { return true; }
    std::unique_ptr<TColumn> CloneSettings() const override;

    // Builds a fresh nested table for the row from the template of the row's current code.
    void Rebuild(int row);
    // Numbers every nested table by its row (from 1).
    void Renumber();

    std::vector<int> TemplateIdentifiers;

private:
    std::unique_ptr<TGridTable> BuildFor(int row) const;
    std::vector<std::unique_ptr<TGridTable>> tables_;
};

class TStringColumn : public TVectorColumn<std::string> {
public:
    TStringColumn(std::vector<std::string> headings, std::string defaultText = "", double number = 0.0)
        : TVectorColumn(std::move(headings)), DefaultText(std::move(defaultText)), Number(number) {}
    int TypeCode() const override { return 4; }
    std::string AsString(int row) const override { return CellAt(row); }
    void SetString(int row, const std::string& text) override;
    std::unique_ptr<TColumn> CloneSettings() const override;

    std::string DefaultText;
    double Number;

protected:
    std::string DefaultCell() const override { return DefaultText; }
};

// Makes an empty column of the kind with the given type code (nullptr for an unknown code).
std::unique_ptr<TColumn> CreateColumnOfType(int typeCode);
