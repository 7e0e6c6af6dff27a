#pragma once
// Every text of the application shell that the user sees, in one place.

constexpr const char* MESSAGE_CAPTION = "Programador";
constexpr const char* LINE_BREAK = "\r\n";

constexpr const char* TOO_LARGE_LINE_1 = "La imagen bitmap no puede ser mayor a : ";
constexpr const char* TOO_LARGE_LINE_2 = "500 x 500";
constexpr const char* UNREADABLE_LINE_1 = "La imagen bitmap no se puede leer : ";
constexpr const char* APOLOGY_LINE = "Disculpen ...";

constexpr const char* CHOOSER_TITLE = "Navegador de ficheros para imagen";
constexpr const char* CHOOSER_FILTER_NAME = "Imagenes";
constexpr const char* CHOOSER_FILTER_PATTERN = "*.bmp";
constexpr const char* CHOOSER_DEFAULT_EXTENSION = "bmp";
