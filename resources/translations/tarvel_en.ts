<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>QObject</name>
    <message>
        <source>No se Pudo Escribir el Archivo %1</source>
        <translation>Could Not Write the File %1</translation>
    </message>
    <message>
        <source>No se pudo imprimir: la impresora no esta disponible.</source>
        <translation>Could not print: the printer is not available.</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Aviso:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Simulador</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Motores</source>
        <translation>Motors</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Esperas</source>
        <translation>Waits</translation>
    </message>
    <message>
        <source>Calculos</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>Decisiones</source>
        <translation>Decisions</translation>
    </message>
    <message>
        <source>Saltos</source>
        <translation>Jumps</translation>
    </message>
    <message>
        <source>Operacion de Motor</source>
        <translation>Motor Operation</translation>
    </message>
    <message>
        <source>Operaciones de Salida</source>
        <translation>Output Operations</translation>
    </message>
    <message>
        <source>Operaciones de Entrada</source>
        <translation>Input Operations</translation>
    </message>
    <message>
        <source>Operaciones de Demora</source>
        <translation>Delay Operations</translation>
    </message>
    <message>
        <source>Operaciones Logico-Matematicas</source>
        <translation>Logic and Math Operations</translation>
    </message>
    <message>
        <source>Bifuraciones de Programa</source>
        <translation>Program Branches</translation>
    </message>
    <message>
        <source>Saltos y Etiquetas</source>
        <translation>Jumps and Labels</translation>
    </message>
    <message>
        <source>Encender Motor(es) en Sentido de Avance</source>
        <translation>Turn Motor(s) On Forward</translation>
    </message>
    <message>
        <source>Encender Motor para Avanzar</source>
        <translation>Turn Motor On to Go Forward</translation>
    </message>
    <message>
        <source>Encender Motor(es) en Sentido de Retroceso</source>
        <translation>Turn Motor(s) On Backward</translation>
    </message>
    <message>
        <source>Encender Motor para Retroceder</source>
        <translation>Turn Motor On to Go Backward</translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro a Izquierda (para Vehiculos)</source>
        <translation>Turn Motors On to Turn Left (for Vehicles)</translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro a Derecha (para Vehiculos)</source>
        <translation>Turn Motors On to Turn Right (for Vehicles)</translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro Anti-Horario (para Vehiculos)</source>
        <translation>Turn Motors On to Spin Anticlockwise (for Vehicles)</translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro Horario (para Vehiculos)</source>
        <translation>Turn Motors On to Spin Clockwise (for Vehicles)</translation>
    </message>
    <message>
        <source>Crear Recorrido</source>
        <translation>Create Path</translation>
    </message>
    <message>
        <source>Apagar Motor(es)</source>
        <translation>Turn Motor(s) Off</translation>
    </message>
    <message>
        <source>Apagar Motor</source>
        <translation>Turn Motor Off</translation>
    </message>
    <message>
        <source>Encender/Apagar Leds de Display del Ladrillo</source>
        <translation>Turn the Brick&apos;s Display LEDs On/Off</translation>
    </message>
    <message>
        <source>Encender/Apagar Led Externo</source>
        <translation>Turn the External LED On/Off</translation>
    </message>
    <message>
        <source>Emitir Sonidos</source>
        <translation>Play Sounds</translation>
    </message>
    <message>
        <source>Crear Melodias</source>
        <translation>Create Melodies</translation>
    </message>
    <message>
        <source>Enviar Mensajes a la PC</source>
        <translation>Send Messages to the PC</translation>
    </message>
    <message>
        <source>Leer el Sensor de Luz</source>
        <translation>Read the Light Sensor</translation>
    </message>
    <message>
        <source>Leer el Sensor de Tacto</source>
        <translation>Read the Touch Sensor</translation>
    </message>
    <message>
        <source>Leer el Sensor de Control Remoto (Infrarrojo)</source>
        <translation>Read the Remote Control Sensor (Infrared)</translation>
    </message>
    <message>
        <source>Leer el Microfono (Sonido)</source>
        <translation>Read the Microphone (Sound)</translation>
    </message>
    <message>
        <source>Leer Mensajes del Port Serial (Mensajes de PC)</source>
        <translation>Read Messages from the Serial Port (PC Messages)</translation>
    </message>
    <message>
        <source>Generar una Demora por Tiempo</source>
        <translation>Wait for a Time</translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Sensor de Luz</source>
        <translation>Wait for the Light Sensor&apos;s State</translation>
    </message>
    <message>
        <source>Esperar Iluminacion en el sensor de Luz</source>
        <translation>Wait for Light on the Light Sensor</translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Sensor de Tacto</source>
        <translation>Wait for the Touch Sensor&apos;s State</translation>
    </message>
    <message>
        <source>Esperar Presion en el Sensor de Tacto</source>
        <translation>Wait for a Press on the Touch Sensor</translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Sensor de Control Remoto</source>
        <translation>Wait for the Remote Control Sensor&apos;s State</translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Microfono</source>
        <translation>Wait for the Microphone&apos;s State</translation>
    </message>
    <message>
        <source>Esperar Sonido en el Microfono</source>
        <translation>Wait for Sound on the Microphone</translation>
    </message>
    <message>
        <source>Generar un Demora por Espera de Mensaje de PC</source>
        <translation>Wait for a Message from the PC</translation>
    </message>
    <message>
        <source>Esperar Mensaje de la PC</source>
        <translation>Wait for a Message from the PC</translation>
    </message>
    <message>
        <source>Operaciones Matematicas</source>
        <translation>Math Operations</translation>
    </message>
    <message>
        <source>Operaciones Logicas</source>
        <translation>Logic Operations</translation>
    </message>
    <message>
        <source>Movimiento entre Variables</source>
        <translation>Move Between Variables</translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Sensor de Luz</source>
        <translation>Branch on the Light Sensor&apos;s State</translation>
    </message>
    <message>
        <source>Decidir por Nivel Sensor de Luz</source>
        <translation>Decide by Light Sensor Level</translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Sensor de Tacto</source>
        <translation>Branch on the Touch Sensor&apos;s State</translation>
    </message>
    <message>
        <source>Decidir por Estado de Sensor de Tacto</source>
        <translation>Decide by Touch Sensor State</translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Sensor de Control Remoto</source>
        <translation>Branch on the Remote Control Sensor&apos;s State</translation>
    </message>
    <message>
        <source>Decidir por Estado de Sensor de Control Remoto (Infrarrojo)</source>
        <translation>Decide by Remote Control Sensor State (Infrared)</translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Microfono</source>
        <translation>Branch on the Microphone&apos;s State</translation>
    </message>
    <message>
        <source>Decidir por Estado de Microfono</source>
        <translation>Decide by Microphone State</translation>
    </message>
    <message>
        <source>Bifurcar el Programa por Comparacion</source>
        <translation>Branch by Comparison</translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun Estado de Error de Ultima Operacion</source>
        <translation>Branch on the Error State of the Last Operation</translation>
    </message>
    <message>
        <source>Decidir por Estado Error del Ultimo Proceso</source>
        <translation>Decide by Error State of the Last Process</translation>
    </message>
    <message>
        <source>Crear una Nueva Etiqueta</source>
        <translation>Create a New Label</translation>
    </message>
    <message>
        <source>Saltar a una Etiqueta Existente</source>
        <translation>Jump to an Existing Label</translation>
    </message>
    <message>
        <source>Saltar a una Etiqueta del Programa</source>
        <translation>Jump to a Label of the Program</translation>
    </message>
    <message>
        <source>Crear una Nueva Subrutina</source>
        <translation>Create a New Subroutine</translation>
    </message>
    <message>
        <source>Llamar a una Subrutina Existente</source>
        <translation>Call an Existing Subroutine</translation>
    </message>
    <message>
        <source>Llamar a un Subrutina</source>
        <translation>Call a Subroutine</translation>
    </message>
    <message>
        <source>Cerrar una Subrutina</source>
        <translation>Close a Subroutine</translation>
    </message>
    <message>
        <source>Repetir Saltando a una Etiqueta Existente</source>
        <translation>Repeat by Jumping to an Existing Label</translation>
    </message>
    <message>
        <source>Terminar Programa</source>
        <translation>End Program</translation>
    </message>
    <message>
        <source>Encender</source>
        <translation>Turn On</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Turn Off</translation>
    </message>
    <message>
        <source>Detener</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Halla Luz</source>
        <translation>There is Light</translation>
    </message>
    <message>
        <source>Este Presionado el Sensor</source>
        <translation>the Sensor is Pressed</translation>
    </message>
    <message>
        <source>Halla Sonido</source>
        <translation>There is Sound</translation>
    </message>
    <message>
        <source>Halla Mensaje de la PC</source>
        <translation>There is a Message from the PC</translation>
    </message>
    <message>
        <source>Calculo Logico</source>
        <translation>Logic Calculation</translation>
    </message>
    <message>
        <source>Calculo Matematico</source>
        <translation>Math Calculation</translation>
    </message>
    <message>
        <source>Operando</source>
        <translation>Operand</translation>
    </message>
    <message>
        <source>Operacion</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Mas</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Carga de Variables</source>
        <translation>Variable Loading</translation>
    </message>
    <message>
        <source>Origen</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destino</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Etiqueta de Salto</source>
        <translation>Jump Label</translation>
    </message>
    <message>
        <source>Continuar por NO, Saltar por SI</source>
        <translation>Continue on NO, Jump on YES</translation>
    </message>
    <message>
        <source>Elija una Etiqueta de la Lista o Escriba su Nombre.</source>
        <translation>Choose a Label from the List or Type its Name.</translation>
    </message>
    <message>
        <source>Error: Etiqueta Vacia</source>
        <translation>Error: Empty Label</translation>
    </message>
    <message>
        <source>Decisiones por Comparacion</source>
        <translation>Decisions by Comparison</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Comparacion</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Igual a</source>
        <translation>Equal to</translation>
    </message>
    <message>
        <source>Distinto a</source>
        <translation>Not Equal to</translation>
    </message>
    <message>
        <source>Mayor a</source>
        <translation>Greater than</translation>
    </message>
    <message>
        <source>Menor a</source>
        <translation>Less than</translation>
    </message>
    <message>
        <source>Mayor o Igual a</source>
        <translation>Greater than or Equal to</translation>
    </message>
    <message>
        <source>Menor o Igual a</source>
        <translation>Less than or Equal to</translation>
    </message>
    <message>
        <source>Comparar con</source>
        <translation>Compare with</translation>
    </message>
    <message>
        <source>Repetir (Saltar N veces a una etiqueta)</source>
        <translation>Repeat (Jump N times to a label)</translation>
    </message>
    <message>
        <source>Repeticion (N)</source>
        <translation>Repetition (N)</translation>
    </message>
    <message>
        <source>Leer Entrada de Sensor de Luz</source>
        <translation>Read the Light Sensor Input</translation>
    </message>
    <message>
        <source>Leer Intensidad</source>
        <translation>Read Intensity</translation>
    </message>
    <message>
        <source>Leer Entrada de Sensor de Tacto</source>
        <translation>Read the Touch Sensor Input</translation>
    </message>
    <message>
        <source>Leer Entrada de Control Remoto (Infrarrojo)</source>
        <translation>Read the Remote Control Input (Infrared)</translation>
    </message>
    <message>
        <source>Leer Datos</source>
        <translation>Read Data</translation>
    </message>
    <message>
        <source>Leer Entrada de Microfono</source>
        <translation>Read the Microphone Input</translation>
    </message>
    <message>
        <source>Leer Frecuencia</source>
        <translation>Read Frequency</translation>
    </message>
    <message>
        <source>Leer Entrada de Mensajes de PC</source>
        <translation>Read the PC Messages Input</translation>
    </message>
    <message>
        <source>Variable Destino</source>
        <translation>Target Variable</translation>
    </message>
    <message>
        <source>Tipo de Entrada</source>
        <translation>Input Type</translation>
    </message>
    <message>
        <source>Contar Pulsos</source>
        <translation>Count Pulses</translation>
    </message>
    <message>
        <source>Espera por Tiempo</source>
        <translation>Wait for a Time</translation>
    </message>
    <message>
        <source>Base de Tiempo</source>
        <translation>Time Base</translation>
    </message>
    <message>
        <source>1 Segundo</source>
        <translation>1 Second</translation>
    </message>
    <message>
        <source>0,1 Segundo</source>
        <translation>0.1 Second</translation>
    </message>
    <message>
        <source>1 mili Segundo</source>
        <translation>1 millisecond</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Tiempo Definido por Variable</source>
        <translation>Time Set by a Variable</translation>
    </message>
    <message>
        <source>Tipo de Espera</source>
        <translation>Wait Type</translation>
    </message>
    <message>
        <source>Mientras</source>
        <translation>While</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>Until</translation>
    </message>
    <message>
        <source>Esperar Mientras %1</source>
        <translation>Wait While %1</translation>
    </message>
    <message>
        <source>Demora = %1 Segundos</source>
        <translation>Delay = %1 Seconds</translation>
    </message>
    <message>
        <source>Salida de Luces</source>
        <translation>Light Output</translation>
    </message>
    <message>
        <source>Origen de Datos</source>
        <translation>Data Source</translation>
    </message>
    <message>
        <source>Salida a la pantalla del Ladrillo</source>
        <translation>Output to the Brick&apos;s Display</translation>
    </message>
    <message>
        <source>Cambia Todos los Leds Segun los Bits de la Variable</source>
        <translation>Changes Every LED According to the Variable&apos;s Bits</translation>
    </message>
    <message>
        <source>Cambia Todos los Leds</source>
        <translation>Changes Every LED</translation>
    </message>
    <message>
        <source>Solo enciende el Led Seleccionado no afecta el Resto</source>
        <translation>Only Turns the Selected LED On, the Rest Stay as They Are</translation>
    </message>
    <message>
        <source>Solo Apaga el Led Seleccionado no afecta el Resto</source>
        <translation>Only Turns the Selected LED Off, the Rest Stay as They Are</translation>
    </message>
    <message>
        <source>Salida de Sonido</source>
        <translation>Sound Output</translation>
    </message>
    <message>
        <source>La Duracion del Sonido Debe Estar Entre 0 y 32767 mS.</source>
        <translation>The Sound&apos;s Duration Must Be Between 0 and 32767 mS.</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Generar Tono en Base a Variables</source>
        <translation>Make a Tone from Variables</translation>
    </message>
    <message>
        <source>Generar Tono en Base a Constantes</source>
        <translation>Make a Tone from Constants</translation>
    </message>
    <message>
        <source>Genera un Beep de OK</source>
        <translation>Makes an OK Beep</translation>
    </message>
    <message>
        <source>Generar Beep de Error</source>
        <translation>Make an Error Beep</translation>
    </message>
    <message>
        <source>Frecuencia en Hz (Tono)</source>
        <translation>Frequency in Hz (Tone)</translation>
    </message>
    <message>
        <source>Duracion (mS)</source>
        <translation>Duration (mS)</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Try</translation>
    </message>
    <message>
        <source>Escuchar el Tono en la PC</source>
        <translation>Listen to the Tone on the PC</translation>
    </message>
    <message>
        <source>Naranja</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Azul</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Calculador de Variables</source>
        <translation>Variable Calculator</translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Frecuencia (Tono)</source>
        <translation>Frequency (Tone)</translation>
    </message>
    <message>
        <source>Duracion (mSeg)</source>
        <translation>Duration (mSec)</translation>
    </message>
    <message>
        <source>Aviso: Esta Operacion Cambia el Contenido de las Variables Rosa y Naranja!</source>
        <translation>Warning: This Operation Changes the Contents of the Pink and Orange Variables!</translation>
    </message>
    <message>
        <source>Enviar Mensaje a PC</source>
        <translation>Send a Message to the PC</translation>
    </message>
    <message>
        <source>Mostrar en...</source>
        <translation>Show as...</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Binario</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Formato en que Muestra la Variable</source>
        <translation>Format the Variable is Shown in</translation>
    </message>
    <message>
        <source>Borrar Pantalla Antes</source>
        <translation>Clear the Screen First</translation>
    </message>
    <message>
        <source>Bajar de Linea</source>
        <translation>New Line</translation>
    </message>
    <message>
        <source>Posicionar en Origen</source>
        <translation>Go to the Origin</translation>
    </message>
    <message>
        <source>Mostrar sin Accion </source>
        <translation>Show Without Action </translation>
    </message>
    <message>
        <source>Crear Nueva Subrutina</source>
        <translation>Create a New Subroutine</translation>
    </message>
    <message>
        <source>Crear Nueva Etiqueta</source>
        <translation>Create a New Label</translation>
    </message>
    <message>
        <source>Nombre de la Nueva Subrutina</source>
        <translation>Name of the New Subroutine</translation>
    </message>
    <message>
        <source>Nombre de la Nueva Etiqueta</source>
        <translation>Name of the New Label</translation>
    </message>
    <message>
        <source>Saltar A...</source>
        <translation>Jump To...</translation>
    </message>
    <message>
        <source>Etiqueta Destino del Salto</source>
        <translation>Target Label of the Jump</translation>
    </message>
    <message>
        <source>Modo de Terminacion de Programa</source>
        <translation>Program End Mode</translation>
    </message>
    <message>
        <source>Apagar el Ladrillo</source>
        <translation>Turn the Brick Off</translation>
    </message>
    <message>
        <source>Devolver el Mando a la PC</source>
        <translation>Give Control Back to the PC</translation>
    </message>
    <message>
        <source>Reiniciar el Ladrillo (Modo Silencioso)</source>
        <translation>Restart the Brick (Silent Mode)</translation>
    </message>
    <message>
        <source>Entrar en un Ciclo sin Fin (Ladrillo Bloqueado)</source>
        <translation>Enter an Endless Loop (Brick Locked)</translation>
    </message>
    <message>
        <source>Saltar a Inicio (Repetir el Programa)</source>
        <translation>Jump to the Start (Repeat the Program)</translation>
    </message>
    <message>
        <source>Este Ladrillo No Permite Anidar Subrutinas!</source>
        <translation>This Brick Does Not Allow Nested Subroutines!</translation>
    </message>
    <message>
        <source>Error: Limitacion de Sistema</source>
        <translation>Error: System Limitation</translation>
    </message>
    <message>
        <source>El Fin de Subrutina No Puede Estar Dentro del Cuerpo</source>
        <translation>The End of a Subroutine Cannot Be in the Body</translation>
    </message>
    <message>
        <source>Principal del Programa!</source>
        <translation>of the Main Program!</translation>
    </message>
    <message>
        <source>Error: Contexto Invalido</source>
        <translation>Error: Invalid Context</translation>
    </message>
    <message>
        <source>El Fin de Programa No Puede Estar Dentro de una Subrutina</source>
        <translation>The End of the Program Cannot Be Inside a Subroutine</translation>
    </message>
    <message>
        <source>No Hay Mas Lugar en el Programa Principal (601 Elementos)</source>
        <translation>There is No More Room in the Main Program (601 Elements)</translation>
    </message>
    <message>
        <source>No Hay Mas Lugar en esta Subrutina (129 Elementos)</source>
        <translation>There is No More Room in this Subroutine (129 Elements)</translation>
    </message>
    <message>
        <source>Ya Existe una Etiqueta o Subrutina Con Este Nombre,</source>
        <translation>A Label or Subroutine With This Name Already Exists,</translation>
    </message>
    <message>
        <source>Cambie el Nombre de la Etiqueta.</source>
        <translation>Change the Label&apos;s Name.</translation>
    </message>
    <message>
        <source>Error: Etiqueta en Uso</source>
        <translation>Error: Label in Use</translation>
    </message>
    <message>
        <source>No Hay Lugar para Mas Etiquetas en esta Secuencia (200 Etiquetas)</source>
        <translation>There is No Room for More Labels in this Sequence (200 Labels)</translation>
    </message>
    <message>
        <source>No se Puede Insertar Ni Reemplazar un Objeto con una Nueva Subrutina!</source>
        <translation>An Element Cannot Be Inserted or Replaced with a New Subroutine!</translation>
    </message>
    <message>
        <source>El Nombre de una Subrutina No Puede Comenzar con un Numero</source>
        <translation>A Subroutine&apos;s Name Cannot Start with a Number</translation>
    </message>
    <message>
        <source>ni con los Signos $, % o &apos;.</source>
        <translation>nor with the Signs $, % or &apos;.</translation>
    </message>
    <message>
        <source>Error: Nombre Invalido</source>
        <translation>Error: Invalid Name</translation>
    </message>
    <message>
        <source>Las 8 Subrutinas Disponibles Estan Ocupadas</source>
        <translation>The 8 Available Subroutines Are in Use</translation>
    </message>
    <message>
        <source>Ya Existe una Etiqueta o Subrutina Con Este Nombre</source>
        <translation>A Label or Subroutine With This Name Already Exists</translation>
    </message>
    <message>
        <source>Por Favor Cambie en Nombre de la Etiqueta.</source>
        <translation>Please Change the Label&apos;s Name.</translation>
    </message>
    <message>
        <source>Error: Subrutina en Uso</source>
        <translation>Error: Subroutine in Use</translation>
    </message>
    <message>
        <source>Error: Uso Invalido de Estructura</source>
        <translation>Error: Invalid Use of Structure</translation>
    </message>
    <message>
        <source>No se pueden Agregar Comandos Despues del Fin de Subrutina</source>
        <translation>Commands Cannot Be Added After the End of a Subroutine</translation>
    </message>
    <message>
        <source>Capacidad del Sistema Excedido (600 Instrucciones)</source>
        <translation>System Capacity Exceeded (600 Instructions)</translation>
    </message>
    <message>
        <source>El archivo no es un programa de Tarvel Lab: no tiene ningun elemento.</source>
        <translation>The file is not a Tarvel Lab program: it has no element.</translation>
    </message>
    <message>
        <source>El archivo no es un programa de Tarvel Lab: no empieza con el Inicio del Programa.</source>
        <translation>The file is not a Tarvel Lab program: it does not begin with the Program Start.</translation>
    </message>
    <message>
        <source>Demasiadas etiquetas en una secuencia; las sobrantes no se registraron.</source>
        <translation>Too many labels in a sequence; the extra ones were not recorded.</translation>
    </message>
    <message>
        <source>Una secuencia del archivo excede su limite; el resto del archivo no se leyo.</source>
        <translation>A sequence of the file exceeds its limit; the rest of the file was not read.</translation>
    </message>
    <message>
        <source>Derecho</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Izquierdo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Direccion</source>
        <translation>Steering</translation>
    </message>
    <message>
        <source>Traccion</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Compilar Grafos</source>
        <translation>Compile Flowchart</translation>
    </message>
    <message>
        <source>Generar Codigo</source>
        <translation>Generate Code</translation>
    </message>
    <message>
        <source>Enviar Codigo al Ladrillo</source>
        <translation>Send Code to the Brick</translation>
    </message>
    <message>
        <source>Correr Programa</source>
        <translation>Run Program</translation>
    </message>
    <message>
        <source>Falla en la Libreria de Datos de Compilacion!</source>
        <translation>The Compilation Data Library Failed!</translation>
    </message>
    <message>
        <source>Error de Libreria</source>
        <translation>Library Error</translation>
    </message>
    <message>
        <source>No se Pudo Escribir el Codigo Fuente!</source>
        <translation>Could Not Write the Source Code!</translation>
    </message>
    <message>
        <source>Error de Archivo</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>Compilando Fuente...</source>
        <translation>Compiling Source...</translation>
    </message>
    <message>
        <source>El Programa No Genera Codigo para el Ladrillo!</source>
        <translation>The Program Generates No Code for the Brick!</translation>
    </message>
    <message>
        <source>Error de Compilacion</source>
        <translation>Compilation Error</translation>
    </message>
    <message>
        <source>Error de Compilacion!</source>
        <translation>Compilation Error!</translation>
    </message>
    <message>
        <source>Error al Enviar Programa!</source>
        <translation>Error Sending the Program!</translation>
    </message>
    <message>
        <source>Error de Conexion! (%1)</source>
        <translation>Connection Error! (%1)</translation>
    </message>
    <message>
        <source>Error al ejecutar!</source>
        <translation>Error Running!</translation>
    </message>
    <message>
        <source>El Programa Excede la Memoria Disponible! (%1)</source>
        <translation>The Program Exceeds the Available Memory! (%1)</translation>
    </message>
    <message>
        <source>Error de Espacio de Memoria</source>
        <translation>Memory Space Error</translation>
    </message>
    <message>
        <source>Una o Varias Subrutinas No Tienen Final!</source>
        <translation>One or More Subroutines Have No End!</translation>
    </message>
    <message>
        <source>Error de Programacion</source>
        <translation>Programming Error</translation>
    </message>
    <message>
        <source>No Hay un Programa para Enviar!</source>
        <translation>There is No Program to Send!</translation>
    </message>
    <message>
        <source>Se ha generado un error de sintaxis interna, Las Posibles Causas Pueden ser:</source>
        <translation>An internal syntax error occurred. The Possible Causes Are:</translation>
    </message>
    <message>
        <source>- Saltos a Etiquetas Inexistentes: Revise que todos los Saltos vayan a Etiquetas Definidas</source>
        <translation>- Jumps to Labels That Do Not Exist: Check that every Jump goes to a Defined Label</translation>
    </message>
    <message>
        <source>- El Programa Excede el Espacio de Memoria del Ladrillo : Puede Verificarlo en la parte Inferior (Memoria: xxx/Espacio)</source>
        <translation>- The Program Exceeds the Brick&apos;s Memory Space: You Can Check it at the Bottom (Memory: xxx/Space)</translation>
    </message>
    <message>
        <source>- Libreria Incorrecta: La Libreria que esta Utilizando No Coincide con el Modelo de Ladrillo Conectado</source>
        <translation>- Wrong Library: The Library in Use Does Not Match the Model of the Connected Brick</translation>
    </message>
    <message>
        <source>Desconocido</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Error de Carga</source>
        <translation>Loading Error</translation>
    </message>
    <message>
        <source>Argumento No Identificado: %1</source>
        <translation>Unidentified Argument: %1</translation>
    </message>
    <message>
        <source>No Hay Ayuda Disponible para este Grafo</source>
        <translation>There is No Help for this Element</translation>
    </message>
    <message>
        <source>Desconectando........</source>
        <translation>Disconnecting........</translation>
    </message>
    <message>
        <source>Conectando........</source>
        <translation>Connecting........</translation>
    </message>
    <message>
        <source>Conexion Fallida: Verifique la conexion!</source>
        <translation>Connection Failed: Check the connection!</translation>
    </message>
    <message>
        <source>Automatico</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Conectado!</source>
        <translation>Connected!</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Ladrillo: Ninguno</source>
        <translation>Brick: None</translation>
    </message>
    <message>
        <source>Ladrillo: Disponible</source>
        <translation>Brick: Available</translation>
    </message>
    <message>
        <source>Ladrillo: Conectando...</source>
        <translation>Brick: Connecting...</translation>
    </message>
    <message>
        <source>Se perdio la conexion con el Ladrillo: conectelo de nuevo</source>
        <translation>The link with the Brick was lost: connect it again</translation>
    </message>
    <message>
        <source>Ladrillo no conectado: use &quot;Conectar&quot;</source>
        <translation>Brick not connected: use &quot;Connect&quot;</translation>
    </message>
    <message>
        <source>Presione ENTER si avanza el motor Izquierdo</source>
        <translation>Press ENTER if the Left motor goes forward</translation>
    </message>
    <message>
        <source>Avanza</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Apagado</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Retrocede</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Presione ENTER si retrocede el motor Izquierdo</source>
        <translation>Press ENTER if the Left motor goes backward</translation>
    </message>
    <message>
        <source>Presione ENTER si avanza el motor Derecho</source>
        <translation>Press ENTER if the Right motor goes forward</translation>
    </message>
    <message>
        <source>Presione ENTER si retrocede el motor Derecho</source>
        <translation>Press ENTER if the Right motor goes backward</translation>
    </message>
    <message>
        <source>Conectando con el Ladrillo....</source>
        <translation>Connecting to the Brick....</translation>
    </message>
    <message>
        <source>Presione ENTER si ambos LEDS encienden, Sino presione cualquier otra tecla</source>
        <translation>Press ENTER if both LEDS light up, otherwise press any other key</translation>
    </message>
    <message>
        <source>Presione ENTER si escucho el bip</source>
        <translation>Press ENTER if you heard the beep</translation>
    </message>
    <message>
        <source>Presione cualquier tecla del control remoto</source>
        <translation>Press any key of the remote control</translation>
    </message>
    <message>
        <source>Fin del test: Desconecte el cable USB</source>
        <translation>End of the test: Unplug the USB cable</translation>
    </message>
    <message>
        <source>error desconocido</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>No se encontro ningun Ladrillo (USB 04D8:0002)</source>
        <translation>No Brick was found (USB 04D8:0002)</translation>
    </message>
    <message>
        <source>Ir Hacia La Derecha</source>
        <translation>Go Right</translation>
    </message>
    <message>
        <source>Ir Hacia La Derecha-Adelante</source>
        <translation>Go Right-Forward</translation>
    </message>
    <message>
        <source>Ir Hacia Adelante</source>
        <translation>Go Forward</translation>
    </message>
    <message>
        <source>Ir Hacia La Izquierda-Adelante</source>
        <translation>Go Left-Forward</translation>
    </message>
    <message>
        <source>Ir Hacia La Izquierda</source>
        <translation>Go Left</translation>
    </message>
    <message>
        <source>Ir Hacia La Izquierda-Atras</source>
        <translation>Go Left-Back</translation>
    </message>
    <message>
        <source>Ir Hacia Atras</source>
        <translation>Go Back</translation>
    </message>
    <message>
        <source>Ir Hacia La Derecha-Atras</source>
        <translation>Go Right-Back</translation>
    </message>
    <message>
        <source>Detenido</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Corriendo</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Activo</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Medir nivel de luz</source>
        <translation>Measure the light level</translation>
    </message>
    <message>
        <source>Controlar motores desde PC</source>
        <translation>Control motors from the PC</translation>
    </message>
    <message>
        <source>Ladrillo simulado desconectado</source>
        <translation>Simulated brick disconnected</translation>
    </message>
    <message>
        <source>El dispositivo no esta conectado</source>
        <translation>The device is not connected</translation>
    </message>
    <message>
        <source>El dispositivo se desconecto</source>
        <translation>The device was disconnected</translation>
    </message>
    <message>
        <source>No se encontro el archivo %1</source>
        <translation>The file %1 was not found</translation>
    </message>
    <message>
        <source>Se quito de la lista de archivos recientes.</source>
        <translation>It was removed from the list of recent files.</translation>
    </message>
    <message>
        <source>Abriendo Libreria...</source>
        <translation>Opening Library...</translation>
    </message>
    <message>
        <source>Compilando Grafos...</source>
        <translation>Compiling Flowchart...</translation>
    </message>
    <message>
        <source>Iniciando Conexion con el Ladrillo...</source>
        <translation>Starting the Connection with the Brick...</translation>
    </message>
    <message>
        <source>Enviando...</source>
        <translation>Sending...</translation>
    </message>
    <message>
        <source>Programa Fuera de Memoria!</source>
        <translation>Program Out of Memory!</translation>
    </message>
    <message>
        <source>Listo!</source>
        <translation>Ready!</translation>
    </message>
    <message>
        <source>Terminado!</source>
        <translation>Finished!</translation>
    </message>
    <message>
        <source>Tarvel Lab no se cerro correctamente la ultima vez.</source>
        <translation>Tarvel Lab was not closed properly last time.</translation>
    </message>
    <message>
        <source>Desea recuperarla? (Si responde No, la copia se borra.)</source>
        <translation>Do you want to recover it? (If you answer No, the copy is deleted.)</translation>
    </message>
    <message>
        <source>Recuperar Programa</source>
        <translation>Recover Program</translation>
    </message>
    <message>
        <source>Error de Recorrido</source>
        <translation>Path Error</translation>
    </message>
    <message>
        <source>Herramienta para Crear Melodias</source>
        <translation>Melody Creation Tool</translation>
    </message>
    <message>
        <source>Luz: Encendida</source>
        <translation>Light: On</translation>
    </message>
    <message>
        <source>Luz: Apagada</source>
        <translation>Light: Off</translation>
    </message>
    <message>
        <source>En pausa</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Ejecutando</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Programa terminado (espera a la PC)</source>
        <translation>Program finished (waiting for the PC)</translation>
    </message>
    <message>
        <source>Ladrillo bloqueado</source>
        <translation>Brick locked</translation>
    </message>
    <message>
        <source>Ladrillo apagado</source>
        <translation>Brick off</translation>
    </message>
    <message>
        <source>Sin programa en ejecucion</source>
        <translation>No program running</translation>
    </message>
    <message>
        <source>Parado</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Adelante</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Atras</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Var. Roja</source>
        <translation>Red Var.</translation>
    </message>
    <message>
        <source>Var. Azul</source>
        <translation>Blue Var.</translation>
    </message>
    <message>
        <source>Var. Verde</source>
        <translation>Green Var.</translation>
    </message>
    <message>
        <source>Var. Rosa</source>
        <translation>Pink Var.</translation>
    </message>
    <message>
        <source>Var. Naranja</source>
        <translation>Orange Var.</translation>
    </message>
    <message>
        <source>O-Inclusiva</source>
        <translation>Inclusive-Or</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>And</translation>
    </message>
    <message>
        <source>O-Exclusiva</source>
        <translation>Exclusive-Or</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G</translation>
    </message>
    <message>
        <source>La</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Do#</source>
        <translation>C#</translation>
    </message>
    <message>
        <source>Re#</source>
        <translation>D#</translation>
    </message>
    <message>
        <source>Fa#</source>
        <translation>F#</translation>
    </message>
    <message>
        <source>Sol#</source>
        <translation>G#</translation>
    </message>
    <message>
        <source>La#</source>
        <translation>A#</translation>
    </message>
    <message>
        <source>Frecuencia</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Demasiadas Instrucciones en la Libreria (linea %1): %2</source>
        <translation>Too Many Instructions in the Library (line %1): %2</translation>
    </message>
    <message>
        <source>Se Guarda %1 mS.</source>
        <translation>%1 mS Is Stored.</translation>
    </message>
    <message>
        <source>La Frecuencia del Sonido Debe Estar Entre %1 y %2 Hz.</source>
        <translation>The Sound&apos;s Frequency Must Be Between %1 and %2 Hz.</translation>
    </message>
    <message>
        <source>Se Guarda %1 Hz.</source>
        <translation>%1 Hz Is Stored.</translation>
    </message>
    <message>
        <source>Solo se Aceptan Numeros de %1 a %2</source>
        <translation>Only Numbers from %1 to %2 Are Accepted</translation>
    </message>
    <message>
        <source>La Etiqueta de Destino No Existe en Esta Secuencia: %1</source>
        <translation>The Target Label Does Not Exist in This Sequence: %1</translation>
    </message>
    <message>
        <source>Dibuje la Etiqueta Antes de Compilar el Programa.</source>
        <translation>Draw the Label Before Compiling the Program.</translation>
    </message>
    <message>
        <source>El Nombre de un Motor No Puede Llevar el Caracter %1</source>
        <translation>A Motor&apos;s Name Cannot Contain the Character %1</translation>
    </message>
    <message>
        <source>El Caracter % Separa los Valores que se Guardan con el Programa.</source>
        <translation>The Character % Separates the Values Saved with the Program.</translation>
    </message>
    <message>
        <source>El Nombre de un Motor Solo Puede Llevar Caracteres del Alfabeto Occidental</source>
        <translation>A Motor&apos;s Name Can Only Contain Characters of the Western Alphabet</translation>
    </message>
    <message>
        <source>El Nombre de un Motor No Puede Llevar Caracteres de Control</source>
        <translation>A Motor&apos;s Name Cannot Contain Control Characters</translation>
    </message>
    <message>
        <source>Use Solo Letras, Numeros, Espacios y Signos Comunes.</source>
        <translation>Use Only Letters, Numbers, Spaces and Common Signs.</translation>
    </message>
    <message>
        <source>El Nivel de Luz Debe Estar Entre %1 y %2.</source>
        <translation>The Light Level Must Be Between %1 and %2.</translation>
    </message>
    <message>
        <source>Se Guarda %1.</source>
        <translation>%1 Is Stored.</translation>
    </message>
    <message>
        <source>Error: Argumento Invalido</source>
        <translation>Error: Invalid Argument</translation>
    </message>
    <message>
        <source>Error: Etiqueta ya utilizada</source>
        <translation>Error: Label already used</translation>
    </message>
    <message>
        <source>Error: Constante ya utilizada</source>
        <translation>Error: Constant already used</translation>
    </message>
    <message>
        <source>Error: Variable ya utilizada</source>
        <translation>Error: Variable already used</translation>
    </message>
    <message>
        <source>Error: Variable EEPROM ya utilizada</source>
        <translation>Error: EEPROM Variable already used</translation>
    </message>
    <message>
        <source>Error: Instruccion Inexistente</source>
        <translation>Error: Instruction Does Not Exist</translation>
    </message>
    <message>
        <source>Error: Operador Inexistente</source>
        <translation>Error: Operator Does Not Exist</translation>
    </message>
    <message>
        <source>Error: Falta un Argumento para la instruccion invocada</source>
        <translation>Error: An Argument is Missing for the instruction used</translation>
    </message>
    <message>
        <source>Error: Salto fuera de memoria</source>
        <translation>Error: Jump out of memory</translation>
    </message>
    <message>
        <source>Error: ORG definido fuera de la memoria existente</source>
        <translation>Error: ORG set outside the existing memory</translation>
    </message>
    <message>
        <source>Error: Codigo fuera de la memoria de programa</source>
        <translation>Error: Code outside the program memory</translation>
    </message>
    <message>
        <source>Aviso: Valor Truncado</source>
        <translation>Warning: Value Truncated</translation>
    </message>
    <message>
        <source>Aviso: Variable RAM fuera del memoria (Truncado)</source>
        <translation>Warning: RAM Variable out of memory (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Variable EEPROM fuera de memoria (Truncado)</source>
        <translation>Warning: EEPROM Variable out of memory (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Acceso a RAM del CPU fuera de memoria (Truncado)</source>
        <translation>Warning: CPU RAM access out of memory (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Etiqueta demasiado larga (Truncado)</source>
        <translation>Warning: Label too long (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Nombre demasiado largo (Truncado)</source>
        <translation>Warning: Name too long (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Argumento demasiado largo (Truncado)</source>
        <translation>Warning: Argument too long (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Numero de bit fuera de rango (0 a 7) (Truncado)</source>
        <translation>Warning: Bit number out of range (0 to 7) (Truncated)</translation>
    </message>
    <message>
        <source>Aviso: Argumento fuera de rango (truncado)</source>
        <translation>Warning: Argument out of range (truncated)</translation>
    </message>
    <message>
        <source>Error: Demasiadas Etiquetas en uso!</source>
        <translation>Error: Too Many Labels in use!</translation>
    </message>
    <message>
        <source>Error: Demasiadas Variables en uso!</source>
        <translation>Error: Too Many Variables in use!</translation>
    </message>
    <message>
        <source>Error: Demasiadas Constantes o EQUs en uso!</source>
        <translation>Error: Too Many Constants or EQUs in use!</translation>
    </message>
    <message>
        <source>Error: Demasiadas Variables EEPROM (EEP) en uso!</source>
        <translation>Error: Too Many EEPROM Variables (EEP) in use!</translation>
    </message>
    <message>
        <source>Error Desconocido</source>
        <translation>Unknown Error</translation>
    </message>
    <message>
        <source>Compilacion cancelada por exceso de errores!</source>
        <translation>Compilation cancelled: too many errors!</translation>
    </message>
    <message>
        <source>Enviar Texto: %1&lt;Vacio&gt;</source>
        <translation>Send Text: %1&lt;Empty&gt;</translation>
    </message>
    <message>
        <source>Enviar Texto: %1</source>
        <translation>Send Text: %1</translation>
    </message>
    <message>
        <source>Enviar a PC %1 en %2</source>
        <translation>Send %1 to the PC in %2</translation>
    </message>
    <message>
        <source>Reproducir Melodia (%1)</source>
        <translation>Play Melody (%1)</translation>
    </message>
    <message>
        <source>%1 : F=%2Hz, T=%3mS, V=%4%</source>
        <translation>%1 : F=%2Hz, T=%3mS, V=%4%</translation>
    </message>
    <message>
        <source>%1 : Sonido de OK</source>
        <translation>%1 : OK Sound</translation>
    </message>
    <message>
        <source>%1 : Sonido de ERROR</source>
        <translation>%1 : ERROR Sound</translation>
    </message>
    <message>
        <source>%1(Leds Seleccionados Sin Cambiar los otros)</source>
        <translation>%1 (Selected LEDs Without Changing the Others)</translation>
    </message>
    <message>
        <source>Demora de %1 Segundos</source>
        <translation>Delay of %1 Seconds</translation>
    </message>
    <message>
        <source>Demora de %1 Decimas de Segundo  (%2 Segundos)</source>
        <translation>Delay of %1 Tenths of a Second  (%2 Seconds)</translation>
    </message>
    <message>
        <source>Demora de %1 Centesimas de Segundo</source>
        <translation>Delay of %1 Hundredths of a Second</translation>
    </message>
    <message>
        <source>Demora de %1 Milesimas de Segundo</source>
        <translation>Delay of %1 Thousandths of a Second</translation>
    </message>
    <message>
        <source>Demora del valor contenido en %1 en Segundos</source>
        <translation>Delay by the value held in %1 in Seconds</translation>
    </message>
    <message>
        <source>Demora del valor contenido en %1 en Decimas de Segundo</source>
        <translation>Delay by the value held in %1 in Tenths of a Second</translation>
    </message>
    <message>
        <source>Demora del valor contenido en %1 en Centesimas de Segundo</source>
        <translation>Delay by the value held in %1 in Hundredths of a Second</translation>
    </message>
    <message>
        <source>Demora del valor contenido en %1 en Milesimas de Segundo</source>
        <translation>Delay by the value held in %1 in Thousandths of a Second</translation>
    </message>
    <message>
        <source>%1l valor contenido en %2</source>
        <translation>%1 the value held in %2</translation>
    </message>
    <message>
        <source>Esperar Mientras que %1</source>
        <translation>Wait While %1</translation>
    </message>
    <message>
        <source>Esperar Hasta que %1</source>
        <translation>Wait Until %1</translation>
    </message>
    <message>
        <source>Esperar %1 que %2</source>
        <translation>Wait %1 %2</translation>
    </message>
    <message>
        <source>Guardar %1 en %2</source>
        <translation>Store %1 in %2</translation>
    </message>
    <message>
        <source>Copiar %1 en %2</source>
        <translation>Copy %1 into %2</translation>
    </message>
    <message>
        <source>%1 Igual %2 %3 %4</source>
        <translation>%1 Equals %2 %3 %4</translation>
    </message>
    <message>
        <source>Decision: %1 %2 %3?</source>
        <translation>Decision: %1 %2 %3?</translation>
    </message>
    <message>
        <source>Decision: %1?</source>
        <translation>Decision: %1?</translation>
    </message>
    <message>
        <source>Repetir Tanta Veces Como Indique %1</source>
        <translation>Repeat as Many Times as Held in %1</translation>
    </message>
    <message>
        <source>Saltar a la Etiqueta %1</source>
        <translation>Jump to the Label %1</translation>
    </message>
    <message>
        <source>Llamar a la Subrutina %1</source>
        <translation>Call the Subroutine %1</translation>
    </message>
    <message>
        <source>Terminar el Programa  (%1)</source>
        <translation>End the Program  (%1)</translation>
    </message>
    <message>
        <source>Ejecutar Recorrido (%1)</source>
        <translation>Run Path (%1)</translation>
    </message>
    <message>
        <source>Inicio de programa (Habilita el sensor tactil) [2]</source>
        <translation>Program start (Enables the touch sensor) [2]</translation>
    </message>
    <message>
        <source>Inicio de programa [1]</source>
        <translation>Program start [1]</translation>
    </message>
    <message>
        <source>El reto debe ser un objeto JSON: { ... }</source>
        <translation>The challenge must be a JSON object: { ... }</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser un objeto</source>
        <translation>The field &quot;%1&quot; must be an object</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; no se conoce (se esperaba: %2)</source>
        <translation>The field &quot;%1&quot; is unknown (expected: %2)</translation>
    </message>
    <message>
        <source>Falta el campo &quot;%1&quot;</source>
        <translation>The field &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser un número</source>
        <translation>The field &quot;%1&quot; must be a number</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; está fuera de rango (%2 a %3)</source>
        <translation>The field &quot;%1&quot; is out of range (%2 to %3)</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser un número entero</source>
        <translation>The field &quot;%1&quot; must be a whole number</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser un texto</source>
        <translation>The field &quot;%1&quot; must be a text</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser true o false</source>
        <translation>The field &quot;%1&quot; must be true or false</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser una lista</source>
        <translation>The field &quot;%1&quot; must be a list</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; tiene demasiados elementos</source>
        <translation>The field &quot;%1&quot; has too many items</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser uno de estos: %2</source>
        <translation>The field &quot;%1&quot; must be one of these: %2</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser una lista de %2 números</source>
        <translation>The field &quot;%1&quot; must be a list of %2 numbers</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser una lista de objetivos</source>
        <translation>The field &quot;%1&quot; must be a list of goals</translation>
    </message>
    <message>
        <source>Los objetivos de &quot;%1&quot; están anidados demasiado hondo</source>
        <translation>The goals of &quot;%1&quot; are nested too deep</translation>
    </message>
    <message>
        <source>El objetivo &quot;%1&quot; tiene &quot;all&quot; y &quot;any&quot;: se usa uno solo</source>
        <translation>The goal &quot;%1&quot; has both &quot;all&quot; and &quot;any&quot;: use only one</translation>
    </message>
    <message>
        <source>El objetivo &quot;%1&quot; sigue una línea, pero el mundo no tiene ninguna línea oscura</source>
        <translation>The goal &quot;%1&quot; follows a line, but the world has no dark line</translation>
    </message>
    <message>
        <source>En &quot;%1&quot;, &quot;before&quot; debe ser mayor que &quot;after&quot;</source>
        <translation>In &quot;%1&quot;, &quot;before&quot; must be greater than &quot;after&quot;</translation>
    </message>
    <message>
        <source>El objetivo &quot;%1&quot; necesita &quot;rect&quot; o &quot;circle&quot;</source>
        <translation>The goal &quot;%1&quot; needs &quot;rect&quot; or &quot;circle&quot;</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe tener ancho y alto mayores que 0</source>
        <translation>The field &quot;%1&quot; must have a width and a height greater than 0</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe tener un radio mayor que 0</source>
        <translation>The field &quot;%1&quot; must have a radius greater than 0</translation>
    </message>
    <message>
        <source>El objetivo &quot;%1&quot; tiene &quot;notes&quot;: no lleva &quot;count&quot; ni &quot;frequency&quot;</source>
        <translation>The goal &quot;%1&quot; has &quot;notes&quot;: it takes no &quot;count&quot; or &quot;frequency&quot;</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser una lista de frecuencias</source>
        <translation>The field &quot;%1&quot; must be a list of frequencies</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser una frecuencia de 20 a 20000 Hz</source>
        <translation>The field &quot;%1&quot; must be a frequency from 20 to 20000 Hz</translation>
    </message>
    <message>
        <source>En &quot;%1&quot;, tres estrellas deben pedir más que dos</source>
        <translation>In &quot;%1&quot;, three stars must ask for more than two</translation>
    </message>
    <message>
        <source>El mundo del campo &quot;world&quot; no es válido: %1</source>
        <translation>The world of the field &quot;world&quot; is not valid: %1</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser el nombre de un mundo o un mundo</source>
        <translation>The field &quot;%1&quot; must be the name of a world or a world</translation>
    </message>
    <message>
        <source>El mundo &quot;%1&quot; no existe en la carpeta de mundos</source>
        <translation>The world &quot;%1&quot; does not exist in the worlds folder</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; no puede estar vacío</source>
        <translation>The field &quot;%1&quot; cannot be empty</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; nombra una fuente que el mundo no tiene</source>
        <translation>The field &quot;%1&quot; names a source the world does not have</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; debe ser un archivo de la misma carpeta</source>
        <translation>The field &quot;%1&quot; must be a file of the same folder</translation>
    </message>
    <message>
        <source>El archivo no es un texto JSON válido</source>
        <translation>The file is not valid JSON text</translation>
    </message>
    <message>
        <source>El archivo tiene un valor que no se entiende</source>
        <translation>The file has a value that cannot be understood</translation>
    </message>
    <message>
        <source>No se pudo abrir el reto %1: %2</source>
        <translation>Could not open the challenge %1: %2</translation>
    </message>
    <message>
        <source>Reto %1: %2</source>
        <translation>Challenge %1: %2</translation>
    </message>
    <message>
        <source>No se pudo compilar</source>
        <translation>Could not be built</translation>
    </message>
    <message>
        <source>Interrumpido</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>Cumplido</source>
        <translation>Met</translation>
    </message>
    <message>
        <source>No cumplido</source>
        <translation>Not met</translation>
    </message>
    <message>
        <source>%1 programas: %2 cumplieron el reto, %3 no lo cumplieron y %4 no se pudieron compilar</source>
        <translation>%1 programs: %2 met the challenge, %3 did not meet it and %4 could not be built</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Programa</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Estrellas</source>
        <translation>Stars</translation>
    </message>
    <message>
        <source>Tiempo (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Objetivos cumplidos</source>
        <translation>Goals met</translation>
    </message>
    <message>
        <source>Motivo</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>es</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Objetivos</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>Recorrido</source>
        <translation>Trail</translation>
    </message>
    <message>
        <source>(entre los %1 s y los %2 s)</source>
        <translation>(between %1 s and %2 s)</translation>
    </message>
    <message>
        <source>(después de los %1 s)</source>
        <translation>(after %1 s)</translation>
    </message>
    <message>
        <source>(antes de los %1 s)</source>
        <translation>(before %1 s)</translation>
    </message>
    <message>
        <source>El programa terminó y apagó el Ladrillo a los %1 s</source>
        <translation>The program ended and switched the brick off at %1 s</translation>
    </message>
    <message>
        <source>El programa devolvió el mando a la PC a los %1 s</source>
        <translation>The program handed control back to the PC at %1 s</translation>
    </message>
    <message>
        <source>El programa reinició el Ladrillo a los %1 s</source>
        <translation>The program restarted the brick at %1 s</translation>
    </message>
    <message>
        <source>El programa dejó el Ladrillo bloqueado a los %1 s</source>
        <translation>The program left the brick locked at %1 s</translation>
    </message>
    <message>
        <source>El programa seguía funcionando cuando se acabó el tiempo (%1 s)</source>
        <translation>The program was still running when the time ran out (%1 s)</translation>
    </message>
    <message>
        <source>Cumplir todos estos objetivos</source>
        <translation>Meet all of these goals</translation>
    </message>
    <message>
        <source>Se cumplieron todos</source>
        <translation>All were met</translation>
    </message>
    <message>
        <source>Se cumplieron %1 de %2</source>
        <translation>%1 of %2 were met</translation>
    </message>
    <message>
        <source>Cumplir al menos uno de estos objetivos</source>
        <translation>Meet at least one of these goals</translation>
    </message>
    <message>
        <source>No se cumplió ninguno</source>
        <translation>None was met</translation>
    </message>
    <message>
        <source>la zona marcada</source>
        <translation>the marked area</translation>
    </message>
    <message>
        <source>Terminar en %1</source>
        <translation>End in %1</translation>
    </message>
    <message>
        <source>Llegar a %1</source>
        <translation>Reach %1</translation>
    </message>
    <message>
        <source>El robot no llegó a %1: estuvo a %2 cm como mínimo</source>
        <translation>The robot did not reach %1: it came no closer than %2 cm</translation>
    </message>
    <message>
        <source>El robot terminó en %1</source>
        <translation>The robot ended in %1</translation>
    </message>
    <message>
        <source>El robot pasó por %1 pero terminó fuera</source>
        <translation>The robot went through %1 but ended outside it</translation>
    </message>
    <message>
        <source>El robot llegó a %1 a los %2 s</source>
        <translation>The robot reached %1 at %2 s</translation>
    </message>
    <message>
        <source>El robot llegó a %1 a los %2 s, fuera del tiempo pedido</source>
        <translation>The robot reached %1 at %2 s, outside the time asked for</translation>
    </message>
    <message>
        <source>No tocar ninguna pared</source>
        <translation>Touch no wall</translation>
    </message>
    <message>
        <source>El robot tocó la pared a los %1 s</source>
        <translation>The robot touched the wall at %1 s</translation>
    </message>
    <message>
        <source>El robot no tocó ninguna pared</source>
        <translation>The robot touched no wall</translation>
    </message>
    <message>
        <source>Llevar el sensor sobre la línea al menos el %1 % del recorrido</source>
        <translation>Keep the sensor over the line for at least %1 % of the way</translation>
    </message>
    <message>
        <source>El sensor estuvo sobre la línea el %1 % del recorrido</source>
        <translation>The sensor was over the line for %1 % of the way</translation>
    </message>
    <message>
        <source>Llevar el sensor sobre la línea al menos el %1 % del tiempo</source>
        <translation>Keep the sensor over the line for at least %1 % of the time</translation>
    </message>
    <message>
        <source>El sensor estuvo sobre la línea el %1 % del tiempo</source>
        <translation>The sensor was over the line for %1 % of the time</translation>
    </message>
    <message>
        <source>Dar la vuelta entera a la pista</source>
        <translation>Go all the way round the track</translation>
    </message>
    <message>
        <source>Seguir la línea hasta su final</source>
        <translation>Follow the line to its end</translation>
    </message>
    <message>
        <source>El robot dio la vuelta entera a los %1 s</source>
        <translation>The robot went all the way round at %1 s</translation>
    </message>
    <message>
        <source>El robot llegó al final de la línea a los %1 s</source>
        <translation>The robot reached the end of the line at %1 s</translation>
    </message>
    <message>
        <source>El robot siguió solo el %1 % de la línea</source>
        <translation>The robot followed only %1 % of the line</translation>
    </message>
    <message>
        <source>Terminar con el led %1 encendido</source>
        <translation>End with LED %1 on</translation>
    </message>
    <message>
        <source>Terminar con el led %1 apagado</source>
        <translation>End with LED %1 off</translation>
    </message>
    <message>
        <source>El led %1 terminó encendido</source>
        <translation>LED %1 ended on</translation>
    </message>
    <message>
        <source>El led %1 terminó apagado</source>
        <translation>LED %1 ended off</translation>
    </message>
    <message>
        <source>Encender el led %1</source>
        <translation>Turn LED %1 on</translation>
    </message>
    <message>
        <source>El led %1 se encendió a los %2 s</source>
        <translation>LED %1 went on at %2 s</translation>
    </message>
    <message>
        <source>El led %1 se encendió a los %2 s, fuera del tiempo pedido</source>
        <translation>LED %1 went on at %2 s, outside the time asked for</translation>
    </message>
    <message>
        <source>El led %1 no se encendió</source>
        <translation>LED %1 did not go on</translation>
    </message>
    <message>
        <source>Apagar el led %1</source>
        <translation>Turn LED %1 off</translation>
    </message>
    <message>
        <source>El led %1 se apagó a los %2 s</source>
        <translation>LED %1 went off at %2 s</translation>
    </message>
    <message>
        <source>El led %1 se apagó a los %2 s, fuera del tiempo pedido</source>
        <translation>LED %1 went off at %2 s, outside the time asked for</translation>
    </message>
    <message>
        <source>El led %1 no se apagó</source>
        <translation>LED %1 did not go off</translation>
    </message>
    <message>
        <source>Terminar con la luz encendida</source>
        <translation>End with the light on</translation>
    </message>
    <message>
        <source>Terminar con la luz apagada</source>
        <translation>End with the light off</translation>
    </message>
    <message>
        <source>La luz terminó encendida</source>
        <translation>The light ended on</translation>
    </message>
    <message>
        <source>La luz terminó apagada</source>
        <translation>The light ended off</translation>
    </message>
    <message>
        <source>Encender la luz</source>
        <translation>Turn the light on</translation>
    </message>
    <message>
        <source>La luz se encendió a los %1 s</source>
        <translation>The light went on at %1 s</translation>
    </message>
    <message>
        <source>La luz se encendió a los %1 s, fuera del tiempo pedido</source>
        <translation>The light went on at %1 s, outside the time asked for</translation>
    </message>
    <message>
        <source>La luz no se encendió</source>
        <translation>The light did not go on</translation>
    </message>
    <message>
        <source>Apagar la luz</source>
        <translation>Turn the light off</translation>
    </message>
    <message>
        <source>La luz se apagó a los %1 s</source>
        <translation>The light went off at %1 s</translation>
    </message>
    <message>
        <source>La luz se apagó a los %1 s, fuera del tiempo pedido</source>
        <translation>The light went off at %1 s, outside the time asked for</translation>
    </message>
    <message>
        <source>La luz no se apagó</source>
        <translation>The light did not go off</translation>
    </message>
    <message>
        <source>Tocar la melodía de %1 notas: %2 Hz</source>
        <translation>Play the melody of %1 notes: %2 Hz</translation>
    </message>
    <message>
        <source>Tocar un tono de %1 Hz</source>
        <translation>Play a tone of %1 Hz</translation>
    </message>
    <message>
        <source>Tocar %1 tonos de %2 Hz</source>
        <translation>Play %1 tones of %2 Hz</translation>
    </message>
    <message>
        <source>Tocar un tono</source>
        <translation>Play a tone</translation>
    </message>
    <message>
        <source>Tocar %1 tonos</source>
        <translation>Play %1 tones</translation>
    </message>
    <message>
        <source>El tono sonó a los %1 s</source>
        <translation>The tone sounded at %1 s</translation>
    </message>
    <message>
        <source>Los %1 tonos sonaron; el último a los %2 s</source>
        <translation>The %1 tones sounded; the last one at %2 s</translation>
    </message>
    <message>
        <source>El primer tono pedido sonó a los %1 s, fuera del tiempo pedido</source>
        <translation>The first tone asked for sounded at %1 s, outside the time asked for</translation>
    </message>
    <message>
        <source>No sonó ningún tono de los pedidos</source>
        <translation>None of the tones asked for sounded</translation>
    </message>
    <message>
        <source>Sonaron %1 de los %2 tonos pedidos</source>
        <translation>%1 of the %2 tones asked for sounded</translation>
    </message>
    <message>
        <source>Enviar el byte %1 a la PC</source>
        <translation>Send the byte %1 to the PC</translation>
    </message>
    <message>
        <source>Enviar un byte a la PC</source>
        <translation>Send a byte to the PC</translation>
    </message>
    <message>
        <source>El programa envió %1 a la PC a los %2 s</source>
        <translation>The program sent %1 to the PC at %2 s</translation>
    </message>
    <message>
        <source>El programa envió %1 a la PC, no %2</source>
        <translation>The program sent %1 to the PC, not %2</translation>
    </message>
    <message>
        <source>El programa no envió nada a la PC</source>
        <translation>The program sent nothing to the PC</translation>
    </message>
    <message>
        <source>Terminar el programa apagando el Ladrillo</source>
        <translation>End the program switching the brick off</translation>
    </message>
    <message>
        <source>Terminar el programa devolviendo el mando a la PC</source>
        <translation>End the program handing control back to the PC</translation>
    </message>
    <message>
        <source>Terminar el programa reiniciando el Ladrillo</source>
        <translation>End the program restarting the brick</translation>
    </message>
    <message>
        <source>Terminar el programa con el Ladrillo bloqueado</source>
        <translation>End the program with the brick locked</translation>
    </message>
    <message>
        <source>Terminar el programa</source>
        <translation>End the program</translation>
    </message>
    <message>
        <source>Terminar antes de los %1 s</source>
        <translation>End before %1 s</translation>
    </message>
    <message>
        <source>Terminar con %1 distinta de %2</source>
        <translation>End with %1 different from %2</translation>
    </message>
    <message>
        <source>Terminar con %1 mayor que %2</source>
        <translation>End with %1 greater than %2</translation>
    </message>
    <message>
        <source>Terminar con %1 menor que %2</source>
        <translation>End with %1 less than %2</translation>
    </message>
    <message>
        <source>Terminar con %1 mayor o igual a %2</source>
        <translation>End with %1 greater than or equal to %2</translation>
    </message>
    <message>
        <source>Terminar con %1 menor o igual a %2</source>
        <translation>End with %1 less than or equal to %2</translation>
    </message>
    <message>
        <source>Terminar con %1 igual a %2</source>
        <translation>End with %1 equal to %2</translation>
    </message>
    <message>
        <source>%1 terminó valiendo %2</source>
        <translation>%1 ended at %2</translation>
    </message>
    <message>
        <source>Terminar con el robot quieto</source>
        <translation>End with the robot still</translation>
    </message>
    <message>
        <source>El robot terminó quieto</source>
        <translation>The robot ended still</translation>
    </message>
    <message>
        <source>Los motores seguían encendidos al final</source>
        <translation>The motors were still on at the end</translation>
    </message>
    <message>
        <source>La prueba se interrumpió</source>
        <translation>The test was interrupted</translation>
    </message>
    <message>
        <source>¡Reto cumplido! %1 a los %2 s</source>
        <translation>Challenge met! %1 at %2 s</translation>
    </message>
    <message>
        <source>Reto no cumplido: %1</source>
        <translation>Challenge not met: %1</translation>
    </message>
    <message>
        <source>1 estrella</source>
        <translation>1 star</translation>
    </message>
    <message>
        <source>%1 estrellas</source>
        <translation>%1 stars</translation>
    </message>
    <message>
        <source>El programa no generó código para el Ladrillo</source>
        <translation>The program generated no code for the brick</translation>
    </message>
    <message>
        <source>Enviar Codigo</source>
        <translation>Send Code</translation>
    </message>
    <message>
        <source>%1 y Correr Programa</source>
        <translation>%1 and Run Program</translation>
    </message>
    <message>
        <source>Clave fuera de rango (9 a 26) en la linea %1: %2</source>
        <translation>Key out of range (9 to 26) on line %1: %2</translation>
    </message>
    <message>
        <source>No se Pudo Abrir la Libreria %1 ni la Libreria %2</source>
        <translation>Could Not Open the Library %1 nor the Library %2</translation>
    </message>
    <message>
        <source>Esperar Hasta Que %1</source>
        <translation>Wait Until %1</translation>
    </message>
    <message>
        <source>Demora = %1 Segs.          (Angulo: %2%3)</source>
        <translation>Delay = %1 Secs.          (Angle: %2%3)</translation>
    </message>
    <message>
        <source>Sin Cambio</source>
        <translation>No Change</translation>
    </message>
    <message>
        <source>Motor %1: %2 - Motor %3: %4</source>
        <translation>Motor %1: %2 - Motor %3: %4</translation>
    </message>
    <message>
        <source>El elemento (%1, %2, %3) no es un elemento de programa.</source>
        <translation>The element (%1, %2, %3) is not a program element.</translation>
    </message>
    <message>
        <source>Cursor Arriba (34d)</source>
        <translation>Cursor Up (34d)</translation>
    </message>
    <message>
        <source>Cursor Abajo (38d)</source>
        <translation>Cursor Down (38d)</translation>
    </message>
    <message>
        <source>Cursor Izquierda (36d)</source>
        <translation>Cursor Left (36d)</translation>
    </message>
    <message>
        <source>Cursor Derecha (32d)</source>
        <translation>Cursor Right (32d)</translation>
    </message>
    <message>
        <source>Detener (40d)</source>
        <translation>Stop (40d)</translation>
    </message>
    <message>
        <source>El salto a la etiqueta &quot;%1&quot; no tiene su etiqueta en el programa (%2, fila %3, columna %4)</source>
        <translation>The jump to the label &quot;%1&quot; has no such label in the program (%2, row %3, column %4)</translation>
    </message>
    <message>
        <source>La repeticion que salta a la etiqueta &quot;%1&quot; no tiene su etiqueta en el programa (%2, fila %3, columna %4)</source>
        <translation>The repetition that jumps to the label &quot;%1&quot; has no such label in the program (%2, row %3, column %4)</translation>
    </message>
    <message>
        <source>La decision que salta a la etiqueta &quot;%1&quot; no tiene su etiqueta en el programa (%2, fila %3, columna %4)</source>
        <translation>The decision that jumps to the label &quot;%1&quot; has no such label in the program (%2, row %3, column %4)</translation>
    </message>
    <message>
        <source>Mi_Prog</source>
        <translation>My_Prog</translation>
    </message>
    <message>
        <source>Se encontro una copia de recuperacion del programa &quot;%1&quot; con cambios sin guardar.</source>
        <translation>A recovery copy of the program &quot;%1&quot; with unsaved changes was found.</translation>
    </message>
    <message>
        <source>Memoria: %1/%2</source>
        <translation>Memory: %1/%2</translation>
    </message>
    <message>
        <source>Memoria: %1/(%2)</source>
        <translation>Memory: %1/(%2)</translation>
    </message>
    <message>
        <source>Errores : (%1)</source>
        <translation>Errors : (%1)</translation>
    </message>
    <message>
        <source>Memoria: %1</source>
        <translation>Memory: %1</translation>
    </message>
    <message>
        <source>Libreria: %1</source>
        <translation>Library: %1</translation>
    </message>
    <message>
        <source>Memoria: 0/???</source>
        <translation>Memory: 0/???</translation>
    </message>
    <message>
        <source>Memoria: 0/%1</source>
        <translation>Memory: 0/%1</translation>
    </message>
    <message>
        <source>Maquina Virtual : %1</source>
        <translation>Virtual Machine : %1</translation>
    </message>
    <message>
        <source>Version Libreria: %1</source>
        <translation>Library Version: %1</translation>
    </message>
    <message>
        <source>Codigo Velatrix : %1</source>
        <translation>Velatrix Code : %1</translation>
    </message>
    <message>
        <source>Falta la Etiqueta Destino del Salto:</source>
        <translation>The Jump&apos;s Target Label is Missing:</translation>
    </message>
    <message>
        <source>Halla Señal del Control</source>
        <translation>There is a Remote Control Signal</translation>
    </message>
    <message>
        <source>Esperar Señal del Control Remoto</source>
        <translation>Wait for a Remote Control Signal</translation>
    </message>
    <message>
        <source>Conexion Exitosa!  : %1</source>
        <translation>Connection Successful!  : %1</translation>
    </message>
    <message>
        <source>Ladrillo: %1</source>
        <translation>Brick: %1</translation>
    </message>
    <message>
        <source>Instale el ladrillo en el banco de prueba, enciendalo y presione &quot;Iniciar Prueba&quot;</source>
        <translation>Place the brick on the test bench, switch it on and press &quot;Start Test&quot;</translation>
    </message>
    <message>
        <source>Despues de un Salto DEBE seguir con una etiqueta para no dejar</source>
        <translation>After a Jump a label MUST follow, so as not to leave</translation>
    </message>
    <message>
        <source>Codigo huerfano que nunca se puede acceder</source>
        <translation>Orphan code that can never be reached</translation>
    </message>
    <message>
        <source>Despues de un Fin de Programa DEBE seguir con una etiqueta para no dejar</source>
        <translation>After an End of Program a label MUST follow, so as not to leave</translation>
    </message>
    <message>
        <source>Pagina %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Objetos: %1/%2</source>
        <translation>Objects: %1/%2</translation>
    </message>
    <message>
        <source>Solo Queda Espacio para 50 Instrucciones Graficas, Es Recomendable</source>
        <translation>There is Only Room for 50 More Flowchart Instructions; it is Advisable to</translation>
    </message>
    <message>
        <source>Guardar el Programa y Volver a Abrirlo para Recuperar Espacio.</source>
        <translation>Save the Program and Open it Again to Recover Room.</translation>
    </message>
    <message>
        <source>%1Hz (%2)</source>
        <translation>%1Hz (%2)</translation>
    </message>
    <message>
        <source>%1 : Error!</source>
        <translation>%1 : Error!</translation>
    </message>
    <message>
        <source>Notas: %1</source>
        <translation>Notes: %1</translation>
    </message>
    <message>
        <source>Pasos: %1</source>
        <translation>Steps: %1</translation>
    </message>
    <message>
        <source>El Recorrido es Demasiado Largo para la Memoria de Este Ladrillo!</source>
        <translation>The Path is Too Long for the Memory of This Brick!</translation>
    </message>
    <message>
        <source>Presione &lt;OK&gt; para que se Guarde Recortado o &lt;Cancelar&gt; para Crear uno Nuevo</source>
        <translation>Press &lt;OK&gt; to Save it Shortened or &lt;Cancel&gt; to Create a New One</translation>
    </message>
    <message>
        <source>Tiempo (Segs): %1</source>
        <translation>Time (Secs): %1</translation>
    </message>
    <message>
        <source>Herramienta para Diseñar Recorridos</source>
        <translation>Path Design Tool</translation>
    </message>
    <message>
        <source>Herramienta para Diseñar Recorridos [Modificar]</source>
        <translation>Path Design Tool [Modify]</translation>
    </message>
    <message>
        <source>Ladrillo conectado: %1</source>
        <translation>Brick connected: %1</translation>
    </message>
    <message>
        <source>El archivo no es un programa de Tarvel Lab: el registro %1 no es un elemento (familia %2).</source>
        <translation>The file is not a Tarvel Lab program: record %1 is not an element (family %2).</translation>
    </message>
    <message>
        <source>El archivo termina con un registro incompleto de %1 bytes, que no se leyo.</source>
        <translation>The file ends with an incomplete record of %1 bytes, which was not read.</translation>
    </message>
    <message>
        <source>El archivo tiene mas de %1 subrutinas; se leyo hasta la octava.</source>
        <translation>The file has more than %1 subroutines; it was read up to the eighth.</translation>
    </message>
    <message>
        <source>No se Pudo Abrir el Archivo %1</source>
        <translation>Could Not Open the File %1</translation>
    </message>
    <message>
        <source>El archivo o su carpeta no existe.</source>
        <translation>The file or its folder does not exist.</translation>
    </message>
    <message>
        <source>No hay permiso para usar el archivo o su carpeta.</source>
        <translation>There is no permission to use the file or its folder.</translation>
    </message>
    <message>
        <source>Es una carpeta, no un archivo.</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>Una parte de la ruta no es una carpeta.</source>
        <translation>A part of the path is not a folder.</translation>
    </message>
    <message>
        <source>El nombre del archivo es demasiado largo.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>La ruta tiene demasiados enlaces simbolicos.</source>
        <translation>The path has too many symbolic links.</translation>
    </message>
    <message>
        <source>No queda espacio en el disco.</source>
        <translation>There is no space left on the disk.</translation>
    </message>
    <message>
        <source>El disco es de solo lectura.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Error de entrada/salida del disco.</source>
        <translation>Disk input/output error.</translation>
    </message>
    <message>
        <source>Hay demasiados archivos abiertos.</source>
        <translation>There are too many open files.</translation>
    </message>
    <message>
        <source>No queda memoria.</source>
        <translation>There is no memory left.</translation>
    </message>
    <message>
        <source>El archivo es demasiado grande para el disco.</source>
        <translation>The file is too large for the disk.</translation>
    </message>
    <message>
        <source>El archivo esta en uso.</source>
        <translation>The file is in use.</translation>
    </message>
    <message>
        <source>El archivo temporal quedo en otro disco.</source>
        <translation>The temporary file ended up on another disk.</translation>
    </message>
    <message>
        <source>Es una tuberia (FIFO), no un archivo comun.</source>
        <translation>It is a pipe (FIFO), not a regular file.</translation>
    </message>
    <message>
        <source>Es un dispositivo, no un archivo comun.</source>
        <translation>It is a device, not a regular file.</translation>
    </message>
    <message>
        <source>Es un socket, no un archivo comun.</source>
        <translation>It is a socket, not a regular file.</translation>
    </message>
    <message>
        <source>No es un archivo comun.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>El archivo es demasiado grande para su tipo (mas de %1 bytes).</source>
        <translation>The file is too large for its kind (more than %1 bytes).</translation>
    </message>
    <message>
        <source>No se Pudo Escribir el Archivo %1</source>
        <translation>Could Not Write the File %1</translation>
    </message>
    <message>
        <source>Falta el nombre del archivo.</source>
        <translation>The file name is missing.</translation>
    </message>
    <message>
        <source>El archivo es de solo lectura.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>La carpeta no existe.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>No se preparo el archivo.</source>
        <translation>The file was not prepared.</translation>
    </message>
    <message>
        <source>No se Pudo Reemplazar el Archivo %1</source>
        <translation>Could Not Replace the File %1</translation>
    </message>
    <message>
        <source>No se Pudo Leer la Configuracion del Archivo %1</source>
        <translation>Could Not Read the Settings in the File %1</translation>
    </message>
    <message>
        <source>La Linea %1 No Tiene el Formato Esperado.</source>
        <translation>Line %1 Does Not Have the Expected Format.</translation>
    </message>
    <message>
        <source>No se Pudo Guardar una Copia del Archivo Como %1</source>
        <translation>Could Not Keep a Copy of the File As %1</translation>
    </message>
    <message>
        <source>Se Usan los Valores por Omision.</source>
        <translation>The Default Values Are Used.</translation>
    </message>
    <message>
        <source>Se Reemplazo por los Valores por Omision.</source>
        <translation>It Was Replaced by the Default Values.</translation>
    </message>
    <message>
        <source>El Archivo Anterior se Guardo Como %1</source>
        <translation>The Previous File Was Kept As %1</translation>
    </message>
    <message>
        <source>No se Pudo Leer el Archivo %1</source>
        <translation>Could Not Read the File %1</translation>
    </message>
    <message>
        <source>Luces Intermitentes</source>
        <translation>Blinking Lights</translation>
    </message>
    <message>
        <source>Baile del Robot</source>
        <translation>The Robot&apos;s Dance</translation>
    </message>
    <message>
        <source>Evitar Obstaculos</source>
        <translation>Avoid Obstacles</translation>
    </message>
    <message>
        <source>Sigue la Luz</source>
        <translation>Follow the Light</translation>
    </message>
    <message>
        <source>Una Melodia</source>
        <translation>A Melody</translation>
    </message>
    <message>
        <source>Cuenta regresiva con aplausos</source>
        <translation>Countdown with claps</translation>
    </message>
    <message>
        <source>Medidor de sonido</source>
        <translation>Sound meter</translation>
    </message>
    <message>
        <source>Dado electronico</source>
        <translation>Electronic die</translation>
    </message>
    <message>
        <source>Manejar con el control remoto</source>
        <translation>Drive with the remote control</translation>
    </message>
    <message>
        <source>Salir del laberinto</source>
        <translation>Leave the maze</translation>
    </message>
    <message>
        <source>Barra de luz</source>
        <translation>Light bar</translation>
    </message>
    <message>
        <source>Despertador</source>
        <translation>Alarm clock</translation>
    </message>
    <message>
        <source>Seguir la Linea</source>
        <translation>Follow the Line</translation>
    </message>
    <message>
        <source>El archivo no es una libreria: no es un texto (tiene bytes nulos).</source>
        <translation>The file is not a library: it is not text (it has null bytes).</translation>
    </message>
    <message>
        <source>El archivo no es una libreria: no tiene instrucciones ni elementos.</source>
        <translation>The file is not a library: it has no instructions and no elements.</translation>
    </message>
    <message>
        <source>El archivo no es una libreria: su memoria (BRICKMEM) no puede ser la de un Ladrillo.</source>
        <translation>The file is not a library: its memory (BRICKMEM) cannot be a Brick&apos;s.</translation>
    </message>
    <message>
        <source>El archivo no existe.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Esta funcion no Genera Codigo para este Ladrillo!</source>
        <translation>This function Generates No Code for this Brick!</translation>
    </message>
    <message>
        <source>El campo &quot;%1&quot; no es el nombre de ningún objetivo</source>
        <translation>The field &quot;%1&quot; is the name of no goal</translation>
    </message>
    <message>
        <source>%1,%2</source>
        <extracomment>A number of seconds: its whole part and its tenths, with the language&apos;s decimal mark between them</extracomment>
        <translation>%1.%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarvel Lab: programas de flujo para el Ladrillo</source>
        <translation>Tarvel Lab: flowchart programs for the Brick</translation>
    </message>
    <message>
        <source>Usa el Ladrillo simulado.</source>
        <translation>Uses the simulated Brick.</translation>
    </message>
    <message>
        <source>Guarda una imagen de la ventana principal y termina.</source>
        <translation>Saves a picture of the main window and ends.</translation>
    </message>
    <message>
        <source>archivo</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Termina en cuanto la ventana principal esta lista (mediciones).</source>
        <translation>Ends as soon as the main window is ready (measurements).</translation>
    </message>
    <message>
        <source>programa</source>
        <translation>program</translation>
    </message>
    <message>
        <source>Programa (.gtf) para abrir al iniciar.</source>
        <translation>Program (.gtf) to open at start.</translation>
    </message>
</context>
<context>
    <name>phrase</name>
    <message>
        <source>Encender Motor(es) para Avanzar</source>
        <translation>Turn Motor(s) On to Go Forward</translation>
    </message>
    <message>
        <source>Encender Motor(es) para Retroceder</source>
        <translation>Turn Motor(s) On to Go Backward</translation>
    </message>
    <message>
        <source>Doblar Hacia La Izquierda</source>
        <translation>Turn Left</translation>
    </message>
    <message>
        <source>Doblar Hacia La Derecha</source>
        <translation>Turn Right</translation>
    </message>
    <message>
        <source>Girar En Sentido Anti-Horario</source>
        <translation>Spin Anticlockwise</translation>
    </message>
    <message>
        <source>Girar En Sentido Horario</source>
        <translation>Spin Clockwise</translation>
    </message>
    <message>
        <source>Apagar Motor(es)</source>
        <translation>Turn Motor(s) Off</translation>
    </message>
    <message>
        <source>Cargar Por Variable Luz</source>
        <translation>Load the Light from a Variable</translation>
    </message>
    <message>
        <source>Cargar Por Constante Luz</source>
        <translation>Load the Light from a Constant</translation>
    </message>
    <message>
        <source>Encender Luz</source>
        <translation>Turn the Light On</translation>
    </message>
    <message>
        <source>Apagar Luz</source>
        <translation>Turn the Light Off</translation>
    </message>
    <message>
        <source>Cargar Por Variable Pantalla</source>
        <translation>Load the Display from a Variable</translation>
    </message>
    <message>
        <source>Cargar Por Constante Pantalla</source>
        <translation>Load the Display from a Constant</translation>
    </message>
    <message>
        <source>Encender Pantalla</source>
        <translation>Turn the Display On</translation>
    </message>
    <message>
        <source>Apagar Pantalla</source>
        <translation>Turn the Display Off</translation>
    </message>
    <message>
        <source>Hacer Sonido</source>
        <translation>Make a Sound</translation>
    </message>
    <message>
        <source>del Sensor de Luz</source>
        <translation>of the Light Sensor</translation>
    </message>
    <message>
        <source>del Sensor de Tacto</source>
        <translation>of the Touch Sensor</translation>
    </message>
    <message>
        <source>del Sensor de Control Remoto</source>
        <translation>of the Remote Control Sensor</translation>
    </message>
    <message>
        <source>del Microfono</source>
        <translation>of the Microphone</translation>
    </message>
    <message>
        <source>de PC</source>
        <translation>from the PC</translation>
    </message>
    <message>
        <source>Contar Pulsos</source>
        <translation>Count Pulses</translation>
    </message>
    <message>
        <source>Leer Intensidad</source>
        <translation>Read Intensity</translation>
    </message>
    <message>
        <source>Leer Datos</source>
        <translation>Read Data</translation>
    </message>
    <message>
        <source>Leer Frecuencia</source>
        <translation>Read Frequency</translation>
    </message>
    <message>
        <source>Demora de</source>
        <translation>Delay of</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>el Sensor de Luz Este Iluminado</source>
        <translation>the Light Sensor is Lit</translation>
    </message>
    <message>
        <source>el Sensor de Tacto Este Presionado</source>
        <translation>the Touch Sensor is Pressed</translation>
    </message>
    <message>
        <source>Haya Señal de Control Remoto</source>
        <translation>there is a Remote Control Signal</translation>
    </message>
    <message>
        <source>Haya Sonido en el Microfono</source>
        <translation>there is Sound on the Microphone</translation>
    </message>
    <message>
        <source>Haya Mensaje de PC</source>
        <translation>there is a Message from the PC</translation>
    </message>
    <message>
        <source>Mas</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>O-Inclusiva</source>
        <translation>Inclusive-Or</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>And</translation>
    </message>
    <message>
        <source>O-Exclusiva</source>
        <translation>Exclusive-Or</translation>
    </message>
    <message>
        <source>Igual a</source>
        <translation>Equal to</translation>
    </message>
    <message>
        <source>Distinto a</source>
        <translation>Not Equal to</translation>
    </message>
    <message>
        <source>Mayor o Igual a</source>
        <translation>Greater than or Equal to</translation>
    </message>
    <message>
        <source>Menor o Igual a</source>
        <translation>Less than or Equal to</translation>
    </message>
    <message>
        <source>Mayor a</source>
        <translation>Greater than</translation>
    </message>
    <message>
        <source>Menor a</source>
        <translation>Less than</translation>
    </message>
    <message>
        <source>Esta Iluminado el Sensor de Luz</source>
        <translation>Is the Light Sensor Lit</translation>
    </message>
    <message>
        <source>Esta Presionado el Sensor de Tacto</source>
        <translation>Is the Touch Sensor Pressed</translation>
    </message>
    <message>
        <source>Hay Señal de Control Remoto</source>
        <translation>Is there a Remote Control Signal</translation>
    </message>
    <message>
        <source>Hay Sonido</source>
        <translation>Is there Sound</translation>
    </message>
    <message>
        <source>Hubo Error en el Ultimo Proceso</source>
        <translation>Was there an Error in the Last Process</translation>
    </message>
    <message>
        <source>Repetir Tanta Veces Como Indique</source>
        <translation>Repeat as Many Times as Held in</translation>
    </message>
    <message>
        <source>Inicio del Programa</source>
        <translation>Program Start</translation>
    </message>
    <message>
        <source>Etiqueta (Destino de Saltos)</source>
        <translation>Label (Target of Jumps)</translation>
    </message>
    <message>
        <source>Saltar a la Etiqueta</source>
        <translation>Jump to the Label</translation>
    </message>
    <message>
        <source>Inicio de Subrutina</source>
        <translation>Subroutine Start</translation>
    </message>
    <message>
        <source>Llamar a la Subrutina</source>
        <translation>Call the Subroutine</translation>
    </message>
    <message>
        <source>Terminar la Subrutina</source>
        <translation>End the Subroutine</translation>
    </message>
    <message>
        <source>Terminar el Programa</source>
        <translation>End the Program</translation>
    </message>
    <message>
        <source>Apaga Ladrillo</source>
        <translation>Turns the Brick Off</translation>
    </message>
    <message>
        <source>Devuelve Mando a la PC</source>
        <translation>Gives Control Back to the PC</translation>
    </message>
    <message>
        <source>Reinicia Ladrillo</source>
        <translation>Restarts the Brick</translation>
    </message>
    <message>
        <source>Ladrillo Bloqueado</source>
        <translation>Brick Locked</translation>
    </message>
    <message>
        <source>Saltar a Inicio</source>
        <translation>Jump to the Start</translation>
    </message>
    <message>
        <source>Var. Roja</source>
        <translation>Red Var.</translation>
    </message>
    <message>
        <source>Var. Azul</source>
        <translation>Blue Var.</translation>
    </message>
    <message>
        <source>Var. Verde</source>
        <translation>Green Var.</translation>
    </message>
    <message>
        <source>Var. Rosa</source>
        <translation>Pink Var.</translation>
    </message>
    <message>
        <source>Var. Naranja</source>
        <translation>Orange Var.</translation>
    </message>
    <message>
        <source>Constante</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Valor Al Azar</source>
        <translation>Random Value</translation>
    </message>
    <message>
        <source>Elemento Sin Ayuda</source>
        <translation>Element Without Help</translation>
    </message>
    <message>
        <source>Separador</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Encender</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Cargar Por Variable Sonido</source>
        <translation>Load the Sound from a Variable</translation>
    </message>
    <message>
        <source>Cargar Por Constante Sonido</source>
        <translation>Load the Sound from a Constant</translation>
    </message>
    <message>
        <source>Luz</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Pantalla</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Mensaje de PC (Envia)</source>
        <translation>PC Message (Sends)</translation>
    </message>
    <message>
        <source>Cargar Por Variable</source>
        <translation>Load from a Variable</translation>
    </message>
    <message>
        <source>Cargar Por Constante</source>
        <translation>Load from a Constant</translation>
    </message>
    <message>
        <source>Ejecutar Secuencia de</source>
        <translation>Play a Sequence of</translation>
    </message>
    <message>
        <source>Enviar Texto a</source>
        <translation>Send Text to</translation>
    </message>
    <message>
        <source>Hacer</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Mientras</source>
        <translation>While</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>Until</translation>
    </message>
    <message>
        <source>en </source>
        <translation>in </translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Binario</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
</context>
<context>
    <name>tarvel::AboutWindow</name>
    <message>
        <source>Acerca de Tarvel Lab</source>
        <translation>About Tarvel Lab</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::AppHelpWindow</name>
    <message>
        <source>Ayuda Relacionada</source>
        <translation>Related Help</translation>
    </message>
    <message>
        <source>Cerrar Ayuda</source>
        <translation>Close Help</translation>
    </message>
</context>
<context>
    <name>tarvel::AssistiveSupport</name>
    <message>
        <source>Mas Comandos</source>
        <translation>More Commands</translation>
    </message>
</context>
<context>
    <name>tarvel::Canvas</name>
    <message>
        <source>Programas para Tesmo</source>
        <translation>Programs for the Tesmo</translation>
    </message>
    <message>
        <source>Programas para el arandel</source>
        <translation>Programs for the Arandel</translation>
    </message>
    <message>
        <source>Programas para el Robot</source>
        <translation>Programs for the Robot</translation>
    </message>
    <message>
        <source>Programas del manual (Ejemplos)</source>
        <translation>Programs of the manual (Examples)</translation>
    </message>
    <message>
        <source>Mi_Prog</source>
        <translation>My_Prog</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Interfaz Completa</source>
        <translation>Full Interface</translation>
    </message>
    <message>
        <source>Interfaz Reducida</source>
        <translation>Reduced Interface</translation>
    </message>
    <message>
        <source>Celda vacia</source>
        <translation>Empty cell</translation>
    </message>
    <message>
        <source>Haga click aqui para ver la ayuda del programa</source>
        <translation>Click here to see the program&apos;s help</translation>
    </message>
    <message>
        <source>No hay ayuda para este programa</source>
        <translation>There is no help for this program</translation>
    </message>
</context>
<context>
    <name>tarvel::ChallengePanel</name>
    <message>
        <source>Reto</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>Reto elegido</source>
        <translation>Chosen challenge</translation>
    </message>
    <message>
        <source>Salir del Reto</source>
        <translation>Leave the Challenge</translation>
    </message>
    <message>
        <source>Dejar el reto y volver al simulador libre</source>
        <translation>Leave the challenge and go back to the free simulator</translation>
    </message>
    <message>
        <source>Descripción del reto</source>
        <translation>Description of the challenge</translation>
    </message>
    <message>
        <source>Objetivos del reto</source>
        <translation>Goals of the challenge</translation>
    </message>
    <message>
        <source>Probar Reto</source>
        <translation>Try Challenge</translation>
    </message>
    <message>
        <source>Compilar el programa abierto, enviarlo al Ladrillo simulado y ver si cumple el reto</source>
        <translation>Build the open program, send it to the simulated brick and see whether it meets the challenge</translation>
    </message>
    <message>
        <source>Estrellas</source>
        <translation>Stars</translation>
    </message>
    <message>
        <source>Resultado del reto</source>
        <translation>Result of the challenge</translation>
    </message>
    <message>
        <source>Tiempo límite: %1 s</source>
        <translation>Time limit: %1 s</translation>
    </message>
    <message>
        <source>Dibuje su programa y pulse &quot;Probar Reto&quot;.</source>
        <translation>Draw your program and press &quot;Try Challenge&quot;.</translation>
    </message>
    <message>
        <source>Espere a que termine la compilación en curso.</source>
        <translation>Wait for the build in progress to end.</translation>
    </message>
    <message>
        <source>El programa no se pudo compilar: %1</source>
        <translation>The program could not be built: %1</translation>
    </message>
    <message>
        <source>Probando el programa...</source>
        <translation>Testing the program...</translation>
    </message>
</context>
<context>
    <name>tarvel::ConnectingWindow</name>
    <message>
        <source>Estableciendo conexion con e-Tovan</source>
        <translation>Connecting to the e-Tovan</translation>
    </message>
    <message>
        <source>Conectando................</source>
        <translation>Connecting................</translation>
    </message>
    <message>
        <source>Conectando........</source>
        <translation>Connecting........</translation>
    </message>
    <message>
        <source>Sin un Ladrillo conectado por USB puede usar el Ladrillo Simulado:
&quot;Conexion&quot; &gt; &quot;Usar Ladrillo Simulado&quot;.</source>
        <translation>Without a brick connected by USB you can use the Simulated Brick:
&quot;Connection&quot; &gt; &quot;Use the Simulated Brick&quot;.</translation>
    </message>
    <message>
        <source>Usar Ladrillo Simulado</source>
        <translation>Use the Simulated Brick</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvel::ConsoleWindow</name>
    <message>
        <source>Consola del Ladrillo</source>
        <translation>Brick Console</translation>
    </message>
    <message>
        <source>Izquierdo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Ambos</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Derecho</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Luces</source>
        <translation>Lights</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>Encendido</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Apagado</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Estado del LED %1</source>
        <translation>State of LED %1</translation>
    </message>
    <message>
        <source>Luz Frontal</source>
        <translation>Front Light</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Frecuencia (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Duracion (mS)</source>
        <translation>Duration (mS)</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Hacer Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Leer Sensor de Luz</source>
        <translation>Read the Light Sensor</translation>
    </message>
    <message>
        <source>Nivel de Luz</source>
        <translation>Light Level</translation>
    </message>
    <message>
        <source>Valor del Nivel de Luz</source>
        <translation>Light Level Value</translation>
    </message>
    <message>
        <source>Leer Receptor Infrarrojo</source>
        <translation>Read the Infrared Receiver</translation>
    </message>
    <message>
        <source>Receptor Infrarrojo</source>
        <translation>Infrared Receiver</translation>
    </message>
    <message>
        <source>Color del Ladrillo</source>
        <translation>Colour of the Brick</translation>
    </message>
    <message>
        <source>  Ejecutar  </source>
        <translation>  Run  </translation>
    </message>
    <message>
        <source>Ejecutar el Programa Guardado en el Ladrillo</source>
        <translation>Run the Program Stored in the Brick</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Turn Off</translation>
    </message>
    <message>
        <source>Apagar el Ladrillo</source>
        <translation>Turn the Brick Off</translation>
    </message>
    <message>
        <source>Apagar el Ladrillo (OFF)</source>
        <translation>Turn the Brick Off (OFF)</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Avanzar</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Detener</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Retroceder</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Motor %1</source>
        <translation>Motor %1</translation>
    </message>
    <message>
        <source>Sin leer</source>
        <translation>Not read</translation>
    </message>
    <message>
        <source>Ladrillo: %1</source>
        <translation>Brick: %1</translation>
    </message>
    <message>
        <source>Ladrillo: Ninguno</source>
        <translation>Brick: None</translation>
    </message>
    <message>
        <source>Sin Señal</source>
        <translation>No Signal</translation>
    </message>
    <message>
        <source>Señal Recibida</source>
        <translation>Signal Received</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tarvel::ElementDialog</name>
    <message>
        <source>Constante</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Aumentar Constante</source>
        <translation>Increase Constant</translation>
    </message>
    <message>
        <source>Disminuir Constante</source>
        <translation>Decrease Constant</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Disminuir</source>
        <translation>Decrease</translation>
    </message>
    <message>
        <source>(No Hay Salida de Audio en esta PC)</source>
        <translation>(There is No Audio Output on this PC)</translation>
    </message>
</context>
<context>
    <name>tarvel::FactoryWindow</name>
    <message>
        <source>Probador de Ladrillos J2-USB</source>
        <translation>J2-USB Brick Tester</translation>
    </message>
    <message>
        <source>Reporte de prueba</source>
        <translation>Test report</translation>
    </message>
    <message>
        <source>Si (ENTER)</source>
        <translation>Yes (ENTER)</translation>
    </message>
    <message>
        <source>Lo mismo que presionar ENTER en el reporte</source>
        <translation>The same as pressing ENTER in the report</translation>
    </message>
    <message>
        <source>No (otra tecla)</source>
        <translation>No (another key)</translation>
    </message>
    <message>
        <source>Lo mismo que presionar otra tecla en el reporte</source>
        <translation>The same as pressing another key in the report</translation>
    </message>
    <message>
        <source>Iniciar Prueba</source>
        <translation>Start Test</translation>
    </message>
    <message>
        <source>Limpiar Listado</source>
        <translation>Clear Listing</translation>
    </message>
    <message>
        <source>Ensayos</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Limpiar Contador</source>
        <translation>Clear Counter</translation>
    </message>
    <message>
        <source>LEDS</source>
        <translation>LEDS</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>Luz Frontal</source>
        <translation>Front Light</translation>
    </message>
    <message>
        <source>Motor Izquierdo</source>
        <translation>Left Motor</translation>
    </message>
    <message>
        <source>Motor Derecho</source>
        <translation>Right Motor</translation>
    </message>
    <message>
        <source>Nombre del Listado de Reporte</source>
        <translation>Name of the Report Listing</translation>
    </message>
    <message>
        <source>Guardar Reportes</source>
        <translation>Save Reports</translation>
    </message>
    <message>
        <source>Reportes de prueba (*.txt)</source>
        <translation>Test reports (*.txt)</translation>
    </message>
    <message>
        <source>Reporte guardado en %1</source>
        <translation>Report saved in %1</translation>
    </message>
    <message>
        <source>Encendido</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Apagado</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Encendida</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Apagada</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>tarvel::FormEditSource</name>
    <message>
        <source>Archivos Fuente de Bajo Nivel (*.src)</source>
        <translation>Low-Level Source Files (*.src)</translation>
    </message>
    <message>
        <source>Ver y Editar Codigo Fuente</source>
        <translation>View and Edit Source Code</translation>
    </message>
    <message>
        <source>  Nuevo</source>
        <translation>  New</translation>
    </message>
    <message>
        <source>Borrar el Texto</source>
        <translation>Clear the Text</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abrir un Programa en Lenguaje Fuente</source>
        <translation>Open a Program in Source Language</translation>
    </message>
    <message>
        <source>  Guardar</source>
        <translation>  Save</translation>
    </message>
    <message>
        <source>Guardar el Programa en Lenguaje Fuente</source>
        <translation>Save the Program in Source Language</translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ejecutar el Programa Guardado en el Ladrillo</source>
        <translation>Run the Program Stored in the Brick</translation>
    </message>
    <message>
        <source>Compilar</source>
        <translation>Compile</translation>
    </message>
    <message>
        <source>Generar el Codigo del Texto</source>
        <translation>Generate the Code of the Text</translation>
    </message>
    <message>
        <source>Grabar </source>
        <translation>Send </translation>
    </message>
    <message>
        <source>Envia el Ultimo Codigo Generado al Ladrillo</source>
        <translation>Sends the Last Generated Code to the Brick</translation>
    </message>
    <message>
        <source>CompiGraba</source>
        <translation>CompiSend</translation>
    </message>
    <message>
        <source>Genera el Codigo, lo Envia al Ladrillo y lo Ejecuta</source>
        <translation>Generates the Code, Sends it to the Brick and Runs it</translation>
    </message>
    <message>
        <source>Codigo Fuente</source>
        <translation>Source Code</translation>
    </message>
    <message>
        <source>Mensajes del compilador</source>
        <translation>Compiler messages</translation>
    </message>
    <message>
        <source>Doble click en un mensaje: ir a su linea</source>
        <translation>Double click on a message: go to its line</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Memoria: ----</source>
        <translation>Memory: ----</translation>
    </message>
    <message>
        <source>Abrir Programa en Lenguaje Fuente</source>
        <translation>Open Program in Source Language</translation>
    </message>
    <message>
        <source>El archivo %1 es demasiado grande para ser un programa en lenguaje fuente.</source>
        <translation>The file %1 is too large to be a program in source language.</translation>
    </message>
    <message>
        <source>No se Pudo Abrir el Archivo %1</source>
        <translation>Could Not Open the File %1</translation>
    </message>
    <message>
        <source>Guardar Programa en Lenguaje Fuente</source>
        <translation>Save Program in Source Language</translation>
    </message>
    <message>
        <source>Algunos caracteres del texto no existen en los archivos fuente y se guardaron como &quot;?&quot;.</source>
        <translation>Some characters of the text do not exist in source files and were saved as &quot;?&quot;.</translation>
    </message>
</context>
<context>
    <name>tarvel::FormMotorTour</name>
    <message>
        <source>Clic izquierdo: agregar un tramo.  Clic derecho: Terminar Recorrido, Encender Luz, Apagar Luz.</source>
        <translation>Left click: add a segment.  Right click: End Path, Light On, Light Off.</translation>
    </message>
    <message>
        <source>Propiedades</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Titulo del Recorrido</source>
        <translation>Title of the Path</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Datos del Recorrido</source>
        <translation>Path Data</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Borrar Recorrido</source>
        <translation>Clear Path</translation>
    </message>
    <message>
        <source>Ver Recorrido</source>
        <translation>Show Path</translation>
    </message>
    <message>
        <source>Muestra al robot recorriendo el camino con los tiempos que se guardan</source>
        <translation>Shows the robot driving the path with the times that are stored</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Terminar Recorrido</source>
        <translation>End Path</translation>
    </message>
    <message>
        <source>Encender Luz</source>
        <translation>Light On</translation>
    </message>
    <message>
        <source>Apagar Luz</source>
        <translation>Light Off</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Detener</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>tarvel::FormSalidaSonidoTour</name>
    <message>
        <source>Notas</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Do agudo</source>
        <translation>High C</translation>
    </message>
    <message>
        <source>Frecuencia</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Duracion (mS)</source>
        <translation>Duration (mS)</translation>
    </message>
    <message>
        <source>Aumentar Duracion</source>
        <translation>Increase Duration</translation>
    </message>
    <message>
        <source>Disminuir Duracion</source>
        <translation>Decrease Duration</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Melodia</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source> Frecuencia (Nota)</source>
        <translation> Frequency (Note)</translation>
    </message>
    <message>
        <source>Agregar Nota</source>
        <translation>Add Note</translation>
    </message>
    <message>
        <source>Eliminar Nota</source>
        <translation>Delete Note</translation>
    </message>
    <message>
        <source>Elimina la nota seleccionada (o la ultima)</source>
        <translation>Deletes the selected note (or the last one)</translation>
    </message>
    <message>
        <source>Borrar Melodia</source>
        <translation>Clear Melody</translation>
    </message>
    <message>
        <source>Reproducir</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Toca la melodia en la computadora tal como la tocara el Ladrillo</source>
        <translation>Plays the melody on the computer as the Brick will play it</translation>
    </message>
    <message>
        <source>Error de Tono!</source>
        <translation>Tone Error!</translation>
    </message>
    <message>
        <source>No hay salida de sonido en esta computadora</source>
        <translation>There is no sound output on this computer</translation>
    </message>
    <message>
        <source>Titulo</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Detener</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>tarvel::FormScreenCompi</name>
    <message>
        <source>Compilar/Grabar Programa</source>
        <translation>Compile/Send Program</translation>
    </message>
    <message>
        <source>Compilacion del programa</source>
        <translation>Compiling the program</translation>
    </message>
    <message>
        <source>Avance</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Mensajes del compilador</source>
        <translation>Compiler messages</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvel::IconStore</name>
    <message>
        <source>SI</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>tarvel::LightPlot</name>
    <message>
        <source>Nivel de Luz de los ultimos 30 segundos</source>
        <translation>Light Level of the last 30 seconds</translation>
    </message>
</context>
<context>
    <name>tarvel::MainWindow</name>
    <message>
        <source>Numero de Puerto de Conexion con el Ladrillo</source>
        <translation>Number of the Port Connected to the Brick</translation>
    </message>
    <message>
        <source>Ladrillo: Ninguno</source>
        <translation>Brick: None</translation>
    </message>
    <message>
        <source>Modelo del Ladrillo Conectado</source>
        <translation>Model of the Connected Brick</translation>
    </message>
    <message>
        <source>Libreria: J2A1</source>
        <translation>Library: J2A1</translation>
    </message>
    <message>
        <source>Modelo de Ladrillo de la Libreria de Compilacion Activa</source>
        <translation>Brick Model of the Active Compilation Library</translation>
    </message>
    <message>
        <source>Objetos: 0/0</source>
        <translation>Objects: 0/0</translation>
    </message>
    <message>
        <source>Objetos Contenidos en el Programa: Visibles/Totales</source>
        <translation>Elements in the Program: Visible/Total</translation>
    </message>
    <message>
        <source>Memoria: 0/255</source>
        <translation>Memory: 0/255</translation>
    </message>
    <message>
        <source>Memoria Usada/Disponible</source>
        <translation>Memory Used/Available</translation>
    </message>
    <message>
        <source>Editor: Normal</source>
        <translation>Editor: Normal</translation>
    </message>
    <message>
        <source>Estado del Editor de Grafos</source>
        <translation>State of the Flowchart Editor</translation>
    </message>
    <message>
        <source>Cancelar Insertar</source>
        <translation>Cancel Insert</translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Comenzar un Nuevo Programa</source>
        <translation>Start a New Program</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abrir un Programa Existente</source>
        <translation>Open an Existing Program</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Guardar el Programa Actual</source>
        <translation>Save the Current Program</translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ejecutar el Programa Guardado en el Ladrillo</source>
        <translation>Run the Program Stored in the Brick</translation>
    </message>
    <message>
        <source>Compilar</source>
        <translation>Compile</translation>
    </message>
    <message>
        <source>Covertir el Programa de Grafos en Codigo-Ladrillo</source>
        <translation>Turn the Flowchart Program into Brick Code</translation>
    </message>
    <message>
        <source>Grabar</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Envia el Programa al Ladrillo</source>
        <translation>Sends the Program to the Brick</translation>
    </message>
    <message>
        <source>CompiGraba</source>
        <translation>CompiSend</translation>
    </message>
    <message>
        <source>Compila, Envia Programa al Ladrillo y lo Ejecuta</source>
        <translation>Compiles, Sends the Program to the Brick and Runs it</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Iniciar Conexion con el Ladrillo</source>
        <translation>Start the Connection with the Brick</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Monitor de Comunicacion para Aplicacion</source>
        <translation>Communication Monitor for Applications</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Consola de prueba desde PC</source>
        <translation>Test console from the PC</translation>
    </message>
    <message>
        <source>Tarvel Lab 1.0</source>
        <translation>Tarvel Lab 1.0</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Guardar Como</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Edicion</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Compilacion</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Compilar Programa</source>
        <translation>Compile Program</translation>
    </message>
    <message>
        <source>Compilar, Grabar y Ejecutar</source>
        <translation>Compile, Send and Run</translation>
    </message>
    <message>
        <source>Ver y Editar Codigo Fuente</source>
        <translation>View and Edit Source Code</translation>
    </message>
    <message>
        <source>Conexion</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Conectarse con el Ladrillo</source>
        <translation>Connect to the Brick</translation>
    </message>
    <message>
        <source>Grabar en el Ladrillo</source>
        <translation>Send to the Brick</translation>
    </message>
    <message>
        <source>Ejecutar Programa Ladrillo</source>
        <translation>Run the Brick&apos;s Program</translation>
    </message>
    <message>
        <source>Apagar Ladrillo</source>
        <translation>Turn the Brick Off</translation>
    </message>
    <message>
        <source>Iniciar Monitor</source>
        <translation>Start Monitor</translation>
    </message>
    <message>
        <source>Iniciar Consola</source>
        <translation>Start Console</translation>
    </message>
    <message>
        <source>Usar Ladrillo Simulado</source>
        <translation>Use the Simulated Brick</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ir a Brenquil en la Web</source>
        <translation>Go to Brenquil on the Web</translation>
    </message>
    <message>
        <source>Ayuda General</source>
        <translation>General Help</translation>
    </message>
    <message>
        <source>manual tarvel lab 2.pdf</source>
        <translation>tarvel lab 2 manual.pdf</translation>
    </message>
    <message>
        <source>Ayuda Avanzada</source>
        <translation>Advanced Help</translation>
    </message>
    <message>
        <source>manual tarvel lab 2 avanzado.pdf</source>
        <translation>tarvel lab 2 advanced manual.pdf</translation>
    </message>
    <message>
        <source>Acerca de....</source>
        <translation>About....</translation>
    </message>
    <message>
        <source>Configuracion</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modificar</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Reemplazar</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Insertar</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Insertar Espacio</source>
        <translation>Insert Space</translation>
    </message>
    <message>
        <source>Ir a la pagina web de Brenquil</source>
        <translation>Go to the Brenquil web page</translation>
    </message>
    <message>
        <source>Tarvel Lab 2.0 : %1</source>
        <translation>Tarvel Lab 2.0 : %1</translation>
    </message>
    <message>
        <source>No Hay Programas Disponibles</source>
        <translation>No Programs Available</translation>
    </message>
    <message>
        <source>Algunas lineas de la lista de ejemplos no se pudieron usar:</source>
        <translation>Some lines of the list of examples could not be used:</translation>
    </message>
    <message>
        <source>Desea Guardar los Cambios Realizados en el Programa?</source>
        <translation>Do You Want to Save the Changes Made to the Program?</translation>
    </message>
    <message>
        <source>Guardar Programa Grafico</source>
        <translation>Save Flowchart Program</translation>
    </message>
    <message>
        <source>Archivos de Lenguaje Grafico (*.gtf)</source>
        <translation>Flowchart Language Files (*.gtf)</translation>
    </message>
    <message>
        <source>Abrir Programa Grafico</source>
        <translation>Open Flowchart Program</translation>
    </message>
    <message>
        <source>El archivo esta danado; se abrio lo que se pudo leer:</source>
        <translation>The file is damaged; what could be read was opened:</translation>
    </message>
    <message>
        <source>Ladrillo: %1</source>
        <translation>Brick: %1</translation>
    </message>
    <message>
        <source>Ladrillo: Conectado?</source>
        <translation>Brick: Connected?</translation>
    </message>
    <message>
        <source>No se Puede Cambiar de Ladrillo Mientras hay una Comunicacion en Curso.</source>
        <translation>The Brick Cannot Be Changed While a Communication is Under Way.</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>El dialogo de este elemento todavia no esta disponible en esta version de Tarvel Lab.</source>
        <translation>This element&apos;s dialog is not available yet in this version of Tarvel Lab.</translation>
    </message>
    <message>
        <source>Al Borrar el Inicio de la Subrutina Perdera Todo el Contenido de la Misma!<byte value="xd"/>
Desea Borrar la Subrutina?</source>
        <translation>Deleting the Start of the Subroutine Will Lose All its Contents!<byte value="xd"/>
Do You Want to Delete the Subroutine?</translation>
    </message>
    <message>
        <source>Editor: Insertar Antes</source>
        <translation>Editor: Insert Before</translation>
    </message>
    <message>
        <source>Editor: Reemplazar</source>
        <translation>Editor: Replace</translation>
    </message>
    <message>
        <source>Cancelar Reemplazar</source>
        <translation>Cancel Replace</translation>
    </message>
    <message>
        <source>El Recorrido contenido en este objeto no es editable, si desea<byte value="xd"/>
crear un nuevo recorrido para este Objeto Presione Aceptar</source>
        <translation>The Path held in this element cannot be edited; if you want to<byte value="xd"/>
create a new path for this Element Press OK</translation>
    </message>
    <message>
        <source>La Melodia contenida en este objeto no es editable, si desea<byte value="xd"/>
crear una nueva Melodia para este Objeto Presione Aceptar</source>
        <translation>The Melody held in this element cannot be edited; if you want to<byte value="xd"/>
create a new Melody for this Element Press OK</translation>
    </message>
    <message>
        <source>Exportar Imagen</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Archivos Recientes</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>No se pudo guardar la copia de recuperacion del programa:</source>
        <translation>The program&apos;s recovery copy could not be saved:</translation>
    </message>
    <message>
        <source>No hay archivos recientes</source>
        <translation>No recent files</translation>
    </message>
    <message>
        <source>Borrar Lista</source>
        <translation>Clear List</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Imagen SVG (*.svg)</source>
        <translation>PNG Picture (*.png);;SVG Picture (*.svg)</translation>
    </message>
    <message>
        <source>Ver Simulador</source>
        <translation>Show Simulator</translation>
    </message>
    <message>
        <source>Ver el robot simulado y su mundo</source>
        <translation>Show the simulated robot and its world</translation>
    </message>
    <message>
        <source>Simulador</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>No se encuentra el manual &quot;%1&quot; en la carpeta de la aplicacion:<byte value="xd"/>
%2</source>
        <translation>The manual &quot;%1&quot; is not in the application folder:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No hay un programa para ver archivos PDF que abra el manual:<byte value="xd"/>
%1</source>
        <translation>There is no program for PDF files to open the manual:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No hay un navegador que abra la pagina web:<byte value="xd"/>
%1</source>
        <translation>There is no web browser to open the web page:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Tarvel Lab en la Web</source>
        <translation>Tarvel Lab on the Web</translation>
    </message>
    <message>
        <source>Para usarlo, conecte el Ladrillo con &quot;Conectar&quot;, o elija &quot;Conexion&quot; &gt; &quot;Usar Ladrillo Simulado&quot;.</source>
        <translation>To use it, connect the Brick with &quot;Connect&quot;, or choose &quot;Connection&quot; &gt; &quot;Use the Simulated Brick&quot;.</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Challenges</translation>
    </message>
    <message>
        <source>No hay retos en %1</source>
        <translation>There are no challenges in %1</translation>
    </message>
</context>
<context>
    <name>tarvel::MessageBoxes</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tarvel::MonitorWarning</name>
    <message>
        <source>Aviso!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>No volver a mostrar este mensaje</source>
        <translation>Do not show this message again</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvel::MonitorWindow</name>
    <message>
        <source>Monitor para Aplicacion del Ladrillo</source>
        <translation>Monitor for the Brick&apos;s Application</translation>
    </message>
    <message>
        <source>Monitor de Comunicacion</source>
        <translation>Communication Monitor</translation>
    </message>
    <message>
        <source>Direccion</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Area del MouseStick</source>
        <translation>MouseStick Area</translation>
    </message>
    <message>
        <source>Mueva el mouse para conducir; doble clic para pausar</source>
        <translation>Move the mouse to drive; double click to pause</translation>
    </message>
    <message>
        <source>Funcionar Como MouseStick</source>
        <translation>Work as a MouseStick</translation>
    </message>
    <message>
        <source>Funcionar con el Control Quenvar</source>
        <translation>Work with the Quenvar Control</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ladrillo no conectado: use &quot;Conectar&quot;</source>
        <translation>Brick not connected: use &quot;Connect&quot;</translation>
    </message>
</context>
<context>
    <name>tarvel::QuickHelpWindow</name>
    <message>
        <source>Ayuda Rapida</source>
        <translation>Quick Help</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvel::SettingsDialog</name>
    <message>
        <source>Configuracion Global</source>
        <translation>Global Settings</translation>
    </message>
    <message>
        <source>Configuracion del Sistema de Direccion</source>
        <translation>Steering System Settings</translation>
    </message>
    <message>
        <source>Motores Independientes para sentido de giro (Tipo Robot)</source>
        <translation>Independent Motors for the turning direction (Robot Type)</translation>
    </message>
    <message>
        <source>Direccion controlada por un motor (Tipo Auto)</source>
        <translation>Steering controlled by one motor (Car Type)</translation>
    </message>
    <message>
        <source>Identificacion de los Motores</source>
        <translation>Names of the Motors</translation>
    </message>
    <message>
        <source>Motor Izquierdo (A)</source>
        <translation>Left Motor (A)</translation>
    </message>
    <message>
        <source>Motor Derecho (B)</source>
        <translation>Right Motor (B)</translation>
    </message>
    <message>
        <source>Tiempo de Giro de 45° para Direccion de Motores Independientes</source>
        <translation>Time of a 45° Turn with Independent Motors Steering</translation>
    </message>
    <message>
        <source>mSegs</source>
        <translation>mSecs</translation>
    </message>
    <message>
        <source>Tiempo de activacion para direccion controlada por un motor</source>
        <translation>Time on for steering controlled by one motor</translation>
    </message>
    <message>
        <source>Motores</source>
        <translation>Motors</translation>
    </message>
    <message>
        <source>Constante</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Contenedor Rojo</source>
        <translation>Red Container</translation>
    </message>
    <message>
        <source>Contenedor Azul</source>
        <translation>Blue Container</translation>
    </message>
    <message>
        <source>Contenedor Verde</source>
        <translation>Green Container</translation>
    </message>
    <message>
        <source>Contenedor Rosa</source>
        <translation>Pink Container</translation>
    </message>
    <message>
        <source>Contenedor Naranja</source>
        <translation>Orange Container</translation>
    </message>
    <message>
        <source>Fuente de Referencia de estado Iluminado</source>
        <translation>Reference Source for the Lit state</translation>
    </message>
    <message>
        <source>Nivel de Luz para Reportar Estado Iluminado</source>
        <translation>Light Level to Report the Lit State</translation>
    </message>
    <message>
        <source>(0 a 245)</source>
        <translation>(0 to 245)</translation>
    </message>
    <message>
        <source>Tiempo de TimeOut para Esperas de Sensores (0 es Infinito)</source>
        <translation>Time-out for Sensor Waits (0 is Endless)</translation>
    </message>
    <message>
        <source>Tiempo de TimeOut para Conteo de Pulsos (Entradas)</source>
        <translation>Time-out for Pulse Counting (Inputs)</translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Conectar automaticamente antes de la accion &quot;CompiGrabar&quot;</source>
        <translation>Connect automatically before the &quot;CompiSend&quot; action</translation>
    </message>
    <message>
        <source>Usar Ladrillo Simulado</source>
        <translation>Use the Simulated Brick</translation>
    </message>
    <message>
        <source>Restear &quot;No volver a mostrar&quot;</source>
        <translation>Reset &quot;Do not show again&quot;</translation>
    </message>
    <message>
        <source>Puerto Serie para Conectar el Ladrillo</source>
        <translation>Serial Port to Connect the Brick</translation>
    </message>
    <message>
        <source>Comunicaciones</source>
        <translation>Communications</translation>
    </message>
    <message>
        <source>Desactivar Errores en Tiempo Programacion (Asistente de Sintaxis)</source>
        <translation>Turn Off Errors While Programming (Syntax Assistant)</translation>
    </message>
    <message>
        <source>Numero de ID del Programa (0 a 31)</source>
        <translation>Program ID Number (0 to 31)</translation>
    </message>
    <message>
        <source>Identificacion por omision</source>
        <translation>Default identification</translation>
    </message>
    <message>
        <source>Guardar los Archivos Fuentes Generados por Todos Programas Graficos</source>
        <translation>Keep the Source Files Generated by Every Flowchart Program</translation>
    </message>
    <message>
        <source>Avisar si se usan Iconos de Programacion (Grafos) sin Codigo Relacionado</source>
        <translation>Warn when Programming Icons (Elements) without Related Code are used</translation>
    </message>
    <message>
        <source>Libreria para Generacion de Codigo</source>
        <translation>Library for Code Generation</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Compilador</source>
        <translation>Compiler</translation>
    </message>
    <message>
        <source>Idioma de la Interfaz</source>
        <translation>Interface Language</translation>
    </message>
    <message>
        <source>El cambio de idioma se aplica al volver a iniciar Tarvel Lab.</source>
        <translation>A change of language takes effect the next time Tarvel Lab starts.</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Seleccionar Nueva Libreria de Codigo</source>
        <translation>Select a New Code Library</translation>
    </message>
    <message>
        <source>Librerias de Compilacion (*.lib *.LIB)</source>
        <translation>Compilation Libraries (*.lib *.LIB)</translation>
    </message>
</context>
<context>
    <name>tarvel::SimulatedInputsPanel</name>
    <message>
        <source>Entradas del Ladrillo Simulado</source>
        <translation>Inputs of the Simulated Brick</translation>
    </message>
    <message>
        <source>Nivel de Luz</source>
        <translation>Light Level</translation>
    </message>
    <message>
        <source>Luz Frontal Reflejada</source>
        <translation>Reflected Front Light</translation>
    </message>
    <message>
        <source>Nivel de Sonido</source>
        <translation>Sound Level</translation>
    </message>
    <message>
        <source>Sensor de Tacto Presionado</source>
        <translation>Touch Sensor Pressed</translation>
    </message>
    <message>
        <source>Señal del Control Remoto</source>
        <translation>Remote Control Signal</translation>
    </message>
</context>
<context>
    <name>tarvel::SimulatorWindow</name>
    <message>
        <source>encendido</source>
        <translation>on</translation>
    </message>
    <message>
        <source>apagado</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Simulador</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ejecutar o continuar el programa (F5)</source>
        <translation>Run or continue the program (F5)</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Detener el tiempo (F6)</source>
        <translation>Stop the time (F6)</translation>
    </message>
    <message>
        <source>Paso</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Ejecutar una instruccion (F10)</source>
        <translation>Run one instruction (F10)</translation>
    </message>
    <message>
        <source>Paso Bloque</source>
        <translation>Step Element</translation>
    </message>
    <message>
        <source>Ejecutar hasta el bloque siguiente (F11)</source>
        <translation>Run up to the next element (F11)</translation>
    </message>
    <message>
        <source>Reiniciar Posicion</source>
        <translation>Reset Position</translation>
    </message>
    <message>
        <source>Volver el robot a su lugar de partida</source>
        <translation>Put the robot back at its starting place</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Velocidad de la simulacion</source>
        <translation>Speed of the simulation</translation>
    </message>
    <message>
        <source>Mundo</source>
        <translation>World</translation>
    </message>
    <message>
        <source>Mundo donde anda el robot</source>
        <translation>World the robot drives in</translation>
    </message>
    <message>
        <source>Ladrillo</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>Leds</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>Led %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>Luz</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Luz del Ladrillo</source>
        <translation>Light of the Brick</translation>
    </message>
    <message>
        <source>Motor A</source>
        <translation>Motor A</translation>
    </message>
    <message>
        <source>Motor B</source>
        <translation>Motor B</translation>
    </message>
    <message>
        <source>Mensajes a la PC</source>
        <translation>Messages to the PC</translation>
    </message>
    <message>
        <source>Mensajes del programa</source>
        <translation>Messages of the program</translation>
    </message>
    <message>
        <source>Byte para enviar desde la PC</source>
        <translation>Byte to send from the PC</translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Enviar el byte al programa como mensaje de la PC</source>
        <translation>Send the byte to the program as a message from the PC</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Tecla del control remoto (dato %1)</source>
        <translation>Remote control key (data %1)</translation>
    </message>
    <message>
        <source>Aplaudir</source>
        <translation>Clap</translation>
    </message>
    <message>
        <source>Un aplauso frente al microfono</source>
        <translation>A clap in front of the microphone</translation>
    </message>
    <message>
        <source>Tocar</source>
        <translation>Touch</translation>
    </message>
    <message>
        <source>Apretar el sensor de tacto mientras se mantiene el boton</source>
        <translation>Press the touch sensor while the button is held</translation>
    </message>
    <message>
        <source>Abrir otro mundo...</source>
        <translation>Open another world...</translation>
    </message>
    <message>
        <source>Abrir Mundo</source>
        <translation>Open World</translation>
    </message>
    <message>
        <source>Mundos (*.json)</source>
        <translation>Worlds (*.json)</translation>
    </message>
    <message>
        <source>Bloque: %1</source>
        <translation>Element: %1</translation>
    </message>
    <message>
        <source>Direccion %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Challenges</translation>
    </message>
    <message>
        <source>Elegir un reto: un mundo y objetivos que el programa debe cumplir</source>
        <translation>Choose a challenge: a world and goals the program must meet</translation>
    </message>
    <message>
        <source>No hay retos en %1</source>
        <translation>There are no challenges in %1</translation>
    </message>
</context>
<context>
    <name>tarvel::StartDialog</name>
    <message>
        <source>Modo de Inicio de Programa</source>
        <translation>Program Start Mode</translation>
    </message>
    <message>
        <source>Inicio normal</source>
        <translation>Normal start</translation>
    </message>
    <message>
        <source>Habilitar el sensor tacil (desactiva la tecla de apagado/encendido)</source>
        <translation>Enable the touch sensor (turns off the on/off key)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tarvel::TourArea</name>
    <message>
        <source>Area de Dibujo del Recorrido</source>
        <translation>Path Drawing Area</translation>
    </message>
    <message>
        <source>Clic izquierdo: agregar un tramo. Clic derecho: opciones del recorrido. Con el teclado: flechas para apuntar, Enter para agregar el tramo.</source>
        <translation>Left click: add a segment. Right click: path options. With the keyboard: arrows to aim, Enter to add the segment.</translation>
    </message>
</context>
<context>
    <name>tarvel::UpDownBox</name>
    <message>
        <source>Subir %1</source>
        <translation>Raise %1</translation>
    </message>
    <message>
        <source>Bajar %1</source>
        <translation>Lower %1</translation>
    </message>
</context>
<context>
    <name>tarvel::WelcomeWindow</name>
    <message>
        <source>Bienvenido a Tarvel Lab</source>
        <translation>Welcome to Tarvel Lab</translation>
    </message>
    <message>
        <source>Dibuje su programa con los botones de la izquierda, o abra un ejemplo con los dibujos de la derecha.
Sin robot conectado puede usar el Ladrillo Simulado (menu Conexion).</source>
        <translation>Draw your program with the buttons on the left, or open an example with the pictures on the right.
Without a robot attached you can use the Simulated Brick (Connection menu).</translation>
    </message>
    <message>
        <source>No volver a mostrar esta pantalla</source>
        <translation>Do not show this screen again</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::WorldView</name>
    <message>
        <source>Mundo del simulador</source>
        <translation>Simulator world</translation>
    </message>
</context>
</TS>
