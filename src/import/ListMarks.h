#pragma once

#include <QString>

// List numbers as word processors print them: 1, 01, IV, iv, D, d, and letters past Z as Word
// prints them (AA, BB, …).
namespace ListMarks {

enum class Format {
    Decimal,
    DecimalZero,
    UpperRoman,
    LowerRoman,
    UpperLetter,
    LowerLetter,
    Bullet,
    None
};

QString number(int value, Format format);
// Word's w:numFmt values ("decimal", "upperRoman", "bullet", …); unknown ones count as decimal.
Format fromWord(QStringView numFmt);
// OpenDocument's style:num-format ("1", "I", "i", "A", "a", "" for none).
Format fromOdf(QStringView numFormat);
// A bullet as printed: the symbol fonts' private characters (Word's Symbol and Wingdings
// bullets) read as "•"; an empty bullet too.
QString bullet(const QString &character);

} // namespace ListMarks
