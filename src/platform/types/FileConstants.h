// The file-access constants that VFile takes, with the platform's values, and the errors that
// file calls leave as the last error.
#pragma once

// Access rights.
constexpr unsigned long GENERIC_READ = 0x80000000ul;
constexpr unsigned long GENERIC_WRITE = 0x40000000ul;

// Creation dispositions.
constexpr unsigned long CREATE_NEW = 1;
constexpr unsigned long CREATE_ALWAYS = 2;
constexpr unsigned long OPEN_EXISTING = 3;
constexpr unsigned long OPEN_ALWAYS = 4;
constexpr unsigned long TRUNCATE_EXISTING = 5;

// Seek origins.
constexpr unsigned long FILE_BEGIN = 0;
constexpr unsigned long FILE_CURRENT = 1;
constexpr unsigned long FILE_END = 2;

// File errors beyond those of WinTypes.h.
constexpr long ERROR_PATH_NOT_FOUND = 3;
constexpr long ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr long ERROR_GEN_FAILURE = 31;
constexpr long ERROR_SHARING_VIOLATION = 32;
constexpr long ERROR_FILE_EXISTS = 80;
constexpr long ERROR_DISK_FULL = 112;
constexpr long ERROR_NEGATIVE_SEEK = 131;
constexpr long ERROR_FILENAME_EXCED_RANGE = 206;
