<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Anuluj</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>&amp;Domyślne</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>&amp;Wypełnij</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Zapisz</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Zaawansowane dane wejściowe</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Nastawa wysokościomierza</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Inne okno Tethrix zapisało %1, odkąd to okno wczytało ustawienia: ten zapis zostaje i obowiązuje także tutaj.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Wysokość lotniska</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Wypełnij wysokość ciśnieniową na podstawie wysokości lotniska i nastawy wysokościomierza</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Naciśnij &lt;F1&gt;, aby wyświetlić pomoc</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Wysokość ciśnieniowa z danych lotniska:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 według obliczeń: %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Silnik:</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Data lotu (czas lokalny):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Paliwo:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Rozstaw rączki:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Zmierzony czas okrążenia (s):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Ustawienie iglicy lub timera:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Notatki:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Śmigło:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>Zmierzony czas okrążenia musi być liczbą sekund albo pozostać pusty</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Ciężarek końcówki:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>brak</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>Nie można wyeksportować %1: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>%1 (kopia)</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>Nie dodano – %1:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>%1 nie zawiera plików danych .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1: nie zapisano</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Usuń...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importuj...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Zapisz jako &amp;nowy</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Zapisz lot...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Otwórz</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>Zmień n&amp;azwę...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Dziennik regulacji...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Dodaj &amp;folder...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Dodaj folder</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Dodaj i zaktualizuj modele i loty z pliku hangaru</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Dodaj wszystkie pliki danych .TQD z folderu</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>Dodano %1 z %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Model</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Anuluj</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>Nie można zaimportować %1: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Nie można zapisać pliku hangaru %1: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Zamknij</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>Du&amp;plikuj...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Usuń</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>Usunąć %1 z hangaru?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>Usunąć %1 z hangaru? Jego loty (%2) zostaną w dzienniku regulacji, chyba że usuniesz je razem z nim.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Usuń model</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Usuń razem z lotami</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Usuń, zachowaj dziennik</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>Usunięto %1 i jego loty (%2).</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Usunięto %1.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Duplikuj model</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>E&amp;ksportuj hangar...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Eksportuj &amp;model...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>Wyeksportowano %1 wraz z dziennikiem do %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Wyeksportowano hangar do %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Loty</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>Nadpi&amp;sz</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Nadpisz otwarty w oknie model danymi z okna</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Zapisz dane z okna, wraz z wpisanymi notatkami, jako nowy model</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>Zapisano %1 jako nowy model i dodano jego lot do dziennika.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>Zapisano %1 jako nowy model.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Zapisano kopię %1 jako %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Zapisano dane z okna w miejsce %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Ostatni lot</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Zapisz lot modelu %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Zapisz w dzienniku lot z danymi z okna</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Zapisano lot modelu %1.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Nazwa kopii modelu %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Nowa nazwa dla %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>W oknie nie jest otwarty żaden model z hangaru.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>W oknie nie jest otwarty żaden model z hangaru: zapisz dane jako nowy model.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Nie można zapisać lotu: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Notatki (silnik, śmigło, cokolwiek):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Otwarty w oknie: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Otwórz wybrany model w polach okna</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>Otwarto %1.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Zmień nazwę modelu</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>Zmieniono nazwę %1 na %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Modele z %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>Kopia</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>Usunięcie %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>Lot</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Nie można wyeksportować hangaru: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>Import %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>Nowa nazwa</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>Wybrany model wraz z dziennikiem</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Nie znaleziono stron</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Szukaj w pomocy</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Szukaj:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Pomoc Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Stoper okrążeń</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Zacznij od nowa</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Stuknij przy każdym przelocie (spacja)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Użyj jako czasu okrążenia</translation>
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
      <translation>Nie można porównać z %1: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>&amp;O programie...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>&amp;Zaawansowane</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Spis treści</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>&amp;Dane wejściowe</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Plik</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Hangar...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>Pomo&amp;c</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Imperialne</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Stoper okrążeń...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Zapisz lot...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Metryczne</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Otwórz...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Drukuj...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Zapisz</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Wykresy regulacji...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Dziennik regulacji...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Jednostki</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Zaawansowane dane wejściowe</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Nie można zapisać raportu %1: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Wyczyść A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Wyniki obliczeń</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Warunki...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Za&amp;kończ</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Warunki lotu: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>&amp;Hangar</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Dane wejściowe</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Zachowaj jako A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Język</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Język</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>Prędkość na okrążeniu liczy się po całym okręgu ramienia, rączki, linek i skrzydła wewnętrznego; prędkość względem ziemi – po okręgu przechodzącym przez rączkę.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Czas okrążenia</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Długość linek</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Otwórz A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Naciśnij &lt;Enter&gt; w dowolnym polu, aby przeliczyć</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Drukowanie jest niedostępne: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>Od następnego uruchomienia Tethrix będzie używać języka: %1.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>Systemowy</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Nie można otworzyć wykresów regulacji: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Nie można zachować tych danych jako A: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Co jeśli...</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>ft</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>Nie można zapisać %1 jako %2: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Te same dane wejściowe i warunki lotu co A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: niczego nie dodano
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
      <translation>  --lang CODE język --help i komunikatów na standardowym wyjściu błędów,
              jeden z: %1
              (TETHRIX_LANG=CODE działa tak samo); standardowe wyjście jest
              takie samo w każdym języku
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   wysokość lotniska, ft [m], razem z
  Altimeter   nastawą wysokościomierza w tym miejscu, inHg [hPa]: wysokość
              ciśnieniowa zamiast Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (--no-settings używa wbudowanych)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (domyślnie </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Liczby wpisuje się tu z przecinkiem dziesiętnym (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Liczby wpisuje się tu z kropką dziesiętną ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> %</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> modele pasują do </translation>
    </message>
    <message>
      <source> and </source>
      <translation> i </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> nie może się odbyć: </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> st.</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> st.</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> st.</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> nie łączy się z --add (zobacz --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> nie łączy się z listą modeli --hangar (zobacz --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> nie łączy się z --log (zobacz --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> ft</translation>
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
      <translation> zawiera </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> nie zawiera modeli</translation>
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
      <translation> in</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> in</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> nie jest plikiem kompilacji </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> – wartość zbyt duża, by ją pokazać</translation>
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
      <translation> wymaga </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> ani nie ma takiego id: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> innych nazw (samo --hangar je wypisuje)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> oz</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/ft²</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> %</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> lb</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> wierszy (STEP musi być różny od zera i prowadzić od FROM do TO)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> s</translation>
    </message>
    <message>
      <source> sq/in</source>
      <translation> in²</translation>
    </message>
    <message>
      <source> sq/inches</source>
      <translation> in²</translation>
    </message>
    <message>
      <source> watts</source>
      <translation> W</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> modelem wbudowanym? Jego dane przepadną, jeśli nie zostały zapisane.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x masa</translation>
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
      <translation>%1 (w bajcie %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Te warunki lotu nie są zapisane.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 i %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 daje prędkość lotu spoza zakresu %2–%3 mph, który obejmuje model linek: obliczenia przyjmują %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1: brak '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1 wynosi %2 – takich wartości na lotnisku się nie spotyka.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1 wynosi %2, poza zakresem %3, który model linek obejmuje dla linek, rączki i wyprowadzeń.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1 wynosi %2, poza zakresem %3, który obejmuje model linek.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1 wynosi %2, co nie ma sensu fizycznego.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1 jest równa prędkości lotu (%2) lub większa.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1 wykracza poza zakres od -90 do 90 stopni.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1 wykracza poza zakres od -90 do 90 stopni; obliczenia przyjmują 0 stopni.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>%1: pole jest puste; obliczenia przyjmują %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>%1: pole jest puste; wyniki przyjmują %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1: wartość ujemna nie ma sensu fizycznego.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1 wykracza poza zakres od 0 do 100 procent; obliczenia przyjmują %2 procent.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1: wartość za duża, by ją pokazać</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>jeszcze %1</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1 musi wynosić co najmniej %2.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1 musi mieścić się w zakresie od -90 do 90 stopni.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1 musi mieścić się w zakresie od 0 do 100 procent.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1 musi być mniejsza od prędkości lotu (%2).</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1 musi wynosić więcej niż %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>%1 pokazuje '%2'; obliczenia przyjmują %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>%1 pokazuje '%2'; wyniki przyjmują %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>%1: wpisz liczbę, np. %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 do %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x naciąg z wiatrem</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x naciąg linek</translation>
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
        <numerusform>%n model</numerusform>
        <numerusform>%n modele</numerusform>
        <numerusform>%n modeli</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n model</numerusform>
        <numerusform>%n modele</numerusform>
        <numerusform>%n modeli</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n plik</numerusform>
        <numerusform>%n pliki</numerusform>
        <numerusform>%n plików</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n plik</numerusform>
        <numerusform>%n pliki</numerusform>
        <numerusform>%n plików</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n lot</numerusform>
        <numerusform>%n loty</numerusform>
        <numerusform>%n lotów</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n lot</numerusform>
        <numerusform>%n loty</numerusform>
        <numerusform>%n lotów</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n okrążenie</numerusform>
        <numerusform>%n okrążenia</numerusform>
        <numerusform>%n okrążeń</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>Policzono %n okrążenie.</numerusform>
        <numerusform>Policzono %n okrążenia.</numerusform>
        <numerusform>Policzono %n okrążeń.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n okrążenie</numerusform>
        <numerusform>%n okrążenia</numerusform>
        <numerusform>%n okrążeń</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n okrążenie</numerusform>
        <numerusform>%n okrążenia</numerusform>
        <numerusform>%n okrążeń</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>Policzono %n okrążenie.</numerusform>
        <numerusform>Policzono %n okrążenia.</numerusform>
        <numerusform>Policzono %n okrążeń.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s przy %s</translation>
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
      <translation>%s - Dziennik regulacji</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>%s (kopia)</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s nie jest tekstem</translation>
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
      <translation>%s: %s nie jest tekstem.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (zobacz --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' nie jest prawidłową liczbą zmiennoprzecinkową</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' nie jest prawidłową liczbą zmiennoprzecinkową dla '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' nie jest prawidłową liczbą dla pola %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' nie jest prawidłową liczbą całkowitą dla pola %2</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' nie jest id: do 64 liter, cyfr, - i _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' jest poza zakresem dla pola %2</translation>
    </message>
    <message>
      <source>'%1' of %2</source>
      <translation>'%1' (%2)</translation>
    </message>
    <message>
      <source>(max-width: 759px)</source>
      <translation>(max-width: 759px)</translation>
    </message>
    <message>
      <source>*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***</source>
      <translation>*** Tethrix - kalkulator regulacji modeli na uwięzi - wyniki dla modelarzy, od modelarzy ***</translation>
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
      <translation>, zmiana </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, ostatni lot </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, bez lotów</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, bez zmian</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Prędkość na okrążeniu (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Czas okrążenia (s) przy tej samej prędkości</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (s) przy tej samej prędkości</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang przyjmuje jeden z: %1, a nie '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Podaj jego id zamiast nazwy</translation>
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
      <translation>A %1, bez zmian</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Nie można odczytać lotu: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Hangar mieści najwyżej %1 modeli</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Hangar mieści najwyżej %1 lotów</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Zmierzony czas okrążenia musi wynosić więcej niż 0 i najwyżej 3600 sekund</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Nowa wersja Tethrix jest gotowa.</translation>
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
      <translation>Liczba linek spoza zakresu od 1 do 3 zostaje zastąpiona bliższą z tych
wartości, tak jak w polu okna.

Opcje:
  --json      wypisuje jeden obiekt JSON ze wszystkimi wynikami w pełnej
              dokładności; z --sweep tablicę JSON z jednym obiektem na wiersz
  --report F  zapisuje też drukowany raport jako plik PDF F
  --units=imperial|metric
              jednostki danych KEY=VALUE, zakresu przebiegu i wszystkich
              wypisywanych wyników (domyślnie imperial, niezależnie od tego,
              co pokazuje okno); pliki danych i zapisane warunki są zawsze
              w jednostkach imperialnych, a --json zachowuje swoje klucze
              i dodaje "units"
  --no-settings
              używa wbudowanych warunków lotu zamiast zapisanych
  --sweep KEY=FROM:TO:STEP
              wypisuje tabelę CSV: KEY od FROM do TO co STEP (najwyżej 100000
              wierszy) ze wszystkimi wynikami i prędkością na okrążeniu
              w pełnej dokładności; wiersz, którego nie da się obliczyć,
              zawiera zamiast nich komunikat
  --hold=laptime|speed
              co jest stałe w przebiegu długości linek (ll): czas okrążenia
              (domyślnie; prędkość rośnie z długością) albo prędkość (czas
              okrążenia rośnie z drogą lotu; po ll następuje kolumna "lt (s)
              przy tej samej prędkości", a w --json "lt")
  --compare A.TQD B.TQD
              wypisuje oba zestawy danych i zmianę od A do B, wynik po
              wyniku; dane KEY=VALUE dotyczą obu; z --json jeden obiekt
              z "A", "B" i "Change", z --csv tabelę, a --report drukuje
              B w porównaniu z A
  --csv       z --compare: wiersze Figure,Unit,A,B,Change
  --          każdy argument po tej opcji jest plikiem danych
  --help      pokazuje ten tekst
  --version   pokazuje wersję

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>%1: rozsądna wartość to %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A: wartość zbyt duża, by ją pokazać</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Dodano </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>Dodano %1</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Model</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Nazwa modelu</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Masa modelu</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Nazwa modelu</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Masa modelu</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Modele</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Altimeter</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Nastawa wysokościomierza</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Altitude</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= nie może być podane razem z Elevation= i Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Nie można odczytać modelu: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Model musi mieć nazwę</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Nastawa wysokościomierza %1 %2 wykracza poza zakres %3–%4 %2 każdego prawdziwego wysokościomierza.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Tablica interpolacji wymaga co najmniej dwóch punktów.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>kwi</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Długość ramienia</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Długość ramienia</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Ciśnienie atmosferyczne</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>sie</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Oblicz</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Anuluj</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Nie można zmienić: </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Nie można otworzyć hangaru okna: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Nie można odczytać: </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Nie można odczytać hangaru </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Nie można zapisać hangaru </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>Wykres w funkcji</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Wyczyść A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>W porównaniu z %1 (wartość A, potem zmiana względem niej)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Wyniki obliczeń</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Popraw</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Data lotu (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>gru</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Domyślne</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Usuń</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>Usunąć %s z hangaru?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Usunąć z dziennika lot z %s?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Usunąć też loty modelu %s? OK je usuwa; Anuluj zostawia je w dzienniku.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Usunięto; zachowano %n lot</numerusform>
        <numerusform>Usunięto; zachowano %n loty</numerusform>
        <numerusform>Usunięto; zachowano %n lotów</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Wysokość gęstościowa</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Naciąg z wiatrem</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Duplikuj</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Elevation</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Elevation, Altimeter: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= i Altimeter= podaje się razem</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Silnik</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Błąd</translation>
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
      <translation>Kod wyjścia:
  0  powodzenie
  1  nie można obliczyć danych albo nie można odczytać lub zapisać pliku;
     komunikat na standardowym wyjściu błędów podaje przyczynę, a na
     standardowe wyjście nic nie jest wypisywane
  2  błąd użycia: nieznany klucz lub opcja, wartość, która nie jest
     liczbą, brakująca lub powtórzona opcja albo opcje, których nie można
     łączyć (--sweep z --report lub --compare, --hold bez --sweep,
     --compare bez dwóch plików)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Eksportuj hangar</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Eksportuj hangar od czasu do czasu, aby mieć kopię.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Eksportuj ten model</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM i TO muszą mieścić się w polu danych (co do wartości najwyżej 3.4E38)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO i STEP muszą być liczbami skończonymi</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Nie udało się ustawić danych dla '%1': %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>lut</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Wysokość lotniska</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Wyniki są nieaktualne: naciśnij Enter</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Pliki i drukowanie</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Wypełnij wysokość ciśnieniową</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Stałe obciążenie próby</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Stałe obciążenie próby wytrzymałości zamiast krotności (0: brak)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Promień lotu</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Loty</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Dzielenie zmiennoprzecinkowe przez zero</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Przepełnienie zmiennoprzecinkowe</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Data lotu (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Data lotu (czas lokalny)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Latasz sam? Z telefonem w kieszeni lub w dłoni,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Warunki lotu (zaawansowane dane wejściowe)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Warunki lotu zmieniono w innej karcie: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>pią</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>Z pliku %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>Z pliku %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Paliwo</translation>
    </message>
    <message>
      <source>General</source>
      <translation>General</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Prędkość względem ziemi</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Kąt rączki</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Rozstaw rączki</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Kąt rączki</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Długość rączki/wyprowadzeń</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Długość rączki/wyprowadzeń</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Hangar i dziennik regulacji</translation>
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
      <translation>Polecenia hangaru (FILE: plik hangaru, taki jak eksportują okno i strona;
bez FILE: własny hangar okna):
  --hangar [FILE] [--json]
              wypisuje modele: nazwa, id, ostatni lot (UTC), liczba lotów
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]
              oblicza model (NAME: jego nazwa lub id) tak jak jego plik
              danych; działa z nim każda z powyższych opcji oprócz --compare
  --hangar [FILE] --add A.TQD ... [--json]
              zapisuje każdy plik danych jako nowy model; gdy któregoś pliku
              nie da się odczytać, nie dodaje żadnego. FILE zostaje
              utworzony, jeśli jeszcze nie istnieje
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              wypisuje dziennik regulacji, od najnowszych, wszystkich modeli
              lub modelu NAME: krótka tabela; --csv wszystkie kolumny
              dziennika modelu NAME, tak jak eksportuje je okno; --json loty
              tak, jak przechowuje je plik hangaru (jednostki imperialne)
  FILE to argument po --hangar, chyba że zaczyna się od '-'. NAME, który
  nie pasuje do żadnego modelu albo pasuje do kilku, jest błędem (kod
  wyjścia 1), a komunikat wymienia zawartość hangaru.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Stały czas okrążenia</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Trzymaj telefon nieruchomo przez sekundę.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Stała prędkość</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Humidity</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>Id</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Imperialne</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Długość skrzydła wewn.</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Długość skrzydła wewnętrznego</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Dane: </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Dane wejściowe</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Odcięte tablicy interpolacji muszą być ściśle rosnące.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Nieprawidłowy typ danych dla '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Nieprawidłowa operacja zmiennoprzecinkowa</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Nieprawidłowa wartość dla '%1': '%2' to ani Imperial, ani Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Nieprawidłowa wartość dla '%1': '%2' nie jest językiem Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>Obliczenia przyjmują %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Wygląda to na %1; to pole przyjmuje %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>sty</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>lip</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>cze</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Zachowaj jako A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Zapisz jako nowy model</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Zapisz zmiany</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Zapisz poprawkę</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Zachowane na tym urządzeniu do następnej wizyty.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Język</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Okrążenie %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Okrążenie %1: %2 (podwójne stuknięcie, pominięte)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Okrążenie %1: %2 (nieregularne, pominięte)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Okrążenie %1: %2 (brak stuknięcia, pominięte)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Prędkość na okrążeniu</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Prędkość na okrążeniu = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Prędkość na okrążeniu = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Prędkość na okrążeniu: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Czas okrążenia</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Czas okrążenia (s)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Zmierzony czas okrążenia</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Zmierzony czas okrążenia (s)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Stoper okrążeń</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Czas okrążenia</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Czas okrążenia i naciąg linek w funkcji: %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Ostatni lot %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Ostatni lot (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Ostatnie okrążenie: %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Położenie wyprowadzeń</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Położenie wyprowadzeń za SC</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Odchylenie wyprowadzeń</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Średnica linek</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Opór linek</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Powierzchnia oporu linek</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Długość linek</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Długość linek (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Długość linek (oczko–oczko)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Moc oporu linek</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Ugięcie linek</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>Re linek przy końcówce</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Naciąg linek</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Masa linek</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Średnica linek</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Wykres długości linek</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Długość linek, od oczka do oczka</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Naciąg linek, położenie wyprowadzeń, ugięcie linek i odchylenie wyprowadzeń wokół bieżących danych, każde na własnej skali.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Wczytywanie</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Wczytywanie kalkulatora…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Zapisz lot</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Zapisz lot (zapisuje też ten model)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Zapisuj loty ze zmierzonym czasem okrążenia, aby je tu zobaczyć.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Zapisz ten lot</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Zapisano lot z czasem okrążenia %s s.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>mar</translation>
    </message>
    <message>
      <source>May</source>
      <translation>maj</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Średnia (ostatnie %1): %2, rozrzut %3 s.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Metryczne</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>pon</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Brak czujników ruchu albo odmówiono do nich dostępu: zamiast tego stukaj przy każdym przelocie.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nazwa</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Nazwa kopii modelu %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Iglica lub timer</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Nowa nazwa dla %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Nie otwarto żadnego modelu z hangaru.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Żaden wykres nie przebiega po '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Brak wyniku '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Brak wyników do narysowania: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Nie zapisano jeszcze żadnych lotów.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Nie zapisano żadnych lotów.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Nie zainstalowano żadnej czcionki do narysowania raportu</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Jeszcze bez lotów</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Notatki</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Notatki o modelu (silnik, śmigło, cokolwiek)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Notatki o locie</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Nic się nie zmieniło: hangar zawiera już wszystko z %1.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>Nic nie zostanie zachowane na tym urządzeniu: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>lis</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Liczba linek</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Liczba linek (1 do 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>paź</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Otwórz</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Otwórz A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Otwarty: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Ciśnienie</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Wysokość ciśnieniowa</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Naciśnij &lt;Enter&gt; w dowolnym polu, aby przeliczyć</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Wysokość ciśnieniowa</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Wysokość ciśnieniowa z danych lotniska:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Drukuj</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Drukuj dziennik</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Wydrukowano %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Śmigło</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Próba wytrzymałości</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Obciążenie próby wytrzymałości</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>Sterownik SQLite dla Qt nie jest zainstalowany (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Wilgotność względna</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Wilgotność względna</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Odśwież</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Zmień nazwę</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Zastąpić </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Raport</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Wyniki</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>sob</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Zapisz</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>wrz</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Pokaż jego dziennik</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Zacznij od nowa</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Zatrzymano po {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Nie użyto zapisanych warunków: %s Zamiast nich obowiązują </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>ndz</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 nie jest językiem tethrix-calc (%2): używany jest angielski</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Stuknij Oblicz, aby przeliczyć</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Stuknij przy każdym przelocie</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Stuknij raz na starcie, potem przy każdym przelocie.</translation>
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
      <translation>Plik danych Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Wydruk Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>%1: niedozwolone znaki sterujące inne niż podziały wierszy i tabulatory</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>%1: niedozwolone podziały wierszy, tabulatory i inne znaki sterujące</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1: wartość nieskończona</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>%1: więcej niż %2 znaków</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>Brak: %1</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1: to nie jest liczba</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>%1: to nie jest prawidłowy tekst UTF-8</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>Czas %1 '%2' nie jest czasem UTC w postaci 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>Próba wytrzymałości (%1) nie przekracza wartości %2 (%3): nie potwierdza, że linki i rączka wytrzymają ten lot.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>Powietrze jest zbyt gorące i wilgotne: ciśnienie pary wodnej osiąga ciśnienie powietrza.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>Powietrze jest zbyt rozrzedzone na tej wysokości ciśnieniowej: ciśnienie pary wodnej osiąga ciśnienie powietrza.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>Tego modelu nie ma już w hangarze</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>Modelu, do którego należy ten lot, nie ma w hangarze</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>Prędkość lotu na tych linkach wykracza poza zakres %1–%2 mph, który obejmuje model linek: obliczenia przyjmują %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>Nastawa wysokościomierza musi być większa od 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>Przeglądarka nie zobowiązała się przechowywać hangaru: może go usunąć, gdy zabraknie miejsca. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>Przeglądarka zobowiązała się przechowywać hangar na tym urządzeniu.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Nie udało się wczytać kalkulatora:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Nie można było użyć danych zachowanych z poprzedniej wizyty (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>Nie zapisano zmiany: nie udało się utworzyć folderu %1 (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>Nie zapisano zmiany: nie udało się zapisać hangaru %1 (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>Wysokość lotniska leży poza atmosferą, którą program potrafi modelować.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Wyniki odpowiadają pokazanym danym wejściowym.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>Tego lotu nie ma już w dzienniku</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>Promień lotu jest zerowy lub ujemny: długość ramienia jest zbyt duża w stosunku do długości linek przy tym kącie rączki.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>Nie zapisano lotu: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>Nie zapisano lotu: trwa poprawianie lotu z dziennika.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Nie można odczytać hangaru %1 (%2): Tethrix działa bez hangaru.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Nie można odczytać hangaru %1 (%2): pozostaje on bez zmian, a Tethrix działa bez hangaru.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Nie można odczytać hangaru %1 (to nie jest hangar Tethrix): pozostaje on bez zmian, a Tethrix działa bez hangaru.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Nie można zapisywać hangaru %1 (%2): jest wyświetlany tylko do odczytu.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>Hangar %1 zawiera dane, których ta wersja Tethrix nie potrafi odczytać (%2): jest wyświetlany tylko do odczytu i pozostaje bez zmian.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>Hangaru %1 nie zaktualizowano do tej wersji Tethrix, więc nie zapisano zmiany: nie udało się utworzyć jego kopii zapasowej %2 (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>Hangar %1 zapisała nowsza wersja Tethrix (wersja bazy danych %2; ta wersja zna wersje do %3): jest wyświetlany tylko do odczytu i pozostaje bez zmian.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Nie można przechowywać hangaru w %1 (%2): modele i loty nie zostaną zapisane.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Nie można przechowywać hangaru: ten system nie wskazuje folderu na dane użytkownika.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Nie można odczytać hangaru: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Nie udało się wczytać hangaru: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>Hangar jest za duży na jeden plik o rozmiarze najwyżej 16 MiB: eksportuj jego modele osobno</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>Hangar na tym urządzeniu zawiera rekordy, których ta strona nie potrafi odczytać, więc strona </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Nie udało się wczytać stopera okrążeń: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>Nie zapisano ostatniej zmiany: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>Nie zapisano ostatniej zmiany: inne karty wciąż zmieniały hangar.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Czujniki ruchu przestały działać%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>Strona pozostaje po angielsku: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>Telefon się poruszył: przytrzymaj go nieruchomo przez sekundę, aby zacząć.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>Wysokość ciśnieniowa leży poza atmosferą, którą program potrafi modelować.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>Drukarka nie mogła dokończyć dokumentu</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>Drukarka nie mogła rozpocząć dokumentu</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Nie można odczytać pliku ustawień %1 (%2): pozostaje bez zmian; używane są wbudowane warunki i jednostki, a nic nie jest zapisywane, dopóki plik nie zostanie naprawiony lub usunięty</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Nie można odczytać pliku ustawień %1: zapisane w nim wartości nie są używane</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>Zachowany na tym urządzeniu stan startowy nie pochodził z tej strony (%s): odrzucono go.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>Zapisane ustawienie '%1' ma więcej niż %2 znaków: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Brak zapisanego ustawienia '%1': %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Nie można odczytać zapisanych ustawień (%1): używane są wartości domyślne</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>Temperatura jest równa zeru bezwzględnemu lub niższa (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>Stoper zatrzymał się po {laps}, gdy ekran się zablokował lub strona została ukryta.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>Prędkość wiatru jest równa prędkości lotu.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Istnieje już lot o id %1</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Istnieje już model o id %1</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>To nie jest plik hangaru, który Tethrix potrafi odczytać: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>czw</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Mierz moje okrążenia</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Mierzę twoje obroty. Przytrzymaj tutaj przez 1,5 s, aby zatrzymać.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Pomiar: liczba obrotów do tej pory: %1. Pierwsze okrążenie jest pomijane.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Pomiar: stukaj przy każdym przelocie.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Ciężarek końcówki</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Wykresy regulacji</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Kalkulator regulacji modeli latających na uwięzi</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Wartości wyważenia względem %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Parametry regulacji w funkcji: Czas okrążenia (s)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Dziennik regulacji</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Dziennik regulacji: </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Spróbuj ponownie</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>wto</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Dwa modele mają to samo id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Dwa loty mają to samo id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Jednostki</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Nieznane dane wejściowe '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>Zaktualizowano %1</translation>
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
      <translation>Użycie: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                    [--report FILE.pdf]
        tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                     [FILE.TQD] [KEY=VALUE ...]
        tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Oblicza parametry regulacji modelu latającego na uwięzi. Warunki lotu są
takie, jakie przechowuje okno (Zaawansowane &gt; Dane wejściowe), chyba że
podano --no-settings; potem stosowany jest plik danych, tak jak w oknie
Plik &gt; Otwórz, a na końcu dane KEY=VALUE. tethrix-calc nigdy nie zmienia
zapisanych ustawień.
Plik, którego nazwa zawiera '=', można podać po '--'.

Klucze (dowolna wielkość liter; liczby z '.' jako separatorem dziesiętnym;
jednostki metryczne w nawiasach, dla --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Użyj jako czasu okrążenia</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>śro</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Masa</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Co jeśli...</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Prędkość wiatru</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Prędkość wiatru</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Powierzchnia skrzydła</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Obciążenie powierzchni</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Powierzchnia skrzydła</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>nazwy pliku PDF</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>błędna sekwencja \u w tekście</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>niezakodowany znak sterujący w tekście</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>klucz (%1)</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>niesparowany surogat w tekście</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>rekord jest zapisany pod innym id niż własne</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>rekord jest za długi</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>po kluczu</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>model %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>nazwa modelu</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>nieznana sekwencja ucieczki w tekście</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>inna karta Tethrix ma otwartą jego starszą wersję</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>na końcu (%1)</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>na końcu: </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>przy tej samej prędkości</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>uncja avoirdupois: 1/16 funta międzynarodowego o masie dokładnie 453.59237 g (to samo porozumienie)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>nie można utworzyć id modelu z /dev/urandom: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>nie można zapisać wyjścia</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>zlicza twoje obroty w środku koła: postój sekundę nieruchomo, potem leć. Przytrzymaj ekran przez 1,5 s, aby zatrzymać.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>st.</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>st.</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>każdy warunek lotu jest zapisywany</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>oczekiwano '%1' %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>oczekiwano liczby (%1)</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>oczekiwano tekstu (%1)</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>kontrola krzyżowa wyjątków: sprawdzenia wykryły %u, sprzęt %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>ft</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>lot %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>na początku (%1)</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>dla </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>wartości wbudowane; zapisane dane pozostają do czasu zmiany któregoś z warunków lotu.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>rozstaw rączki</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>wartości imperial lub metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>wyświetlane są jednostki imperialne</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>in</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>cal słupa rtęci, jak w nastawach wysokościomierza: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>in</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>stopa międzynarodowa: dokładnie 0.3048 m (to samo porozumienie)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>cal międzynarodowy: dokładnie 25.4 mm (międzynarodowe porozumienie o jardzie i funcie, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>mila międzynarodowa: 5280 ft po 0.3048 m, dokładnie 1.609344 km</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>funt międzynarodowy: dokładnie 0.45359237 kg (porozumienie z 1959 r.)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>zmienił się w trakcie działania polecenia: nic nie zapisano, spróbuj ponownie</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>nie wczytał się</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>zawiera wartość serializowaną, której Tethrix nigdy nie zapisuje</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>zawiera więcej modeli lub lotów, niż może pomieścić hangar</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>zawiera ponad 1 000 000 lotów</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>zawiera ponad 10 000 modeli</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>nie zawiera żadnego ustawienia, które Tethrix przechowuje, tylko %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>nie zawiera żadnego ustawienia, które Tethrix przechowuje, tylko %1 i inne</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>nie zawiera ustawień, tylko inny tekst</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>nie zawiera żadnego z kluczy pliku danych (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>to urządzenie, a nie zwykły plik</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>to folder, a nie plik</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>to plik hangaru w wersji %1, z nowszego Tethrix; ta wersja czyta wersję %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>to potok, a nie zwykły plik</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>jest uszkodzony: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>jest większy niż %1 bajtów</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>jest większy niż 1 MiB, o wiele za duży na plik danych Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>jest większy niż 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>to nie jest hangar Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>to nie jest plik</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>to nie jest prawidłowy tekst UTF-8</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>jest zapisany w UTF-16 lub zawiera bajty NUL; Tethrix czyta tekst UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>zapisała go nowsza wersja Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>jego format to nie "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>jego wersja nie jest wersją pliku hangaru</translation>
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
      <translation>ustawienie iglicy lub timera</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>brak żyroskopu</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>żaden model nie nazywa się </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>brak tekstów</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>niczego w nim nie zmienia: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>stałą prędkość może utrzymywać tylko przebieg długości linek (ll)</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>uncja na stopę kwadratową: 28.349523125 g na 9.290304 dm² (0.3048 m do kwadratu), obie wartości dokładne</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>oz</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>%</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>funt-siła: 0.45359237 kg przy normalnym przyspieszeniu ziemskim 9.80665 m/s² (3. CGPM, 1901), dokładnie 4.4482216152605 N</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>lb</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>s model w polach albo </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>skala </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>skala skrajnie po lewej</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>skala skrajnie po prawej</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>skala po lewej</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>skala po prawej</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>s</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>po końcu (%1) następuje coś jeszcze</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>coś występuje po końcu hangaru</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>wartości speed lub laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>cal kwadratowy: (0.254 dm)², dokładnie 0.064516 dm²</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>cal kwadratowy: (2.54 cm)², dokładnie 6.4516 cm²</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>in²</translation>
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
      <translation>tethrix-calc: Nie można otworzyć pliku </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: Nie można zapisać raportu </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: niczego nie dodano
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: zapisane warunki lotu: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: nieoczekiwany błąd
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: ostrzeżenie: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: ostrzeżenie: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1 nie jest prawidłowym tekstem UTF-8 o rozmiarze najwyżej 16 MiB</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>model (%1)</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>modele dodano, ale </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>przeglądarka tego nie zachowała</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>przeglądarka odmówiła jego otwarcia</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>zastępuje je model wbudowany.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>czas zmiany (%1)</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>warunki (%1)</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>czas utworzenia (%1)</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>plik danych musi poprzedzać dane KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>daty</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>używana jest wartość domyślna %1</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>wysokości gęstościowej</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>wpis zostaje pominięty</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>wyniki (%1)</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>plik</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>plik nie zaczyna się od "format" i "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>plik kończy się przedwcześnie</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>czas lotu (%1)</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>format</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>id (%1)</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>dane wejściowe (%1)</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>klucz '%1' (%2) występuje dwukrotnie</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>klucz '%1' (%2) jest nieznany tej wersji</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>czas okrążenia (%1)</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>moduł %1 nie zawiera: %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>nie udało się wczytać modułu</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>notatki (%1)</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>liczba %1 (%2) jest poza zakresem</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>liczba linek przyjmuje wartości całkowite od 1 do 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>liczba linek zmienia się o liczby całkowite</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>brak modułu programu %1</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>ta sama jednostka w obu układach</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>nie udało się przygotować ustawień</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>nie udało się zapisać ustawień w całości</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>nie można odczytać pliku ustawień (%1); pozostaje on bez zmian</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>miejsce na dane tej strony na urządzeniu jest pełne</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>przebieg </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>zakres przebiegu jest pusty lub ma więcej niż </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>zakres przebiegu musi mieć postać FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>używany jest język systemu</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>wersja</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>hangar okna</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>hangar okna </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>hangar okna nie jest dostępny w tej kompilacji: podaj plik hangaru po --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>nie można ich odczytać (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>nie można ich odczytać (brak zestawu tekstów według kluczy).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>nie zawierają żadnego z warunków lotu.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>ten model</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>krotność masy</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>ciężarek końcówki</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>nieznany błąd</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>nieznany klucz '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>nieznana opcja '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>zaktualizowano %1</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>przy stałym czasie okrążenia</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x masa</translation>
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
      <translation>°C = (°F - 32) / 1.8 dokładnie, zgodnie z definicją skali Fahrenheita</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 przy tej samej prędkości</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>Pominięte punkty: %1 z %2: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 przy stałym czasie okrążenia</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Bieżące dane</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Eksportuj &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Eksportuj &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Stały czas okrążenia</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Stała prędkość</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Czas okrążenia</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Długość linek</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Wskaż krzywą, aby odczytać jej wartości.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>Nie udało się narysować wykresu: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>Nie udało się zamienić wykresu na obraz PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Wykresy regulacji</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Parametry regulacji w funkcji: %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>wykresu</translation>
    </message>
    <message>
      <source>table</source>
      <translation>tabeli</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (usunięty)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%2: %1, od najnowszych.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: czas okrążenia i naciąg linek</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Popraw...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Usuń...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Drukuj...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Model:</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Anuluj</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Nie można zapisać dziennika regulacji jako %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Nie można zapisać dziennika regulacji %1: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>Wykres w funkcji:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Zamknij</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Popraw lot modelu %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Poprawiono lot modelu %1 (%2).</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Data lotu</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Usuń</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>Usunąć %1 z dziennika regulacji?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Usuń lot</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Usunięto %1.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>Eksportuj C&amp;SV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Wyeksportowano dziennik regulacji modelu %1 do %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Data lotu (czas lokalny)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Czas lokalny</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>Nie zapisano jeszcze żadnego lotu modelu %1.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Nie ma jeszcze lotów do wykresu.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Drukowanie jest niedostępne: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>Nie można pokazać wykresu: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>Poprawka</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>Usunięcie</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>Hangar nie zawiera jeszcze żadnego modelu.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Dziennik regulacji</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Dziennik regulacji: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>daty</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>wysokości gęstościowej</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>lot modelu %1 z %2</translation>
    </message>
  </context>
</TS>
