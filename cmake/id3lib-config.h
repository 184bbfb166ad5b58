/* config.h for id3lib 3.8.3 built for Windows: stands in for the one its configure script
   would generate, which cannot run under the cross compiler. Only the macros the library
   sources test are set. */
#ifndef CORVELLA_ID3LIB_CONFIG_H
#define CORVELLA_ID3LIB_CONFIG_H

#define _ID3LIB_NAME "id3lib"
#define _ID3LIB_VERSION "3.8.3"
#define _ID3LIB_FULLNAME "id3lib-3.8.3"
#define _ID3LIB_MAJOR_VERSION 3
#define _ID3LIB_MINOR_VERSION 8
#define _ID3LIB_PATCH_VERSION 3
#define _ID3LIB_INTERFACE_AGE 0
#define _ID3LIB_BINARY_AGE 0

#define HAVE_BITSET 1

/* HAVE_MKSTEMP stays undefined, even as 0: the sources test it with "#if !defined", so any
   definition selects the POSIX way of rewriting a file, which fails on Windows.
   HAVE_ICONV_H stays undefined too: MinGW has no iconv, and the library falls back on its own
   Latin-1/UTF-16 conversion. */

/* The library's debug trace hooks, unused in this build. */
#define ID3D_NOTICE(x)
#define ID3D_WARNING(x)

#endif
