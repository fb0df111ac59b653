<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <source>Also copy favourite groups and their names</source>
        <translation>Auch Favoritengruppen und ihre Namen übernehmen</translation>
    </message>
    <message>
        <source>Apply Order from Reference List</source>
        <translation>Reihenfolge aus Referenzliste übernehmen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Reference List</source>
        <translation>Referenzliste</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>AvPage</name>
    <message>
        <source>TV Output Type</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>TV Screen Type</source>
        <translation>TV-Bildformat</translation>
    </message>
    <message>
        <source>Video Output</source>
        <translation>Videoausgang</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>RF Output</source>
        <translation>HF-Ausgang</translation>
    </message>
    <message>
        <source>RF(UHF) Channel No</source>
        <translation>HF-Kanal (UHF)</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>Channel Property</source>
        <translation>Kanaleigenschaften</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellit :</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transponder :</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Program ID</source>
        <translation>Programm-ID</translation>
    </message>
    <message>
        <source>V PID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TTX PID</source>
        <translation>TTX-PID</translation>
    </message>
    <message>
        <source>AC3 PID</source>
        <translation>AC3-PID</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>A PID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>Tuner Number</source>
        <translation>Tuner</translation>
    </message>
</context>
<context>
    <name>ChannelListingPages</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Tuner %1 - %2 channels</source>
        <translation>Tuner %1 - %2-Kanäle</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ChoiceItems</name>
    <message>
        <source>Tuner 1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>OST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>WEST</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>2 port</source>
        <translation>2 Ports</translation>
    </message>
    <message>
        <source>4 port</source>
        <translation>4 Ports</translation>
    </message>
    <message>
        <source>8 port</source>
        <translation>8 Ports</translation>
    </message>
    <message>
        <source>16 port</source>
        <translation>16 Ports</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Separate</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Loop Through</source>
        <translation>Durchgeschleift</translation>
    </message>
    <message>
        <source>Dual Mode</source>
        <translation>Dual-Modus</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Pan&amp;Scan</source>
        <translation>Pan&amp;Scan</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latein</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Makasar</source>
        <translation>Makassarisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Separated</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Dual (Same)</source>
        <translation>Dual (gleich)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Extra Small</source>
        <translation>Sehr klein</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>After 1 mins</source>
        <translation>Nach 1 Min.</translation>
    </message>
    <message>
        <source>After 10 mins</source>
        <translation>Nach 10 Min.</translation>
    </message>
    <message>
        <source>After 30 mins</source>
        <translation>Nach 30 Min.</translation>
    </message>
    <message>
        <source>After 60 mins</source>
        <translation>Nach 60 Min.</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
</context>
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
    <name>CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DownloadChoiceDialog</name>
    <message>
        <source>Main Software</source>
        <translation>Hauptsoftware</translation>
    </message>
    <message>
        <source>Pre-setting</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanäle</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Duplikate suchen</translation>
    </message>
    <message>
        <source>Remove Checked</source>
        <translation>Markierte entfernen</translation>
    </message>
    <message>
        <source>Merge Transponders</source>
        <translation>Transponder zusammenführen</translation>
    </message>
    <message>
        <source>Groups of duplicate channels: %1; of duplicate transponders: %2</source>
        <translation>Gruppen doppelter Kanäle: %1; doppelter Transponder: %2</translation>
    </message>
    <message>
        <source>Tuner %1 %2: keeps %3</source>
        <translation>Tuner %1 %2: behält %3</translation>
    </message>
</context>
<context>
    <name>EditDocument</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeitung</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>EditLabels</name>
    <message>
        <source>Add 1 channel to favourites</source>
        <translation>1 Kanal zu Favoriten hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channels to favourites</source>
        <translation>
            <numerusform>%n Kanal zu Favoriten hinzufügen</numerusform>
            <numerusform>%n Kanäle zu Favoriten hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 channel</source>
        <translation>1 Kanal löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>%n Kanal löschen</numerusform>
            <numerusform>%n Kanäle löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 channel</source>
        <translation>1 Kanal verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Move %n channels</source>
        <translation>
            <numerusform>%n Kanal verschieben</numerusform>
            <numerusform>%n Kanäle verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 channel to transponder</source>
        <translation>1 Kanal zum Transponder verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Move %n channels to transponder</source>
        <translation>
            <numerusform>%n Kanal zum Transponder verschieben</numerusform>
            <numerusform>%n Kanäle zum Transponder verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove 1 channel from favourites</source>
        <translation>1 Kanal aus Favoriten entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channels from favourites</source>
        <translation>
            <numerusform>%n Kanal aus Favoriten entfernen</numerusform>
            <numerusform>%n Kanäle aus Favoriten entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel</source>
        <translation>1 doppelten Kanal entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate channels</source>
        <translation>
            <numerusform>%n doppelten Kanal entfernen</numerusform>
            <numerusform>%n doppelte Kanäle entfernen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorConfigDialog</name>
    <message>
        <source>Editor Configuration</source>
        <translation>Editor-Einstellungen</translation>
    </message>
    <message>
        <source>Display Setting</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Column width</source>
        <translation>Spaltenbreite</translation>
    </message>
    <message>
        <source>Color Setting</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Standardfarben</translation>
    </message>
    <message>
        <source>Keep a backup when saving</source>
        <translation>Beim Speichern eine Sicherung behalten</translation>
    </message>
    <message>
        <source>Active Satellite</source>
        <translation>Aktiver Satellit</translation>
    </message>
    <message>
        <source>Active TR</source>
        <translation>Aktiver TP</translation>
    </message>
    <message>
        <source>Channel Index</source>
        <translation>Kanalindex</translation>
    </message>
    <message>
        <source>Favorite Channel</source>
        <translation>Favoritenkanal</translation>
    </message>
    <message>
        <source>Scrambled Text</source>
        <translation>Text verschlüsselt</translation>
    </message>
    <message>
        <source>Lock Text</source>
        <translation>Text gesperrt</translation>
    </message>
    <message>
        <source>Satellite Line</source>
        <translation>Satellitenlinie</translation>
    </message>
    <message>
        <source>Transponder Line</source>
        <translation>Transponderlinie</translation>
    </message>
    <message>
        <source>Channel Line</source>
        <translation>Kanallinie</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
</context>
<context>
    <name>EtcPage</name>
    <message>
        <source>Base longitude</source>
        <translation>Längengrad Standort</translation>
    </message>
    <message>
        <source>Base latitude</source>
        <translation>Breitengrad Standort</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number between -%1 and %2.</source>
        <translation>Bitte eine Zahl zwischen -%1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>FavNamePage</name>
    <message>
        <source>Favorite name %1</source>
        <translation>Favoritenname %1</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find Continue - &quot;F3&quot;</source>
        <translation>Weitersuchen - &quot;F3&quot;</translation>
    </message>
    <message>
        <source>Find what :</source>
        <translation>Suchen nach :</translation>
    </message>
    <message>
        <source>Match whole word only</source>
        <translation>Nur ganzes Wort</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FrameFileCommands</name>
    <message>
        <source>Clear all data ?</source>
        <translation>Alle Daten löschen?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Do you want to save the changes ?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Are you sure Save?</source>
        <translation>Wirklich speichern?</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>The backup %1 could not be written, so the file was not saved.</source>
        <translation>Die Sicherung %1 konnte nicht geschrieben werden, daher wurde die Datei nicht gespeichert.</translation>
    </message>
    <message>
        <source>Readable files (*.bin *.sdx *.dat);;Bin files (*.bin);;Satcodx files (*.sdx);;Lyngsat files (*.dat);;All files (*)</source>
        <translation>Lesbare Dateien (*.bin *.sdx *.dat);;Bin-Dateien (*.bin);;Satcodx-Dateien (*.sdx);;Lyngsat-Dateien (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Bin files (*.bin)</source>
        <translation>Bin-Dateien (*.bin)</translation>
    </message>
    <message>
        <source>TEXT files (*.txt);;CSV (*.csv)</source>
        <translation>Textdateien (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Complete to write file.</source>
        <translation>Die Datei wurde geschrieben.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
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
        <source>Error Opening Write source file &lt;%1&gt;</source>
        <translation>Fehler beim Öffnen der Zieldatei &lt;%1&gt;</translation>
    </message>
    <message numerus="yes">
        <source>%n records did not fit into the tables and were left out.</source>
        <translation>
            <numerusform>%n Datensatz passte nicht in die Tabellen und wurde ausgelassen.</numerusform>
            <numerusform>%n Datensätze passten nicht in die Tabellen und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels came before any transponder of their satellite and were left out.</source>
        <translation>
            <numerusform>%n Kanal stand vor jedem Transponder seines Satelliten und wurde ausgelassen.</numerusform>
            <numerusform>%n Kanäle standen vor jedem Transponder ihres Satelliten und wurden ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FrameListToolCommands</name>
    <message>
        <source>Apply Order from Reference List</source>
        <translation>Reihenfolge aus Referenzliste übernehmen</translation>
    </message>
    <message>
        <source>%1 channels matched, %2 unmatched.</source>
        <translation>%1 Kanäle zugeordnet, %2 nicht zugeordnet.</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Merge Transponders</source>
        <translation>Transponder zusammenführen</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
</context>
<context>
    <name>FrameToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>FrameTunerCommands</name>
    <message>
        <source>Channel Copy : T%1 -&gt; T%2

[%3] channels copy Complete</source>
        <translation>Kanäle kopieren : T%1 -&gt; T%2

[%3] Kanäle kopiert</translation>
    </message>
    <message>
        <source>Merge channel : T1 and T2

[%1] channels Merge Complete</source>
        <translation>Kanäle zusammenführen : T1 und T2

[%1] Kanäle zusammengeführt</translation>
    </message>
    <message>
        <source>Channel Copy  T%1 to T%2</source>
        <translation>Kanäle kopieren  T%1 nach T%2</translation>
    </message>
    <message>
        <source>Copy T%1 to T%2</source>
        <translation>T%1 nach T%2 kopieren</translation>
    </message>
    <message>
        <source>Channel Merge  T1 and T2</source>
        <translation>Kanäle zusammenführen  T1 und T2</translation>
    </message>
    <message>
        <source>Merge T1 and T2</source>
        <translation>T1 und T2 zusammenführen</translation>
    </message>
</context>
<context>
    <name>IntegrityCheck</name>
    <message>
        <source>channel %1 tuner %2</source>
        <translation>Kanal %1 Tuner %2</translation>
    </message>
    <message>
        <source>satellite link names slot %1, outside the satellite table</source>
        <translation>Satellitenverweis nennt Platz %1, außerhalb der Satellitentabelle</translation>
    </message>
    <message>
        <source>transponder link names slot %1, outside the transponder table</source>
        <translation>Transponderverweis nennt Platz %1, außerhalb der Transpondertabelle</translation>
    </message>
    <message>
        <source>transponder link names free transponder %1</source>
        <translation>Transponderverweis nennt den freien Transponder %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>has no tables</source>
        <translation>hat keine Tabellen</translation>
    </message>
    <message>
        <source>favourite group %1</source>
        <translation>Favoritengruppe %1</translation>
    </message>
    <message>
        <source>list kind %1 head %2</source>
        <translation>Listenart %1 Kopf %2</translation>
    </message>
    <message>
        <source>PK %1 not present on its tuner</source>
        <translation>PK %1 auf seinem Tuner nicht vorhanden</translation>
    </message>
    <message>
        <source>PK %1 has type %2</source>
        <translation>PK %1 hat den Typ %2</translation>
    </message>
    <message>
        <source>PK %1 on the wrong tuner</source>
        <translation>PK %1 auf dem falschen Tuner</translation>
    </message>
    <message>
        <source>PK %1 link side bit differs from its PK</source>
        <translation>PK %1: Seitenbit des Verweises weicht von seinem PK ab</translation>
    </message>
    <message>
        <source>PK %1 outside the table</source>
        <translation>PK %1 außerhalb der Tabelle</translation>
    </message>
    <message>
        <source>PK %1 names a free record</source>
        <translation>PK %1 nennt einen freien Datensatz</translation>
    </message>
    <message>
        <source>PK %1 link index %2</source>
        <translation>PK %1 Verweisindex %2</translation>
    </message>
    <message>
        <source>PK %1 node link %2 but record field %3</source>
        <translation>PK %1 Knotenverweis %2, aber Datensatzfeld %3</translation>
    </message>
    <message>
        <source>kind or width of the head wrong</source>
        <translation>Art oder Breite des Kopfes falsch</translation>
    </message>
    <message>
        <source>node chain does not end</source>
        <translation>Knotenkette endet nicht</translation>
    </message>
    <message>
        <source>node %1 badly linked</source>
        <translation>Knoten %1 falsch verkettet</translation>
    </message>
    <message>
        <source>PK %1 of tuner 1 after tuner 2&apos;s entries</source>
        <translation>PK %1 von Tuner 1 nach den Einträgen von Tuner 2</translation>
    </message>
    <message>
        <source>PK %1 key %2, expected %3</source>
        <translation>PK %1 Schlüssel %2, erwartet %3</translation>
    </message>
    <message>
        <source>last node pointer wrong</source>
        <translation>Zeiger auf den letzten Knoten falsch</translation>
    </message>
    <message>
        <source>count %1 but %2 nodes</source>
        <translation>Anzahl %1, aber %2 Knoten</translation>
    </message>
    <message>
        <source>holds %1 entries but %2 records belong in it</source>
        <translation>enthält %1 Einträge, aber %2 Datensätze gehören hinein</translation>
    </message>
    <message>
        <source>list kind %1</source>
        <translation>Listenart %1</translation>
    </message>
    <message>
        <source>has no heads</source>
        <translation>hat keine Köpfe</translation>
    </message>
</context>
<context>
    <name>IntegrityQuestion</name>
    <message numerus="yes">
        <source>The data has %n problem(s):
</source>
        <translation>
            <numerusform>Die Daten haben %n Problem:
</numerusform>
            <numerusform>Die Daten haben %n Probleme:
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more
</source>
        <translation>
            <numerusform>... und %n weiteres
</numerusform>
            <numerusform>... und %n weitere
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelPanes</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Menu Language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Untertitelsprache</translation>
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
    <name>ListCompare</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>program number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>audio PID %1</source>
        <translation>Audio-PID %1</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>teletext PID</source>
        <translation>Videotext-PID</translation>
    </message>
    <message>
        <source>AC3 PID</source>
        <translation>AC3-PID</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>Tuner %1 %2</source>
        <translation>Tuner %1 %2</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 renamed, %4 moved, %5 changed</source>
        <translation>%1 hinzugefügt, %2 entfernt, %3 umbenannt, %4 verschoben, %5 geändert</translation>
    </message>
    <message>
        <source>added    %1</source>
        <translation>hinzugefügt  %1</translation>
    </message>
    <message>
        <source>removed  %1</source>
        <translation>entfernt     %1</translation>
    </message>
    <message>
        <source>renamed  %1 -&gt; %2</source>
        <translation>umbenannt    %1 -&gt; %2</translation>
    </message>
    <message>
        <source>moved    %1 #%2 -&gt; #%3</source>
        <translation>verschoben   %1 #%2 -&gt; #%3</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>changed  %1: %2</source>
        <translation>geändert     %1: %2</translation>
    </message>
    <message>
        <source>The lists are equal.</source>
        <translation>Die Listen sind gleich.</translation>
    </message>
    <message>
        <source>%1 (%2 %3, program %4)</source>
        <translation>%1 (%2 %3, Programm %4)</translation>
    </message>
</context>
<context>
    <name>LnbPowerPage</name>
    <message>
        <source>Tuner Connect</source>
        <translation>Tuner-Anschluss</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB-Versorgung</translation>
    </message>
    <message>
        <source>Power State</source>
        <translation>Betriebszustand</translation>
    </message>
    <message>
        <source>Tuner Select</source>
        <translation>Tunerwahl</translation>
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
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
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
</context>
<context>
    <name>LoaderDownloadDialog</name>
    <message>
        <source>What do you want to download from the STB?</source>
        <translation>Was soll vom Receiver heruntergeladen werden?</translation>
    </message>
</context>
<context>
    <name>LoaderWindowUi</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Upload anyway?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message>
        <source>BIN Files (*.bin)</source>
        <translation>BIN-Dateien (*.bin)</translation>
    </message>
    <message>
        <source>Key Files (*.key)</source>
        <translation>Key-Dateien (*.key)</translation>
    </message>
    <message>
        <source>ALL Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>LockPage</name>
    <message>
        <source>Age Rating</source>
        <translation>Altersfreigabe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Language Setting</source>
        <translation>Spracheinstellung</translation>
    </message>
    <message>
        <source>Time Setting</source>
        <translation>Zeiteinstellung</translation>
    </message>
    <message>
        <source>Audio/Video Setting</source>
        <translation>Audio/Video-Einstellung</translation>
    </message>
    <message>
        <source>Edit Channels</source>
        <translation>Kanäle bearbeiten</translation>
    </message>
    <message>
        <source>Lock Edit Favorites</source>
        <translation>Favoriten bearbeiten sperren</translation>
    </message>
    <message>
        <source>IRD Lock</source>
        <translation>IRD-Sperre</translation>
    </message>
    <message>
        <source>Lock Installation Menu</source>
        <translation>Installationsmenü sperren</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Kanalsperre</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Channel editor and loader for the receiver&apos;s channel files.</source>
        <translation>Kanaleditor und Loader für die Kanaldateien des Receivers.</translation>
    </message>
    <message>
        <source>A channel file to open at start.</source>
        <translation>Eine Kanaldatei, die beim Start geöffnet wird.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>STB Configuration</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
    <message>
        <source>Recover unsaved changes from %1?</source>
        <translation>Nicht gespeicherte Änderungen vom %1 wiederherstellen?</translation>
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
    <name>MirevoView</name>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Show or hide the radio pane</source>
        <translation>Radioliste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
</context>
<context>
    <name>MirevoViewCommands</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Transponder contains channels, delete anyway?</source>
        <translation>Der Transponder enthält Kanäle. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Delete empty transponders</source>
        <translation>Leere Transponder löschen</translation>
    </message>
    <message>
        <source>New channel</source>
        <translation>Neuer Kanal</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Favoritengruppe umbenennen</translation>
    </message>
</context>
<context>
    <name>MirevoViewListSort</name>
    <message>
        <source>Sort List</source>
        <translation>Liste sortieren</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Channel move to</source>
        <translation>Kanal verschieben nach</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
</context>
<context>
    <name>MsgOut</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>OsdPage</name>
    <message>
        <source>PIP Screen Size</source>
        <translation>PIP-Bildgröße</translation>
    </message>
    <message>
        <source>OSD Transparency</source>
        <translation>OSD-Transparenz</translation>
    </message>
    <message>
        <source>Info Box Time-Out</source>
        <translation>Anzeigedauer Infobox</translation>
    </message>
    <message>
        <source>Display Volume Indicator</source>
        <translation>Lautstärkeanzeige</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
</context>
<context>
    <name>PaneFilterField</name>
    <message>
        <source>Filter (Ctrl+Shift+F)</source>
        <translation>Filter (Strg+Umschalt+F)</translation>
    </message>
</context>
<context>
    <name>PaneListView</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
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
    <message>
        <source>Sort List by</source>
        <translation>Liste sortieren nach</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Program Number</source>
        <translation>Programmnummer</translation>
    </message>
</context>
<context>
    <name>PvrPage</name>
    <message>
        <source>Hour</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Default Record Time</source>
        <translation>Standard-Aufnahmedauer</translation>
    </message>
    <message>
        <source>Repeat Playing</source>
        <translation>Wiederholte Wiedergabe</translation>
    </message>
    <message>
        <source>HDD Sleep</source>
        <translation>HDD-Ruhezustand</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>RangeCheck</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>%L1 bytes</source>
        <translation>%L1 Bytes</translation>
    </message>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Receiver-Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Upload which copy of the receiver&apos;s channel list?</source>
        <translation>Welche Kopie der Kanalliste des Receivers senden?</translation>
    </message>
    <message>
        <source>There is no backup of the receiver&apos;s channel list in %1.</source>
        <translation>In %1 gibt es keine Sicherung der Kanalliste des Receivers.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
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
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Tuner Setting</source>
        <translation>Tuner-Einstellung</translation>
    </message>
    <message>
        <source>Tuner Number</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Tuner Connet</source>
        <translation>Tuner-Anschluss</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>LOF Low</source>
        <translation>LOF niedrig</translation>
    </message>
    <message>
        <source>LOF Low (User)</source>
        <translation>LOF niedrig (Benutzer)</translation>
    </message>
    <message>
        <source>LOF High</source>
        <translation>LOF hoch</translation>
    </message>
    <message>
        <source>LOF High (User)</source>
        <translation>LOF hoch (Benutzer)</translation>
    </message>
    <message>
        <source>Diseqc Type</source>
        <translation>DiSEqC-Typ</translation>
    </message>
    <message>
        <source>Diseqc Port</source>
        <translation>DiSEqC-Port</translation>
    </message>
    <message>
        <source>Diseqc Motor</source>
        <translation>DiSEqC-Motor</translation>
    </message>
    <message>
        <source>0/22 kHz</source>
        <translation>0/22 kHz</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12V</translation>
    </message>
    <message>
        <source>ToneBurst</source>
        <translation>ToneBurst</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and %1.</source>
        <translation>Bitte eine Zahl zwischen 0 und %1 eingeben.</translation>
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
<context>
    <name>StbConfigurationDialog</name>
    <message>
        <source>STB Configuration</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
    <message>
        <source>Langauge</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>LNB/Power</source>
        <translation>LNB/Strom</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>PVR</source>
        <translation>PVR</translation>
    </message>
    <message>
        <source>A/V</source>
        <translation>A/V</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>Fav Name</source>
        <translation>Fav-Namen</translation>
    </message>
    <message>
        <source>Etc</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>TimePage</name>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT-Versatz</translation>
    </message>
    <message>
        <source>Time update</source>
        <translation>Zeitaktualisierung</translation>
    </message>
</context>
<context>
    <name>TransponderDialog</name>
    <message>
        <source>Transponder Property</source>
        <translation>Transpondereigenschaften</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source> Frequency </source>
        <translation> Frequenz </translation>
    </message>
    <message>
        <source> TS ID </source>
        <translation> TS-ID </translation>
    </message>
    <message>
        <source> Polarity </source>
        <translation> Polarisation </translation>
    </message>
    <message>
        <source> FEC </source>
        <translation> FEC </translation>
    </message>
    <message>
        <source>Symbol Rate </source>
        <translation>Symbolrate </translation>
    </message>
</context>
<context>
    <name>UploadSafety</name>
    <message>
        <source>settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>satellites/transponders</source>
        <translation>Satelliten/Transponder</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>unused sectors</source>
        <translation>unbenutzte Sektoren</translation>
    </message>
    <message>
        <source>%1 byte differs (%2)</source>
        <translation>%1 Byte weicht ab (%2)</translation>
    </message>
    <message>
        <source>%1 bytes differ (%2)</source>
        <translation>%1 Bytes weichen ab (%2)</translation>
    </message>
    <message>
        <source>Back up and verify work with channel files only; nothing was uploaded.</source>
        <translation>Sichern und Prüfen gehen nur mit Kanaldateien; es wurde nichts hochgeladen.</translation>
    </message>
    <message>
        <source>can&apos;t create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The upload did not start; nothing was uploaded.</source>
        <translation>Das Hochladen hat nicht begonnen; es wurde nichts hochgeladen.</translation>
    </message>
    <message>
        <source>The connection ended before the upload did.</source>
        <translation>Die Verbindung endete vor dem Hochladen.</translation>
    </message>
    <message>
        <source>the receiver did not answer</source>
        <translation>der Receiver hat nicht geantwortet</translation>
    </message>
    <message>
        <source>The receiver&apos;s channel list could not be backed up; nothing was uploaded.</source>
        <translation>Die Kanalliste des Receivers konnte nicht gesichert werden; es wurde nichts hochgeladen.</translation>
    </message>
    <message>
        <source>The receiver&apos;s channel list could not be backed up (%1); nothing was uploaded.</source>
        <translation>Die Kanalliste des Receivers konnte nicht gesichert werden (%1); es wurde nichts hochgeladen.</translation>
    </message>
    <message>
        <source>The upload completed, but the channel list could not be read back to verify it.</source>
        <translation>Das Hochladen ist abgeschlossen, aber die Kanalliste konnte zum Prüfen nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>The upload completed, but the channel list could not be read back to verify it (%1).</source>
        <translation>Das Hochladen ist abgeschlossen, aber die Kanalliste konnte zum Prüfen nicht zurückgelesen werden (%1).</translation>
    </message>
    <message>
        <source>Completed and verified</source>
        <translation>Abgeschlossen und geprüft</translation>
    </message>
    <message>
        <source>Verify failed: %1 between the uploaded file and the receiver&apos;s channel list.</source>
        <translation>Prüfung fehlgeschlagen: %1 zwischen der hochgeladenen Datei und der Kanalliste des Receivers.</translation>
    </message>
</context>
<context>
    <name>UploadSafetyDialog</name>
    <message>
        <source>Upload Channel File</source>
        <translation>Kanaldatei senden</translation>
    </message>
    <message>
        <source>%1 replaces the receiver&apos;s channel list.</source>
        <translation>%1 ersetzt die Kanalliste des Receivers.</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s channel list first</source>
        <translation>Zuerst die Kanalliste des Receivers sichern</translation>
    </message>
    <message>
        <source>Verify after upload</source>
        <translation>Nach dem Senden prüfen</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>%1 - 1 item</source>
        <translation>%1 - 1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n items</source>
        <translation>
            <numerusform>%1 - %n Eintrag</numerusform>
            <numerusform>%1 - %n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %2 of %n items</source>
        <translation>
            <numerusform>%1 - %2 von %n Eintrag</numerusform>
            <numerusform>%1 - %2 von %n Einträgen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1     Longitude: %2 %3&apos;     </source>
        <translation>%1     Länge: %2 %3&apos;     </translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Frequency : %1     Symbol Rate : %2     TSID : %3     Polar : %4     FEC : %5     </source>
        <translation>Frequenz : %1     Symbolrate : %2     TSID : %3     Polar. : %4     FEC : %5     </translation>
    </message>
    <message>
        <source>%1     Number of channel: %2</source>
        <translation>%1     Anzahl Kanäle: %2</translation>
    </message>
    <message>
        <source>%1     Frequency : %2     Polar : %3     SymbolRate : %4     VPID : %5     APID : %6</source>
        <translation>%1     Frequenz : %2     Polar. : %3     Symbolrate : %4     VPID : %5     APID : %6</translation>
    </message>
</context>
</TS>
