// String table ids of the phone book's messages (caption "Telvane Error" unless noted).
#pragma once

namespace telvane::phonebook {

inline constexpr int kStrConfirmDelete =
    14;  // "Do you really want to delete this entry?" (Telvane)
inline constexpr int kStrMaximumEntries = 22;      // "Maximum entries reached!"
inline constexpr int kStrAlreadyInRedbook = 23;    // "Entry already in Redbook"
inline constexpr int kStrCantModify = 24;          // "Can't modify entry"
inline constexpr int kStrCantOpenExportFile = 25;  // "Can't open export file"
inline constexpr int kStrNameTooLong = 26;         // "Maximum length of name exceeded!"
inline constexpr int kStrEnterName = 27;           // "Please enter a name"
inline constexpr int kStrNumberTooLong = 28;       // "Maximum length of number exceeded!"
inline constexpr int kStrEnterNumber = 29;         // "Please enter a telephone number"
inline constexpr int kStrNoFreeEntry = 32;         // "No free entry found"
inline constexpr int kStrEntryNotFound = 46;       // "Entry not found"
inline constexpr int kStrInvalidPin2 = 47;         // "Invalid PIN2"
inline constexpr int kStrPin2Rejected = 48;        // "PIN2 was rejected"
inline constexpr int kStrCantWriteNew = 49;        // "Can't write new entry"
inline constexpr int kStrCantDelete = 50;          // "Can't delete entry"
inline constexpr int kStrEntryExists = 73;         // "Entry already exists"
inline constexpr int kStrOverwrite = 76;           // "Overwrite existing entries?" (Telvane)
inline constexpr int kStrEnterTPref = 77;          // "Please enter a normalisation string ..."
inline constexpr int kStrConfirmDeleteBook =
    80;                                   // "Shall the whole phonebook be deleted?" (Telvane)
inline constexpr int kStrReadError = 98;  // "Read error COM-port"

}  // namespace telvane::phonebook
