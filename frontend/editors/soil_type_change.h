#pragma once
// What a layer keeps when its soil type changes. The layer's data table is rebuilt for the new
// type; values that both types hold are carried over at the top and at the bottom of the layer.
class TProjectTables;

// Changes the soil type of layer `layer` (0-based row of D) to `newType` (1 sand, 2 clay,
// 3 silt). Kept: the effective unit weight and the two user-specified unit values always;
// friction angle, blow counts and Ko between sand and silt; the undrained shear strength
// between clay and silt. Everything else of the new type starts at its defaults. Setting the
// type a layer already has changes nothing.
void ChangeSoilType(TProjectTables& tables, int layer, int newType);

// Turns every silt layer of D into a sand layer (keeping what sand and silt share).
void ConvertSiltLayersToSand(TProjectTables& tables);
