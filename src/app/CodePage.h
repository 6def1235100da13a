#pragma once
// The program's texts are in code page 936 (GBK). Bytes 0x81 to 0xFE lead a double-byte
// character, whose second byte may look like ASCII (a backslash, a capital letter); 0x80 is the
// euro sign, a character of one byte, as is 0xFF.

constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
