<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>QObject</name>
    <message>
        <source>No se Pudo Escribir el Archivo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo imprimir: la impresora no esta disponible.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Aviso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decisiones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operacion de Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones de Salida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones de Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones de Demora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones Logico-Matematicas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifuraciones de Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltos y Etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motor(es) en Sentido de Avance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motor para Avanzar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motor(es) en Sentido de Retroceso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motor para Retroceder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro a Izquierda (para Vehiculos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro a Derecha (para Vehiculos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro Anti-Horario (para Vehiculos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motores en Sentido de Giro Horario (para Vehiculos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Motor(es)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender/Apagar Leds de Display del Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender/Apagar Led Externo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emitir Sonidos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear Melodias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar Mensajes a la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer el Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer el Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer el Sensor de Control Remoto (Infrarrojo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer el Microfono (Sonido)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Mensajes del Port Serial (Mensajes de PC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar una Demora por Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Iluminacion en el sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Presion en el Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Sensor de Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Señal del Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar un Demora por Estado del Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Sonido en el Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar un Demora por Espera de Mensaje de PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Mensaje de la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones Matematicas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones Logicas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movimiento entre Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decidir por Nivel Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decidir por Estado de Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Sensor de Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decidir por Estado de Sensor de Control Remoto (Infrarrojo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun el Estado del Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decidir por Estado de Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifurcar el Programa por Comparacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifurcar el Programa segun Estado de Error de Ultima Operacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decidir por Estado Error del Ultimo Proceso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear una Nueva Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltar a una Etiqueta Existente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltar a una Etiqueta del Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear una Nueva Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Llamar a una Subrutina Existente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Llamar a un Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar una Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetir Saltando a una Etiqueta Existente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminar Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detener</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halla Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este Presionado el Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halla Señal del Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halla Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halla Mensaje de la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculo Logico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculo Matematico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carga de Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiqueta de Salto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuar por NO, Saltar por SI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falta la Etiqueta Destino del Salto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elija una Etiqueta de la Lista o Escriba su Nombre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Etiqueta Vacia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decisiones por Comparacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igual a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinto a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayor a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menor a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayor o Igual a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menor o Igual a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparar con</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetir (Saltar N veces a una etiqueta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeticion (N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Entrada de Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Intensidad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Entrada de Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Entrada de Control Remoto (Infrarrojo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Entrada de Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Frecuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Entrada de Mensajes de PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable Destino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo de Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contar Pulsos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espera por Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base de Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,1 Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mili Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo Definido por Variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo de Espera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mientras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Mientras %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demora = %1 Segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demora = %1,%2 Segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demora = %1.%2 Segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida de Luces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origen de Datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida a la pantalla del Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambia Todos los Leds Segun los Bits de la Variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambia Todos los Leds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo enciende el Led Seleccionado no afecta el Resto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo Apaga el Led Seleccionado no afecta el Resto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida de Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La Duracion del Sonido Debe Estar Entre 0 y 32767 mS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar Tono en Base a Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar Tono en Base a Constantes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genera un Beep de OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar Beep de Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia en Hz (Tono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duracion (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escuchar el Tono en la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naranja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculador de Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia (Tono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duracion (mSeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Esta Operacion Cambia el Contenido de las Variables Rosa y Naranja!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar Mensaje a PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostrar en...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formato en que Muestra la Variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Pantalla Antes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bajar de Linea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posicionar en Origen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostrar sin Accion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostrar sin Accion </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear Nueva Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crear Nueva Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de la Nueva Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de la Nueva Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltar A...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiqueta Destino del Salto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modo de Terminacion de Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devolver el Mando a la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reiniciar el Ladrillo (Modo Silencioso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrar en un Ciclo sin Fin (Ladrillo Bloqueado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltar a Inicio (Repetir el Programa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este Ladrillo No Permite Anidar Subrutinas!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Limitacion de Sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Fin de Subrutina No Puede Estar Dentro del Cuerpo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal del Programa!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Contexto Invalido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Fin de Programa No Puede Estar Dentro de una Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hay Mas Lugar en el Programa Principal (601 Elementos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hay Mas Lugar en esta Subrutina (129 Elementos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya Existe una Etiqueta o Subrutina Con Este Nombre,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambie el Nombre de la Etiqueta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Etiqueta en Uso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hay Lugar para Mas Etiquetas en esta Secuencia (200 Etiquetas)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se Puede Insertar Ni Reemplazar un Objeto con una Nueva Subrutina!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Nombre de una Subrutina No Puede Comenzar con un Numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ni con los Signos $, % o &apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Nombre Invalido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las 8 Subrutinas Disponibles Estan Ocupadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya Existe una Etiqueta o Subrutina Con Este Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Por Favor Cambie en Nombre de la Etiqueta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Subrutina en Uso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Uso Invalido de Estructura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pueden Agregar Comandos Despues del Fin de Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Despues de un Salto DEBE seguir con una etiqueta para no dejar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codigo huerfano que nunca se puede acceder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Despues de un Fin de Programa DEBE seguir con una etiqueta para no dejar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio de programa (Habilita el sensor tactil) [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio de programa [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacidad del Sistema Excedido (600 Instrucciones)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo Queda Espacio para 50 Instrucciones Graficas, Es Recomendable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar el Programa y Volver a Abrirlo para Recuperar Espacio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objetos: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina %1 de %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo no es un programa de Tarvel Lab: no tiene ningun elemento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo no es un programa de Tarvel Lab: no empieza con el Inicio del Programa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo no es un programa de Tarvel Lab: el registro %1 no es un elemento (familia %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo termina con un registro incompleto de %1 bytes, que no se leyo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demasiadas etiquetas en una secuencia; las sobrantes no se registraron.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo tiene mas de %1 subrutinas; se leyo hasta la octava.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una secuencia del archivo excede su limite; el resto del archivo no se leyo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se Pudo Abrir el Archivo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derecho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direccion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traccion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elemento Sin Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar Grafos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar Codigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar Grafos, Generar Codigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar Grafos, Generar Codigo, Enviar Codigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar Grafos, Generar Codigo, Enviar Codigo y Correr Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar Codigo, Enviar Codigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar Codigo, Enviar Codigo y Correr Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar Codigo al Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar Codigo al Ladrillo y Correr Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correr Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falla en la Libreria de Datos de Compilacion!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Libreria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se Pudo Escribir el Codigo Fuente!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilando Fuente...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Programa No Genera Codigo para el Ladrillo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Compilacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Compilacion!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al Enviar Programa!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Conexion! (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al ejecutar!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Programa Excede la Memoria Disponible! (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Espacio de Memoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una o Varias Subrutinas No Tienen Final!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Programacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hay un Programa para Enviar!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha generado un error de sintaxis interna, Las Posibles Causas Pueden ser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Saltos a Etiquetas Inexistentes: Revise que todos los Saltos vayan a Etiquetas Definidas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- El Programa Excede el Espacio de Memoria del Ladrillo : Puede Verificarlo en la parte Inferior (Memoria: xxx/Espacio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Libreria Incorrecta: La Libreria que esta Utilizando No Coincide con el Modelo de Ladrillo Conectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errores : (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconocido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Carga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clave fuera de rango (%1 a %2) en la linea %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argumento No Identificado: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se Pudo Abrir la Libreria %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libreria: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maquina Virtual : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Libreria: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codigo Velatrix : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hay Ayuda Disponible para este Grafo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconectando........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexion Exitosa!  : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexion Fallida: Verifique la conexion!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectado!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Ninguno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Conectando...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Conectado?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo conectado: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se perdio la conexion con el Ladrillo: conectelo de nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo no conectado: use &quot;Conectar&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione ENTER si avanza el motor Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avanza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrocede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione ENTER si retrocede el motor Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione ENTER si avanza el motor Derecho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione ENTER si retrocede el motor Derecho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando con el Ladrillo....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione ENTER si ambos LEDS encienden, Sino presione cualquier otra tecla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione ENTER si escucho el bip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FALLA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FALLA </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione cualquier tecla del control remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporte Terminado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin del test: Desconecte el cable USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instale el ladrillo en el banco de prueba, enciendalo y presione &quot;Iniciar Prueba&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error desconocido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se encontro ningun Ladrillo (USB 04D8:0002)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia La Derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia La Derecha-Adelante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia Adelante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia La Izquierda-Adelante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia La Izquierda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia La Izquierda-Atras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia Atras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir Hacia La Derecha-Atras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor Arriba (%1d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor Abajo (%1d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor Izquierda (%1d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor Derecha (%1d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detener (%1d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detenido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corriendo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medir nivel de luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controlar motores desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo simulado desconectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El dispositivo no esta conectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El dispositivo se desconecto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se encontro el archivo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se quito de la lista de archivos recientes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abriendo Libreria...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilando Grafos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciando Conexion con el Ladrillo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviando...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa Fuera de Memoria!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminado!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvel Lab no se cerro correctamente la ultima vez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desea recuperarla? (Si responde No, la copia se borra.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperar Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notas: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasos: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Recorrido es Demasiado Largo para la Memoria de Este Ladrillo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presione &lt;OK&gt; para que se Guarde Recortado o &lt;Cancelar&gt; para Crear uno Nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo (Segs): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herramienta para Diseñar Recorridos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herramienta para Crear Melodias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz: Encendida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz: Apagada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En pausa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa terminado (espera a la PC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo bloqueado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo apagado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin programa en ejecucion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adelante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Roja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Azul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Verde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Naranja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor Al Azar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta funcion no Genera Codigo para este Ladrillo!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarvel Lab: programas de flujo para el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usa el Ladrillo simulado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guarda una imagen de la ventana principal y termina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guarda una imagen de la configuracion y termina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termina en cuanto la ventana principal esta lista (mediciones).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa (.gtf) para abrir al iniciar.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>phrase</name>
    <message>
        <source>Encender Motor(es) para Avanzar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Motor(es) para Retroceder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doblar Hacia La Izquierda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doblar Hacia La Derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girar En Sentido Anti-Horario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girar En Sentido Horario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Motor(es)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargar Por Variable Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargar Por Constante Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargar Por Variable Pantalla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargar Por Constante Pantalla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Pantalla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Pantalla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar Secuencia de Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hacer Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido de OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido de ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reproducir Melodia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leds Seleccionados Sin Cambiar los otros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar Texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar a PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Binario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>del Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>del Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>del Sensor de Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>del Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contar Pulsos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Intensidad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Frecuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demora del valor contenido en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demora de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimas de Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centesimas de Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milesimas de Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Decimas de Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Centesimas de Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Milesimas de Segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Mientras que</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esperar Hasta que</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el Sensor de Luz Este Iluminado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el Sensor de Tacto Este Presionado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haya Señal de Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haya Sonido en el Microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haya Mensaje de PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O-Inclusiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O-Exclusiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Igual a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinto a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayor o Igual a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menor o Igual a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayor a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menor a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta Iluminado el Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta Presionado el Sensor de Tacto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hay Señal de Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hay Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hubo Error en el Ultimo Proceso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetir Tanta Veces Como Indique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio del Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiqueta (Destino de Saltos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltar a la Etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio de Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Llamar a la Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminar la Subrutina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminar el Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apaga Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devuelve Mando a la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinicia Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo Bloqueado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltar a Inicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio de programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habilita el sensor tactil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Roja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Azul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Verde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Naranja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor Al Azar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elemento Sin Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Argumento Invalido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Etiqueta ya utilizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Constante ya utilizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Variable ya utilizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Variable EEPROM ya utilizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Instruccion Inexistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Operador Inexistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Falta un Argumento para la instruccion invocada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Salto fuera de memoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: ORG definido fuera de la memoria existente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Codigo fuera de la memoria de programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Valor Truncado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Variable RAM fuera del memoria (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Variable EEPROM fuera de memoria (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Acceso a RAM del CPU fuera de memoria (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Etiqueta demasiado larga (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Nombre demasiado largo (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Argumento demasiado largo (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Numero de bit fuera de rango (0 a 7) (Truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Argumento fuera de rango (truncado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Demasiadas Etiquetas en uso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Demasiadas Variables en uso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Demasiadas Constantes o EQUs en uso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Demasiadas Variables EEPROM (EEP) en uso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Desconocido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilacion cancelada por exceso de errores!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::AboutWindow</name>
    <message>
        <source>Acerca de Tarvel Lab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::AppHelpWindow</name>
    <message>
        <source>Ayuda Relacionada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::Canvas</name>
    <message>
        <source>Operacion de Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones de Salida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones de Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones de Demora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operaciones Logico-Matematicas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bifuraciones de Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saltos y Etiquetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programas para Tesmo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programas para el arandel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programas para el Robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programas del manual (Ejemplos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi_Prog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interfaz Completa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interfaz Reducida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celda vacia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta funcion no Genera Codigo para este Ladrillo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haga click aqui para ver la ayuda del programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay ayuda para este programa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::ConnectingWindow</name>
    <message>
        <source>Estableciendo conexion con e-Tovan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando........</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::ConsoleWindow</name>
    <message>
        <source>Consola del Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derecho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encendido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado del LED %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz Frontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duracion (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hacer Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Sensor de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor del Nivel de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer Receptor Infrarrojo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receptor Infrarrojo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color del Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Ejecutar  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar el Programa Guardado en el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar el Ladrillo (OFF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avanzar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detener</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retroceder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Ninguno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin Señal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal Recibida</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::ElementDialog</name>
    <message>
        <source>Constante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aumentar Constante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disminuir Constante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disminuir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No Hay Salida de Audio en esta PC)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::FactoryWindow</name>
    <message>
        <source>Probador de Ladrillos J2-USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporte de prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si (ENTER)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo mismo que presionar ENTER en el reporte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No (otra tecla)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo mismo que presionar otra tecla en el reporte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciar Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpiar Listado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ensayos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpiar Contador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz Frontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Derecho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre del Listado de Reporte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar Reportes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reportes de prueba (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporte guardado en %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encendido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encendida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagada</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::FormEditSource</name>
    <message>
        <source>Archivos Fuente de Bajo Nivel (*.src)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver y Editar Codigo Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar el Texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir un Programa en Lenguaje Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar el Programa en Lenguaje Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar el Programa Guardado en el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generar el Codigo del Texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grabar </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envia el Ultimo Codigo Generado al Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CompiGraba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genera el Codigo, lo Envia al Ladrillo y lo Ejecuta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codigo Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensajes del compilador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doble click en un mensaje: ir a su linea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria: ----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Programa en Lenguaje Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo %1 es demasiado grande para ser un programa en lenguaje fuente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se Pudo Abrir el Archivo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar Programa en Lenguaje Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algunos caracteres del texto no existen en los archivos fuente y se guardaron como &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::FormMotorTour</name>
    <message>
        <source>Clic izquierdo: agregar un tramo.  Clic derecho: Terminar Recorrido, Encender Luz, Apagar Luz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propiedades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titulo del Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos del Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra al robot recorriendo el camino con los tiempos que se guardan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminar Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detener</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::FormSalidaSonidoTour</name>
    <message>
        <source>Notas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do agudo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duracion (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aumentar Duracion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disminuir Duracion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melodia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Frecuencia (Nota)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agregar Nota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminar Nota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina la nota seleccionada (o la ultima)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Melodia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reproducir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toca la melodia en la computadora tal como la tocara el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de Tono!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay salida de sonido en esta computadora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titulo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detener</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::FormScreenCompi</name>
    <message>
        <source>Compilar/Grabar Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilacion del programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensajes del compilador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::LightPlot</name>
    <message>
        <source>Nivel de Luz de los ultimos 30 segundos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::MainWindow</name>
    <message>
        <source>Numero de Puerto de Conexion con el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Ninguno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modelo del Ladrillo Conectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libreria: J2A1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modelo de Ladrillo de la Libreria de Compilacion Activa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objetos: 0/0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objetos Contenidos en el Programa: Visibles/Totales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria: 0/255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria Usada/Disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor: Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado del Editor de Grafos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar Insertar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comenzar un Nuevo Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir un Programa Existente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar el Programa Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar el Programa Guardado en el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Covertir el Programa de Grafos en Codigo-Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grabar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envia el Programa al Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CompiGraba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compila, Envia Programa al Ladrillo y lo Ejecuta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciar Conexion con el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor de Comunicacion para Aplicacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consola de prueba desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvel Lab 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar Como</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edicion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilar, Grabar y Ejecutar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver y Editar Codigo Fuente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectarse con el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grabar en el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar Programa Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciar Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciar Consola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usar Ladrillo Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir a Brenquil en la Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda Avanzada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acerca de....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuracion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GrafoPopUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modificar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reemplazar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertar Espacio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SubsPopUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambiar Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpcionesTour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminar Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encender Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ProgsVarbo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ir a la pagina web de Brenquil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta herramienta todavia no esta disponible en esta version de Tarvel Lab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvel Lab 2.0 : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hay Programas Disponibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algunas lineas de la lista de ejemplos no se pudieron usar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desea Guardar los Cambios Realizados en el Programa?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar Programa Grafico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivos de Lenguaje Grafico (*.gtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Programa Grafico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El archivo esta danado; se abrio lo que se pudo leer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo: Conectado?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se Puede Cambiar de Ladrillo Mientras hay una Comunicacion en Curso.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El dialogo de este elemento todavia no esta disponible en esta version de Tarvel Lab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al Borrar el Inicio de la Subrutina Perdera Todo el Contenido de la Misma!<byte value="xd"/>
Desea Borrar la Subrutina?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor: Insertar Antes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor: Reemplazar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar Reemplazar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El Recorrido contenido en este objeto no es editable, si desea<byte value="xd"/>
crear un nuevo recorrido para este Objeto Presione Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La Melodia contenida en este objeto no es editable, si desea<byte value="xd"/>
crear una nueva Melodia para este Objeto Presione Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Imagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivos Recientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo guardar la copia de recuperacion del programa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay archivos recientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Imagen SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver Simulador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver el robot simulado y su mundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulador</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::MonitorWarning</name>
    <message>
        <source>Aviso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No volver a mostrar este mensaje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::MonitorWindow</name>
    <message>
        <source>Monitor para Aplicacion del Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor de Comunicacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direccion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area del MouseStick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mueva el mouse para conducir; doble clic para pausar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funcionar Como MouseStick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funcionar con el Control Quenvar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo no conectado: use &quot;Conectar&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::QuickHelpWindow</name>
    <message>
        <source>Ayuda Rapida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::SettingsDialog</name>
    <message>
        <source>Configuracion Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuracion del Sistema de Direccion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motores Independientes para sentido de giro (Tipo Robot)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direccion controlada por un motor (Tipo Auto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificacion de los Motores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Izquierdo (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Derecho (B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo de Giro de 45° para Direccion de Motores Independientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mSegs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo de activacion para direccion controlada por un motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contenedor Rojo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contenedor Azul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contenedor Verde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contenedor Rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contenedor Naranja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuente de Referencia de estado Iluminado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel de Luz para Reportar Estado Iluminado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0 a 245)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo de TimeOut para Esperas de Sensores (0 es Infinito)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo de TimeOut para Conteo de Pulsos (Entradas)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectar automaticamente antes de la accion &quot;CompiGrabar&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usar Ladrillo Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restear &quot;No volver a mostrar&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto Serie para Conectar el Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comunicaciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desactivar Errores en Tiempo Programacion (Asistente de Sintaxis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero de ID del Programa (0 a 31)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificacion por omision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar los Archivos Fuentes Generados por Todos Programas Graficos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avisar si se usan Iconos de Programacion (Grafos) sin Codigo Relacionado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libreria para Generacion de Codigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma de la Interfaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El cambio de idioma se aplica al volver a iniciar Tarvel Lab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleccionar Nueva Libreria de Codigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Librerias de Compilacion (*.lib *.LIB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::SimulatedInputsPanel</name>
    <message>
        <source>Entradas del Ladrillo Simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel de Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz Frontal Reflejada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel de Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor de Tacto Presionado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal del Control Remoto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::SimulatorWindow</name>
    <message>
        <source>encendido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apagado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar o continuar el programa (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detener el tiempo (F6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar una instruccion (F10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso Bloque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecutar hasta el bloque siguiente (F11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reiniciar Posicion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver el robot a su lugar de partida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocidad de la simulacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mundo donde anda el robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Led %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luz del Ladrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensajes a la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensajes del programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte para enviar desde la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar el byte al programa como mensaje de la PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tecla del control remoto (dato %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplaudir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un aplauso frente al microfono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tocar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apretar el sensor de tacto mientras se mantiene el boton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir otro mundo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Mundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mundos (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bloque: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direccion %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::StartDialog</name>
    <message>
        <source>Modo de Inicio de Programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habilitar el sensor tacil (desactiva la tecla de apagado/encendido)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::TourArea</name>
    <message>
        <source>Area de Dibujo del Recorrido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic izquierdo: agregar un tramo. Clic derecho: opciones del recorrido. Con el teclado: flechas para apuntar, Enter para agregar el tramo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::UpDownBox</name>
    <message>
        <source>Subir %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bajar %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::WelcomeWindow</name>
    <message>
        <source>Bienvenido a Tarvel Lab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dibuje su programa con los botones de la izquierda, o abra un ejemplo con los dibujos de la derecha.
Sin robot conectado puede usar el Ladrillo Simulado (menu Conexion).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No volver a mostrar esta pantalla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvel::WorldView</name>
    <message>
        <source>Mundo del simulador</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
