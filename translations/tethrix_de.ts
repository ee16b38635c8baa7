<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Abbrechen</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>S&amp;tandardwerte</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>&amp;Eintragen</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Speichern</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Erweiterte Eingabedaten</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Höhenmessereinstellung</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Ein anderes Tethrix-Fenster hat %1 gespeichert, seit dieses die Einstellungen gelesen hat: das bleibt erhalten und gilt auch hier.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Platzhöhe</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Druckhöhe aus Platzhöhe und Höhenmessereinstellung eintragen</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Hilfe mit &lt;F1&gt;</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Druckhöhe vom Platz:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 laut Rechnung: %2</translation>
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
      <translation>Geflogen (Ortszeit):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Treibstoff:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Leinenabstand am Griff:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Gemessene Rundenzeit (Sekunden):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Einstellung Nadel oder Timer:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Notizen:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Luftschraube:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>Die gemessene Rundenzeit muss eine Zahl in Sekunden sein oder leer bleiben</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Ausgleichsgewicht:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>keine Angabe</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>%1 kann nicht exportiert werden: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>%1 Kopie</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>%1 konnte nicht hinzugefügt werden:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>%1 enthält keine .TQD-Datendateien.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1 wurde nicht gespeichert</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Löschen...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importieren...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Als &amp;neu speichern</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>Flug &amp;eintragen...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Trimmlogbuch...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Ordner hinzufügen</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Modelle und Flüge aus einer Hangar-Datei hinzufügen und aktualisieren</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Alle .TQD-Datendateien eines Ordners hinzufügen</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>%1 aus %2 hinzugefügt.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Modell</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Die Hangar-Datei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>&amp;Duplizieren...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>%1 aus dem Hangar löschen?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>%1 aus dem Hangar löschen? Seine %2 bleiben im Trimmlogbuch, außer Sie löschen sie mit.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Modell löschen</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Mit seinen Flügen löschen</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Löschen, Logbuch behalten</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>%1 und seine %2 gelöscht.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>%1 gelöscht.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Modell duplizieren</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>Hangar e&amp;xportieren...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>&amp;Modell exportieren...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>%1 mit Logbuch nach %2 exportiert.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Hangar nach %1 exportiert.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Flüge</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Den Fall im Fenster über das dort geöffnete Modell speichern</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Den Fall im Fenster mit den eingegebenen Notizen als neues Modell speichern</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>%1 als neues Modell gespeichert und seinen Flug eingetragen.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>%1 als neues Modell gespeichert.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Kopie von %1 als %2 gespeichert.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Fall im Fenster über %1 gespeichert.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Zuletzt geflogen</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Flug von %1 eintragen</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Einen Flug mit dem Fall im Fenster eintragen</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Flug von %1 eingetragen.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Name der Kopie von %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Neuer Name für %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>Im Fenster ist kein Modell aus dem Hangar geöffnet.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>Im Fenster ist kein Modell aus dem Hangar geöffnet: den Fall als neues Modell speichern.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Es kann kein Flug eingetragen werden: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Notizen (Motor, Luftschraube, alles andere):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Im Fenster geöffnet: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Das gewählte Modell in den Feldern des Fensters öffnen</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>%1 geöffnet.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Modell umbenennen</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>%1 in %2 umbenannt.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Die Modelle aus %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>Die Kopie</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>Das Löschen von %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>Der Flug</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Der Hangar kann nicht exportiert werden: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>Der Import von %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>Der neue Name</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>Das gewählte Modell mit seinem Logbuch</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Keine Seiten gefunden</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Hilfe durchsuchen</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Suche:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Tethrix-Hilfe</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Rundenzeitmesser</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Neu starten</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Bei jedem Durchgang tippen (Leertaste)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Als Rundenzeit übernehmen</translation>
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
      <translation>%1 kann nicht verglichen werden: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>Ü&amp;ber...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>&amp;Erweitert</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Inhalt</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>&amp;Dateneingabe</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Datei</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Hangar...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Imperial</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Rundenzeitmesser...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>Flug &amp;eintragen...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Metrisch</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Drucken...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Speichern</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Trimmdiagramme...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Trimmlogbuch...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Einheiten</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Erweiterte Eingabedaten</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Die Datei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>A löschen</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Berechnete Daten</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Bedingungen...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Beenden</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Datei nicht gefunden</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Flugbedingungen: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>Han&amp;gar</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Eingabedaten</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Als A merken</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Sprache</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Sprache</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>Die Rundengeschwindigkeit gilt für den ganzen Kreis aus Arm, Griff, Leinen und Innenflügel, die Grundgeschwindigkeit für den Kreis durch den Griff.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Rundenzeit</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Leinenlänge</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>A öffnen...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Mit &lt;Enter&gt; in einem beliebigen Feld neu berechnen</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Drucken ist nicht verfügbar: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>Tethrix spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>Systemsprache</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Die Trimmdiagramme lassen sich nicht öffnen: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Diese Eingaben lassen sich nicht als A merken: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Was wäre, wenn...</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>Fuß</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>%1 kann nicht als %2 gespeichert werden: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Dieselben Eingaben und Flugbedingungen wie A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: es wurde nichts hinzugefügt
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
      <translation>  --lang CODE die Sprache von --help und der Meldungen auf der Standardfehlerausgabe,
              eine von %1
              (TETHRIX_LANG=CODE wirkt ebenso); die Standardausgabe ist in
              jeder Sprache dieselbe
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   Platzhöhe, Fuß [m], mit
  Altimeter   der dortigen Höhenmessereinstellung, inHg [hPa]: die Druckhöhe,
              anstelle von Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (mit --no-settings gelten die eingebauten)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (Vorgabe </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Zahlen werden hier mit Dezimalkomma (',') eingegeben.</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Zahlen werden hier mit Dezimalpunkt ('.') eingegeben.</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> Prozent</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> Modelle passen zu </translation>
    </message>
    <message>
      <source> and </source>
      <translation> und </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> kann nicht laufen: </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> Grad</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> Grad</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> Grad</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> passt nicht zu --add (siehe --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> passt nicht zur Modellliste von --hangar (siehe --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> passt nicht zu --log (siehe --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> Fuß</translation>
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
      <translation> enthält </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> enthält keine Modelle</translation>
    </message>
    <message>
      <source> id </source>
      <translation> ID </translation>
    </message>
    <message>
      <source> in/Hg</source>
      <translation> in/Hg</translation>
    </message>
    <message>
      <source> inch</source>
      <translation> Zoll</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> Zoll</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> ist nicht die Datei von Build </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> ist zu groß für die Anzeige</translation>
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
      <translation> braucht </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> oder hat diese ID: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> weitere Namen (--hangar allein listet sie auf)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> Unzen</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/sq ft.</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> Prozent</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> Pfund</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> Zeilen (STEP darf nicht null sein und muss von FROM nach TO führen)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> Sekunden</translation>
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
      <translation> Watt</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> durch das eingebaute Modell ersetzt werden? Seine Eingaben gehen verloren, wenn sie nicht gespeichert sind.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x Gewicht</translation>
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
      <translation>%1 (bei Byte %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Diese Flugbedingungen werden nicht gespeichert.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 und %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 ergibt eine Fluggeschwindigkeit außerhalb der %2 bis %3 mph, die das Leinenmodell abdeckt: gerechnet wird mit %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1 hat kein '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1 ist %2, jenseits dessen, was Flieger erleben.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1 ist %2, außerhalb der %3, die das Leinenmodell für Leinen, Griff und Leinenausgänge abdeckt.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1 ist %2, außerhalb der %3, die das Leinenmodell abdeckt.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1 ist %2, was physikalisch keinen Sinn hat.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1 ist gleich oder größer als die Fluggeschwindigkeit (%2).</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1 liegt außerhalb von -90 bis 90 Grad.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1 liegt außerhalb von -90 bis 90 Grad; gerechnet wird mit 0 Grad.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>%1 ist leer: eine Berechnung verwendet %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>%1 ist leer: die Werte verwenden %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1 ist negativ, was physikalisch keinen Sinn hat.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1 liegt außerhalb von 0 bis 100 Prozent; gerechnet wird mit %2 Prozent.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1 ist zu groß für die Anzeige</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>%1 weitere</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1 muss mindestens %2 sein.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1 muss zwischen -90 und 90 Grad liegen.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1 muss zwischen 0 und 100 Prozent liegen.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1 muss unter der Fluggeschwindigkeit (%2) liegen.</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1 muss größer als %2 sein.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>%1 zeigt '%2': eine Berechnung verwendet %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>%1 zeigt '%2': die Werte verwenden %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>%1 erwartet eine Zahl, etwa %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 bis %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x Leinenzug Rückenwind</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x Leinenzug</translation>
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
        <numerusform>%n Modell</numerusform>
        <numerusform>%n Modelle</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n Modell</numerusform>
        <numerusform>%n Modelle</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n Datei</numerusform>
        <numerusform>%n Dateien</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n Datei</numerusform>
        <numerusform>%n Dateien</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n Flug</numerusform>
        <numerusform>%n Flüge</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n Flug</numerusform>
        <numerusform>%n Flüge</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n Runde</numerusform>
        <numerusform>%n Runden</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>%n Runde gezählt.</numerusform>
        <numerusform>%n Runden gezählt.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n Runde</numerusform>
        <numerusform>%n Runden</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n Runde</numerusform>
        <numerusform>%n Runden</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>%n Runde gezählt.</numerusform>
        <numerusform>%n Runden gezählt.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s um %s</translation>
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
      <translation>%s - Trimmlogbuch</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>%s Kopie</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s ist kein Text</translation>
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
      <translation>%s: %s ist kein Text.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (siehe --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' ist keine gültige Gleitkommazahl für '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' ist keine gültige Zahl für %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' ist keine gültige ganze Zahl</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' ist keine gültige ganze Zahl für %2</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' ist keine ID: bis zu 64 Buchstaben, Ziffern, - und _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' liegt außerhalb des Bereichs für %2</translation>
    </message>
    <message>
      <source>'%1' of %2</source>
      <translation>'%1' von %2</translation>
    </message>
    <message>
      <source>(max-width: 759px)</source>
      <translation>(max-width: 759px)</translation>
    </message>
    <message>
      <source>*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***</source>
      <translation>*** Tethrix - Trimmrechner für Fesselflug - Werte für Flieger, von Fliegern ***</translation>
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
      <translation>, Änderung </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, ID </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, zuletzt geflogen </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, nie geflogen</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, keine Änderung</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Rundengeschwindigkeit (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Rundenzeit (Sekunden) bei gleicher Geschwindigkeit</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (Sekunden) bei gleicher Geschwindigkeit</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang nimmt eine von %1, nicht '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Statt des Namens seine ID angeben</translation>
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
      <translation>A %1, keine Änderung</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Ein Flug kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Ein Hangar fasst höchstens %1 Modelle</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Ein Hangar fasst höchstens %1 Flüge</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Eine gemessene Rundenzeit muss größer als 0 und höchstens 3600 Sekunden sein</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Eine neue Version von Tethrix ist bereit.</translation>
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
      <translation>Eine Anzahl Leinen außerhalb von 1 bis 3 wird als die nähere Grenze genommen,
wie es das Feld im Fenster tut.

Optionen:
  --json      ein JSON-Objekt mit allen Werten in voller Genauigkeit ausgeben;
              mit --sweep ein JSON-Array mit einem Objekt pro Zeile
  --report F  zusätzlich den Druckbericht als PDF-Datei F schreiben
  --units=imperial|metric
              die Einheiten der KEY=VALUE-Eingaben, des Sweep-Bereichs und
              aller ausgegebenen Werte (Vorgabe imperial, gleich was das
              Fenster zeigt); Datendateien und gespeicherte Bedingungen sind
              in jedem Fall imperial, und --json behält seine Schlüssel und
              ergänzt "units"
  --no-settings
              die eingebauten Flugbedingungen statt der gespeicherten verwenden
  --sweep KEY=FROM:TO:STEP
              eine CSV-Tabelle ausgeben: KEY von FROM bis TO in Schritten von
              STEP (höchstens 100000 Zeilen) mit allen Werten und der
              Rundengeschwindigkeit in voller Genauigkeit; eine Zeile, die
              sich nicht berechnen lässt, enthält stattdessen die Meldung
  --hold=laptime|speed
              was ein Sweep der Leinenlänge (ll) festhält: die Rundenzeit (die
              Vorgabe; die Geschwindigkeit steigt mit der Länge) oder die
              Geschwindigkeit (die Rundenzeit wächst mit der Flugbahn; auf ll
              folgt eine Spalte "lt (Sekunden) bei gleicher Geschwindigkeit",
              in --json "lt")
  --compare A.TQD B.TQD
              beide Fälle und die Änderung von A nach B ausgeben, Wert für
              Wert; die KEY=VALUE-Eingaben gelten für beide; mit --json ein
              Objekt mit "A", "B" und "Change", mit --csv eine Tabelle,
              und --report druckt B im Vergleich mit A
  --csv       mit --compare: Zeilen Figure,Unit,A,B,Change
  --          jedes Argument danach ist eine Datendatei
  --help      diesen Text anzeigen
  --version   die Version anzeigen

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Ein sinnvoller Wert für %1 ist %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A zu groß für die Anzeige</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Hinzugefügt: </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>%1 hinzugefügt</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Modell</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Modellname</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Modellgewicht</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Modellname</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Modellgewicht</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Modelle</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Höhenmesser</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Höhenmessereinstellung</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Höhe</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= kann nicht zusammen mit Elevation= und Altimeter= angegeben werden</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Ein Modell kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Ein Modell braucht einen Namen</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Eine Höhenmessereinstellung von %1 %2 liegt außerhalb der %3 bis %4 %2 jedes echten Höhenmessers.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Eine Interpolationstabelle braucht mindestens zwei Punkte.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>Apr</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Armlänge</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Armlänge</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Luftdruck</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>Aug</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Berechnen</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Nicht änderbar: </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Der Hangar des Fensters kann nicht geöffnet werden: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Nicht lesbar: </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Hangar nicht lesbar: </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Hangar nicht schreibbar: </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>Diagramm über</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Verbindung prüfen und erneut versuchen.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>A löschen</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>Verglichen mit %1 (Wert von A, dann die Änderung dazu)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Berechnete Daten</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Korrigieren</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Flugdatum (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>Dez</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Standardwerte</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>%s aus dem Hangar löschen?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Den Flug von %s aus dem Logbuch löschen?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Die Flüge von %s ebenfalls löschen? OK löscht sie; Abbrechen behält sie im Logbuch.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Gelöscht; %n Flug behalten</numerusform>
        <numerusform>Gelöscht; %n Flüge behalten</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Dichtehöhe</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Leinenzug Rückenwind</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Duplizieren</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Platzhöhe</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Elevation, Altimeter: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= und Altimeter= gehören zusammen</translation>
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
      <translation>Fehler</translation>
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
      <translation>Exit-Status:
  0  Erfolg
  1  die Eingaben lassen sich nicht berechnen, oder eine Datei lässt sich
     nicht lesen oder schreiben; die Meldung auf der Standardfehlerausgabe
     sagt, warum, und auf der Standardausgabe erscheint nichts
  2  ein Aufruffehler: ein unbekannter Schlüssel oder eine unbekannte Option,
     ein Wert, der keine Zahl ist, eine fehlende oder doppelte Option oder
     Optionen, die nicht zusammenpassen (--sweep mit --report oder
     --compare, --hold ohne --sweep, --compare ohne zwei Dateien)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Hangar exportieren</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Den Hangar ab und zu exportieren, um eine Kopie zu behalten.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Dieses Modell exportieren</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM und TO müssen zur Eingabe passen (Betrag höchstens 3.4E38)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO und STEP müssen endliche Zahlen sein</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Daten für '%1' konnten nicht gesetzt werden: %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>Feb</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Platzhöhe</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Die Werte sind veraltet: Enter drücken</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Dateien und Drucken</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Druckhöhe eintragen</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Feste Zugprüfung</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Feste Prüflast statt des Vielfachen (0: keine)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Flugradius</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Flüge</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Gleitkomma-Division durch null</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Gleitkomma-Überlauf</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Geflogen (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Geflogen (Ortszeit)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Allein am Kreis? Mit dem Handy in der Tasche oder in der Hand,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Flugbedingungen (Erweiterte Eingabedaten)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Flugbedingungen in einem anderen Tab geändert: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>Fr</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>Aus %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>Aus %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Treibstoff</translation>
    </message>
    <message>
      <source>General</source>
      <translation>General</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Grundgeschwindigkeit</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Griffwinkel</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Leinenabstand am Griff</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Griffwinkel</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Länge Griff/Leinenausgänge</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Länge Griff/Leinenausgänge</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Hangar und Trimmlogbuch</translation>
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
      <translation>Hangar-Befehle (FILE: eine Hangar-Datei, wie Fenster und Seite sie
exportieren; ohne FILE der Hangar des Fensters):
  --hangar [FILE] [--json]
              die Modelle auflisten: Name, ID, zuletzt geflogen (UTC), Flüge
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [Optionen]
              ein Modell (NAME: sein Name oder seine ID) so berechnen wie
              seine Datendatei; alle Optionen oben außer --compare gehen damit
  --hangar [FILE] --add A.TQD ... [--json]
              jede Datendatei als neues Modell speichern; lässt sich eine
              Datei nicht lesen, wird keine hinzugefügt. FILE wird angelegt,
              wenn es noch nicht existiert
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              das Trimmlogbuch ausgeben, neueste zuerst, aller Modelle oder
              das von NAME: eine kurze Tabelle; --csv alle Spalten des
              Logbuchs von NAME, wie das Fenster es exportiert; --json die
              Flüge, wie die Hangar-Datei sie enthält (imperial)
  FILE ist das Argument nach --hangar, außer es beginnt mit '-'. Ein NAME,
  der zu keinem oder zu mehreren Modellen passt, ist ein Fehler (Exit-Status
  1), dessen Meldung nennt, was der Hangar enthält.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Rundenzeit festhalten</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Das Handy eine Sekunde lang stillhalten.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Geschwindigkeit festhalten</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Luftfeuchte</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>ID</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Imperial</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Länge Innenflügel</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Länge Innenflügel</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Eingabe </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Eingabedaten</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Die Abszissen einer Interpolationstabelle müssen streng steigen.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Ungültiger Datentyp für '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Ungültiger Wert für '%1': '%2' ist weder Imperial noch Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Ungültiger Wert für '%1': '%2' ist keine Sprache von Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>Gerechnet wird mit %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Das sieht nach %1 aus; dieses Feld erwartet %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>Jan</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>Jul</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>Jun</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Als A merken</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Als neues Modell speichern</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Änderungen speichern</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Korrektur speichern</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Auf diesem Gerät für den nächsten Besuch gespeichert.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Sprache</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Runde %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Runde %1: %2 (doppelt getippt, ausgelassen)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Runde %1: %2 (unregelmäßig, ausgelassen)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Runde %1: %2 (Tippen verpasst, ausgelassen)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Rundengeschwindigkeit</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Rundengeschwindigkeit = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Rundengeschwindigkeit = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Rundengeschwindigkeit: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Rundenzeit</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Rundenzeit (Sekunden)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Gemessene Rundenzeit</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Gemessene Rundenzeit (Sekunden)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Rundenzeitmesser</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Rundenzeit</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Rundenzeit und Leinenzug über %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Zuletzt geflogen %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Zuletzt geflogen (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Letzte Runde %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Lage der Leinenausgänge</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Leinenausgänge hinter Schwerpunkt</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Rücklage der Leinenausgänge</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Leinendurchmesser</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Leinenwiderstand</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Leinen-Widerstandsfläche</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Leinenlänge</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Leinenlänge (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Leinenlänge (Öse bis Öse)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Leinenleistung</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Leinenprojektion</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>Leinen-Re am Flügelende</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Leinenzug</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Leinengewicht</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Leinendurchmesser</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Diagramm Leinenlänge</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Leinenlänge, Öse bis Öse</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Leinenzug, Lage der Leinenausgänge, Leinenprojektion und Rücklage der Leinenausgänge um den aktuellen Fall, jeweils auf eigener Skala.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Loading</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Rechner wird geladen…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Flug eintragen</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Flug eintragen (speichert dieses Modell)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Flüge mit gemessener Rundenzeit eintragen, um sie hier zu sehen.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Diesen Flug eintragen</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Flug mit einer Rundenzeit von %s s eingetragen.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>Mär</translation>
    </message>
    <message>
      <source>May</source>
      <translation>Mai</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Mittel der letzten %1: %2, Streuung %3 s.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Metrisch</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>Mo</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Bewegungssensoren fehlen oder wurden hier verweigert: stattdessen bei jedem Durchgang tippen.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Name der Kopie von %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Nadel oder Timer</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Neuer Name für %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Kein Modell aus dem Hangar ist geöffnet.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Kein Diagramm läuft über '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Kein Wert '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Keine Werte zum Zeichnen: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Noch keine Flüge eingetragen.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Keine Flüge eingetragen.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Es ist keine Schrift installiert, mit der sich der Bericht zeichnen ließe</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Noch nicht geflogen</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Notizen</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Notizen zum Modell (Motor, Luftschraube, alles andere)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Notizen zum Flug</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Nichts geändert: der Hangar enthält bereits alles aus %1.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>Auf diesem Gerät wird nichts gespeichert: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>Nov</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Anzahl Leinen</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Anzahl Leinen (1 bis 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>Okt</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Öffnen</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>A öffnen…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Geöffnet: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Druckhöhe</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Druckhöhe</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Mit &lt;Enter&gt; in einem beliebigen Feld neu berechnen</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Druckhöhe</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Druckhöhe vom Platz:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Drucken</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Logbuch drucken</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Gedruckt %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Luftschraube</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Zugprüfung</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Prüflast der Zugprüfung</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>Der SQLite-Treiber von Qt ist nicht installiert (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Neu laden</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Umbenennen</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Soll </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Bericht</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Ergebnisse</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>Sa</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>Sep</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Logbuch anzeigen</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Neu starten</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Gestoppt nach {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Gespeicherte Flugbedingungen nicht verwendet: %s Es gelten die eingebauten Werte </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>So</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 ist keine Sprache von tethrix-calc (%2): Englisch wird verwendet</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Zum Neuberechnen auf Berechnen tippen</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Bei jedem Durchgang tippen</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Einmal beim Start tippen, dann bei jedem Durchgang.</translation>
    </message>
    <message>
      <source>Temp</source>
      <translation>Temp</translation>
    </message>
    <message>
      <source>Temperature</source>
      <translation>Temperatur</translation>
    </message>
    <message>
      <source>Temprature</source>
      <translation>Temperatur</translation>
    </message>
    <message>
      <source>Tethrix</source>
      <translation>Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Data File</source>
      <translation>Tethrix-Datendatei</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Tethrix-Druckauftrag</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>%1 darf außer Zeilenumbrüchen und Tabulatoren keine Steuerzeichen enthalten</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>%1 darf keine Zeilenumbrüche, Tabulatoren oder andere Steuerzeichen enthalten</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1 ist unendlich</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>%1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>%1 fehlt</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>%1 ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>Die Zeit '%2' (%1) ist keine UTC-Zeit wie 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>Die Zugprüfung, %1, liegt bei oder unter %2, %3: sie weist Leinen und Griff für diesen Flug nicht nach.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>Die Luft ist zu heiß und feucht: der Wasserdampfdruck erreicht den Luftdruck.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>Die Luft ist in dieser Druckhöhe zu dünn: der Wasserdampfdruck erreicht den Luftdruck.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>Das Modell ist nicht mehr im Hangar</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>Das Modell dieses Flugs ist nicht im Hangar</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>Die Fluggeschwindigkeit an diesen Leinen liegt außerhalb der %1 bis %2 mph, die das Leinenmodell abdeckt: gerechnet wird mit %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>Die Höhenmessereinstellung muss größer als 0 sein.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>Der Browser hat nicht zugesagt, den Hangar zu behalten: er kann ihn löschen, wenn der Platz knapp wird. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>Der Browser hat zugesagt, den Hangar auf diesem Gerät zu behalten.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Der Rechner konnte nicht geladen werden:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Der vom letzten Besuch gespeicherte Fall war nicht verwendbar (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>Die Änderung wurde nicht gespeichert: der Ordner %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>Die Änderung wurde nicht gespeichert: der Hangar %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>Die Platzhöhe liegt außerhalb der Atmosphäre, die das Programm abbilden kann.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Die Werte gehören zu den angezeigten Eingaben.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>Der Flug ist nicht mehr im Logbuch</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>Der Flugradius ist null oder negativ: die Armlänge ist bei diesem Griffwinkel zu groß für die Leinenlänge.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>Der Flug wurde nicht eingetragen: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>Der Flug wurde nicht eingetragen: ein Flug im Logbuch wird gerade korrigiert.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Der Hangar %1 ist nicht lesbar (%2): Tethrix arbeitet ohne Hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Der Hangar %1 ist nicht lesbar (%2): er bleibt unverändert, und Tethrix arbeitet ohne Hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Der Hangar %1 ist nicht lesbar (es ist kein Tethrix-Hangar): er bleibt unverändert, und Tethrix arbeitet ohne Hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Der Hangar %1 ist nicht schreibbar (%2): er wird schreibgeschützt angezeigt.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>Der Hangar %1 enthält, was diese Version von Tethrix nicht lesen kann (%2): er wird schreibgeschützt angezeigt und bleibt unverändert.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>Der Hangar %1 wurde nicht für diese Version von Tethrix aktualisiert, daher wurde die Änderung nicht gespeichert: seine Sicherungskopie %2 konnte nicht angelegt werden (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>Der Hangar %1 wurde von einer neueren Version von Tethrix geschrieben (Datenbankversion %2; diese kennt bis %3): er wird schreibgeschützt angezeigt und bleibt unverändert.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Der Hangar kann nicht in %1 gespeichert werden (%2): Modelle und Flüge werden nicht gespeichert.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Der Hangar kann nicht gespeichert werden: dieses System nennt keinen Ordner für Benutzerdaten.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Der Hangar kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Der Hangar konnte nicht geladen werden: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>Der Hangar ist zu groß für eine Datei von höchstens 16 MiB: seine Modelle einzeln exportieren</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>Der Hangar auf diesem Gerät enthält Einträge, die diese Seite nicht lesen kann, daher ändert sie </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Der Rundenzeitmesser konnte nicht geladen werden: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>Die letzte Änderung wurde nicht gespeichert: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>Die letzte Änderung wurde nicht gespeichert: andere Tabs haben den Hangar laufend geändert.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Die Bewegungssensoren haben aufgehört%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>Die Seite bleibt auf Englisch: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>Das Handy hat sich bewegt: zum Starten eine Sekunde lang stillhalten.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>Die Druckhöhe liegt außerhalb der Atmosphäre, die das Programm abbilden kann.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>Der Drucker konnte das Dokument nicht abschließen</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>Der Drucker konnte das Dokument nicht beginnen</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Die Einstellungsdatei %1 ist nicht lesbar (%2): sie bleibt unverändert; es gelten die eingebauten Bedingungen und Einheiten, und nichts wird gespeichert, bis sie repariert oder entfernt ist</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Die Einstellungsdatei %1 ist nicht lesbar: die darin gespeicherten Werte werden nicht verwendet</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>Der auf diesem Gerät gespeicherte Start gehörte nicht zu dieser Seite (%s): er wurde verworfen.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>Der gespeicherte Wert '%1' ist länger als %2 Zeichen: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Der gespeicherte Wert '%1' fehlt: %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Die gespeicherten Einstellungen können nicht gelesen werden (%1): die Standardwerte werden verwendet</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>Die Temperatur liegt auf oder unter dem absoluten Nullpunkt (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>Die Zeitnahme stoppte nach {laps}, als der Bildschirm gesperrt oder die Seite verborgen wurde.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>Die Windgeschwindigkeit ist gleich der Fluggeschwindigkeit.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Es gibt bereits einen Flug mit der ID %1</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Es gibt bereits ein Modell mit der ID %1</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>Dies ist keine Hangar-Datei, die Tethrix lesen kann: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>Do</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Meine Runden stoppen</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Drehungen werden gemessen. Zum Beenden hier 1.5 s gedrückt halten.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Zeitmessung: bisher %1 Drehungen. Die erste Runde wird ausgelassen.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Zeitnahme: bei jedem Durchgang tippen.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Ausgleichsgewicht</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Trimmdiagramme</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Trimmrechner für Fesselflugmodelle</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Trimmwerte über %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Trimmwerte über Rundenzeit (Sekunden)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Trimmlogbuch</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Trimmlogbuch von </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Erneut versuchen</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>Di</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Zwei Modelle haben dieselbe ID</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Zwei Flüge haben dieselbe ID</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Einheiten</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Unbekannte Eingabe '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>%1 aktualisiert</translation>
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
      <translation>Aufruf: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                    [--report FILE.pdf]
        tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                     [FILE.TQD] [KEY=VALUE ...]
        tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Berechnet die Trimmwerte eines Fesselflugmodells. Es gelten die
Flugbedingungen, die das Fenster speichert (Erweitert &gt; Dateneingabe), außer
mit --no-settings; danach wird eine Datendatei angewendet, wie Datei &gt; Öffnen
im Fenster es tut, dann die KEY=VALUE-Eingaben. tethrix-calc ändert die
gespeicherten Einstellungen nie.
Eine Datei, deren Name '=' enthält, kann nach '--' angegeben werden.

Schlüssel (Groß- oder Kleinschreibung beliebig; Zahlen mit '.' als
Dezimalpunkt; metrische Einheiten in Klammern, für --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Als Rundenzeit übernehmen</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>Mi</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Gewicht</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Was wäre, wenn...</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Flügelfläche</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Flächenbelastung</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Flügelfläche</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>einen PDF-Dateinamen</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>eine fehlerhafte \u-Escape-Sequenz in einem Text</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>ein unmaskiertes Steuerzeichen in einem Text</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>ein Schlüssel von %1</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>ein einzelnes Surrogat in einem Text</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>ein Datensatz steht unter einer anderen ID als seiner eigenen</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>ein Datensatz ist zu lang</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>nach einem Schlüssel</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>Modell %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>Modellname</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>eine unbekannte Escape-Sequenz in einem Text</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>ein anderer Tethrix-Tab hat eine ältere Version davon geöffnet</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>am Ende von %1</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>am Ende von </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>bei gleicher Geschwindigkeit</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>Avoirdupois-Unze: 1/16 des internationalen Pfunds von genau 453.59237 g (dasselbe Abkommen)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>aus /dev/urandom lässt sich keine Modell-ID erzeugen: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>die Ausgabe lässt sich nicht schreiben</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>zählt die eigenen Drehungen in der Kreismitte: erst eine Sekunde stillhalten, dann fliegen. Zum Beenden den Bildschirm 1.5 s lang gedrückt halten.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>Grad</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>Grad</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>Grad Fahrenheit</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>alle Flugbedingungen sind gespeichert</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>'%1' erwartet %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>Zahl erwartet für %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>Text erwartet für %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>Gegenprobe der Rechenfehler: die Prüfungen fanden %u, die Hardware %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>Fuß</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>Flug %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>für %1</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>für </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>an ihrer Stelle; das Gespeicherte bleibt erhalten, bis eine Flugbedingung geändert wird.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>Leinenabstand am Griff</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial oder metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>imperiale Einheiten werden angezeigt</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>Zoll</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>Zoll Quecksilbersäule, wie bei Höhenmessereinstellungen üblich: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>Zoll</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>internationaler Fuß: genau 0.3048 m (dasselbe Abkommen)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>internationaler Zoll: genau 25.4 mm (internationales Yard-und-Pfund-Abkommen, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>internationale Meile: 5280 ft zu 0.3048 m, genau 1.609344 km</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>internationales Pfund: genau 0.45359237 kg (Abkommen von 1959)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>während dieses Befehls geändert: nichts geschrieben, bitte erneut versuchen</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>es wurde nicht geladen</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>es enthält einen serialisierten Wert, den Tethrix nie schreibt</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>es enthält mehr Modelle oder Flüge, als ein Hangar darf</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>es enthält mehr als 1,000,000 Flüge</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>es enthält mehr als 10,000 Modelle</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>sie enthält keine Einstellung, die Tethrix speichert, nur %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>sie enthält keine Einstellung, die Tethrix speichert, nur %1 und andere</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>es enthält keine Einstellungen, nur anderen Text</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>es enthält keinen der Schlüssel einer Datendatei (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>es ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>es ist eine Hangar-Datei der Version %1 von einem neueren Tethrix; dieses liest Version %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>es ist eine Pipe, keine reguläre Datei</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>es ist beschädigt: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>sie ist größer als 1 MiB, viel zu groß für eine Tethrix-Datendatei</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>es ist größer als 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>es ist kein Tethrix-Hangar</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>es ist keine Datei</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>es ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>es ist in UTF-16 geschrieben oder enthält NUL-Bytes; Tethrix liest UTF-8-Text</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>es wurde von einer neueren Version von Tethrix geschrieben</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>sein Format ist nicht "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>seine Version ist keine Hangar-Dateiversion</translation>
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
      <translation>Einstellung Nadel oder Timer</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>kein Gyroskop</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>kein Modell heißt </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>keine Texte</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>nichts daran: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>nur ein Sweep der Leinenlänge (ll) kann die Geschwindigkeit festhalten</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>Unze pro Quadratfuß: 28.349523125 g pro 9.290304 dm² (0.3048 m zum Quadrat), beides exakt</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>Unzen</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>Prozent</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>Pound-force: 0.45359237 kg unter Normfallbeschleunigung 9.80665 m/s² (3. CGPM, 1901), genau 4.4482216152605 N</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>Pfund</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>s Modell in den Feldern, oder </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>scale </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>Skala ganz links</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>Skala ganz rechts</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>Skala links</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>Skala rechts</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>Sekunden</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>nach dem Ende von %1 folgt noch etwas</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>nach dem Ende des Hangars folgt noch etwas</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>speed oder laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>Quadratzoll: 0.254 dm zum Quadrat, genau 0.064516 dm²</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>Quadratzoll: 2.54 cm zum Quadrat, genau 6.4516 cm²</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>Quadratzoll</translation>
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
      <translation>tethrix-calc: Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: Bericht nicht schreibbar: </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: es wurde nichts hinzugefügt
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: gespeicherte Flugbedingungen: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: unerwarteter Fehler
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: Warnung: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: Warnung: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1 ist kein gültiger UTF-8-Text von höchstens 16 MiB</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 von %2</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>das Modell von %1</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>die Modelle wurden hinzugefügt, aber </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>der Browser hat es nicht behalten</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>der Browser hat das Öffnen verweigert</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>das eingebaute Modell tritt an seine Stelle.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>die Änderungszeit von %1</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>die Bedingungen von %1</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>die Erstellungszeit von %1</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>die Datendatei muss vor den KEY=VALUE-Eingaben stehen</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>dem Datum</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>der Standardwert %1 wird verwendet</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>der Dichtehöhe</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>der Eintrag wird verworfen</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>die Werte von %1</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>die Datei</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>die Datei beginnt nicht mit "format" und "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>die Datei endet zu früh</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>das Flugdatum von %1</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>das Format</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>die ID von %1</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>die Eingaben von %1</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>der Schlüssel '%1' von %2 kommt doppelt vor</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>den Schlüssel '%1' von %2 kennt diese Version nicht</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>die Rundenzeit von %1</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>dem Modul %1 fehlt %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>das Modul konnte nicht geladen werden</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>die Notizen von %1</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>die Zahl %1 für %2 liegt außerhalb des Bereichs</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>die Anzahl Leinen läuft über ganze Zahlen von 1 bis 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>die Anzahl Leinen ändert sich in ganzen Schritten</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>das Programmmodul %1 fehlt</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>dieselbe Einheit in beiden Systemen</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>die Einstellungen konnten nicht vorbereitet werden</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>die Einstellungen konnten nicht vollständig geschrieben werden</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>die Einstellungsdatei ist nicht lesbar (%1) und bleibt unverändert</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>der Speicher für diese Seite auf dem Gerät ist voll</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>der Sweep von </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>der Sweep-Bereich ist leer oder hat mehr als </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>der Sweep-Bereich muss FROM:TO:STEP lauten</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>die Sprache des Systems wird verwendet</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>die Version</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>der Hangar des Fensters</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>der Hangar des Fensters </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>der Hangar des Fensters ist in diesem Build nicht verfügbar: eine Hangar-Datei nach --hangar angeben</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>sie sind nicht lesbar (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>sie sind nicht lesbar (keine Texte unter ihren Schlüsseln).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>sie enthalten keine der Flugbedingungen.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>dieses Modell</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>mal das Gewicht</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>Ausgleichsgewicht</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>unbekannter Fehler</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>unbekannter Schlüssel '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>unbekannte Option '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>%1 aktualisiert</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>bei gleicher Rundenzeit</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x Gewicht</translation>
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
      <translation>°C = (°F - 32) / 1.8 exakt, wie die Fahrenheit-Skala definiert ist</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 bei gleicher Geschwindigkeit</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>%1 von %2 Punkten ausgelassen: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 bei gleicher Rundenzeit</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Aktueller Fall</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>&amp;PNG exportieren...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Rundenzeit festhalten</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Geschwindigkeit festhalten</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Rundenzeit</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Leinenlänge</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Auf eine Kurve zeigen, um ihre Werte abzulesen.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>Das Diagramm konnte nicht gezeichnet werden: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>Das Diagramm konnte nicht in ein PNG-Bild umgewandelt werden</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Trimmdiagramme</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Trimmwerte über %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>Das Diagramm</translation>
    </message>
    <message>
      <source>table</source>
      <translation>Die Tabelle</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (gelöscht)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 von %2, neueste zuerst.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: Rundenzeit und Leinenzug</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Korrigieren...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Löschen...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Drucken...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Modell:</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Das Trimmlogbuch kann nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Das Trimmlogbuch %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>Diagramm über:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Flug von %1 korrigieren</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Flug von %1 vom %2 korrigiert.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Flugdatum</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>%1 aus dem Trimmlogbuch löschen?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Flug löschen</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>%1 gelöscht.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Trimmlogbuch von %1 nach %2 exportiert.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Geflogen (Ortszeit)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Ortszeit</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>Von %1 ist noch kein Flug eingetragen.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Noch keine Flüge für ein Diagramm.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Drucken ist nicht verfügbar: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>Das Diagramm kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>Die Korrektur</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>Das Löschen</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>Der Hangar enthält noch kein Modell.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Trimmlogbuch</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Trimmlogbuch: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>dem Datum</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>der Dichtehöhe</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>der Flug von %1 vom %2</translation>
    </message>
  </context>
</TS>
