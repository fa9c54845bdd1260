<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>EConvertError</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the priority &apos;%1&apos; is not a whole number</source>
        <translation>die Priorität „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the mark &apos;%1&apos; is neither True nor False</source>
        <translation>die Markierung „%1“ ist weder True noch False</translation>
    </message>
    <message>
        <source>%1 fields, but only %2 are read</source>
        <translation>%1 Felder, aber nur %2 werden gelesen</translation>
    </message>
    <message>
        <source>the UTF-16 text has an odd number of bytes</source>
        <translation>der UTF-16-Text hat eine ungerade Anzahl Bytes</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor UTF-16</source>
        <translation>der Text ist weder UTF-8 noch UTF-16</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation>„%1“ ist kein gültiger Wahrheitswert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>„%1“ ist keine gültige Datums- und Zeitangabe</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>is the profile itself; it is not replaced</source>
        <translation>ist das Profil selbst; es wird nicht ersetzt</translation>
    </message>
    <message>
        <source>is a profile; it is not replaced</source>
        <translation>ist ein Profil; es wird nicht ersetzt</translation>
    </message>
    <message>
        <source>File could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File could not be opened: not a regular file</source>
        <translation>Die Datei konnte nicht geöffnet werden: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>File could not be opened: %1</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>File could not be written: &quot;%1&quot;: %2</source>
        <translation>Die Datei konnte nicht geschrieben werden: „%1“: %2</translation>
    </message>
    <message>
        <source>File could not be created: &quot;%1&quot;: %2</source>
        <translation>Die Datei konnte nicht angelegt werden: „%1“: %2</translation>
    </message>
    <message>
        <source>Invalid key name: %1</source>
        <translation>Ungültiger Schlüsselname: %1</translation>
    </message>
    <message>
        <source>Key could not be opened: %1</source>
        <translation>Der Schlüssel konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>No key is open</source>
        <translation>Kein Schlüssel ist geöffnet</translation>
    </message>
    <message>
        <source>Folder could not be created: %1</source>
        <translation>Der Ordner konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Link could not be created: %1</source>
        <translation>Die Verknüpfung konnte nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>EYearnboxError</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Cell out of bounds (%1, %2)</source>
        <translation>Zelle außerhalb des gültigen Bereichs (%1, %2)</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TCsvItemReader</name>
    <message>
        <source>1 NUL character was dropped</source>
        <translation>1 NUL-Zeichen wurde entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%n NUL characters were dropped</source>
        <translation>
            <numerusform>%n NUL-Zeichen wurde entfernt</numerusform>
            <numerusform>%n NUL-Zeichen wurden entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>a &apos;|&apos; became a line break (%1</source>
        <translation>ein „|“ wurde zum Zeilenumbruch (%1</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
</context>
<context>
    <name>TFindAllDialog</name>
    <message>
        <source>1 item</source>
        <translation>1 Wunsch</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Wunsch</numerusform>
            <numerusform>%n Wünsche</numerusform>
        </translation>
    </message>
    <message>
        <source>1 profile</source>
        <translation>1 Profil</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles</source>
        <translation>
            <numerusform>%n Profil</numerusform>
            <numerusform>%n Profile</numerusform>
        </translation>
    </message>
    <message>
        <source>Find in All Profiles</source>
        <translation>In allen Profilen suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation>Es wurde nichts gefunden.</translation>
    </message>
    <message>
        <source>%1 found in %2.</source>
        <translation>%1 gefunden, verteilt auf %2.</translation>
    </message>
    <message>
        <source> %1 could not be read.</source>
        <translation> Nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>(blank profile)</source>
        <translation>(leeres Profil)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Restore an Earlier Version…</source>
        <translation>Frühere Version wiederherstellen…</translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation>Übersicht…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Find in All Profiles…</source>
        <translation>In allen Profilen suchen…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation>Priorität:</translation>
    </message>
    <message>
        <source>Date Added:</source>
        <translation>Hinzugefügt:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Profile could not be loaded; it may be missing or corrupt.</source>
        <translation>Das Profil konnte nicht geladen werden; es fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>Please fill in more information about this item before trying to add it.</source>
        <translation>Bitte geben Sie mehr über diesen Wunsch an, bevor Sie ihn hinzufügen.</translation>
    </message>
    <message>
        <source>An item you changed was changed elsewhere too: your change was saved, and the other version is kept under &quot;Restore an Earlier Version…&quot;.</source>
        <translation>Ein Wunsch, den Sie geändert haben, wurde auch anderswo geändert: Ihre Änderung ist gespeichert, die andere Fassung liegt unter „Frühere Version wiederherstellen…“.</translation>
    </message>
    <message>
        <source>Create a New Yearnbox</source>
        <translation>Neue Yearnbox anlegen</translation>
    </message>
    <message>
        <source>Save this Profile</source>
        <translation>Dieses Profil speichern</translation>
    </message>
    <message>
        <source>Load a Profile</source>
        <translation>Profil laden</translation>
    </message>
    <message>
        <source>Delete the active profile</source>
        <translation>Aktives Profil löschen</translation>
    </message>
    <message>
        <source>Search Options:</source>
        <translation>Suchoptionen:</translation>
    </message>
    <message>
        <source>New Search</source>
        <translation>Neue Suche</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>How Important is this Item?</source>
        <translation>Wie wichtig ist dieser Wunsch?</translation>
    </message>
    <message>
        <source>Item Price or Estimate:</source>
        <translation>Preis oder Schätzung:</translation>
    </message>
    <message>
        <source>Item Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Item Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Save Item</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the item entry</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Neuer Wunsch</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Wünsche</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>the list</comment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Suche beenden</translation>
    </message>
    <message>
        <source>About Yearnbox</source>
        <translation>Über Yearnbox</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the dialog title</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation>Es wurde nichts gefunden.</translation>
    </message>
    <message>
        <source>Export Items</source>
        <translation>Wünsche exportieren</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Import Items</source>
        <translation>Wünsche importieren</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported: %2</source>
        <translation>„%1“ konnte nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was imported: %2.</source>
        <translation>„%1“ wurde importiert: %2.</translation>
    </message>
    <message>
        <source>Copy to Profile</source>
        <translation>In Profil kopieren</translation>
    </message>
    <message>
        <source>Move to Profile</source>
        <translation>In Profil verschieben</translation>
    </message>
    <message>
        <source>The item was not copied: %1 is the profile shown.</source>
        <translation>Der Wunsch wurde nicht kopiert: %1 ist das angezeigte Profil.</translation>
    </message>
    <message>
        <source>The item was not moved: %1 is the profile shown.</source>
        <translation>Der Wunsch wurde nicht verschoben: %1 ist das angezeigte Profil.</translation>
    </message>
    <message>
        <source>The item could not be copied to %1.</source>
        <translation>Der Wunsch konnte nicht nach %1 kopiert werden.</translation>
    </message>
    <message>
        <source>The item could not be moved to %1.</source>
        <translation>Der Wunsch konnte nicht nach %1 verschoben werden.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Share as Web Page…</source>
        <translation>Als Webseite teilen…</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Go to Item</source>
        <translation>&amp;Zum Wunsch</translation>
    </message>
    <message>
        <source>Duplicate item</source>
        <translation>Doppelter Wunsch</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Share as Web Page</source>
        <translation>Als Webseite teilen</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>Already in %1: %2</source>
        <translation>Bereits in %1: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source> About Yearnbox</source>
        <translation> Über Yearnbox</translation>
    </message>
    <message>
        <source>Yearnbox is free software: share and change it under the GNU GPL, version 3 or later. It comes with no warranty.</source>
        <translation>Yearnbox ist freie Software: Weitergabe und Änderung unter der GNU GPL, Version 3 oder später. Ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>The Yearnbox authors</source>
        <translation>Die Yearnbox-Autoren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Would you like to associate the file extension &quot;.ybk&quot; with Yearnbox?</source>
        <translation>Sollen Dateien mit der Endung „.ybk“ mit Yearnbox geöffnet werden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Ask me at Startup about this.</source>
        <translation>Beim Start danach fragen.</translation>
    </message>
</context>
<context>
    <name>TGiftPage</name>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the page&apos;s language, an HTML lang code</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>TItemHistory</name>
    <message>
        <source> (the item was removed elsewhere)</source>
        <translation> (der Wunsch wurde anderswo entfernt)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>TLatticeGrid</name>
    <message>
        <source>%1 of 1 star</source>
        <translation>%1 von 1 Stern</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n stars</source>
        <translation>
            <numerusform>%1 von %n Stern</numerusform>
            <numerusform>%1 von %n Sternen</numerusform>
        </translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Angekreuzt</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Nicht angekreuzt</translation>
    </message>
    <message>
        <source>Not %1</source>
        <translation>Nicht %1</translation>
    </message>
</context>
<context>
    <name>TPriceTotals</name>
    <message>
        <source>1 price</source>
        <translation>1 Preis</translation>
    </message>
    <message numerus="yes">
        <source>%n prices</source>
        <translation>
            <numerusform>%n Preis</numerusform>
            <numerusform>%n Preise</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Total of %1: %2</source>
        <translation>Summe von %1: %2</translation>
    </message>
    <message>
        <source> · marked: %1</source>
        <translation> · markiert: %1</translation>
    </message>
    <message>
        <source> · %1 not read</source>
        <translation> · nicht gelesen: %1</translation>
    </message>
    <message>
        <source>; %1 not read</source>
        <translation>; nicht gelesen: %1</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Alle Wünsche</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Not marked</source>
        <translation>Nicht markiert</translation>
    </message>
    <message>
        <source>Priority %1</source>
        <translation>Priorität %1</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Ohne Symbol</translation>
    </message>
</context>
<context>
    <name>TPrintDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>%1 item</source>
        <translation>%1 Wunsch</translation>
    </message>
    <message numerus="yes">
        <source>%1 items</source>
        <translation>
            <numerusform>%1 Wunsch</numerusform>
            <numerusform>%1 Wünsche</numerusform>
        </translation>
    </message>
    <message>
        <source>at least %1 page</source>
        <translation>mindestens %1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>at least %1 pages</source>
        <translation>
            <numerusform>mindestens %1 Seite</numerusform>
            <numerusform>mindestens %1 Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2.</source>
        <translation>%1 auf %2.</translation>
    </message>
    <message>
        <source>
That is a great deal of paper and takes a while.</source>
        <translation>
Das ist viel Papier und dauert eine Weile.</translation>
    </message>
    <message>
        <source>Marked items only</source>
        <translation>Nur markierte Wünsche</translation>
    </message>
</context>
<context>
    <name>TProfiles</name>
    <message>
        <source>Save Yearnbox Profile</source>
        <translation>Yearnbox-Profil speichern</translation>
    </message>
    <message>
        <source>Yearnbox Profile (*.ybk)</source>
        <translation>Yearnbox-Profil (*.ybk)</translation>
    </message>
    <message>
        <source>Load Yearnbox Profile</source>
        <translation>Yearnbox-Profil laden</translation>
    </message>
    <message>
        <source>Profile could not be loaded.</source>
        <translation>Das Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1 has been deleted. A new Yearnbox was loaded!</source>
        <translation>%1 wurde gelöscht. Eine neue Yearnbox wurde geladen!</translation>
    </message>
    <message>
        <source>The current profile could not be deleted, sorry.</source>
        <translation>Das aktuelle Profil konnte leider nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>TRestoreDialog</name>
    <message>
        <source>Restore an Earlier Version</source>
        <translation>Frühere Version wiederherstellen</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Wünsche</translation>
    </message>
    <message>
        <source>First differences</source>
        <translation>Erste Unterschiede</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The version saved %1 cannot be read: %2</source>
        <translation>Die am %1 gespeicherte Version ist nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>TSummaryDialog</name>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
</context>
</TS>
