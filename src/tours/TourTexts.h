#pragma once
// Captions and messages of the path and melody editors, as Windows-1252 bytes.
#include "model/SpanishText.h"

#include <string>

namespace tarvel::tourText {

inline const std::string pathCaption = std::string("Herramienta para Dise") + cp::nTilde + "ar Recorridos";
inline const std::string modifySuffix = " [Modificar]";
inline const std::string melodyCaption = "Herramienta para Crear Melodias";
inline const std::string lightOn = "Luz: Encendida";
inline const std::string lightOff = "Luz: Apagada";

} // namespace tarvel::tourText
