#include "project/project_tables.h"

#include "project/grid_column_kinds.h"

namespace {

using Lines = std::vector<std::string>;

void BuildLayerTemplate(TGridTable& table, int identifier, const char* caption)
{
    table.SetIdentifier(identifier);
    table.Caption = caption;
    table.SetMinRows(2);
    table.MaxRows = 2;
    table.HardwiredButton = true;
    table.TopLeft = "Location, 1=Top, 2=Bottom";
}

void BuildSand(TGridTable& t)
{
    BuildLayerTemplate(t, 1, "Sand Layer Data");
    t.AddColumn<TFloatColumn>(Lines{"Effective Unit ", "Weight,"}, "F/L2^3");
    t.AddColumn<TFloatColumn>(Lines{"Friction ", "Angle (Deg.)"});
    t.AddColumn<TIntColumn>(Lines{"Blow Counts ", "(optional)"}, 0, 0, 100);
    t.AddColumn<TFloatColumn>(Lines{"Ko  "});
    t.AddColumn<TFloatColumn>(Lines{"Bearing Capacity ", "Factor, Nq (API)"});
    t.AddColumn<TFloatColumn>(Lines{"Qc from CPT", "(optional), "}, "F/L2^2").Visible = false;
    t.AddColumn<TFloatColumn>(Lines{"Unit Skin Friction", "(user specified), "}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Unit End Baering", "(user Specified),"}, "F/L2^2");
}

void BuildClay(TGridTable& t)
{
    BuildLayerTemplate(t, 2, "Clay Layer Data");
    t.AddColumn<TFloatColumn>(Lines{"Effective Unit ", "Weight,"}, "F/L2^3");
    t.AddColumn<TFloatColumn>(Lines{"Undrained Shear", "Strength,"}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Remolded Shear ", "Strength,"}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Plastic Index (PI)", "(optional), %"});
    t.AddColumn<TFloatColumn>(Lines{"Yield Stress Ratio", "YSR (optional), "});
    t.AddColumn<TFloatColumn>(Lines{"Qc from CPT", "(optional],"}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Unit Skin Friction", "(user specified),"}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Unit End Bearing", "(user specified),"}, "F/L2^2");
}

void BuildSilt(TGridTable& t)
{
    BuildLayerTemplate(t, 19, "Silt Layer Data");
    t.AddColumn<TFloatColumn>(Lines{"Effective Unit ", "Weight,"}, "F/L2^3");
    t.AddColumn<TFloatColumn>(Lines{"Friction ", "Angle (Deg.)"});
    t.AddColumn<TIntColumn>(Lines{"Blow Counts ", "(optional)"}, 0, 0, 100);
    t.AddColumn<TFloatColumn>(Lines{"Ko  "});
    t.AddColumn<TFloatColumn>(Lines{"Undrained Shear", "Strength,"}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Dummy"});
    t.AddColumn<TFloatColumn>(Lines{"Unit Skin Friction", "(user specified),"}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Unit End Bearing", "(user specified),", ""}, "F/L2^2");
}

void BuildLayers(TGridTable& t)
{
    t.SetIdentifier(10);
    t.Caption = "Soil Properties";
    t.SetMinRows(1);
    t.MaxRows = 40;
    t.TopLeft = "Layer";
    t.HardwiredButton = false;
    t.AddColumn<TEnumColumn>(Lines{"Soil Type"}, Lines{"sand", "clay", "silt"});
    t.AddColumn<TFloatColumn>(Lines{"Depth at Bottom ", "of each Layer"}, "L2");
    t.AddColumn<TTableColumn>(Lines{"Layer Data"}, std::vector<int>{1, 2, 19});
    t.AddColumn<TFloatColumn>(Lines{"Max. Side Friction", ""}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Max. End Bearing", ""}, "F/L2^2");
    t.AddColumn<TFloatColumn>(Lines{"Reduction/Resistance ", "Factors on Side Friction"}, "", 1.0);
    t.AddColumn<TFloatColumn>(Lines{"Reduction/Resistance ", "Factors on End Bearing"}, "", 1.0);
}

void BuildTZDepths(TGridTable& t)
{
    t.SetIdentifier(0);
    t.Caption = "Depths for Internally-generated t-z curves";
    t.SetMinRows(1);
    t.MaxRows = 0;
    t.HardwiredButton = true;
    t.AddColumn<TFloatColumn>(Lines{"Depth below the ground", "surface"}, "L2");
}

void BuildSections(TGridTable& t)
{
    t.SetIdentifier(46);
    t.Caption = "Cross Section Area";
    t.SetMinRows(2);
    t.MaxRows = 100;
    t.HardwiredButton = false;
    t.AddColumn<TFloatColumn>(Lines{"Distance from ", "pile head,"}, "L2");
    t.AddColumn<TFloatColumn>(Lines{"Cross section area,"}, "L^2");
}

void BuildSoilProfile(TGridTable& t)
{
    t.SetIdentifier(209);
    t.Caption = "Soil Profile";
    t.SetMinRows(1);
    t.AddColumn<TIntColumn>(Lines{"Layer Number"});
    t.AddColumn<TFloatColumn>(Lines{"Depth"});
}

void BuildClay2(TGridTable& t)
{
    t.SetIdentifier(6);
    t.SetMinRows(2);
    t.MaxRows = 2;
    t.AddColumn<TFloatColumn>(Lines{"Effective Unit Weight"});
    t.AddColumn<TFloatColumn>(Lines{"Cohesive strength"});
    t.AddColumn<TFloatColumn>(Lines{"Remold strength"});
    t.AddColumn<TFloatColumn>(Lines{"PI"});
    t.AddColumn<TFloatColumn>(Lines{"YSR"});
    t.AddColumn<TFloatColumn>(Lines{"Qc"});
    t.AddColumn<TFloatColumn>(Lines{"Unit Side Friction", "(user specified)"});
    t.AddColumn<TFloatColumn>(Lines{"Unit End Bearing", "(user specified)"});
}

} // namespace

TProjectTables::TProjectTables()
    : tblDataSand(Registry), tblDataClay(Registry), tblDataSilt(Registry), D(Registry), TblTZDepth(Registry),
      Sectionaldata(Registry), SoilProfile(Registry), tblClay2(Registry)
{
    BuildSand(tblDataSand);
    BuildClay(tblDataClay);
    BuildSilt(tblDataSilt);
    BuildLayers(D);
    BuildTZDepths(TblTZDepth);
    BuildSections(Sectionaldata);
    BuildSoilProfile(SoilProfile);
    BuildClay2(tblClay2);
    Reset();
}

std::vector<TGridTable*> TProjectTables::All()
{
    return {&tblDataSand, &tblDataClay, &tblDataSilt, &D, &TblTZDepth, &Sectionaldata, &SoilProfile, &tblClay2};
}

void TProjectTables::Reset()
{
    for (TGridTable* table : All()) {
        table->SetRowCount(0);
        table->SetRowCount(table->MinRows());
        table->ResetChanged();
    }
}

void TProjectTables::FillToMinimum()
{
    for (TGridTable* table : All()) table->FillToMinimum();
}

void TProjectTables::SetUnits(int system)
{
    for (TGridTable* table : All()) table->SetUnits(system);
}

bool TProjectTables::Changed()
{
    for (TGridTable* table : All())
        if (table->Changed()) return true;
    return false;
}

void TProjectTables::ResetChanged()
{
    for (TGridTable* table : All()) table->ResetChanged();
}
