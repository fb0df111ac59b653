<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CloseQuestion</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Do you want to save the changes ?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>ComSettingDialog</name>
    <message>
        <source>COM Setting</source>
        <translation>COM-Einstellung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>LanguageTexts</name>
    <message>
        <source>Auto Connect to STB</source>
        <translation>Automatisch mit dem Receiver verbinden</translation>
    </message>
    <message>
        <source>Connect to STB</source>
        <translation>Mit dem Receiver verbinden</translation>
    </message>
    <message>
        <source>Disconnect to STB</source>
        <translation>Verbindung zum Receiver trennen</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>Schnittstelle einstellen</translation>
    </message>
    <message>
        <source>Send to the STB</source>
        <translation>An den Receiver senden</translation>
    </message>
    <message>
        <source>Receive from the STB</source>
        <translation>Vom Receiver empfangen</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The selected file is not acceptable.</source>
        <translation>Die gewählte Datei ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>Now trying connect to STB. Please wait.</source>
        <translation>Verbindung zum Receiver wird aufgebaut. Bitte warten.</translation>
    </message>
    <message>
        <source>Now erasing the flash. Please wait.</source>
        <translation>Der Flash-Speicher wird gelöscht. Bitte warten.</translation>
    </message>
    <message>
        <source>Now writting the flash. Do NOT power off the STB.</source>
        <translation>Der Flash-Speicher wird beschrieben. Receiver NICHT ausschalten.</translation>
    </message>
    <message>
        <source>The file is not selected.</source>
        <translation>Es ist keine Datei gewählt.</translation>
    </message>
    <message>
        <source>Can&apos;t open the file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Empfang läuft</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Error occurred... Please check the displayed message of the STB</source>
        <translation>Ein Fehler ist aufgetreten. Bitte die Anzeige des Receivers prüfen.</translation>
    </message>
    <message>
        <source>If the &apos;Loader&apos; message is displayed on the front panel, then press the OK button.</source>
        <translation>Wenn die Frontanzeige &apos;Loader&apos; zeigt, OK drücken.</translation>
    </message>
    <message>
        <source>Connected with the monitor</source>
        <translation>Mit dem Monitor verbunden</translation>
    </message>
    <message>
        <source>Try to connect with the monitor</source>
        <translation>Verbindung mit dem Monitor wird versucht</translation>
    </message>
    <message>
        <source>Reset your STB(s).</source>
        <translation>Receiver neu starten.</translation>
    </message>
    <message>
        <source>What do you want to receive from the STB?</source>
        <translation>Was soll vom Receiver empfangen werden?</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Erzwingen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Senden läuft</translation>
    </message>
    <message>
        <source>Searching COM port.. Please Wait!</source>
        <translation>COM-Schnittstelle wird gesucht. Bitte warten!</translation>
    </message>
</context>
<context>
    <name>LoaderControls</name>
    <message>
        <source>Connect Status</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Serial Setting</source>
        <translation>Serielle Einstellung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>COM Setting</source>
        <translation>COM-Einstellung</translation>
    </message>
    <message>
        <source>Auto Connect</source>
        <translation>Automatisch verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Upload to STB</source>
        <translation>An Receiver senden</translation>
    </message>
    <message>
        <source>Download to PC</source>
        <translation>Zum PC empfangen</translation>
    </message>
    <message>
        <source>Editor Config</source>
        <translation>Editor-Einstellungen</translation>
    </message>
    <message>
        <source>STB Config</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>Tuner 1 channels</source>
        <translation>Kanäle Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2 channels</source>
        <translation>Kanäle Tuner 2</translation>
    </message>
    <message>
        <source>FTA channels</source>
        <translation>Freie Kanäle</translation>
    </message>
    <message>
        <source>Scramble channels</source>
        <translation>Verschlüsselte Kanäle</translation>
    </message>
    <message>
        <source>Copy T1 to T2</source>
        <translation>T1 nach T2 kopieren</translation>
    </message>
    <message>
        <source>Copy T2 to T1</source>
        <translation>T2 nach T1 kopieren</translation>
    </message>
    <message>
        <source>Merge T1 and T2</source>
        <translation>T1 und T2 zusammenführen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Copy channels from T1 to T2</source>
        <translation>Kanäle von T1 nach T2 kopieren</translation>
    </message>
    <message>
        <source>Merge channels T1 and T2</source>
        <translation>Kanäle von T1 und T2 zusammenführen</translation>
    </message>
    <message>
        <source>Editor Configuration</source>
        <translation>Editor-Einstellungen</translation>
    </message>
    <message>
        <source>STB Configuration</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
    <message>
        <source>Display All channels</source>
        <translation>Alle Kanäle anzeigen</translation>
    </message>
    <message>
        <source>Display Tuner1 Channels</source>
        <translation>Kanäle von Tuner 1 anzeigen</translation>
    </message>
    <message>
        <source>Display Tuner2 channels</source>
        <translation>Kanäle von Tuner 2 anzeigen</translation>
    </message>
    <message>
        <source>Display Free channels</source>
        <translation>Freie Kanäle anzeigen</translation>
    </message>
    <message>
        <source>Display Scrambled channels</source>
        <translation>Verschlüsselte Kanäle anzeigen</translation>
    </message>
    <message>
        <source>Copy channels from T2 to T1</source>
        <translation>Kanäle von T2 nach T1 kopieren</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Editor COM Configuration</source>
        <translation>COM-Einstellung des Editors</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Datei(&amp;D)</translation>
    </message>
    <message>
        <source>Tools(&amp;T)</source>
        <translation>Extras(&amp;X)</translation>
    </message>
    <message>
        <source>Connect Status</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Channel(&amp;C)</source>
        <translation>Kanal(&amp;K)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Über(&amp;B)</translation>
    </message>
    <message>
        <source>Apply Order from Reference List...</source>
        <translation>Reihenfolge aus Referenzliste übernehmen...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Mit Datei vergleichen...</translation>
    </message>
    <message>
        <source>Restore Receiver Backup...</source>
        <translation>Receiver-Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Find Duplicates...</source>
        <translation>Duplikate suchen...</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Bearbeiten(&amp;E)</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
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
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>PaneMenus</name>
    <message>
        <source>View sorted by</source>
        <translation>Sortiert nach</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Transponder	Ins</source>
        <translation>Transponder	Ins</translation>
    </message>
    <message>
        <source>TV Channel on this transponder	T</source>
        <translation>TV-Kanal auf diesem Transponder	T</translation>
    </message>
    <message>
        <source>Radio Channel on this transponder	R</source>
        <translation>Radiokanal auf diesem Transponder	R</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete all empty transponder</source>
        <translation>Alle leeren Transponder löschen</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Channel Radio</source>
        <translation>Radiokanal</translation>
    </message>
    <message>
        <source>Channel TV</source>
        <translation>TV-Kanal</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All free</source>
        <translation>Alle freien</translation>
    </message>
    <message>
        <source>All scrambled</source>
        <translation>Alle verschlüsselten</translation>
    </message>
    <message>
        <source>All locked</source>
        <translation>Alle gesperrten</translation>
    </message>
    <message>
        <source>All tuner 1</source>
        <translation>Alle auf Tuner 1</translation>
    </message>
    <message>
        <source>All tuner 2</source>
        <translation>Alle auf Tuner 2</translation>
    </message>
    <message>
        <source>All skipped</source>
        <translation>Alle übersprungenen</translation>
    </message>
    <message>
        <source>Copy	Ctrl+C</source>
        <translation>Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Paste	Ctrl+V</source>
        <translation>Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Add to Favourite</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>FAV %1 (%2)</source>
        <translation>FAV %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SerialDevicesGroup</name>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>no permission (group %1)</source>
        <translation>keine Berechtigung (Gruppe %1)</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Serielle Geräte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Leave empty to keep the port&apos;s device</source>
        <translation>Leer lassen, um das Gerät der Schnittstelle zu behalten</translation>
    </message>
    <message>
        <source>Device for the port</source>
        <translation>Gerät der Schnittstelle</translation>
    </message>
</context>
</TS>
