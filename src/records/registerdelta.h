#pragma once

#include <QByteArray>

// What a later read of the unit's event register holds that an earlier one did not: the
// 8-byte entries beyond those of the earlier read (compared as a multiset, so that a register
// that wrapped and dropped its oldest entries still counts only what is new).
namespace RegisterDelta {

QByteArray newEntries(const QByteArray &before, const QByteArray &after);
// True when every entry is the unit's own note that its register was read: reading it again
// to check for news always adds one.
bool onlyReadNotes(const QByteArray &entries);

} // namespace RegisterDelta
