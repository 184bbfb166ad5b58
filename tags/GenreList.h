#pragma once
// The genre box's entries and how a genre number read from a tag maps onto them.

// The entries in index order: the ID3v1 genres 0 to 79, then "None".
const int kGenreEntryCount = 81;
extern const char* const kGenreEntries[kGenreEntryCount];
const int kGenreNone = kGenreEntryCount - 1;

// The entry that shows a genre number read from a tag. 255 is id3lib's "no genre" and shows "None";
// any other number n shows entry n, so numbers past "None" select nothing.
int GenreToIndex(int number);
