#pragma once

#include <QString>

// The one-way letter substitution under which passwords are stored in tblUsers. Surrounding
// blanks are dropped and letter case is ignored. A character outside the 37 symbols has no
// image; it becomes "?", which no stored password holds, so such a password simply does not
// match (the sign-in's wrong-password path) instead of failing abruptly.
QString PasswordEncode(const QString &typed);
