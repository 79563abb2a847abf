// Charset names to Windows code pages.
#pragma once

// 0 when the name is absent or not recognised.
unsigned long CharsetToCodePage(const char* name);
bool IsKnownCharset(const char* name);
int GetCharsetNameCount();
