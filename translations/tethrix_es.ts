<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Cancelar</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>&amp;Predeterminados</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>&amp;Rellenar</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Guardar</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Datos de entrada avanzados</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Reglaje del altímetro</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Otra ventana de Tethrix guardó %1 después de que esta leyera los ajustes: eso se conserva y rige también aquí.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Elevación del campo</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Rellenar la altitud de presión a partir de la elevación del campo y el reglaje del altímetro</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Pulse &lt;F1&gt; para ver la ayuda</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitud de presión a partir del campo:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 según el cálculo: %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Motor:</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Fecha de vuelo (hora local):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Combustible:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Separación de la manija:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Tiempo de vuelta medido (segundos):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Ajuste de aguja o temporizador:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Notas:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Hélice:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>El tiempo de vuelta medido debe ser un número de segundos, o quedar vacío</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Peso en punta:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>sin valor</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>No se puede exportar %1: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>Copia de %1</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>No se pudo añadir %1:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>%1 no contiene archivos de datos .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1 no se guardó</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Eliminar...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importar...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Guardar como &amp;nuevo</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>Registrar un &amp;vuelo...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Abrir</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>&amp;Renombrar...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Bitácora de trimado...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Añadir una &amp;carpeta...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Añadir una carpeta</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Añadir y actualizar aviones y vuelos desde un archivo de hangar</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Añadir todos los archivos de datos .TQD de una carpeta</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>Se añadió %1 desde %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Avión</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>No se puede guardar el archivo de hangar %1: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Cerrar</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>D&amp;uplicar...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>¿Eliminar %1 del hangar?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>¿Eliminar %1 del hangar? Sus %2 quedan en la bitácora de trimado, salvo que los elimine con él.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Eliminar avión</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Eliminar con sus vuelos</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Eliminar, conservar bitácora</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>Se eliminó %1 y sus %2.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Se eliminó %1.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Duplicar avión</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>E&amp;xportar hangar...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Ex&amp;portar avión...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>Se exportó %1 y su bitácora a %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Se exportó el hangar a %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Vuelos</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Guardar el caso de la ventana sobre el avión abierto en ella</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Guardar el caso de la ventana, con las notas escritas, como avión nuevo</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>Se guardó %1 como avión nuevo y se registró su vuelo.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>Se guardó %1 como avión nuevo.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Se guardó una copia de %1 como %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Se guardó el caso de la ventana sobre %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Último vuelo</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Registrar un vuelo de %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Registrar un vuelo del caso de la ventana</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Se registró un vuelo de %1.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Nombre de la copia de %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Nuevo nombre para %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>No hay ningún avión del hangar abierto en la ventana.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>No hay ningún avión del hangar abierto en la ventana: guarde el caso como uno nuevo.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>No se puede registrar ningún vuelo: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Notas (motor, hélice, lo que sea):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Abierto en la ventana: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Abrir el avión seleccionado en los campos de la ventana</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>Se abrió %1.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Renombrar avión</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>Se renombró %1 como %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Los aviones de %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>La copia</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>La eliminación de %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>El vuelo</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>No se puede exportar el hangar: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>La importación de %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>El nuevo nombre</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>El avión seleccionado con su bitácora</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>No se encontraron páginas</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Buscar en la ayuda</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Buscar:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Ayuda de Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Cronómetro de vueltas</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Empezar de nuevo</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Toque en cada pasada (Espacio)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Usar como tiempo de vuelta</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>%1 - Tethrix</source>
      <translation>%1 - Tethrix</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 cannot be compared: %2</source>
      <translation>No se puede comparar %1: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>&amp;Acerca de...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>A&amp;vanzado</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Contenido</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>Entrada de &amp;datos</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Archivo</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Hangar...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>Ay&amp;uda</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Imperiales</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Cronómetro de vueltas...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>Registrar un &amp;vuelo...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Métricas</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Abrir...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimir...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Guardar</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Gráficos de trimado...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Bitácora de trimado...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Unidades</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Datos de entrada avanzados</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>No se puede guardar el archivo %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>No se puede escribir el informe %1: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Borrar A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Datos calculados</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Condiciones...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Salir</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Archivo no encontrado</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Condiciones de vuelo: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>Han&amp;gar</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Datos de entrada</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Guardar como A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Idioma</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Idioma</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>La velocidad de vuelta se mide en el círculo completo de brazo, manija, líneas y ala interior; la velocidad sobre el suelo, en el círculo que pasa por la manija.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tiempo de vuelta</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Longitud de líneas</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Abrir A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Pulse &lt;Enter&gt; en cualquier campo para recalcular</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>La impresión no está disponible: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>Tethrix usará %1 desde su próximo inicio.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>El del sistema</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>No se pueden abrir los gráficos de trimado: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Estos datos no se pueden guardar como A: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>¿Y si...?</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>pies</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>No se puede guardar %1 como %2: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Los mismos datos y condiciones de vuelo que A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: no se añadió nada
</translation>
    </message>
    <message>
      <source>
{"name": </source>
      <translation>
{"name": </translation>
    </message>
    <message>
      <source>  --lang CODE the language of --help and of the messages on standard error,
              one of %1
              (TETHRIX_LANG=CODE does the same); standard output is the same
              in every language
</source>
      <translation>  --lang CODE el idioma de --help y de los mensajes en la salida de error,
              uno de %1
              (TETHRIX_LANG=CODE hace lo mismo); la salida estándar es la misma
              en todos los idiomas
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   elevación del campo, pies [m], junto con
  Altimeter   el reglaje del altímetro allí, inHg [hPa]: dan la altitud de
              presión, en lugar de Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (--no-settings usa las incorporadas)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (predeterminado </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Aquí los números llevan coma decimal (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Aquí los números llevan punto decimal ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> por ciento</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> aviones coinciden con </translation>
    </message>
    <message>
      <source> and </source>
      <translation> y </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> no puede ejecutarse: </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> grados</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> grados</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> grados</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> no se combina con --add (pruebe --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> no se combina con la lista de aviones de --hangar (pruebe --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> no se combina con --log (pruebe --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> pies</translation>
    </message>
    <message>
      <source> g</source>
      <translation> g</translation>
    </message>
    <message>
      <source> g/dm²</source>
      <translation> g/dm²</translation>
    </message>
    <message>
      <source> hPa</source>
      <translation> hPa</translation>
    </message>
    <message>
      <source> holds </source>
      <translation> contiene </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> no contiene aviones</translation>
    </message>
    <message>
      <source> id </source>
      <translation> id </translation>
    </message>
    <message>
      <source> in/Hg</source>
      <translation> in/Hg</translation>
    </message>
    <message>
      <source> inch</source>
      <translation> pulgada</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> pulgadas</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> no es el archivo de la compilación </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> es demasiado grande para mostrarse</translation>
    </message>
    <message>
      <source> kg</source>
      <translation> kg</translation>
    </message>
    <message>
      <source> km/h</source>
      <translation> km/h</translation>
    </message>
    <message>
      <source> m</source>
      <translation> m</translation>
    </message>
    <message>
      <source> mi/ph</source>
      <translation> mph</translation>
    </message>
    <message>
      <source> mm</source>
      <translation> mm</translation>
    </message>
    <message>
      <source> mph</source>
      <translation> mph</translation>
    </message>
    <message>
      <source> needs </source>
      <translation> necesita </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> o tiene ese id: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> nombres más (--hangar solo los lista)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> onzas</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/sq ft.</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> por ciento</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> libras</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> filas (STEP no puede ser cero y debe ir de FROM a TO)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> segundos</translation>
    </message>
    <message>
      <source> sq/in</source>
      <translation> sq/in</translation>
    </message>
    <message>
      <source> sq/inches</source>
      <translation> sq/in</translation>
    </message>
    <message>
      <source> watts</source>
      <translation> vatios</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> por el avión incorporado? Sus datos se pierden si no se guardan.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x peso</translation>
    </message>
    <message>
      <source> °C</source>
      <translation> °C</translation>
    </message>
    <message>
      <source>%1   (%2)</source>
      <translation>%1   (%2)</translation>
    </message>
    <message>
      <source>%1 (%2 hp)</source>
      <translation>%1 (%2 hp)</translation>
    </message>
    <message>
      <source>%1 (%2 kg)</source>
      <translation>%1 (%2 kg)</translation>
    </message>
    <message>
      <source>%1 (%2)</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>%1 (at byte %2)</source>
      <translation>%1 (en el byte %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Estas condiciones de vuelo no se guardan.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 y %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 da una velocidad aerodinámica fuera de los %2 a %3 mph que admite el modelo de las líneas: se calcula a %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1 no tiene '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1 es %2, más de lo que se encuentra en la pista de vuelo.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1 es %2, fuera del intervalo de %3 que el modelo de las líneas admite para líneas, manija y guías.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1 es %2, fuera del intervalo de %3 que admite el modelo de las líneas.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1 es %2, lo que no tiene sentido físico.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1 es igual o mayor que la velocidad aerodinámica, %2.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1 está fuera de -90 a 90 grados.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1 está fuera de -90 a 90 grados; se calcula como 0 grados.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>%1 está vacío: un cálculo usa %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>%1 está vacío: los valores usan %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1 es negativo, lo que no tiene sentido físico.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1 está fuera de 0 a 100 por ciento; se calcula como %2 por ciento.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1 es demasiado grande para mostrarse</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>%1 más</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1 debe ser %2 o más.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1 debe estar entre -90 y 90 grados.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1 debe estar entre 0 y 100 por ciento.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1 debe ser menor que la velocidad aerodinámica, %2.</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1 debe ser mayor que %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>%1 muestra '%2': un cálculo usa %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>%1 muestra '%2': los valores usan %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>%1 admite un número, como %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x tensión a favor del viento</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x tensión de líneas</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>%1: A %2, B %3</source>
      <translation>%1: A %2, B %3</translation>
    </message>
    <message numerus="yes">
      <source>%n airplane</source>
      <translation>
        <numerusform>%n avión</numerusform>
        <numerusform>%n aviones</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n avión</numerusform>
        <numerusform>%n aviones</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n archivo</numerusform>
        <numerusform>%n archivos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n archivo</numerusform>
        <numerusform>%n archivos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n vuelo</numerusform>
        <numerusform>%n vuelos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n vuelo</numerusform>
        <numerusform>%n vuelos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n vuelta</numerusform>
        <numerusform>%n vueltas</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>%n vuelta contada.</numerusform>
        <numerusform>%n vueltas contadas.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n vuelta</numerusform>
        <numerusform>%n vueltas</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n vuelta</numerusform>
        <numerusform>%n vueltas</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>%n vuelta contada.</numerusform>
        <numerusform>%n vueltas contadas.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s en %s</translation>
    </message>
    <message>
      <source>%s (%s)</source>
      <translation>%s (%s)</translation>
    </message>
    <message>
      <source>%s (%s), %s</source>
      <translation>%s (%s), %s</translation>
    </message>
    <message>
      <source>%s - Trim Log</source>
      <translation>%s - Bitácora de trimado</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>Copia de %s</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s no es un texto</translation>
    </message>
    <message>
      <source>%s-%s-%s %s:%s</source>
      <translation>%s-%s-%s %s:%s</translation>
    </message>
    <message>
      <source>%s: %s</source>
      <translation>%s: %s</translation>
    </message>
    <message>
      <source>%s: %s is not a text.</source>
      <translation>%s: %s no es un texto.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (pruebe --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' no es un valor de coma flotante válido</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' no es un valor de coma flotante válido para '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' no es un número válido para %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' no es un número entero válido</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' no es un número entero válido para %2</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' no es un id: hasta 64 letras, dígitos, - y _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' está fuera de rango para %2</translation>
    </message>
    <message>
      <source>'%1' of %2</source>
      <translation>'%1' de %2</translation>
    </message>
    <message>
      <source>(max-width: 759px)</source>
      <translation>(max-width: 759px)</translation>
    </message>
    <message>
      <source>*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***</source>
      <translation>*** Tethrix - calculadora de trimado para vuelo circular - valores de pilotos para pilotos ***</translation>
    </message>
    <message>
      <source>,
{"name": </source>
      <translation>,
{"name": </translation>
    </message>
    <message>
      <source>, "Error": </source>
      <translation>, "Error": </translation>
    </message>
    <message>
      <source>, "LapSpeed": </source>
      <translation>, "LapSpeed": </translation>
    </message>
    <message>
      <source>, "Warnings": [</source>
      <translation>, "Warnings": [</translation>
    </message>
    <message>
      <source>, "flights": </source>
      <translation>, "flights": </translation>
    </message>
    <message>
      <source>, "id": </source>
      <translation>, "id": </translation>
    </message>
    <message>
      <source>, "lastFlown": </source>
      <translation>, "lastFlown": </translation>
    </message>
    <message>
      <source>, "lt": </source>
      <translation>, "lt": </translation>
    </message>
    <message>
      <source>, "units": </source>
      <translation>, "units": </translation>
    </message>
    <message>
      <source>, change </source>
      <translation>, cambio </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, último vuelo </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, nunca volado</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, sin cambio</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Velocidad de vuelta (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Tiempo de vuelta (segundos) a la misma velocidad</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (segundos) a la misma velocidad</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang admite uno de %1, no '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Indique su id en lugar del nombre</translation>
    </message>
    <message>
      <source>.charts figure</source>
      <translation>.charts figure</translation>
    </message>
    <message>
      <source>0 0 %s %s</source>
      <translation>0 0 %s %s</translation>
    </message>
    <message>
      <source>A %1</source>
      <translation>A %1</translation>
    </message>
    <message>
      <source>A %1, %2</source>
      <translation>A %1, %2</translation>
    </message>
    <message>
      <source>A %1, no change</source>
      <translation>A %1, sin cambio</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>No se puede leer un vuelo: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Un hangar contiene como máximo %1 aviones</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Un hangar contiene como máximo %1 vuelos</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Un tiempo de vuelta medido debe ser mayor que 0 y de 3600 segundos como máximo</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Hay una nueva versión de Tethrix lista.</translation>
    </message>
    <message>
      <source>A number of lines outside 1 to 3 is taken as the nearer of them, as the
window's field does.

Options:
  --json      print one JSON object with every figure at full precision;
              with --sweep, a JSON array of one object per row
  --report F  also write the printed report as the PDF file F
  --units=imperial|metric
              the units of the KEY=VALUE inputs, the sweep range and every
              figure printed (default imperial, whatever the window shows);
              data files and stored conditions are imperial either way, and
              --json keeps its keys and adds "units"
  --no-settings
              use the built-in flying conditions, not the stored ones
  --sweep KEY=FROM:TO:STEP
              print a CSV table: KEY from FROM to TO by STEP (at most 100000
              rows) with every figure and the lap speed at full precision;
              a row that cannot be calculated carries the message instead
  --hold=laptime|speed
              what a sweep of the line length (ll) holds: the lap time (the
              default; the speed rises with the length) or the speed (the lap
              time grows with the flight path; a column "lt (seconds) at the
              same speed" follows ll, and "lt" in --json)
  --compare A.TQD B.TQD
              print both cases and the change from A to B, figure by figure;
              the KEY=VALUE inputs apply to both; with --json one object
              with "A", "B" and "Change", with --csv a table, and
              --report prints B compared with A
  --csv       with --compare: Figure,Unit,A,B,Change rows
  --          every argument after this is a data file
  --help      show this text
  --version   show the version

</source>
      <translation>Un número de líneas fuera de 1 a 3 se toma como el más cercano de los dos, como
hace el campo de la ventana.

Opciones:
  --json      imprime un objeto JSON con todos los valores a precisión completa;
              con --sweep, un array JSON con un objeto por fila
  --report F  escribe además el informe impreso como el archivo PDF F
  --units=imperial|metric
              las unidades de las entradas KEY=VALUE, del rango del barrido y
              de todos los valores impresos (imperiales de forma
              predeterminada, muestre lo que muestre la ventana); los archivos
              de datos y las condiciones guardadas son imperiales en cualquier
              caso, y --json conserva sus claves y añade "units"
  --no-settings
              usa las condiciones de vuelo incorporadas, no las guardadas
  --sweep KEY=FROM:TO:STEP
              imprime una tabla CSV: KEY de FROM a TO en pasos de STEP (como
              máximo 100000 filas) con todos los valores y la velocidad de
              vuelta a precisión completa; una fila que no se puede calcular
              lleva el mensaje en su lugar
  --hold=laptime|speed
              lo que mantiene fijo un barrido de la longitud de líneas (ll): el
              tiempo de vuelta (lo predeterminado; la velocidad crece con la
              longitud) o la velocidad (el tiempo de vuelta crece con la
              trayectoria; una columna "lt (seconds) at the same speed" sigue
              a ll, y "lt" en --json)
  --compare A.TQD B.TQD
              imprime ambos casos y el cambio de A a B, valor por valor; las
              entradas KEY=VALUE se aplican a ambos; con --json un objeto con
              "A", "B" y "Change", con --csv una tabla, y --report imprime B
              comparado con A
  --csv       con --compare: filas Figure,Unit,A,B,Change
  --          todo argumento que siga a este es un archivo de datos
  --help      muestra este texto
  --version   muestra la versión

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Un valor razonable de %1 va de %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A es demasiado grande para mostrarse</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Añadido </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>se añadieron %1</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Avión</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Nombre del avión</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Peso del avión</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Nombre del avión</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Peso del avión</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Aviones</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Altímetro</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Reglaje del altímetro</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Altitud</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= no puede darse junto con Elevation= y Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>No se puede leer un avión: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Un avión necesita un nombre</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Un reglaje del altímetro de %1 %2 está fuera de los %3 a %4 %2 de cualquier altímetro real.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Una tabla de interpolación necesita al menos dos puntos.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>abr</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Longitud del brazo</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Longitud del brazo</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Presión atmosférica</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>ago</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Calcular</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>No se puede cambiar </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>No se puede abrir el hangar de la ventana: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>No se puede leer </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>No se puede leer el hangar </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>No se puede escribir el hangar </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>Graficar frente a</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Compruebe la conexión e inténtelo de nuevo.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Borrar A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>Comparado con %1 (el valor de A y luego el cambio respecto a él)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Datos calculados</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Corregir</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Fecha de vuelo (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>dic</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Predeterminados</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>¿Eliminar %s del hangar?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>¿Eliminar de la bitácora el vuelo de %s?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>¿Eliminar también los vuelos de %s? Aceptar los elimina; Cancelar los conserva en la bitácora.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Eliminado; %n vuelo conservado</numerusform>
        <numerusform>Eliminado; %n vuelos conservados</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Altitud de densidad</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Tensión a favor del viento</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Duplicar</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Elevación</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Elevación, altímetro: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= y Altimeter= van juntos</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Motor</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Error</translation>
    </message>
    <message>
      <source>Exit status:
  0  success
  1  the inputs cannot be calculated, or a file cannot be read or written;
     the message on standard error says why, and nothing is printed on
     standard output
  2  a usage error: an unknown key or option, a value that is not a
     number, a missing or repeated option, or options that cannot be
     combined (--sweep with --report or --compare, --hold without --sweep,
     --compare without two files)
</source>
      <translation>Estado de salida:
  0  éxito
  1  los datos no se pueden calcular, o un archivo no se puede leer o
     escribir; el mensaje en la salida de error estándar dice por qué, y no
     se imprime nada en la salida estándar
  2  un error de uso: una clave u opción desconocida, un valor que no es un
     número, una opción que falta o se repite, u opciones que no se pueden
     combinar (--sweep con --report o --compare, --hold sin --sweep,
     --compare sin dos archivos)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Exportar el hangar</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Exporte el hangar de vez en cuando para tener una copia.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Exportar este avión</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM y TO deben caber en la entrada (como máximo 3.4E38 en magnitud)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO y STEP deben ser números finitos</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>No se pudieron establecer los datos de '%1': %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>feb</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Elevación del campo</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Los valores no están al día: pulse Enter</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Archivos e impresión</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Rellenar altitud de presión</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Prueba de tracción fija</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Carga fija de la prueba de tracción, en lugar del múltiplo (0: ninguna)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Radio de vuelo</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Vuelos</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>División de coma flotante por cero</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Fecha de vuelo (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Fecha de vuelo (hora local)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>¿Vuela solo? Con el teléfono en el bolsillo o en la mano,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Condiciones de vuelo (Datos de entrada avanzados)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Las condiciones de vuelo cambiaron en otra pestaña: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>vie</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>De %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>De %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Combustible</translation>
    </message>
    <message>
      <source>General</source>
      <translation>General</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Velocidad sobre el suelo</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Ángulo de la manija</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Separación de la manija</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Ángulo de la manija</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Longitud manija/guías</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Longitud manija/guías</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Hangar y bitácora de trimado</translation>
    </message>
    <message>
      <source>Hangar commands (FILE: a hangar file, as the window and the page export it;
without FILE, the window's own hangar):
  --hangar [FILE] [--json]
              list the airplanes: name, id, when last flown (UTC), flights
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]
              calculate an airplane (NAME: its name or its id) as its data
              file would be; every option above but --compare works with it
  --hangar [FILE] --add A.TQD ... [--json]
              keep each data file as a new airplane; a file that cannot be
              read adds none of them. FILE is created when not there yet
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              print the trim log, newest first, of every airplane or of
              NAME's: a short table; --csv every column of NAME's log, as
              the window exports it; --json the flights as the hangar file
              holds them (imperial)
  FILE is the argument after --hangar unless it starts with '-'. A NAME that
  matches no airplane, or several, is an error (exit status 1) naming what
  the hangar holds.

</source>
      <translation>Órdenes del hangar (FILE: un archivo de hangar, como lo exportan la ventana y
la página; sin FILE, el hangar propio de la ventana):
  --hangar [FILE] [--json]
              lista los aviones: nombre, id, último vuelo (UTC), vuelos
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [opciones]
              calcula un avión (NAME: su nombre o su id) como se calcularía su
              archivo de datos; todas las opciones anteriores salvo --compare
              funcionan con él
  --hangar [FILE] --add A.TQD ... [--json]
              guarda cada archivo de datos como un avión nuevo; si un archivo
              no se puede leer, no se añade ninguno. FILE se crea si aún no
              existe
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              imprime la bitácora de trimado, lo más reciente primero, de todos
              los aviones o de NAME: una tabla breve; --csv todas las columnas
              de la bitácora de NAME, como la exporta la ventana; --json los
              vuelos tal como los guarda el archivo de hangar (imperiales)
  FILE es el argumento que sigue a --hangar, salvo que empiece por '-'. Un
  NAME que no coincide con ningún avión, o que coincide con varios, es un
  error (estado de salida 1) que nombra lo que contiene el hangar.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Mantener el tiempo de vuelta</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Mantenga el teléfono quieto un segundo.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Mantener la velocidad</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Humedad</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>Id</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Imperiales</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Longitud del ala interior</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Longitud del ala interior</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Entrada </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Datos de entrada</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Las abscisas de la tabla de interpolación deben ser estrictamente crecientes.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Tipo de datos no válido para '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Valor no válido para '%1': '%2' no es Imperial ni Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Valor no válido para '%1': '%2' no es un idioma de Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>Se calcula como %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Parece estar en %1; este campo admite %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>ene</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>jul</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>jun</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Guardar como A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Guardar como avión nuevo</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Guardar los cambios</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Guardar la corrección</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Se guarda en este dispositivo para la próxima visita.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Idioma</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Vuelta %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Vuelta %1: %2 (toque doble, descartada)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Vuelta %1: %2 (irregular, descartada)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Vuelta %1: %2 (toque perdido, descartada)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Velocidad de vuelta</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Velocidad de vuelta = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Velocidad de vuelta = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Velocidad de vuelta: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tiempo de vuelta</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Tiempo de vuelta (segundos)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Tiempo de vuelta medido</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Tiempo de vuelta medido (segundos)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Cronómetro de vueltas</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Tiempo de vuelta</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Tiempo de vuelta y tensión de las líneas frente a %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Último vuelo %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Último vuelo (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Última vuelta %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Posición de guías</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Posición de guías tras el CG</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Inclinación de guías</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Diámetro de líneas</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Resistencia de líneas</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Área de resistencia de líneas</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Longitud de líneas</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Longitud de líneas (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Longitud de líneas (ojo a ojo)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Potencia de líneas</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Proyección de líneas</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>RN de líneas en punta de ala</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Tensión de líneas</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Peso de líneas</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Diámetro de líneas</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Gráfico de longitud de líneas</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Longitud de líneas, ojo a ojo</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Tensión de las líneas, posición de las guías, proyección de las líneas e inclinación de las guías en torno al caso actual, cada una en su propia escala.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Cargando</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Cargando la calculadora…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Registrar un vuelo</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Registrar un vuelo (guarda este avión)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Registre vuelos con tiempo de vuelta medido para verlos aquí.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Registrar este vuelo</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Se registró un vuelo con un tiempo de vuelta de %s s.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>mar</translation>
    </message>
    <message>
      <source>May</source>
      <translation>may</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Media de las últimas %1: %2, dispersión %3 s.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Métricas</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>lun</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Aquí no hay sensores de movimiento o se denegó su uso: toque en cada pasada.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nombre</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Nombre de la copia de %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Aguja o temporizador</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Nuevo nombre para %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>No hay ningún avión del hangar abierto.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Ningún gráfico recorre '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>No existe el valor '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>No hay valores que dibujar: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Aún no hay vuelos registrados.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>No hay vuelos registrados.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>No hay ninguna fuente instalada con la que dibujar el informe</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Aún sin volar</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Notas</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Notas sobre el avión (motor, hélice, lo que sea)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Notas sobre el vuelo</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Nada cambió: el hangar ya contiene todo lo de %1.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>No se guardará nada en este dispositivo: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>nov</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Número de líneas</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Número de líneas (1 a 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>oct</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Abrir</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Abrir A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Abierto: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Presión</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Altitud de presión</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Pulse &lt;Enter&gt; en cualquier campo para recalcular</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Altitud de presión</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitud de presión a partir del campo:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Imprimir</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Imprimir la bitácora</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Impreso %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Hélice</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Prueba de tracción</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Carga de la prueba de tracción</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>El controlador SQLite de Qt no está instalado (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Humedad relativa</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Humedad relativa</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Recargar</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Renombrar</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>¿Reemplazar </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Report</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Results</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>sáb</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Guardar</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>sep</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Mostrar su bitácora</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Empezar de nuevo</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Detenido tras {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Condiciones guardadas no usadas: %s Los valores incorporados ocupan </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>dom</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 no es un idioma de tethrix-calc (%2): se usa el inglés</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Toque Calcular para recalcular</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Toque en cada pasada</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Toque una vez al inicio y luego en cada pasada.</translation>
    </message>
    <message>
      <source>Temp</source>
      <translation>Temp</translation>
    </message>
    <message>
      <source>Temperature</source>
      <translation>Temperatura</translation>
    </message>
    <message>
      <source>Temprature</source>
      <translation>Temperatura</translation>
    </message>
    <message>
      <source>Tethrix</source>
      <translation>Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Data File</source>
      <translation>Archivo de datos de Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Trabajo de impresión de Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>%1 no puede contener caracteres de control salvo saltos de línea y tabulaciones</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>%1 no puede contener saltos de línea, tabulaciones ni otros caracteres de control</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1 es infinito</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>%1 tiene más de %2 caracteres</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>Falta %1</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1 no es un número</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>%1 no es texto UTF-8 válido</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>La hora de %1 '%2' no es una hora UTC como 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>La prueba de tracción, %1, es igual o menor que %2, %3: no garantiza las líneas ni la manija para este vuelo.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>El aire está demasiado caliente y húmedo: la presión del vapor de agua alcanza la presión del aire.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>El aire está demasiado enrarecido a esta altitud de presión: la presión del vapor de agua alcanza la presión del aire.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>El avión ya no está en el hangar</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>El avión de este vuelo no está en el hangar</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>La velocidad aerodinámica con estas líneas está fuera de los %1 a %2 mph que admite el modelo de las líneas: se calcula a %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>El reglaje del altímetro debe ser mayor que 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>El navegador no se ha comprometido a conservar el hangar: puede borrarlo cuando falte espacio. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>El navegador se ha comprometido a conservar el hangar en este dispositivo.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>No se pudo cargar la calculadora:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>No se pudo usar el caso guardado de la última visita (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>El cambio no se guardó: no se pudo crear la carpeta %1 (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>El cambio no se guardó: no se pudo escribir el hangar %1 (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>La elevación del campo queda fuera de la atmósfera que el programa puede modelar.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Los valores corresponden a los datos mostrados.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>El vuelo ya no está en la bitácora</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>El radio de vuelo es cero o negativo: la longitud del brazo es demasiado grande para la longitud de las líneas con este ángulo de la manija.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>El vuelo no se registró: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>El vuelo no se registró: se está corrigiendo un vuelo de la bitácora.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>No se puede leer el hangar %1 (%2): Tethrix funciona sin hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>No se puede leer el hangar %1 (%2): se conserva tal cual y Tethrix funciona sin hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>No se puede leer el hangar %1 (no es un hangar de Tethrix): se conserva tal cual y Tethrix funciona sin hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>No se puede escribir el hangar %1 (%2): se muestra en solo lectura.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>El hangar %1 contiene datos que esta versión de Tethrix no puede leer (%2): se muestra en solo lectura y se conserva tal cual.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>El hangar %1 no se actualizó para esta versión de Tethrix, así que el cambio no se guardó: no se pudo hacer su copia de seguridad %2 (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>El hangar %1 lo escribió una versión más reciente de Tethrix (versión de base de datos %2; esta conoce hasta la %3): se muestra en solo lectura y se conserva tal cual.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>No se puede guardar el hangar en %1 (%2): no se guardarán aviones ni vuelos.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>No se puede guardar el hangar: este sistema no indica ninguna carpeta para los datos del usuario.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>No se puede leer el hangar: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>No se pudo cargar el hangar: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>El hangar es demasiado grande para un archivo de 16 MiB como máximo: exporte sus aviones por separado</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>El hangar de este dispositivo contiene registros que esta página no puede leer, así que no cambia </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>No se pudo cargar el cronómetro de vueltas: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>El último cambio no se guardó: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>El último cambio no se guardó: otras pestañas seguían cambiando el hangar.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Los sensores de movimiento se detuvieron%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>La página sigue en inglés: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>El teléfono se movió: manténgalo quieto un segundo para empezar.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>La altitud de presión queda fuera de la atmósfera que el programa puede modelar.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>La impresora no pudo terminar el documento</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>La impresora no pudo empezar el documento</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>No se puede leer el archivo de configuración %1 (%2): se conserva tal cual; se usan las condiciones y unidades incorporadas, y no se guarda nada hasta que se repare o se elimine</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>No se puede leer el archivo de configuración %1: no se usan los valores guardados que contiene</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>El inicio guardado en este dispositivo no era de esta página (%s): se descartó.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>El valor guardado '%1' tiene más de %2 caracteres: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Falta el '%1' guardado: %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>No se pueden leer los ajustes guardados (%1): se usan los predeterminados</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>La temperatura es igual o inferior al cero absoluto (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>El cronómetro se detuvo al bloquearse la pantalla u ocultarse la página, tras {laps}.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>La velocidad del viento es igual a la velocidad aerodinámica.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Ya hay un vuelo con el id %1</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Ya hay un avión con el id %1</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>No es un archivo de hangar que Tethrix pueda leer: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>jue</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Cronometrar mis vueltas</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Cronometrando sus vueltas. Mantenga pulsado aquí 1.5 s para detener.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Cronometrando: %1 vueltas hasta ahora. La primera vuelta se descarta.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Cronometrando: toque en cada pasada.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Peso en punta</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Gráficos de trimado</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Calculadora de trimado para aeromodelos de vuelo circular</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Valores de ajuste según %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Valores de trimado frente a Tiempo de vuelta (segundos)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Bitácora de trimado</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Bitácora de trimado de </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Reintentar</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>mar</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Dos aviones tienen el mismo id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Dos vuelos tienen el mismo id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Unidades</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Dato de entrada desconocido '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>se actualizaron %1</translation>
    </message>
    <message>
      <source>Usage: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                   [--report FILE.pdf]
       tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                    [FILE.TQD] [KEY=VALUE ...]
       tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Computes the trim figures of a control-line airplane. The flying conditions
are the ones the window keeps (Advanced &gt; Data Entry), unless --no-settings;
a data file is applied next, as the window's File &gt; Open does, then the
KEY=VALUE inputs. tethrix-calc never changes the stored settings.
A file whose name contains '=' can be given after '--'.

Keys (any letter case; numbers with '.' as decimal point; metric units
in brackets, for --units=metric):
</source>
      <translation>Uso: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                [--report FILE.pdf]
    tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                 [FILE.TQD] [KEY=VALUE ...]
    tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Calcula los valores de trimado de un avión de vuelo circular. Las condiciones
de vuelo son las que guarda la ventana (Avanzado &gt; Entrada de datos), salvo
con --no-settings; después se aplica un archivo de datos, como hace Archivo &gt;
Abrir en la ventana, y luego las entradas KEY=VALUE. tethrix-calc nunca
cambia la configuración guardada.
Un archivo cuyo nombre contenga '=' puede indicarse tras '--'.

Claves (en mayúsculas o minúsculas; números con '.' como separador decimal;
unidades métricas entre corchetes, para --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Usar como tiempo de vuelta</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>mié</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Peso</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>¿Y si...?</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Velocidad del viento</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Velocidad del viento</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Superficie alar</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Carga alar</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Superficie alar</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>un nombre de archivo PDF</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>un escape \u incorrecto en un texto</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>un carácter de control sin escapar en un texto</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>una clave de %1</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>un sustituto (surrogate) aislado en un texto</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>un registro está guardado con un id distinto del suyo</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>un registro es demasiado largo</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>tras una clave</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>avión %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>nombre del avión</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>un escape desconocido en un texto</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>otra pestaña de Tethrix tiene abierta una versión anterior</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>al final de %1</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>al final de </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>a la misma velocidad</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>onza avoirdupois: 1/16 de la libra internacional de 453.59237 g exactos (el mismo acuerdo)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>no se puede generar el id de un avión desde /dev/urandom: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>no se puede escribir la salida</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>cuenta sus propias vueltas en el centro: quédese quieto un segundo y luego vuele. Mantenga pulsada la pantalla 1.5 s para detener.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>grad.</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>grados</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>grados F</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>todas las condiciones de vuelo están guardadas</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>se esperaba '%1' %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>se esperaba un número para %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>se esperaba un texto para %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>comprobación cruzada de fallos: las comprobaciones hallaron %u, el hardware %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>pies</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>vuelo %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>para %1</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>para </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>su lugar; lo guardado se conserva hasta que se cambie una condición de vuelo.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>separación de la manija</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial o metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>se muestran unidades imperiales</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>pulgada</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>pulgada de mercurio como la usan los reglajes de altímetro: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>pulgadas</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>pie internacional: 0.3048 m exactos (el mismo acuerdo)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>pulgada internacional: 25.4 mm exactos (acuerdo internacional sobre la yarda y la libra, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>milla internacional: 5280 ft de 0.3048 m, 1.609344 km exactos</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>libra internacional: 0.45359237 kg exactos (el acuerdo de 1959)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>cambió mientras se ejecutaba esta orden: no se escribió nada, inténtelo de nuevo</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>no se cargó</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>contiene un valor serializado, que Tethrix nunca escribe</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>contiene más aviones o vuelos de los que admite un hangar</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>contiene más de 1,000,000 vuelos</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>contiene más de 10,000 aviones</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>no contiene ningún ajuste que Tethrix guarde, solo %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>no contiene ningún ajuste que Tethrix guarde, solo %1 y otros</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>no contiene ajustes, solo otro texto</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>no contiene ninguna de las claves de un archivo de datos (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>es un archivo de hangar de la versión %1, de un Tethrix más reciente; este lee la versión %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>es una tubería, no un archivo normal</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>está dañado: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>ocupa más de 1 MiB, demasiado para un archivo de datos de Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>ocupa más de 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>no es un hangar de Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>no es un archivo</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>no es un archivo normal</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>no es texto UTF-8 válido</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>está escrito en UTF-16 o contiene bytes NUL; Tethrix lee texto UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>lo escribió una versión más reciente de Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>su formato no es "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>su versión no es una versión de archivo de hangar</translation>
    </message>
    <message>
      <source>light dark</source>
      <translation>light dark</translation>
    </message>
    <message>
      <source>marker </source>
      <translation>marker </translation>
    </message>
    <message>
      <source>mi/ph</source>
      <translation>mi/ph</translation>
    </message>
    <message>
      <source>mph</source>
      <translation>mph</translation>
    </message>
    <message>
      <source>needle or timer setting</source>
      <translation>ajuste de aguja o temporizador</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>no hay giroscopio</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>ningún avión se llama </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>sin textos</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>nada en él: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>solo un barrido de la longitud de las líneas (ll) puede mantener la velocidad</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>onza por pie cuadrado: 28.349523125 g por 9.290304 dm² (0.3048 m al cuadrado), ambos exactos</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>onzas</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>por ciento</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>libra-fuerza: 0.45359237 kg bajo la gravedad estándar de 9.80665 m/s² (3.ª CGPM, 1901), 4.4482216152605 N exactos</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>libras</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>avión en los campos, o </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>scale </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>escala en el extremo izquierdo</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>escala en el extremo derecho</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>escala a la izquierda</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>escala a la derecha</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>segundos</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>hay algo tras el final de %1</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>hay algo tras el final del hangar</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>speed o laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>pulgada cuadrada: 0.254 dm al cuadrado, 0.064516 dm² exactos</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>pulgada cuadrada: 2.54 cm al cuadrado, 6.4516 cm² exactos</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>pulgadas cuadradas</translation>
    </message>
    <message>
      <source>tethrix-calc </source>
      <translation>tethrix-calc </translation>
    </message>
    <message>
      <source>tethrix-calc: </source>
      <translation>tethrix-calc: </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot Open File </source>
      <translation>tethrix-calc: No se puede abrir el archivo </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: No se puede escribir el informe </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: no se añadió nada
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: condiciones de vuelo guardadas: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: error inesperado
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: aviso: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: aviso: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1 no es texto UTF-8 válido de 16 MiB como máximo</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 de %2</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>el avión de %1</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>los aviones se añadieron, pero </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>el navegador no lo guardó</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>el navegador se negó a abrirlo</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>el avión incorporado ocupa su lugar.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>la hora de modificación de %1</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>las condiciones de %1</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>la hora de creación de %1</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>el archivo de datos debe ir antes de las entradas KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>la fecha</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>se usa %1 predeterminado</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>la altitud de densidad</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>la entrada se descarta</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>los valores de %1</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>el archivo</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>el archivo no empieza con "format" y "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>la hora de vuelo de %1</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>el formato</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>el id de %1</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>los datos de entrada de %1</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>la clave '%1' de %2 aparece dos veces</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>esta versión no conoce la clave '%1' de %2</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>el tiempo de vuelta de %1</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>el módulo %1 no tiene %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>no se pudo cargar el módulo</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>las notas de %1</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>el número %1 para %2 está fuera de rango</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>el número de líneas recorre los enteros de 1 a 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>el número de líneas avanza de entero en entero</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>falta el módulo %1 del programa</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>la misma unidad en ambos sistemas</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>no se pudo preparar la configuración</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>no se pudo escribir la configuración completa</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>no se puede leer el archivo de configuración (%1) y se conserva tal cual</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>el almacenamiento de esta página en el dispositivo está lleno</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>el barrido de </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>el rango del barrido está vacío o tiene más de </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>el rango del barrido debe tener la forma FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>se usa el idioma del sistema</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>la versión</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>el hangar de la ventana</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>el hangar de la ventana </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>el hangar de la ventana no está disponible en esta compilación: indique un archivo de hangar tras --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>no se pueden leer (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>no se pueden leer (no son un conjunto de textos con sus claves).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>no contienen ninguna de las condiciones de vuelo.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>este avión</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>veces el peso</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>peso en punta de ala</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>error desconocido</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>clave desconocida '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>opción desconocida '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>se actualizaron %1</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>con el tiempo de vuelta fijo</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x peso</translation>
    </message>
    <message>
      <source>}, "B": {"Name": </source>
      <translation>}, "B": {"Name": </translation>
    </message>
    <message>
      <source>}, "Change": {</source>
      <translation>}, "Change": {</translation>
    </message>
    <message>
      <source>}, "Differences": [</source>
      <translation>}, "Differences": [</translation>
    </message>
    <message>
      <source>°C = (°F - 32) / 1.8 exactly, as the Fahrenheit scale is defined</source>
      <translation>°C = (°F - 32) / 1.8 exactos, según se define la escala Fahrenheit</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 a la misma velocidad</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>Se descartaron %1 de %2 puntos: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 con el tiempo de vuelta fijo</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Caso actual</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Exportar &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Mantener el tiempo de vuelta</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Mantener la velocidad</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tiempo de vuelta</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Longitud de líneas</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Señale una curva para leer sus valores.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>No se pudo dibujar el gráfico: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>No se pudo convertir el gráfico en una imagen PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Gráficos de trimado</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Valores de trimado frente a %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>el gráfico</translation>
    </message>
    <message>
      <source>table</source>
      <translation>la tabla</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (eliminado)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 de %2, los más recientes primero.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: tiempo de vuelta y tensión de las líneas</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Corregir...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Eliminar...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimir...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Avión:</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>No se puede guardar la bitácora de trimado como %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>No se puede escribir la bitácora de trimado %1: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>Graficar frente a:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Cerrar</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Corregir un vuelo de %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Se corrigió el vuelo de %1 del %2.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Fecha de vuelo</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>¿Eliminar %1 de la bitácora de trimado?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Eliminar vuelo</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Se eliminó %1.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>Exportar C&amp;SV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Se exportó la bitácora de trimado de %1 a %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Fecha de vuelo (hora local)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Hora local</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>Aún no hay ningún vuelo de %1 registrado.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Aún no hay vuelos que graficar.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>La impresión no está disponible: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>No se puede mostrar el gráfico: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>La corrección</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>La eliminación</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>El hangar aún no contiene ningún avión.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Bitácora de trimado</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Bitácora de trimado: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>la fecha</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>la altitud de densidad</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>el vuelo de %1 del %2</translation>
    </message>
  </context>
</TS>
