#include "project/grid_column.h"

#include "project/assign_error.h"
#include "project/grid_table.h"

void TColumn::WrongType() { throw EAssignError("Data of wrong type"); }

TGridTable& TColumn::AsTable(int) const { WrongType(); }
double TColumn::AsFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, double) { WrongType(); }
std::int32_t TColumn::AsInteger(int) const { WrongType(); }
void TColumn::SetInteger(int, std::int32_t) { WrongType(); }
void TColumn::SetString(int, const std::string&) { WrongType(); }
void TColumn::SetUnits(int, int) {}

