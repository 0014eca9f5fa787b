#include "editing/ElementKinds.h"

#include "model/SpanishText.h"
#include "model/Text.h"

namespace tarvel {

namespace {

using A = PaletteAction;
using D = DialogId;

// The condition words of the waits on a condition, by subtype 12..16.
std::string conditionWord(int subtype)
{
    switch (subtype) {
    case waits::Light: return QT_TRANSLATE_NOOP("core", "Halla Luz");
    case waits::Touch: return QT_TRANSLATE_NOOP("core", "Este Presionado el Sensor");
    case waits::Remote: return Text(QT_TRANSLATE_NOOP("core", "Halla Señal del Control")).spanish();
    case waits::Sound: return QT_TRANSLATE_NOOP("core", "Halla Sonido");
    case waits::PcMessage: return QT_TRANSLATE_NOOP("core", "Halla Mensaje de la PC");
    default: return {};
    }
}

PaletteItem dialogItem(std::string tooltip, DialogId dialog, int f = 0, int s = 0, std::string action = {},
                       std::string title = {})
{
    return {std::move(tooltip), A::OpenDialog, dialog, f, s, std::move(action), std::move(title), false};
}

std::vector<Palette> makePalettes()
{
    std::vector<Palette> all;
    all.push_back({"subToolMotores", "imgSubToolMotores", "imlstMotores", QT_TRANSLATE_NOOP("core", "Operacion de Motor"), QT_TRANSLATE_NOOP("core", "Motores"),
                   {
                       dialogItem(QT_TRANSLATE_NOOP("core", "Encender Motor(es) en Sentido de Avance"), D::MotoresBasico, family::Motors, motors::Forward, QT_TRANSLATE_NOOP("core", "Encender"),
                                  QT_TRANSLATE_NOOP("core", "Encender Motor para Avanzar")),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Encender Motor(es) en Sentido de Retroceso"), D::MotoresBasico, family::Motors, motors::Backward, QT_TRANSLATE_NOOP("core", "Encender"),
                                  QT_TRANSLATE_NOOP("core", "Encender Motor para Retroceder")),
                       {QT_TRANSLATE_NOOP("core", "Encender Motores en Sentido de Giro a Izquierda (para Vehiculos)"), A::InsertAtOnce, D::None,
                        family::Motors, motors::TurnLeft, {}, {}, true},
                       {QT_TRANSLATE_NOOP("core", "Encender Motores en Sentido de Giro a Derecha (para Vehiculos)"), A::InsertAtOnce, D::None,
                        family::Motors, motors::TurnRight, {}, {}, true},
                       {QT_TRANSLATE_NOOP("core", "Encender Motores en Sentido de Giro Anti-Horario (para Vehiculos)"), A::InsertAtOnce, D::None,
                        family::Motors, motors::SpinAnticlockwise, {}, {}, true},
                       {QT_TRANSLATE_NOOP("core", "Encender Motores en Sentido de Giro Horario (para Vehiculos)"), A::InsertAtOnce, D::None,
                        family::Motors, motors::SpinClockwise, {}, {}, true},
                       {QT_TRANSLATE_NOOP("core", "Crear Recorrido"), A::OpenDialog, D::MotorTour, 0, 0, {}, {}, true},
                       dialogItem(QT_TRANSLATE_NOOP("core", "Apagar Motor(es)"), D::MotoresBasico, family::Motors, motors::Stop, QT_TRANSLATE_NOOP("core", "Detener"), QT_TRANSLATE_NOOP("core", "Apagar Motor")),
                   }});
    all.push_back({"subToolSalidas", "imgSubToolSalidas", "imlstSalidas", QT_TRANSLATE_NOOP("core", "Operaciones de Salida"), QT_TRANSLATE_NOOP("core", "Salidas"),
                   {
                       dialogItem(QT_TRANSLATE_NOOP("core", "Encender/Apagar Leds de Display del Ladrillo"), D::SalidaPantalla),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Encender/Apagar Led Externo"), D::SalidaLuces),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Emitir Sonidos"), D::SalidaSonido),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Crear Melodias"), D::SalidaSonidoTour),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Enviar Mensajes a la PC"), D::SalidaMensaje),
                   }});
    all.push_back({"subToolEntradas", "imgSubToolEntradas", "imlstEntradas", QT_TRANSLATE_NOOP("core", "Operaciones de Entrada"), QT_TRANSLATE_NOOP("core", "Entradas"),
                   {
                       dialogItem(QT_TRANSLATE_NOOP("core", "Leer el Sensor de Luz"), D::EntradaLuz),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Leer el Sensor de Tacto"), D::EntradaTacto),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Leer el Sensor de Control Remoto (Infrarrojo)"), D::EntradaControl),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Leer el Microfono (Sonido)"), D::EntradaSonido),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Leer Mensajes del Port Serial (Mensajes de PC)"), D::EntradaMensaje),
                   }});
    all.push_back(
        {"subToolEsperas", "imgSubToolEsperas", "imlstEsperas", QT_TRANSLATE_NOOP("core", "Operaciones de Demora"), QT_TRANSLATE_NOOP("core", "Esperas"),
         {
             dialogItem(QT_TRANSLATE_NOOP("core", "Generar una Demora por Tiempo"), D::EsperaTiempo),
             dialogItem(QT_TRANSLATE_NOOP("core", "Generar un Demora por Estado del Sensor de Luz"), D::EsperaDirecta, 0, waits::Light,
                        conditionWord(waits::Light),
                        QT_TRANSLATE_NOOP("core", "Esperar Iluminacion en el sensor de Luz")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Generar un Demora por Estado del Sensor de Tacto"), D::EsperaDirecta, 0, waits::Touch,
                        conditionWord(waits::Touch),
                        QT_TRANSLATE_NOOP("core", "Esperar Presion en el Sensor de Tacto")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Generar un Demora por Estado del Sensor de Control Remoto"), D::EsperaDirecta, 0, waits::Remote,
                        conditionWord(waits::Remote), Text(QT_TRANSLATE_NOOP("core", "Esperar Señal del Control Remoto")).spanish()),
             dialogItem(QT_TRANSLATE_NOOP("core", "Generar un Demora por Estado del Microfono"), D::EsperaDirecta, 0, waits::Sound,
                        conditionWord(waits::Sound),
                        QT_TRANSLATE_NOOP("core", "Esperar Sonido en el Microfono")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Generar un Demora por Espera de Mensaje de PC"), D::EsperaDirecta, 0, waits::PcMessage,
                        conditionWord(waits::PcMessage),
                        QT_TRANSLATE_NOOP("core", "Esperar Mensaje de la PC")),
         }});
    all.push_back({"subToolCalculo", "imgSubToolCalculo", "imlstCalculo", QT_TRANSLATE_NOOP("core", "Operaciones Logico-Matematicas"),
                   QT_TRANSLATE_NOOP("core", "Calculos"),
                   {
                       dialogItem(QT_TRANSLATE_NOOP("core", "Operaciones Matematicas"), D::CalculoMatematico),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Operaciones Logicas"), D::CalculoLogico),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Movimiento entre Variables"), D::CalculoCarga),
                   }});
    all.push_back(
        {"subToolDecisiones", "imgSubToolDecisiones", "imlstDecisiones", QT_TRANSLATE_NOOP("core", "Bifuraciones de Programa"), QT_TRANSLATE_NOOP("core", "Decisiones"),
         {
             dialogItem(QT_TRANSLATE_NOOP("core", "Bifurcar el Programa segun el Estado del Sensor de Luz"), D::DecisionDirecta, 0, decisions::Light, {},
                        QT_TRANSLATE_NOOP("core", "Decidir por Nivel Sensor de Luz")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Bifurcar el Programa segun el Estado del Sensor de Tacto"), D::DecisionDirecta, 0, decisions::Touch, {},
                        QT_TRANSLATE_NOOP("core", "Decidir por Estado de Sensor de Tacto")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Bifurcar el Programa segun el Estado del Sensor de Control Remoto"), D::DecisionDirecta, 0, decisions::Remote,
                        {}, QT_TRANSLATE_NOOP("core", "Decidir por Estado de Sensor de Control Remoto (Infrarrojo)")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Bifurcar el Programa segun el Estado del Microfono"), D::DecisionDirecta, 0, decisions::Sound, {},
                        QT_TRANSLATE_NOOP("core", "Decidir por Estado de Microfono")),
             dialogItem(QT_TRANSLATE_NOOP("core", "Bifurcar el Programa por Comparacion"), D::DecisionComparar),
             dialogItem(QT_TRANSLATE_NOOP("core", "Bifurcar el Programa segun Estado de Error de Ultima Operacion"), D::DecisionDirecta, 0, decisions::LastError,
                        {}, QT_TRANSLATE_NOOP("core", "Decidir por Estado Error del Ultimo Proceso")),
         }});
    all.push_back({"subToolSaltos", "imgSubToolSaltos", "imlstSaltos", QT_TRANSLATE_NOOP("core", "Saltos y Etiquetas"), QT_TRANSLATE_NOOP("core", "Saltos"),
                   {
                       dialogItem(QT_TRANSLATE_NOOP("core", "Crear una Nueva Etiqueta"), D::SaltoNuevaEtiq),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Saltar a una Etiqueta Existente"), D::SaltoSaltar, 0, structure::Jump, {},
                                  QT_TRANSLATE_NOOP("core", "Saltar a una Etiqueta del Programa")),
                       dialogItem(QT_TRANSLATE_NOOP("core", "Crear una Nueva Subrutina"), D::SaltoNuevaSub),
                       {QT_TRANSLATE_NOOP("core", "Llamar a una Subrutina Existente"), A::CallSubroutine, D::SaltoSaltar, 0, structure::Call, {},
                        QT_TRANSLATE_NOOP("core", "Llamar a un Subrutina"), false},
                       {QT_TRANSLATE_NOOP("core", "Cerrar una Subrutina"), A::CloseSubroutine, D::None, family::Structure,
                        structure::SubroutineEnd, {}, {}, true},
                       dialogItem(QT_TRANSLATE_NOOP("core", "Repetir Saltando a una Etiqueta Existente"), D::SaltosRepetir),
                       {QT_TRANSLATE_NOOP("core", "Terminar Programa"), A::EndProgram, D::SaltoFinProg, 0, 0, {}, {}, false},
                   }});
    return all;
}

} // namespace

const std::vector<Palette>& palettes()
{
    static const std::vector<Palette> all = makePalettes();
    return all;
}

const char* dialogFormName(DialogId id)
{
    switch (id) {
    case D::MotoresBasico: return "formMotoresBasico";
    case D::SalidaLuces: return "formSalidaLuces";
    case D::SalidaPantalla: return "formSalidaPantalla";
    case D::SalidaSonido: return "formSalidaSonido";
    case D::SalidaMensaje: return "formSalidaMensaje";
    case D::EntradaLuz: return "formEntradaLuz";
    case D::EntradaTacto: return "formEntradaTacto";
    case D::EntradaControl: return "formEntradaControl";
    case D::EntradaSonido: return "formEntradaSonido";
    case D::EntradaMensaje: return "formEntradaMensaje";
    case D::EsperaTiempo: return "formEsperaTiempo";
    case D::EsperaDirecta: return "formEsperaDirecta";
    case D::CalculoMatematico: return "formCalculoMatematico";
    case D::CalculoLogico: return "formCalculoLogico";
    case D::CalculoCarga: return "formCalculoCarga";
    case D::DecisionComparar: return "formDecisionComparar";
    case D::DecisionDirecta: return "formDecisionDirecta";
    case D::SaltosRepetir: return "formSaltosRepetir";
    case D::SaltoNuevaEtiq: return "formSaltoNuevaEtiq";
    case D::SaltoSaltar: return "formSaltoSaltar";
    case D::SaltoNuevaSub: return "formSaltoNuevaSub";
    case D::SaltoFinProg: return "formSaltoFinProg";
    case D::MotorTour: return "formMotorTour";
    case D::SalidaSonidoTour: return "formSalidaSonidoTour";
    case D::None: break;
    }
    return "";
}

DialogId dialogFor(const InstructionRecord& r)
{
    const int f = r.family, s = r.subtype;
    switch (f) {
    case family::Motors:
        if (s == motors::Forward || s == motors::Backward || s == motors::Stop)
            return D::MotoresBasico;
        return s == motors::Path ? D::MotorTour : D::None;
    case family::Outputs:
        switch (s) {
        case outputs::Lamp: return D::SalidaLuces;
        case outputs::Display: return D::SalidaPantalla;
        case outputs::Sound: return r.option == outputs::Melody ? D::SalidaSonidoTour : D::SalidaSonido;
        case outputs::PcMessage: return D::SalidaMensaje;
        default: return D::None;
        }
    case family::Inputs:
        switch (s) {
        case inputs::Light: return D::EntradaLuz;
        case inputs::Touch: return D::EntradaTacto;
        case inputs::Remote: return D::EntradaControl;
        case inputs::Microphone: return D::EntradaSonido;
        case inputs::Pc: return D::EntradaMensaje;
        default: return D::None;
        }
    case family::Waits:
        if (s == waits::Seconds || s == waits::Tenths || s == waits::Thousandths)
            return D::EsperaTiempo;
        return waits::isCondition(s) ? D::EsperaDirecta : D::None;
    case family::Calculations:
        if (s == calculations::Add || s == calculations::Subtract)
            return D::CalculoMatematico;
        if (calculations::isLogic(s))
            return D::CalculoLogico;
        return s == calculations::Load ? D::CalculoCarga : D::None;
    case family::Decisions:
    case family::DecisionsInverted:
        if (decisions::isComparison(s))
            return D::DecisionComparar;
        if (decisions::isCondition(s))
            return D::DecisionDirecta;
        return s == decisions::Repeat && f == family::Decisions ? D::SaltosRepetir : D::None;
    case family::Structure:
        switch (s) {
        case structure::Label: return D::SaltoNuevaEtiq;
        case structure::Jump:
        case structure::Call: return D::SaltoSaltar;
        case structure::SubroutineStart: return D::SaltoNuevaSub;
        case structure::ProgramEnd: return D::SaltoFinProg;
        default: return D::None;
        }
    default: return D::None;
    }
}

std::string modifyActionText(const InstructionRecord& r)
{
    if (r.is(family::Motors, motors::Forward) || r.is(family::Motors, motors::Backward))
        return QT_TRANSLATE_NOOP("core", "Encender");
    if (r.is(family::Motors, motors::Stop))
        return QT_TRANSLATE_NOOP("core", "Detener");
    if (r.family == family::Waits)
        return conditionWord(r.subtype);
    return {};
}

} // namespace tarvel
