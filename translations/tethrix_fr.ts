<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annuler</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>Par &amp;défaut</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>&amp;Remplir</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Données avancées</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Calage altimétrique</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Une autre fenêtre de Tethrix a enregistré %1 depuis que celle-ci a lu les réglages : c’est conservé, et en vigueur ici aussi.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Altitude du terrain</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Calculer l’altitude-pression à partir de l’altitude du terrain et du calage altimétrique</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Appuyez sur &lt;F1&gt; pour l’aide</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitude-pression depuis le terrain :</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 tel que calculé : %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Moteur :</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Date du vol (heure locale) :</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Carburant :</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Écartement de la poignée :</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Temps au tour mesuré (secondes) :</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Réglage du pointeau ou de la minuterie :</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Notes :</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Hélice :</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>Le temps au tour mesuré doit être un nombre de secondes, ou vide</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Masselotte de saumon :</translation>
    </message>
    <message>
      <source>none</source>
      <translation>non renseigné</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>%1 ne peut pas être exporté : %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>%1 copie</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>%1 n’a pas pu être ajouté :</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>%1 ne contient aucun fichier de données .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1 n’a pas été conservé</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Supprimer...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importer...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>&amp;Garder comme nouveau</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Noter un vol...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Ouvrir</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>Reno&amp;mmer...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Carnet de réglage...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Ajouter un &amp;dossier...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Ajouter un dossier</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Ajouter et mettre à jour des avions et des vols depuis un fichier de hangar</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Ajouter tous les fichiers de données .TQD d’un dossier</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>%1 ajouté depuis %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Avion</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>Impossible d’importer %1 : %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Impossible d’enregistrer le fichier de hangar %1 : %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>D&amp;upliquer...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>Supprimer %1 du hangar ?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>Supprimer %1 du hangar ? Ses %2 restent dans le carnet de réglage, sauf si vous les supprimez avec lui.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Supprimer l’avion</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Supprimer avec ses vols</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Supprimer, garder le carnet</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>%1 et ses %2 supprimés.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>%1 supprimé.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Dupliquer l’avion</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>E&amp;xporter le hangar...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Exporter l’&amp;avion...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>%1 et son carnet exportés vers %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Hangar exporté vers %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Vols</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>&amp;Remplacer</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Garder le cas de la fenêtre à la place de l’avion qui y est ouvert</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Garder le cas de la fenêtre, avec les notes saisies, comme nouvel avion</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>%1 gardé comme nouvel avion et son vol noté.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>%1 gardé comme nouvel avion.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Copie de %1 gardée sous le nom %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Le cas de la fenêtre a remplacé %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Dernier vol</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Noter un vol de %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Noter un vol du cas de la fenêtre</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Vol de %1 noté.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Nom de la copie de %1 :</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Nouveau nom de %1 :</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>Aucun avion du hangar n’est ouvert dans la fenêtre.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>Aucun avion du hangar n’est ouvert dans la fenêtre : gardez le cas comme un nouvel avion.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Aucun vol ne peut être noté : %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Notes (moteur, hélice, etc.) :</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Ouvert dans la fenêtre : %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Ouvrir l’avion sélectionné dans les champs de la fenêtre</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>%1 ouvert.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Renommer l’avion</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>%1 renommé en %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Les avions de %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>La copie</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>La suppression de %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>Le vol</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Le hangar ne peut pas être exporté : %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>L’import de %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>Le nouveau nom</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>L’avion sélectionné avec son carnet</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Aucune page trouvée</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Rechercher dans l’aide</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Rechercher :</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Aide de Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Chronomètre de tours</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Recommencer</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Touchez à chaque passage (Espace)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Utiliser comme temps au tour</translation>
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
      <translation>%1 ne peut pas être comparé : %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>À &amp;propos...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>A&amp;vancé</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Sommaire</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>&amp;Saisie des données</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Fichier</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Hangar...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Impériales</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>Chronomètre de &amp;tours...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Noter un vol...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Métriques</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>C&amp;ourbes de réglage...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Carnet de réglage...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Unités</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Données avancées</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Impossible d’enregistrer le fichier %1 : %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Impossible d’écrire le rapport %1 : %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Effacer A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Résultats calculés</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Conditions...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Quitter</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Fichier introuvable</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Conditions de vol : %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>Han&amp;gar</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Données d’entrée</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Garder comme A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Langue</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Langue</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>La vitesse au tour se mesure sur le cercle complet du bras, de la poignée, des câbles et de l’aile intérieure ; la vitesse sol sur le cercle passant par la poignée.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Temps au tour</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Longueur des câbles</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Ouvrir A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Appuyez sur &lt;Entrée&gt; dans un champ pour recalculer</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>L’impression n’est pas disponible : %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>Tethrix parlera %1 à son prochain démarrage.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>Langue du système</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Les courbes de réglage ne peuvent pas s’ouvrir : %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Ces entrées ne peuvent pas être gardées comme A : %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Et si...</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>pieds</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>Impossible d’enregistrer %1 sous %2 : %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Les mêmes entrées et conditions de vol que A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc : rien n’a été ajouté
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
      <translation>  --lang CODE la langue de --help et des messages sur la sortie d’erreur,
              parmi %1
              (TETHRIX_LANG=CODE fait de même) ; la sortie standard est la même
              dans toutes les langues
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   altitude du terrain, pieds [m], avec
  Altimeter   le calage altimétrique du lieu, inHg [hPa] : l’altitude-
              pression, à la place de la clé Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (--no-settings utilise les conditions intégrées)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (par défaut </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Les nombres prennent ici une virgule décimale (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Les nombres prennent ici un point décimal ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> pour cent</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> avions correspondent à </translation>
    </message>
    <message>
      <source> and </source>
      <translation> et </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> ne peut pas s’exécuter : </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> °</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> °</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> degrés</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> ne va pas avec --add (essayez --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> ne va pas avec la liste d’avions de --hangar (essayez --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> ne va pas avec --log (essayez --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> pieds</translation>
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
      <translation> contient </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> ne contient aucun avion</translation>
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
      <translation> pouce</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> pouces</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> n’est pas le fichier de la version </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> est trop grand pour être affiché</translation>
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
      <translation> exige </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> ou a cet id : </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> autres noms (--hangar seul les liste)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> onces</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/sq ft.</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> pour cent</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> livres</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> lignes (STEP doit être non nul et mener de FROM à TO)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> secondes</translation>
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
      <translation> watts</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> par l’avion intégré ? Ses données sont perdues si elles ne sont pas enregistrées.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x poids</translation>
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
      <translation>%1 (à l’octet %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Ces conditions de vol ne sont pas enregistrées.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 et %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 donne une vitesse de vol hors des %2 à %3 mph que couvre le modèle des câbles : le calcul se fait à %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1 n’a pas de '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1 vaut %2, au-delà de ce que rencontrent les pilotes.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1 vaut %2, hors des %3 que couvre le modèle des câbles pour les câbles, la poignée et les sorties.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1 vaut %2, hors des %3 que couvre le modèle des câbles.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1 vaut %2, ce qui n’a aucun sens physique.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1 est égal ou supérieur à la vitesse de vol (%2).</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1 est hors de -90 à 90 degrés.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1 est hors de -90 à 90 degrés ; le calcul se fait avec 0 degré.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>%1 est vide : un calcul utilise %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>%1 est vide : les valeurs utilisent %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1 est négatif, ce qui n’a aucun sens physique.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1 est hors de 0 à 100 pour cent ; le calcul se fait avec %2 pour cent.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1 est trop grand pour être affiché</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>%1 de plus</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1 doit valoir au moins %2.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1 doit être compris entre -90 et 90 degrés.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1 doit être compris entre 0 et 100 pour cent.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1 doit être inférieur à la vitesse de vol (%2).</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1 doit être supérieur à %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>%1 indique '%2' : un calcul utilise %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>%1 indique '%2' : les valeurs utilisent %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>%1 attend un nombre, par exemple %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 à %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x Tension vent arrière</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x Tension des câbles</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <source>%1: A %2, B %3</source>
      <translation>%1 : A %2, B %3</translation>
    </message>
    <message numerus="yes">
      <source>%n airplane</source>
      <translation>
        <numerusform>%n avion</numerusform>
        <numerusform>%n avions</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n avion</numerusform>
        <numerusform>%n avions</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n fichier</numerusform>
        <numerusform>%n fichiers</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n fichier</numerusform>
        <numerusform>%n fichiers</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n vol</numerusform>
        <numerusform>%n vols</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n vol</numerusform>
        <numerusform>%n vols</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n tour</numerusform>
        <numerusform>%n tours</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>%n tour compté.</numerusform>
        <numerusform>%n tours comptés.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n tour</numerusform>
        <numerusform>%n tours</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n tour</numerusform>
        <numerusform>%n tours</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>%n tour compté.</numerusform>
        <numerusform>%n tours comptés.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s à %s</translation>
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
      <translation>%s - Carnet de réglage</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>%s copie</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s n’est pas un texte</translation>
    </message>
    <message>
      <source>%s-%s-%s %s:%s</source>
      <translation>%s-%s-%s %s:%s</translation>
    </message>
    <message>
      <source>%s: %s</source>
      <translation>%s : %s</translation>
    </message>
    <message>
      <source>%s: %s is not a text.</source>
      <translation>%s : %s n’est pas un texte.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (essayez --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' n’est pas un nombre à virgule flottante valide</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' n’est pas un nombre à virgule flottante valide pour '%2' : %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' n’est pas un nombre valide pour %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' n’est pas un nombre entier valide</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' n’est pas un nombre entier valide pour %2</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' n’est pas un id : jusqu’à 64 lettres, chiffres, - et _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' est hors limites pour %2</translation>
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
      <translation>*** Tethrix - calculateur de réglage pour le vol circulaire - des valeurs pour les pilotes, par des pilotes ***</translation>
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
      <translation>, écart </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, dernier vol </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, jamais volé</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, sans changement</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Vitesse au tour (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Temps au tour (secondes) à la même vitesse</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (secondes) à la même vitesse</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang prend l’une de %1, pas « %2 »</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Donnez son id à la place du nom</translation>
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
      <translation>A %1, sans changement</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Un vol ne peut pas être lu : %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Un hangar contient au plus %1 avions</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Un hangar contient au plus %1 vols</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Un temps au tour mesuré doit être supérieur à 0 et d’au plus 3600 secondes</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Une nouvelle version de Tethrix est prête.</translation>
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
      <translation>Un nombre de câbles hors de 1 à 3 est ramené à la limite la plus proche,
comme le fait le champ de la fenêtre.

Options :
  --json      affiche un objet JSON avec toutes les valeurs en pleine
              précision ; avec --sweep, un tableau JSON d’un objet par ligne
  --report F  écrit aussi le rapport imprimé dans le fichier PDF F
  --units=imperial|metric
              les unités des entrées KEY=VALUE, de la plage de balayage et de
              toutes les valeurs affichées (imperial par défaut, quoi que
              montre la fenêtre) ; les fichiers de données et les conditions
              enregistrées sont impériaux dans tous les cas, et --json garde
              ses clés et ajoute "units"
  --no-settings
              utilise les conditions de vol intégrées, pas celles enregistrées
  --sweep KEY=FROM:TO:STEP
              affiche un tableau CSV : KEY de FROM à TO par pas de STEP (au
              plus 100000 lignes) avec toutes les valeurs et la vitesse au
              tour en pleine précision ; une ligne qui ne peut pas être
              calculée porte le message à la place
  --hold=laptime|speed
              ce que garde un balayage de la longueur des câbles (ll) : le
              temps au tour (par défaut ; la vitesse augmente avec la
              longueur) ou la vitesse (le temps au tour croît avec la
              trajectoire ; une colonne "lt (secondes) à la même vitesse"
              suit ll, et "lt" dans --json)
  --compare A.TQD B.TQD
              affiche les deux cas et l’écart de A à B, valeur par valeur ;
              les entrées KEY=VALUE s’appliquent aux deux ; avec --json un
              objet avec "A", "B" et "Change", avec --csv un tableau, et
              --report imprime B comparé à A
  --csv       avec --compare : lignes Figure,Unit,A,B,Change
  --          tout argument qui suit est un fichier de données
  --help      affiche ce texte
  --version   affiche la version

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Une valeur raisonnable pour %1 est %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A trop grand pour être affiché</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A : %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Ajouté </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>%1 ajouté</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Avion</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Nom de l’avion</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Poids de l’avion</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Nom de l’avion</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Poids de l’avion</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Avions</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Altimètre</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Calage altimétrique</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Altitude</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= ne peut pas être donné avec Elevation= et Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Un avion ne peut pas être lu : %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Un avion doit avoir un nom</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Un calage altimétrique de %1 %2 est hors des %3 à %4 %2 de tout altimètre réel.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Une table d’interpolation exige au moins deux points.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>avr.</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Longueur du bras</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Longueur du bras</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Pression atmosphérique</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>août</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Calculer</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Impossible de modifier </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Impossible d’ouvrir le hangar de la fenêtre : </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Impossible de lire </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Impossible de lire le hangar </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Impossible d’écrire le hangar </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>Tracer en fonction de</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Vérifiez la connexion et réessayez.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Effacer A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>Comparé à %1 (valeur de A, puis l’écart par rapport à elle)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Résultats calculés</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Corriger</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Date du vol (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>déc.</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Par défaut</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>Supprimer %s du hangar ?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Supprimer le vol de %s du carnet ?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Supprimer aussi les vols de %s ? OK les supprime ; Annuler les garde dans le carnet.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Supprimé ; %n vol conservé</numerusform>
        <numerusform>Supprimé ; %n vols conservés</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Altitude-densité</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Tension vent arrière</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Dupliquer</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Altitude du terrain</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Altitude du terrain, altimètre : </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= et Altimeter= vont ensemble</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Moteur</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Erreur</translation>
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
      <translation>Code de sortie :
  0  succès
  1  les entrées ne peuvent pas être calculées, ou un fichier ne peut pas
     être lu ou écrit ; le message sur la sortie d’erreur standard dit
     pourquoi, et rien n’est affiché sur la sortie standard
  2  une erreur d’utilisation : une clé ou une option inconnue, une valeur
     qui n’est pas un nombre, une option manquante ou répétée, ou des
     options incompatibles (--sweep avec --report ou --compare, --hold sans
     --sweep, --compare sans deux fichiers)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Exporter le hangar</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Exportez le hangar de temps en temps pour en garder une copie.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Exporter cet avion</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM et TO doivent convenir à l’entrée (au plus 3.4E38 en valeur absolue)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO et STEP doivent être des nombres finis</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Impossible de définir les données de '%1' : %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>févr.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Altitude du terrain</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Les valeurs ne sont plus à jour : appuyez sur Entrée</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Fichiers et impression</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Calculer l’altitude-pression</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Traction fixe</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Charge fixe de l’essai de traction, à la place du multiple (0 : aucune)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Rayon de vol</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Vols</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Dépassement en virgule flottante</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Date du vol (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Date du vol (heure locale)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Vous volez seul ? Téléphone en poche ou en main,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Conditions de vol (données avancées)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Conditions de vol modifiées dans un autre onglet : %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>ven.</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>De %1 : %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>De %1 : %2 ; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Carburant</translation>
    </message>
    <message>
      <source>General</source>
      <translation>General</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Vitesse sol</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Angle de la poignée</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Écartement de la poignée</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Angle de la poignée</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Longueur poignée/sorties</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Longueur poignée/sorties de câbles</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Hangar et carnet de réglage</translation>
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
      <translation>Commandes du hangar (FILE : un fichier de hangar, tel que la fenêtre et la
page l’exportent ; sans FILE, le hangar de la fenêtre) :
  --hangar [FILE] [--json]
              liste les avions : nom, id, dernier vol (UTC), vols
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]
              calcule un avion (NAME : son nom ou son id) comme le serait
              son fichier de données ; toutes les options ci-dessus sauf
              --compare s’y appliquent
  --hangar [FILE] --add A.TQD ... [--json]
              garde chaque fichier de données comme nouvel avion ; si un
              fichier ne peut pas être lu, aucun n’est ajouté. FILE est créé
              s’il n’existe pas encore
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              affiche le carnet de réglage, les plus récents en premier, de
              tous les avions ou de NAME : un tableau court ; --csv toutes
              les colonnes du carnet de NAME, comme la fenêtre l’exporte ;
              --json les vols tels que le fichier de hangar les contient
              (impérial)
  FILE est l’argument qui suit --hangar, sauf s’il commence par '-'. Un NAME
  qui ne correspond à aucun avion, ou à plusieurs, est une erreur (code de
  sortie 1) dont le message nomme ce que contient le hangar.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Garder le temps au tour</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Tenez le téléphone immobile une seconde.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Garder la vitesse</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Humidité</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>Id</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Impériales</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Longueur de l’aile intérieure</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Longueur de l’aile intérieure</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Entrée </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Données d’entrée</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Les abscisses d’une table d’interpolation doivent être strictement croissantes.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Type de données non valide pour '%1' : %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Opération en virgule flottante invalide</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Valeur non valide pour '%1' : '%2' n’est ni Imperial ni Metric ; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Valeur invalide pour '%1' : '%2' n’est pas une langue de Tethrix ; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>Le calcul se fait avec %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Cela ressemble à %1 ; ce champ attend %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>janv.</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>juil.</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>juin</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Garder comme A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Garder comme nouvel avion</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Garder les modifications</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Garder la correction</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Conservé sur cet appareil pour la prochaine visite.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Langue</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Tour %1 : %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Tour %1 : %2 (double appui, écarté)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Tour %1 : %2 (irrégulier, écarté)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Tour %1 : %2 (appui manqué, écarté)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Vitesse au tour</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Vitesse au tour = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Vitesse au tour = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Vitesse au tour : A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Temps au tour</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Temps au tour (secondes)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Temps au tour mesuré</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Temps au tour mesuré (secondes)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Chronomètre de tours</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Temps au tour</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Temps au tour et tension des câbles en fonction de %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Dernier vol %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Dernier vol (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Dernier tour %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Position des sorties</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Sorties de câbles derrière le CG</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Angle des sorties</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Diamètre des câbles</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Traînée des câbles</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Surface de traînée des câbles</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Longueur des câbles</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Longueur des câbles (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Longueur des câbles (œillet à œillet)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Puissance des câbles</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Flèche des câbles</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>Re des câbles au saumon</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Tension des câbles</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Poids des câbles</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Diamètre des câbles</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Courbe de la longueur des câbles</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Longueur des câbles, d’œillet à œillet</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Tension des câbles, position des sorties, flèche des câbles et angle des sorties autour du cas actuel, chacun sur sa propre échelle.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Loading</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Chargement du calculateur…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Noter un vol</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Noter un vol (garde cet avion)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Notez des vols avec un temps au tour mesuré pour les voir ici.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Noter ce vol</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Vol noté avec un temps au tour de %s s.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>mars</translation>
    </message>
    <message>
      <source>May</source>
      <translation>mai</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Moyenne des %1 derniers : %2, dispersion %3 s.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Métriques</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>lun.</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Capteurs de mouvement absents ou refusés ici : touchez l’écran à chaque passage à la place.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Nom de la copie de %s :</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Pointeau ou minuterie</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Nouveau nom de %s :</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Aucun avion du hangar n’est ouvert.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Aucune courbe ne balaie '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Aucune valeur '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Aucune valeur à tracer : </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Aucun vol noté pour l’instant.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Aucun vol noté.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Aucune police n’est installée pour dessiner le rapport</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Pas encore volé</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Notes</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Notes sur l’avion (moteur, hélice, etc.)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Notes sur le vol</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Rien n’a changé : le hangar contient déjà tout ce qui est dans %1.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>Rien ne sera conservé sur cet appareil : </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>nov.</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Nombre de câbles</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Nombre de câbles (1 à 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>oct.</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Ouvrir</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Ouvrir A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Ouvert : </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Altitude-pression</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Altitude-pression</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Appuyez sur &lt;Entrée&gt; dans un champ pour recalculer</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Altitude-pression</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitude-pression depuis le terrain :</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Imprimer</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Imprimer le carnet</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Imprimé %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Hélice</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Essai de traction</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Charge de l’essai de traction</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>Le pilote SQLite de Qt n’est pas installé (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Humidité relative</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Humidité relative</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Recharger</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Renommer</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Remplacer </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Rapport</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Résultats</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>sam.</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Enregistrer</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>sept.</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Afficher son carnet</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Recommencer</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Arrêté après {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Conditions enregistrées non utilisées : %s Les valeurs intégrées sont utilisées </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>dim.</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 n’est pas une langue de tethrix-calc (%2) : l’anglais est utilisé</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Touchez Calculer pour recalculer</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Touchez à chaque passage</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Touchez une fois au départ, puis à chaque passage.</translation>
    </message>
    <message>
      <source>Temp</source>
      <translation>Temp</translation>
    </message>
    <message>
      <source>Temperature</source>
      <translation>Température</translation>
    </message>
    <message>
      <source>Temprature</source>
      <translation>Température</translation>
    </message>
    <message>
      <source>Tethrix</source>
      <translation>Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Data File</source>
      <translation>Fichier de données Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Impression Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>%1 ne peut contenir d’autres caractères de contrôle que des sauts de ligne et des tabulations</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>%1 ne peut contenir ni sauts de ligne, ni tabulations, ni autres caractères de contrôle</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1 est infini</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>%1 dépasse %2 caractères</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>%1 manque</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1 n’est pas un nombre</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>%1 n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>L’heure '%2' (%1) n’est pas une heure UTC comme 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>L’essai de traction, %1, est égal ou inférieur à %2, %3 : il ne valide pas les câbles et la poignée pour ce vol.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>L’air est trop chaud et humide : la pression de vapeur d’eau atteint la pression de l’air.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>L’air est trop raréfié à cette altitude-pression : la pression de vapeur d’eau atteint la pression de l’air.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>L’avion n’est plus dans le hangar</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>L’avion de ce vol n’est pas dans le hangar</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>La vitesse de vol sur ces câbles est hors des %1 à %2 mph que couvre le modèle des câbles : le calcul se fait à %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>Le calage altimétrique doit être supérieur à 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>Le navigateur n’a pas promis de garder le hangar : il peut l’effacer s’il manque de place. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>Le navigateur a promis de garder le hangar sur cet appareil.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Le calculateur n’a pas pu être chargé :</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Le cas gardé depuis la dernière visite n’a pas pu être utilisé (%s) : </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>La modification n’a pas été conservée : le dossier %1 n’a pas pu être créé (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>La modification n’a pas été conservée : le hangar %1 n’a pas pu être écrit (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>L’altitude du terrain sort de l’atmosphère que le programme sait modéliser.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Les valeurs correspondent aux entrées affichées.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>Le vol n’est plus dans le carnet</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>Le rayon de vol est nul ou négatif : le bras est trop long pour la longueur des câbles à cet angle de poignée.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>Le vol n’a pas été noté : %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>Le vol n’a pas été noté : un vol du carnet est en cours de correction.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Le hangar %1 ne peut pas être lu (%2) : Tethrix fonctionne sans hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Le hangar %1 ne peut pas être lu (%2) : il est gardé tel quel, et Tethrix fonctionne sans hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Le hangar %1 ne peut pas être lu (ce n’est pas un hangar Tethrix) : il est gardé tel quel, et Tethrix fonctionne sans hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Le hangar %1 ne peut pas être écrit (%2) : il est affiché en lecture seule.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>Le hangar %1 contient ce que cette version de Tethrix ne sait pas lire (%2) : il est affiché en lecture seule et gardé tel quel.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>Le hangar %1 n’a pas été mis à jour pour cette version de Tethrix, la modification n’a donc pas été conservée : sa copie de sauvegarde %2 n’a pas pu être créée (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>Le hangar %1 a été écrit par une version plus récente de Tethrix (version de base de données %2 ; celle-ci connaît jusqu’à %3) : il est affiché en lecture seule et gardé tel quel.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Le hangar ne peut pas être gardé dans %1 (%2) : avions et vols ne seront pas conservés.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Le hangar ne peut pas être gardé : ce système n’indique aucun dossier pour les données de l’utilisateur.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Le hangar ne peut pas être lu : %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Le hangar n’a pas pu être chargé : %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>Le hangar est trop grand pour un seul fichier d’au plus 16 Mio : exportez ses avions séparément</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>Le hangar de cet appareil contient des enregistrements que cette page ne sait pas lire ; elle n’y change donc </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Le chronomètre de tours n’a pas pu être chargé : %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>La dernière modification n’a pas été conservée : %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>La dernière modification n’a pas été conservée : d’autres onglets modifiaient sans cesse le hangar.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Les capteurs de mouvement se sont arrêtés%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>La page reste en anglais : %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>Le téléphone a bougé : tenez-le immobile une seconde pour démarrer.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>L’altitude-pression sort de l’atmosphère que le programme sait modéliser.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>L’imprimante n’a pas pu terminer le document</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>L’imprimante n’a pas pu commencer le document</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Le fichier de réglages %1 ne peut pas être lu (%2) : il est gardé tel quel ; les conditions et unités intégrées sont utilisées, et rien n’est enregistré tant qu’il n’est pas réparé ou supprimé</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Le fichier de réglages %1 ne peut pas être lu : les valeurs enregistrées qu’il contient ne sont pas utilisées</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>Le départ gardé sur cet appareil n’était pas celui de cette page (%s) : il a été abandonné.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>La valeur enregistrée '%1' dépasse %2 caractères : %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>La valeur enregistrée '%1' manque : %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Les réglages enregistrés ne peuvent pas être lus (%1) : les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>La température est égale ou inférieure au zéro absolu (-459,67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>Le chronomètre s’est arrêté quand l’écran s’est verrouillé ou que la page a été masquée, après {laps}.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>La vitesse du vent est égale à la vitesse de vol.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Il existe déjà un vol avec l’id %1</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Il existe déjà un avion avec l’id %1</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>Ce n’est pas un fichier de hangar que Tethrix sait lire : %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>jeu.</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Chronométrer mes tours</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Chronométrage de vos tours. Appuyez ici 1,5 s pour arrêter.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Chronométrage : %1 tours jusqu’ici. Le premier tour est écarté.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Chronométrage : touchez à chaque passage.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Masselotte de saumon</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Courbes de réglage</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Calculateur de réglage pour modèles de vol circulaire commandé</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Valeurs de réglage selon %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Valeurs de réglage en fonction du temps au tour (secondes)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Carnet de réglage</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Carnet de réglage de </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Réessayer</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>mar.</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Deux avions ont le même id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Deux vols ont le même id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Unités</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Entrée inconnue '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>%1 mis à jour</translation>
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
      <translation>Usage : tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                    [--report FILE.pdf]
        tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                     [FILE.TQD] [KEY=VALUE ...]
        tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Calcule les valeurs de réglage d’un modèle de vol circulaire commandé. Les
conditions de vol sont celles que garde la fenêtre (Avancé &gt; Saisie des
données), sauf avec --no-settings ; un fichier de données est appliqué
ensuite, comme le fait Fichier &gt; Ouvrir dans la fenêtre, puis les entrées
KEY=VALUE. tethrix-calc ne modifie jamais les réglages enregistrés.
Un fichier dont le nom contient '=' peut être donné après '--'.

Clés (majuscules ou minuscules ; nombres avec '.' comme séparateur
décimal ; unités métriques entre crochets, pour --units=metric) :
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Utiliser comme temps au tour</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>mer.</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Poids</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Et si...</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Vitesse du vent</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Vitesse du vent</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Surface alaire</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Charge alaire</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Surface alaire</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>un nom de fichier PDF</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>un échappement \u incorrect dans un texte</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>un caractère de contrôle non échappé dans un texte</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>une clé de %1</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>un demi-code de substitution isolé dans un texte</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>un enregistrement est rangé sous un autre id que le sien</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>un enregistrement est trop long</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>après une clé</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>avion %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>nom de l’avion</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>un échappement inconnu dans un texte</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>un autre onglet de Tethrix en a une version plus ancienne ouverte</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>à la fin de %1</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>à la fin du </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>à la même vitesse</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>once avoirdupois : 1/16 de la livre internationale de 453,59237 g exactement (le même accord)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>impossible de créer l’id d’un avion depuis /dev/urandom : </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>impossible d’écrire la sortie</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>compte vos propres tours au centre : restez immobile une seconde, puis volez. Appuyez 1,5 s sur l’écran pour arrêter.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>deg.</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>degrés</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>degrés F</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>toutes les conditions de vol sont enregistrées</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>'%1' attendu %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>nombre attendu pour %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>texte attendu pour %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>contre-vérification des erreurs : les contrôles en ont trouvé %u, le matériel %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>pieds</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>vol %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>pour %1</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>pour le </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>à leur place ; ce qui est enregistré est conservé jusqu’à ce qu’une condition de vol soit modifiée.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>écartement de la poignée</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial ou metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>les unités impériales sont affichées</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>pouce</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>pouce de mercure tel que l’utilisent les calages altimétriques : 33,8638866667 hPa (1013,25 hPa = 29,9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>pouces</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>pied international : 0,3048 m exactement (le même accord)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>pouce international : 25,4 mm exactement (accord international sur le yard et la livre, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>mile international : 5280 ft de 0,3048 m, 1,609344 km exactement</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>livre internationale : 0,45359237 kg exactement (l’accord de 1959)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>il a changé pendant l’exécution de cette commande : rien n’a été écrit, réessayez</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>il ne s’est pas chargé</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>il contient une valeur sérialisée, ce que Tethrix n’écrit jamais</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>il contient plus d’avions ou de vols qu’un hangar n’en admet</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>il contient plus de 1 000 000 vols</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>il contient plus de 10 000 avions</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>il ne contient aucun réglage que Tethrix conserve, seulement %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>il ne contient aucun réglage que Tethrix conserve, seulement %1 et d’autres</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>il ne contient aucun réglage, seulement d’autre texte</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>il ne contient aucune des clés d’un fichier de données (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>c’est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>c’est un fichier de hangar de version %1, d’un Tethrix plus récent ; celui-ci lit la version %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>c’est un tube, pas un fichier ordinaire</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>il est endommagé : </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>il dépasse %1 octets</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>il dépasse 1 Mio, bien trop pour un fichier de données Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>il dépasse 16 Mio</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>ce n’est pas un hangar Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>ce n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>il est écrit en UTF-16 ou contient des octets NUL ; Tethrix lit du texte UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>il a été écrit par une version plus récente de Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>son format n’est pas "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>sa version n’est pas une version de fichier de hangar</translation>
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
      <translation>réglage pointeau ou minuterie</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>pas de gyroscope</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>aucun avion ne s’appelle </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>aucun nom de fichier n’a été donné</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>aucun texte</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>rien : %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>seul un balayage de la longueur des câbles (ll) peut garder la vitesse</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>once par pied carré : 28,349523125 g pour 9,290304 dm² (0,3048 m au carré), tous deux exacts</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>onces</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>pour cent</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>livre-force : 0,45359237 kg sous la pesanteur normale de 9,80665 m/s² (3e CGPM, 1901), 4,4482216152605 N exactement</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>livres</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>avion du hangar dans les champs, ou </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>échelle </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>échelle tout à gauche</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>échelle tout à droite</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>échelle à gauche</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>échelle à droite</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>secondes</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>quelque chose suit la fin de %1</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>quelque chose suit la fin du hangar</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>speed ou laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>pouce carré : 0,254 dm au carré, 0,064516 dm² exactement</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>pouce carré : 2,54 cm au carré, 6,4516 cm² exactement</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>pouces carrés</translation>
    </message>
    <message>
      <source>tethrix-calc </source>
      <translation>tethrix-calc </translation>
    </message>
    <message>
      <source>tethrix-calc: </source>
      <translation>tethrix-calc : </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot Open File </source>
      <translation>tethrix-calc : Impossible d’ouvrir le fichier </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc : Impossible d’écrire le rapport </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc : rien n’a été ajouté
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc : conditions de vol enregistrées : </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc : erreur inattendue
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc : attention : </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc : attention : Altimeter : </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix : </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1 n’est pas un texte UTF-8 valide d’au plus 16 Mio</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 de %2</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>l’avion de %1</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>les avions ont été ajoutés, mais </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>le navigateur ne l’a pas gardé</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>le navigateur a refusé de l’ouvrir</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>l’avion intégré le remplace.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>l’heure de modification de %1</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>les conditions de %1</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>l’heure de création de %1</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>le fichier de données doit précéder les entrées KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>la date</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>la valeur par défaut %1 est utilisée</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>l’altitude-densité</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>l’entrée est abandonnée</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>les valeurs de %1</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>le fichier</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>le fichier ne commence pas par "format" et "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>l’heure du vol de %1</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>le format</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>l’id de %1</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>les entrées de %1</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>la clé '%1' de %2 apparaît deux fois</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>la clé '%1' de %2 est inconnue de cette version</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>le temps au tour de %1</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>le module %1 n’a pas de %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>le module n’a pas pu être chargé</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>les notes de %1</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>le nombre %1 pour %2 est hors limites</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>le nombre de câbles va par nombres entiers de 1 à 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>le nombre de câbles avance par nombres entiers</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>le module %1 du programme manque</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>la même unité dans les deux systèmes</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>les réglages n’ont pas pu être préparés</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>les réglages n’ont pas pu être écrits entièrement</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>le fichier de réglages ne peut pas être lu (%1) et est gardé tel quel</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>l’espace de stockage de cette page sur l’appareil est plein</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>le balayage de </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>la plage de balayage est vide ou a plus de </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>la plage de balayage doit s’écrire FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>la langue du système est utilisée</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>la version</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>le hangar de la fenêtre</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>le hangar de la fenêtre </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>le hangar de la fenêtre n’est pas disponible dans cette version : donnez un fichier de hangar après --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>ils ne peuvent pas être lus (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>ils ne peuvent pas être lus (aucun ensemble de textes par leurs clés).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>ils ne contiennent aucune des conditions de vol.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>cet avion</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>fois le poids</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>masselotte de saumon</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>erreur inconnue</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>clé inconnue '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>option inconnue '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>%1 mis à jour</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>à temps au tour constant</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x poids</translation>
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
      <translation>°C = (°F - 32) / 1,8 exactement, comme le définit l’échelle Fahrenheit</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 à la même vitesse</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>%1 points sur %2 écartés : %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 à temps au tour constant</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Cas actuel</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Exporter en &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Garder le temps au tour</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Garder la vitesse</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Temps au tour</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Longueur des câbles</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Image PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Pointez une courbe pour lire ses valeurs.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>La courbe n’a pas pu être tracée : %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>La courbe n’a pas pu être convertie en image PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Courbes de réglage</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Valeurs de réglage en fonction de %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>la courbe</translation>
    </message>
    <message>
      <source>table</source>
      <translation>le tableau</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (supprimé)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 sur %2, les plus récents en premier.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1 : temps au tour et tension des câbles</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Corriger...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Supprimer...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Avion :</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Impossible d’enregistrer le carnet de réglage sous %1 : %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Impossible d’écrire le carnet de réglage %1 : %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>Tracer en fonction de :</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Corriger un vol de %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Vol de %1 du %2 corrigé.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Date du vol</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>Supprimer %1 du carnet de réglage ?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Supprimer le vol</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>%1 supprimé.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Carnet de réglage de %1 exporté vers %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Date du vol (heure locale)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Heure locale</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>Aucun vol de %1 n’est encore noté.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Aucun vol à tracer pour l’instant.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>L’impression n’est pas disponible : %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>La courbe ne peut pas être affichée : %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>La correction</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>La suppression</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>Le hangar ne contient encore aucun avion.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Carnet de réglage</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Carnet de réglage : %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>la date</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>l’altitude-densité</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>le vol de %1 du %2</translation>
    </message>
  </context>
</TS>
