#pragma once
// Bytes embedded at build time: the built player and the default icon.

extern const unsigned char playerBlockBytes[];
extern const unsigned playerBlockSize;
extern const unsigned char defaultIconBytes[];
extern const unsigned defaultIconSize;
