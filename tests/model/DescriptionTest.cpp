#include "model/ElementDescription.h"
#include "model/ProgramStore.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

struct Case {
    int f, s, o, a1, a2, a3;
    const char* name;
    const char* text;
    const char* expected;
};

class Descriptions : public ::testing::Test {
protected:
    Descriptions()
    {
        CodeTable<std::uint8_t> sizes;
        sizes.forEach([&](int f, int s, int o, std::uint8_t) { sizes.set(f, s, o, std::uint8_t((f + s + o) % 7)); });
        store.setElementSizes(sizes);
    }
    std::string describe(const Case& c)
    {
        InstructionRecord r;
        r.family = std::uint8_t(c.f);
        r.subtype = std::uint8_t(c.s);
        r.option = std::uint8_t(c.o);
        r.arg1 = std::int16_t(c.a1);
        r.arg2 = std::int16_t(c.a2);
        r.arg3 = std::uint8_t(c.a3);
        r.name = c.name;
        setText(r.text, c.text);
        describeElement(r, store);
        return r.description;
    }
    ProgramStore store;
};

// Costs come from (f + s + o) % 7 so that every suffix differs from its neighbours.
const Case kCases[] = {
    {10, 10, 10, 0, 0, 0, "AB", "", "Encender Motor(es) para Avanzar [2]"},
    {10, 11, 12, 0, 0, 0, "-B", "", "Encender Motor(es) para Retroceder [5]"},
    {10, 12, 13, 0, 0, 0, "", "", "Doblar Hacia La Izquierda [0]"},
    {10, 13, 14, 0, 0, 0, "", "", "Doblar Hacia La Derecha [2]"},
    {10, 14, 10, 0, 0, 0, "", "", "Girar En Sentido Anti-Horario [6]"},
    {10, 15, 10, 0, 0, 0, "", "", "Girar En Sentido Horario [0]"},
    {10, 17, 10, 0, 0, 0, "AB", "", "Apagar Motor(es) [2]"},
    {10, 16, 10, 5, 0, 0, "  Ronda  ", "", "Ejecutar Recorrido (Ronda)"},
    {10, 18, 10, 0, 0, 0, "", "", " [3]"},
    {11, 10, 12, 0, 0, 0, "", "", "Encender Luz [5]"},
    {11, 10, 13, 0, 0, 0, "", "", "Apagar Luz [6]"},
    {11, 11, 10, 2, 0, 0, "", "", "Cargar Por Variable Pantalla [4]"},
    {11, 11, 11, 7, 0, 0, "", "", "Cargar Por Constante Pantalla [5]"},
    {11, 11, 12, 0, 0, 0, "", "", "Encender Pantalla(Leds Seleccionados Sin Cambiar los otros) [6]"},
    {11, 12, 11, 100, 440, 20, "", "", "Cargar Por Constante Sonido : F= 440Hz, T= 100mS, V= 62% [6]"},
    {11, 12, 11, -5, -1, 32, "", "", "Cargar Por Constante Sonido : F=-1Hz, T=-5mS, V= 100% [6]"},
    {11, 12, 16, 0, 0, 0, "", "", "Hacer Sonido : Sonido de OK [4]"},
    {11, 12, 17, 0, 0, 0, "", "", "Hacer Sonido : Sonido de ERROR [5]"},
    {11, 12, 14, 3, 0, 0, " Himno ", "", "Reproducir Melodia (Himno) [6]"}, // (11+12+14)%7 = 2, x3 notes
    {11, 13, 15, 0, 0, 0, "", "xxHola mundo", "Enviar Texto: Hola mundo [4]"},
    {11, 13, 15, 0, 0, 0, "", "xx", "Enviar Texto: <Vacio> [4]"},
    {11, 13, 10, 3, 5, 0, "", "", "Enviar a PC Var. Verde en Decimal [6]"},
    {11, 13, 11, 1, 7, 0, "", "", "Enviar a PC Var. Roja en ASCII [0]"},
    {11, 13, 12, 9, 2, 0, "", "", "Enviar a PC  en Binario [1]"},
    {12, 10, 10, 1, 0, 0, "", "", "Contar Pulsos del Sensor de Luz [4]"},
    {12, 14, 13, 1, 0, 0, "", "", "Leer Frecuencia de PC [4]"},
    {13, 10, 10, 3, 0, 0, "", "", "Demora de 3 Segundos [5]"},
    {13, 11, 10, 15, 0, 0, "", "", "Demora de 15 Decimas de Segundo  (1.5 Segundos) [6]"},
    {13, 11, 10, 5, 0, 0, "", "", "Demora de 5 Decimas de Segundo  (.5 Segundos) [6]"},
    {13, 11, 10, -5, 0, 0, "", "", "Demora de -5 Decimas de Segundo  (-.5 Segundos) [6]"},
    {13, 11, 10, 20, 0, 0, "", "", "Demora de 20 Decimas de Segundo  (2 Segundos) [6]"},
    {13, 17, 10, 7, 0, 0, "", "", "Demora de 7 Centesimas de Segundo [5]"},
    {13, 18, 10, 250, 0, 0, "", "", "Demora de 250 Milesimas de Segundo [6]"},
    {13, 10, 11, 2, 0, 0, "", "", "Demora del valor contenido en Var. Azul en Segundos [6]"},
    {13, 11, 11, 4, 0, 0, "", "", "Demora del valor contenido en Var. Rosa en Decimas de Segundo [0]"},
    {13, 17, 11, 5, 0, 0, "", "", "Demora del valor contenido en Var. Naranja en Centesimas de Segundo [6]"},
    {13, 18, 11, 1, 0, 0, "", "", "Demora del valor contenido en Var. Roja en Milesimas de Segundo [0]"},
    {13, 12, 12, 0, 0, 0, "", "", "Esperar Mientras que el Sensor de Luz Este Iluminado [2]"},
    {13, 13, 13, 0, 0, 0, "", "", "Esperar Hasta que el Sensor de Tacto Este Presionado [4]"},
    {13, 14, 13, 0, 0, 0, "", "", "Esperar Hasta que Haya Se\xF1" "al de Control Remoto [5]"},
    {13, 16, 12, 0, 0, 0, "", "", "Esperar Mientras que Haya Mensaje de PC [6]"},
    {14, 10, 11, 1, 5, 3, "", "", "Var. Verde Igual Var. Roja Mas 5 [0]"},
    {14, 14, 12, 2, 7, 5, "", "", "Var. Naranja Igual Var. Azul O-Exclusiva Valor Al Azar [5]"},
    {14, 10, 13, 1, 5, 3, "", "", " [2]"},
    {14, 15, 11, 200, 4, 0, "", "", "Guardar 200 en Var. Rosa [5]"},
    {14, 15, 10, 7, 1, 0, "", "", "Copiar Valor Al Azar en Var. Roja [4]"},
    {15, 12, 11, 1, 2, 0, "L", "", "Decision: Var. Roja Mayor a Var. Azul? [3]"},
    {15, 10, 10, 3, 99, 0, "L", "", "Decision: Var. Verde Igual a 99? [0]"},
    {16, 10, 10, 3, 99, 0, "L", "", "Decision: Var. Verde Igual a 99? [1]"},
    {15, 18, 10, 0, 0, 0, "L", "", "Decision: Hay Se\xF1" "al de Control Remoto? [1]"},
    {16, 20, 10, 0, 0, 0, "L", "", "Decision: Hubo Error en el Ultimo Proceso? [4]"},
    {15, 21, 10, 4, 0, 0, "L", "", "Repetir Tanta Veces Como Indique Var. Rosa [4]"},
    {17, 10, 10, 0, 0, 0, "Inicio", "", "Inicio del Programa  [2]"},
    {17, 11, 10, 0, 0, 0, "bucle", "", "Etiqueta (Destino de Saltos)  [3]"},
    {17, 12, 10, 0, 0, 0, "bucle", "", "Saltar a la Etiqueta bucle [4]"},
    {17, 13, 10, 0, 0, 0, "sub", "", "Inicio de Subrutina  [5]"},
    {17, 14, 10, 0, 0, 0, "sub", "", "Llamar a la Subrutina sub [6]"},
    {17, 15, 10, 0, 0, 0, "", "", "Terminar la Subrutina  [0]"},
    {17, 16, 10, 0, 0, 0, "", "", "Terminar el Programa  (Apaga Ladrillo) [1]"},
    {17, 16, 14, 0, 0, 0, "", "", "Terminar el Programa  (Saltar a Inicio) [5]"},
    {17, 16, 20, 0, 0, 0, "", "", "Terminar el Programa   [4]"},
    {100, 0, 10, 0, 0, 0, "", "", "Separador"},
    {9, 9, 9, 0, 0, 0, "", "", "Elemento Sin Ayuda [6]"},
    {3, 40, 10, 0, 0, 0, "", "", "Elemento Sin Ayuda"},
};

} // namespace

TEST_F(Descriptions, EveryFamilyAndFormat)
{
    for (const Case& c : kCases)
        EXPECT_EQ(describe(c), c.expected) << c.f << "," << c.s << "," << c.o;
}

TEST_F(Descriptions, UnlistedCombinationKeepsTheOldTextAndGainsTheSuffix)
{
    InstructionRecord r;
    r.family = 14;
    r.subtype = 11;
    r.option = 13;
    r.description = "antes";
    describeElement(r, store);
    EXPECT_EQ(r.description, "antes [3]");
}

TEST_F(Descriptions, LightElementsTakeTheColumnOfTheThreshold)
{
    CodeTable<std::uint8_t> sizes;
    sizes.set(15, 16, 10, 4);
    sizes.set(15, 16, 11, 9);
    store.setElementSizes(sizes);
    store.programSettings.lightThreshold = 250;
    EXPECT_EQ(describe({15, 16, 10, 0, 0, 0, "L", "", ""}), "Decision: Esta Iluminado el Sensor de Luz? [9]");
    store.programSettings.lightThreshold = 10;
    EXPECT_EQ(describe({15, 16, 11, 0, 0, 0, "L", "", ""}), "Decision: Esta Iluminado el Sensor de Luz? [4]");
}

TEST(StructureRules, RefusalsAfterJumpsAndEnds)
{
    auto el = [](int f, int s) {
        InstructionRecord r;
        r.family = std::uint8_t(f);
        r.subtype = std::uint8_t(s);
        return r;
    };
    const auto label = el(17, 11), motor = el(10, 10);
    EXPECT_FALSE(checkStructure(el(17, 12), label));
    auto afterJump = checkStructure(el(17, 12), motor);
    ASSERT_TRUE(afterJump);
    EXPECT_EQ(afterJump->text, "Despues de un Salto DEBE seguir con una etiqueta para no dejar\r\n"
                               "Codigo huerfano que nunca se puede acceder");
    EXPECT_EQ(afterJump->title, "Error: Uso Invalido de Estructura");
    EXPECT_EQ(afterJump->icon, MessageIcon::Information);

    auto afterEnd = checkStructure(el(17, 16), motor);
    ASSERT_TRUE(afterEnd);
    EXPECT_EQ(afterEnd->text, "Despues de un Fin de Programa DEBE seguir con una etiqueta para no dejar\r\n"
                              "Codigo huerfano que nunca se puede acceder");
    EXPECT_FALSE(checkStructure(el(17, 16), label));

    auto afterSubEnd = checkStructure(el(17, 15), label);
    ASSERT_TRUE(afterSubEnd);
    EXPECT_EQ(afterSubEnd->text, "No se pueden Agregar Comandos Despues del Fin de Subrutina");

    EXPECT_FALSE(checkStructure(el(17, 15), motor, {.syntaxAssistantOff = true}));
    EXPECT_FALSE(checkStructure(el(17, 12), motor, {.structureCheckOff = true}));
    EXPECT_FALSE(checkStructure(el(10, 10), motor));
}

TEST(StructureRules, CleanNameReplacesBlanksColonsAndCommas)
{
    std::string name = "mi etiqueta:1,2";
    EXPECT_EQ(cleanName(name), "mi_etiqueta_1_2");
    EXPECT_EQ(name, "mi_etiqueta_1_2");
}
