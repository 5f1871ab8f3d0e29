#include "enumlist.h"

#include <map>
#include <memory>

namespace {
// Owning storage: a function-local static is destroyed at exit, so the lists do not show up
// as leaks, and nothing outside may delete a registered list.
std::map<int, std::unique_ptr<EnumList>> &registry()
{
    static std::map<int, std::unique_ptr<EnumList>> lists;
    return lists;
}
} // namespace

EnumList::EnumList(QObject *parent) : QObject(parent) {}

void EnumList::registerList(EnumList *list)
{
    if (!list)
        return;
    std::unique_ptr<EnumList> &slot = registry()[list->id()];
    if (slot.get() == list)
        return;
    slot.reset(list);
}

void EnumList::unregisterList(int id)
{
    registry().erase(id);
}

EnumList *EnumList::find(int id)
{
    const auto &lists = registry();
    const auto it = lists.find(id);
    return it == lists.end() ? nullptr : it->second.get();
}

bool EnumList::isRegistered(int id)
{
    return registry().count(id) != 0;
}
