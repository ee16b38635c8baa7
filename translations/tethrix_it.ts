<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annulla</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>&amp;Predefiniti</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>&amp;Compila</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salva</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Dati di input avanzati</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Regolaggio altimetrico</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Un'altra finestra di Tethrix ha salvato %1 dopo che questa aveva letto le impostazioni: resta così e vale anche qui.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Quota del campo</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Compila l'altitudine di pressione dalla quota del campo e dal regolaggio altimetrico</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Premi &lt;F1&gt; per la guida</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitudine di pressione dal campo:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 come calcolato: %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Motore:</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Data volo (ora locale):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Miscela:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Interasse manopola:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Tempo sul giro misurato (secondi):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Regolazione spillo o timer:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Note:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Elica:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>Il tempo sul giro misurato deve essere un numero di secondi, o vuoto</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Peso d'estremità:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>nessun valore</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>%1 non può essere esportato: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>%1 copia</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>Impossibile aggiungere %1:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>%1 non contiene file di dati .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>Impossibile salvare %1</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Elimina...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importa...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Salva come &amp;nuovo</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Registra un volo...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Apri</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>Rin&amp;omina...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Diario di volo...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Aggiungi una &amp;cartella...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Aggiungi una cartella</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Aggiungi e aggiorna modelli e voli da un file hangar</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Aggiungi tutti i file di dati .TQD di una cartella</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>Aggiunto %1 da %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Modello</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>Impossibile importare %1: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Impossibile salvare il file hangar %1: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Chiudi</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>D&amp;uplica...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>Eliminare %1 dall'hangar?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>Eliminare %1 dall'hangar? I suoi %2 restano nel diario di volo, a meno di eliminarli insieme al modello.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Elimina modello</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Elimina con i suoi voli</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Elimina, conserva il diario</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>Eliminato %1 con i suoi %2.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Eliminato %1.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Duplica modello</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>Esporta &amp;hangar...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Esporta &amp;modello...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>Esportato %1 con il suo diario in %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Hangar esportato in %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Voli</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>&amp;Sovrascrivi</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Salva la configurazione della finestra sul modello aperto in essa</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Salva la configurazione della finestra, con le note scritte, come nuovo modello</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>%1 salvato come nuovo modello e volo registrato.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>%1 salvato come nuovo modello.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Salvata una copia di %1 come %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Configurazione della finestra salvata su %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Ultimo volo</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Registra un volo di %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Registra un volo della configurazione della finestra</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Registrato un volo di %1.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Nome della copia di %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Nuovo nome per %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>Nessun modello dell'hangar è aperto nella finestra.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>Nessun modello dell'hangar è aperto nella finestra: salva la configurazione come nuovo modello.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Impossibile registrare un volo: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Note (motore, elica, altro):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Aperto nella finestra: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Apri il modello selezionato nei campi della finestra</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>Aperto %1.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Rinomina modello</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>%1 rinominato in %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>I modelli di %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>la copia</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>l'eliminazione di %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>il volo</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Impossibile esportare l'hangar: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>l'importazione di %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>il nuovo nome</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>Il modello selezionato con il suo diario</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Nessuna pagina trovata</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Cerca nella guida</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Cerca:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Guida di Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Cronometro giri</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Ricomincia</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Tocca a ogni passaggio (Spazio)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Usa come tempo sul giro</translation>
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
      <translation>%1 non può essere confrontato: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>&amp;Informazioni...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>&amp;Avanzate</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Sommario</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>Inserimento &amp;dati</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Hangar...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Guida</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Imperiali</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Cronometro giri...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Registra un volo...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Metriche</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Apri...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>S&amp;tampa...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salva</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Grafici di messa a punto...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Diario di volo...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Unità</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Dati di input avanzati</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Impossibile salvare il file %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Impossibile scrivere il rapporto %1: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Cancella A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Dati calcolati</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Condizioni...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Esci</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>File non trovato</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Condizioni di volo: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>&amp;Hangar</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Dati di input</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Fissa come A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Lingua</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Lingua</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>La velocità sul giro è sull'intero cerchio di braccio, manopola, cavi e semiala interna; la velocità al suolo sul cerchio che passa per la manopola.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tempo sul giro</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Lunghezza cavi</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Apri A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Premi &lt;Invio&gt; in un campo qualsiasi per ricalcolare</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Stampa non disponibile: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>Tethrix userà %1 dal prossimo avvio.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>Quella del sistema</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Impossibile aprire i grafici di messa a punto: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Questi input non si possono fissare come A: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>E se...</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>piedi</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>Impossibile salvare %1 come %2: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Gli stessi input e le stesse condizioni di volo di A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: non è stato aggiunto nulla
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
      <translation>  --lang CODE la lingua di --help e dei messaggi sullo standard error,
              una tra %1
              (TETHRIX_LANG=CODE fa lo stesso); lo standard output è lo stesso
              in ogni lingua
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   quota del campo, piedi [m], insieme a
  Altimeter   il regolaggio altimetrico del luogo, inHg [hPa]: danno
              l'altitudine di pressione, al posto di Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (--no-settings usa quelle predefinite)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (predefinito </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Qui i numeri usano la virgola decimale (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Qui i numeri usano il punto decimale ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> percento</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> modelli corrispondono a </translation>
    </message>
    <message>
      <source> and </source>
      <translation> e </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> non può essere eseguita: </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> gradi</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> gradi</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> gradi</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> non si usa con --add (vedi --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> non si usa con l'elenco dei modelli di --hangar (vedi --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> non si usa con --log (vedi --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> piedi</translation>
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
      <translation> non contiene modelli</translation>
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
      <translation> pollici</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> pollici</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> non è il file della build </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> è troppo grande da mostrare</translation>
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
      <translation> richiede </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> o ha quell'id: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> altri nomi (--hangar da solo li elenca)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> once</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/sq ft.</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> percento</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> libbre</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> righe (STEP deve essere diverso da zero e portare da FROM a TO)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> secondi</translation>
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
      <translation> watt</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> con il modello predefinito? I suoi dati vanno persi se non sono stati salvati.</translation>
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
      <translation>%1 (al byte %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Queste condizioni di volo non vengono salvate.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 e %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 dà una velocità all'aria fuori dai %2–%3 mph ammessi dal modello dei cavi: viene calcolata a %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1 non ha '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1 è %2, oltre quanto si incontra sul campo di volo.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1 è %2, fuori dall'intervallo %3 che il modello dei cavi ammette per cavi, manopola e uscite cavi.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1 è %2, fuori dall'intervallo %3 ammesso dal modello dei cavi.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1 è %2, il che non ha senso fisico.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1 è pari o superiore alla velocità all'aria, %2.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1 è fuori da -90 a 90 gradi.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1 è fuori da -90 a 90 gradi; viene calcolato come 0 gradi.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>%1 è vuoto: un calcolo usa %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>%1 è vuoto: i valori usano %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1 è negativo, il che non ha senso fisico.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1 è fuori da 0 a 100 percento; viene calcolato come %2 percento.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1 è troppo grande da mostrare</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>altri %1</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1 deve essere %2 o più.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1 deve essere tra -90 e 90 gradi.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1 deve essere tra 0 e 100 percento.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1 deve essere inferiore alla velocità all'aria, %2.</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1 deve essere maggiore di %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>%1 mostra '%2': un calcolo usa %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>%1 mostra '%2': i valori usano %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>%1 richiede un numero, come %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>da %1 a %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x tensione sottovento</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x tensione cavi</translation>
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
        <numerusform>%n modello</numerusform>
        <numerusform>%n modelli</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n modello</numerusform>
        <numerusform>%n modelli</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n file</numerusform>
        <numerusform>%n file</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n file</numerusform>
        <numerusform>%n file</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n volo</numerusform>
        <numerusform>%n voli</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n volo</numerusform>
        <numerusform>%n voli</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n giro</numerusform>
        <numerusform>%n giri</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>%n giro contato.</numerusform>
        <numerusform>%n giri contati.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n giro</numerusform>
        <numerusform>%n giri</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n giro</numerusform>
        <numerusform>%n giri</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>%n giro contato.</numerusform>
        <numerusform>%n giri contati.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s a %s</translation>
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
      <translation>%s - Diario di volo</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>%s copia</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s non è un testo</translation>
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
      <translation>%s: %s non è un testo.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (vedi --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' non è un valore in virgola mobile valido</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' non è un valore in virgola mobile valido per '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' non è un numero valido per %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' non è un numero intero valido</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' non è un numero intero valido per %2</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' non è un id: fino a 64 lettere, cifre, - e _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' è fuori intervallo per %2</translation>
    </message>
    <message>
      <source>'%1' of %2</source>
      <translation>'%1' di %2</translation>
    </message>
    <message>
      <source>(max-width: 759px)</source>
      <translation>(max-width: 759px)</translation>
    </message>
    <message>
      <source>*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***</source>
      <translation>*** Tethrix - calcolatore di messa a punto per il volo vincolato - valori di piloti per piloti ***</translation>
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
      <translation>, variazione </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, ultimo volo </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, mai volato</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, nessuna variazione</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Velocità sul giro (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Tempo sul giro (secondi) alla stessa velocità</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (secondi) alla stessa velocità</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang accetta una tra %1, non '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Indicane l'id al posto del nome</translation>
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
      <translation>A %1, nessuna variazione</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Impossibile leggere un volo: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Un hangar contiene al massimo %1 modelli</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Un hangar contiene al massimo %1 voli</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Un tempo sul giro misurato deve essere maggiore di 0 e al massimo 3600 secondi</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>È pronta una nuova versione di Tethrix.</translation>
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
      <translation>Un numero di cavi fuori da 1 a 3 viene preso come il più vicino dei due, come
fa il campo della finestra.

Opzioni:
  --json      stampa un oggetto JSON con tutti i valori a piena precisione;
              con --sweep, un array JSON con un oggetto per riga
  --report F  scrive anche il rapporto di stampa come file PDF F
  --units=imperial|metric
              le unità degli input KEY=VALUE, dell'intervallo di sweep e di
              tutti i valori stampati (imperiali se non indicato altrimenti,
              qualunque cosa mostri la finestra); i file di dati e le
              condizioni memorizzate sono comunque in unità imperiali, e
              --json mantiene le sue chiavi e aggiunge "units"
  --no-settings
              usa le condizioni di volo predefinite, non quelle memorizzate
  --sweep KEY=FROM:TO:STEP
              stampa una tabella CSV: KEY da FROM a TO con passo STEP (al
              massimo 100000 righe) con tutti i valori e la velocità sul giro
              a piena precisione; una riga che non si può calcolare riporta
              invece il messaggio
  --hold=laptime|speed
              cosa tiene costante uno sweep della lunghezza cavi (ll): il tempo
              sul giro (predefinito; la velocità cresce con la lunghezza) o la
              velocità (il tempo sul giro cresce con la traiettoria; una
              colonna "lt (seconds) at the same speed" segue ll, e "lt" in
              --json)
  --compare A.TQD B.TQD
              stampa entrambi i casi e la variazione da A a B, valore per
              valore; gli input KEY=VALUE valgono per entrambi; con --json un
              oggetto con "A", "B" e "Change", con --csv una tabella, e
              --report stampa B confrontato con A
  --csv       con --compare: righe Figure,Unit,A,B,Change
  --          ogni argomento dopo questo è un file di dati
  --help      mostra questo testo
  --version   mostra la versione

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Un valore sensato di %1 va %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A troppo grande da mostrare</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Aggiunto </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>aggiunti %1</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Modello</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Nome modello</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Peso del modello</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Nome modello</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Peso del modello</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Modelli</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Altimetro</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Regolaggio altimetrico</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Altitudine</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= non può essere indicato insieme a Elevation= e Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Impossibile leggere un modello: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Un modello deve avere un nome</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Un regolaggio altimetrico di %1 %2 è fuori dai %3–%4 %2 di qualsiasi altimetro reale.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Una tabella di interpolazione richiede almeno due punti.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>Apr</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Lunghezza braccio</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Lunghezza braccio</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Pressione atmosferica</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>Ago</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Calcola</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Impossibile modificare </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Impossibile aprire l'hangar della finestra: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Impossibile leggere </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Impossibile leggere l'hangar </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Impossibile scrivere l'hangar </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>Grafico in funzione di</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Controlla la connessione e riprova.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Cancella A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>Confrontato con %1 (il valore di A, poi la variazione rispetto a esso)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Dati calcolati</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Correggi</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Data del volo (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>Dic</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Predefiniti</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>Eliminare %s dall'hangar?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Eliminare il volo di %s dal diario?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Eliminare anche i voli di %s? OK li elimina; Annulla li conserva nel diario.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Eliminato; %n volo conservato</numerusform>
        <numerusform>Eliminato; %n voli conservati</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Altitudine di densità</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Tensione sottovento</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Duplica</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Quota</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Elevation, Altimeter: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= e Altimeter= vanno indicati insieme</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Motore</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Errore</translation>
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
      <translation>Codice di uscita:
  0  successo
  1  gli input non si possono calcolare, o un file non si può leggere o
     scrivere; il messaggio sullo standard error spiega perché, e sullo
     standard output non viene stampato nulla
  2  un errore d'uso: una chiave o un'opzione sconosciuta, un valore che non
     è un numero, un'opzione mancante o ripetuta, o opzioni che non si
     possono combinare (--sweep con --report o --compare, --hold senza
     --sweep, --compare senza due file)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Esporta l'hangar</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Esporta l'hangar di tanto in tanto per averne una copia.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Esporta questo modello</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM e TO devono essere ammessi dall'input (al massimo 3.4E38 in valore assoluto)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO e STEP devono essere numeri finiti</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Impossibile impostare i dati per '%1': %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>Feb</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Quota del campo</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>I valori non sono aggiornati: premi Invio</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>File e stampa</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Compila altitudine di pressione</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Prova di trazione fissa</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Carico fisso della prova di trazione, al posto del multiplo (0: nessuno)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Raggio di volo</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Voli</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Divisione in virgola mobile per zero</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Overflow in virgola mobile</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Data volo (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Data volo (ora locale)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Voli da solo? Con il telefono in tasca o in mano,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Condizioni di volo (dati di input avanzati)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Condizioni di volo cambiate in un'altra scheda: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>Ven</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>Da %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>Da %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Miscela</translation>
    </message>
    <message>
      <source>General</source>
      <translation>Generale</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Velocità al suolo</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Angolo manopola</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Interasse manopola</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Angolo manopola</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Lunghezza manopola/uscite cavi</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Lunghezza manopola/uscite cavi</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Hangar e diario di volo</translation>
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
      <translation>Comandi dell'hangar (FILE: un file hangar, come lo esportano la finestra e la
pagina; senza FILE, l'hangar della finestra):
  --hangar [FILE] [--json]
              elenca i modelli: nome, id, ultimo volo (UTC), voli
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [opzioni]
              calcola un modello (NAME: il suo nome o il suo id) come si
              calcolerebbe il suo file di dati; tutte le opzioni sopra tranne
              --compare valgono anche qui
  --hangar [FILE] --add A.TQD ... [--json]
              salva ogni file di dati come nuovo modello; se un file non si
              può leggere, non ne viene aggiunto nessuno. FILE viene creato se
              non esiste ancora
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              stampa il diario di volo, dal più recente, di tutti i modelli o
              di NAME: una tabella breve; --csv tutte le colonne del diario di
              NAME, come lo esporta la finestra; --json i voli come li
              contiene il file hangar (in unità imperiali)
  FILE è l'argomento dopo --hangar, se non inizia con '-'. Un NAME che non
  corrisponde a nessun modello, o a più di uno, è un errore (codice di
  uscita 1) che elenca il contenuto dell'hangar.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Tempo sul giro costante</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Tieni fermo il telefono per un secondo.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Velocità costante</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Umidità</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>Id</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Imperiali</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Lunghezza semiala interna</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Lunghezza semiala interna</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Input </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Dati di input</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Le ascisse della tabella di interpolazione devono essere strettamente crescenti.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Tipo di dato non valido per '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Operazione in virgola mobile non valida</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Valore non valido per '%1': '%2' non è né Imperial né Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Valore non valido per '%1': '%2' non è una lingua di Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>Viene calcolato come %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Sembra in %1; questo campo richiede %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>Gen</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>Lug</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>Giu</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Fissa come A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Salva come nuovo modello</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Salva le modifiche</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Salva la correzione</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Conservato su questo dispositivo per la prossima visita.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Lingua</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Giro %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Giro %1: %2 (doppio tocco, escluso)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Giro %1: %2 (irregolare, escluso)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Giro %1: %2 (tocco mancato, escluso)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Velocità sul giro</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Velocità sul giro = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Velocità sul giro = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Velocità sul giro: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tempo sul giro</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Tempo sul giro (secondi)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Tempo sul giro misurato</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Tempo sul giro misurato (secondi)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Cronometro giri</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Tempo sul giro</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Tempo sul giro e tensione cavi rispetto a: %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Ultimo volo %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Ultimo volo (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Ultimo giro %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Posizione uscite cavi</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Uscite cavi dietro il baricentro</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Inclinazione uscite cavi</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Diametro cavi</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Resistenza cavi</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Area resistente cavi</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Lunghezza cavi</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Lunghezza cavi (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Lunghezza cavi (occhiello-occhiello)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Potenza cavi</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Proiezione cavi</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>Re cavi all'estremità</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Tensione cavi</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Peso cavi</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Diametro cavi</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Grafico della lunghezza cavi</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Lunghezza cavi, occhiello-occhiello</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Tensione cavi, posizione uscite cavi, proiezione cavi e inclinazione uscite cavi attorno alla configurazione attuale, ciascuna sulla propria scala.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Loading</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Caricamento del calcolatore…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Registra un volo</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Registra un volo (salva questo modello)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Registra voli con un tempo sul giro misurato per vederli qui.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Registra questo volo</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Registrato un volo con tempo sul giro di %s s.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>Mar</translation>
    </message>
    <message>
      <source>May</source>
      <translation>Mag</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Media degli ultimi %1: %2, dispersione %3 s.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Metriche</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>Lun</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Sensori di movimento assenti o negati qui: tocca a ogni passaggio.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Nome della copia di %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Spillo o timer</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Nuovo nome per %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Nessun modello dell'hangar è aperto.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Nessun grafico varia '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Nessun valore '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Nessun valore da tracciare: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Nessun volo ancora registrato.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Nessun volo registrato.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Non è installato alcun carattere con cui disegnare il rapporto</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Non ancora volato</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Note</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Note sul modello (motore, elica, altro)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Note sul volo</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Nessuna modifica: l'hangar contiene già tutto ciò che è in %1.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>Nulla verrà conservato su questo dispositivo: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>Nov</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Numero di cavi</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Numero di cavi (da 1 a 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>Ott</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Apri</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Apri A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Aperto: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Pressione</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Altitudine di pressione</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Premi &lt;Invio&gt; in un campo qualsiasi per ricalcolare</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Altitudine di pressione</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitudine di pressione dal campo:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Stampa</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Stampa il diario</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Stampato %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Elica</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Prova di trazione</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Carico della prova di trazione</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>Il driver SQLite di Qt non è installato (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Umidità relativa</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Umidità relativa</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Ricarica</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Rinomina</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Sostituire </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Rapporto</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Risultati</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>Sab</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>Set</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Mostra il suo diario</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Ricomincia</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Fermato dopo {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Condizioni memorizzate non usate: %s Valgono i valori predefiniti </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>Dom</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 non è una lingua di tethrix-calc (%2): si usa l'inglese</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Tocca Calcola per ricalcolare</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Tocca a ogni passaggio</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Tocca una volta alla partenza, poi a ogni passaggio.</translation>
    </message>
    <message>
      <source>Temp</source>
      <translation>Temp.</translation>
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
      <translation>File di dati Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Lavoro di stampa Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>%1 non può contenere caratteri di controllo diversi da a capo e tabulazioni</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>%1 non può contenere a capo, tabulazioni o altri caratteri di controllo</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1 è infinito</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>%1 è più lungo di %2 caratteri</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>Manca %1</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1 non è un numero</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>%1 non è testo UTF-8 valido</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>L'ora di %1 '%2' non è un'ora UTC come 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>La prova di trazione, %1, è pari o inferiore a %2, %3: non collauda cavi e manopola per questo volo.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>L'aria è troppo calda e umida: la pressione del vapore acqueo raggiunge la pressione dell'aria.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>L'aria è troppo rarefatta a questa altitudine di pressione: la pressione del vapore acqueo raggiunge la pressione dell'aria.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>Il modello non è più nell'hangar</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>Il modello di questo volo non è nell'hangar</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>La velocità all'aria con questi cavi è fuori dai %1–%2 mph ammessi dal modello dei cavi: viene calcolata a %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>Il regolaggio altimetrico deve essere maggiore di 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>Il browser non ha garantito di conservare l'hangar: potrebbe cancellarlo quando manca spazio. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>Il browser ha garantito di conservare l'hangar su questo dispositivo.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Impossibile caricare il calcolatore:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Impossibile usare la configurazione conservata dall'ultima visita (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>La modifica non è stata salvata: impossibile creare la cartella %1 (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>La modifica non è stata salvata: impossibile scrivere l'hangar %1 (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>La quota del campo è fuori dall'atmosfera che il programma sa modellare.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>I valori corrispondono agli input mostrati.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>Il volo non è più nel diario</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>Il raggio di volo è zero o negativo: la lunghezza del braccio è eccessiva per questa lunghezza cavi con questo angolo della manopola.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>Il volo non è stato registrato: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>Il volo non è stato registrato: è in corso la correzione di un volo del diario.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Impossibile leggere l'hangar %1 (%2): Tethrix funziona senza hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Impossibile leggere l'hangar %1 (%2): resta com'è, e Tethrix funziona senza hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Impossibile leggere l'hangar %1 (non è un hangar Tethrix): resta com'è, e Tethrix funziona senza hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Impossibile scrivere l'hangar %1 (%2): è mostrato in sola lettura.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>L'hangar %1 contiene dati che questa versione di Tethrix non sa leggere (%2): è mostrato in sola lettura e resta com'è.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>L'hangar %1 non è stato aggiornato per questa versione di Tethrix, quindi la modifica non è stata salvata: impossibile creare la copia di sicurezza %2 (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>L'hangar %1 è stato scritto da una versione più recente di Tethrix (versione del database %2; questa conosce fino alla %3): è mostrato in sola lettura e resta com'è.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Impossibile tenere l'hangar in %1 (%2): modelli e voli non verranno salvati.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Impossibile tenere l'hangar: questo sistema non indica alcuna cartella per i dati dell'utente.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Impossibile leggere l'hangar: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Impossibile caricare l'hangar: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>L'hangar è troppo grande per un solo file di al massimo 16 MiB: esportane i modelli separatamente</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>L'hangar su questo dispositivo contiene record che questa pagina non sa leggere, quindi non ne modifica </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Impossibile caricare il cronometro giri: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>L'ultima modifica non è stata salvata: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>L'ultima modifica non è stata salvata: altre schede continuavano a modificare l'hangar.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>I sensori di movimento si sono fermati%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>La pagina resta in inglese: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>Il telefono si è mosso: tienilo fermo per un secondo per iniziare.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>L'altitudine di pressione è fuori dall'atmosfera che il programma sa modellare.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>La stampante non ha potuto completare il documento</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>La stampante non ha potuto avviare il documento</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Impossibile leggere il file delle impostazioni %1 (%2): resta com'è; si usano condizioni e unità predefinite, e nulla viene memorizzato finché non viene riparato o rimosso</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Impossibile leggere il file delle impostazioni %1: i valori memorizzati che contiene non vengono usati</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>L'avvio conservato su questo dispositivo non era di questa pagina (%s): è stato scartato.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>Il valore memorizzato '%1' è più lungo di %2 caratteri: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Manca il valore memorizzato di '%1': %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Impossibile leggere le impostazioni memorizzate (%1): si usano quelle predefinite</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>La temperatura è pari o inferiore allo zero assoluto (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>Il cronometro si è fermato quando lo schermo si è bloccato o la pagina è stata nascosta, dopo {laps}.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>La velocità del vento è uguale alla velocità all'aria.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Esiste già un volo con l'id %1</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Esiste già un modello con l'id %1</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>Non è un file hangar che Tethrix possa leggere: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>Gio</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Cronometra i miei giri</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Cronometraggio dei tuoi giri. Tieni premuto qui per 1.5 s per fermare.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Cronometraggio: %1 giri finora. Il primo giro è escluso.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Cronometraggio: tocca a ogni passaggio.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Peso d'estremità</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Grafici di messa a punto</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Calcolatore di messa a punto per modelli in volo vincolato circolare</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Valori di messa a punto rispetto a %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Valori di messa a punto in funzione del tempo sul giro (secondi)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Diario di volo</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Diario di volo di </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Riprova</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>Mar</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Due modelli hanno lo stesso id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Due voli hanno lo stesso id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Unità</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Input sconosciuto '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>aggiornati %1</translation>
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
Calcola i valori di messa a punto di un modello in volo vincolato circolare.
Le condizioni di volo sono quelle memorizzate dalla finestra (Avanzate &gt;
Inserimento dati), salvo con --no-settings; poi si applica un file di dati,
come fa File &gt; Apri nella finestra, e infine gli input KEY=VALUE. tethrix-calc
non modifica mai le impostazioni memorizzate.
Un file il cui nome contiene '=' si può indicare dopo '--'.

Chiavi (maiuscole o minuscole indifferenti; numeri con '.' come separatore
decimale; unità metriche tra parentesi quadre, per --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Usa come tempo sul giro</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>Mer</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Peso</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>E se...</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Velocità del vento</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Velocità del vento</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Superficie alare</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Carico alare</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Superficie alare</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>un nome di file PDF</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>un escape \u errato in un testo</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>un carattere di controllo non protetto da escape in un testo</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>una chiave di %1</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>un surrogato isolato in un testo</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>un record è conservato sotto un id diverso dal proprio</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>un record è troppo lungo</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>dopo una chiave</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>modello %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>nome del modello</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>un escape sconosciuto in un testo</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>un'altra scheda di Tethrix ne tiene aperta una versione precedente</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>alla fine di %1</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>alla fine dell'elenco </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>alla stessa velocità</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>oncia avoirdupois: 1/16 della libbra internazionale di 453.59237 g esatti (stesso accordo)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>impossibile creare l'id di un modello da /dev/urandom: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>impossibile scrivere l'output</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>conta i tuoi giri al centro del cerchio: stai fermo per un secondo, poi vola. Tieni premuto lo schermo per 1.5 s per fermare.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>gradi</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>gradi</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>gradi F</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>ogni condizione di volo è memorizzata</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>atteso '%1' %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>atteso un numero per %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>atteso un testo per %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>verifica incrociata degli errori di calcolo: i controlli hanno trovato %u, l'hardware %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>piedi</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>volo %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>per %1</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>per l'elenco </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>al loro posto; quanto memorizzato resta finché non si cambia una condizione di volo.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>interasse manopola</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial o metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>vengono mostrate le unità imperiali</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>pollice</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>pollice di mercurio come lo usano i regolaggi altimetrici: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>pollici</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>piede internazionale: 0.3048 m esatti (stesso accordo)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>pollice internazionale: 25.4 mm esatti (accordo internazionale su iarda e libbra, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>miglio internazionale: 5280 ft da 0.3048 m, 1.609344 km esatti</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>libbra internazionale: 0.45359237 kg esatti (accordo del 1959)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>è cambiato mentre il comando era in corso: nulla è stato scritto, riprova</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>non si è caricato</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>contiene un valore serializzato, che Tethrix non scrive mai</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>contiene più modelli o voli di quanti ne ammetta un hangar</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>contiene più di 1.000.000 voli</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>contiene più di 10.000 modelli</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>non contiene alcuna impostazione che Tethrix conservi, solo %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>non contiene alcuna impostazione che Tethrix conservi, solo %1 e altre</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>non contiene impostazioni, solo altro testo</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>non contiene nessuna delle chiavi di un file di dati (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>è un dispositivo, non un file regolare</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>è una cartella, non un file</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>è un file hangar della versione %1, di un Tethrix più recente; questo legge la versione %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>è una pipe, non un file regolare</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>è danneggiato: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>è più grande di %1 byte</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>è più grande di 1 MiB, troppo per un file di dati Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>è più grande di 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>non è un hangar Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>non è un file</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>non è un file regolare</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>non è testo UTF-8 valido</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>è scritto in UTF-16 o contiene byte NUL; Tethrix legge testo UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>è stato scritto da una versione più recente di Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>il suo formato non è "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>la sua versione non è una versione di file hangar</translation>
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
      <translation>regolazione spillo o timer</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>no Gyroscope</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>nessun modello si chiama </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>non è stato indicato un nome di file</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>nessun testo</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>nulla: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>solo uno sweep della lunghezza cavi (ll) può tenere costante la velocità</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>oncia per piede quadrato: 28.349523125 g per 9.290304 dm² (0.3048 m al quadrato), entrambi esatti</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>once</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>percento</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>libbra-forza: 0.45359237 kg in gravità standard 9.80665 m/s² (3ª CGPM, 1901), 4.4482216152605 N esatti</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>libbre</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>il modello nei campi, oppure </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>scale </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>scala all'estrema sinistra</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>scala all'estrema destra</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>scala a sinistra</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>scala a destra</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>secondi</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>c'è qualcosa dopo la fine di %1</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>c'è altro dopo la fine dell'hangar</translation>
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
      <translation>pollice quadrato: 0.254 dm al quadrato, 0.064516 dm² esatti</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>pollice quadrato: 2.54 cm al quadrato, 6.4516 cm² esatti</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>pollici quadrati</translation>
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
      <translation>tethrix-calc: impossibile aprire il file </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: impossibile scrivere il rapporto </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: non è stato aggiunto nulla
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: condizioni di volo memorizzate: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: errore imprevisto
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: avviso: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: avviso: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1 non è testo UTF-8 valido di al massimo 16 MiB</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 di %2</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>il modello di %1</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>i modelli sono stati aggiunti, ma </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>il browser non l'ha conservato</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>il browser ha rifiutato di aprirlo</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>al suo posto c'è il modello predefinito.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>l'ora di modifica di %1</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>le condizioni di %1</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>l'ora di creazione di %1</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>il file di dati deve precedere gli input KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>data</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>si usa il valore predefinito di %1</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>altitudine di densità</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>la voce viene scartata</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>i valori di %1</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>il file</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>il file non inizia con "format" e "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>il file finisce troppo presto</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>l'ora del volo di %1</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>il formato</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>l'id di %1</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>gli input di %1</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>la chiave '%1' di %2 compare due volte</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>questa versione non conosce la chiave '%1' di %2</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>il tempo sul giro di %1</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>il modulo %1 non ha %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>impossibile caricare il modulo</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>le note di %1</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>il numero %1 per %2 è fuori intervallo</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>il numero di cavi varia solo sugli interi da 1 a 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>il numero di cavi avanza per numeri interi</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>manca il modulo %1 del programma</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>la stessa unità in entrambi i sistemi</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>impossibile preparare le impostazioni</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>impossibile scrivere completamente le impostazioni</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>il file delle impostazioni non si può leggere (%1) e resta com'è</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>lo spazio per questa pagina sul dispositivo è pieno</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>lo sweep di </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>l'intervallo di sweep è vuoto o ha più di </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>l'intervallo di sweep deve avere la forma FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>si usa la lingua del sistema</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>la versione</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>l'hangar della finestra</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>l'hangar della finestra </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>l'hangar della finestra non è disponibile in questa build: indica un file hangar dopo --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>non si possono leggere (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>non si possono leggere (nessun insieme di testi per chiave).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>non contengono nessuna delle condizioni di volo.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>questo modello</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>volte il peso</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>peso d'estremità</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>errore sconosciuto</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>chiave sconosciuta '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>opzione sconosciuta '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>aggiornati %1</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>a tempo sul giro costante</translation>
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
      <translation>°C = (°F - 32) / 1.8 esatti, per definizione della scala Fahrenheit</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 alla stessa velocità</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>%1 punti su %2 esclusi: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 a tempo sul giro costante</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>File CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Configurazione attuale</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Esporta &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Esporta &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Tempo sul giro costante</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Velocità costante</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tempo sul giro</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Lunghezza cavi</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Punta una curva per leggerne i valori.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>Impossibile tracciare il grafico: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>Impossibile convertire il grafico in un'immagine PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Grafici di messa a punto</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Valori di messa a punto in funzione di %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>il grafico</translation>
    </message>
    <message>
      <source>table</source>
      <translation>la tabella</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (eliminato)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 su %2, dal più recente.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: tempo sul giro e tensione cavi</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Correggi...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Elimina...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>S&amp;tampa...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Modello:</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>File CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Impossibile salvare il diario di volo come %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Impossibile scrivere il diario di volo %1: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>Grafico in funzione di:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Chiudi</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Correggi un volo di %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Corretto il volo di %1 del %2.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Data del volo</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>Eliminare %1 dal diario di volo?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Elimina volo</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Eliminato %1.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>Esporta C&amp;SV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Esportato il diario di volo di %1 in %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Data volo (ora locale)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Ora locale</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>Nessun volo di %1 ancora registrato.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Ancora nessun volo da rappresentare.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Stampa non disponibile: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>Impossibile mostrare il grafico: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>la correzione</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>l'eliminazione</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>L'hangar non contiene ancora modelli.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Diario di volo</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Diario di volo: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>Data</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>Altitudine di densità</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>il volo di %1 del %2</translation>
    </message>
  </context>
</TS>
