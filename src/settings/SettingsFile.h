#pragma once
// Where the block size is kept: a settings file beside the executable.

constexpr const char* SETTINGS_FILE_NAME = "Configuracion.ini";
constexpr const char* SETTINGS_SECTION = "Multiple";
constexpr const char* SETTINGS_KEY_WIDTH = "ancho";
constexpr const char* SETTINGS_KEY_HEIGHT = "alto";
constexpr const char* SETTINGS_DEFAULT_VALUE = "3";
