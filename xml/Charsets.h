// Charset names to Windows code pages.
#ifndef VELMORA_CHARSETS_H
#define VELMORA_CHARSETS_H

// 0 when the name is absent or not recognised.
unsigned long CharsetToCodePage(const char* name);
bool IsKnownCharset(const char* name);
int GetCharsetNameCount();

#endif // VELMORA_CHARSETS_H
