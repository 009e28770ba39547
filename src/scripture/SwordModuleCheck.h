#pragma once

#include <QString>

// Checks a Bible module's data files before SWORD reads them: SWORD trusts its index files
// and reads past the end of a truncated or damaged data file. For the compressed (zText) and
// plain (RawText) drivers every index entry must point inside its data file; a testament
// whose files are all missing is no damage (the version lacks it). Other drivers pass.
class SwordModuleCheck
{
public:
    // Empty when the files are sound; otherwise what is wrong, naming the file.
    static QString damage(const QString &driver, const QString &dataFolder);
    // Deeper, for when a passage came out empty: every zlib block of a compressed module's
    // testament (1 or 2) must unpack to its recorded size. Empty when it does (or when the
    // module is not a zlib-compressed one).
    static QString unreadableData(const QString &driver, const QString &compression,
        const QString &dataFolder, int testament);
};
