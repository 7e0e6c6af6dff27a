#pragma once
// Every text of the settings dialog that the user sees, in one place.

constexpr const char* SETTINGS_DIALOG_TITLE = "Configuración";
constexpr const char* SIZE_CAPTION_TEXT = "Tamaño de relleno en píxeles";
constexpr const char* WIDTH_LABEL_TEXT = "Ancho";
constexpr const char* HEIGHT_LABEL_TEXT = "Alto";
constexpr const char* EXIT_BUTTON_TEXT = "Salir";
