// edit: change a program with the editing operations of the windows.
#include "cli/CliLibrary.h"
#include "cli/CliSupport.h"

#include "editing/EditScript.h"
#include "model/Cp1252.h"
#include "model/ProgramFile.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace tarvel::cli {

void addEditCommands(CLI::App& app, int& exitCode)
{
    auto* edit = app.add_subcommand("edit", "Cambia un programa con las operaciones del editor");
    edit->footer("Operaciones:\n"
                 "  add SEQ F,S,O,A1,A2,A3[,NOMBRE]          agrega un elemento al final de la secuencia SEQ\n"
                 "  insert SEQ INDICE F,S,O,A1,A2,A3[,NOMBRE] inserta antes del elemento INDICE\n"
                 "  replace SEQ INDICE ELEMENTO              reemplaza el elemento INDICE\n"
                 "  modify SEQ INDICE ELEMENTO               modifica el elemento INDICE\n"
                 "  delete SEQ INDICE                        elimina (INDICE 0 de una subrutina la elimina entera)\n"
                 "  space SEQ INDICE                         inserta un espacio\n"
                 "  sub NOMBRE                               crea una subrutina\n"
                 "  new                                      un programa nuevo\n"
                 "SEQ es 0 para el programa principal y 1..8 para una subrutina; PROGRAMA puede ser \"-\".");
    struct EditArgs {
        std::string path, out;
        bool json = false;
        LibraryOption lib;
        std::vector<std::string> words;
    };
    auto a = std::make_shared<EditArgs>();
    a->lib.add(*edit);
    edit->add_option("PROGRAM", a->path, "Programa (.gtf), o - para uno nuevo")->required();
    edit->add_option("--out", a->out, "Donde guardar el programa cambiado");
    edit->add_flag("--json", a->json, "Salida JSON");
    edit->add_option("OP", a->words, "Operaciones")->required();
    edit->callback([a, &exitCode] {
        std::vector<std::string> words;
        for (const auto& w : a->words)
            words.push_back(utf8ToCp1252(w));
        const EditScriptParse parse = parseEditScript(words);
        if (!parse.error.empty()) {
            std::cerr << "Operacion mal escrita: " << utf8(parse.error) << '\n';
            exitCode = BadUsage;
            return;
        }
        ProgramStore store;
        EditorState state;
        UndoHistory history;
        const bool syntaxAssistantOff = false;
        ProgramEditor editor(store, state, history, syntaxAssistantOff);
        CompilationLibrary library;
        if (!a->lib.load(library)) {
            exitCode = Refused;
            return;
        }
        store.setElementSizes(library.elementSizeTable);
        if (a->path == "-") {
            editor.newProgram();
        } else {
            const FileOutcome opened = openProgramFile(store, a->path);
            if (!opened.ok) {
                exitCode = fail(utf8(opened.error));
                return;
            }
            numberLoadedIcons(store);
        }
        nlohmann::ordered_json operations = nlohmann::ordered_json::array();
        bool allOk = true;
        int number = 0;
        for (const EditOperation& op : parse.operations) {
            ++number;
            EditResult r = applyEditOperation(editor, store, state, op);
            if (!r.ok && r.message.empty())
                r.message = "El editor no acepto la operacion: no cambio nada del programa";
            allOk = allOk && r.ok;
            operations.push_back({{"op", utf8(op.word)}, {"ok", r.ok}, {"message", utf8(r.message)}});
            if (!a->json)
                std::cout << utf8(op.word) << ": " << (r.ok ? "hecho" : "rechazado")
                          << (r.message.empty() ? "" : " - " + utf8(r.message)) << '\n';
            if (!r.ok)
                std::cerr << "Operacion " << number << " (" << utf8(op.word) << ") rechazada: " << utf8(r.message)
                          << '\n';
        }
        store.activeSequence = 0;
        if (!allOk && !a->out.empty())
            std::cerr << "No se escribio " << a->out << ": una operacion fue rechazada\n";
        if (allOk && !a->out.empty()) {
            if (const std::string error = writeProgram(store, a->out); !error.empty()) {
                exitCode = fail(error);
                return;
            }
        }
        if (a->json)
            printJson({{"operations", operations}, {"program", describeJson(store)}});
        else
            printDescription(store);
        if (!allOk)
            exitCode = Refused;
    });
}

} // namespace tarvel::cli
