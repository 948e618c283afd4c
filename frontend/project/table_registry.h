#pragma once
// The list of every grid table of the program, by identifier. Tables register themselves when
// they are made and leave when they are destroyed; nested tables find their templates here.
// The main window owns the one registry.
#include <vector>

class TGridTable;

class TTableRegistry {
public:
    TTableRegistry() = default;
    TTableRegistry(const TTableRegistry&) = delete;
    TTableRegistry& operator=(const TTableRegistry&) = delete;

    // Adds the table and returns its identifier: the running counter, advanced past any
    // identifier another table already holds so that identifiers stay unique.
    int Register(TGridTable* table);
    void Unregister(TGridTable* table);

    // Gives the table a new identifier; a table that already had it takes the table's previous
    // identifier (the two swap).
    void ChangeIdentifier(TGridTable* table, int identifier);

    TGridTable* Find(int identifier) const;
    int IdentifierOf(const TGridTable* table) const;

private:
    struct TEntry {
        TGridTable* Table;
        int Identifier;
    };
    std::vector<TEntry> entries_;
    int counter_ = 0;
};
