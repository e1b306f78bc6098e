#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text files of the program are in Windows-31J (Shift_JIS), the code page of
// the Japanese systems and handsets it serves, on every platform.

// Where a text cannot go into the code page: the first character that does
// not fit (U+FFFD for bytes that could not be read), 1-based line and column.
struct CodePageProblem {
    char32_t character = 0;
    int line = 0;
    int column = 0;
};

// The bytes, or the first problem: a text is never written with question
// marks or other stand-ins in place of what it holds. The JIS forms that
// input methods type (WAVE DASH and the like) become their Windows-31J forms.
struct CodePageBytes {
    QByteArray bytes;
    std::optional<CodePageProblem> problem;
};
CodePageBytes encodeForCodePage(const QString &text);
// Null when the text does not fit (see above).
std::optional<QByteArray> toCodePage(const QString &text);

// Each byte sequence the code page does not know becomes one U+FFFD, so the
// user sees where it was; *ok (if given) tells whether every byte was read.
// The bytes 0x80, 0xA0 and 0xFD to 0xFF read as Windows reads them (U+0080,
// U+F8F0 to U+F8F3), and are written back as those bytes.
QString fromCodePage(const QByteArray &bytes, bool *ok = nullptr);

// Whether the byte starts a two-byte character of the code page.
bool isCodePageLeadByte(uchar byte);

// Bytes another editor may have written in UTF-8: valid UTF-8 with
// characters beyond ASCII. Short Japanese texts in UTF-8 are often valid
// Windows-31J as well ("ハイスコア" reads as "繝上う繧ｹ繧ｳ繧｢").
bool isUtf8Text(const QByteArray &bytes);
// UTF-8 text that is no valid Windows-31J.
bool isUtf8Only(const QByteArray &bytes);

// One line for the user: which character, where, and why it cannot be saved.
QString describeCodePageProblem(const CodePageProblem &problem);
