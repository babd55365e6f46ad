#pragma once
// The CP1251 code page both ways. The tables are built once from the
// toolkit's own decoder, so reading and writing agree with each other and
// with every file read before.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace win1251 {

// The character a byte stands for (a byte the code page leaves undefined
// reads as whatever the decoder makes of it).
char16_t to_unicode(unsigned char byte);
// The byte for a character, or -1 when the code page has none.
int from_unicode(char16_t c);

QString decode(QByteArrayView bytes);
// Appends the bytes of a text that holds only characters the code page has
// (from_unicode(c) >= 0 for each); anything else becomes '?'.
void append_encoded(QByteArray &out, QStringView text);

} // namespace win1251
