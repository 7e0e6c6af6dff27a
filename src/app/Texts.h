#pragma once
// Every text of the application shell that the user sees, in one place.

constexpr const char* MESSAGE_CAPTION = "Programador";
constexpr const char* LINE_BREAK = "\r\n";

constexpr const char* TOO_LARGE_LINE_1 = "La imagen bitmap no puede ser mayor a : ";
constexpr const char* TOO_LARGE_LINE_2 = "500 x 500";
constexpr const char* UNREADABLE_LINE_1 = "La imagen bitmap no se puede leer : ";
constexpr const char* APOLOGY_LINE = "Disculpen ...";

constexpr const char* MAIN_WINDOW_TITLE = "Velmora - Editor Bitmap ...";
constexpr const char* NO_MAIN_WINDOW_ERROR = "No se pudo crear la ventana del editor.";
constexpr const char* NO_CANVAS_ERROR = "No se pudo crear el lienzo de la ventana del editor.";

constexpr const char* MENU_FILES = "Archivos";
constexpr const char* MENU_SAVE = "Grabar";
constexpr const char* MENU_SEPARATOR = "-";
constexpr const char* MENU_ABOUT = "Autor";
constexpr const char* MENU_OPTIONS = "Opciones";
constexpr const char* MENU_SETTINGS = "Configurador";
constexpr const char* MENU_MOUSE = "Raton";
constexpr const char* MENU_LEFT_BUTTON = "Izquierda";
constexpr const char* MENU_MODE_PAN = "Mover papel";
constexpr const char* MENU_MODE_TRANSPARENT = "Editar Transparencia ";
constexpr const char* MENU_MODE_TRANSPARENT_BLOCK = "Editar Transparencia Multiple";
constexpr const char* MENU_MODE_REAL_COLOUR = "Editar Color Real ";
constexpr const char* MENU_MODE_REAL_COLOUR_BLOCK = "Editar Color Real Multiple";

constexpr const char* SAVED_MESSAGE = "Grabado a bitmap ...";
constexpr const char* SAVE_FAILED_LINE_1 = "No se pudo grabar el bitmap : ";

constexpr const char* ABOUT_LINE_1 = "Creado por : ";
// The maker's web address, until the project has a home page of its own.
constexpr const char* MAKER_WEB_ADDRESS = "https://velmora.example/";
constexpr const char* ABOUT_LINE_4 = "Visítame !!";
