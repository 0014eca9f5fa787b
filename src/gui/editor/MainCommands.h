#pragma once
// Every command of the main window, one QAction each, named (objectName) after its menu item or
// toolbar button. MainWindow::buildCommands makes them all and wires each to what it runs; the
// menus, the toolbar and the element menu only place them.
class QAction;

namespace tarvel {

struct MainCommands {
    // "Archivo"
    QAction* newProgram = nullptr;  // mnuFileNuevo
    QAction* open = nullptr;        // mnuFileAbrir
    QAction* save = nullptr;        // mnuFileGuardar
    QAction* saveAs = nullptr;      // mnuFileGuardarComo
    QAction* exportImage = nullptr; // mnuFileExportar
    QAction* print = nullptr;       // mnuFileImprimir
    QAction* tester = nullptr;      // mnuTester
    QAction* quit = nullptr;        // mnuFileSalir
    // "Edicion"
    QAction* undo = nullptr;   // mnuEditDeshacer
    QAction* redo = nullptr;   // mnuEditRehacer
    QAction* remove = nullptr; // mnuEditEliminar
    // "Compilacion"
    QAction* compile = nullptr;        // mnuTextCompilar
    QAction* compileSendRun = nullptr; // mnuTextCompiGrabar
    QAction* editSource = nullptr;     // mnuEditSource
    // "Conexion"
    QAction* connectBrick = nullptr;   // mnuTextConect
    QAction* send = nullptr;           // mnuTextGrabar
    QAction* runProgram = nullptr;     // mnuTextExe
    QAction* turnOff = nullptr;        // mnuTextTurnOff
    QAction* monitor = nullptr;        // mnuTextMonitor
    QAction* console = nullptr;        // mnuTextConsola
    QAction* simulator = nullptr;      // mnuTextSimulador
    QAction* simulatedBrick = nullptr; // mnuSimulatedBrick (checkable)
    // "Ayuda"
    QAction* webPage = nullptr;      // mnuTextGoWeb
    QAction* help = nullptr;         // mnuTextAyuda
    QAction* advancedHelp = nullptr; // mnuTextAyudaAdvance
    QAction* about = nullptr;        // mnuTextAcercaDe
    // "Configuracion", on the menu bar itself
    QAction* settings = nullptr; // mnuConfig
    // The element menu of a cell
    QAction* elementDelete = nullptr;      // mnuGrafoEliminar
    QAction* elementModify = nullptr;      // mnuGrafoModificar
    QAction* elementReplace = nullptr;     // mnuGrafoReemplazar
    QAction* elementInsert = nullptr;      // mnuGrafoInsert
    QAction* elementInsertSpace = nullptr; // mnuGrafoInsEsp
    QAction* elementHelp = nullptr;        // mnuGrafoAyuda
    // The toolbar's buttons (their captions and a few behaviours differ from the menu items')
    QAction* toolNew = nullptr;         // New
    QAction* toolOpen = nullptr;        // Open
    QAction* toolSave = nullptr;        // Save
    QAction* toolRun = nullptr;         // Run
    QAction* toolCompile = nullptr;     // Compi
    QAction* toolSend = nullptr;        // Send
    QAction* toolCompileSend = nullptr; // CompiSend
    QAction* toolConnect = nullptr;     // Conect
    QAction* toolMonitor = nullptr;     // Monitor
    QAction* toolConsole = nullptr;     // Consola
    QAction* toolSimulator = nullptr;   // Simulador
};

} // namespace tarvel
