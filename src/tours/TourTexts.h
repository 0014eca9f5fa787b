#pragma once
// Captions and messages of the path and melody editors, marked for the translation files.
#include "model/Text.h"

#include <string>

namespace tarvel::tourText {

inline const char* const pathCaption = QT_TRANSLATE_NOOP("core", "Herramienta para Diseñar Recorridos");
inline const char* const modifiedPathCaption = QT_TRANSLATE_NOOP("core", "Herramienta para Diseñar Recorridos [Modificar]");
inline const char* const melodyCaption = QT_TRANSLATE_NOOP("core", "Herramienta para Crear Melodias");
inline const std::string lightOn = QT_TRANSLATE_NOOP("core", "Luz: Encendida");
inline const std::string lightOff = QT_TRANSLATE_NOOP("core", "Luz: Apagada");

} // namespace tarvel::tourText
