#pragma once
// Where the block size is kept: a settings file beside the executable (or
// the user's own copy of it, see SettingsPath.h), and the limits of what is
// read from it.

#include <cstddef>

constexpr const char* SETTINGS_FILE_NAME = "Configuracion.ini";
constexpr const char* SETTINGS_SECTION = "Multiple";
constexpr const char* SETTINGS_KEY_WIDTH = "ancho";
constexpr const char* SETTINGS_KEY_HEIGHT = "alto";
constexpr const char* SETTINGS_DEFAULT_VALUE = "3";

// The two actions of BlockSizeSettings, compared byte for byte.
constexpr const char* SETTINGS_ACTION_GET = "get";
constexpr const char* SETTINGS_ACTION_SAVE = "save";

// At most this many characters of a value are read; the rest is ignored.
constexpr std::size_t SETTINGS_VALUE_MAX_LENGTH = 259;

// A settings file is a few lines long. Of a larger file only this much is
// read, and such a file is never rewritten, so nothing beyond it is lost.
constexpr std::size_t SETTINGS_FILE_SIZE_LIMIT = 1024 * 1024;

// Lines the writer adds end like this when the file has no line of its own
// to copy the ending from.
constexpr const char* SETTINGS_NEW_LINE = "\r\n";
