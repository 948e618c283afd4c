#include "project/table_registry.h"

#include <algorithm>

int TTableRegistry::Register(TGridTable* table)
{
    while (Find(counter_) != nullptr) ++counter_;
    entries_.push_back({table, counter_});
    return counter_++;
}

void TTableRegistry::Unregister(TGridTable* table)
{
    std::erase_if(entries_, [table](const TEntry& entry) { return entry.Table == table; });
}

void TTableRegistry::ChangeIdentifier(TGridTable* table, int identifier)
{
    auto self = std::find_if(entries_.begin(), entries_.end(), [table](const TEntry& e) { return e.Table == table; });
    if (self == entries_.end() || self->Identifier == identifier) return;
    for (auto& entry : entries_)
        if (entry.Identifier == identifier) entry.Identifier = self->Identifier;
    self->Identifier = identifier;
}

TGridTable* TTableRegistry::Find(int identifier) const
{
    for (const auto& entry : entries_)
        if (entry.Identifier == identifier) return entry.Table;
    return nullptr;
}

int TTableRegistry::IdentifierOf(const TGridTable* table) const
{
    for (const auto& entry : entries_)
        if (entry.Table == table) return entry.Identifier;
    return -1;
}
