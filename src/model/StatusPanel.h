#pragma once
// The main window's status panels, numbered as they stand on the status bar from the left.

namespace tarvel {

enum class StatusPanel {
    Port = 1,          // "USB" or "SIM"
    Brick = 2,         // "Ladrillo: ..."
    Library = 3,       // "Libreria: J2A1"
    Objects = 4,       // "Objetos: visible/total"
    Memory = 5,        // "Memoria: used/available"
    EditorMode = 6,    // "Editor: Normal"
    CancelPending = 7, // "Cancelar Insertar": shown while an insertion or a replacement waits
};

} // namespace tarvel
