// The glyphs of code page 437, shared by every backend that draws them.
#pragma once

#include <string>

char32_t Cp437NaarUnicode(unsigned char teken);
// An ASCII look-alike ('|', '-', '+', '^', 'v', '>', '<', '.') for terminals without UTF-8.
char Cp437NaarAscii(unsigned char teken);
void VoegUtf8Toe(std::string& doel, char32_t c);
// The code points of UTF-8 text; a byte that starts no valid sequence counts
// as itself.
std::u32string Utf8NaarCodePunten(const std::string& tekst);
