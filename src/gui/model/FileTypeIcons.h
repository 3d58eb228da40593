// FileTypeIcons.h: the small icon of a file type, chosen by a file name's
// extension (a name starting with "." is itself the extension), looked up once
// per extension for the program's lifetime; and the fixed icons of the lists.
#pragma once

#include <QIcon>
#include <QString>

namespace quor {

// Icon for the extension of `fileName`; a null icon for an empty name.
QIcon FileTypeIcon(const QString& fileName);
// One of the few fixed icons (3 is the generic document icon).
QIcon FixedIcon(int number);

} // namespace quor
