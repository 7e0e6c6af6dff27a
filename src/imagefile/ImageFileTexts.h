#pragma once
// The texts of the image file choosers.

constexpr const char* CHOOSER_TITLE = "Navegador de ficheros para imagen";
constexpr const char* CHOOSER_FILTER_NAME = "Imagenes";
constexpr const char* CHOOSER_FILTER_PATTERN = "*.bmp";
constexpr const char* CHOOSER_DEFAULT_EXTENSION = "bmp";
