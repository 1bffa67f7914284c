<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChannelListNames</name>
    <message>
        <source>Cable digital</source>
        <translation>Kabel digital</translation>
    </message>
    <message>
        <source>Cable Prime</source>
        <translation>Cable Prime</translation>
    </message>
    <message>
        <source>Air digital</source>
        <translation>Antenne digital</translation>
    </message>
    <message>
        <source>Air and cable digital</source>
        <translation>Antenne und Kabel digital</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Astra HD+</source>
        <translation>Astra HD+</translation>
    </message>
    <message>
        <source>Cyfra+</source>
        <translation>Cyfra+</translation>
    </message>
    <message>
        <source>Freesat</source>
        <translation>Freesat</translation>
    </message>
    <message>
        <source>Tivùsat</source>
        <translation>Tivùsat</translation>
    </message>
    <message>
        <source>Canal Digital</source>
        <translation>Canal Digital</translation>
    </message>
    <message>
        <source>Digital+</source>
        <translation>Digital+</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Cable analog</source>
        <translation>Kabel analog</translation>
    </message>
    <message>
        <source>Air analog</source>
        <translation>Antenne analog</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Air and cable analog</source>
        <translation>Antenne und Kabel analog</translation>
    </message>
</context>
<context>
    <name>GridCommandTable</name>
    <message>
        <source>CSV files|*.csv|All files|*.*</source>
        <translation>CSV-Dateien|*.csv|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Sort rows</source>
        <translation>Zeilen sortieren</translation>
    </message>
    <message>
        <source>Sort rows, based on the selected column.</source>
        <translation>Sortiert die Zeilen nach der gewählten Spalte.</translation>
    </message>
    <message>
        <source>Renumber column</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Renumber the selected column, based on the record number.</source>
        <translation>Nummeriert die gewählte Spalte nach der Datensatznummer neu.</translation>
    </message>
    <message>
        <source>Row based renumber</source>
        <translation>Nach Zeilen nr.</translation>
    </message>
    <message>
        <source>Renumber the selected column, based on row order.</source>
        <translation>Nummeriert die gewählte Spalte in der Reihenfolge der Zeilen neu.</translation>
    </message>
    <message>
        <source>Sorted renumber</source>
        <translation>Nach Werten nr.</translation>
    </message>
    <message>
        <source>Renumber the selected column, based on the current values. The order when values are identical is undetermined.</source>
        <translation>Nummeriert die gewählte Spalte nach ihren aktuellen Werten neu. Bei gleichen Werten ist die Reihenfolge unbestimmt.</translation>
    </message>
    <message>
        <source>Set row to move to:</source>
        <translation>Ziel-Zeile setzen:</translation>
    </message>
    <message>
        <source>Set the row that another row will be moved to when double-clicked. After moving a row the next row will be used for the next move.</source>
        <translation>Legt die Zeile fest, an die eine andere Zeile per Doppelklick verschoben wird. Danach dient die folgende Zeile als nächstes Ziel.</translation>
    </message>
    <message>
        <source>Move row</source>
        <translation>Zeile verschieben</translation>
    </message>
    <message>
        <source>Move the row.</source>
        <translation>Verschiebt die Zeile.</translation>
    </message>
    <message>
        <source>Clear row</source>
        <translation>Zeile leeren</translation>
    </message>
    <message>
        <source>Clear the data of the selected row.</source>
        <translation>Leert die Daten der gewählten Zeile.</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Satz anfügen</translation>
    </message>
    <message>
        <source>Add an empty record.</source>
        <translation>Fügt einen leeren Datensatz an.</translation>
    </message>
    <message>
        <source>Remove last record</source>
        <translation>Letzten entfernen</translation>
    </message>
    <message>
        <source>Remove last record.</source>
        <translation>Entfernt den letzten Datensatz.</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Save the visible columns as a CSV file for a spreadsheet; column &quot;#&quot; is the record number.</source>
        <translation>Speichert die sichtbaren Spalten als CSV-Datei für eine Tabellenkalkulation; Spalte „#“ ist die Datensatznummer.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV importieren…</translation>
    </message>
    <message>
        <source>Take the rows of a CSV file exported before: its row order and the columns it has.</source>
        <translation>Übernimmt die Zeilen einer zuvor exportierten CSV-Datei: ihre Reihenfolge und die Spalten, die sie enthält.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Apply reference list…</source>
        <translation>Referenzliste anwenden…</translation>
    </message>
    <message>
        <source>Select the reference list</source>
        <translation>Referenzliste auswählen</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message>
        <source>Clear every channel of the same service but the one with the lowest number.</source>
        <translation>Leert alle Sender desselben Dienstes bis auf den mit der niedrigsten Nummer.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Column &apos;%1&apos; holds texts, not only numbers: renumbering replaces each of them by a number. Renumber it anyway?</source>
        <translation>Spalte „%1“ enthält Texte, nicht nur Zahlen: Neu nummerieren ersetzt jeden davon durch eine Zahl. Trotzdem neu nummerieren?</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Add the selected channels to a favourites list, behind the channels it has.</source>
        <translation>Fügt die gewählten Sender einer Favoritenliste hinzu, hinter ihren bisherigen Sendern.</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Take the selected channels out of a favourites list; the channels behind them move up.</source>
        <translation>Nimmt die gewählten Sender aus einer Favoritenliste; die Sender dahinter rücken auf.</translation>
    </message>
    <message>
        <source>Order favourites by number</source>
        <translation>Favoriten nach Nummer ordnen</translation>
    </message>
    <message>
        <source>Order a favourites list by channel number.</source>
        <translation>Ordnet eine Favoritenliste nach Sendernummer.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Lock (on) or unlock (off) the selected channels.</source>
        <translation>Sperrt (ein) oder entsperrt (aus) die gewählten Sender.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Let the channel keys skip (on) the selected channels, or stop skipping them (off).</source>
        <translation>Die Sendertasten überspringen die gewählten Sender (ein) oder nicht mehr (aus).</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hide (on) or show (off) the selected channels.</source>
        <translation>Blendet die gewählten Sender aus (ein) oder wieder ein (aus).</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete (on) the selected channels, or take them back (off).</source>
        <translation>Löscht die gewählten Sender (ein) oder holt sie zurück (aus).</translation>
    </message>
    <message>
        <source>Swap channels</source>
        <translation>Sender tauschen</translation>
    </message>
    <message>
        <source>The first and the last selected channel exchange places and numbers.</source>
        <translation>Der erste und der letzte gewählte Sender tauschen Platz und Nummer.</translation>
    </message>
    <message>
        <source>Move selected rows</source>
        <translation>Gewählte Zeilen verschieben</translation>
    </message>
    <message>
        <source>Move the selected rows, in their order, to the row to move to.</source>
        <translation>Verschiebt die gewählten Zeilen in ihrer Reihenfolge zur Zielzeile.</translation>
    </message>
    <message>
        <source>Show favourites list</source>
        <translation>Favoritenliste zeigen</translation>
    </message>
    <message>
        <source>Show only the channels of a favourites list, in its order: moving rows there reorders the list, the channel numbers stay. Off shows every channel again.</source>
        <translation>Zeigt nur die Sender einer Favoritenliste, in ihrer Reihenfolge: Zeilen verschieben ordnet dort die Liste um, die Sendernummern bleiben. „aus“ zeigt wieder alle Sender.</translation>
    </message>
    <message>
        <source>Television files and archives|*.*|CSV files|*.csv|Reference lists|*.txt|All files|*.*</source>
        <translation>Fernseher-Dateien und Archive|*.*|CSV-Dateien|*.csv|Referenzlisten|*.txt|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Reference lists|*.txt|All files|*.*</source>
        <translation>Referenzlisten|*.txt|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Carry over</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Numbers|Favourites 1–5 and their order|Lock, skip and hide|Analog names</source>
        <translation>Nummern|Favoriten 1–5 und ihre Reihenfolge|Sperren, Überspringen und Ausblenden|Analoge Namen</translation>
    </message>
    <message>
        <source>Channels the reference list lacks</source>
        <translation>Sender, die der Referenzliste fehlen</translation>
    </message>
    <message>
        <source>Number them after the highest number|Delete them|Leave them as they are</source>
        <translation>Hinter der höchsten Nummer nummerieren|Löschen|Unverändert lassen</translation>
    </message>
    <message>
        <source>Number the channels as another channel list numbers them (an archive, one of its lists, a CSV or a text reference list), and take over its favourites, lock, skip and hide or analog names if you like.</source>
        <translation>Nummeriert die Sender wie eine andere Senderliste (ein Archiv, eine seiner Listen, eine CSV- oder eine Text-Referenzliste) und übernimmt auf Wunsch ihre Favoriten, Sperren, Überspringen und Ausblenden oder analogen Namen.</translation>
    </message>
    <message>
        <source>Export reference list…</source>
        <translation>Referenzliste sichern…</translation>
    </message>
    <message>
        <source>Save the channels as a text reference list, one a line: NUMBER;NAME;ONID-TSID-SID.</source>
        <translation>Speichert die Sender als Text-Referenzliste, einen je Zeile: NUMMER;NAME;ONID-TSID-SID.</translation>
    </message>
    <message>
        <source>Export reference list</source>
        <translation>Referenzliste exportieren</translation>
    </message>
</context>
<context>
    <name>TzebGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Zellnamen</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>Name &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>Name &amp;löschen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>Zell&amp;name</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Zelle</translation>
    </message>
    <message>
        <source>Name %1 allready exists</source>
        <translation>Den Namen %1 gibt es schon</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>Alle Namen löschen?</translation>
    </message>
</context>
<context>
    <name>TzebGridPreviewF</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Ganz</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Logo...</source>
        <translation>Logo...</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Save the pages as a PDF file</source>
        <translation>Die Seiten als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>HeaderText</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>FooterText</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>DateFormat</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>TimeFormat</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>MarginTop</source>
        <translation>Rand oben</translation>
    </message>
    <message>
        <source>MarginHeader</source>
        <translation>Abstand Kopfzeile</translation>
    </message>
    <message>
        <source>MarginLeft</source>
        <translation>Rand links</translation>
    </message>
    <message>
        <source>MarginRight</source>
        <translation>Rand rechts</translation>
    </message>
    <message>
        <source>MarginBottom</source>
        <translation>Rand unten</translation>
    </message>
    <message>
        <source>PaddingLeft</source>
        <translation>Einzug links</translation>
    </message>
    <message>
        <source>HeaderSize</source>
        <translation>Größe Kopfzeile</translation>
    </message>
    <message>
        <source>FooterSize</source>
        <translation>Größe Fußzeile</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Drucke Seite %1 von %2</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Es ist kein Drucker installiert</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Schreibe Seite %1 von %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TzebGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>Alle &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filter zu komplex</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits the channel lists of Samsung televisions.</source>
        <translation>Bearbeitet die Senderlisten von Samsung-Fernsehern.</translation>
    </message>
    <message>
        <source>A television archive to open and extract.</source>
        <translation>Ein Fernseher-Archiv, das geöffnet und entpackt wird.</translation>
    </message>
</context>
<context>
    <name>tarno::grid::GridFeatures</name>
    <message>
        <source>Formula error</source>
        <translation>Formelfehler</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Fehler in: %1</translation>
    </message>
</context>
<context>
    <name>tarno::window::QtWindowDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Save changes to &apos;%1&apos;?</source>
        <translation>Änderungen an &apos;%1&apos; speichern?</translation>
    </message>
</context>
<context>
    <name>tarno::window::ScriptRunningDialog</name>
    <message>
        <source>Script running</source>
        <translation>Skript läuft</translation>
    </message>
    <message>
        <source>Stop script</source>
        <translation>Skript anhalten</translation>
    </message>
    <message>
        <source>The script has been running for %1 s.</source>
        <translation>Das Skript läuft seit %1 s.</translation>
    </message>
</context>
<context>
    <name>tarno::window::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>tarno::window::TfrmTarnoChannelEdit</name>
    <message>
        <source>Select television archive file</source>
        <translation>Fernseher-Archivdatei auswählen</translation>
    </message>
    <message>
        <source>No archived television file opened</source>
        <translation>Keine Fernseher-Archivdatei geöffnet</translation>
    </message>
    <message>
        <source>No active archive</source>
        <translation>Kein aktives Archiv</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; active</source>
        <translation>Archiv &apos;%1&apos; aktiv</translation>
    </message>
    <message>
        <source>Settings: layouts/%1 (fits this archive)</source>
        <translation>Einstellungen: layouts/%1 (passt zu diesem Archiv)</translation>
    </message>
    <message>
        <source>Nothing loaded</source>
        <translation>Nichts geladen</translation>
    </message>
    <message>
        <source>Move to row:</source>
        <translation>Ziel-Zeile:</translation>
    </message>
    <message>
        <source>Set row to row:</source>
        <translation>Ziel gesetzt:</translation>
    </message>
    <message>
        <source>Set row move to:</source>
        <translation>Nächstes Ziel:</translation>
    </message>
    <message>
        <source>Select database or setting file to edit</source>
        <translation>Zu bearbeitende Datenbank- oder Einstellungsdatei auswählen</translation>
    </message>
    <message>
        <source>Television files|*.*|Database files|*.dat|All files|*.*</source>
        <translation>Fernseher-Dateien|*.*|Datenbankdateien|*.dat|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; loading ...</source>
        <translation>Datei &apos;%1&apos; wird geladen ...</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; loaded</source>
        <translation>Datei &apos;%1&apos; geladen</translation>
    </message>
    <message>
        <source>Settings and script: %1</source>
        <translation>Einstellungen und Skript: %1</translation>
    </message>
    <message>
        <source>Tarno Channel Editor for Samsung TV&apos;s V1.01</source>
        <translation>Tarno Channel Editor für Samsung-Fernseher V1.01</translation>
    </message>
    <message>
        <source>Log started</source>
        <translation>Protokoll gestartet</translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation>Keine Datei geladen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Select and extract</source>
        <translation>Archiv öffnen</translation>
    </message>
    <message>
        <source>An archived television file can be selected and is extracted.</source>
        <translation>Eine Archivdatei des Fernsehers wird ausgewählt und entpackt.</translation>
    </message>
    <message>
        <source>Update archive file at exit</source>
        <translation>Archiv am Ende aktualisieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit the application. If an archive was selected then it is optionally also updated with changed data.</source>
        <translation>Beendet das Programm. Ein gewähltes Archiv wird auf Wunsch mit den geänderten Daten aktualisiert.</translation>
    </message>
    <message>
        <source>This indicates which archive file is active. An active archive file will be optionally updated with the changes when the application exits.</source>
        <translation>Zeigt, welche Archivdatei aktiv ist. Eine aktive Archivdatei wird beim Beenden auf Wunsch mit den Änderungen aktualisiert.</translation>
    </message>
    <message>
        <source>This indicates which file is loaded and disp;layed in the grid.</source>
        <translation>Zeigt, welche Datei geladen ist und in der Tabelle angezeigt wird.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>A file is loaded and displayed.</source>
        <translation>Eine Datei wird geladen und angezeigt.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The displayed grid is saved.</source>
        <translation>Die angezeigte Tabelle wird gespeichert.</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The displayed grid is saved, allowing the user to set the filename.</source>
        <translation>Die angezeigte Tabelle wird unter einem wählbaren Dateinamen gespeichert.</translation>
    </message>
    <message>
        <source>Keep original record order when saving</source>
        <translation>Satzfolge beim Speichern behalten</translation>
    </message>
    <message>
        <source>When checked, data records are kept in the original order. When unchecked, records are saved in the order they are displayed.</source>
        <translation>Angehakt: Die Datensätze bleiben in ihrer ursprünglichen Reihenfolge. Nicht angehakt: Sie werden in der angezeigten Reihenfolge gespeichert.</translation>
    </message>
    <message>
        <source>Generate new CRC&apos;s when saving</source>
        <translation>Beim Speichern neue CRCs erzeugen</translation>
    </message>
    <message>
        <source>When checked, CRC fields are recalculated before saving (otherwise they are untouched)</source>
        <translation>Angehakt: CRC-Felder werden vor dem Speichern neu berechnet (sonst bleiben sie unverändert)</translation>
    </message>
    <message>
        <source>Export as ASCII</source>
        <translation>ASCII-Export</translation>
    </message>
    <message>
        <source>Export in ASCII (debug purposes). You can export the data, modify it with an editor, and then import it back.</source>
        <translation>Export als ASCII-Text (zur Fehlersuche). Sie können die Daten exportieren, mit einem Editor ändern und wieder importieren.</translation>
    </message>
    <message>
        <source>Import from ASCII</source>
        <translation>ASCII-Import</translation>
    </message>
    <message>
        <source>Import from exported ASCII (debug purposes). Loads an exported file.</source>
        <translation>Import aus exportiertem ASCII-Text (zur Fehlersuche). Lädt eine exportierte Datei.</translation>
    </message>
    <message>
        <source>F1:</source>
        <translation>F1:</translation>
    </message>
    <message>
        <source>F4:</source>
        <translation>F4:</translation>
    </message>
    <message>
        <source>Clear information</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Clear memo field</source>
        <translation>Leert das Protokoll</translation>
    </message>
    <message>
        <source>Reload script</source>
        <translation>Skript neu laden</translation>
    </message>
    <message>
        <source>(Re)load script, for example after making changes to it</source>
        <translation>Lädt das Skript (erneut), etwa nach Änderungen daran</translation>
    </message>
    <message>
        <source>Read/Write test</source>
        <translation>Lese-/Schreibtest</translation>
    </message>
    <message>
        <source>Generate PtcCable</source>
        <translation>PtcCable erzeugen</translation>
    </message>
    <message>
        <source>Generate a PtcCable file with all possible frequencies.</source>
        <translation>Erzeugt eine PtcCable-Datei mit allen möglichen Frequenzen.</translation>
    </message>
    <message>
        <source>Use CTRL-F to search for text from next cell downwards (F3 to find next occurence).</source>
        <translation>STRG-F sucht Text ab der nächsten Zelle abwärts (F3 sucht weiter).</translation>
    </message>
    <message>
        <source>CTRL-Z to undo, CTRL-Y to redo.</source>
        <translation>STRG-Z: rückgängig, STRG-Y: wiederholen.</translation>
    </message>
    <message>
        <source>Undo and redo every change of the grid since the file was loaded (CTRL-SHIFT-Z redoes too).</source>
        <translation>Macht jede Änderung der Tabelle seit dem Laden der Datei rückgängig oder wiederholt sie (auch STRG-UMSCHALT-Z wiederholt).</translation>
    </message>
    <message>
        <source>Files saved for &apos;%1&apos; are not in it yet: %2.
Write them into the archive before leaving it?</source>
        <translation>Für „%1“ gespeicherte Dateien sind noch nicht darin: %2.
Sollen sie vor dem Verlassen in das Archiv geschrieben werden?</translation>
    </message>
    <message>
        <source>Write into archive</source>
        <translation>In das Archiv schreiben</translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation>Weglassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; left without the files saved for it</source>
        <translation>Archiv „%1“ ohne die dafür gespeicherten Dateien verlassen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds %2, saved for &apos;%3&apos; but never written into it.
Extracting &apos;%4&apos; overwrites them.</source>
        <translation>„%1“ enthält %2, gespeichert für „%3“, aber nie hineingeschrieben.
Das Entpacken von „%4“ überschreibt sie.</translation>
    </message>
    <message>
        <source>Extract anyway</source>
        <translation>Trotzdem entpacken</translation>
    </message>
    <message>
        <source>The archive &apos;%1&apos; was changed by another program since it was extracted.
Write %2 into it as it is now? Its other entries stay as that program left them.</source>
        <translation>Das Archiv „%1“ wurde seit dem Entpacken von einem anderen Programm geändert.
%2 in das Archiv in seinem jetzigen Stand schreiben? Seine übrigen Einträge bleiben, wie das andere Programm sie hinterlassen hat.</translation>
    </message>
    <message>
        <source>Write into it</source>
        <translation>Hineinschreiben</translation>
    </message>
    <message>
        <source>Leave it as it is</source>
        <translation>So lassen</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; left as the other program wrote it</source>
        <translation>Archiv „%1“ so gelassen, wie das andere Programm es geschrieben hat</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; updated with %2</source>
        <translation>Archiv „%1“ aktualisiert mit %2</translation>
    </message>
    <message>
        <source>The archive &apos;%1&apos; could not be written:
%2

The saved files stay in &apos;%3&apos;.</source>
        <translation>Das Archiv „%1“ konnte nicht geschrieben werden:
%2

Die gespeicherten Dateien bleiben in „%3“.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Write under another name...</source>
        <translation>Unter anderem Namen schreiben ...</translation>
    </message>
    <message>
        <source>Leave it unwritten</source>
        <translation>Nicht schreiben</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; not written; the saved files stay in &apos;%2&apos;</source>
        <translation>Archiv „%1“ nicht geschrieben; die gespeicherten Dateien bleiben in „%2“</translation>
    </message>
    <message>
        <source>Write the archive under another name</source>
        <translation>Das Archiv unter anderem Namen schreiben</translation>
    </message>
    <message>
        <source>Archive written as %1</source>
        <translation>Archiv geschrieben als %1</translation>
    </message>
    <message>
        <source>No layout for %1: its bytes are kept</source>
        <translation>Kein Layout für %1: seine Bytes bleiben erhalten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found below; F3 searches again from the first row.</source>
        <translation>„%1“ darunter nicht gefunden; F3 sucht wieder ab der ersten Zeile.</translation>
    </message>
    <message>
        <source>The list has %1 problems:
%2
Save anyway?</source>
        <translation>Die Liste hat %1 Probleme:
%2
Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Back to the list</source>
        <translation>Zurück zur Liste</translation>
    </message>
    <message>
        <source>Error in data: the grid no longer has one row per record and one column per field. A row or column was inserted or deleted with the grid&apos;s keys; Ctrl+Z takes it back.</source>
        <translation>Fehler in den Daten: Das Raster hat nicht mehr eine Zeile je Datensatz und eine Spalte je Feld. Eine Zeile oder Spalte wurde mit den Tasten des Rasters eingefügt oder gelöscht; Strg+Z nimmt das zurück.</translation>
    </message>
    <message>
        <source>No original of &apos;%1&apos; is kept: there is no %2 beside it.</source>
        <translation>Vom Original von &apos;%1&apos; gibt es keine Kopie: %2 liegt nicht daneben.</translation>
    </message>
    <message>
        <source>Restore &apos;%1&apos; from %2?
What was written into it since is lost, and its files are extracted again: edits not written into it are lost too.</source>
        <translation>&apos;%1&apos; aus %2 wiederherstellen?
Was seitdem hineingeschrieben wurde, geht verloren, und seine Dateien werden neu entpackt: nicht hineingeschriebene Änderungen gehen ebenfalls verloren.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; restored from %2</source>
        <translation>Archiv &apos;%1&apos; aus %2 wiederhergestellt</translation>
    </message>
    <message>
        <source>Original kept as %1</source>
        <translation>Original aufbewahrt als %1</translation>
    </message>
    <message>
        <source>Archive &apos;%1&apos; already holds every saved file</source>
        <translation>Archiv &apos;%1&apos; enthält bereits jede gespeicherte Datei</translation>
    </message>
    <message>
        <source>Write archive now</source>
        <translation>Jetzt schreiben</translation>
    </message>
    <message>
        <source>The active archive is updated with the saved files now, as at exit, so the stick can be taken out without quitting.</source>
        <translation>Das aktive Archiv wird jetzt mit den gespeicherten Dateien aktualisiert, wie beim Beenden, damit der Stick ohne Beenden abgezogen werden kann.</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Original zurück</translation>
    </message>
    <message>
        <source>The active archive is put back as it was before this program first wrote it, from the copy kept beside it.</source>
        <translation>Das aktive Archiv wird aus der daneben aufbewahrten Kopie so wiederhergestellt, wie es vor dem ersten Schreiben durch dieses Programm war.</translation>
    </message>
    <message>
        <source>Television archive files|*.scm;*.zip|All files|*.*</source>
        <translation>Fernseher-Archivdateien|*.scm;*.zip|Alle Dateien|*.*</translation>
    </message>
</context>
</TS>
