#include "enumlist.h"

namespace {
QHash<int, EnumList *> &registry()
{
    static QHash<int, EnumList *> lists;
    return lists;
}
} // namespace

EnumList::EnumList(QObject *parent) : QObject(parent) {}

void EnumList::registerList(EnumList *list)
{
    auto &lists = registry();
    EnumList *previous = lists.value(list->id(), nullptr);
    if (previous == list)
        return;
    lists.insert(list->id(), list);
    delete previous;
}

EnumList *EnumList::find(int id)
{
    return registry().value(id, nullptr);
}

bool EnumList::isRegistered(int id)
{
    return registry().contains(id);
}
