#pragma once
// The menu package: the four files the wizard leaves in the output folder.

#include "package/line_file.h"
#include "package/text_ops.h"

extern const char* const headerNotice;    // the maker's rights notice
extern const char* const headerAddress;   // the maker's web address
extern const char* const makerDomain;     // what the player's label shows of it
const int settingsHeaderLineCount = 5;
extern const char* const settingsHeader[settingsHeaderLineCount];

// Each file's name as joined to the output folder.
extern const char* const playerSuffix;    // "\VYRrun.exe"
extern const char* const settingsSuffix;  // "\VYRrun.shi"
extern const char* const autoplaySuffix;  // "\autorun.inf"
extern const char* const iconSuffix;      // "\VYR.ico"

ByteBlock playerBlock();
ByteBlock settingsTemplateBlock();
ByteBlock autoplayBlock();
ByteBlock defaultIconBlock();

void writePackageSkeleton(const Text& folder);
void writePackageIcon(const Text& folder, const Text& chosenIcon);
void removePackage(const Text& folder);
